// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/DeviceSession.h"

#include "device/PlatformBuses.h"

namespace tarq {

DeviceSession::DeviceSession(std::unique_ptr<HidBus> ownedHid, std::unique_ptr<DriverBus> ownedDriver,
                             std::unique_ptr<DemoDevices> demo, HidBus& hid, DriverBus* driver, Waiter* waiter)
    : ownedHid_(std::move(ownedHid)), ownedDriver_(std::move(ownedDriver)), demo_(std::move(demo)), Link(hid, driver),
      ProtocolWaiter(waiter ? *waiter : static_cast<Waiter&>(RealWaiter))
{
}

std::unique_ptr<DeviceSession> DeviceSession::ForSystem()
{
    // The window's events run while a report keeps the kernel waiting; the session (and its
    // waiter) outlives every device its bus opens.
    auto pump = std::make_shared<QtWaiter*>(nullptr);
    auto hid = CreateSystemHidBus([pump] {
        if (*pump)
            (*pump)->pump();
    });
    auto driver = CreateSystemDriverBus();
    HidBus& hidRef = *hid;
    DriverBus* driverPtr = driver.get();
    auto session = std::unique_ptr<DeviceSession>(new DeviceSession(std::move(hid), std::move(driver), nullptr, hidRef, driverPtr));
    *pump = &session->RealWaiter;
    session->ArrivalMonitor = CreateSystemArrivalMonitor();
    return session;
}

std::unique_ptr<DeviceSession> DeviceSession::ForDemo(DemoFiles files)
{
    auto demo = std::make_unique<DemoDevices>(std::move(files));
    HidBus& hid = demo->hidBus();
    DriverBus* driver = &demo->driverBus();
    return std::unique_ptr<DeviceSession>(new DeviceSession(nullptr, nullptr, std::move(demo), hid, driver));
}

std::unique_ptr<DeviceSession> DeviceSession::ForBuses(HidBus& hidBus, DriverBus* driverBus, Waiter* waiter)
{
    return std::unique_ptr<DeviceSession>(new DeviceSession(nullptr, nullptr, nullptr, hidBus, driverBus, waiter));
}

} // namespace tarq
