// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/EditorRules.h"

#include <optional>

namespace tarq {

namespace {

// The decimal value of a text of digits, saturated well above any edit's range; nothing for an
// empty text or one with any other character.
std::optional<int> DecimalValue(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value > 100000 ? value : value * 10 + (c - '0');
    }
    return value;
}

} // namespace

int SliderRulerPosition(int x, int start, int step, int positions)
{
    if (step <= 0 || positions <= 1)
        return 0;
    int i = 0;
    while (i < positions - 1 && start < x) {
        if (start + step * i < x && x <= start + step * (i + 1))
            break;
        ++i;
    }
    return i;
}

int DpiSliderPosition(int x, int dpiCount)
{
    constexpr int kRulerWidth = 225;
    if (dpiCount < 1)
        return 0;
    const int step = kRulerWidth / dpiCount;
    return SliderRulerPosition(x, -(step / 4), step, dpiCount);
}

int BreathSpeedSliderPosition(int x)
{
    constexpr int kStart = -15, kStep = 30, kPositions = 8;
    return SliderRulerPosition(x, kStart, kStep, kPositions);
}

std::string CorrectColourChannel(std::string_view text)
{
    const std::optional<int> v = DecimalValue(text);
    if (!v)
        return "0";
    return *v > 255 ? "255" : std::string(text);
}

std::string CorrectFireRepeat(std::string_view text)
{
    const std::optional<int> v = DecimalValue(text);
    if (!v)
        return "2";
    if (*v == 0)
        return "1";
    return *v >= 256 ? "255" : std::string(text);
}

std::string CorrectFireInterval(std::string_view text)
{
    const std::optional<int> v = DecimalValue(text);
    if (!v)
        return "0";
    return *v >= 256 ? "255" : std::string(text);
}

std::string CorrectFireTime(std::string_view text)
{
    const std::optional<int> v = DecimalValue(text);
    if (!v)
        return "100";
    return *v > 255 ? "255" : std::string(text);
}

std::string CorrectSpeedStep(std::string_view text)
{
    const std::optional<int> v = DecimalValue(text);
    if (!v)
        return "0";
    return *v > 7 ? "7" : std::string(text);
}

std::string CorrectLedCount(std::string_view text, bool leaving)
{
    const std::optional<int> v = DecimalValue(text);
    if (!v || *v > 13)
        return "13";
    if (*v == 1)
        return leaving ? "4" : std::string(text);
    return *v < 4 ? "4" : std::string(text);
}

std::string CorrectYOffset(std::string_view text)
{
    if (text == "-")
        return std::string(text);
    const bool negative = !text.empty() && text.front() == '-';
    const std::optional<int> v = DecimalValue(negative ? text.substr(1) : text);
    if (!v)
        return "0";
    if (negative)
        return *v > 128 ? "-128" : std::string(text);
    return *v > 127 ? "127" : std::string(text);
}

} // namespace tarq
