// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/emulator/VirtualWaiter.h"

namespace tarq {

void VirtualWaiter::sleep(int ms)
{
    if (ms > 0)
        elapsed_ += ms;
}

void VirtualWaiter::pump() { ++pumps_; }

} // namespace tarq
