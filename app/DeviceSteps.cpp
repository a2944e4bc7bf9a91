// SPDX-License-Identifier: GPL-2.0-or-later
// The form's device steps: the default images, the device link with its buses (the system's,
// the demo's emulated mouse, or a test's), the device check, and the demo's plug.

#include "app/Main.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QSystemTrayIcon>

#include "app/DemoPointerButtons.h"
#include "config/DefaultImages.h"
#include "device/DeviceSession.h"
#include "device/ui/DeviceCommands.h"
#include "platform/AtomicSave.h"
#include "platform/SaveFailureNotice.h"
#include "settings/ui/PointerSettingsEditor.h"
#include "ui/skin/Resources.h"

namespace tarq {

// The built-in default images, and the manufacturer and product codes a mouse must carry
// (those of the first image).
void TForm1::ReadDefaultImage()
{
    for (int n = 1; n <= kDefaultImageCount; ++n) {
        const QByteArray bytes = ResourceBytes(QString::fromLatin1(DefaultImageResourceName(n).data(),
                                                                   static_cast<qsizetype>(DefaultImageResourceName(n).size())));
        // The resources are built from the same table; the table is the fallback if one is missing.
        if (bytes.size() >= static_cast<qsizetype>(kDeviceImageSize))
            std::copy_n(bytes.begin(), kDeviceImageSize, state_.DefaultImages[n - 1].begin());
        else
            state_.DefaultImages[n - 1] = DefaultImage(n);
    }
    state_.ExpectedVendorCode = state_.DefaultImages[0][layout::kDeviceCodesAddress];
    state_.ExpectedProductCode = state_.DefaultImages[0][layout::kDeviceCodesAddress + 1];
}

// The device link starts with no mouse open and this build's identity in its table. The first
// call builds the device session on the buses the form was given, and the device commands.
void TForm1::ResetDeviceLink()
{
    if (!device_) {
        if (deviceOptions_.hidBus) {
            device_ = DeviceSession::ForBuses(*deviceOptions_.hidBus, deviceOptions_.driverBus, deviceOptions_.waiter);
        } else if (deviceOptions_.demo) {
            const QString folder = state_.DataFolder.isEmpty() ? state_.AppFolder : state_.DataFolder;
            DemoFiles files;
            files.mouseMemory = (folder + QLatin1String(kDemoMouseMemoryFile)).toStdString();
            files.driverStore = (folder + QLatin1String(kDemoDriverStoreFile)).toStdString();
            files.save = [this](const std::string& path, std::span<const uint8_t> bytes) {
                QString error;
                const QString file = QString::fromStdString(path);
                const bool saved = SaveOwnFile(file, bytes, &error);
                if (!saved)
                    ReportSaveFailure(this, ShowDialogMessage, state_.Text(DeviceCommands::kTextCannotKeep), file, error);
                return saved;
            };
            device_ = DeviceSession::ForDemo(std::move(files));
            AddDemoPlug();
        } else {
            device_ = DeviceSession::ForSystem();
        }
        if (deviceOptions_.driverMode)
            state_.Home.Choose(ConfigurationMode::Driver);
        commands_ = std::make_unique<DeviceCommands>(state_, state_, state_, frames_, engineerPage_, *this, *device_, *nav_, *settings_,
                                                     DeviceCommands::PageOwners{*pointer_, *macroEditor_, *gunKeys_});
        commands_->Wire();
    }
    device_->Link.ResetLink();
}

// The demo's plug: a tray menu entry and Ctrl+Shift+U pull the emulated mouse out or put it
// back, so the device-lost path can be seen without hardware. The buttons pressed over the
// window are the emulated mouse's, for the key test.
void TForm1::AddDemoPlug()
{
    auto toggle = [this] {
        if (DemoDevices* demo = device_->Demo())
            demo->setMousePlugged(!demo->mousePlugged());
    };
    if (DemoDevices* demo = device_->Demo())
        new DemoPointerButtons(this, demo->mouse());
    auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+U")), this);
    connect(shortcut, &QShortcut::activated, this, toggle);
    if (!trayIcon_)
        return;
    auto* menu = new QMenu(this);
    QAction* plug = menu->addAction(QStringLiteral("Unplug the emulated mouse"));
    connect(plug, &QAction::triggered, this, toggle);
    connect(menu, &QMenu::aboutToShow, this, [this, plug] {
        const bool plugged = device_->Demo() && device_->Demo()->mousePlugged();
        plug->setText(plugged ? QStringLiteral("Unplug the emulated mouse") : QStringLiteral("Plug in the emulated mouse"));
    });
    trayIcon_->setContextMenu(menu);
}

} // namespace tarq
