// SPDX-License-Identifier: GPL-2.0-or-later
#include "skin/OrgConfiguration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace tarq {
namespace {

// A complete org text with the built-in values; `changes` is appended inside the section
// before the defaults, so a changed key wins (the first occurrence of a key counts).
std::string OrgText(const std::string& changes)
{
    return "[org]\n" + changes +
           "\nWeb_Enable=0\nWeb=https://example.org/\nWeb_X=50\nWeb_Y=9480\nRev_Manu_ID=0\n"
           "Rev_Pro_ID=0\nPath=\nTR_Enable=0\nGD_Enable=0\nDPILED_Status=1\nGun6_Num=2\n"
           "Gun7_Num=3\nNum_Order=0\nAp_Mode=0\nDPI_Count=11\n";
}

TEST(ReadOrgConfiguration, NormalisesRangesAndModes)
{
    struct Case {
        const char* name;
        const char* changes;
        void (*check)(const OrgConfiguration&);
    };
    const Case cases[] = {
        {"Gun6_Num 0 reads as 1", "Gun6_Num=0", [](const OrgConfiguration& o) { EXPECT_EQ(o.gun6Num, 1); }},
        {"Gun6_Num 5 reads as 2", "Gun6_Num=5", [](const OrgConfiguration& o) { EXPECT_EQ(o.gun6Num, 2); }},
        {"Gun7_Num -3 reads as 1", "Gun7_Num=-3", [](const OrgConfiguration& o) { EXPECT_EQ(o.gun7Num, 1); }},
        {"Gun7_Num 9 reads as 3", "Gun7_Num=9", [](const OrgConfiguration& o) { EXPECT_EQ(o.gun7Num, 3); }},
        {"Num_Order 7 reads as 1", "Num_Order=7", [](const OrgConfiguration& o) { EXPECT_EQ(o.numOrder, 1); }},
        {"Num_Order -1 reads as 0", "Num_Order=-1", [](const OrgConfiguration& o) { EXPECT_EQ(o.numOrder, 0); }},
        {"Ap_Mode 1 clears GD_Enable", "Ap_Mode=1\nGD_Enable=1", [](const OrgConfiguration& o) {
             EXPECT_FALSE(o.gdEnable);
             EXPECT_FALSE(o.EepromMode());
         }},
        {"GD_Enable stays with Ap_Mode 0", "GD_Enable=1", [](const OrgConfiguration& o) {
             EXPECT_TRUE(o.gdEnable);
             EXPECT_TRUE(o.EepromMode());
         }},
        {"Ap_Mode 2 is EEPROM mode like 0", "Ap_Mode=2\nGD_Enable=1", [](const OrgConfiguration& o) {
             EXPECT_TRUE(o.EepromMode());
             EXPECT_TRUE(o.gdEnable);
         }},
        {"Ap_Mode 7 is EEPROM mode", "Ap_Mode=7", [](const OrgConfiguration& o) { EXPECT_TRUE(o.EepromMode()); }},
        {"_Enable 2 is not set", "Web_Enable=2\nTR_Enable=2", [](const OrgConfiguration& o) {
             EXPECT_FALSE(o.webEnable);
             EXPECT_FALSE(o.trEnable);
         }},
        {"_Enable 1 is set", "Web_Enable=1\nTR_Enable=1", [](const OrgConfiguration& o) {
             EXPECT_TRUE(o.webEnable);
             EXPECT_TRUE(o.trEnable);
         }},
        {"leading zeros", "Rev_Manu_ID=0255\nDPI_Count=012", [](const OrgConfiguration& o) {
             EXPECT_EQ(o.revManuId, 255);
             EXPECT_EQ(o.dpiCount, 12);
         }},
        {"spaces around =", "  Gun7_Num = 2  \nDPILED_Status = 0", [](const OrgConfiguration& o) {
             EXPECT_EQ(o.gun7Num, 2);
             EXPECT_FALSE(o.dpiLedStatus);
         }},
        {"DPI_Count stays within the value list", "DPI_Count=0", [](const OrgConfiguration& o) { EXPECT_EQ(o.dpiCount, 1); }},
        {"DPI_Count 40 reads as 12", "DPI_Count=40", [](const OrgConfiguration& o) { EXPECT_EQ(o.dpiCount, 12); }},
        {"empty Path", "Path=", [](const OrgConfiguration& o) { EXPECT_EQ(o.path, ""); }},
        {"Path kept unchanged", "Path= /home/me/tarq data", [](const OrgConfiguration& o) {
             EXPECT_EQ(o.path, "/home/me/tarq data");   // no separator added
         }},
        {"Web text kept", "Web=https://tarq.example/x?a=1", [](const OrgConfiguration& o) {
             EXPECT_EQ(o.web, "https://tarq.example/x?a=1");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OrgReadResult result = ReadOrgConfiguration(OrgText(c.changes));
        EXPECT_TRUE(result.problems.empty()) << result.problems.front().Describe();
        c.check(result.org);
    }
}

TEST(ReadOrgConfiguration, BadKeysKeepBuiltInValuesAndAreReported)
{
    const OrgReadResult result = ReadOrgConfiguration("[org]\nGun6_Num=two\nTR_Enable=1\n");
    EXPECT_TRUE(result.org.trEnable);           // keys after a bad one are still read
    EXPECT_EQ(result.org.gun6Num, 2);           // the bad key keeps its built-in value
    EXPECT_EQ(result.org.web, kDefaultWebAddress);
    EXPECT_EQ(result.org.webY, 9480);
    // Path may be absent (it means "beside the program"); every other key is reported.
    ASSERT_EQ(result.problems.size(), 13u);
    const auto bad = std::find_if(result.problems.begin(), result.problems.end(),
                                  [](const ConfigProblem& p) { return p.key == "Gun6_Num"; });
    ASSERT_NE(bad, result.problems.end());
    EXPECT_EQ(bad->Describe(), "ORG [org] Gun6_Num: not a whole number: \"two\"");
}

TEST(ReadOrgConfiguration, ShippedTextGivesTheBuiltInValues)
{
    std::ifstream file(TARQ_SOURCE_DIR "/resources/config/ORG.txt", std::ios::binary);
    ASSERT_TRUE(file) << "resources/config/ORG.txt";
    std::stringstream text;
    text << file.rdbuf();
    const OrgReadResult result = ReadOrgConfiguration(text.str());
    for (const ConfigProblem& p : result.problems)
        ADD_FAILURE() << p.Describe();

    const OrgConfiguration builtIn;
    const OrgConfiguration& org = result.org;
    EXPECT_EQ(org.webEnable, builtIn.webEnable);
    EXPECT_EQ(org.web, builtIn.web);
    EXPECT_EQ(org.webX, builtIn.webX);
    EXPECT_EQ(org.webY, builtIn.webY);
    EXPECT_EQ(org.revManuId, builtIn.revManuId);
    EXPECT_EQ(org.revProId, builtIn.revProId);
    EXPECT_EQ(org.path, builtIn.path);
    EXPECT_EQ(org.trEnable, builtIn.trEnable);
    // The one deliberate difference: the shipped text switches the gun display on, so the game
    // view's Fire Macro entry leads to the gun page; without the key it stays off.
    EXPECT_TRUE(org.gdEnable);
    EXPECT_FALSE(builtIn.gdEnable);
    EXPECT_EQ(org.dpiLedStatus, builtIn.dpiLedStatus);
    EXPECT_EQ(org.gun6Num, builtIn.gun6Num);
    EXPECT_EQ(org.gun7Num, builtIn.gun7Num);
    EXPECT_EQ(org.numOrder, builtIn.numOrder);
    EXPECT_EQ(org.apMode, builtIn.apMode);
    EXPECT_EQ(org.dpiCount, builtIn.dpiCount);
}

} // namespace
} // namespace tarq
