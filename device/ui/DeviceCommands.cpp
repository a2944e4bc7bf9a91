// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/ui/DeviceCommands.h"

#include "firemacros/FireMacro.h"
#include "skin/LayoutKeys.h"

#include "device/ui/BusyScope.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "config/ImageSections.h"
#include "config/ui/SettingsMapping.h"
#include "device/DeviceSession.h"
#include "device/DriverChannel.h"
#include "device/ImageTransfer.h"
#include "device/ProfileCheck.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"
#include "platform/SaveFailureNotice.h"
#include "firemacros/ui/GunKeyListEditor.h"
#include "macros/ui/MacroEditor.h"
#include "settings/ui/PointerSettingsEditor.h"
#include "ui/FileDialogs.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"
#include "ui/pages/EngineerPageControls.h"

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>

namespace tarq {
namespace {

constexpr int kSettleBeforeCommand = 11;   // WaitPumping count before a command touches the device
constexpr const char* kRecordFile = "DriverTempCPIAndLedData.bin";
constexpr const char* kPressedPicture = "BtnS_03";
constexpr int kArrivalSettleMs = 250;      // after the last arrival notice, before the check
constexpr int kOutcomeShownMs = 2500;      // how long a success note stays up

// Up to `limit` bytes of a regular file; nothing when it cannot be opened (then `error` says why).
std::optional<QByteArray> ReadFilePrefix(const QString& path, qint64 limit, QString* error = nullptr)
{
    const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, limit, error);
    if (!bytes)
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char*>(bytes->data()), static_cast<qsizetype>(bytes->size()));
}

std::span<const uint8_t> Bytes(const QByteArray& a)
{
    return {reinterpret_cast<const uint8_t*>(a.constData()), static_cast<size_t>(a.size())};
}

// The footer band holds the footer text at its left and the page's own buttons (Reset, Apply,
// Confirm...) at its right: the note sits in the free middle between them, so it covers neither.
QPoint SuccessNotePlace(QWidget* window, QSize note)
{
    constexpr int kFooterBand = 72, kGap = 24;
    const int bandTop = window->height() - kFooterBand;
    int textRight = 0, buttonsLeft = window->width(), buttonsMiddle = window->height() - kFooterBand / 2;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window))
            continue;
        const QRect r(child->mapTo(window, QPoint(0, 0)), child->size());
        if (r.top() < bandTop || r.bottom() >= window->height())
            continue;
        const QString name = child->objectName();
        if (name.startsWith(QLatin1String("lbl_Footer_"))) {
            const auto* label = static_cast<QLabel*>(child);
            textRight = std::max(textRight, r.left() + label->fontMetrics().horizontalAdvance(label->text()));
        } else if (name.startsWith(QLatin1String("Btn_")) && r.left() < buttonsLeft) {
            buttonsLeft = r.left();
            buttonsMiddle = r.center().y();
        }
    }
    const int freeMiddle = (textRight + buttonsLeft) / 2;
    const int x = std::clamp(freeMiddle - note.width() / 2, 0, std::max(0, buttonsLeft - kGap - note.width()));
    return {x, buttonsMiddle - note.height() / 2};
}

} // namespace

