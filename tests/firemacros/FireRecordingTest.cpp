// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/FireMacro.h"
#include "firemacros/FireMacroRecorder.h"
#include "firemacros/FireScriptEdits.h"
#include "tests/macros/TestHex.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

using test::Filled;

constexpr const char* kDown = "1 LeftKey CODE:00A1";
constexpr const char* kUp = "2 LeftKey CODE:0021";

InputEvent Left(bool down, uint32_t tick) { return InputEvent::Button(MouseButton::Left, down, tick); }

struct RecordCase {
    const char* name;
    DelayHeader delay;
    std::vector<InputEvent> events;
    MacroScript script;
};

TEST(FireMacroRecorderTest, RecordsLeftClicksWithTheDelayMode)
{
    const RecordCase cases[] = {
        {"record delay, 5 s held", {DelayMode::Record, 0}, {Left(true, 1000), Left(false, 6000)},
         {"10", kDown, "0 2040", "0 2040", "0 920", kUp}},
        {"record delay is cut at 10200 ms", {DelayMode::Record, 0}, {Left(true, 0), Left(false, 60000)},
         {"10", kDown, "0 2040", "0 2040", "0 2040", "0 2040", "0 2040", kUp}},
        {"default delay 50 before every click but the first", {DelayMode::Fixed, 50},
         {Left(true, 0), Left(false, 9000), Left(true, 9001)},
         {"0150", kDown, "0 50", kUp, "0 50", kDown}},
        {"default delay 0 writes no delay line", {DelayMode::Fixed, 0}, {Left(true, 0), Left(false, 500)},
         {"010", kDown, kUp}},
        {"no delay", {DelayMode::None, 0}, {Left(true, 0), Left(false, 700), Left(true, 900)},
         {"00", kDown, kUp, kDown}},
        {"keys and other buttons are not recorded", {DelayMode::Record, 0},
         {InputEvent::Key(0x41, true, 0), InputEvent::Button(MouseButton::Right, true, 5), Left(true, 10),
          InputEvent::Button(MouseButton::Middle, false, 20), Left(false, 30)},
         {"10", kDown, "0 20", kUp}},
    };
    for (const RecordCase& c : cases) {
        FireMacroRecorder recorder(c.delay);
        std::vector<std::pair<int, std::string>> seen;
        recorder.OnLine = [&seen](int index, const std::string& line) { seen.emplace_back(index, line); };
        for (const InputEvent& e : c.events)
            recorder.Handle(e);
        EXPECT_EQ(recorder.Script(), c.script) << c.name;
        ASSERT_EQ(seen.size(), c.script.size()) << c.name;
        for (size_t i = 0; i < seen.size(); ++i)
            EXPECT_EQ(seen[i], std::make_pair(int(i), c.script[i])) << c.name;
    }
}

TEST(FireMacroRecorderTest, ClicksOverTheRecordButtonAreNotRecorded)
{
    FireMacroRecorder recorder({DelayMode::Record, 0});
    recorder.SetPointerOverStop(true);
    recorder.Handle(Left(true, 0));
    recorder.Handle(Left(false, 10));
    EXPECT_TRUE(recorder.Script().empty());
    recorder.SetPointerOverStop(false);
    recorder.Handle(Left(true, 100));
    EXPECT_EQ(recorder.Script(), (MacroScript{"10", kDown}));
}

// A fire macro recording fills at most the record's event bytes and never leaves the button
// held: a click that does not fit ends it as full, keeping what came before, and Stop releases
// a button still held. Whatever it keeps is a record that encodes.
struct FullCase {
    const char* name;
    DelayHeader delay;
    std::vector<InputEvent> events;
    bool full;
    MacroScript script;
};

std::vector<InputEvent> Clicks(int n, uint32_t gapMs)
{
    std::vector<InputEvent> events;
    for (int i = 0; i < n; ++i) {
        events.push_back(Left(true, uint32_t(2 * i) * gapMs));
        events.push_back(Left(false, uint32_t(2 * i + 1) * gapMs));
    }
    return events;
}

