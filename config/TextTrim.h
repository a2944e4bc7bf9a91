// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Blanks around a piece of text, as the configuration texts and macro script lines are read.

#include <string_view>

namespace tarq {

constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The text without the blanks at either end.
constexpr std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace tarq
