// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// While a transfer runs the device check must not touch the mouse and the pages must not take
// clicks. A BusyScope stops DevTimer and shows the busy overlays when it is created; when it
// ends, on whatever path, it hides the overlays and restarts the device check at its slow rate
// (DevTimerFirst stays stopped). TimerOnly pauses the device check alone, for a message or a
// step that shows the loading screen without the overlays. The window's close waits for the
// last scope to end.

#include "device/ui/DeviceTimers.h"
#include "ui/WindowServices.h"

namespace tarq {

class BusyScope {
public:
    enum Kind { WithOverlays, TimerOnly };

    BusyScope(DeviceTimers& state, WindowServices& window, Kind kind = WithOverlays)
        : state_(state), window_(window), overlays_(kind == WithOverlays)
    {
        state_.DevTimer.stop();
        ++state_.TransfersRunning;
        if (overlays_)
            window_.ShowBusyOverlays();
    }

    ~BusyScope()
    {
        state_.DevTimerFirst.stop();
        state_.DevTimer.start();
        if (overlays_)
            window_.HideBusyOverlays();
        if (--state_.TransfersRunning == 0 && state_.CloseWhenIdle)
            window_.CloseWindow();
    }

    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    DeviceTimers& state_;
    WindowServices& window_;
    bool overlays_;
};

} // namespace tarq
