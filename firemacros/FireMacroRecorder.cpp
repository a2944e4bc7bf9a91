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

FireMacroRecorder::FireMacroRecorder(DelayHeader delay) : delay_(delay) {}

void FireMacroRecorder::Write(std::string line)
{
    script_.push_back(std::move(line));
    if (OnLine)
        OnLine(static_cast<int>(script_.size()) - 1, script_.back());
}

void FireMacroRecorder::WriteDelayBefore(uint32_t tick)
{
    if (delay_.mode == DelayMode::None)
        return;
    if (lastTick_) {
        const int ms = delay_.mode == DelayMode::Record
                           ? static_cast<int>(std::min<uint32_t>(tick - *lastTick_, kFireRecordMaxDelayMs))
                           : delay_.fixedMs;
        for (std::string& line : FireDelayLines(ms))
            Write(std::move(line));
    }
    lastTick_ = tick;
}

void FireMacroRecorder::Handle(const InputEvent& event)
{
    if (event.source != InputEvent::Source::Button || event.button != MouseButton::Left)
        return;
    if (pointerOver_.load(std::memory_order_relaxed))
        return;
    if (script_.empty())
        Write(DelayHeaderLine(delay_));
    WriteDelayBefore(event.tick);
    Write(ButtonLine(event.down, MouseButton::Left));
}

} // namespace tarq
