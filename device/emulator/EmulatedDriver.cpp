// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/emulator/EmulatedDriver.h"

#include "device/DriverIoctl.h"

#include <algorithm>
#include <cstdio>

namespace tarq {
namespace {

uint32_t le32(std::span<const uint8_t> b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

class EmulatedDriverDevice : public DriverDevice {
public:
    explicit EmulatedDriverDevice(std::shared_ptr<EmulatedDriver> d) : driver_(std::move(d)) {}
    bool ioControl(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out, size_t& returned) override
    {
        return driver_->ioControl(code, in, out, returned);
    }

private:
    std::shared_ptr<EmulatedDriver> driver_;
};

} // namespace

EmulatedDriver::EmulatedDriver() : store_(kDriverStoreSize, 0) {}

bool EmulatedDriver::ioControl(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out, size_t& returned)
{
    returned = 0;
    const bool hasHeader = in.size() >= kStoreRequestHeader;
    requests.push_back({code, hasHeader ? le32(in, 0) : 0, hasHeader ? le32(in, 4) : 0});
    if (rejectRequests)
        return false;
    switch (code) {
    case IoctlReadStore:
    case IoctlWriteStore: {
        if (in.size() < kStoreRequestHeader)
            return false;
        const uint64_t offset = le32(in, 0);
        const uint64_t length = le32(in, 4);
        if (offset + length > store_.size() || in.size() < kStoreRequestHeader + length)
            return false;
        if (code == IoctlWriteStore) {
            std::copy_n(in.begin() + kStoreRequestHeader, length, store_.begin() + offset);
            if (onStoreWritten)
                onStoreWritten();
            return true;
        }
        if (out.size() < kStoreRequestHeader + length)
            return false;
        std::copy_n(in.begin(), kStoreRequestHeader, out.begin());
        std::copy_n(store_.begin() + offset, length, out.begin() + kStoreRequestHeader);
        returned = kStoreRequestHeader + length;
        return true;
    }
    case IoctlGetCpiLed:
        if (out.size() < cpiLedRecord.size())
            return false;
        std::copy(cpiLedRecord.begin(), cpiLedRecord.end(), out.begin());
        returned = cpiLedRecord.size();
        return true;
    default:
        return false;
    }
}

EmulatedDriverBus::EmulatedDriverBus(std::shared_ptr<EmulatedDriver> driver, uint16_t identifier)
    : driver_(std::move(driver))
{
    addPath(pathFor(identifier));
}

std::string EmulatedDriverBus::pathFor(uint16_t identifier)
{
    std::string path = "\\\\?\\emulated#tarq362a_companion#";
    path.resize(54, '_');
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04x", identifier);
    return path + digits + "#{902e3649-bb28-43e0-83e2-858cecfbee7b}";
}

void EmulatedDriverBus::addPath(std::string path, bool openable) { paths_.push_back({std::move(path), openable}); }

std::vector<std::string> EmulatedDriverBus::interfacePaths()
{
    std::vector<std::string> out;
    if (present_)
        for (const Entry& e : paths_)
            out.push_back(e.path);
    return out;
}

std::unique_ptr<DriverDevice> EmulatedDriverBus::open(const std::string& path)
{
    if (!present_)
        return nullptr;
    for (const Entry& e : paths_)
        if (e.path == path && e.openable)
            return std::make_unique<EmulatedDriverDevice>(driver_);
    return nullptr;
}

} // namespace tarq
