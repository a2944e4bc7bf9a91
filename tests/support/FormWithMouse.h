// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The real main form on an emulated bus with the emulated mouse plugged in (its memory the
// first default image), for tests that need a mouse to be open or to be found. Transfers wait
// on a virtual clock, so a verified write takes microseconds instead of five seconds. The
// system pointer settings live in memory unless a test hands in another store. The prompts are
// answered by `prompts`.

#include "app/Main.h"
#include "config/DefaultImages.h"
#include "device/DeviceSession.h"
#include "device/emulator/EmulatedDriver.h"
#include "device/emulator/EmulatedHidBus.h"
#include "device/emulator/VirtualWaiter.h"
#include "settings/memory/MemoryPointerSettingsStore.h"
#include "support/ScriptedPrompts.h"

#include <memory>

namespace tarq::testing {

struct FormWithMouse {
    explicit FormWithMouse(bool driverMode = false, PointerSettingsStore* pointerSettings = nullptr,
                           std::function<PlatformCapture()> inputCapture = {})
    {
        mouse->loadMemory(DefaultImage(1));
        mouse->sleeper = [this](int ms) { waiter.sleep(ms); };
        form = std::make_unique<TForm1>(nullptr, DeviceOptions{false, driverMode, bus.get(), &driverBus, &waiter,
                                                               pointerSettings ? pointerSettings : &pointerStore,
                                                               std::move(inputCapture)});
        form->ReplacePrompts(&prompts);
    }

    // Opens the mouse the way the device check does, without reading it.
    bool OpenMouse()
    {
        int version = kMouseVersion;
        return form->Device().Link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version);
    }

    VirtualWaiter waiter;
    std::shared_ptr<EmulatedMouse> mouse = std::make_shared<EmulatedMouse>();
    std::unique_ptr<EmulatedHidBus> bus = EmulatedHidBus::withMouse(mouse);
    std::shared_ptr<EmulatedDriver> driver = std::make_shared<EmulatedDriver>();
    EmulatedDriverBus driverBus{driver, mouse->driverIdentifier};
    MemoryPointerSettingsStore pointerStore;
    // Questions are answered no and dialogs cancelled unless a test answers them.
    ScriptedPrompts prompts;
    std::unique_ptr<TForm1> form;
};

} // namespace tarq::testing
