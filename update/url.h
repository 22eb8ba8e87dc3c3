// The parts of an HTTP address, and the request that asks for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct UrlParts {
    std::string Host; // empty: no host, nothing can be fetched
    std::uint16_t Port = 80;
    std::string Path; // without its leading "/" and without the query
};

UrlParts SplitUrl(std::string_view url);

// The GET request for the parts, with the port always in the Host line.
std::string HttpRequest(const UrlParts& parts);
