// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/PointerLevels.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

struct LevelRow {
    int level;
    int speed;
    int doubleClick;
};

TEST(PointerLevels, TablesGiveTheSystemValueOfEachLevelAndReadBackToIt)
{
    const LevelRow rows[] = {{1, 1, 900},  {2, 2, 830},   {3, 4, 760},   {4, 6, 690},
                             {5, 8, 620},  {6, 10, 550},  {7, 12, 480},  {8, 14, 410},
                             {9, 16, 340}, {10, 18, 270}, {11, 20, 200}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.level);
        EXPECT_EQ(PointerSpeedForLevel(r.level), r.speed);
        EXPECT_EQ(DoubleClickTimeForLevel(r.level), r.doubleClick);
        EXPECT_EQ(WheelLinesForLevel(r.level), r.level);
        EXPECT_EQ(PointerSpeedLevelOf(r.speed), r.level);
        EXPECT_EQ(DoubleClickLevelOf(r.doubleClick), r.level);
        EXPECT_EQ(WheelLevelOf(r.level), r.level);
    }
    for (int outside : {-1, 0, 12})
        EXPECT_FALSE(PointerSpeedForLevel(outside) || DoubleClickTimeForLevel(outside) || WheelLinesForLevel(outside))
            << outside;
}

TEST(PointerLevels, SystemValuesBetweenTheTableRowsTakeTheirBand)
{
    const std::pair<int, int> speeds[] = {{0, 1}, {3, 2}, {5, 3}, {9, 5}, {19, 10}, {20, 11}, {21, 6}, {-1, 6}, {100, 6}};
    for (auto [speed, level] : speeds)
        EXPECT_EQ(PointerSpeedLevelOf(speed), level) << "speed " << speed;

    const std::pair<int, int> times[] = {{5000, 1}, {899, 2}, {829, 3}, {500, 7}, {479, 8}, {409, 9}, {410, 8}, {270, 10}, {269, 11}, {0, 11}, {-5, 11}};
    for (auto [ms, level] : times)
        EXPECT_EQ(DoubleClickLevelOf(ms), level) << ms << " ms";

    const std::pair<int, int> wheel[] = {{0, 3}, {12, 11}, {25, 11}, {-2, 11}, {100, 11}};
    for (auto [lines, level] : wheel)
        EXPECT_EQ(WheelLevelOf(lines), level) << lines << " lines";
}

TEST(PointerLevels, SliderReleaseSnapsToTheRulerStep)
{
    const std::pair<int, int> rows[] = {{-50, 0}, {0, 0}, {19, 0}, {20, 1}, {45, 1}, {46, 2}, {149, 5}, {253, 9},
                                        {254, 10}, {279, 10}, {300, 10}, {5000, 10}};
    for (auto [x, position] : rows)
        EXPECT_EQ(PointerSliderPositionAt(x), position) << "x " << x;
}

TEST(PointerLevels, PrecisionShowsOnWhenAnyValueIsSet)
{
    EXPECT_TRUE(PrecisionShowsOn(kPrecisionOn));
    EXPECT_FALSE(PrecisionShowsOn(kPrecisionOff));
    EXPECT_TRUE(PrecisionShowsOn({0, 0, 4}));
    EXPECT_TRUE(PrecisionShowsOn({-1, 0, 0}));
}

TEST(PointerLevels, RegistryNumbersParseOnlyWhenWhole)
{
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"10", 10}, {"-1", -1}, {" 6 ", 6}, {"+4", 4}, {"0", 0},
        {"", std::nullopt}, {"  ", std::nullopt}, {"fast", std::nullopt}, {"10x", std::nullopt},
        {"1.5", std::nullopt}, {"+-5", std::nullopt}, {"99999999999", std::nullopt}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(ParseDecimal(text), value) << '"' << text << '"';
}

} // namespace
} // namespace tarq
