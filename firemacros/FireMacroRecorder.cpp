// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/FireMacroRecorder.h"

#include <algorithm>

namespace tarq {

std::vector<std::string> FireDelayLines(int ms)
{
    std::vector<std::string> lines;
    if (ms <= 0)
        return lines;
    for (int full = ms / kMaxDelayRecordMs; full > 0; --full)
        lines.push_back(DelayLine(kMaxDelayRecordMs));
    if (ms % kMaxDelayRecordMs > 0)
        lines.push_back(DelayLine(ms % kMaxDelayRecordMs));
    return lines;
}

namespace {

constexpr int kDelayLineBytes = 2;

// The room a release keeps for the delay before it: one line, none when no delay is written.
int ReleaseDelayBytes(const DelayHeader& delay)
{
    if (delay.mode == DelayMode::None || (delay.mode == DelayMode::Fixed && delay.fixedMs <= 0))
        return 0;
    return kDelayLineBytes;
}

} // namespace

FireMacroRecorder::FireMacroRecorder(DelayHeader delay, int capacity)
    : delay_(delay), capacity_(capacity), held_(ReleaseDelayBytes(delay))
{
}

void FireMacroRecorder::Write(std::string line)
{
    script_.push_back(std::move(line));
    if (OnLine)
        OnLine(static_cast<int>(script_.size()) - 1, script_.back());
}

std::vector<std::string> FireMacroRecorder::DelayLinesBefore(uint32_t tick) const
{
    if (delay_.mode == DelayMode::None || !lastTick_)
        return {};
    const int ms = delay_.mode == DelayMode::Record
                       ? static_cast<int>(std::min<uint32_t>(tick - *lastTick_, kFireRecordMaxDelayMs))
                       : delay_.fixedMs;
    return FireDelayLines(ms);
}

void FireMacroRecorder::WriteClick(bool down, uint32_t tick)
{
    // The delay lines take what is left once the click and a held release have their room.
    const InputEvent event = InputEvent::Button(MouseButton::Left, down, tick);
    const int room = capacity_ - counter_ - held_.ReserveAfter(event) - HeldPresses::LineBytes(event);
    std::vector<std::string> delays = DelayLinesBefore(tick);
    delays.resize(std::min(delays.size(), static_cast<size_t>(std::max(room, 0) / kDelayLineBytes)));
    for (std::string& line : delays) {
        Write(std::move(line));
        counter_ += kDelayLineBytes;
    }
    if (delay_.mode != DelayMode::None)
        lastTick_ = tick;
    Write(ButtonLine(down, MouseButton::Left));
    counter_ += HeldPresses::LineBytes(event);
    held_.Take(event);
}

void FireMacroRecorder::Handle(const InputEvent& event)
{
    if (full_)
        return;
    currentTick_ = event.tick;
    if (event.source != InputEvent::Source::Button || event.button != MouseButton::Left)
        return;
    if (pointerOver_.load(std::memory_order_relaxed))
        return;
    if (script_.empty())
        Write(DelayHeaderLine(delay_));
    // A release of the held button always comes; the pause before it may be shortened.
    if (!event.down && held_.Holds(event)) {
        WriteClick(false, event.tick);
        return;
    }
    const int needed = static_cast<int>(DelayLinesBefore(event.tick).size()) * kDelayLineBytes
                       + HeldPresses::LineBytes(event);
    if (counter_ + needed + held_.ReserveAfter(event) > capacity_) {
        Finish();
        full_ = true;
        if (OnFull)
            OnFull();
        return;
    }
    WriteClick(event.down, event.tick);
}

void FireMacroRecorder::Finish()
{
    if (full_)
        return;
    for (const InputEvent& release : held_.Releases(currentTick_))
        WriteClick(false, release.tick);
}

} // namespace tarq
