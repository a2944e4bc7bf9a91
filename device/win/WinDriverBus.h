// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Windows backend of the companion driver's interfaces: SetupAPI enumeration of the driver's
// interface class and DeviceIoControl.

#include "device/DriverBus.h"

namespace tarq {

class WinDriverBus : public DriverBus {
public:
    std::vector<std::string> interfacePaths() override;
    std::unique_ptr<DriverDevice> open(const std::string& path) override;
};

} // namespace tarq
