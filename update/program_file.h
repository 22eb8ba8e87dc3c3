// Whether a downloaded file is a whole program file that this Windows runs,
// before anything else is asked of it: a transfer cut off by a proxy or a
// broken connection, or a program for another processor, must never be
// installed.
#pragma once

#include <cstdint>
#include <string_view>

// A little-endian number of the given width at offset, or -1 past the end.
std::int64_t NumberAt(std::string_view bytes, std::int64_t offset, int width);
// Where the PE header ("PE\0\0") of a program file's first bytes begins, or -1.
std::int64_t PeHeaderAt(std::string_view head);

// head holds the file's first bytes (at least its headers and section table),
// fileSize its full size. Answers 1 when the DOS and PE headers are there and
// every section's data lies within the file.
int IsWholeProgramFile(std::string_view head, std::int64_t fileSize);

// head as above, of a whole program file. Answers 1 for a Windows program (the
// GUI subsystem) built for i386, which every Windows runs, or for x86-64 on
// 64-bit Windows: wherever the 64-bit program runs, and where the 32-bit one
// runs under WOW64.
int RunsOnThisWindows(std::string_view head, int program64Bit, int underWow64);
