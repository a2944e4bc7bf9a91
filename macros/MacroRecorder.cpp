// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroRecorder.h"

#include "settings/KeyboardKeys.h"

#include <algorithm>

namespace tarq {

namespace {

// A delay line is one FE t record.
constexpr int kDelayLineBytes = 2;
constexpr int kKeyLineBytes = 2;
constexpr int kButtonLineBytes = 1;

// Live modifiers are written in the 81 m / 01 m form with their generic names.
std::optional<uint8_t> ModifierBitOfVirtualKey(uint16_t vk)
{
    switch (vk) {
    case 0x11: return modifier_bit::kCtrl;
    case 0x10: return modifier_bit::kShift;
    case 0x12: return modifier_bit::kAlt;
    case 0x5B: return modifier_bit::kLeftWindows;
    case 0x5C: return modifier_bit::kRightWindows;
    default: return std::nullopt;
    }
}

} // namespace

MacroRecorder::MacroRecorder(RecorderSettings settings, MacroScript script)
    : settings_(settings), script_(std::move(script)), counter_(settings.startCount),
      insertionPoint_(settings.insertionPoint.value_or(0)),
      held_(settings.delay.mode == DelayMode::None ? 0 : kDelayLineBytes)
{
    hook_.Enabled = true;
    hook_.OnReceive = [this](uint16_t key, TKeyboardHookState state, int count) {
        KeyboardHook1Receive(key, state, count, currentTick_);
    };
}

void MacroRecorder::Handle(const InputEvent& event)
{
    if (ended_)
        return;
    currentTick_ = event.tick;
    if (event.source == InputEvent::Source::Key)
        hook_.KeyMessage(event.virtualKey, event.down);
    else
        MouseEvent(event.button, event.down, event.tick);
}

void MacroRecorder::Finish()
{
    if (!ended_)
        ReleaseHeld(currentTick_);
}

int MacroRecorder::Budget() const
{
    return std::min(settings_.capacity, settings_.bodyEventLimit);
}

bool MacroRecorder::Fits(const InputEvent& event, int bytes) const
{
    return counter_ + bytes + held_.ReserveAfter(event) <= Budget();
}

bool MacroRecorder::PressAllowed(bool press) const
{
    return !press || counter_ <= settings_.capacity - settings_.reserve;
}

void MacroRecorder::End(uint32_t tick)
{
    ReleaseHeld(tick);
    stopFlag_ = true;
    ended_ = true;
    if (OnCapacityReached)
        OnCapacityReached();
}

void MacroRecorder::ReleaseHeld(uint32_t tick)
{
    for (const InputEvent& release : held_.Releases(tick)) {
        if (release.source == InputEvent::Source::Key)
            WriteKey(release.virtualKey, false, tick);
        else
            WriteButton(release.button, false, tick);
    }
}

void MacroRecorder::WriteHeaderIfEmpty()
{
    if (!script_.empty())
        return;
    script_.push_back(DelayHeaderLine(settings_.header));
    if (OnLine)
        OnLine(0, script_.front(), -1);
}

void MacroRecorder::Write(std::string line)
{
    int index = 0;
    int row = 0;
    if (settings_.insertionPoint) {
        const int offset = settings_.side == InsertSide::Front ? 1 : 2;
        index = std::clamp(insertionPoint_ + offset, 1, int(script_.size()));
        script_.insert(script_.begin() + index, std::move(line));
        ++insertionPoint_;
        row = insertionPoint_;
    } else {
        script_.push_back(std::move(line));
        index = int(script_.size()) - 1;
        row = index - 1;
    }
    if (OnLine)
        OnLine(index, script_[size_t(index)], row);
}

void MacroRecorder::KeyboardHook1Receive(uint16_t key, TKeyboardHookState state, int, uint32_t tick)
{
    const TKeyboardHookKey hookKey = VirtualKeyToHookKey(key);
    if (KeyDisplayName(hookKey) == "255")
        return;
    WriteHeaderIfEmpty();
    if (stopFlag_)
        return;

    if (state == kh_Repeat && key == lastKey_)
        return;   // auto-repeat of the key just taken
    const bool press = state != kh_Off;
    lastKey_ = key;

    // A release of a held key always fits: its room was kept when the key went down.
    const bool delayLine = settings_.delay.mode != DelayMode::None && lastTick_.has_value();
    const int needed = (delayLine ? kDelayLineBytes : 0) + kKeyLineBytes;
    if (!PressAllowed(press) || !Fits(InputEvent::Key(key, press, tick), needed)) {
        End(tick);
        return;
    }
    WriteKey(key, press, tick);
}

void MacroRecorder::WriteKey(uint16_t key, bool press, uint32_t tick)
{
    const DelayMode mode = settings_.delay.mode;
    if (mode != DelayMode::None && lastTick_) {
        const int ms = mode == DelayMode::Record
                           ? int(std::min<uint32_t>(tick - *lastTick_, kMaxDelayRecordMs))
                           : settings_.delay.fixedMs;
        // Also a line of 0 ms: it is stored as FE 00, so it counts its two bytes.
        Write(DelayLine(ms));
        counter_ += kDelayLineBytes;
    }
    if (mode != DelayMode::None)
        lastTick_ = tick;

    if (const auto bit = ModifierBitOfVirtualKey(key))
        Write(ModifierLine(press, *bit));
    else {
        const TKeyboardHookKey hookKey = VirtualKeyToHookKey(key);
        Write(KeyLine(press, KeyDisplayName(hookKey), KeyToHidUsage(hookKey)));
    }
    counter_ += kKeyLineBytes;
    held_.Take(InputEvent::Key(key, press, tick));
}

int MacroRecorder::MouseDelayLineCount(uint32_t tick) const
{
    if (settings_.delay.mode == DelayMode::None || !lastTick_)
        return 0;
    const int64_t ms = settings_.delay.mode == DelayMode::Record ? int64_t(tick - *lastTick_)
                                                                 : settings_.delay.fixedMs;
    return int(ms / kMaxDelayRecordMs + (ms % kMaxDelayRecordMs > 0 ? 1 : 0));
}

void MacroRecorder::RefreshMacroMouseTime(uint32_t tick, int maxLines)
{
    if (settings_.delay.mode == DelayMode::None)
        return;
    if (lastTick_) {
        int64_t ms = settings_.delay.mode == DelayMode::Record ? int64_t(tick - *lastTick_)
                                                               : settings_.delay.fixedMs;
        for (int lines = 0; ms > 0 && lines < maxLines; ++lines) {
            const int part = int(std::min<int64_t>(ms, kMaxDelayRecordMs));
            Write(DelayLine(part));
            counter_ += kDelayLineBytes;
            ms -= part;
        }
    }
    lastTick_ = tick;
}

void MacroRecorder::MouseEvent(MouseButton button, bool down, uint32_t tick)
{
    if (button == MouseButton::Left && pointerOver_.load(std::memory_order_relaxed))
        return;   // the click on Record/Stop itself
    WriteHeaderIfEmpty();

    const InputEvent event = InputEvent::Button(button, down, tick);
    // A release of a held button always comes; the pause before it may be shortened.
    if (!down && held_.Holds(event)) {
        WriteButton(button, false, tick);
        return;
    }
    const int needed = MouseDelayLineCount(tick) * kDelayLineBytes + kButtonLineBytes;
    if (!PressAllowed(down) || !Fits(event, needed)) {
        End(tick);
        return;
    }
    WriteButton(button, down, tick);
}

void MacroRecorder::WriteButton(MouseButton button, bool down, uint32_t tick)
{
    // The delay lines take what is left once the button and the held releases have their room.
    const InputEvent event = InputEvent::Button(button, down, tick);
    const int room = Budget() - counter_ - held_.ReserveAfter(event) - kButtonLineBytes;
    const int lines = std::min(MouseDelayLineCount(tick), std::max(room, 0) / kDelayLineBytes);
    RefreshMacroMouseTime(tick, lines);
    Write(ButtonLine(down, button));
    counter_ += kButtonLineBytes;
    held_.Take(event);
}

} // namespace tarq
