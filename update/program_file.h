// Whether a downloaded file is a whole program file, before anything else is
// asked of it: a transfer cut off by a proxy or a broken connection must never
// be installed.
#pragma once

#include <cstdint>
#include <string_view>

// head holds the file's first bytes (at least its headers and section table),
// fileSize its full size. Answers 1 when the DOS and PE headers are there and
// every section's data lies within the file.
int IsWholeProgramFile(std::string_view head, std::int64_t fileSize);