DeviceCommands::DeviceCommands(AppContext& app, ConfigurationState& config, DeviceTimers& timers,
                               const FrameCopies& frames, const EngineerPageControls& engineer, WindowServices& window,
                               DeviceSession& device, Navigation& nav, SettingsMapping& settings,
                               PageOwners pages)
    : app_(app), config_(config), timers_(timers), frames_(frames), engineer_(engineer), window_(window), device_(device), nav_(nav), settings_(settings),
      pages_(pages)
{
    monitor_ = std::make_unique<DeviceMonitor>(device_.Link, DeviceMonitor::Hooks{
        [this](int n) { window_.WaitPumping(n); },
        [this] { DeviceLost(); },
        [this] { ReadDevInfo(); },
        [this] { return device_.Protocol.TakeDeviceGone(); },
    });
    device_.Protocol.ShowProgress = [this] { window_.ShowLoadingScreen(); };
    device_.Protocol.OnProgress = [this](const TransferProgress& p) {
        const int text = p.stage == TransferStage::Reading ? kTextReading : p.stage == TransferStage::Writing ? kTextWriting : kTextVerifying;
        window_.ShowLoadingProgress(app_.Text(text), p.done, p.total);
    };
    // The system tells when a HID interface comes or goes: the device check runs shortly after
    // (once a plugged device's interfaces have all appeared) instead of at the next timer tick.
    if (HidArrivalMonitor* arrivals = device_.ArrivalMonitor.get()) {
        arrivalSettle_.setSingleShot(true);
        arrivalSettle_.setInterval(kArrivalSettleMs);
        QObject::connect(&arrivalSettle_, &QTimer::timeout, &arrivalSettle_, [this] { WakeDeviceCheck(); });
        arrivalNotifier_ = std::make_unique<QSocketNotifier>(arrivals->fd(), QSocketNotifier::Read);
        QObject::connect(arrivalNotifier_.get(), &QSocketNotifier::activated, arrivalNotifier_.get(), [this, arrivals] {
            if (arrivals->takeChanges())
                arrivalSettle_.start();
        });
    }
}

DeviceCommands::~DeviceCommands() = default;

void DeviceCommands::Wire()
{
    struct FrameCommand { FrameButton FrameControls::*button; void (DeviceCommands::*handler)(); };
    const FrameCommand commands[] = {
        {&FrameControls::read, &DeviceCommands::Btn_Read_0Click},         {&FrameControls::apply, &DeviceCommands::Btn_Apply_0Click},
        {&FrameControls::confirm, &DeviceCommands::Btn_Confirm_0Click},   {&FrameControls::confirm1, &DeviceCommands::Btn_Confirm1_1Click},
        {&FrameControls::confirm2, &DeviceCommands::Btn_Confirm2_1Click}, {&FrameControls::confirm3, &DeviceCommands::Btn_Confirm3_1Click},
        {&FrameControls::save, &DeviceCommands::Btn_Save_0Click},         {&FrameControls::load, &DeviceCommands::Btn_Load_0Click},
    };
    for (const FrameCommand& c : commands)
        for (const FrameControls& frame : frames_)
            if (TSkinLabel* label = (frame.*c.button).button)
                QObject::connect(label, &TSkinLabel::clicked, label, [this, h = c.handler] { (this->*h)(); });

    struct Command { QPushButton* button; void (DeviceCommands::*handler)(); };
    const Command engineer[] = {
        {engineer_.load, &DeviceCommands::Btn_Load_0Click}, {engineer_.save, &DeviceCommands::Btn_Save_0Click},
        {engineer_.write, &DeviceCommands::Btn_Apply_0Click}, {engineer_.defaults, &DeviceCommands::Btn_DefaultClick},
    };
    for (const Command& c : engineer)
        QObject::connect(c.button, &QPushButton::clicked, c.button, [this, h = c.handler] { (this->*h)(); });

    // The device check: fast until the first search has acted, then every three seconds.
    QObject::connect(&timers_.DevTimer, &QTimer::timeout, &timers_.DevTimer, [this] { DevTimerTimer(); });
    QObject::connect(&timers_.DevTimerFirst, &QTimer::timeout, &timers_.DevTimerFirst, [this] { DevTimerTimer(); });
}

// ---------------------------------------------------------------- connection monitoring

void DeviceCommands::DevTimerTimer() { monitor_->DevTimerTimer(); }

void DeviceCommands::WakeDeviceCheck()
{
    // A stopped DevTimer means a transfer or the key test owns the mouse: the check waits for
    // the timer, so that two exchanges never interleave. While DevTimerFirst runs it is due anyway.
    if (timers_.DevTimer.isActive() && !timers_.DevTimerFirst.isActive())
        DevTimerTimer();
}

