// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/PointerLevels.h"

#include <charconv>

namespace tarq {
namespace {

constexpr std::array<int, kPointerLevels> kSpeeds{1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr std::array<int, kPointerLevels> kDoubleClickTimes{900, 830, 760, 690, 620, 550, 480, 410, 340, 270, 200};

std::optional<int> TableValue(const std::array<int, kPointerLevels>& table, int level)
{
    if (level < 1 || level > kPointerLevels)
        return std::nullopt;
    return table[static_cast<size_t>(level - 1)];
}

constexpr int kRulerStart = -7;
constexpr int kRulerStep = 26;

} // namespace

std::optional<int> PointerSpeedForLevel(int level) { return TableValue(kSpeeds, level); }
std::optional<int> DoubleClickTimeForLevel(int level) { return TableValue(kDoubleClickTimes, level); }

std::optional<int> WheelLinesForLevel(int level)
{
    if (level < 1 || level > kPointerLevels)
        return std::nullopt;
    return level;
}

int PointerSpeedLevelOf(int speed)
{
    if (speed < 0 || speed > 20)
        return 6;
    return speed / 2 + 1;   // pairs 0-1, 2-3, ... 18-19 and 20 alone
}

int DoubleClickLevelOf(int milliseconds)
{
    // Each level covers 70 ms from its table value upwards; 900 and above is level 1.
    for (int level = 1; level < kPointerLevels; ++level)
        if (milliseconds >= kDoubleClickTimes[static_cast<size_t>(level - 1)])
            return level;
    return kPointerLevels;
}

int WheelLevelOf(int lines)
{
    if (lines == 0)
        return 3;
    if (lines >= 1 && lines <= kPointerLevels)
        return lines;
    return kPointerLevels;
}

int PointerSliderPositionAt(int x)
{
    for (int i = 0; i < kPointerLevels; ++i)
        if (kRulerStart + kRulerStep * i < x && x <= kRulerStart + kRulerStep * (i + 1))
            return i;
    return x <= kRulerStart + kRulerStep ? 0 : kPointerLevels - 1;
}

std::optional<int> ParseDecimal(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] >= '0' && text[1] <= '9')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace tarq
