// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The device check that the two device timers run: it notices HID interfaces coming and
// going by counting them, and opens or loses the mouse when the count settles on a new value.
// What happens on the screen is left to the hooks.

#include "device/DeviceLink.h"

#include <functional>

namespace tarq {

class DeviceMonitor {
public:
    struct Hooks {
        std::function<void(int)> waitPumping; // wait n x 10 ms, keeping the window alive
        std::function<void()> deviceLost;     // the mouse is gone or was not found
        std::function<void()> readDevInfo;    // the mouse was just opened
        // True (once) when a transfer found the mouse gone: a report failed with the device
        // removed. May be empty.
        std::function<bool()> takeDeviceGone;
    };

    DeviceMonitor(DeviceLink& link, Hooks hooks);

    // One tick. Returns at once while an earlier tick is still running (its dialogs and
    // transfers let further timer ticks through).
    void DevTimerTimer();

    // A transfer outside the device check found the mouse gone: the device-lost state now,
    // not at the next tick. Nothing happens while a tick is running (it checks by itself).
    void MouseGone();

    int LastInterfaceCount = 0;
    bool DeviceCheckBusy = false;

    static constexpr int kCountPairs = 5;
    static constexpr int kStablePairsNeeded = 2;

private:
    void countWentDown();
    void countWentUp();
    void loseMouse();

    bool firstTickActed_ = false;

    DeviceLink& link_;
    Hooks hooks_;
};

} // namespace tarq
