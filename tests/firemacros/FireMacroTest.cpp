// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/FireMacro.h"
#include "config/SectionChecksum.h"
#include "tests/macros/TestHex.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

using test::Filled;

bool ChecksumOk(const FireMacroRecord& r)
{
    const size_t length = r[1];
    return length >= 1 && length <= 22
           && SectionChecksum(std::span(r).subspan(1, length)) == r[length + 1];
}

TEST(FireMacroTest, EncodesTheRecordedClick)
{
    const MacroScript script{"10", "1 LeftKey CODE:00A1", "0 2040", "0 2040", "0 920",
                             "2 LeftKey CODE:0021"};
    const EncodedFireMacro encoded = EncodeFireMacro(script, ReleaseMode::StopOnRelease);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.record, Filled<FireMacroRecord>("01 09 A1 FE FF FE FF FE 73 21 6C"));
    EXPECT_EQ(encoded.hexDump, "0109A1FEFFFEFFFE73216C");

    // Consecutive delays stay separate lines, so the record reads back as it was recorded.
    const DecodedFireMacro decoded = DecodeFireMacro(encoded.record);
    EXPECT_EQ(decoded.script, (MacroScript{"00", "1 LeftKey CODE:00A1", "0 2040", "0 2040",
                                           "0 920", "2 LeftKey CODE:0021"}));
    EXPECT_EQ(decoded.releaseMode, ReleaseMode::StopOnRelease);
    EXPECT_EQ(EncodeFireMacro(decoded.script, ReleaseMode::StopOnRelease).record, encoded.record);
}

struct EncodeCase {
    MacroScript script;
    ReleaseMode mode;
    const char* record;
};

class FireEncodeTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(FireEncodeTest, GivesTheRecord)
{
    const EncodeCase& c = GetParam();
    const EncodedFireMacro encoded = EncodeFireMacro(c.script, c.mode);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.record, Filled<FireMacroRecord>(c.record));
}

INSTANTIATE_TEST_SUITE_P(
    Delays, FireEncodeTest,
    ::testing::Values(EncodeCase{{"00", "0 0"}, ReleaseMode::PlayToEnd, "00 03 FE 00 5B"},
                      EncodeCase{{"00"}, ReleaseMode::StopOnRelease, "00 00 00"},
                      EncodeCase{{"00", "0 2040"}, ReleaseMode::PlayToEnd, "00 03 FE FF 5A"},
                      EncodeCase{{"00", "0 2050"}, ReleaseMode::PlayToEnd, "00 05 FE FF FE 01 5B"},
                      EncodeCase{{"00", "7 FD02", "1 LeftKey CODE:00A1", "4 FBFB", "5 FA0C",
                                  "0 50", "2 LeftKey CODE:0021", "8 00FC"},
                                 ReleaseMode::PlayToEnd,
                                 "00 0C FD 02 A1 FB FB FA 0C FE 06 21 FC 93"}));

TEST(FireMacroTest, RefusesMoreThanTwentyOneEventBytes)
{
    MacroScript script{"00"};
    for (int i = 0; i < 10; ++i)
        script.push_back("5 FA01");
    script.push_back("8 00FC");
    const EncodedFireMacro full = EncodeFireMacro(script, ReleaseMode::PlayToEnd);
    ASSERT_TRUE(full.ok());
    EXPECT_EQ(full.record[1], 22);
    EXPECT_TRUE(ChecksumOk(full.record));   // in byte 23, the last one

    script.push_back("8 00FC");
    const EncodedFireMacro tooLong = EncodeFireMacro(script, ReleaseMode::PlayToEnd);
    EXPECT_EQ(tooLong.status, MacroBuildStatus::TooLong);
    EXPECT_EQ(tooLong.eventBytes, 22u);
}

