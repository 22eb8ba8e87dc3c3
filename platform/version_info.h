// The file version in a program file's version resource.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

enum class VersionQuery { Read, LibraryMissing, NoVersion };

// Reads the fixed file version through "version.dll", loaded for this call
// only. A version resource without a fixed part reads as 0 and 0.
VersionQuery QueryFileVersion(const std::string& path, std::uint32_t& mostSignificant,
                              std::uint32_t& leastSignificant);

// The "ProductName" of the file's version resource, in its first language,
// or "" when there is none.
std::string QueryProductName(const std::string& path);

} // namespace platform
