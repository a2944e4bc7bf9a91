#include "device/DeviceCommands.h"

#include "app/Main.h"
#include "config/ImageSections.h"
#include "config/SettingsMapping.h"
#include "device/DeviceSession.h"
#include "device/DriverChannel.h"
#include "device/ImageTransfer.h"
#include "platform/AtomicSave.h"
#include "settings/ui/PointerSettingsEditor.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace tarq {
namespace {

constexpr int kCopies = 4;
constexpr int kSettleBeforeCommand = 11;   // WaitPumping count before a command touches the device
constexpr const char* kRecordFile = "DriverTempCPIAndLedData.bin";
constexpr const char* kPressedPicture = "BtnS_03";

QString ResetFile(bool eeprom, int n)
{
    return eeprom ? QStringLiteral("TARQ54xData_Cfg%1.bin").arg(n) : QStringLiteral("Driver_TARQ54xData_Cfg%1.bin").arg(n);
}

// Up to `limit` bytes of a file; nothing when it cannot be opened.
std::optional<QByteArray> ReadFilePrefix(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(limit);
}

std::span<const uint8_t> Bytes(const QByteArray& a)
{
    return {reinterpret_cast<const uint8_t*>(a.constData()), static_cast<size_t>(a.size())};
}

} // namespace

DeviceCommands::DeviceCommands(TForm1& form) : form_(form)
{
    monitor_ = std::make_unique<DeviceMonitor>(form_.Device().Link, DeviceMonitor::Hooks{
        [this](int n) { form_.WaitPumping(n); },
        [this] { DeviceLost(); },
        [this] { ReadDevInfo(); },
    });
    form_.Device().Protocol.ShowProgress = [this] { form_.ShowLoadingScreen(); };
    ChooseSaveFile = [this] {
        return QFileDialog::getSaveFileName(&form_, QString(), QString(), QStringLiteral("SaveFile(*.bin)"));
    };
    ChooseLoadFile = [this] {
        return QFileDialog::getOpenFileName(&form_, QString(), QString(), QStringLiteral("LoadFile(*.bin)"));
    };
}

DeviceCommands::~DeviceCommands() = default;

void DeviceCommands::Wire()
{
    struct Command { const char* button; void (DeviceCommands::*handler)(); };
    const Command commands[] = {
        {"Btn_Read_", &DeviceCommands::Btn_Read_0Click},         {"Btn_Apply_", &DeviceCommands::Btn_Apply_0Click},
        {"Btn_Confirm_", &DeviceCommands::Btn_Confirm_0Click},   {"Btn_Confirm1_", &DeviceCommands::Btn_Confirm1_1Click},
        {"Btn_Confirm2_", &DeviceCommands::Btn_Confirm2_1Click}, {"Btn_Confirm3_", &DeviceCommands::Btn_Confirm3_1Click},
        {"Btn_Save_", &DeviceCommands::Btn_Save_0Click},         {"Btn_Load_", &DeviceCommands::Btn_Load_0Click},
    };
    for (const Command& c : commands)
        for (int copy = 1; copy <= kCopies; ++copy)
            if (auto* label = form_.control<TSkinLabel>(QLatin1String(c.button) + QString::number(copy)))
                QObject::connect(label, &TSkinLabel::clicked, &form_, [this, h = c.handler] { (this->*h)(); });

    const Command engineer[] = {
        {"Btn_Load_6", &DeviceCommands::Btn_Load_0Click}, {"Btn_Save_6", &DeviceCommands::Btn_Save_0Click},
        {"btn_Write", &DeviceCommands::Btn_Apply_0Click}, {"Btn_Default", &DeviceCommands::Btn_DefaultClick},
    };
    for (const Command& c : engineer)
        if (auto* button = form_.control<QPushButton>(c.button))
            QObject::connect(button, &QPushButton::clicked, &form_, [this, h = c.handler] { (this->*h)(); });
}

QString DeviceCommands::DataFile(const QString& name) const
{
    return (form_.DataFolder.isEmpty() ? form_.AppFolder : form_.DataFolder) + name;
}

