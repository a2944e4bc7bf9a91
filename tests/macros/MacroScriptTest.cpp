// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroName.h"
#include "macros/MacroScript.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

TEST(MacroScriptTest, LineBuildersWriteTheEditorForms)
{
    EXPECT_EQ(KeyLine(true, "A", 0x04), "1 A CODE:8204");
    EXPECT_EQ(KeyLine(false, "Space bar", 0x2C), "2 Space bar CODE:022C");
    EXPECT_EQ(ModifierLine(true, modifier_bit::kCtrl), "1 Ctrl CODE:8101");
    EXPECT_EQ(ModifierLine(false, modifier_bit::kRightWindows), "2 Right Windows CODE:0180");
    EXPECT_EQ(ButtonLine(true, MouseButton::Left), "1 LeftKey CODE:00A1");
    EXPECT_EQ(ButtonLine(false, MouseButton::Backward), "2 Backward CODE:0030");
    EXPECT_EQ(ButtonLine(true, MouseButton::Forward), "1 Forward CODE:00A8");
    EXPECT_EQ(MoveXLine(-12), "4 FBF4");
    EXPECT_EQ(MoveXLine(0), "3 FB00");
    EXPECT_EQ(MoveYLine(-128), "6 FA80");
    EXPECT_EQ(MoveYLine(127), "5 FA7F");
    EXPECT_EQ(RepeatStartLine(2), "7 FD02");
    EXPECT_EQ(RepeatEndLine(), "8 00FC");
    EXPECT_EQ(DelayLine(920), "0 920");
}

TEST(MacroScriptTest, ReadsTheFieldsOfALine)
{
    EXPECT_EQ(ScriptLineType("4 FBF4"), 4);
    EXPECT_EQ(ScriptLineType("9 x"), -1);
    EXPECT_EQ(ScriptLineType(""), -1);
    EXPECT_EQ(ScriptLineKeyName("1 Left Windows CODE:8108"), "Left Windows");
    EXPECT_EQ(ScriptLineKeyName("2 LeftKey CODE:0021"), "LeftKey");
    EXPECT_EQ(ScriptLineKeyName("8 00FC"), "");
    EXPECT_EQ(DelayLineMs("0 2040"), 2040);
    EXPECT_EQ(DelayLineMs("0 abc"), 0);
    EXPECT_EQ(DelayLineMs("0 -40"), 0);
    EXPECT_EQ(DelayLineMs("0 99999999999999"), INT_MAX);
    EXPECT_EQ(DelayLineMs("0"), 0);
}

TEST(MacroScriptTest, DelayHeaders)
{
    EXPECT_EQ(DelayHeaderLine({DelayMode::Record, 0}), "10");
    EXPECT_EQ(DelayHeaderLine({DelayMode::Fixed, 150}), "01150");
    EXPECT_EQ(DelayHeaderLine({DelayMode::None, 0}), "00");
    EXPECT_EQ(ParseDelayHeader("0150"), (DelayHeader{DelayMode::Fixed, 50}));
    EXPECT_EQ(ParseDelayHeader("10"), (DelayHeader{DelayMode::Record, 0}));
    EXPECT_EQ(ParseDelayHeader("00"), (DelayHeader{DelayMode::None, 0}));

    // The first four delays decide; missing ones count as 0.
    EXPECT_EQ(DelayHeaderFromDelays(std::vector<int>{}).mode, DelayMode::None);
    EXPECT_EQ(DelayHeaderFromDelays(std::vector<int>{0, 0, 0, 0, 80}).mode, DelayMode::None);
    EXPECT_EQ(DelayHeaderFromDelays(std::vector<int>{48, 48, 48, 48, 96}),
              (DelayHeader{DelayMode::Fixed, 48}));
    EXPECT_EQ(DelayHeaderFromDelays(std::vector<int>{48, 48, 48}).mode, DelayMode::Record);
}

TEST(MacroScriptTest, EventSizes)
{
    EXPECT_EQ(MacroEventSize(0xA1), 1u);
    EXPECT_EQ(MacroEventSize(0x30), 1u);
    EXPECT_EQ(MacroEventSize(0xFC), 1u);
    EXPECT_EQ(MacroEventSize(0x82), 2u);
    EXPECT_EQ(MacroEventSize(0xFE), 2u);
    EXPECT_EQ(MacroEventSize(0x77), 0u);
    EXPECT_EQ(MacroEventSize(0xFF), 0u);
    EXPECT_EQ(MacroEventSize(0x20), 0u);   // the mark bit without a button
}

TEST(MacroNameTest, StoresUtf16HighByteFirst)
{
    const MacroName ab = MacroNameFromUtf16(u"AB");
    EXPECT_EQ(ab[0], 0x00);
    EXPECT_EQ(ab[1], 0x41);
    EXPECT_EQ(ab[3], 0x42);
    EXPECT_EQ(ab[4], 0x00);
    EXPECT_EQ(MacroNameToUtf16(ab), u"AB");

    const MacroName han = MacroNameFromUtf16(u"\u5B8F1");
    EXPECT_EQ(han[0], 0x5B);
    EXPECT_EQ(han[1], 0x8F);
    EXPECT_EQ(MacroNameToUtf16(han), u"\u5B8F1");

    EXPECT_TRUE(MacroNameIsEmpty(MacroNameFromUtf16(u"")));
    EXPECT_FALSE(MacroNameIsEmpty(ab));
}

TEST(MacroNameTest, KeepsAtMostSixteenUnitsAndWholePairs)
{
    EXPECT_TRUE(MacroNameFits(u"0123456789ABCDEF"));
    EXPECT_FALSE(MacroNameFits(u"0123456789ABCDEFG"));
    EXPECT_EQ(MacroNameToUtf16(MacroNameFromUtf16(u"0123456789ABCDEFG")), u"0123456789ABCDEF");

    // The 16th unit would be the first half of a pair: the name ends before the pair.
    const std::u16string text = u"0123456789ABCDE\U0001F600";
    EXPECT_EQ(MacroNameToUtf16(MacroNameFromUtf16(text)), u"0123456789ABCDE");
    // Text after a zero unit is not part of the name.
    EXPECT_EQ(MacroNameToUtf16(MacroNameFromUtf16(std::u16string(u"AB\0CD", 5))), u"AB");
}

TEST(MacroNameTest, BlankNamesShowNothing)
{
    const struct {
        std::u16string_view text;
        bool blank;
    } cases[] = {
        {u"", true},          {u"   ", true},       {u"\t \u00A0", true}, {u"\u3000\u3000", true},
        {u" a ", false},      {u"_", false},        {u"\u5B8F", false},     {u"  .", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MacroNameIsBlank(c.text), c.blank) << "case " << (&c - cases);
}

} // namespace
} // namespace tarq
