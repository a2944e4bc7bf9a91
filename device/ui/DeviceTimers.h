// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The device check's timers (DevTimerFirst every 20 ms until the first search has acted, then
// DevTimer every 3000 ms) and the count of transfers under way. A close asked for while a
// transfer runs waits for the last of them to end, so that the mouse is never left half written.

#include <QTimer>

namespace tarq {

struct DeviceTimers {
    QTimer DevTimer;
    QTimer DevTimerFirst;
    int TransfersRunning = 0;    // open BusyScopes
    bool CloseWhenIdle = false;
};

} // namespace tarq