TEST(FireMacroRecorderTest, KeepsWhatFitsAndReleasesTheButton)
{
    MacroScript tenClicks{"00"};
    for (int i = 0; i < 10; ++i)
        tenClicks.insert(tenClicks.end(), {kDown, kUp});
    std::vector<InputEvent> heldLong = Clicks(2, 10);
    heldLong.push_back(Left(true, 100));
    heldLong.push_back(Left(false, 9000));
    std::vector<InputEvent> heldAtStop = Clicks(1, 50);
    heldAtStop.push_back(Left(true, 400));
    const FullCase cases[] = {
        {"eleven clicks without delays keep ten", {DelayMode::None, 0}, Clicks(11, 10), true, tenClicks},
        {"a press without room for its release and delay", {DelayMode::Fixed, 50}, Clicks(4, 10), true,
         {"0150", kDown, "0 50", kUp, "0 50", kDown, "0 50", kUp, "0 50", kDown, "0 50", kUp}},
        {"a long hold near the end is shortened to the room left", {DelayMode::Record, 0}, heldLong, false,
         {"10", kDown, "0 10", kUp, "0 10", kDown, "0 10", kUp, "0 70", kDown, "0 2040", "0 2040", "0 2040",
          kUp}},
        {"stop while the button is held releases it", {DelayMode::Record, 0}, heldAtStop, false,
         {"10", kDown, "0 50", kUp, "0 350", kDown, kUp}},
    };
    for (const FullCase& c : cases) {
        FireMacroRecorder recorder(c.delay);
        int full = 0;
        recorder.OnFull = [&full] { ++full; };
        for (const InputEvent& e : c.events)
            recorder.Handle(e);
        recorder.Finish();   // Stop
        EXPECT_EQ(recorder.Script(), c.script) << c.name;
        EXPECT_EQ(full, c.full ? 1 : 0) << c.name;
        EXPECT_EQ(recorder.Full(), c.full) << c.name;
        EXPECT_TRUE(EncodeFireMacro(recorder.Script(), ReleaseMode::PlayToEnd).ok()) << c.name;
    }
}

TEST(FireMacroRecorderTest, ARecordingBecomesTheRecordItShouldBe)
{
    FireMacroRecorder recorder({DelayMode::Record, 0});
    recorder.Handle(Left(true, 1000));
    recorder.Handle(Left(false, 6000));
    const EncodedFireMacro encoded = EncodeFireMacro(recorder.Script(), ReleaseMode::StopOnRelease);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.record, Filled<FireMacroRecord>("01 09 A1 FE FF FE FF FE 73 21 6C"));
}

struct DeleteCase {
    const char* name;
    MacroScript before;
    int row;
    MacroScript after;
    int select;
};

TEST(FireScriptEditsTest, DeleteTakesThePartnerOfAClick)
{
    const DeleteCase cases[] = {
        {"press takes the following release", {"00", kDown, "0 50", kUp, kDown}, 0, {"00", "0 50", kDown}, 0},
        {"release takes the preceding press", {"00", "0 50", kDown, "0 50", kUp}, 3, {"00", "0 50", "0 50"}, 1},
        {"press without release goes alone", {"00", kUp, kDown}, 1, {"00", kUp}, 0},
        {"release without press goes alone", {"00", "0 8", kUp}, 1, {"00", "0 8"}, 0},
        {"a delay goes alone", {"00", kDown, "0 50", kUp}, 1, {"00", kDown, kUp}, 0},
        {"the last event leaves no row", {"00", "8 00FC"}, 0, {"00"}, -1},
    };
    for (const DeleteCase& c : cases) {
        MacroScript script = c.before;
        EXPECT_EQ(DeleteFireEvent(script, c.row), c.select) << c.name;
        EXPECT_EQ(script, c.after) << c.name;
    }
    MacroScript script{"00", kDown};
    EXPECT_EQ(DeleteFireEvent(script, 1), std::nullopt);
    EXPECT_EQ(DeleteFireEvent(script, -1), std::nullopt);
    EXPECT_EQ(script, (MacroScript{"00", kDown}));
}

struct InsertCase {
    const char* name;
    FireInsertItem item;
    FireInsertValues values;
    int row;
    MacroScript after;
    int select;
};

