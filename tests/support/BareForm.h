// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The real main form on an empty emulated bus: no mouse is found and nothing of the machine's
// own HID devices is opened. Its waits run on a virtual clock. Messages are kept in `Messages`
// and the prompts answered by `Answers` (questions no, kept in `Messages` too) instead of waiting
// in a modal box: a device timer that fires while a slow machine runs a test must not leave the
// test waiting for a click.

#include "app/Main.h"

#include <QStringList>
#include "device/emulator/EmulatedHidBus.h"
#include "device/emulator/VirtualWaiter.h"
#include "support/ScriptedPrompts.h"

namespace tarq::testing {

// Built before the form, which keeps pointers to them.
struct EmptyBuses {
    VirtualWaiter waiter;
    EmulatedHidBus bus;
};

class BareForm : private EmptyBuses, public TForm1 {
public:
    BareForm() : TForm1(nullptr, Options(bus, waiter)), ownStandard_(ShowStandardMessage), ownDialog_(ShowDialogMessage)
    {
        ShowStandardMessage = [this](const QString& text) { Messages << text; };
        ShowDialogMessage = [this](const QString& text) { Messages << text; };
        ReplacePrompts(&Answers);
    }
    VirtualWaiter& Clock() { return waiter; }
    QStringList Messages;
    ScriptedPrompts Answers{&Messages};

    // Puts back the program's own modal message boxes, for a test that reads them off the screen.
    void UseOwnMessageBoxes()
    {
        ShowStandardMessage = ownStandard_;
        ShowDialogMessage = ownDialog_;
    }

private:
    std::function<void(const QString&)> ownStandard_, ownDialog_;

    static DeviceOptions Options(HidBus& bus, Waiter& waiter)
    {
        DeviceOptions options;
        options.hidBus = &bus;
        options.waiter = &waiter;
        return options;
    }
};

} // namespace tarq::testing
