// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/FirePatch.h"
#include "config/SectionChecksum.h"
#include "tests/macros/TestHex.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

using test::Filled;

// A typical gun slot: a loop of 30 shots, each press, X 2, Y 5, 96 ms, release.
FireMacroRecord GunSlot()
{
    auto r = Filled<FireMacroRecord>("01 0C FD 1D A1 FB 02 FA 05 FE 0C 21 FC");
    RenewFireMacroChecksum(r);
    return r;
}

bool ChecksumOk(const FireMacroRecord& r)
{
    const size_t length = r[1];
    return SectionChecksum(std::span(r).subspan(1, length)) == r[length + 1];
}

TEST(FirePatchTest, LoadsTheValuesAndTheirPositions)
{
    const FireParameters p = LoadFireParameters(GunSlot(), 1);
    EXPECT_EQ(p.releaseStop, true);
    EXPECT_FALSE(p.stopped);
    EXPECT_EQ(p.count, "30");
    EXPECT_EQ(p.x, "2");
    EXPECT_EQ(p.y, "5");
    EXPECT_EQ(p.interval, "96");
    EXPECT_EQ(p.positions, (FirePatchPositions{3, 6, 8, 10}));
}

struct LoadCase {
    const char* what;
    const char* record;
    int column;
    std::optional<bool> releaseStop;
    bool stopped;
    const char* count;
    const char* x;
    const char* y;
    const char* interval;
};

class FireLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(FireLoadTest, ShowsWhatTheRecordHolds)
{
    const LoadCase& c = GetParam();
    const FireParameters p = LoadFireParameters(Filled<FireMacroRecord>(c.record), c.column);
    EXPECT_EQ(p.releaseStop, c.releaseStop);
    EXPECT_EQ(p.stopped, c.stopped);
    EXPECT_EQ(p.count, c.count);
    EXPECT_EQ(p.x, c.x);
    EXPECT_EQ(p.y, c.y);
    EXPECT_EQ(p.interval, c.interval);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FireLoadTest,
    ::testing::Values(
        LoadCase{"an FD loop but no FB keeps X at 0", "00 0A FD 02 A1 FA 0A FE 06 21 FC 00", 1,
                 false, false, "3", "0", "10", "48"},
        LoadCase{"a delay before any Y is no interval", "00 07 FE 09 FA F6 A1 21 00", 1, false,
                 false, "0", "0", "-10", "0"},
        LoadCase{"the last loop and move win", "00 0D FD 01 FA 01 FE 01 FD 04 FA 02 FE 02 FC 00",
                 1, false, false, "5", "0", "2", "16"},
        LoadCase{"an odd release byte stops column 1", "07 0A FD 02 A1 FA 0A FE 06 21 FC 00", 1,
                 std::nullopt, true, "0", "0", "0", "0"},
        LoadCase{"and is passed over in column 2", "07 0A FD 02 A1 FA 0A FE 06 21 FC 00", 2,
                 std::nullopt, false, "3", "0", "10", "48"},
        LoadCase{"erased memory", "FF FF FF FF", 2, std::nullopt, false, "0", "0", "0", "0"},
        LoadCase{"a length past the record", "00 40 FD 02 FA 01", 1, false, false, "0", "0", "0",
                 "0"},
        LoadCase{"an unknown byte ends the walk", "00 07 FD 02 55 FA 01 FC 00", 1, false, false,
                 "3", "0", "0", "0"},
        LoadCase{"key records are stepped over", "00 09 82 04 FD 02 02 04 FA 01 00", 1, false,
                 false, "3", "0", "1", "0"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(FirePatchTest, CountInterval)
{
    struct Case {
        const char* typed;
        FireEditStatus status;
        const char* shown;
        uint8_t stored;
    };
    const Case counts[] = {{"300", FireEditStatus::Stored, "256", 0xFF},
                           {"256", FireEditStatus::Stored, "256", 0xFF},
                           {"1", FireEditStatus::Stored, "1", 0x00},
                           {"0", FireEditStatus::Stored, "1", 0x00},
                           {"", FireEditStatus::Stored, "1", 0x00},
                           {"99999999999999999999", FireEditStatus::Stored, "256", 0xFF}};
    for (const Case& c : counts) {
        FireMacroRecord r = GunSlot();
        const auto positions = LoadFireParameters(r, 1).positions;
        const FireEditResult result = EditFireCount(r, positions, c.typed);
        EXPECT_EQ(result.status, c.status) << c.typed;
        EXPECT_EQ(result.text, c.shown) << c.typed;
        EXPECT_EQ(r[3], c.stored) << c.typed;
        EXPECT_TRUE(ChecksumOk(r)) << c.typed;
    }
    const Case intervals[] = {{"2040", FireEditStatus::Stored, "2040", 0xFF},
                              {"2047", FireEditStatus::Stored, "2040", 0xFF},
                              {"7", FireEditStatus::Stored, "7", 0x00},
                              {"", FireEditStatus::Stored, "0", 0x00},
                              {"100", FireEditStatus::Stored, "100", 12}};
    for (const Case& c : intervals) {
        FireMacroRecord r = GunSlot();
        const FireEditResult result = EditFireInterval(r, LoadFireParameters(r, 1).positions, c.typed);
        EXPECT_EQ(result.status, c.status) << c.typed;
        EXPECT_EQ(result.text, c.shown) << c.typed;
        EXPECT_EQ(r[10], c.stored) << c.typed;
        EXPECT_TRUE(ChecksumOk(r)) << c.typed;
    }
}

TEST(FirePatchTest, XAndY)
{
    FireMacroRecord r = GunSlot();
    const auto positions = LoadFireParameters(r, 1).positions;
    EXPECT_EQ(EditFireX(r, positions, "-200").text, "-128");
    EXPECT_EQ(r[6], 0x80);
    EXPECT_EQ(EditFireX(r, positions, "128").text, "127");
    EXPECT_EQ(r[6], 0x7F);
    EXPECT_EQ(EditFireX(r, positions, "-12").text, "-12");
    EXPECT_EQ(r[6], 0xF4);
    EXPECT_EQ(EditFireY(r, positions, "200").text, "127");
    EXPECT_EQ(r[8], 0x7F);
    EXPECT_EQ(EditFireY(r, positions, "-3").text, "-3");
    EXPECT_EQ(r[8], 0xFD);
    EXPECT_EQ(EditFireY(r, positions, "-200").text, "-128");
    EXPECT_EQ(r[8], 0x80);
    EXPECT_EQ(EditFireY(r, positions, "").text, "0");
    EXPECT_EQ(r[8], 0x00);
    EXPECT_TRUE(ChecksumOk(r));

    // A lone minus waits for digits; text that is no number is rejected; neither changes a byte.
    const FireMacroRecord before = r;
    EXPECT_EQ(EditFireX(r, positions, "-").status, FireEditStatus::Pending);
    EXPECT_EQ(EditFireY(r, positions, "-").status, FireEditStatus::Pending);
    const FireEditResult bad = EditFireX(r, positions, "5-");
    EXPECT_EQ(bad.status, FireEditStatus::Invalid);
    EXPECT_EQ(bad.text, "5-");
    EXPECT_EQ(r, before);
}

TEST(FirePatchTest, EditsWithoutAnEventChangeNoByte)
{
    // The record has no FB: the X edit is corrected but stores nothing.
    FireMacroRecord r = Filled<FireMacroRecord>("00 0A FD 02 A1 FA 0A FE 06 21 FC 00 33 44");
    RenewFireMacroChecksum(r);
    const FireMacroRecord before = r;
    const FireEditResult result = EditFireX(r, LoadFireParameters(r, 1).positions, "300");
    EXPECT_EQ(result.status, FireEditStatus::NoEvent);
    EXPECT_EQ(result.text, "127");
    EXPECT_EQ(r, before);

    // Positions remembered before the record was rebuilt are not written through.
    FireMacroRecord slot = GunSlot();
    const auto stale = LoadFireParameters(slot, 1).positions;
    slot = Filled<FireMacroRecord>("01 07 A1 FE 0C 21 FA 05");
    RenewFireMacroChecksum(slot);
    const FireMacroRecord rebuilt = slot;
    EXPECT_EQ(EditFireCount(slot, stale, "5").status, FireEditStatus::NoEvent);
    EXPECT_EQ(EditFireY(slot, stale, "9").status, FireEditStatus::NoEvent);
    EXPECT_EQ(EditFireInterval(slot, FirePatchPositions{}, "80").status, FireEditStatus::NoEvent);
    EXPECT_EQ(slot, rebuilt);
}

TEST(FirePatchTest, YOffsetIsKeptInsideASignedByteWithY)
{
    EXPECT_EQ(EditFireYOffset("50", 100).text, "27");
    EXPECT_EQ(EditFireYOffset("50", 100).value, 27);
    EXPECT_EQ(EditFireYOffset("-128", 0).value, -128);
    EXPECT_EQ(EditFireYOffset("300", 0).text, "127");
    EXPECT_EQ(EditFireYOffset("-300", 5).text, "-128");
    EXPECT_EQ(EditFireYOffset("", 5).text, "0");
    EXPECT_EQ(EditFireYOffset("-", 5).status, FireEditStatus::Pending);
    EXPECT_EQ(EditFireYOffset("1x", 5).status, FireEditStatus::Invalid);

    EXPECT_EQ(YOffsetPair(0), (std::array<uint8_t, 2>{0x00, 0xFF}));
    EXPECT_EQ(YOffsetPair(-5), (std::array<uint8_t, 2>{0xFB, 0x04}));
}

} // namespace
} // namespace tarq
