// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/emulator/EmulatedHidBus.h"

#include "device/HidReportDescriptor.h"
#include "device/MouseIdentity.h"
#include "device/UsbDescriptors.h"

namespace tarq {
namespace {

class EmulatedHidDevice : public HidDevice {
public:
    // Only the configuration interface (8-byte feature reports) reaches the firmware's command
    // protocol; the pointer interface of the same device refuses feature reports.
    EmulatedHidDevice(HidAttributes attributes, std::shared_ptr<EmulatedMouse> firmware, std::string path)
        : attributes_(attributes), firmware_(std::move(firmware)), path_(std::move(path)),
          answers_(attributes.featureReportLength == kConfigFeatureReportLength) {}

    HidAttributes attributes() override { return attributes_; }

    bool gone() const override { return firmware_ && !firmware_->plugged(); }

    bool setFeature(std::span<const uint8_t> report) override
    {
        if (!firmware_ || !answers_ || !firmware_->setFeature(report)) {
            error_ = path_ + ": set feature report failed (device not answering or unplugged)";
            return false;
        }
        return true;
    }

    bool getFeature(std::span<uint8_t> report) override
    {
        if (!firmware_ || !answers_ || !firmware_->getFeature(report)) {
            error_ = path_ + ": get feature report failed (device not answering or unplugged)";
            return false;
        }
        return true;
    }

    std::string lastError() const override { return error_; }

    bool lockExclusive() override
    {
        if (!firmware_)
            return true;
        if (!lock_)
            lock_ = firmware_->takeLock();
        return lock_ != nullptr;
    }

private:
    std::shared_ptr<void> lock_;
    HidAttributes attributes_;
    std::shared_ptr<EmulatedMouse> firmware_;
    std::string path_;
    std::string error_;
    bool answers_;
};

} // namespace

EmulatedHidBus::Interface MouseConfigInterface(std::shared_ptr<EmulatedMouse> mouse, std::string path)
{
    return {std::move(path), {kMouseVendorId, kMouseProductId, kMouseVersion, FeatureReportByteLength(usb::ConfigReportDescriptor())},
            true, true, std::move(mouse)};
}

std::unique_ptr<EmulatedHidBus> EmulatedHidBus::withMouse(std::shared_ptr<EmulatedMouse> mouse)
{
    auto bus = std::make_unique<EmulatedHidBus>();
    bus->add({"emulated:keyboard", {0x046D, 0xC31C, 0x6400, 2}, true, true, nullptr});
    bus->add({"emulated:mouse-pointer",
              {kMouseVendorId, kMouseProductId, kMouseVersion, FeatureReportByteLength(usb::PointerReportDescriptor())},
              true, true, mouse});
    bus->add(MouseConfigInterface(mouse));
    return bus;
}

EmulatedHidBus::Interface& EmulatedHidBus::add(Interface iface)
{
    std::lock_guard lock(mutex_);
    interfaces_.push_back(std::move(iface));
    return interfaces_.back();
}

EmulatedHidBus::Interface* EmulatedHidBus::find(const std::string& path)
{
    std::lock_guard lock(mutex_);
    for (Interface& i : interfaces_)
        if (i.path == path)
            return &i;
    return nullptr;
}

void EmulatedHidBus::setMousePresent(const std::shared_ptr<EmulatedMouse>& mouse, bool present)
{
    std::lock_guard lock(mutex_);
    for (Interface& i : interfaces_)
        if (i.firmware == mouse)
            i.present = present;
    mouse->setPlugged(present);
}

std::vector<std::string> EmulatedHidBus::interfacePaths()
{
    std::lock_guard lock(mutex_);
    std::vector<std::string> paths;
    for (const Interface& i : interfaces_)
        if (present(i))
            paths.push_back(i.path);
    return paths;
}

std::unique_ptr<HidDevice> EmulatedHidBus::open(const std::string& path)
{
    std::lock_guard lock(mutex_);
    for (const Interface& i : interfaces_) {
        if (i.path != path || !present(i))
            continue;
        if (!i.openable) {
            lastOpenFailure_ = i.refusal;
            return nullptr;
        }
        ++opens_;
        return std::make_unique<EmulatedHidDevice>(i.attributes, i.firmware, i.path);
    }
    lastOpenFailure_ = HidOpenFailure::Gone;
    return nullptr;
}

HidAttributes EmulatedHidBus::describe(const std::string& path)
{
    std::lock_guard lock(mutex_);
    for (const Interface& i : interfaces_)
        if (i.path == path && present(i))
            return i.attributes;
    return {};
}

} // namespace tarq
