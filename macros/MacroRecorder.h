// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The recorder: turns key and mouse-button events into macro script lines with delay lines
// between them, counts the bytes the events will take in the body, and ends the recording when
// the body is full. It never leaves a press without its release: the room for the release of
// every press still held is kept free, an event that would not leave it ends the recording as
// full, and the end (full or Stop) writes the releases of whatever is still held.
//
// Keys go through a TKeyboardHook first, so auto-repeat is told from a new press by the press
// counter and the last key. One recorder serves one recording (or one insert-recording) and
// is fed from one thread at a time; the pointer-over flag may be set from any thread.

#include "macros/HeldPresses.h"
#include "macros/InputCapture.h"
#include "macros/KeyboardHook.h"
#include "macros/MacroScript.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarq {

// The byte budget of a recording.
namespace recording_capacity {
constexpr int kEeprom = 186;
constexpr int kDriver = 2022;
// Presses stop being taken when fewer than the reserve bytes are left, and earlier when the
// releases of the presses still held need more.
constexpr int kReserveNoDelay = 4;
constexpr int kReserveWithDelays = 10;
} // namespace recording_capacity

enum class InsertSide { Front, Back };

struct RecorderSettings {
    DelayHeader header;          // line 0 when the script is empty: the main recording's mode
    DelayHeader delay;           // the delays this recording writes (insert: the insert mode)
    int capacity = recording_capacity::kEeprom;
    int reserve = recording_capacity::kReserveWithDelays;
    // The event bytes the body can hold (221 or 2012); no event is written past them or past
    // the capacity.
    int bodyEventLimit = 221;
    // The counter at the start: 0, or the length field L of the macro inserted into.
    int startCount = 0;
    // Insert-recording: the LB_macro row the events go before (Front) or after (Back).
    std::optional<int> insertionPoint;
    InsertSide side = InsertSide::Front;
};

class MacroRecorder {
public:
    // A line was written at this script index; `row` is the LB_macro row to select afterwards
    // (-1 for the delay header, which has no row).
    using LineWritten = std::function<void(int scriptIndex, const std::string& line, int row)>;

    MacroRecorder(RecorderSettings settings, MacroScript script = {});

    LineWritten OnLine;
    // The body is full: the releases of what was still held are written, and the recording
    // should end as if Stop had been clicked. Called once.
    std::function<void()> OnCapacityReached;

    // Feeds one event (key-down/up through the keyboard hook, buttons directly).
    void Handle(const InputEvent& event);
    // The recording is stopped: writes the releases of the keys and buttons still held, at the
    // time of the last event seen. Call it once the events have stopped coming.
    void Finish();

    // While set, left-button events are not recorded: the pointer is over a button whose click
    // starts or stops a recording.
    void SetPointerOverStop(bool over) { pointerOver_.store(over, std::memory_order_relaxed); }

    const MacroScript& Script() const { return script_; }
    MacroScript TakeScript() { return std::move(script_); }
    int ByteCounter() const { return counter_; }
    bool StopFlag() const { return stopFlag_; }
    bool CapacityReached() const { return ended_; }

    // The keyboard hook's OnReceive handler (KeyboardHook1Receive).
    void KeyboardHook1Receive(uint16_t key, TKeyboardHookState state, int repeatCount, uint32_t tick);

private:
    void MouseEvent(MouseButton button, bool down, uint32_t tick);
    void WriteKey(uint16_t key, bool press, uint32_t tick);
    void WriteButton(MouseButton button, bool down, uint32_t tick);
    // The event bytes this recording may fill: the capacity or the body, whichever is smaller.
    int Budget() const;
    // Whether `bytes` more (an event with its delay lines) leave the room the held presses need
    // once `event` is taken.
    bool Fits(const InputEvent& event, int bytes) const;
    bool PressAllowed(bool press) const;
    // The macro is full: the held presses are released and the recording ends.
    void End(uint32_t tick);
    void ReleaseHeld(uint32_t tick);
    void WriteHeaderIfEmpty();
    void Write(std::string line);
    // Mouse delays: one 2040 ms line per full period and one for the rest; at most `maxLines`.
    void RefreshMacroMouseTime(uint32_t tick, int maxLines);
    int MouseDelayLineCount(uint32_t tick) const;

    RecorderSettings settings_;
    MacroScript script_;
    TKeyboardHook hook_;
    uint32_t currentTick_ = 0;
    int counter_ = 0;
    bool stopFlag_ = false;
    bool ended_ = false;
    int lastKey_ = -1;
    std::optional<uint32_t> lastTick_;   // nothing: the next event gets no delay
    int insertionPoint_ = 0;
    HeldPresses held_;
    std::atomic<bool> pointerOver_{false};
};

} // namespace tarq
