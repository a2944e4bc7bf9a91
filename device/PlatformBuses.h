// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The buses of the system the program runs on: hidraw on Linux, SetupAPI and HID.dll on
// Windows. The only place that chooses a backend.

#include "device/DriverBus.h"
#include "device/HidArrivalMonitor.h"
#include "device/HidBus.h"

#include <functional>
#include <memory>

namespace tarq {

// With `pump`, a report that keeps the system waiting lets the calling thread handle its events
// meanwhile (the window); without, reports block (the command line). Windows' reports block.
std::unique_ptr<HidBus> CreateSystemHidBus(std::function<void()> pump = {});
// Null where the companion driver does not exist (it is a Windows kernel component).
std::unique_ptr<DriverBus> CreateSystemDriverBus();
// The system's notice of HID interfaces coming and going; null where there is none (Windows
// here, or Linux without udev): the device check then finds changes by polling alone.
std::unique_ptr<HidArrivalMonitor> CreateSystemArrivalMonitor();

} // namespace tarq
