// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/hidraw/UdevMonitor.h"

#include <libudev.h>

#include <cstring>

namespace tarq {

std::unique_ptr<UdevMonitor> UdevMonitor::Open()
{
    udev* context = udev_new();
    if (!context)
        return nullptr;
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(monitor) < 0) {
        if (monitor)
            udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::unique_ptr<UdevMonitor>(new UdevMonitor(context, monitor));
}

UdevMonitor::~UdevMonitor()
{
    udev_monitor_unref(monitor_);
    udev_unref(udev_);
}

int UdevMonitor::fd() const { return udev_monitor_get_fd(monitor_); }

bool UdevMonitor::takeChanges()
{
    // The monitor's socket is non-blocking: receive until nothing is pending.
    bool changed = false;
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        if (action && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0))
            changed = true;
        udev_device_unref(device);
    }
    return changed;
}

} // namespace tarq
