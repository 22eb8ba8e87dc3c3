// The file version of a program file, as text such as 1.2.0.27.
#pragma once

#include <cstdint>
#include <string>

// Major, minor, build and revision from the two halves of a fixed file
// version, as unsigned numbers joined by ".".
std::string FormatFileVersion(std::uint32_t mostSignificant, std::uint32_t leastSignificant);

// The file's version text, or "" when it has none; says so when the version
// library itself is missing.
std::string FileVersionText(const std::string& path);