void DeviceCommands::DeviceLost()
{
    foreignCodes_.reset();
    nav_.HideAllMenu();
    RefreshErrorAP();   // the macro page's lists are emptied there
    pages_.gunKeys.ClearForNoMouse();
    config_.LedTypeName.clear();
    // The pages stay covered until a mouse is found again.
    window_.ShowBusyOverlays();
    ShowNoDeviceOnPages(true);
    timers_.DevTimerFirst.stop();
    timers_.DevTimer.start();
    // On Linux the mouse's node can be there but closed to this user: say so, and how to fix
    // it, instead of asking to plug in a mouse that is plugged in.
    DeviceLink& link = device_.Link;
    const std::string refused = link.hidBus().permissionRefusedPath(link.DeviceIdTable[0].vendorId, link.DeviceIdTable[0].productId);
    // One message for one unplug: a write it cut short is named in it.
    const QString cut = cutWrite_ ? QStringLiteral("\r\r") + app_.Text(kTextWriteCut) : QString();
    if (!refused.empty()) {
        nav_.RefreshFormMessagDialog(app_.Text(kTextNoRights) + QStringLiteral("\r") + QString::fromStdString(refused)
                                     + QStringLiteral("\r\r") + app_.Text(kTextNoRightsFix) + cut);
        return;
    }
    nav_.RefreshFormMessagDialog(app_.Text(kTextNoDevice) + QStringLiteral("\r\r") + app_.Text(kTextCheckAttached) + cut);
}

void DeviceCommands::ShowNoDeviceOnPages(bool noDevice)
{
    // The overlay that takes the pages' clicks says why while no mouse is there; during a
    // transfer it stays a plain, clear cover.
    for (const FrameControls& frame : frames_) {
        QLabel* overlay = frame.overlay;
        if (!overlay)
            continue;
        overlay->setAlignment(Qt::AlignCenter);
        overlay->setText(noDevice ? app_.Text(kTextNoDevice) : QString());
        overlay->setStyleSheet(noDevice ? QStringLiteral("QLabel { background: rgba(6, 8, 12, 160); color: rgb(235, 238, 242);"
                                                         " font-size: 24px; font-weight: bold; }")
                                        : QString());
    }
}

void DeviceCommands::ShowSuccess(int textId)
{
    QWidget* window = window_.Window();
    if (!window)
        return;
    // Made on first use, after the controls were indexed: the window owns it, it is no control.
    QLabel* note = successNote_;
    if (!note) {
        note = new QLabel(window);
        successNote_ = note;
        note->setObjectName(QStringLiteral("lbl_TransferOutcome"));
        note->setAlignment(Qt::AlignCenter);
        note->setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 200); color: rgb(0, 200, 120);"
                                           " border-radius: 8px; padding: 8px 18px; font-weight: bold; }"));
        note->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    note->setText(QStringLiteral("\u2714 ") + app_.Text(textId));
    note->adjustSize();
    note->move(SuccessNotePlace(window, note->size()));
    note->show();
    note->raise();
    QTimer::singleShot(kOutcomeShownMs, note, &QWidget::hide);
}

void DeviceCommands::ReportWriteOutcome(const WriteOutcome& outcome)
{
    if (device_.Protocol.DeviceGone()) {
        // The device-lost state says it; a write that had begun is named in that one message.
        if (outcome.wrote && !outcome.verify.transferred)
            cutWrite_ = config_.DeviceImage;
        return;
    }
    if (outcome.exchange == ExchangeState::NoAnswer)
        nav_.RefreshFormMessagDialog(app_.Text(kTextNoAnswer));
    else if (outcome.exchange == ExchangeState::NotReady || !outcome.configReady)
        nav_.RefreshFormMessagDialog(app_.Text(kTextNotReady));
    else if (outcome.verify.mismatch())
        nav_.RefreshFormMessagDialog(app_.Text(kTextWriteFailed));
    else if (outcome.verify.verified())
        ShowSuccess(kTextWritten);
    // Not written because the chip does not store this kind of write: the file is only shown.
}

void DeviceCommands::LoseMouseIfGone()
{
    if (device_.Protocol.TakeDeviceGone())
        monitor_->MouseGone();
}

void DeviceCommands::WriteCutByUnplug()
{
    cutWrite_ = config_.DeviceImage;
    LoseMouseIfGone();
}

