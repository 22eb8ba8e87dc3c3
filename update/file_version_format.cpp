#include "update/file_version.h"

std::string FormatFileVersion(std::uint32_t mostSignificant, std::uint32_t leastSignificant) {
    return std::to_string(mostSignificant >> 16) + "." + std::to_string(mostSignificant & 0xFFFF) +
           "." + std::to_string(leastSignificant >> 16) + "." +
           std::to_string(leastSignificant & 0xFFFF);
}
