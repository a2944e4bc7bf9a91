// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Hexadecimal digits as the configuration texts, key-function codes, macro script lines and
// device paths write them: upper case when written, either case when read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarq {

// The value of one hexadecimal digit, or -1 for any other character.
constexpr int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The value of a run of hexadecimal digits; nothing when it is empty or holds anything else.
constexpr std::optional<unsigned> ParseHex(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    unsigned v = 0;
    for (char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        v = v * 16 + unsigned(d);
    }
    return v;
}

// The upper-case digit of the low four bits of v.
constexpr char HexDigitChar(unsigned v) { return "0123456789ABCDEF"[v & 0x0F]; }

// Two upper-case digits, high first.
inline void AppendHexByte(std::string& out, uint8_t b)
{
    out += HexDigitChar(b >> 4);
    out += HexDigitChar(b);
}

} // namespace tarq
