// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The companion driver's device interfaces, reached by device I/O control requests.
// Backends: device/win (DeviceIoControl) and device/emulator (a store in memory or a file).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tarq {

class DriverDevice {
public:
    virtual ~DriverDevice() = default;
    // One buffered I/O control request. `returned` receives the number of output bytes.
    virtual bool ioControl(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out,
                           size_t& returned) = 0;
};

class DriverBus {
public:
    virtual ~DriverBus() = default;
    virtual std::vector<std::string> interfacePaths() = 0;
    virtual std::unique_ptr<DriverDevice> open(const std::string& path) = 0;
};

} // namespace tarq
