#include "update/url.h"

#include "common/number_text.h"

UrlParts SplitUrl(std::string_view url) {
    UrlParts parts;
    std::size_t scheme = url.find("://");
    if (scheme == std::string_view::npos) return parts;
    std::string_view rest = url.substr(scheme + 3);
    std::size_t slash = rest.find('/');
    if (slash != std::string_view::npos)
        parts.Path = rest.substr(slash + 1, rest.find('?', slash + 1) - (slash + 1));

    // Only the part before the path names the server: an "@" or a colon in
    // the path is part of the path.
    std::string_view server = rest.substr(0, slash);
    if (std::size_t at = server.find('@'); at != std::string_view::npos)
        server = server.substr(at + 1);
    std::size_t colon = server.find(':');
    parts.Host = server.substr(0, colon);
    if (colon != std::string_view::npos) {
        std::string_view port = server.substr(colon + 1);
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
