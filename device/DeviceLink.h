// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The device link: finding and opening the mouse's configuration interface among the HID
// interfaces, counting HID interfaces so the device check notices arrivals and removals, and
// opening the companion driver's interface in driver mode. One instance for the whole run.

#include "device/DriverBus.h"
#include "device/HidBus.h"
#include "device/MouseIdentity.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tarq {

// What the mouse's memory holds, when this connection has read all of it or verified a write;
// empty otherwise. It lets a write send only the chunks that differ.
using KnownMemory = std::optional<std::vector<uint8_t>>;

struct DeviceIdEntry {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
};

class DeviceLink {
public:
    // The driver bus may be null on a system without the companion driver.
    explicit DeviceLink(HidBus& hidBus, DriverBus* driverBus = nullptr);

    // Number of present HID interfaces that can be opened (each is opened and closed again);
    // on Linux also those that refuse only for lack of permission (HidBus::countable).
    int CountHidInterfaces();

    // Open the interface with this identity, `version` and 8-byte feature reports. When
    // several match, the last one in enumeration order is kept. On a match `version`
    // receives the interface's version and the link state is filled; otherwise the state
    // stays as it was. The kept interface's exclusive lock is taken (HidDevice::lockExclusive):
    // when another program holds it, nothing is open and MouseInUse says so.
    bool OpenMouseInterface(uint16_t vendorId, uint16_t productId, int& version);

    // Open the driver interface whose path carries `identifier` as four hexadecimal digits
    // at characters 55 to 58 (counting from 1). The last one that opens is kept.
    bool OpenDriverDevice(uint16_t identifier);

    // The start-up reset: no mouse open, entry 1 of the identity table is this build's mouse.
    void ResetLink();

    // The mouse is gone or unusable: close it and forget its identity.
    void CloseMouse();

    bool mouseOpen() const { return HidHandle != nullptr; }

    // Device link state, read directly by the device check and the transfer commands.
    std::unique_ptr<HidDevice> HidHandle;      // null: absent
    uint16_t CurrentVendorId = 0;
    uint16_t CurrentProductId = 0;
    int FeatureReportLength = 0;
    int DeviceVersion = kMouseVersion;         // set to 0x0104 before every search
    std::array<DeviceIdEntry, 2> DeviceIdTable{};
    std::unique_ptr<DriverDevice> DriverHandle;
    KnownMemory MouseMemory;                   // forgotten whenever the mouse is opened or closed
    bool MouseInUse = false;                   // the last open found the mouse locked by another program

    HidBus& hidBus() { return hidBus_; }
    DriverBus* driverBus() { return driverBus_; }

private:
    HidBus& hidBus_;
    DriverBus* driverBus_;
};

// Characters 55 to 58 of a driver interface path as a number, or -1 when the path is shorter
// or those characters are not four hexadecimal digits.
int DriverPathIdentifier(const std::string& path);

} // namespace tarq
