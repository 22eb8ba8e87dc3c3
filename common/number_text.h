// Whole numbers as the program writes and reads them in its texts and files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string FormatNumber(std::int32_t value);
// Leading blanks, a sign, "$" for hexadecimal or "%" for binary, then digits
// up to the first that does not belong; wraps around like 32-bit arithmetic.
std::int32_t ParseNumber(std::string_view text);
