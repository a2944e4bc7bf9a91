// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/BasicFirePattern.h"
#include "firemacros/FirePatch.h"
#include "tests/macros/TestHex.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

using test::Filled;

struct PatternCase {
    const char* what;
    BasicFirePattern pattern;
    const char* record;
    const char* count;   // what the gun page shows for it
    const char* y;
    const char* interval;
};

class BasicFirePatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(BasicFirePatternTest, EncodesTheLoopTheGunPageReads)
{
    const PatternCase& c = GetParam();
    const FireMacroRecord record = BasicFireMacro(c.pattern);
    EXPECT_EQ(record, Filled<FireMacroRecord>(c.record));
    const FireParameters shown = LoadFireParameters(record, 1);
    EXPECT_EQ(shown.count, c.count);
    EXPECT_EQ(shown.y, c.y);
    EXPECT_EQ(shown.interval, c.interval);
    EXPECT_EQ(shown.x, "0");
    EXPECT_EQ(shown.releaseStop, c.pattern.release == ReleaseMode::StopOnRelease);
    // Every value the gun page edits has its place in the record.
    EXPECT_EQ(shown.positions.count, 3u);
    EXPECT_EQ(shown.positions.y, 6u);
    EXPECT_EQ(shown.positions.interval, 8u);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, BasicFirePatternTest,
    ::testing::Values(
        PatternCase{"default: 30 shots, pull 4, 96 ms, stops on release", {},
                    "01 0A FD 1D A1 FA 04 FE 0C 21 FC B0", "30", "4", "96"},
        PatternCase{"smallest values, plays to the end", {1, 0, 0, ReleaseMode::PlayToEnd},
                    "00 0A FD 00 A1 FA 00 FE 00 21 FC E7", "1", "0", "0"},
        PatternCase{"values past their ranges are kept within them", {999, 300, 9999, ReleaseMode::StopOnRelease},
                    "01 0A FD FF A1 FA 7F FE FF 21 FC 60", "256", "127", "2040"},
        PatternCase{"an interval between steps goes down to a whole step", {10, 12, 111, ReleaseMode::StopOnRelease},
                    "01 0A FD 09 A1 FA 0C FE 0D 21 FC 85", "10", "12", "104"}),
    [](const ::testing::TestParamInfo<PatternCase>& info) { return "case" + std::to_string(info.index); });

TEST(BasicFireScriptTest, IsTheSixEventsInOrder)
{
    EXPECT_EQ(BasicFireScript(), (MacroScript{"00", "7 FD1D", "1 LeftKey CODE:00A1", "5 FA04", "0 96",
                                              "2 LeftKey CODE:0021", "8 00FC"}));
}

} // namespace
} // namespace tarq