void DeviceCommands::OfferToWriteAgain()
{
    if (!cutWrite_ || !device_.Link.mouseOpen())
        return;
    const DeviceImage wanted = *cutWrite_;
    cutWrite_.reset();
    if (!window_.Prompts().Confirm(app_.Text(kTextWriteAgain)))
        return;
    config_.DeviceImage = wanted;
    UnpackDeviceImage();
    settings_.DataBufToUI();
    {
        const BusyScope busy(timers_, window_);
        window_.ShowLoadingScreen();
        const WriteOutcome outcome = WriteImageToMouse(device_.Protocol, config_.DeviceImage, false, &device_.Link.MouseMemory);
        window_.HideLoadingScreen();
        ReportWriteOutcome(outcome);
    }
    LoseMouseIfGone();
}

// The no-device state: the first default image on every page, the first page alone, and the
// page buttons drawn as unavailable.
void DeviceCommands::RefreshErrorAP()
{
    InitNoDevice();
    app_.NoDeviceView = true;
    nav_.ShowOnlyPage(1);
    for (const FrameControls& frame : frames_) {
        frame.main.picture->setPicture(QStringLiteral("SetS_03"));
        for (const FrameButton& button : {frame.second, frame.adv, frame.breath, frame.macro, frame.engineer})
            button.picture->setPicture(QStringLiteral("SetS_01"));
    }
}

void DeviceCommands::InitNoDevice()
{
    config_.DeviceImage = config_.DefaultImages[0];
    pages_.macros.ClearForNoMouse();
    UnpackDeviceImage();
    settings_.DataBufToUI();
}

void DeviceCommands::UnpackDeviceImage()
{
    UnpackImage(config_.DeviceImage, config_.DataBuf, config_.MacroAreas);
    CopyFireRecordsToWork(config_.MacroAreas.fireMacroArea, config_.FireMacroWork);
}

void DeviceCommands::ReadDevInfo()
{
    ShowNoDeviceOnPages(false);
    config_.Home->Read(*this);
}

void DeviceCommands::ReadMouseDevInfo()
{
    FeatureProtocol& protocol = device_.Protocol;
    const Identity id = IdentifyMouse(protocol, {app_.ExpectedVendorCode, app_.ExpectedProductCode},
                                      {app_.Org.revManuId, app_.Org.revProId});
    if (id.result == IdentifyResult::Accepted || id.result == IdentifyResult::Foreign) {
        engineer_.engineerTab.vendorRead->setText(QString::number(id.manufacturer));
        engineer_.engineerTab.productRead->setText(QString::number(id.product));
    }
    if (id.result == IdentifyResult::Accepted)
        foreignCodes_.reset();
    else if (id.result == IdentifyResult::Foreign)
        foreignCodes_ = std::pair(id.manufacturer, id.product);
    switch (id.result) {
    case IdentifyResult::Silent:
        return;
    case IdentifyResult::Accepted:
        Btn_Read();
        OfferToWriteAgain();
        return;
    case IdentifyResult::Foreign: {
        const BusyScope paused(timers_, window_, BusyScope::TimerOnly);
        window_.ShowStandardMessage(app_.Text(kTextForeignMouse));
        return;
    }
    case IdentifyResult::NotReady:
        // The mouse stays plugged in but unusable until the interface count changes again.
        device_.Link.HidHandle.reset();
        window_.ShowStandardMessage(app_.Text(kTextFindingDevice));
        timers_.DevTimer.start();
        return;
    }
}

void DeviceCommands::LoadCpiAndLedRecord()
{
    const std::optional<QByteArray> file = ReadFilePrefix(app_.DataFile(QLatin1String(kRecordFile)), 4);
    if (file) {
        const CpiAndLedRecord record = *RecordFromFile(Bytes(*file));
        if (CpiAndLedRecordInRange(record)) {
            config_.CpiAndLed = record;
            return;
        }
    }
    // No file, or an empty or damaged one: the driver's record, as on the first read; a damaged
    // file is rewritten so that it is not sent again at the next connect.
    device_.Driver.FetchCpiAndLedRecord(config_.CpiAndLed);
    if (file)
        SaveCpiAndLedRecordFile();
}