TEST(FireScriptEditsTest, InsertPutsTheLineBeforeOrAfterTheEvent)
{
    const MacroScript base{"00", kDown, "0 50", kUp};
    const InsertCase cases[] = {
        {"delay front", FireInsertItem::DelayFront, {"24", "", "", ""}, 0, {"00", "0 24", kDown, "0 50", kUp}, 0},
        {"delay back", FireInsertItem::DelayBack, {"24", "", "", ""}, 2, {"00", kDown, "0 50", kUp, "0 24"}, 3},
        {"repeat start holds the byte itself", FireInsertItem::RepeatStart, {"", "3", "", ""}, 0,
         {"00", "7 FD03", kDown, "0 50", kUp}, 0},
        {"repeat start above 255", FireInsertItem::RepeatStart, {"", "999", "", ""}, 0,
         {"00", "7 FDFF", kDown, "0 50", kUp}, 0},
        {"repeat stop after", FireInsertItem::RepeatStop, {}, 2, {"00", kDown, "0 50", kUp, "8 00FC"}, 3},
        {"X back -5 after row 2", FireInsertItem::XBack, {"", "", "-5", ""}, 2,
         {"00", kDown, "0 50", kUp, "4 FBFB"}, 3},
        {"X front clamps", FireInsertItem::XFront, {"", "", "300", ""}, 1, {"00", kDown, "3 FB7F", "0 50", kUp}, 1},
        {"Y front", FireInsertItem::YFront, {"", "", "", "12"}, 0, {"00", "5 FA0C", kDown, "0 50", kUp}, 0},
        {"Y back negative", FireInsertItem::YBack, {"", "", "", "-200"}, 0, {"00", kDown, "6 FA80", "0 50", kUp}, 1},
    };
    for (const InsertCase& c : cases) {
        MacroScript script = base;
        const FireInsertResult r = InsertFireLine(script, c.row, c.item, c.values);
        EXPECT_EQ(r.status, FireInsertStatus::Inserted) << c.name;
        EXPECT_EQ(script, c.after) << c.name;
        EXPECT_EQ(r.selectRow, c.select) << c.name;
    }
}

TEST(FireScriptEditsTest, InsertRefusesWhatIsNoWholeNumberOrNoRow)
{
    const MacroScript base{"00", kDown};
    const std::pair<FireInsertItem, FireInsertValues> bad[] = {
        {FireInsertItem::XFront, {"", "", "-", ""}},
        {FireInsertItem::YBack, {"", "", "", "1-"}},
        {FireInsertItem::RepeatStart, {"", "", "", ""}},
    };
    for (const auto& [item, values] : bad) {
        MacroScript script = base;
        const FireInsertResult r = InsertFireLine(script, 0, item, values);
        EXPECT_EQ(r.status, FireInsertStatus::BadNumber);
        EXPECT_EQ(script, base);
    }
    MacroScript script = base;
    EXPECT_EQ(InsertFireLine(script, 1, FireInsertItem::RepeatStop, {}).status, FireInsertStatus::NoRow);
    EXPECT_EQ(InsertFireLine(script, -1, FireInsertItem::RepeatStop, {}).status, FireInsertStatus::NoRow);
    EXPECT_EQ(script, base);
}

TEST(FireScriptEditsTest, FieldCorrections)
{
    const std::tuple<std::string (*)(std::string_view), const char*, const char*> cases[] = {
        {CorrectFireDelayText, "", "0"},       {CorrectFireDelayText, "2040", "2040"},
        {CorrectFireDelayText, "2041", "2040"}, {CorrectFireDelayText, "99999", "2040"},
        {CorrectFireDelayText, "50", "50"},
        {CorrectFireRepeatText, "256", "255"},  {CorrectFireRepeatText, "", ""},
        {CorrectFireRepeatText, "10", "10"},
        {CorrectFireAxisText, "-", "-"},        {CorrectFireAxisText, "", "0"},
        {CorrectFireAxisText, "128", "127"},    {CorrectFireAxisText, "-129", "-128"},
        {CorrectFireAxisText, "-12", "-12"},
    };
    for (const auto& [correct, text, expected] : cases)
        EXPECT_EQ(correct(text), expected) << text;
}

} // namespace
} // namespace tarq

namespace tarq {
namespace {

TEST(FireScriptEditsTest, RowTexts)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0 50", "50 ms"},          {"1 LeftKey CODE:00A1", "LeftKey \u2193"},
        {"2 LeftKey CODE:0021", "LeftKey \u2191"}, {"4 FBFB", "X-Axis  -5"},
        {"5 FA0C", "Y-Axis  12"},   {"7 FD03", "Rep-Start  3"},
        {"8 00FC", "Rep-Stop"},
    };
    for (const auto& [line, text] : cases)
        EXPECT_EQ(FireLineRowText(line), text) << line;
}

} // namespace
} // namespace tarq
