#include "update/url.h"

#include "register/records.h"

UrlParts SplitUrl(std::string_view url) {
    UrlParts parts;
    std::size_t scheme = url.find("://");
    if (scheme == std::string_view::npos) return parts;
    std::string_view rest = url.substr(scheme + 3);
    std::size_t slash = rest.find('/');
    if (slash != std::string_view::npos)
        parts.Path = rest.substr(slash + 1, rest.find('?', slash + 1) - (slash + 1));

    if (std::size_t at = rest.find('@'); at != std::string_view::npos) rest = rest.substr(at + 1);
    // A colon in the path is no port separator.
    std::size_t colon = rest.find(':');
    if (colon > rest.find('/')) colon = std::string_view::npos;
    parts.Host = rest.substr(0, colon != std::string_view::npos ? colon : rest.find('/'));
    if (colon != std::string_view::npos) {
        std::string_view port = rest.substr(colon + 1, rest.find('/', colon + 1) - (colon + 1));
        std::uint32_t value = 0;
        for (char c : port) {
            if (c < '0' || c > '9') break;
            value = value * 10 + static_cast<std::uint32_t>(c - '0');
        }
        if (!port.empty()) parts.Port = static_cast<std::uint16_t>(value);
    }
    return parts;
}

std::string HttpRequest(const UrlParts& parts) {
    return "GET /" + parts.Path + " HTTP/1.1\r\nAccept: */*\r\nHost: " + parts.Host + ":" +
           FormatNumber(parts.Port) + "\r\nConnection: close\r\n\r\n";
}