void DeviceCommands::SaveCpiAndLedRecordFile()
{
    QString error;
    const QString path = app_.DataFile(QLatin1String(kRecordFile));
    if (!SaveOwnFile(path, config_.CpiAndLed, &error))
        ReportSaveFailure(window_.Window(), window_.ShowDialogMessage, app_.Text(kTextCannotKeep), path, error);
}

void DeviceCommands::ReadDriverDevInfo()
{
    DeviceSession& device = device_;
    config_.AssignedDriverMacros.clear();
    const DriverHandshake handshake = DriverModeHandshake(device.Protocol);
    if (handshake.ledTypeKnown && handshake.result == DriverHandshake::Result::Silent) {
        // The LED type was read before CmdClose failed: it is shown all the same.
        config_.LedTypeName = QLatin1String(LedTypeName(handshake.ledTypeBits));
        settings_.ShowLedType(config_.LedTypeName);
    }
    if (handshake.result == DriverHandshake::Result::Silent)
        return;
    if (handshake.result == DriverHandshake::Result::NotDriverMode) {
        const BusyScope paused(timers_, window_, BusyScope::TimerOnly);
        window_.ShowStandardMessage(app_.Text(kTextFindingDevice));
        return;
    }
    config_.LedTypeName = QLatin1String(LedTypeName(handshake.ledTypeBits));
    settings_.ShowLedType(config_.LedTypeName);

    const BusyScope busy(timers_, window_);
    app_.NoDeviceView = false;

    const bool driverOpen = device.Protocol.SendCommand(CmdDriverId)
        && device.Link.OpenDriverDevice(static_cast<uint16_t>(device.Protocol.ReportBuffer[1] << 8 | device.Protocol.ReportBuffer[2]));
    if (!driverOpen) {
        window_.ShowStandardMessage(app_.Text(kTextFindingDevice));
        window_.HideLoadingScreen();
        return;
    }

    LoadCpiAndLedRecord();
    window_.ShowLoadingScreen();
    LoadCpiAndLedRecord();
    ReadDriverSections(device.Driver, config_.DataBuf);
    window_.HideLoadingScreen();

    // The driver plays the fire key from its own store: a continuous fire key is shown and
    // later sent as the plain fire key code.
    for (int mode = 1; mode <= 2; ++mode)
        for (int button = 1; button <= static_cast<int>(databuf::kButtonCount); ++button)
            if (KeyCodeTextFromBytes(std::span<const uint8_t, 3>(&config_.DataBuf[databuf::KeyCodeOffset(mode, button)], 3)) == "0E00F0")
                config_.DataBuf[databuf::KeyCodeOffset(mode, button)] = static_cast<uint8_t>(KeyCodeType::Macro);
    settings_.DataBufToUI();
    settings_.ShowLedType(config_.LedTypeName);
    settings_.ShowCpiAndLedRecord(config_.CpiAndLed);
    if (SendCpiAndLedRecord(device.Protocol, config_.CpiAndLed))
        SaveCpiAndLedRecordFile();

    std::vector<std::string> codes(config_.OfficeKeyCodes.begin(), config_.OfficeKeyCodes.end());
    codes.insert(codes.end(), config_.GameKeyCodes.begin(), config_.GameKeyCodes.end());
    config_.AssignedDriverMacros = ReadAssignedDriverMacros(device.Driver, codes);
    window_.HideLoadingScreen();
}

// ---------------------------------------------------------------- user commands

void DeviceCommands::ShowPressed(FrameButton FrameControls::*button)
{
    for (const FrameControls& frame : frames_)
        (frame.*button).picture->setPicture(QLatin1String(kPressedPicture));
}

bool DeviceCommands::RefuseWithoutDevice()
{
    if (device_.Link.mouseOpen())
        return false;
    window_.ShowStandardMessage(app_.Text(kTextFindingDevice));
    return true;
}

bool DeviceCommands::Confirmed(const QString& question) const
{
    return window_.Prompts().Confirm(question);
}

