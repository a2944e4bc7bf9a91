// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Bytes written as hexadecimal pairs in test tables ("00 05 A1").

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace tarq::test {

inline std::vector<uint8_t> Hex(std::string_view text)
{
    std::vector<uint8_t> out;
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    int high = -1;
    for (char c : text) {
        if (c == ' ')
            continue;
        const int d = digit(c);
        if (d < 0)
            throw std::invalid_argument("not a hex digit");
        if (high < 0) {
            high = d;
        } else {
            out.push_back(uint8_t(high << 4 | d));
            high = -1;
        }
    }
    if (high >= 0)
        throw std::invalid_argument("odd number of hex digits");
    return out;
}

// A fixed-size buffer that starts with the given bytes and is zero behind them.
template <typename Array>
Array Filled(std::string_view text)
{
    Array a{};
    const auto bytes = Hex(text);
    if (bytes.size() > a.size())
        throw std::invalid_argument("too many bytes");
    std::copy(bytes.begin(), bytes.end(), a.begin());
    return a;
}

} // namespace tarq::test
