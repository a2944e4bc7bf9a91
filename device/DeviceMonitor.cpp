// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/DeviceMonitor.h"

namespace tarq {
namespace {

// The wait before each open after a count increase: lets a freshly plugged device settle.
constexpr int kSettleWaits = 3;

struct BusyGuard {
    bool& flag;
    explicit BusyGuard(bool& f) : flag(f) { flag = true; }
    ~BusyGuard() { flag = false; }
};

} // namespace

DeviceMonitor::DeviceMonitor(DeviceLink& link, Hooks hooks) : link_(link), hooks_(std::move(hooks)) {}

void DeviceMonitor::DevTimerTimer()
{
    if (DeviceCheckBusy)
        return;
    BusyGuard busy(DeviceCheckBusy);

    // Devices that are still arriving change the count between two calls; only a count that
    // is stable in at least two of five pairs is acted on.
    int stablePairs = 0;
    int current = 0;
    for (int pair = 0; pair < kCountPairs; ++pair) {
        const int first = link_.CountHidInterfaces();
        const int second = link_.CountHidInterfaces();
        if (first == second)
            ++stablePairs;
        current = first;
    }
    // The first tick acts whatever the count, so that a machine with no countable interface
    // still leaves the searching state (not found) instead of searching forever.
    if ((current == LastInterfaceCount && firstTickActed_) || stablePairs < kStablePairsNeeded)
        return;
    firstTickActed_ = true;

    if (current < LastInterfaceCount)
        countWentDown();
    else
        countWentUp();
    // A mouse that another program holds is tried again at the next tick, not only when
    // the count changes.
    LastInterfaceCount = link_.MouseInUse && !link_.mouseOpen() ? -1 : current;
    // The read after an open may have found the mouse gone again: lose it now, and count
    // again so the next tick does not report the same removal a second time.
    // A mouse the count already lost is not lost a second time (one unplug, one message).
    if (hooks_.takeDeviceGone && hooks_.takeDeviceGone() && link_.mouseOpen()) {
        loseMouse();
        LastInterfaceCount = link_.CountHidInterfaces();
    }
}

void DeviceMonitor::MouseGone()
{
    if (DeviceCheckBusy)
        return;
    BusyGuard busy(DeviceCheckBusy);
    loseMouse();
    LastInterfaceCount = link_.CountHidInterfaces();
}

void DeviceMonitor::loseMouse()
{
    if (hooks_.deviceLost)
        hooks_.deviceLost();
    link_.CloseMouse();
}

void DeviceMonitor::countWentDown()
{
    int version = link_.DeviceVersion;
    if (link_.OpenMouseInterface(link_.CurrentVendorId, link_.CurrentProductId, version)) {
        link_.DeviceVersion = version;
        return;
    }
    loseMouse();
}

void DeviceMonitor::countWentUp()
{
    if (link_.mouseOpen())
        return; // another device arrived; the open mouse is left alone
    for (const DeviceIdEntry& entry : link_.DeviceIdTable) {
        if (entry.vendorId == 0 || entry.productId == 0)
            continue;
        if (hooks_.waitPumping)
            hooks_.waitPumping(kSettleWaits);
        link_.DeviceVersion = kMouseVersion;
        int version = link_.DeviceVersion;
        if (link_.OpenMouseInterface(entry.vendorId, entry.productId, version)) {
            link_.DeviceVersion = version;
            link_.CurrentVendorId = entry.vendorId;
            link_.CurrentProductId = entry.productId;
            if (hooks_.readDevInfo)
                hooks_.readDevInfo();
            return;
        }
        if (link_.MouseInUse)
            return; // no message while another program holds it: the next tick tries again
        if (hooks_.deviceLost)
            hooks_.deviceLost();
    }
}

} // namespace tarq
