// SPDX-License-Identifier: GPL-2.0-or-later
// The script edits of the macro page: deleting an event with its partner, inserting in front of
// and behind a row, the value fields' rules, and the check that an edit still fits the body.

#include "macros/MacroEdits.h"
#include "macros/MacroFiles.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

const MacroScript kKeys = {"00",
                           "1 A CODE:8204",        // row 0
                           "1 A CODE:8204",        // row 1
                           "0 40",                 // row 2
                           "2 A CODE:0204",        // row 3
                           "1 LeftKey CODE:00A1",  // row 4
                           "2 LeftKey CODE:0021",  // row 5
                           "1 B CODE:8205"};       // row 6

TEST(MacroEditsTest, DeletingAnEventTakesItsPartner)
{
    struct Case {
        int row;
        std::vector<int> remainingRows;   // rows of kKeys left, in order
        int selected;
    };
    const Case cases[] = {
        // The first press of A takes the second press with it, not the release.
        {0, {2, 3, 4, 5, 6}, 0},
        // The second press finds the release further down.
        {1, {0, 2, 4, 5, 6}, 0},
        // A release takes the nearest earlier line of its key.
        {3, {0, 2, 4, 5, 6}, 0},
        {5, {0, 1, 2, 3, 6}, 3},
        // Lines without a key go alone, and so does a press without a release.
        {2, {0, 1, 3, 4, 5, 6}, 1},
        {6, {0, 1, 2, 3, 4, 5}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const auto edit = DeleteScriptEvent(kKeys, c.row);
        ASSERT_TRUE(edit);
        MacroScript expected{"00"};
        for (int r : c.remainingRows)
            expected.push_back(kKeys[size_t(r) + 1]);
        EXPECT_EQ(edit->script, expected);
        EXPECT_EQ(edit->selectRow, c.selected);
    }
}

TEST(MacroEditsTest, DeletingTheLastEventLeavesNoSelectionAndBadRowsChangeNothing)
{
    const auto edit = DeleteScriptEvent({"00", "1 A CODE:8204", "2 A CODE:0204"}, 1);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->script, MacroScript{"00"});
    EXPECT_EQ(edit->selectRow, -1);
    EXPECT_FALSE(DeleteScriptEvent(kKeys, -1));
    EXPECT_FALSE(DeleteScriptEvent(kKeys, 7));
    EXPECT_FALSE(DeleteScriptEvent({"00"}, 0));
    // A release whose press is missing goes alone, and so does a key named like a delay value.
    const auto lone = DeleteScriptEvent({"00", "0 1234567890", "2 34 CODE:0204"}, 1);
    ASSERT_TRUE(lone);
    EXPECT_EQ(lone->script, (MacroScript{"00", "0 1234567890"}));
}

TEST(MacroEditsTest, InsertGoesInFrontOfOrBehindTheRow)
{
    const MacroScript script{"00", "1 A CODE:8204", "2 A CODE:0204"};
    struct Case {
        int row;
        bool back;
        MacroScript expected;
        int selected;
    };
    const Case cases[] = {
        {0, false, {"00", "0 8", "1 A CODE:8204", "2 A CODE:0204"}, 0},
        {0, true, {"00", "1 A CODE:8204", "0 8", "2 A CODE:0204"}, 1},
        {1, true, {"00", "1 A CODE:8204", "2 A CODE:0204", "0 8"}, 2},   // the last row: appended
    };
    for (const Case& c : cases) {
        const auto edit = InsertScriptLine(script, c.row, "0 8", c.back);
        ASSERT_TRUE(edit);
        EXPECT_EQ(edit->script, c.expected);
        EXPECT_EQ(edit->selectRow, c.selected);
    }
    EXPECT_FALSE(InsertScriptLine(script, 2, "0 8", false));
    EXPECT_FALSE(InsertScriptLine({"00"}, 0, "0 8", true));
    const auto replaced = ReplaceScriptLine(script, 1, "2 B CODE:0205");
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->script, (MacroScript{"00", "1 A CODE:8204", "2 B CODE:0205"}));
    EXPECT_EQ(replaced->selectRow, 1);
}

