#pragma once
// The buses of the system the program runs on: hidraw on Linux, SetupAPI and HID.dll on
// Windows. The only place that chooses a backend.

#include "device/DriverBus.h"
#include "device/HidBus.h"

#include <memory>

namespace tarq {

std::unique_ptr<HidBus> CreateSystemHidBus();
// Null where the companion driver does not exist (it is a Windows kernel component).
std::unique_ptr<DriverBus> CreateSystemDriverBus();

} // namespace tarq
