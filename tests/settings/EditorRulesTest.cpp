// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/EditorRules.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarq {
namespace {

TEST(EditorRules, DpiSliderSnapsToTheRulerOfItsValueCount)
{
    struct Case { int x; int dpiCount; int position; };
    const Case cases[] = {
        // 11 values: 20 pixels a step, starting at -5
        {-40, 11, 0}, {0, 11, 0}, {15, 11, 0}, {16, 11, 1}, {35, 11, 1}, {36, 11, 2},
        {175, 11, 8}, {176, 11, 9}, {195, 11, 9}, {196, 11, 10}, {225, 11, 10}, {400, 11, 10},
        // 12 values reach the last one (8000)
        {175, 12, 9}, {186, 12, 10}, {205, 12, 11}, {400, 12, 11},
        // a single value, or none, has nowhere to go
        {100, 1, 0}, {100, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DpiSliderPosition(c.x, c.dpiCount), c.position) << "x " << c.x << ", count " << c.dpiCount;
}

TEST(EditorRules, BreathSpeedSliderHasEightPositions)
{
    const std::pair<int, int> cases[] = {{-10, 0}, {15, 0}, {16, 1}, {45, 1}, {46, 2},
                                         {195, 6}, {196, 7}, {225, 7}, {1000, 7}};
    for (const auto& [x, position] : cases)
        EXPECT_EQ(BreathSpeedSliderPosition(x), position) << "x " << x;
}

TEST(EditorRules, EditsCorrectTheirText)
{
    using Rule = std::function<std::string(std::string_view)>;
    struct Case { const char* rule; Rule correct; const char* text; const char* shown; };
    const Rule led = [](std::string_view t) { return CorrectLedCount(t, false); };
    const Rule ledLeft = [](std::string_view t) { return CorrectLedCount(t, true); };
    const Case cases[] = {
        {"colour", CorrectColourChannel, "", "0"},
        {"colour", CorrectColourChannel, "0", "0"},
        {"colour", CorrectColourChannel, "255", "255"},
        {"colour", CorrectColourChannel, "256", "255"},
        {"colour", CorrectColourChannel, "300", "255"},
        {"colour", CorrectColourChannel, "12a", "0"},
        {"repeat", CorrectFireRepeat, "", "2"},
        {"repeat", CorrectFireRepeat, "0", "1"},
        {"repeat", CorrectFireRepeat, "00", "1"},
        {"repeat", CorrectFireRepeat, "1", "1"},
        {"repeat", CorrectFireRepeat, "255", "255"},
        {"repeat", CorrectFireRepeat, "256", "255"},
        {"repeat", CorrectFireRepeat, "300", "255"},
        {"interval", CorrectFireInterval, "", "0"},
        {"interval", CorrectFireInterval, "0", "0"},
        {"interval", CorrectFireInterval, "255", "255"},
        {"interval", CorrectFireInterval, "999", "255"},
        {"interval", CorrectFireInterval, "-5", "0"},
        {"fire time", CorrectFireTime, "", "100"},
        {"fire time", CorrectFireTime, "20", "20"},
        {"fire time", CorrectFireTime, "256", "255"},
        {"speed", CorrectSpeedStep, "", "0"},
        {"speed", CorrectSpeedStep, "7", "7"},
        {"speed", CorrectSpeedStep, "8", "7"},
        {"speed", CorrectSpeedStep, "99", "7"},
        {"count", led, "", "13"},
        {"count", led, "0", "4"},
        {"count", led, "1", "1"},
        {"count", led, "2", "4"},
        {"count", led, "3", "4"},
        {"count", led, "4", "4"},
        {"count", led, "13", "13"},
        {"count", led, "14", "13"},
        {"count", led, "20", "13"},
        {"count left", ledLeft, "1", "4"},
        {"count left", ledLeft, "10", "10"},
        {"count left", ledLeft, "", "13"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.correct(c.text), c.shown) << c.rule << " \"" << c.text << "\"";
}

} // namespace
} // namespace tarq
