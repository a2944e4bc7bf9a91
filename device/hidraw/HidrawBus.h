// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Linux backend of the HID bus: the hidraw nodes listed in sysfs.
//
// Identity comes from HIDIOCGRAWINFO, the USB release number from the USB device's bcdDevice
// in sysfs, and the feature report length from the report descriptor (HIDIOCGRDESC), computed
// as Windows computes it. Where an ioctl is not available (a test tree of plain files) the
// same facts are read from sysfs: the uevent's HID_ID and the report_descriptor file.

#include "device/HidBus.h"

#include <functional>
#include <string>

namespace tarq {

class HidrawBus : public HidBus {
public:
    explicit HidrawBus(std::string sysRoot = "/sys", std::string devRoot = "/dev");

    // With a pump, each opened device runs its feature reports on a thread of its own and the
    // thread that created the bus handles its events (through `pump`) while a report takes
    // longer than usual: the window stays alive while the kernel waits for a device that does
    // not answer. Without one (the command line), reports block the calling thread.
    void setPump(std::function<void()> pump) { pump_ = std::move(pump); }

    std::vector<std::string> interfacePaths() override;
    std::unique_ptr<HidDevice> open(const std::string& path) override;
    // From sysfs alone, which every user may read: the node need not be openable.
    HidAttributes describe(const std::string& path) override;
    HidOpenFailure lastOpenFailure() const override { return lastOpenFailure_; }

private:
    HidOpenFailure lastOpenFailure_ = HidOpenFailure::None;
    std::string sysRoot_;
    std::string devRoot_;
    std::function<void()> pump_;
};

} // namespace tarq
