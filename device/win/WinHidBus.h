// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Windows backend of the HID bus: SetupAPI enumeration of the HID class and HID.dll calls,
// both bound at run time.

#include "device/HidBus.h"

namespace tarq {

class WinHidBus : public HidBus {
public:
    std::vector<std::string> interfacePaths() override;
    std::unique_ptr<HidDevice> open(const std::string& path) override;
};

} // namespace tarq