// ---------------------------------------------------------------- connection monitoring

void DeviceCommands::DevTimerTimer() { monitor_->DevTimerTimer(); }

void DeviceCommands::DeviceLost()
{
    form_.Nav().HideAllMenu();
    form_.RefreshErrorAP();
    for (const char* list : {"LB_macro", "LB_ScriptName", "LB_Script"})
        if (auto* w = form_.control<QListWidget>(list))
            w->clear();
    form_.LedTypeName.clear();
    form_.ShowBusyOverlays();
    form_.DevTimerFirst.stop();
    form_.DevTimer.start();
    form_.Nav().RefreshFormMessagDialog(form_.Text(100) + QStringLiteral("\r\r") + form_.Text(101));
}

void DeviceCommands::InitNoDevice()
{
    form_.DeviceImage = form_.DefaultImages[0];
    for (const char* list : {"LB_MacroName", "LB_macro"})
        if (auto* w = form_.control<QListWidget>(list))
            w->clear();
    for (const char* memo : {"mmo_macro", "mmo_wrscript"}) {
        if (auto* plain = form_.control<QPlainTextEdit>(memo))
            plain->clear();
        else if (auto* rich = form_.control<QTextEdit>(memo))
            rich->clear();
    }
    UnpackDeviceImage();
    form_.Settings().DataBufToUI();
}

void DeviceCommands::UnpackDeviceImage()
{
    UnpackImage(form_.DeviceImage, form_.DataBuf, form_.MacroAreas);
}

void DeviceCommands::ReadDevInfo()
{
    if (!form_.EepromMode) {
        ReadDriverDevInfo();
        return;
    }
    FeatureProtocol& protocol = form_.Device().Protocol;
    const Identity id = IdentifyMouse(protocol, {form_.ExpectedVendorCode, form_.ExpectedProductCode},
                                      {form_.Org.revManuId, form_.Org.revProId});
    if (id.result == IdentifyResult::Accepted || id.result == IdentifyResult::Foreign) {
        if (auto* edit = form_.control<QLineEdit>("edt_VendorID_Rd"))
            edit->setText(QString::number(id.manufacturer));
        if (auto* edit = form_.control<QLineEdit>("edt_ProductID_Rd"))
            edit->setText(QString::number(id.product));
    }
    switch (id.result) {
    case IdentifyResult::Silent:
        return;
    case IdentifyResult::Accepted:
        Btn_Read();
        return;
    case IdentifyResult::Foreign:
        form_.DevTimer.stop();
        form_.ShowStandardMessage(form_.Text(107));
        form_.DevTimerFirst.stop();
        form_.DevTimer.start();
        return;
    case IdentifyResult::NotReady:
        // The mouse stays plugged in but unusable until the interface count changes again.
        form_.Device().Link.HidHandle.reset();
        form_.ShowStandardMessage(form_.Text(20));
        form_.DevTimer.start();
        return;
    }
}

void DeviceCommands::LoadCpiAndLedRecord()
{
    const std::optional<QByteArray> file = ReadFilePrefix(DataFile(QLatin1String(kRecordFile)), 4);
    if (file) {
        form_.CpiAndLed = *RecordFromFile(Bytes(*file));
        return;
    }
    form_.Device().Driver.FetchCpiAndLedRecord(form_.CpiAndLed);
}

void DeviceCommands::SaveCpiAndLedRecordFile()
{
    QString error;
    if (!SaveFileAtomically(DataFile(QLatin1String(kRecordFile)), form_.CpiAndLed, &error))
        qWarning("tarq362a: %s", qPrintable(error));
}

