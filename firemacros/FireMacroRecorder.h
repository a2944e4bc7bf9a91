// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Recording a fire macro: only the left button is taken, every other key and button is
// ignored. Before each recorded press or release the delay since the previous one is written
// the way the chosen mode says:
//
//   Record  the measured time, at most 10200 ms, as "0 2040" lines and one line for the rest
//   Fixed   the fixed delay, split the same way (nothing for 0 ms)
//   None    no delay lines
//
// The first click of a recording never gets a delay. The events fill at most the record's
// event bytes, and a press is taken only with room for its release: a click that does not fit
// ends the recording as full, and the end (full or Stop) releases a button still held, so the
// record keeps what fits. The recorder is fed from one thread at a time (the recording
// session's worker); the pointer-over flag may be set from any thread.

#include "firemacros/FireMacro.h"
#include "macros/HeldPresses.h"
#include "macros/InputCapture.h"
#include "macros/MacroScript.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarq {

constexpr int kFireRecordMaxDelayMs = 10200;

// The delay lines written for `ms` milliseconds: one "0 2040" per full 2040 ms and one line
// for the rest; none for 0 or less.
std::vector<std::string> FireDelayLines(int ms);

class FireMacroRecorder {
public:
    // A line was appended at this script index (index 0 is the delay header).
    using LineWritten = std::function<void(int scriptIndex, const std::string& line)>;

    // `capacity`: the event bytes the recording may fill.
    explicit FireMacroRecorder(DelayHeader delay, int capacity = int(fire_record::kMaxEvents));

    LineWritten OnLine;
    // The record is full: the button is released and the recording should end as if Stop had
    // been clicked. Called once.
    std::function<void()> OnFull;

    void Handle(const InputEvent& event);
    // The recording is stopped: releases the button if it is still held, at the time of the
    // last event seen.
    void Finish();
    bool Full() const { return full_; }

    // While set, left-button events are not recorded: the pointer is over the button whose
    // click starts or stops the recording.
    void SetPointerOverStop(bool over) { pointerOver_.store(over, std::memory_order_relaxed); }

    const MacroScript& Script() const { return script_; }
    MacroScript TakeScript() { return std::move(script_); }

private:
    void Write(std::string line);
    // The delay lines due before a click at `tick`.
    std::vector<std::string> DelayLinesBefore(uint32_t tick) const;
    void WriteClick(bool down, uint32_t tick);

    DelayHeader delay_;
    int capacity_;
    MacroScript script_;
    std::optional<uint32_t> lastTick_;
    uint32_t currentTick_ = 0;
    int counter_ = 0;
    bool full_ = false;
    HeldPresses held_;
    std::atomic<bool> pointerOver_{false};
};

} // namespace tarq
