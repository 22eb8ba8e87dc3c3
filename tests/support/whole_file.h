// A file's bytes, or "(none)" when it cannot be read.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

inline std::string WholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "(none)";
}
