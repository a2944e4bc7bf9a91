// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Comparing names as the configuration and language texts compare keys and section names.

#include <algorithm>
#include <string_view>

namespace tarq {

// Whether two names are the same when upper- and lower-case ASCII letters count as one.
constexpr bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

} // namespace tarq
