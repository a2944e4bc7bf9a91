// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the gun page tests start: the real main form after its first device check read an
// emulated mouse whose fire macro area holds the sample records, shown in game view, with its
// messages collected and its files in a scratch folder.

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

#include "app/Main.h"
#include "device/ui/DeviceCommands.h"
#include "firemacros/GunRecords.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"

namespace tarq::testing {

struct GunForm {
    // Without `sampleRecords` the mouse keeps the default image's fire macros: all empty.
    explicit GunForm(std::function<PlatformCapture()> inputCapture = {}, bool sampleRecords = true,
                     bool driverMode = false)
        : device(driverMode, nullptr, std::move(inputCapture))
    {
        const FireMacroArea records = GunRecords();
        if (sampleRecords)
            std::copy(records.begin(), records.end(), device.mouse->memory().begin() + 0x500);
        form.ShowStandardMessage = [this](const QString& text) { messages << text; };
        form.ShowDialogMessage = [this](const QString& text) { messages << text; };
        form.State().DataFolder = dir.path() + QLatin1Char('/');
        form.State().AppFolder = dir.path() + QLatin1Char('/');
        form.Commands().DevTimerTimer();
        form.State().NoDeviceView = false;
        form.show();
        form.Nav().ChangeView(View::Game);
    }

    // The gun page for button k, as a person opens it: the button's function menu, then its
    // Fire Macro entry.
    void OpenGunPageFor(int k)
    {
        testing::Click(form.control(QStringLiteral("Key%1").arg(k)));
        testing::Click(form.control("Key_FireMacro"));
    }
    // A double click on the page background shows the fire macro editor.
    void OpenEditor() { QTest::mouseDClick(form.control("Img_Base_5"), Qt::LeftButton, {}, QPoint(5, 5)); }

    FormWithMouse device;
    TForm1& form = *device.form;
    QTemporaryDir dir;
    QStringList messages;
};

} // namespace tarq::testing
