#include "common/number_text.h"

std::string FormatNumber(std::int32_t value) {
    // Work on the magnitude as unsigned so that the smallest value has one too.
    std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    char digits[12];
    char* start = digits + sizeof digits;
    do {
        *--start = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) *--start = '-';
    return std::string(start, digits + sizeof digits);
}

// The value of a hexadecimal digit; any other character is worth more than every base.
static std::uint32_t DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 99;
}

std::int32_t ParseNumber(std::string_view text) {
    std::size_t at = 0;
    auto next = [&] { return at < text.size() ? text[at] : '\0'; };
    while (next() == ' ' || next() == '\t') at++;
    bool negative = next() == '-';
    if (next() == '+' || next() == '-') at++;
    std::uint32_t base = next() == '$' ? 16 : next() == '%' ? 2 : 10;
    if (base != 10) at++;
    // Unsigned accumulation wraps on overflow exactly like 32-bit two's complement.
    std::uint32_t value = 0;
    for (std::uint32_t digit; (digit = DigitValue(next())) < base; at++)
        value = value * base + digit;
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}
