// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A waiter on a virtual clock: sleeping advances the clock instantly, so protocol tests
// run in microseconds and can assert the exact time the protocol would have waited. A worker
// thread may sleep on it while the window thread does.

#include "device/Waiter.h"

#include <atomic>

namespace tarq {

class VirtualWaiter : public Waiter {
public:
    void sleep(int ms) override;
    void pump() override;

    long long elapsedMs() const { return elapsed_; }
    int pumps() const { return pumps_; }
    void reset() { elapsed_ = 0; pumps_ = 0; }

private:
    std::atomic<long long> elapsed_{0};
    std::atomic<int> pumps_{0};
};

} // namespace tarq