bool DeviceCommands::MayWriteImage(std::span<const uint8_t> image)
{
    if (foreignCodes_
        && !Confirmed(app_.Text(kTextForeignQuestion).arg(foreignCodes_->first).arg(foreignCodes_->second)))
        return false;
    const uint8_t manufacturer = image[layout::kDeviceCodesAddress];
    const uint8_t product = image[layout::kDeviceCodesAddress + 1];
    const AcceptedCodes expected{app_.ExpectedVendorCode, app_.ExpectedProductCode};
    if (CodesAccepted(manufacturer, product, expected, {app_.Org.revManuId, app_.Org.revProId}))
        return true;
    return Confirmed(app_.Text(kTextCodesQuestion)
                         .arg(manufacturer)
                         .arg(product)
                         .arg(expected.manufacturer)
                         .arg(expected.product));
}

void DeviceCommands::NoteWrittenCodes(const WriteOutcome& outcome, std::span<const uint8_t> image)
{
    if (!outcome.wrote || !outcome.verify.transferred)
        return;
    const uint8_t manufacturer = image[layout::kDeviceCodesAddress];
    const uint8_t product = image[layout::kDeviceCodesAddress + 1];
    if (CodesAccepted(manufacturer, product, {app_.ExpectedVendorCode, app_.ExpectedProductCode},
                      {app_.Org.revManuId, app_.Org.revProId}))
        foreignCodes_.reset();
    else
        foreignCodes_ = std::pair(manufacturer, product);
}

void DeviceCommands::Btn_Read_0Click()
{
    ShowPressed(&FrameControls::read);
    if (RefuseWithoutDevice())
        return;
    readCompleted_ = false;
    ReadDevInfo();
    if (readCompleted_ && !device_.Protocol.DeviceGone())
        ShowSuccess(kTextRead);
    LoseMouseIfGone();
}

void DeviceCommands::Btn_Read()
{
    const BusyScope busy(timers_, window_);
    window_.ShowLoadingScreen();
    ReadImageAndClose(device_.Protocol, config_.DeviceImage, &device_.Link.MouseMemory);
    UnpackDeviceImage();
    settings_.DataBufToUI();
    pages_.pointer.RefreshMouseSystemParameterA();
    pages_.pointer.RefreshMouseSystemParameterB();
    nav_.ShowOnlyPage(1);
    app_.NoDeviceView = false;
    if (nav_.CurrentView() == View::Office)
        nav_.Btn_Main_0Click();
    window_.WaitPumping(0);
    window_.HideLoadingScreen();
    readCompleted_ = true;
}

void DeviceCommands::Btn_Apply_0Click()
{
    ShowPressed(&FrameControls::apply);
    ApplyToDevice();
}

bool DeviceCommands::ApplyToDevice()
{
    window_.WaitPumping(kSettleBeforeCommand);
    if (RefuseWithoutDevice())
        return true;
    if (!config_.Home->Apply(*this))
        return false;
    LoseMouseIfGone();
    return true;
}

bool DeviceCommands::DownloadParameter()
{
    nav_.HideAllMenu();
    settings_.UIToDataBuf();
    settings_.AIMKeyToDataBuf();
    PackImage(config_.DataBuf, config_.MacroAreas, config_.DeviceImage);
    if (!MayWriteImage(config_.DeviceImage))
        return false;
    const BusyScope busy(timers_, window_);
    window_.ShowLoadingScreen();
    pages_.pointer.ApplyMouseSystemParameters();
    // Only the chunks that differ from what the mouse is known to hold are written; the
    // read-back verifies the whole image as always.
    const WriteOutcome outcome = WriteImageToMouse(device_.Protocol, config_.DeviceImage, false, &device_.Link.MouseMemory);
    NoteWrittenCodes(outcome, config_.DeviceImage);
    window_.HideLoadingScreen();
    ReportWriteOutcome(outcome);
    return true;
}

