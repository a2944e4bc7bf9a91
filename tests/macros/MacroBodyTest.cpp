// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroBody.h"
#include "config/SectionChecksum.h"
#include "tests/macros/TestHex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarq {
namespace {

using test::Filled;
using test::Hex;

std::vector<uint8_t> Head(std::span<const uint8_t> bytes, size_t n)
{
    return {bytes.begin(), bytes.begin() + n};
}

bool ZeroFrom(std::span<const uint8_t> bytes, size_t from)
{
    for (size_t i = from; i < bytes.size(); ++i)
        if (bytes[i] != 0)
            return false;
    return true;
}

// Script -> bytes, both body forms, from the worked examples.
struct BuildCase {
    const char* what;
    MacroScript script;
    ReleaseMode mode;
    const char* body;     // the expected 224-byte body, zero behind
    const char* driver;   // the expected driver body (record bytes 32..), zero behind
};

class BuildTest : public ::testing::TestWithParam<BuildCase> {};

TEST_P(BuildTest, GivesTheStoredBytes)
{
    const BuildCase& c = GetParam();
    const BuiltMacroBody body = BuildMacroBody(c.script, c.mode);
    ASSERT_TRUE(body.ok());
    const auto expected = Hex(c.body);
    EXPECT_EQ(Head(body.body, expected.size()), expected);
    EXPECT_TRUE(ZeroFrom(body.body, expected.size()));

    const BuiltDriverMacroBody driver = BuildDriverMacroBody(c.script, c.mode);
    ASSERT_TRUE(driver.ok());
    const auto expectedDriver = Hex(c.driver);
    EXPECT_EQ(Head(driver.body, expectedDriver.size()), expectedDriver);
    EXPECT_TRUE(ZeroFrom(driver.body, expectedDriver.size()));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, BuildTest,
    ::testing::Values(
        BuildCase{"press, 24 ms, release",
                  {"00", "1 LeftKey CODE:00A1", "0 24", "2 LeftKey CODE:0021"},
                  ReleaseMode::PlayToEnd, "00 05 A1 FE 03 21 92",
                  // the driver checksum leaves out the last event: 00 05 A1 FE 03 -> FD
                  "00 00 05 A1 FE 03 21 FD"},
        BuildCase{"5000 ms is cut in a body and split in a driver record",
                  {"10", "0 5000"}, ReleaseMode::StopOnRelease, "01 03 FE FF 5A",
                  "01 00 07 FE FF FE FF FE 73 A5"},
        BuildCase{"5 ms", {"10", "0 5"}, ReleaseMode::PlayToEnd, "00 03 FE 00 5B", "00 00 03 FE 00 5B"},
        BuildCase{"0 ms", {"10", "0 0"}, ReleaseMode::PlayToEnd, "00 03 FE 00 5B", "00 00 03 FE 00 5B"},
        BuildCase{"2040 ms is one full record", {"10", "0 2040"}, ReleaseMode::PlayToEnd,
                  "00 03 FE FF 5A", "00 00 03 FE FF 5B"},
        BuildCase{"X moves", {"00", "4 FBF4", "3 FB00"}, ReleaseMode::PlayToEnd,
                  "00 05 FB F4 FB 00 B5", "00 00 05 FB F4 FB 00 B5"},
        BuildCase{"an empty script is three zero bytes", {"00"}, ReleaseMode::StopOnRelease,
                  "00 00 00", "00 00 00"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(MacroBodyTest, ReportsTheHexDumpOfWhatItBuilt)
{
    const MacroScript script{"00", "1 LeftKey CODE:00A1", "0 24", "2 LeftKey CODE:0021"};
    EXPECT_EQ(BuildMacroBody(script, ReleaseMode::PlayToEnd).hexDump, "0005A1FE032192");
    EXPECT_EQ(MacroBodyHexDump(BuildMacroBody(script, ReleaseMode::PlayToEnd).body),
              "0005A1FE032192");
}

TEST(MacroBodyTest, ADriverMacroOf300EventBytesHasLength012D)
{
    MacroScript script{"00"};
    for (int i = 0; i < 150; ++i)
        script.push_back(i % 2 ? "5 FA01" : "3 FB7F");
    const BuiltDriverMacroBody built = BuildDriverMacroBody(script, ReleaseMode::PlayToEnd);
    ASSERT_TRUE(built.ok());
    EXPECT_EQ(built.body[driver_macro_body::kLengthHighOffset], 0x01);
    EXPECT_EQ(built.body[driver_macro_body::kLengthLowOffset], 0x2D);
    // The checksum (body byte 3 + n) covers the length bytes and the first n - 1 events.
    const auto covered = std::span(built.body).subspan(1, 2 + 299);
    EXPECT_EQ(built.body[3 + 300], SectionChecksum(covered));
    EXPECT_EQ(LoadDriverMacroScript(built.body).script.size(), 151u);
}

TEST(MacroBodyTest, RefusesWhatDoesNotFit)
{
    // 110 two-byte records and one one-byte record fill the body exactly.
    MacroScript full{"00"};
    for (int i = 0; i < 110; ++i)
        full.push_back("3 FB01");
    full.push_back("8 00FC");
    const BuiltMacroBody fits = BuildMacroBody(full, ReleaseMode::PlayToEnd);
    ASSERT_TRUE(fits.ok());
    EXPECT_EQ(fits.body[macro_body::kLengthOffset], 222);
    EXPECT_TRUE(MacroBodyChecksumOk(fits.body));
    EXPECT_EQ(LoadMacroScript(fits.body).script, full);

    full.push_back("8 00FC");
    const BuiltMacroBody tooLong = BuildMacroBody(full, ReleaseMode::PlayToEnd);
    EXPECT_EQ(tooLong.status, MacroBuildStatus::TooLong);
    EXPECT_GT(tooLong.eventBytes, macro_body::kMaxEvents);
    EXPECT_EQ(tooLong.body, MacroBody{});

    // A delay that needs more records than a driver body holds is refused without building
    // them all first.
    const MacroScript huge{"10", "0 2000000000"};
    EXPECT_EQ(BuildDriverMacroBody(huge, ReleaseMode::PlayToEnd).status, MacroBuildStatus::TooLong);
    // The body cuts the same line to one record.
    EXPECT_TRUE(BuildMacroBody(huge, ReleaseMode::PlayToEnd).ok());
}

TEST(MacroBodyTest, NamesTheLineItCannotRead)
{
    const MacroScript script{"00", "1 LeftKey CODE:00A1", "1 A CODE:82ZZ", "8 00FC"};
    const BuiltMacroBody built = BuildMacroBody(script, ReleaseMode::PlayToEnd);
    EXPECT_EQ(built.status, MacroBuildStatus::BadLine);
    EXPECT_EQ(built.badLine, 2);
    EXPECT_EQ(BuildMacroBody(MacroScript{"00", "FC"}, ReleaseMode::PlayToEnd).status,
              MacroBuildStatus::BadLine);
    // Blank lines (a memo's trailing line) are no events.
    EXPECT_TRUE(BuildMacroBody(MacroScript{"00", "8 00FC", ""}, ReleaseMode::PlayToEnd).ok());
}

// Bytes -> script.
struct LoadCase {
    const char* what;
    const char* body;   // body bytes from byte 0
    MacroScript script;
    std::optional<ReleaseMode> mode;
};

class LoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadTest, ShowsTheEvents)
{
    const LoadCase& c = GetParam();
    const LoadedMacroScript loaded = LoadMacroScript(Filled<MacroBody>(c.body));
    EXPECT_EQ(loaded.script, c.script);
    EXPECT_EQ(loaded.releaseMode, c.mode);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, LoadTest,
    ::testing::Values(
        LoadCase{"the default fire-key section is a well-formed macro",
                 "00 0A FD 02 A1 FE 03 21 FE 64 FC 70",
                 {"10", "7 FD02", "1 LeftKey CODE:00A1", "0 24", "2 LeftKey CODE:0021", "0 800",
                  "8 00FC"},
                 ReleaseMode::PlayToEnd},
        LoadCase{"a run of delay records is one line", "01 07 A1 FE 10 FE 10 21 00",
                 {"10", "1 LeftKey CODE:00A1", "0 256", "2 LeftKey CODE:0021"},
                 ReleaseMode::StopOnRelease},
        LoadCase{"a run is not merged past 2040 ms, which one body record holds",
                 "00 07 FE FF FE FF FE 73 00",
                 {"10", "0 2040", "0 2040", "0 920"}, ReleaseMode::PlayToEnd},
        LoadCase{"moves, repeat and the modifier and key forms", "07 13 FB F4 FB 00 FA 80 FA 7F "
                 "81 01 01 80 82 04 02 04 A8 30 00",
                 {"00", "4 FBF4", "3 FB00", "6 FA80", "5 FA7F", "1 Ctrl CODE:8101",
                  "2 Right Windows CODE:0180", "1 A CODE:8204", "2 A CODE:0204",
                  "1 Forward CODE:00A8", "2 Backward CODE:0030"},
                 std::nullopt},
        LoadCase{"four equal delays give the fixed-delay header",
                 "00 0D FE 06 A1 FE 06 21 FE 06 A2 FE 06 22",
                 {"0148", "0 48", "1 LeftKey CODE:00A1", "0 48", "2 LeftKey CODE:0021", "0 48",
                  "1 RightKey CODE:00A2", "0 48", "2 RightKey CODE:0022"},
                 ReleaseMode::PlayToEnd},
        LoadCase{"a record at the last position takes the checksum as operand", "00 02 FB A7",
                 {"00", "4 FBA7"}, ReleaseMode::PlayToEnd},
        LoadCase{"a modifier mask of two bits ends the walk", "00 06 A1 81 03 A2 21 00",
                 {"00", "1 LeftKey CODE:00A1"}, ReleaseMode::PlayToEnd},
        LoadCase{"an unknown byte ends the walk", "00 04 A2 77 22 00",
                 {"00", "1 RightKey CODE:00A2"}, ReleaseMode::PlayToEnd},
        LoadCase{"erased memory reads as empty", "FF FF FF FF FF", {"00"}, std::nullopt},
        LoadCase{"a length past the body reads as empty", "00 DF A1 21", {"00"},
                 ReleaseMode::PlayToEnd}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(MacroBodyTest, DriverBodiesReadTheirTwoByteLength)
{
    using Body = DriverMacroBody;
    const auto loaded = LoadDriverMacroScript(Filled<Body>("01 00 07 FE FF FE FF FE 73 A5"));
    EXPECT_EQ(loaded.script, (MacroScript{"10", "0 5000"}));
    EXPECT_EQ(loaded.releaseMode, ReleaseMode::StopOnRelease);
    // Driver bodies merge up to five records, as many as the builder splits a line into.
    const auto five = LoadDriverMacroScript(Filled<Body>("00 00 0D FE FF FE FF FE FF FE FF FE FF FE 01 00"));
    EXPECT_EQ(five.script, (MacroScript{"10", "0 10200", "0 8"}));

    EXPECT_EQ(LoadDriverMacroScript(Filled<Body>("00 FF FF A1 21")).script, MacroScript{"00"});
    EXPECT_EQ(LoadDriverMacroScript(Filled<Body>("00 07 DE A1 21")).script, MacroScript{"00"});
    Body erased;
    erased.fill(0xFF);
    EXPECT_EQ(LoadDriverMacroScript(erased).script, MacroScript{"00"});
}

TEST(MacroBodyTest, ScriptsOfStorableEventsSurviveBuildAndLoad)
{
    const MacroScript script{
        "10", "1 Shift CODE:8102", "0 16", "1 A CODE:8204", "0 2040", "2 A CODE:0204",
        "0 0", "2 Shift CODE:0102", "7 FD09", "1 LeftKey CODE:00A1", "0 104",
        "2 LeftKey CODE:0021", "4 FB80", "6 FAFF", "8 00FC", "1 MiddleKey CODE:00A4",
        "2 MiddleKey CODE:0024", "1 Left Windows CODE:8108", "2 Alt CODE:0104"};
    const BuiltMacroBody body = BuildMacroBody(script, ReleaseMode::StopOnRelease);
    ASSERT_TRUE(body.ok());
    const LoadedMacroScript loaded = LoadMacroScript(body.body);
    EXPECT_EQ(loaded.script, script);
    EXPECT_EQ(loaded.releaseMode, ReleaseMode::StopOnRelease);
    EXPECT_EQ(BuildMacroBody(loaded.script, ReleaseMode::StopOnRelease).body, body.body);

    MacroScript longDelays = script;
    longDelays.insert(longDelays.begin() + 5, "0 9000");
    longDelays.erase(longDelays.begin() + 4);   // "0 2040" next to it would merge
    const BuiltDriverMacroBody driver = BuildDriverMacroBody(longDelays, ReleaseMode::PlayToEnd);
    ASSERT_TRUE(driver.ok());
    EXPECT_EQ(LoadDriverMacroScript(driver.body).script, longDelays);
}

TEST(MacroBodyTest, ChecksumCoversLengthAndEvents)
{
    auto body = Filled<MacroBody>("00 05 A1 FE 03 21 92");
    EXPECT_TRUE(MacroBodyChecksumOk(body));
    body[6] = 0x93;
    EXPECT_FALSE(MacroBodyChecksumOk(body));
    // The release byte is not covered.
    body = Filled<MacroBody>("01 05 A1 FE 03 21 92");
    EXPECT_TRUE(MacroBodyChecksumOk(body));
    body[1] = 0xFF;   // the checksum would sit past the body
    EXPECT_FALSE(MacroBodyChecksumOk(body));
    // Length 0: the sum of no bytes gives 0x5A, never the length byte 0.
    EXPECT_FALSE(MacroBodyChecksumOk(MacroBody{}));
    EXPECT_FALSE(MacroBodyChecksumOk(Filled<MacroBody>("01 00 5A")));
}

} // namespace
} // namespace tarq
