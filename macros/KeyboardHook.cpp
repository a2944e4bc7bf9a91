// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/KeyboardHook.h"

#include <algorithm>

namespace tarq {

void TKeyboardHook::KeyMessage(uint16_t virtualKey, bool down)
{
    const TKeyboardHookKey key = VirtualKeyToHookKey(virtualKey);
    bool complete = false;
    if (down) {
        ++pressCounter_;
        const bool listed = std::any_of(held_.begin(), held_.end(),
                                        [key](const HeldKey& h) { return h.key == key; });
        if (!listed)
            held_.push_back({key, 1, false});
    } else {
        for (HeldKey& h : held_)
            if (h.key == key)
                h.released = true;
        complete = !held_.empty() && std::all_of(held_.begin(), held_.end(),
                                                 [](const HeldKey& h) { return h.released; });
        pressCounter_ = 0;
    }

    if (OnReceive && Enabled) {
        const TKeyboardHookState state =
            pressCounter_ == 0 ? kh_Off : pressCounter_ == 1 ? kh_On : kh_Repeat;
        OnReceive(virtualKey, state, pressCounter_);
    }

    if (complete) {
        if (OnKeyCombination && Enabled) {
            TKeyCombination combination;
            TKeyboardHookShiftState shift;
            for (const HeldKey& h : held_) {
                if (h.key == kh_Shift)
                    shift.shift = true;
                else if (h.key == kh_Control)
                    shift.control = true;
                else if (h.key == kh_Alt)
                    shift.alt = true;
                else
                    combination.push_back(h.key);
            }
            OnKeyCombination(combination, shift);
        }
        held_.clear();
    }
}

} // namespace tarq
