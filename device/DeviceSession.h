// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Everything the program talks to devices with, put together once: the buses (the system's,
// the demo's emulated ones, or buses a test hands in), the device link, the feature-report
// protocol, the driver channel.

#include "device/DeviceLink.h"
#include "device/HidArrivalMonitor.h"
#include "device/DriverChannel.h"
#include "device/FeatureProtocol.h"
#include "device/QtWaiter.h"
#include "device/emulator/DemoDevices.h"

#include <memory>

namespace tarq {

class DeviceSession {
    // Declared first: the link below keeps references to these buses.
    std::unique_ptr<HidBus> ownedHid_;
    std::unique_ptr<DriverBus> ownedDriver_;
    std::unique_ptr<DemoDevices> demo_;

public:
    // The system's buses (hidraw or SetupAPI).
    static std::unique_ptr<DeviceSession> ForSystem();
    // The emulated mouse and driver of --demo.
    static std::unique_ptr<DeviceSession> ForDemo(DemoFiles files);
    // Buses owned by the caller (tests); driverBus may be null. A waiter given here (a virtual
    // clock in tests) replaces the one that really sleeps.
    static std::unique_ptr<DeviceSession> ForBuses(HidBus& hidBus, DriverBus* driverBus, Waiter* waiter = nullptr);

    DeviceLink Link;
    QtWaiter RealWaiter;
    Waiter& ProtocolWaiter;
    FeatureProtocol Protocol{Link, ProtocolWaiter};
    DriverChannel Driver{Link};

    // The demo's devices, to pull the plug from the tray menu; null otherwise.
    DemoDevices* Demo() { return demo_.get(); }

    // The system's notice of HID arrivals and removals (Linux udev); null otherwise.
    std::unique_ptr<HidArrivalMonitor> ArrivalMonitor;

private:
    DeviceSession(std::unique_ptr<HidBus> ownedHid, std::unique_ptr<DriverBus> ownedDriver,
                  std::unique_ptr<DemoDevices> demo, HidBus& hid, DriverBus* driver, Waiter* waiter = nullptr);
};

} // namespace tarq