void DeviceCommands::ReadDriverDevInfo()
{
    DeviceSession& device = form_.Device();
    form_.AssignedDriverMacros.clear();
    const DriverHandshake handshake = DriverModeHandshake(device.Protocol);
    if (handshake.result == DriverHandshake::Result::Silent)
        return;
    if (handshake.result == DriverHandshake::Result::NotDriverMode) {
        form_.ShowStandardMessage(form_.Text(20));
        form_.DevTimerFirst.stop();
        form_.DevTimer.start();
        return;
    }
    form_.LedTypeName = QLatin1String(LedTypeName(handshake.ledTypeBits));
    form_.Settings().ShowLedType(form_.LedTypeName);

    form_.DevTimer.stop();
    form_.ShowBusyOverlays();
    form_.NoDeviceView = false;

    const bool driverOpen = device.Protocol.SendCommand(CmdDriverId)
        && device.Link.OpenDriverDevice(static_cast<uint16_t>(device.Protocol.ReportBuffer[1] << 8 | device.Protocol.ReportBuffer[2]));
    if (!driverOpen) {
        form_.ShowStandardMessage(form_.Text(20));
        form_.DevTimerFirst.stop();
        form_.DevTimer.start();
        form_.HideLoadingScreen();
        return;
    }

    LoadCpiAndLedRecord();
    form_.ShowLoadingScreen();
    LoadCpiAndLedRecord();
    ReadDriverSections(device.Driver, form_.DataBuf);
    form_.HideLoadingScreen();

    // The driver plays the fire key from its own store: a continuous fire key is shown and
    // later sent as the plain fire key code.
    for (int mode = 1; mode <= 2; ++mode)
        for (int button = 1; button <= static_cast<int>(databuf::kButtonCount); ++button)
            if (KeyCodeTextFromBytes(std::span<const uint8_t, 3>(&form_.DataBuf[databuf::KeyCodeOffset(mode, button)], 3)) == "0E00F0")
                form_.DataBuf[databuf::KeyCodeOffset(mode, button)] = static_cast<uint8_t>(KeyCodeType::Macro);
    form_.Settings().DataBufToUI();
    form_.Settings().ShowLedType(form_.LedTypeName);
    form_.Settings().ShowCpiAndLedRecord(form_.CpiAndLed);
    if (SendCpiAndLedRecord(device.Protocol, form_.CpiAndLed))
        SaveCpiAndLedRecordFile();

    std::vector<std::string> codes(form_.OfficeKeyCodes.begin(), form_.OfficeKeyCodes.end());
    codes.insert(codes.end(), form_.GameKeyCodes.begin(), form_.GameKeyCodes.end());
    form_.AssignedDriverMacros = ReadAssignedDriverMacros(device.Driver, codes);

    form_.DevTimerFirst.stop();
    form_.DevTimer.start();
    form_.HideBusyOverlays();
    form_.HideLoadingScreen();
}

// ---------------------------------------------------------------- user commands

void DeviceCommands::ShowPressed(const QString& button)
{
    for (int copy = 1; copy <= kCopies; ++copy)
        form_.SetPicture(QStringLiteral("Img_") + button + QString::number(copy), QLatin1String(kPressedPicture));
}

bool DeviceCommands::RefuseWithoutDevice()
{
    if (form_.Device().Link.mouseOpen())
        return false;
    form_.ShowStandardMessage(form_.Text(20));
    return true;
}

void DeviceCommands::FinishCommand(bool hideOverlays)
{
    form_.HideLoadingScreen();
    form_.DevTimerFirst.stop();
    form_.DevTimer.start();
    if (hideOverlays)
        form_.HideBusyOverlays();
}

void DeviceCommands::Btn_Read_0Click()
{
    ShowPressed(QStringLiteral("Read_"));
    if (RefuseWithoutDevice())
        return;
    ReadDevInfo();
}

void DeviceCommands::Btn_Read()
{
    form_.DevTimer.stop();
    form_.ShowBusyOverlays();
    form_.ShowLoadingScreen();
    ReadImageAndClose(form_.Device().Protocol, form_.DeviceImage);
    UnpackDeviceImage();
    form_.Settings().DataBufToUI();
    form_.Pointer().RefreshMouseSystemParameterA();
    form_.Pointer().RefreshMouseSystemParameterB();
    form_.Nav().ShowOnlyPage(1);
    form_.NoDeviceView = false;
    if (form_.Nav().CurrentView() == View::Office)
        form_.Nav().Btn_Main_0Click();
    form_.WaitPumping(0);
    FinishCommand(true);
}

