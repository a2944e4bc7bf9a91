// SPDX-License-Identifier: GPL-2.0-or-later
#include "language/EngineerCaptions.h"

#include <gtest/gtest.h>

#include <set>

namespace tarq {
namespace {

struct LocaleCase {
    uint32_t locale;
    int column;
    std::string_view officeMode;
};

TEST(EngineerCaptions, ChineseOnlyForChineseChina)
{
    const LocaleCase cases[] = {
        {2052, kCaptionChinese, "办公模式"},   // Chinese (China)
        {1033, kCaptionEnglish, "Office Mode"},   // English (United States)
        {1028, kCaptionEnglish, "Office Mode"},   // Chinese (Taiwan) still reads English
        {0, kCaptionEnglish, "Office Mode"},
    };
    for (const LocaleCase& c : cases) {
        const EngineerCaptions captions(c.locale);
        EXPECT_EQ(captions.Column(), c.column) << c.locale;
        EXPECT_EQ(captions.CaptionText(0), c.officeMode) << c.locale;
        EXPECT_EQ(captions.FontName(), "MS Sans Serif") << c.locale;
    }
}

TEST(EngineerCaptions, LookupIsByIdNotByPosition)
{
    const EngineerCaptions english(1033);
    // 35 and 36 are stored after 56, so position and ID differ from 35 to 56.
    EXPECT_EQ(english.CaptionText(35), "Vendor ID:");
    EXPECT_EQ(english.CaptionText(36), "Product ID:");
    EXPECT_EQ(english.CaptionText(37), "MCU LED Setting");
    EXPECT_EQ(english.CaptionText(56), "OFF");
    EXPECT_EQ(english.CaptionText(57), "Switch Key Mode");
    EXPECT_EQ(english.CaptionText(126), "Macro10 B:");
    EXPECT_EQ(english.CaptionText(138), "Notes: ");
    EXPECT_EQ(english.CaptionText(139), "");
    EXPECT_EQ(english.CaptionText(-1), "");
}

TEST(EngineerCaptions, TellingChineseEntriesAreExact)
{
    const EngineerCaptions chinese(kLocaleChineseChina);
    const std::pair<int, std::string_view> telling[] = {
        {0, "办公模式"}, {1, "游戏模式"}, {5, "工程模式"}, {8, "测试按键位置"},
        {13, "操作人员界面"}, {14, "工程人员界面"}, {24, "压枪功能"}, {25, "Fn+左键"},
        {26, "左键"}, {90, "枪键参数配置"}, {93, "新增枪键"}, {94, "删除枪键"},
        {96, "压枪宏定义颜色设定"}, {127, "压枪宏定义Y轴偏移量"},
    };
    for (const auto& [id, text] : telling)
        EXPECT_EQ(chinese.CaptionText(id), text) << id;
}

TEST(EngineerCaptions, EveryEntryHasBothLanguagesAndEveryBindingAnEntry)
{
    const auto table = EngineerCaptionTable();
    ASSERT_EQ(table.size(), 139u);
    std::set<int> ids;
    for (const EngineerCaption& entry : table) {
        ids.insert(entry.id);
        EXPECT_FALSE(entry.texts[kCaptionEnglish].empty()) << int(entry.id);
        EXPECT_FALSE(entry.texts[kCaptionChinese].empty()) << int(entry.id);
        EXPECT_TRUE(entry.texts[kCaptionUnused].empty()) << int(entry.id);
    }
    EXPECT_EQ(ids.size(), 139u);

    std::set<std::string_view> controls;
    for (const EngineerCaptionBinding& binding : EngineerCaptionBindings()) {
        EXPECT_LT(binding.id, kEngineerCaptionCount) << binding.control;
        EXPECT_TRUE(controls.insert(binding.control).second) << "bound twice: " << binding.control;
    }
    for (const EngineerListBinding& list : EngineerListBindings()) {
        EXPECT_FALSE(list.ids.empty()) << list.control;
        for (uint8_t id : list.ids)
            EXPECT_LT(id, kEngineerCaptionCount) << list.control;
    }
}

} // namespace
} // namespace tarq
