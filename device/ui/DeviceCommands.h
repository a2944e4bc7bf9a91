// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The device side of the main form: the device check run by the two device timers, the
// no-device state, reading the mouse (or the companion driver) after it is found, and the
// user's transfer commands: Read, Apply, Confirm, the resets, Save and Load Profile.
//
// Handlers keep the names the form's controls are wired to. Byte rules and command sequences
// are in the core (device/ImageTransfer.h, device/DriverChannel.h, config/); this class
// decides what the user sees. It works on the application context, the configuration and the
// device timers, its controls and the window's services; it calls the navigation, the settings
// mapping and the owners of the pages it empties directly, and asks the configuration's home
// which transfer step each command takes.

#include "device/DeviceMonitor.h"
#include "device/ImageTransfer.h"
#include "device/ui/ConfigurationHome.h"
#include "ui/pages/FrameControls.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>

class QLabel;

namespace tarq {

class DeviceSession;
class GunKeyListEditor;
class MacroEditor;
class Navigation;
class PointerSettingsEditor;
class SettingsMapping;
class WindowServices;
struct AppContext;
struct ConfigurationState;
struct DeviceTimers;
struct EngineerPageControls;

class DeviceCommands : public ConfigurationHome::Transfers {
public:
    // The pages' owners it asks: `pointer` shows the system's pointer settings again after
    // each read of the mouse and applies them before an EEPROM-mode Apply writes the image;
    // `macros` and `gunKeys` empty their lists in the no-device state.
    struct PageOwners {
        PointerSettingsEditor& pointer;
        MacroEditor& macros;
        GunKeyListEditor& gunKeys;
    };
    // `engineer` carries the engineer page's commands, its result picture and the edits that
    // show the codes read from the mouse.
    DeviceCommands(AppContext& app, ConfigurationState& config, DeviceTimers& timers, const FrameCopies& frames,
                   const EngineerPageControls& engineer, WindowServices& window, DeviceSession& device,
                   Navigation& nav, SettingsMapping& settings, PageOwners pages);
    ~DeviceCommands();

    // Connects the Read, Apply, Confirm, reset, Default, Save and Load controls and the two
    // device timers.
    void Wire();

    // The system's own messages: no mouse (finding it, plug it in), a foreign mouse, a failed write.
    static constexpr int kTextFindingDevice = 20, kTextNoDevice = 100, kTextCheckAttached = 101;
    static constexpr int kTextForeignMouse = 107, kTextWriteFailed = 109;
    // Texts of the transfers beyond the system's own messages.
    static constexpr int kTextReading = 904, kTextWriting = 905, kTextVerifying = 906;
    static constexpr int kTextWritten = 907, kTextRead = 908, kTextNoAnswer = 909, kTextNotReady = 910;
    static constexpr int kTextNoRights = 900, kTextNoRightsFix = 901, kTextCannotKeep = 902;
    // A profile that fails its check (the failing parts are texts 704 to 708), a write cut by
    // an unplug, and the offer to write again once the mouse is back.
    static constexpr int kTextProfileFails = 703, kTextFirstProfileFault = 704;
    static constexpr int kTextWriteCut = 720, kTextWriteAgain = 721;

    // ---- connection monitoring ----
    void DevTimerTimer();
    // The system reported a HID interface coming or going: run the device check now, unless
    // DevTimer is stopped (a transfer or the key test is using the mouse).
    void WakeDeviceCheck();
    void DeviceLost();
    void RefreshErrorAP();
    void InitNoDevice();
    void ReadDevInfo();
    DeviceMonitor& Monitor() { return *monitor_; }

    // ---- user commands ----
    void Btn_Read_0Click();
    void Btn_Apply_0Click();
    void Btn_Confirm_0Click();
    void Btn_Confirm1_1Click();
    void Btn_Confirm2_1Click();
    void Btn_Confirm3_1Click();
    void Btn_DefaultClick();
    void Btn_Save_0Click();
    void Btn_Load_0Click();

    // ---- operations ----
    void Btn_Read();
    // The steps the configuration's home chooses between (see ConfigurationHome::Transfers).
    void ReadMouseDevInfo() override;
    void ReadDriverDevInfo() override;
    bool DownloadParameter() override;
    void DownloadDriverParameter() override;
    void TLDefaultParameter(const QString& fileName) override;
    void TLDefaultDriverParameter(const QString& fileName) override;
    bool SaveImageProfile(const QString& target, QString* error) override;
    bool SaveDriverProfile(const QString& target, QString* error) override;
    void LoadImageProfile(const QByteArray& file, const QString& chosen) override;
    void LoadDriverProfile(const QByteArray& file) override;
    void MemoToDataBuf_OnClick();
    // Unpacks DeviceImage into DataBuf (with the section checks) and the macro areas.
    void UnpackDeviceImage();

    // The brief success note in the footer band, between the footer text and the page's buttons.
    void ShowSuccess(int textId);

    // The questions asked before the mouse's contents are lost.
    static constexpr int kTextResetQuestion = 862, kTextCodesQuestion = 864, kTextForeignQuestion = 865;

    // A write to the mouse (of DeviceImage) was cut by an unplug: the device-lost message says
    // so, and once the mouse is back and read the user is offered to write the image again.
    // Loses the mouse at once when the protocol found it gone.
    void WriteCutByUnplug();

private:
    bool RefuseWithoutDevice();
    // Apply after the pressed picture: Apply and Confirm each show their own. False when the
    // user chose not to write.
    bool ApplyToDevice();
    // A yes to a question asked through the window's prompts.
    bool Confirmed(const QString& question) const;
    // Before an Apply writes `image`: a mouse whose codes were refused holds settings this
    // program never read, and codes the identity check would refuse lock the program out of
    // the mouse. Either is written only after a yes.
    bool MayWriteImage(std::span<const uint8_t> image);
    // After a write: the mouse now carries the codes of the image written.
    void NoteWrittenCodes(const WriteOutcome& outcome, std::span<const uint8_t> image);
    // A transfer that ended because the mouse went away shows the device-lost state at once.
    void LoseMouseIfGone();
    // The outcome of a write the user asked for: a brief note on success, a message that names
    // what failed otherwise.
    void ReportWriteOutcome(const WriteOutcome& outcome);
    void ShowNoDeviceOnPages(bool noDevice);
    void ResetToDefaults(int number);
    void ShowPressed(FrameButton FrameControls::*button);
    void SaveCpiAndLedRecordFile();
    void LoadCpiAndLedRecord();
    // After a write cut by an unplug and the mouse's return: asks, then writes the image again.
    void OfferToWriteAgain();

    AppContext& app_;
    ConfigurationState& config_;
    DeviceTimers& timers_;
    const FrameCopies& frames_;
    const EngineerPageControls& engineer_;
    WindowServices& window_;
    DeviceSession& device_;
    Navigation& nav_;
    SettingsMapping& settings_;
    PageOwners pages_;
    std::unique_ptr<DeviceMonitor> monitor_;
    QTimer arrivalSettle_;
    std::unique_ptr<QSocketNotifier> arrivalNotifier_;
    bool readCompleted_ = false;
    // The codes of an open mouse that the identity check refused; nothing while it accepted them.
    std::optional<std::pair<uint8_t, uint8_t>> foreignCodes_;

    std::optional<DeviceImage> cutWrite_; // the image a write cut by an unplug was sending
    QPointer<QLabel> successNote_;        // the brief success note, made on first use
};

} // namespace tarq
