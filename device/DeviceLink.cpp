// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/DeviceLink.h"

#include "config/HexText.h"

namespace tarq {

DeviceLink::DeviceLink(HidBus& hidBus, DriverBus* driverBus)
    : hidBus_(hidBus), driverBus_(driverBus)
{
}

int DeviceLink::CountHidInterfaces()
{
    int count = 0;
    for (const std::string& path : hidBus_.interfacePaths()) {
        if (path.empty())
            continue;
        if (hidBus_.countable(path))
            ++count;
    }
    return count;
}

bool DeviceLink::OpenMouseInterface(uint16_t vendorId, uint16_t productId, int& version)
{
    std::unique_ptr<HidDevice> match;
    HidAttributes matchAttributes;
    for (const std::string& path : hidBus_.interfacePaths()) {
        if (path.empty())
            continue;
        std::unique_ptr<HidDevice> device = hidBus_.open(path);
        if (!device)
            continue;
        const HidAttributes a = device->attributes();
        if (a.featureReportLength == kConfigFeatureReportLength && a.productId == productId
            && a.vendorId == vendorId && a.version == version) {
            match = std::move(device); // an earlier match is closed here: the last one stays
            matchAttributes = a;
        }
    }
    MouseInUse = false;
    if (!match)
        return false;
    // Whoever talks to the mouse holds its lock. The handle this link had is closed first,
    // so that reopening the same mouse does not find its own lock in the way.
    HidHandle.reset();
    if (!match->lockExclusive()) {
        MouseInUse = true;
        MouseMemory.reset();
        return false;
    }
    HidHandle = std::move(match);
    MouseMemory.reset();
    version = matchAttributes.version;
    CurrentProductId = matchAttributes.productId;
    CurrentVendorId = matchAttributes.vendorId;
    FeatureReportLength = matchAttributes.featureReportLength;
    return true;
}

int DriverPathIdentifier(const std::string& path)
{
    constexpr size_t kFirst = 54; // character 55, counting from 1
    constexpr size_t kDigits = 4;
    if (path.size() < kFirst + kDigits)
        return -1;
    int value = 0;
    for (size_t i = kFirst; i < kFirst + kDigits; ++i) {
        const int digit = HexDigitValue(path[i]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

bool DeviceLink::OpenDriverDevice(uint16_t identifier)
{
    if (!driverBus_)
        return false;
    bool opened = false;
    for (const std::string& path : driverBus_->interfacePaths()) {
        if (DriverPathIdentifier(path) != identifier)
            continue;
        if (std::unique_ptr<DriverDevice> device = driverBus_->open(path)) {
            DriverHandle = std::move(device);
            opened = true;
        }
    }
    return opened;
}

void DeviceLink::ResetLink()
{
    HidHandle.reset();
    MouseMemory.reset();
    DeviceIdTable[0] = {kMouseVendorId, kMouseProductId};
    DeviceIdTable[1] = {0, 0};
}

void DeviceLink::CloseMouse()
{
    HidHandle.reset();
    MouseMemory.reset();
    CurrentVendorId = 0;
    CurrentProductId = 0;
}

} // namespace tarq