void DeviceCommands::DownloadDriverParameter()
{
    nav_.HideAllMenu();
    const BusyScope busy(timers_, window_);
    window_.ShowLoadingScreen();
    settings_.DriverModeRefresh();

    DeviceSession& device = device_;
    config_.CpiAndLed = BuildCpiAndLedRecord(config_.CpiAndLed, settings_.RecordInputs());
    if (SendCpiAndLedRecord(device.Protocol, config_.CpiAndLed))
        SaveCpiAndLedRecordFile();
    // What the user sees stays the same either way; a failed write is logged.
    if (!WriteDriverSettings(device.Driver, config_.DataBuf, config_.AssignedDriverMacros))
        qWarning("tarq362a: not every setting reached the driver: %s", device.Driver.lastError().c_str());
    window_.HideLoadingScreen();
}

void DeviceCommands::Btn_Confirm_0Click()
{
    ShowPressed(&FrameControls::confirm);
    // Declined: the window stays open with what was not written.
    if (!ApplyToDevice() || !device_.Link.mouseOpen())
        return;
    window_.WaitPumping(kSettleBeforeCommand);
    window_.CloseWindow();
}

void DeviceCommands::Btn_Confirm1_1Click() { ResetToDefaults(1); }
void DeviceCommands::Btn_Confirm2_1Click() { ResetToDefaults(2); }
void DeviceCommands::Btn_Confirm3_1Click() { ResetToDefaults(3); }

// Confirm 1-3: the reset file of that number from the data folder (the built-in image when it
// is missing, in EEPROM mode).
void DeviceCommands::ResetToDefaults(int number)
{
    constexpr FrameButton FrameControls::*kResets[] = {&FrameControls::confirm1, &FrameControls::confirm2,
                                                       &FrameControls::confirm3};
    ShowPressed(kResets[number - 1]);
    window_.WaitPumping(kSettleBeforeCommand);
    if (RefuseWithoutDevice() || !Confirmed(app_.Text(kTextResetQuestion)))
        return;
    config_.Home->Reset(*this, number);
    LoseMouseIfGone();
}

void DeviceCommands::Btn_DefaultClick()
{
    QWidget* result = engineer_.result;
    result->hide();
    window_.WaitPumping(kSettleBeforeCommand);
    if (!device_.Link.mouseOpen())
        return;
    if (!Confirmed(app_.Text(kTextResetQuestion))) {
        result->show();
        return;
    }
    config_.Home->Reset(*this, 0);
    LoseMouseIfGone();
    result->show();
}

void DeviceCommands::TLDefaultParameter(const QString& fileName)
{
    nav_.HideAllMenu();
    const BusyScope paused(timers_, window_, BusyScope::TimerOnly);
    window_.ShowLoadingScreen();
    if (const std::optional<QByteArray> file = ReadFilePrefix(app_.DataFile(fileName), kDeviceImageSize)) {
        // A short reset file replaces only the bytes it has.
        std::copy(file->begin(), file->end(), config_.DeviceImage.begin());
    } else {
        config_.DeviceImage = config_.DefaultImages[0];
    }
    config_.OfficeKeyCodes = {};
    config_.GameKeyCodes = {};
    MemoToDataBuf_OnClick();
    window_.HideLoadingScreen();
}

void DeviceCommands::MemoToDataBuf_OnClick()
{
    UnpackDeviceImage();
    settings_.DataBufToUI();
    const BusyScope busy(timers_, window_);
    window_.ShowLoadingScreen();
    // What goes to the mouse is the image as it was loaded; repairs of damaged sections are
    // shown but not written.
    const WriteOutcome outcome = WriteImageToMouse(device_.Protocol, config_.DeviceImage, true, &device_.Link.MouseMemory);
    NoteWrittenCodes(outcome, config_.DeviceImage);
    window_.HideLoadingScreen();
    ReportWriteOutcome(outcome);
}

void DeviceCommands::TLDefaultDriverParameter(const QString& fileName)
{
    const BusyScope busy(timers_, window_);
    window_.ShowLoadingScreen();
    if (const std::optional<QByteArray> file = ReadFilePrefix(app_.DataFile(fileName), store::kResetFileSize)) {
        std::vector<uint8_t> block(store::kResetFileSize, 0);
        std::copy(file->begin(), file->end(), block.begin());
        std::copy_n(block.begin() + store::kCpiAndLedRecord, config_.CpiAndLed.size(), config_.CpiAndLed.begin());
        if (device_.Driver.WriteStoreRange(0, block)) {
            SendRecordAfterStoreLoad(device_.Protocol, config_.CpiAndLed);
            ReadDriverDevInfo();
        }
    }
    window_.HideLoadingScreen();
}

