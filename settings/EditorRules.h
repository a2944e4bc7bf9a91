// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The rules of the DPI, lighting and fire key editors that do not depend on the window: where
// a mouse release on a ruler slider lands, and how the numeric edits correct their own text.
// Each Correct* function returns the text the edit must show after a change; it returns the
// text unchanged when no correction is needed. A text that is not a decimal number (only
// digits can be typed, but anything can be pasted) is corrected like an empty one.

#include <string>
#include <string_view>

namespace tarq {

// Position 0 .. positions - 1 of a mouse release at x pixels inside a ruler slider whose
// first position starts at `start` and whose positions are `step` pixels wide. Releases left
// of the ruler give 0, releases right of it the last position.
int SliderRulerPosition(int x, int start, int step, int positions);

// A DPI level or AIM slider over `dpiCount` values (1-12): the ruler is 225 pixels wide.
int DpiSliderPosition(int x, int dpiCount);

// The breathing speed slider: eight positions, 30 pixels apart, the first ending at x = 15.
int BreathSpeedSliderPosition(int x);

// A colour channel edit: above 255 gives "255", empty "0".
std::string CorrectColourChannel(std::string_view text);

// The fire key's shot count: empty gives "2", "0" gives "1", 256 or more "255".
std::string CorrectFireRepeat(std::string_view text);

// The fire key's interval on the Advanced page: empty gives "0", 256 or more "255".
std::string CorrectFireInterval(std::string_view text);

// The fire key's interval on the engineer page: empty gives "100", above 255 "255".
std::string CorrectFireTime(std::string_view text);

// The MCU LED speed step: empty gives "0", above 7 "7".
std::string CorrectSpeedStep(std::string_view text);

// The MCU LED count, 4-13: 0, 2 and 3 give "4"; empty or above 13 give "13"; a lone "1" may
// still become 10-13 and stays while the user types (`leaving` false), and gives "4" when the
// edit is left.
std::string CorrectLedCount(std::string_view text, bool leaving);

// A fire macro's Y offset, a signed byte: a lone "-" stays (a negative number is being
// entered); otherwise empty gives "0", 128 and above "127", below -128 "-128".
std::string CorrectYOffset(std::string_view text);

} // namespace tarq
