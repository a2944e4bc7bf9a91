// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroRecorder.h"

#include "macros/MacroBody.h"
#include "support/ScriptedCapture.h"
#include "macros/TestHex.h"

#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tarq {
namespace {

using testing::VirtualInput;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr uint16_t kShift = 0x10;
constexpr uint16_t kA = 0x41;
constexpr uint16_t kB = 0x42;

const DelayHeader kRealTime{DelayMode::Record, 0};
const DelayHeader kNoDelay{DelayMode::None, 0};

RecorderSettings Settings(DelayHeader delay, int capacity = recording_capacity::kEeprom)
{
    RecorderSettings s;
    s.header = delay;
    s.delay = delay;
    s.capacity = capacity;
    s.reserve = delay.mode == DelayMode::None ? recording_capacity::kReserveNoDelay
                                              : recording_capacity::kReserveWithDelays;
    s.bodyEventLimit = capacity == recording_capacity::kEeprom ? int(macro_body::kMaxEvents)
                                                               : int(driver_macro_body::kMaxEvents);
    return s;
}

MacroScript Record(const RecorderSettings& settings, const VirtualInput& input)
{
    MacroRecorder recorder(settings);
    for (const InputEvent& e : input.events)
        recorder.Handle(e);
    return recorder.Script();
}

TEST(MacroRecorder, ShiftAWithRealTimeDelaysSkipsShiftAutoRepeat)
{
    VirtualInput in;
    in.Down(kShift).Wait(30).Down(kShift).Wait(30).Down(kShift).Wait(40).Down(kA).Wait(100).Up(kA)
        .Wait(100).Up(kShift);
    EXPECT_THAT(Record(Settings(kRealTime), in),
                ElementsAre("10", "1 Shift CODE:8102", "0 100", "1 A CODE:8204", "0 100",
                            "2 A CODE:0204", "0 100", "2 Shift CODE:0102"));
}

TEST(MacroRecorder, ShiftRepeatAfterAReleaseIsASecondPress)
{
    // After A's release the press counter is 0, so Shift's next repeat arrives as kh_On.
    VirtualInput in;
    in.Down(kShift).Wait(10).Down(kA).Wait(10).Up(kA).Wait(10).Down(kShift).Wait(10).Up(kShift);
    EXPECT_THAT(Record(Settings(kNoDelay), in),
                ElementsAre("00", "1 Shift CODE:8102", "1 A CODE:8204", "2 A CODE:0204",
                            "1 Shift CODE:8102", "2 Shift CODE:0102"));
}

TEST(MacroRecorder, HeldKeyAutoRepeatIsOnePress)
{
    VirtualInput in;
    in.Down(kA).Wait(500).Down(kA).Wait(33).Down(kA).Wait(33).Up(kA);
    EXPECT_THAT(Record(Settings(kNoDelay), in), ElementsAre("00", "1 A CODE:8204", "2 A CODE:0204"));
}

struct PauseCase {
    const char* name;
    bool mouse;
    uint32_t pauseMs;
    std::vector<std::string> delayLines;
};

class RecorderPause : public ::testing::TestWithParam<PauseCase> {};

TEST_P(RecorderPause, DelayLinesBetweenTwoEvents)
{
    const PauseCase& c = GetParam();
    VirtualInput in;
    if (c.mouse)
        in.Press(MouseButton::Left).Wait(c.pauseMs).Release(MouseButton::Left);
    else
        in.Down(kA).Wait(c.pauseMs).Up(kA);
    const MacroScript script = Record(Settings(kRealTime), in);
    ASSERT_GE(script.size(), 3u);
    // The first event after the start never has a delay before it.
    EXPECT_NE(ScriptLineType(script[1]), 0);
    const std::vector<std::string> delays(script.begin() + 2, script.end() - 1);
    EXPECT_EQ(delays, c.delayLines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecorderPause,
    ::testing::Values(
        PauseCase{"KeyPauseIsCutToOneLine", false, 5000, {"0 2040"}},
        PauseCase{"MousePauseIsSplit", true, 5000, {"0 2040", "0 2040", "0 920"}},
        PauseCase{"KeysInOneTickGetZeroLine", false, 0, {"0 0"}},
        PauseCase{"ButtonsInOneTickGetNone", true, 0, {}},
        PauseCase{"MousePauseOfWholePeriods", true, 4080, {"0 2040", "0 2040"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MacroRecorder, FixedDelayModeWritesTheFixedValue)
{
    RecorderSettings s = Settings({DelayMode::Fixed, 150});
    VirtualInput in;
    in.Down(kA).Wait(7).Up(kA).Wait(3000).Press(MouseButton::Right).Release(MouseButton::Right);
    EXPECT_THAT(Record(s, in), ElementsAre("01150", "1 A CODE:8204", "0 150", "2 A CODE:0204",
                                           "0 150", "1 RightKey CODE:00A2", "0 150",
                                           "2 RightKey CODE:0022"));
}

TEST(MacroRecorder, SideButtonsAndTheirCodes)
{
    VirtualInput in;
    in.Press(MouseButton::Forward).Release(MouseButton::Forward).Press(MouseButton::Backward)
        .Release(MouseButton::Backward).Press(MouseButton::Middle).Release(MouseButton::Middle);
    EXPECT_THAT(Record(Settings(kNoDelay), in),
                ElementsAre("00", "1 Forward CODE:00A8", "2 Forward CODE:0028",
                            "1 Backward CODE:00B0", "2 Backward CODE:0030",
                            "1 MiddleKey CODE:00A4", "2 MiddleKey CODE:0024"));
}

TEST(MacroRecorder, ClickOnStopIsNotRecordedButOtherButtonsAre)
{
    MacroRecorder recorder(Settings(kNoDelay));
    VirtualInput in;
    in.Tap(kA).Press(MouseButton::Left).Release(MouseButton::Left);
    for (const InputEvent& e : in.events)
        recorder.Handle(e);
    recorder.SetPointerOverStop(true);
    VirtualInput stop;
    stop.Press(MouseButton::Right).Release(MouseButton::Right).Press(MouseButton::Left).Release(MouseButton::Left);
    for (const InputEvent& e : stop.events)
        recorder.Handle(e);
    EXPECT_THAT(recorder.Script(),
                ElementsAre("00", "1 A CODE:8204", "2 A CODE:0204", "1 LeftKey CODE:00A1",
                            "2 LeftKey CODE:0021", "1 RightKey CODE:00A2", "2 RightKey CODE:0022"));
}

TEST(MacroRecorder, KeyWithoutNameIsIgnoredAndKeyNamesComeFromTheKeyTable)
{
    VirtualInput in;
    in.Tap(0xFF).Tap(0x11).Tap(0x5C).Tap(0xA0).Tap(0x20);
    EXPECT_THAT(Record(Settings(kNoDelay), in),
                ElementsAre("00", "1 Ctrl CODE:8101", "2 Ctrl CODE:0101", "1 Right Windows CODE:8180",
                            "2 Right Windows CODE:0180", "1 Left Shift CODE:82E1",
                            "2 Left Shift CODE:02E1", "1 Space bar CODE:822C",
                            "2 Space bar CODE:022C"));
}

// The press limit is capacity minus reserve: 182 without delays, 176 with them.
struct PressLimitCase {
    DelayHeader delay;
    int counter;
    bool taken;
};

class RecorderPressLimit : public ::testing::TestWithParam<PressLimitCase> {};

TEST_P(RecorderPressLimit, KeyPressTakenUpToCapacityMinusReserve)
{
    const PressLimitCase& c = GetParam();
    RecorderSettings s = Settings(c.delay);
    s.startCount = c.counter;
    MacroRecorder recorder(s);
    recorder.Handle(InputEvent::Key(kA, true, 1000));
    if (c.taken)
        EXPECT_THAT(recorder.Script(), ElementsAre(DelayHeaderLine(c.delay), "1 A CODE:8204"));
    else
        EXPECT_THAT(recorder.Script(), ElementsAre(DelayHeaderLine(c.delay)));
    EXPECT_EQ(recorder.StopFlag(), !c.taken);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecorderPressLimit,
                         ::testing::Values(PressLimitCase{kNoDelay, 182, true},
                                           PressLimitCase{kNoDelay, 183, false},
                                           PressLimitCase{kRealTime, 176, true},
                                           PressLimitCase{kRealTime, 177, false}));

// The key and button names still held at the end of a script: presses without their release.
std::vector<std::string> HeldAtTheEnd(const MacroScript& script)
{
    std::vector<std::string> held;
    for (size_t i = 1; i < script.size(); ++i) {
        const int type = ScriptLineType(script[i]);
        if (type != 1 && type != 2)
            continue;
        const std::string name(ScriptLineKeyName(script[i]));
        std::erase(held, name);
        if (type == 1)
            held.push_back(name);
    }
    return held;
}

// However a recording ends (the body full, or Stop), every press has its release, the script
// fits its body, and a full recording says so once and keeps what came before.
struct FullCase {
    const char* name;
    DelayHeader delay;
    bool driver;
    int startCount;
    std::function<void(VirtualInput&)> input;
    bool full;
    std::vector<std::string> tail;   // the last lines of the script
};

class RecorderFull : public ::testing::TestWithParam<FullCase> {};

TEST_P(RecorderFull, NoPressIsLeftWithoutItsRelease)
{
    const FullCase& c = GetParam();
    RecorderSettings s = Settings(c.delay, c.driver ? recording_capacity::kDriver : recording_capacity::kEeprom);
    s.startCount = c.startCount;
    MacroRecorder recorder(s);
    int ends = 0;
    recorder.OnCapacityReached = [&] { ++ends; };
    VirtualInput in;
    c.input(in);
    for (const InputEvent& e : in.events)
        recorder.Handle(e);
    recorder.Finish();   // Stop
    const MacroScript& script = recorder.Script();
    EXPECT_THAT(HeldAtTheEnd(script), ::testing::IsEmpty());
    EXPECT_EQ(ends, c.full ? 1 : 0);
    EXPECT_EQ(recorder.CapacityReached(), c.full);
    ASSERT_GE(script.size(), c.tail.size());
    EXPECT_EQ(MacroScript(script.end() - long(c.tail.size()), script.end()), c.tail);
    EXPECT_LE(recorder.ByteCounter(), c.driver ? int(driver_macro_body::kMaxEvents) : recording_capacity::kEeprom);
    // The counter is the bytes the body really takes.
    const MacroBuildResult built = c.driver ? MacroBuildResult(BuildDriverMacroBody(script, ReleaseMode::PlayToEnd))
                                            : MacroBuildResult(BuildMacroBody(script, ReleaseMode::PlayToEnd));
    EXPECT_TRUE(built.ok()) << built.eventBytes;
    EXPECT_EQ(int(built.eventBytes), recorder.ByteCounter() - c.startCount);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecorderFull,
    ::testing::Values(
        // The driver body: a press that only fits without its release is not taken.
        FullCase{"DriverPressWithoutRoomForItsRelease", kNoDelay, true, 2008,
                 [](VirtualInput& in) { in.Down(kShift).Down(kA).Up(kA).Up(kShift); }, true,
                 {"00", "1 Shift CODE:8102", "2 Shift CODE:0102"}},
        // A pause of 10 s before a click near the end: the delay lines would eat its release.
        FullCase{"EepromClickAfterALongPause", kRealTime, false, 170,
                 [](VirtualInput& in) {
                     in.Tap(kA).Wait(10000).Press(MouseButton::Right).Wait(100).Release(MouseButton::Right);
                 },
                 true, {"1 A CODE:8204", "0 0", "2 A CODE:0204"}},
        // Two keys held when the body fills: the one held is released when the recording ends.
        FullCase{"EepromKeysHeldWhenFull", kNoDelay, false, 180,
                 [](VirtualInput& in) { in.Down(0x58).Down(0x59).Up(0x58).Up(0x59); }, true,
                 {"1 X CODE:821B", "2 X CODE:021B"}},
        // Held presses reserve their releases with the delay before each.
        FullCase{"EepromShiftHeldWithDelays", kRealTime, false, 170,
                 [](VirtualInput& in) {
                     in.Down(kShift).Wait(50).Down(kA).Wait(50).Up(kA).Wait(50).Down(kB).Wait(50).Up(kB);
                 },
                 true, {"1 Shift CODE:8102", "0 50", "1 A CODE:8204", "0 50", "2 A CODE:0204", "0 50",
                        "2 Shift CODE:0102"}},
        // A held button's release after a long hold fits: its pause is shortened to the room left.
        FullCase{"EepromLongHoldShortened", kRealTime, false, 176,
                 [](VirtualInput& in) { in.Press(MouseButton::Left).Wait(9000).Release(MouseButton::Left); },
                 false, {"1 LeftKey CODE:00A1", "0 2040", "0 2040", "0 2040", "0 2040", "2 LeftKey CODE:0021"}},
        // Stop while a key and a button are held: their releases end the macro.
        FullCase{"StopWhileHeld", kRealTime, false, 0,
                 [](VirtualInput& in) { in.Down(kShift).Wait(30).Press(MouseButton::Middle).Wait(20); },
                 false, {"1 MiddleKey CODE:00A4", "2 MiddleKey CODE:0024", "0 0", "2 Shift CODE:0102"}},
        // A long recording in driver mode: many clicks and keys, filled to the end.
        FullCase{"DriverLongRecording", kRealTime, true, 0,
                 [](VirtualInput& in) {
                     for (int i = 0; i < 700; ++i)
                         in.Down(kShift).Wait(7).Press(MouseButton::Left).Wait(i % 5 ? 3 : 4500)
                             .Release(MouseButton::Left).Wait(2).Up(kShift);
                 },
                 true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MacroRecorder, KeyEventAtCapacityEndsTheRecordingUnwritten)
{
    RecorderSettings s = Settings(kNoDelay);
    s.startCount = 184;
    MacroRecorder recorder(s);
    int ended = 0;
    recorder.OnCapacityReached = [&] { ++ended; };
    recorder.Handle(InputEvent::Key(kA, false, 1000));   // taken at 184, counter 186
    recorder.Handle(InputEvent::Key(kB, false, 1001));   // counter at the capacity: the end
    recorder.Handle(InputEvent::Key(kB, false, 1002));   // nothing more after the end
    EXPECT_THAT(recorder.Script(), ElementsAre("00", "2 A CODE:0204"));
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(recorder.CapacityReached());
}

TEST(MacroRecorder, FullRecordingAlwaysBuildsIntoTheBody)
{
    // Zero-length delays are stored as FE 00 too; however the events come, the script must fit
    // the body it is built into.
    for (const DelayHeader delay : {kRealTime, DelayHeader{DelayMode::Fixed, 0}, kNoDelay}) {
        MacroRecorder recorder(Settings(delay));
        VirtualInput in;
        for (int i = 0; i < 200; ++i) {
            in.Tap(uint16_t(kA + i % 26));
            in.Press(MouseButton::Right).Wait(i % 3 ? 0 : 9000).Release(MouseButton::Right);
        }
        for (const InputEvent& e : in.events)
            recorder.Handle(e);
        const BuiltMacroBody built = BuildMacroBody(recorder.Script(), ReleaseMode::PlayToEnd);
        EXPECT_TRUE(built.ok()) << DelayHeaderLine(delay) << " needs " << built.eventBytes;
        EXPECT_LE(built.eventBytes, macro_body::kMaxEvents);
    }
}

TEST(MacroRecorder, DriverRecordingStopsBeforeTheDriverBodyIsFull)
{
    RecorderSettings s = Settings(kNoDelay, recording_capacity::kDriver);
    MacroRecorder recorder(s);
    VirtualInput in;
    for (int i = 0; i < 1200; ++i)
        in.Tap(kA).Press(MouseButton::Left).Release(MouseButton::Left);
    for (const InputEvent& e : in.events)
        recorder.Handle(e);
    const BuiltDriverMacroBody built = BuildDriverMacroBody(recorder.Script(), ReleaseMode::PlayToEnd);
    EXPECT_TRUE(built.ok()) << built.eventBytes;
    EXPECT_GT(built.eventBytes, 2000u);
}

TEST(MacroRecorder, ShiftAScriptBuildsTheBodyBytes)
{
    VirtualInput in;
    in.Down(kShift).Wait(40).Tap(kA).Wait(16).Up(kShift);
    const MacroScript script = Record(Settings(kRealTime), in);
    const BuiltMacroBody built = BuildMacroBody(script, ReleaseMode::PlayToEnd);
    ASSERT_TRUE(built.ok());
    // 81 02, FE 05 (40 ms), 82 04, FE 00, 02 04, FE 02 (16 ms), 01 02
    EXPECT_EQ(built.hexDump.substr(0, 32), "000F8102FE058204FE000204FE020102");
}

struct InsertCase {
    InsertSide side;
    std::vector<std::string> script;
    std::vector<int> rows;
};

class RecorderInsert : public ::testing::TestWithParam<InsertCase> {};

TEST_P(RecorderInsert, RecordedLinesGoBeforeOrAfterTheSelectedEvent)
{
    RecorderSettings s = Settings(kNoDelay);
    s.insertionPoint = 1;   // row 1: "2 A CODE:0204"
    s.side = GetParam().side;
    s.startCount = 5;
    MacroRecorder recorder(s, {"10", "1 A CODE:8204", "2 A CODE:0204", "1 LeftKey CODE:00A1"});
    std::vector<int> rows;
    recorder.OnLine = [&](int, const std::string&, int row) { rows.push_back(row); };
    VirtualInput in;
    in.Tap(kB);
    for (const InputEvent& e : in.events)
        recorder.Handle(e);
    EXPECT_EQ(recorder.Script(), GetParam().script);
    EXPECT_EQ(rows, GetParam().rows);
    EXPECT_EQ(recorder.ByteCounter(), 9);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, RecorderInsert,
    ::testing::Values(
        InsertCase{InsertSide::Front,
                   {"10", "1 A CODE:8204", "1 B CODE:8205", "2 B CODE:0205", "2 A CODE:0204",
                    "1 LeftKey CODE:00A1"},
                   {2, 3}},
        InsertCase{InsertSide::Back,
                   {"10", "1 A CODE:8204", "2 A CODE:0204", "1 B CODE:8205", "2 B CODE:0205",
                    "1 LeftKey CODE:00A1"},
                   {2, 3}}));

TEST(MacroRecorder, HeaderFollowsTheMainModeAndIsWrittenByTheFirstSource)
{
    RecorderSettings s = Settings({DelayMode::Fixed, 50});
    std::vector<std::pair<int, int>> lines;
    MacroRecorder recorder(s);
    recorder.OnLine = [&](int index, const std::string&, int row) { lines.emplace_back(index, row); };
    recorder.Handle(InputEvent::Button(MouseButton::Right, true, 5));
    EXPECT_THAT(recorder.Script(), ElementsAre("0150", "1 RightKey CODE:00A2"));
    EXPECT_THAT(lines, ElementsAre(std::pair{0, -1}, std::pair{1, 0}));
}

} // namespace
} // namespace tarq
