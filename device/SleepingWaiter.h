// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A waiter that really sleeps and has no window to keep alive (worker threads, the benchmark).

#include "device/Waiter.h"

#include <chrono>
#include <thread>

namespace tarq {

class SleepingWaiter : public Waiter {
public:
    void sleep(int ms) override
    {
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    void pump() override {}
};

} // namespace tarq
