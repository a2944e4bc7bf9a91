// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's waiter: on the UI thread it waits inside the event loop, so the window keeps
// painting and the busy overlays keep swallowing clicks while a transfer sleeps between
// reports; on any other thread it simply sleeps.

#include "device/Waiter.h"

namespace tarq {

class QtWaiter : public Waiter {
public:
    void sleep(int ms) override;
    void pump() override;
};

} // namespace tarq
