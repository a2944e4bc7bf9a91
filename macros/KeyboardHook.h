// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TKeyboardHook: turns a stream of key-down and key-up events into the states the recorder
// reads. A press counter counts key-downs since the last key-up, so the first key-down is
// kh_On, any further key-down before the next key-up (auto-repeat or a second key) kh_Repeat,
// and a key-up kh_Off. A held-key list collects the distinct keys of a combination until all of
// them are released.
//
// The platform delivers the events (raw input on Windows, the X11 or window capture elsewhere);
// this class only counts.

#include "settings/KeyboardKeys.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace tarq {

enum TKeyboardHookState { kh_On, kh_Off, kh_Repeat };

using TKeyCombination = std::vector<TKeyboardHookKey>;
// The set of Shift, Ctrl and Alt among the keys of a combination.
struct TKeyboardHookShiftState {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool operator==(const TKeyboardHookShiftState&) const = default;
};

class TKeyboardHook {
public:
    // (virtual-key code, state, press counter)
    using TKeyboardHookEvent = std::function<void(uint16_t, TKeyboardHookState, int)>;
    using TKeyCombinationPressedEvent =
        std::function<void(const TKeyCombination&, TKeyboardHookShiftState)>;

    bool Enabled = false;
    TKeyboardHookEvent OnReceive;
    TKeyCombinationPressedEvent OnKeyCombination;

    // One key message: down for WM_KEYDOWN/WM_SYSKEYDOWN, up for WM_KEYUP/WM_SYSKEYUP. The
    // counter and the list follow every message; the events fire only while Enabled.
    void KeyMessage(uint16_t virtualKey, bool down);

    int PressCounter() const { return pressCounter_; }
    size_t HeldKeyCount() const { return held_.size(); }

private:
    struct HeldKey {
        TKeyboardHookKey key;
        uint8_t marker;   // always 1
        bool released;
    };
    int pressCounter_ = 0;
    std::vector<HeldKey> held_;
};

} // namespace tarq