void DeviceCommands::Btn_Apply_0Click()
{
    ShowPressed(QStringLiteral("Apply_"));
    form_.WaitPumping(kSettleBeforeCommand);
    if (RefuseWithoutDevice())
        return;
    if (form_.EepromMode)
        DownloadParameter();
    else
        DownloadDriverParameter();
}

void DeviceCommands::DownloadParameter()
{
    form_.Nav().HideAllMenu();
    form_.DevTimer.stop();
    form_.ShowBusyOverlays();
    form_.ShowLoadingScreen();
    form_.Settings().UIToDataBuf();
    form_.Settings().AIMKeyToDataBuf();
    PackImage(form_.DataBuf, form_.MacroAreas, form_.DeviceImage);
    form_.ShowLoadingScreen();
    form_.Pointer().ApplyMouseSystemParameters();
    const WriteOutcome outcome = WriteImageToMouse(form_.Device().Protocol, form_.DeviceImage, false);
    if (outcome.verify.mismatch())
        form_.Nav().RefreshFormMessagDialog(form_.Text(109));
    FinishCommand(true);
}

void DeviceCommands::DownloadDriverParameter()
{
    form_.Nav().HideAllMenu();
    form_.DevTimer.stop();
    form_.ShowBusyOverlays();
    form_.ShowLoadingScreen();
    form_.Settings().DriverModeRefresh();

    DeviceSession& device = form_.Device();
    form_.CpiAndLed = BuildCpiAndLedRecord(form_.CpiAndLed, form_.Settings().RecordInputs());
    if (SendCpiAndLedRecord(device.Protocol, form_.CpiAndLed))
        SaveCpiAndLedRecordFile();
    WriteDriverSettings(device.Driver, form_.DataBuf, form_.AssignedDriverMacros);
    FinishCommand(true);
}

void DeviceCommands::Btn_Confirm_0Click()
{
    Btn_Apply_0Click();
    if (!form_.Device().Link.mouseOpen())
        return;
    form_.WaitPumping(kSettleBeforeCommand);
    form_.close();
}

void DeviceCommands::Btn_Confirm1_1Click() { ResetToDefaults(1); }
void DeviceCommands::Btn_Confirm2_1Click() { ResetToDefaults(2); }
void DeviceCommands::Btn_Confirm3_1Click() { ResetToDefaults(3); }

// Confirm 1-3: the reset file of that number from the data folder (the built-in image when it
// is missing, in EEPROM mode).
void DeviceCommands::ResetToDefaults(int number)
{
    ShowPressed(QStringLiteral("Confirm%1_").arg(number));
    form_.WaitPumping(kSettleBeforeCommand);
    if (RefuseWithoutDevice())
        return;
    if (form_.EepromMode)
        TLDefaultParameter(ResetFile(true, number));
    else
        TLDefaultDriverParameter(ResetFile(false, number));
}

void DeviceCommands::Btn_DefaultClick()
{
    QWidget* result = form_.control("Img_Result");
    if (result)
        result->hide();
    form_.WaitPumping(kSettleBeforeCommand);
    if (!form_.Device().Link.mouseOpen())
        return;
    if (form_.EepromMode)
        TLDefaultParameter(ResetFile(true, 1));
    else
        TLDefaultDriverParameter(QStringLiteral("default_config1.bin"));
    if (result)
        result->show();
}

void DeviceCommands::TLDefaultParameter(const QString& fileName)
{
    form_.Nav().HideAllMenu();
    form_.DevTimer.stop();
    form_.ShowLoadingScreen();
    if (const std::optional<QByteArray> file = ReadFilePrefix(DataFile(fileName), kImageBytes)) {
        // A short reset file replaces only the bytes it has.
        std::copy(file->begin(), file->end(), form_.DeviceImage.begin());
    } else {
        form_.DeviceImage = form_.DefaultImages[0];
    }
    form_.OfficeKeyCodes = {};
    form_.GameKeyCodes = {};
    MemoToDataBuf_OnClick();
    form_.HideLoadingScreen();
    form_.DevTimerFirst.stop();
    form_.DevTimer.start();
}

