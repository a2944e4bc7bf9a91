// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/PlatformBuses.h"

#if defined(_WIN32)
#include "device/win/WinDriverBus.h"
#include "device/win/WinHidBus.h"
#else
#include "device/hidraw/HidrawBus.h"
#if defined(TARQ_HAVE_UDEV)
#include "device/hidraw/UdevMonitor.h"
#endif
#endif

namespace tarq {

std::unique_ptr<HidBus> CreateSystemHidBus([[maybe_unused]] std::function<void()> pump)
{
#if defined(_WIN32)
    return std::make_unique<WinHidBus>();
#else
    auto bus = std::make_unique<HidrawBus>();
    bus->setPump(std::move(pump));
    return bus;
#endif
}

std::unique_ptr<DriverBus> CreateSystemDriverBus()
{
#if defined(_WIN32)
    return std::make_unique<WinDriverBus>();
#else
    return nullptr;
#endif
}

std::unique_ptr<HidArrivalMonitor> CreateSystemArrivalMonitor()
{
#if defined(TARQ_HAVE_UDEV)
    return UdevMonitor::Open();
#else
    return nullptr;
#endif
}

} // namespace tarq
