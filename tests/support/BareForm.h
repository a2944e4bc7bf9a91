#pragma once
// The real main form on an empty emulated bus: no mouse is found and nothing of the machine's
// own HID devices is opened. Its waits run on a virtual clock.

#include "app/Main.h"
#include "device/emulator/EmulatedHidBus.h"
#include "device/emulator/VirtualWaiter.h"

namespace tarq::testing {

// Built before the form, which keeps pointers to them.
struct EmptyBuses {
    VirtualWaiter waiter;
    EmulatedHidBus bus;
};

class BareForm : private EmptyBuses, public TForm1 {
public:
    BareForm() : TForm1(nullptr, Options(bus, waiter)) {}
    VirtualWaiter& Clock() { return waiter; }

private:
    static DeviceOptions Options(HidBus& bus, Waiter& waiter)
    {
        DeviceOptions options;
        options.hidBus = &bus;
        options.waiter = &waiter;
        return options;
    }
};

} // namespace tarq::testing
