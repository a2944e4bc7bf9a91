// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The eleven-level scales of the system pointer settings: level to system value and back,
// the precision triples, and where a release on a pointer slider snaps to.

#include <array>
#include <optional>
#include <string_view>

namespace tarq {

inline constexpr int kPointerLevels = 11;
inline constexpr int kPointerSliderStep = 100;   // slider value of one level (range 0-1000)

// System value of a level 1-11; nullopt for any other level.
std::optional<int> PointerSpeedForLevel(int level);      // 1, 2, 4, ... 20
std::optional<int> DoubleClickTimeForLevel(int level);   // 900, 830, ... 200 ms
std::optional<int> WheelLinesForLevel(int level);        // 1 ... 11

// Level of a system value as read from the system.
int PointerSpeedLevelOf(int speed);          // 0-1 -> 1, 2-3 -> 2, ... 20 -> 11; 6 for any other
int DoubleClickLevelOf(int milliseconds);    // 900 and above -> 1, ... below 270 -> 11
int WheelLevelOf(int lines);                 // 0 -> 3, 1-11 itself, 11 for anything else

// Mouse acceleration and its two thresholds, in the order the registry names them.
struct PrecisionValues {
    int acceleration = 0;
    int threshold1 = 0;
    int threshold2 = 0;
    friend bool operator==(const PrecisionValues&, const PrecisionValues&) = default;
};
inline constexpr PrecisionValues kPrecisionOn{1, 6, 10};
inline constexpr PrecisionValues kPrecisionOff{0, 0, 0};
inline bool PrecisionShowsOn(const PrecisionValues& v)
{
    return v.acceleration != 0 || v.threshold1 != 0 || v.threshold2 != 0;
}

// The wheel value that scrolls one screen at a time (and the wheel level while it is on).
inline constexpr int kOneScreen = -1;

// Slider position 0-10 for a release at X pixels inside a pointer slider: eleven ruler steps
// of 26 pixels starting at -7; X <= 19 gives 0, X beyond the last step gives 10.
int PointerSliderPositionAt(int x);

// A whole decimal number as the registry holds it ("10", "-1", " 6 "); nullopt for empty
// text, other characters or a number out of int range.
std::optional<int> ParseDecimal(std::string_view text);

} // namespace tarq