// A script that does not fit reports the bytes it needs in full, not where building stopped.
TEST(FireMacroTest, TooLongTellsTheRealSize)
{
    const struct {
        MacroScript script;
        size_t needed;
    } cases[] = {
        {{"00", "0 50000"}, 50},   // 24 full delays and a rest
        {{"00", "0 2040", "0 2040", "0 2040", "0 2040", "0 2040", "0 2040", "0 2040", "0 2040", "0 2040",
          "0 2040", "0 2040"},
         22},
        {{"00", "1 LeftKey CODE:00A1", "0 40000", "2 LeftKey CODE:0021", "5 FA0C", "8 00FC"}, 45},
        // a line that cannot be read after the overflow is only skipped in the count
        {{"00", "0 50000", "junk", "1 LeftKey CODE:00A1"}, 51},
    };
    for (const auto& c : cases) {
        const EncodedFireMacro encoded = EncodeFireMacro(c.script, ReleaseMode::PlayToEnd);
        EXPECT_EQ(encoded.status, MacroBuildStatus::TooLong) << c.script[1];
        EXPECT_EQ(encoded.eventBytes, c.needed) << c.script[1];
        EXPECT_EQ(encoded.record, FireMacroRecord{}) << c.script[1];
    }
    // A bad line before the record is full is still reported as such.
    EXPECT_EQ(EncodeFireMacro(MacroScript{"00", "junk", "0 50000"}, ReleaseMode::PlayToEnd).status,
              MacroBuildStatus::BadLine);
}

TEST(FireMacroTest, DecodingStaysInsideTheRecord)
{
    FireMacroRecord erased;
    erased.fill(0xFF);
    EXPECT_EQ(DecodeFireMacro(erased).script, MacroScript{"00"});
    EXPECT_EQ(DecodeFireMacro(erased).releaseMode, std::nullopt);

    // L = 22 is the longest record; its last event takes byte 23, the checksum, as operand.
    auto longest = Filled<FireMacroRecord>("00 16");
    for (size_t i = 2; i < 23; ++i)
        longest[i] = 0xFC;
    longest[22] = 0xFB;
    const MacroScript lines = DecodeFireMacro(longest).script;
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines.back(), "3 FB00");

    // A byte that is no event ends the list.
    EXPECT_EQ(DecodeFireMacro(Filled<FireMacroRecord>("00 04 A1 55 21 00")).script,
              (MacroScript{"00", "1 LeftKey CODE:00A1"}));
}

TEST(FireMacroTest, ChecksumRenewalLeavesEmptyAndDamagedRecordsAlone)
{
    auto record = Filled<FireMacroRecord>("01 03 FE 00 00 AA");
    EXPECT_TRUE(RenewFireMacroChecksum(record));
    EXPECT_EQ(record, Filled<FireMacroRecord>("01 03 FE 00 5B AA"));

    auto empty = Filled<FireMacroRecord>("00 00 00 11");
    EXPECT_FALSE(RenewFireMacroChecksum(empty));
    EXPECT_EQ(empty, Filled<FireMacroRecord>("00 00 00 11"));
    FireMacroRecord erased;
    erased.fill(0xFF);
    EXPECT_FALSE(RenewFireMacroChecksum(erased));
}

TEST(FireMacroTest, AreaAndWorkingCopy)
{
    EXPECT_EQ(FireMacroLengthAddress(1), 0x0501);
    EXPECT_EQ(FireMacroLengthAddress(10), 0x05D9);
    EXPECT_EQ(FirePointerKind(1), 0x0E);
    EXPECT_EQ(FirePointerKind(0), 0x0B);

    FireMacroArea area{};
    area.fill(0x55);
    const std::vector<uint8_t> file(100, 0x01);
    EXPECT_EQ(ImportFireMacroAreaFile(file, area), 100u);
    EXPECT_EQ(area[99], 0x01);
    EXPECT_EQ(area[100], 0x55);   // a short file leaves the rest

    FireMacroWork work{};
    CopyFireRecordsToWork(area, work);
    auto third = FireMacroRecordOf(std::span<uint8_t>(work), 3);
    EXPECT_EQ(third.data(), work.data() + 48);
    third[0] = 0x01;
    CopyFireRecordsToArea(work, area);
    EXPECT_EQ(area[48], 0x01);
    EXPECT_EQ(area[255], 0x55);   // the spare bytes are carried unchanged
    EXPECT_THROW(FireMacroRecordOf(std::span<uint8_t>(work), 11), std::out_of_range);
}

} // namespace
} // namespace tarq