TEST(MacroEditsTest, ValueFieldsCorrectTheirText)
{
    struct Case {
        std::string (*correct)(std::string_view);
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {CorrectDelayValue, "", "0"},       {CorrectDelayValue, "2040", "2040"},
        {CorrectDelayValue, "2041", "2040"}, {CorrectDelayValue, "99999999999", "2040"},
        {CorrectDelayValue, "15", "15"},     {CorrectMoveValue, "-", "-"},
        {CorrectMoveValue, "", "0"},         {CorrectMoveValue, "128", "127"},
        {CorrectMoveValue, "-129", "-128"},  {CorrectMoveValue, "-128", "-128"},
        {CorrectMoveValue, "1-2", "0"},      {CorrectRepeatValue, "", "1"},
        {CorrectRepeatValue, "0", "1"},      {CorrectRepeatValue, "256", "255"},
        {CorrectRepeatValue, "3", "3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.correct(c.typed), c.shown) << c.typed;
}

TEST(MacroEditsTest, ValueLinesAndTheValuesTheyShow)
{
    struct Case {
        std::string line;
        const char* expected;
        const char* value;
    };
    const Case cases[] = {
        {DelayValueLine("24"), "0 24", "24"},
        {DelayValueLine("5000"), "0 2040", "2040"},
        {MoveValueLine(false, "0"), "3 FB00", "0"},
        {MoveValueLine(false, "-1"), "4 FBFF", "-1"},
        {MoveValueLine(false, "-12"), "4 FBF4", "-12"},
        {MoveValueLine(true, "127"), "5 FA7F", "127"},
        {MoveValueLine(true, "-128"), "6 FA80", "-128"},
        {RepeatValueLine("3"), "7 FD02", "3"},
        {RepeatValueLine("255"), "7 FDFE", "255"},
        {RepeatValueLine("1"), "7 FD00", "1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.line, c.expected);
        EXPECT_EQ(ScriptLineValue(c.line), c.value) << c.line;
    }
    EXPECT_EQ(ScriptLineValue("1 A CODE:8204"), "");
    EXPECT_EQ(ScriptLineValue("8 00FC"), "");
}

TEST(MacroEditsTest, ScriptMustFitTheBodyOfItsMode)
{
    // 110 two-byte delay records make 220 event bytes; one more byte fits, two do not.
    MacroScript script{"00"};
    for (int i = 0; i < 110; ++i)
        script.push_back("0 8");
    EXPECT_EQ(CheckScriptFits(script, false), ScriptFit::Fits);
    script.push_back("8 00FC");
    EXPECT_EQ(CheckScriptFits(script, false), ScriptFit::Fits);
    script.push_back("8 00FC");
    EXPECT_EQ(CheckScriptFits(script, false), ScriptFit::TooLong);
    EXPECT_EQ(CheckScriptFits(script, true), ScriptFit::Fits);

    // A long delay is one record in the 224-byte body but several in a driver record.
    MacroScript delays{"00"};
    for (int i = 0; i < 200; ++i)
        delays.push_back("0 20400");
    EXPECT_EQ(CheckScriptFits(delays, false), ScriptFit::TooLong);
    delays.resize(101);
    EXPECT_EQ(CheckScriptFits(delays, false), ScriptFit::Fits);
    EXPECT_EQ(CheckScriptFits(delays, true), ScriptFit::Fits);   // 100 x 10 records x 2 bytes = 2000
    delays.push_back("0 20400");
    delays.push_back("0 2040");
    EXPECT_EQ(CheckScriptFits(delays, true), ScriptFit::TooLong);
    EXPECT_EQ(CheckScriptFits({"00"}, false), ScriptFit::Fits);
}

TEST(MacroEditsTest, ImportFilesMustHoldAWholeRecord)
{
    struct Case {
        size_t size;
        size_t record;
        ImportFileSize expected;
        size_t whole;
    };
    const Case cases[] = {
        {0, 256, ImportFileSize::Empty, 0},     {255, 256, ImportFileSize::Short, 0},
        {256, 256, ImportFileSize::Ok, 256},    {600, 256, ImportFileSize::Ok, 512},
        {2047, 2048, ImportFileSize::Short, 0}, {4095, 2048, ImportFileSize::Ok, 2048},
        {4096, 2048, ImportFileSize::Ok, 4096}, {1023, 1024, ImportFileSize::Short, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckImportFileSize(c.size, c.record), c.expected) << c.size;
        const std::vector<uint8_t> file(c.size, 0x11);
        EXPECT_EQ(WholeRecords(file, c.record).size(), c.whole) << c.size;
    }
}

} // namespace
} // namespace tarq

namespace tarq {
namespace {

TEST(MacroEditsTest, PagesThatPlayACopyOfAMacro)
{
    std::array<MacroName, kBaseMacroPageCount> pages{};
    pages[0] = MacroNameFromUtf16(u"Reload");
    pages[2] = MacroNameFromUtf16(u"Reload");   // a copy no button plays any more
    pages[3] = MacroNameFromUtf16(u"Jump");
    const std::vector<std::string> codes = {"010100", "060121", "0E0421", "000000"};
    struct Case {
        const char16_t* name;
        unsigned long pages;
    };
    const Case cases[] = {{u"Reload", 0b0001}, {u"Jump", 0b1000}, {u"Other", 0}, {u"", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(PlayedPagesNamed(codes, pages, MacroNameFromUtf16(c.name)).to_ulong(), c.pages);
}

} // namespace
} // namespace tarq
