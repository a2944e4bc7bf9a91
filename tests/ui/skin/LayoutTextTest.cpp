// SPDX-License-Identifier: GPL-2.0-or-later
// The shipped layout configuration of language 1 against the keys the layout families need.

#include "skin/ConfigText.h"
#include "skin/LayoutKeys.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace tarq {
namespace {

ConfigText ReadShipped(const char* file)
{
    std::ifstream in(std::string(TARQ_SOURCE_DIR "/resources/config/") + file, std::ios::binary);
    EXPECT_TRUE(in) << file;
    std::stringstream text;
    text << in.rdbuf();
    return ConfigText::Parse(text.str());
}

TEST(LayoutKeyNames, AreUniqueAndCoverEveryFamily)
{
    const auto all = AllLayoutKeyNames();
    std::set<std::string> unique(all.begin(), all.end());
    EXPECT_EQ(unique.size(), all.size());
    for (const char* key : {"Size_A", "Btn_A8_Y", "Btn_B11_Enable", "Key9_Y", "ComboKey_H",
                            "Color_G_SP_B", "DPI7_Steps_D", "DPI_Count_Visible",
                            "DPI_Lable_Width", "LED_Step_8_Lable_Width", "MCULEDNum_D",
                            "PCMacroName_W", "InsertRecDelay_H", "Key_Width", "FireY3_Offset_Y",
                            "Gun_Marco_Fire_Color_Lable_Size", "AKC_W", "MN_Close_Y"})
        EXPECT_TRUE(unique.contains(key)) << key;
}

TEST(ShippedLayout, GivesEveryKeyAsAWholeNumber)
{
    const ConfigText text = ReadShipped("ORG1.txt");
    ASSERT_TRUE(text.HasSection("org1"));
    ConfigReader reader(text, "ORG1", "org1");
    for (const std::string& key : AllLayoutKeyNames())
        reader.Int(key);
    for (const ConfigProblem& p : reader.Problems())
        ADD_FAILURE() << p.Describe();
}

TEST(ShippedLayout, EveryLanguageLayoutHasEveryKey)
{
    for (const char* name : {"ORG2.txt"}) {
        const ConfigText text = ReadShipped(name);
        ASSERT_TRUE(text.HasSection("org2"));
        ConfigReader reader(text, "ORG2", "org2");
        for (const std::string& key : AllLayoutKeyNames())
            reader.Int(key);
        EXPECT_TRUE(reader.Problems().empty()) << name;
    }
}

TEST(ShippedLayout, MatchesTheTellingRows)
{
    const ConfigText text = ReadShipped("ORG1.txt");
    ConfigReader r(text, "ORG1", "org1");
    const auto expect = [&](const char* key, int value) { EXPECT_EQ(r.Int(key), value) << key; };

    const std::pair<const char*, int> pageButtons[] = {
        {"Btn_B1", 106}, {"Btn_B2", 236}, {"Btn_B4", 366}, {"Btn_B5", 496}, {"Btn_B11", 626}};
    for (const auto& [button, x] : pageButtons) {
        expect((std::string(button) + "_X").c_str(), x);
        expect((std::string(button) + "_Y").c_str(), 45);
        expect((std::string(button) + "_Enable").c_str(), 1);
    }
    expect("Btn_A7_X", 950), expect("Btn_A7_Y", 10), expect("Btn_A4_X", 980), expect("Btn_A4_Y", 10);
    expect("Btn_A2_X", 820), expect("Btn_A2_Y", 600), expect("Btn_A3_X", 680), expect("Btn_A3_Y", 600);
    for (const char* off : {"Btn_A1_Enable", "Btn_A5_Enable", "Btn_A6_Enable", "Btn_B10_Enable", "Key7_Enable",
                            "Key8_Enable", "Key9_Enable"})
        expect(off, 0);
    // Languages 1 and 2 ship complete, so their buttons are offered; language 3 does not.
    expect("Btn_B8_Enable", 1), expect("Btn_B9_Enable", 1);
    const int keyY[] = {138, 234, 186, 330, 282, 378};
    for (int n = 1; n <= 6; ++n) {
        const std::string key = "Key" + std::to_string(n);
        expect((key + "_Enable").c_str(), 1);
        expect((key + "_X").c_str(), 160);
        expect((key + "_Y").c_str(), keyY[n - 1]);
    }
    expect("M_L_W", 190), expect("SP_L_W", 166), expect("O_L_W", 154);
    EXPECT_EQ(r.Colour("Color_G_SP"), 0u + 256u * 160u + 65536u * 227u);
    expect("MacroNameHeight", 20);
    expect("FireX1_X", 3550), expect("FireX2_X", 3640), expect("FireX3_X", 3730);
    EXPECT_TRUE(r.Problems().empty());
}

// Read (A8), Save Profile (B6) and Load Profile (B7) sit in the footer band beside RESET (A3)
// and Apply (A2), in both shipped layouts, left to right without touching each other.
TEST(ShippedLayout, PlacesReadAndTheProfileButtonsInTheFooter)
{
    const struct {
        const char* file;
        const char* resource;
        const char* section;
    } layouts[] = {{"ORG1.txt", "ORG1", "org1"}, {"ORG2.txt", "ORG2", "org2"}};
    for (const auto& [file, resource, section] : layouts) {
        const ConfigText text = ReadShipped(file);
        ConfigReader r(text, resource, section);
        int lastX = 160;   // right of the footer's own text
        for (const char* button : {"Btn_A8", "Btn_B6", "Btn_B7", "Btn_A3", "Btn_A2"}) {
            const std::string b(button);
            EXPECT_EQ(r.Int((b + "_Enable").c_str()), 1) << file << ' ' << b;
            EXPECT_EQ(r.Int((b + "_Y").c_str()), 600) << file << ' ' << b;
            const int x = r.Int((b + "_X").c_str()).value_or(-1);
            EXPECT_GE(x, lastX) << file << ' ' << b;
            lastX = x + 130;   // a footer button is 126 wide
        }
        EXPECT_LE(lastX, 1010) << file;
        EXPECT_TRUE(r.Problems().empty()) << file;
    }
}

} // namespace
} // namespace tarq