void DeviceCommands::MemoToDataBuf_OnClick()
{
    UnpackDeviceImage();
    form_.Settings().DataBufToUI();
    form_.DevTimer.stop();
    form_.ShowBusyOverlays();
    form_.ShowLoadingScreen();
    // What goes to the mouse is the image as it was loaded; repairs of damaged sections are
    // shown but not written.
    const WriteOutcome outcome = WriteImageToMouse(form_.Device().Protocol, form_.DeviceImage, true);
    if (outcome.verify.mismatch())
        form_.Nav().RefreshFormMessagDialog(form_.Text(109));
    FinishCommand(true);
}

void DeviceCommands::TLDefaultDriverParameter(const QString& fileName)
{
    form_.DevTimer.stop();
    form_.ShowBusyOverlays();
    form_.ShowLoadingScreen();
    if (const std::optional<QByteArray> file = ReadFilePrefix(DataFile(fileName), store::kResetFileSize)) {
        std::vector<uint8_t> block(store::kResetFileSize, 0);
        std::copy(file->begin(), file->end(), block.begin());
        std::copy_n(block.begin() + store::kCpiAndLedRecord, form_.CpiAndLed.size(), form_.CpiAndLed.begin());
        if (form_.Device().Driver.WriteStoreRange(0, block)) {
            SendRecordAfterStoreLoad(form_.Device().Protocol, form_.CpiAndLed);
            ReadDriverDevInfo();
        }
    }
    form_.HideLoadingScreen();
    form_.DevTimer.start();
    form_.HideBusyOverlays();
}

void DeviceCommands::Btn_Save_0Click()
{
    ShowPressed(QStringLiteral("Save_"));
    form_.Nav().HideAllMenu();
    if (RefuseWithoutDevice())
        return;
    const QString chosen = ChooseSaveFile();
    if (chosen.isEmpty())
        return;
    const QString target = chosen + QStringLiteral(".bin");
    ReadDevInfo(); // the file receives what the device holds, not unapplied edits
    QString error;
    bool saved;
    if (form_.EepromMode) {
        saved = SaveFileAtomically(target, form_.DeviceImage, &error);
    } else {
        std::vector<uint8_t> store = form_.Device().Driver.ReadStoreRange(0, store::kProfileFileSize);
        std::copy(form_.CpiAndLed.begin(), form_.CpiAndLed.end(), store.begin() + store::kCpiAndLedRecord);
        saved = SaveFileAtomically(target, store, &error);
    }
    if (!saved)
        form_.Nav().RefreshFormMessagDialog(QStringLiteral("The profile could not be saved.\r\r") + error);
}

void DeviceCommands::Btn_Load_0Click()
{
    ShowPressed(QStringLiteral("Load_"));
    form_.Nav().HideAllMenu();
    if (RefuseWithoutDevice())
        return;
    const QString chosen = ChooseLoadFile();
    if (chosen.isEmpty())
        return;
    const qint64 limit = form_.EepromMode ? kImageBytes : store::kResetFileSize;
    const std::optional<QByteArray> file = ReadFilePrefix(chosen, limit);
    if (!file || (form_.EepromMode && file->size() < static_cast<qint64>(kImageBytes))) {
        // Loading part of an image would mix two configurations without the user seeing it.
        form_.Nav().RefreshFormMessagDialog(QStringLiteral("This file is not a profile:\r\r") + chosen);
        return;
    }
    if (form_.EepromMode) {
        std::copy(file->begin(), file->end(), form_.DeviceImage.begin());
        MemoToDataBuf_OnClick();
        return;
    }
    std::vector<uint8_t> block(store::kResetFileSize, 0);
    std::copy(file->begin(), file->end(), block.begin());
    std::copy_n(block.begin() + store::kCpiAndLedRecord, form_.CpiAndLed.size(), form_.CpiAndLed.begin());
    form_.Device().Driver.WriteStoreRange(0, block);
    SendRecordAfterStoreLoad(form_.Device().Protocol, form_.CpiAndLed);
    ReadDriverDevInfo();
}

} // namespace tarq
