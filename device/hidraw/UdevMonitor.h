// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Linux backend of the arrival monitor: libudev's monitor of the "hidraw" subsystem. Events
// come from udev after its rules ran, so a new node already has the rights the rules give.

#include "device/HidArrivalMonitor.h"

#include <memory>

struct udev;
struct udev_monitor;

namespace tarq {

class UdevMonitor : public HidArrivalMonitor {
public:
    // Null when udev is not there (a container without it, no netlink rights).
    static std::unique_ptr<UdevMonitor> Open();
    ~UdevMonitor() override;
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    int fd() const override;
    bool takeChanges() override;

private:
    UdevMonitor(udev* context, udev_monitor* monitor) : udev_(context), monitor_(monitor) {}
    udev* udev_;
    udev_monitor* monitor_;
};

} // namespace tarq
