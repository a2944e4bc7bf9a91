// SPDX-License-Identifier: GPL-2.0-or-later
#include "language/LanguageCaptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tarq {
namespace {

std::map<std::string, std::string> CaptionMap(const LanguageTexts& texts)
{
    std::map<std::string, std::string> map;
    for (const ControlCaption& c : LanguageCaptions(texts))
        EXPECT_TRUE(map.emplace(c.control, c.text).second) << "captioned twice: " << c.control;
    return map;
}

TEST(LanguageCaptions, PageCopiesMenuPrefixAndMissingKeys)
{
    LanguageTexts texts;
    texts.strings = {{1, "Apply"}, {200, "*"}, {201, "Standard Mouse Keys"}, {849, "DPI1"},
                     {410, "Insert Delay Front"}, {443, "Insert Y axis Back"}};
    const auto captions = CaptionMap(texts);

    for (const char* copy : {"Btn_Apply_1", "Btn_Apply_2", "Btn_Apply_3", "Btn_Apply_4"})
        EXPECT_EQ(captions.at(copy), "Apply") << copy;
    EXPECT_FALSE(captions.contains("Btn_Apply_5"));
    EXPECT_EQ(captions.at("Key_Standard"), " * Standard Mouse Keys");
    EXPECT_EQ(captions.at("lbl_DPI1"), "DPI1");
    // Keys the text lacks give empty captions, and the menu entry keeps only its prefix.
    EXPECT_EQ(captions.at("Btn_Confirm_1"), "");
    EXPECT_EQ(captions.at("Key_Media"), " * ");
    EXPECT_EQ(captions.at("lbl_LED_Effect_Fast"), "");

    const auto lists = LanguageListItems(texts);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0].control, "CB_Insert");
    ASSERT_EQ(lists[0].items.size(), 10u);
    EXPECT_EQ(lists[0].items.front(), "Insert Delay Front");
    EXPECT_EQ(lists[0].items.back(), "Insert Y axis Back");
    EXPECT_EQ(lists[1].control, "CB_InsertFire");
    EXPECT_EQ(lists[1].items.size(), 8u);
}

TEST(LanguageCaptions, FontFollowsEveryCaptionKeyLabelAndList)
{
    const auto controls = LanguageFontControls();
    for (const char* name : {"Btn_Main_4", "Key_Left", "lbl_Marco_List", "Key1", "Key9",
                             "Btn_Engineer_2", "LB_macro", "LB_FireMacro"})
        EXPECT_NE(std::ranges::find(controls, name), controls.end()) << name;
}

} // namespace
} // namespace tarq
