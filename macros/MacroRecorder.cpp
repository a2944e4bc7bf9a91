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
      insertionPoint_(settings.insertionPoint.value_or(0))
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

    const DelayMode mode = settings_.delay.mode;
    const bool delayLine = mode != DelayMode::None && lastTick_.has_value();
    const int needed = (delayLine ? kDelayLineBytes : 0) + kKeyLineBytes;
    const int limit = press ? settings_.capacity - settings_.reserve : settings_.capacity;
    lastKey_ = key;
    if (counter_ > limit || counter_ + needed > settings_.bodyEventLimit) {
        stopFlag_ = true;
        return;
    }
    if (counter_ >= settings_.capacity) {
        ended_ = true;
        if (OnCapacityReached)
            OnCapacityReached();
        return;
    }

    if (delayLine) {
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
    else
        Write(KeyLine(press, KeyDisplayName(hookKey), KeyToHidUsage(hookKey)));
    counter_ += kKeyLineBytes;
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

    if (down && counter_ > settings_.capacity - settings_.reserve) {
        // Dropped; the counter jumps by the reserve so that no later press fits.
        counter_ += settings_.reserve;
        return;
    }
    if (!down && counter_ > settings_.capacity)
        return;

    // However long the pause, the delay lines and the button must fit the body: a pause that
    // would not fit is shortened, an event that would not fit is dropped.
    const int room = settings_.bodyEventLimit - counter_ - kButtonLineBytes;
    if (room < 0)
        return;
    const int lines = std::min(MouseDelayLineCount(tick), room / kDelayLineBytes);
    RefreshMacroMouseTime(tick, lines);
    Write(ButtonLine(down, button));
    counter_ += kButtonLineBytes;
}

} // namespace tarq
