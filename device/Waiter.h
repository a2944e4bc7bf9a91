// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How the core waits. The program's waiter really sleeps and lets the window process its
// pending events; tests use a virtual clock (device/emulator/VirtualWaiter.h).

namespace tarq {

class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void sleep(int ms) = 0; // block the calling thread for about ms milliseconds
    virtual void pump() = 0;        // process pending window events (no-op off the UI thread)
};

} // namespace tarq
