// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An emulated HID bus: the mouse's configuration interface, its pointer interface of the same
// identity with another report length, unrelated devices and interfaces that refuse to open.
// Interfaces can be plugged and unplugged while the program runs.

#include "device/HidBus.h"
#include "device/emulator/EmulatedMouse.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace tarq {

class EmulatedHidBus : public HidBus {
public:
    struct Interface {
        std::string path;
        HidAttributes attributes;
        bool openable = true;
        bool present = true;
        std::shared_ptr<EmulatedMouse> firmware; // null: a device that never answers reports
        // Why an interface that is not openable fails; PermissionDenied: a node without access rights.
        HidOpenFailure refusal = HidOpenFailure::Busy;
    };

    // A bus with the emulated mouse plugged in: its configuration interface (8-byte feature
    // reports), its pointer interface (no feature reports) and a keyboard.
    static std::unique_ptr<EmulatedHidBus> withMouse(std::shared_ptr<EmulatedMouse> mouse);

    Interface& add(Interface iface);
    Interface* find(const std::string& path);

    // Plug or unplug every interface backed by this firmware (the whole USB device).
    void setMousePresent(const std::shared_ptr<EmulatedMouse>& mouse, bool present);

    std::vector<std::string> interfacePaths() override;
    std::unique_ptr<HidDevice> open(const std::string& path) override;
    HidAttributes describe(const std::string& path) override;
    HidOpenFailure lastOpenFailure() const override { return lastOpenFailure_; }

    int opens() const { return opens_; }

private:
    // A mouse that pulled its own plug (a fault of the firmware model) is gone from the bus too.
    static bool present(const Interface& i) { return i.present && (!i.firmware || i.firmware->plugged()); }

    std::mutex mutex_; // the key-test worker may talk to an open device while the UI enumerates
    std::vector<Interface> interfaces_;
    int opens_ = 0;
    HidOpenFailure lastOpenFailure_ = HidOpenFailure::None;
};

// The mouse's configuration interface: vendor ID, product ID and version of this build.
EmulatedHidBus::Interface MouseConfigInterface(std::shared_ptr<EmulatedMouse> mouse, std::string path = "emulated:mouse-config");

} // namespace tarq