void DeviceCommands::Btn_Save_0Click()
{
    ShowPressed(&FrameControls::save);
    nav_.HideAllMenu();
    if (RefuseWithoutDevice())
        return;
    const QString chosen = window_.Prompts().ChooseFile(UserPrompts::FileUse::Save);
    if (chosen.isEmpty())
        return;
    const QString target = BinFileName(chosen);
    ReadDevInfo(); // the file receives what the device holds, not unapplied edits
    if (device_.Protocol.TakeDeviceGone()) {
        monitor_->MouseGone(); // nothing is saved from a mouse that went away during the read
        return;
    }
    QString error;
    if (!config_.Home->SaveProfile(*this, target, &error))
        nav_.RefreshFormMessagDialog(QStringLiteral("The profile could not be saved.\r\r") + error);
}

bool DeviceCommands::SaveImageProfile(const QString& target, QString* error)
{
    return SaveFileAtomically(target, config_.DeviceImage, error);
}

bool DeviceCommands::SaveDriverProfile(const QString& target, QString* error)
{
    std::vector<uint8_t> store = device_.Driver.ReadStoreRange(0, store::kProfileFileSize);
    std::copy(config_.CpiAndLed.begin(), config_.CpiAndLed.end(), store.begin() + store::kCpiAndLedRecord);
    return SaveFileAtomically(target, store, error);
}

void DeviceCommands::Btn_Load_0Click()
{
    ShowPressed(&FrameControls::load);
    nav_.HideAllMenu();
    if (RefuseWithoutDevice())
        return;
    const QString chosen = window_.Prompts().ChooseFile(UserPrompts::FileUse::Open);
    if (chosen.isEmpty())
        return;
    QString error;
    const std::optional<QByteArray> file = ReadFilePrefix(chosen, config_.Home->ProfileReadLimit(), &error);
    if (!file || file->size() < config_.Home->ProfileShortest()) {
        // Loading part of an image would mix two configurations without the user seeing it.
        nav_.RefreshFormMessagDialog(QStringLiteral("This file is not a profile:\r\r") + chosen
                                     + (error.isEmpty() ? QString() : QStringLiteral("\r\r") + error));
        return;
    }
    config_.Home->LoadProfile(*this, *file, chosen);
}

void DeviceCommands::LoadImageProfile(const QByteArray& file, const QString& chosen)
{
    DeviceImage image{};
    std::copy(file.begin(), file.end(), image.begin());
    // A profile that fails its check could lock the program out of the mouse or put
    // repaired settings beside damaged ones: it is written only when the user says so.
    const unsigned faults = CheckProfileImage(image, {app_.ExpectedVendorCode, app_.ExpectedProductCode},
                                              {app_.Org.revManuId, app_.Org.revProId});
    if (faults) {
        QStringList parts;
        for (unsigned kind = 0; kind < kProfileFaultKinds; ++kind)
            if (faults & (1u << kind))
                parts << app_.Text(kTextFirstProfileFault + int(kind));
        if (!window_.Prompts().Confirm(app_.Text(kTextProfileFails).arg(chosen, parts.join(QStringLiteral(", ")))))
            return;
    }
    config_.DeviceImage = image;
    MemoToDataBuf_OnClick();
    LoseMouseIfGone();
}

void DeviceCommands::LoadDriverProfile(const QByteArray& file)
{
    std::vector<uint8_t> block(store::kResetFileSize, 0);
    std::copy(file.begin(), file.end(), block.begin());
    std::copy_n(block.begin() + store::kCpiAndLedRecord, config_.CpiAndLed.size(), config_.CpiAndLed.begin());
    device_.Driver.WriteStoreRange(0, block);
    SendRecordAfterStoreLoad(device_.Protocol, config_.CpiAndLed);
    ReadDriverDevInfo();
    LoseMouseIfGone();
}

} // namespace tarq
