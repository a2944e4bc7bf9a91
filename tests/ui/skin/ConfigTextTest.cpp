// SPDX-License-Identifier: GPL-2.0-or-later
#include "skin/ConfigText.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

TEST(ParseConfigInt, ReadsDecimalWholeNumbersOnly)
{
    struct Case {
        const char* text;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"190", 190},           {"0255", 255},         {"-3", -3},
        {"+7", 7},              {" 12 ", 12},          {"0", 0},
        {"-2147483648", INT32_MIN},                    {"2147483647", INT32_MAX},
        {"2147483648", std::nullopt},                  {"", std::nullopt},
        {"-", std::nullopt},    {"19O", std::nullopt}, {"1.5", std::nullopt},
        {"$FF", std::nullopt},  {"0x10", std::nullopt}, {"1 2", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseConfigInt(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ConfigText, ReadsSectionsKeysAndValuesTolerantly)
{
    const ConfigText text = ConfigText::Parse(
        "stray=1\r\n"                 // before any section: no value
        "// Confirm & Apply & Reset & Exit Button\r\n"
        "[org1]\r\n"
        "  M_L_W = 190  \r\n"         // spaces around "=" and at the ends
        "Size_A=12\n"
        "; Size_B=99\n"               // comment
        "// Size_C=98\n"              // heading line
        "this line has no equals sign\n"
        "=5\n"                        // no key
        "size_a=13\n"                 // the first occurrence wins, keys ignore case
        "Web=http://a.example/x?y=1\r"  // "=" inside the value, bare CR line end
        "Empty=\n"
        "[broken\n"                   // a broken heading closes the section
        "After=1\n"
        "[ ORG1 ]\n"                  // sections merge and ignore case
        "Late=4");

    EXPECT_EQ(text.Value("org1", "m_l_w"), "190");
    EXPECT_EQ(text.Value("ORG1", "Size_A"), "12");
    EXPECT_EQ(text.Value("org1", "Size_B"), std::nullopt);
    EXPECT_EQ(text.Value("org1", "Size_C"), std::nullopt);
    EXPECT_EQ(text.Value("org1", "Web"), "http://a.example/x?y=1");
    EXPECT_EQ(text.Value("org1", "Empty"), "");
    EXPECT_EQ(text.Value("org1", "After"), std::nullopt);
    EXPECT_EQ(text.Value("org1", "Late"), "4");
    EXPECT_EQ(text.Value("org1", "stray"), std::nullopt);
    EXPECT_FALSE(text.HasSection("org2"));
}

TEST(ConfigReader, ReportsMissingAndMalformedKeysWithTheirResource)
{
    const ConfigText text = ConfigText::Parse(
        "[org1]\nGood=5\nBad=12px\nFlagTwo=2\nFlagOne=1\n"
        "Col_R=0255\nCol_G=300\nCol_B=-4\nHalf_R=1\nHalf_G=2\n");
    ConfigReader reader(text, "ORG1", "org1");

    EXPECT_EQ(reader.Int("Good"), 5);
    EXPECT_EQ(reader.Int("Bad"), std::nullopt);
    EXPECT_EQ(reader.IntOr("Gone", 42), 42);
    EXPECT_EQ(reader.Flag("FlagTwo"), false);   // only exactly 1 counts as set
    EXPECT_EQ(reader.Flag("FlagOne"), true);
    EXPECT_EQ(reader.Colour("Col"), 255u + 256u * 255u);   // parts limited to 0-255
    EXPECT_EQ(reader.Colour("Half"), std::nullopt);
    EXPECT_EQ(reader.Text("Gone"), "");

    ASSERT_EQ(reader.Problems().size(), 3u);
    EXPECT_EQ(reader.Problems()[0].Describe(), "ORG1 [org1] Bad: not a whole number: \"12px\"");
    EXPECT_EQ(reader.Problems()[1].Describe(), "ORG1 [org1] Gone: missing");
    EXPECT_EQ(reader.Problems()[2].Describe(), "ORG1 [org1] Half_B: missing");
}

} // namespace
} // namespace tarq
