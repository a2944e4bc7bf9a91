// SPDX-License-Identifier: GPL-2.0-or-later
// The device side of the real main form against the emulated mouse and driver: finding and
// reading the mouse, losing it, the identity checks, Apply with verification, resets and
// profile files, and the driver mode.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "config/ImageSections.h"
#include "config/SectionChecksum.h"
#include "device/ui/DeviceCommands.h"
#include "device/DriverChannel.h"
#include "device/DriverIoctl.h"
#include "app/FormLoading.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

using namespace tarq;
using tarq::testing::FormWithMouse;
using tarq::testing::PromptsOf;

namespace {

// A form whose messages are collected instead of shown, with its data folder in a temporary
// folder.
struct Fixture : FormWithMouse {
    explicit Fixture(bool driverMode = false) : FormWithMouse(driverMode)
    {
        form->ShowStandardMessage = [this](const QString& text) { messages << text; };
        form->ShowDialogMessage = [this](const QString& text) { messages << text; };
        PromptsOf(*form).confirm = [this](const QString& text) {
            questions << text;
            return answer;
        };
        form->State().DataFolder = dir.path() + QLatin1Char('/');
    }

    void Tick() { form->Commands().DevTimerTimer(); }
    // A person's click on the first copy of a footer button ("Apply_", "Confirm1_"...).
    void ClickButton(const char* button)
    {
        testing::SendClick(form->control(QLatin1String(button) + QLatin1Char('1')));
    }
    DeviceCommands& commands() { return form->Commands(); }
    std::vector<uint8_t> memory() const { return {mouse->memory().begin(), mouse->memory().end()}; }
    std::vector<uint8_t> image() const { return {form->State().DeviceImage.begin(), form->State().DeviceImage.end()}; }
    std::vector<uint8_t> commandsSent() const
    {
        std::vector<uint8_t> codes;
        for (const auto& r : mouse->requestsSent())
            if (r[1] != CmdReadChunk && r[1] != CmdWriteChunk)
                codes.push_back(r[1]);
        return codes;
    }

    QTemporaryDir dir;
    QStringList messages;
    QStringList questions;
    bool answer = true;   // the answer to every question
};

QByteArray Bytes(const std::vector<uint8_t>& v) { return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size())); }

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class DeviceCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void firstTickFindsAndReadsTheMouse();
    void withoutAMouseTheConnectMessageShowsOnce();
    void unplugAndReplug();
    void foreignCodesAreRefused();
    void unusableMemoryLetsTheMouseGo();
    void applyWritesTheProfileAndVerifies();
    void applyReportsAByteTheMouseRefuses();
    void applyWithUnreadyMemoryWritesNothing();
    void commandsWithoutAMouseSayFindingTheDevice();
    void resetWithoutItsFileWritesTheBuiltInImage();
    void loadProfileChecksTheFileAndTheChip();
    void saveProfileRereadsTheMouse();
    void engineerPageSaveAndLoadButtonsRunTheProfileCommands();
    void driverModeReadsAndWritesTheStore();
    void driverThatCannotBeOpenedLeavesThePagesUsable();
    void engineerPageChangeWritesExactlyItsBytes();
    void damagedProfileIsShownRepairedButWrittenAsLoaded();
    void driverRecordComesFromTheDriverOnceThenFromItsFile();
    void unplugDuringAVerifiedWriteRecovers();
    void unplugDuringReadOrResetIsLostAtOnce();
    void mouseClosedToThisUserIsNamed();
    void confirmShowsItsOwnPressedPicture();
    void damagedMacroPageIsNotWrittenBack();
    void driverModeLoadRefusesAShortFile();
    void driverModeLedTypeShowsWhenCloseFails();
    void damagedDriverRecordFileIsReplaced();
    void driverModeResetsAndDefaultLoadTheirFile();
    void driverModeSaveAndConfirm();
    void arrivalWakeUpWaitsForTheDeviceTimer();
    void pagesSayWhenNoMouseIsThere();
    void loadingScreenShowsStageAndProgress();
    void outcomeOfAWriteIsShown();
    void resetsAskBeforeTheyWipeTheMouse();
    void applyAsksBeforeWritingCodesTheCheckRefuses();
    void applyAsksBeforeWritingOverAForeignMouse();
};

void DeviceCommandsTest::firstTickFindsAndReadsTheMouse()
{
    Fixture f;
    QVERIFY(f.form->State().NoDeviceView);
    QVERIFY(WriteButtonKeyCode(f.form->State().DataBuf, 1, 3, "010100")); // shown before the read
    std::array<uint8_t, 3> right{0x01, 0x02, 0x00};
    std::copy(right.begin(), right.end(), f.mouse->memory().begin() + 0x40 + 6); // button 3: right click
    f.mouse->memory()[0x40 + 54] = SectionChecksum(std::span<const uint8_t>(f.mouse->memory().data() + 0x40, 54));
    f.Tick();
    QVERIFY(f.form->Device().Link.mouseOpen());
    QVERIFY(!f.form->State().NoDeviceView);
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.image(), f.memory());
    QCOMPARE(QString::fromStdString(f.form->State().OfficeKeyCodes[2]), QStringLiteral("010200"));
    QVERIFY(f.form->State().DevTimer.isActive());
    QVERIFY(!f.form->State().DevTimerFirst.isActive());
    QCOMPARE(f.commandsSent().front(), uint8_t{CmdOpen});
    QCOMPARE(f.commandsSent().back(), uint8_t{CmdClose});
}

void DeviceCommandsTest::withoutAMouseTheConnectMessageShowsOnce()
{
    Fixture f;
    f.bus->setMousePresent(f.mouse, false);
    f.Tick();
    f.Tick();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(100) + "\n\n" + f.form->State().Text(101)});
    QVERIFY(f.form->State().Text(100).startsWith("Please Connect"));
    QVERIFY(f.form->State().NoDeviceView);
    QVERIFY(!f.form->control("Disable_All_1")->isHidden());
    QVERIFY(!f.form->Device().Link.mouseOpen());
}

void DeviceCommandsTest::unplugAndReplug()
{
    Fixture f;
    f.Tick();
    f.bus->setMousePresent(f.mouse, false);
    f.Tick();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.form->State().NoDeviceView);
    QVERIFY(std::equal(f.form->State().DeviceImage.begin(), f.form->State().DeviceImage.end(), f.form->State().DefaultImages[0].begin()));
    f.bus->setMousePresent(f.mouse, true);
    f.Tick();
    QVERIFY(f.form->Device().Link.mouseOpen());
    QVERIFY(!f.form->State().NoDeviceView);
    QCOMPARE(f.messages.size(), 1);
}

void DeviceCommandsTest::foreignCodesAreRefused()
{
    Fixture f;
    f.mouse->memory()[0x36] = 0x12;
    f.mouse->memory()[0x40] = 0x77; // would show if the image were read
    f.Tick();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(107)});
    QVERIFY(f.form->Device().Link.mouseOpen()); // stays open
    QVERIFY(f.form->State().NoDeviceView);
    QVERIFY(f.form->State().DeviceImage[0x40] != 0x77);
    QCOMPARE(f.form->control<QLineEdit>("edt_VendorID_Rd")->text(), QStringLiteral("18"));
}

void DeviceCommandsTest::unusableMemoryLetsTheMouseGo()
{
    Fixture f;
    f.mouse->faults.configNotReady = true;
    f.Tick();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(20)});
    QVERIFY(!f.form->Device().Link.mouseOpen());
}

void DeviceCommandsTest::applyWritesTheProfileAndVerifies()
{
    Fixture f;
    f.Tick();
    f.mouse->log.clear();
    QVERIFY(WriteButtonKeyCode(f.form->State().DataBuf, 1, 3, "020004"));
    f.commands().Btn_Apply_0Click();
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.mouse->memory()[0x46], uint8_t{0x02});
    QCOMPARE(f.mouse->memory()[0x47], uint8_t{0x00});
    QCOMPARE(f.mouse->memory()[0x48], uint8_t{0x04});
    QCOMPARE(f.memory(), f.image());
    DataBuf check{};
    ImageMacroAreas areas;
    QVERIFY(UnpackImage(f.mouse->memory(), check, areas).AllKept()); // checksums renewed
    // The mouse was read in this connection: only the chunks of the button and its section's
    // checksum are written, then the whole image is read back.
    const std::vector<uint8_t> codes = f.commandsSent();
    QCOMPARE(std::vector<uint8_t>(codes.begin(), codes.begin() + 2), (std::vector<uint8_t>{CmdOpen, CmdStatus}));
    QCOMPARE(std::vector<uint8_t>(codes.end() - 3, codes.end()), (std::vector<uint8_t>{CmdReadWindow, CmdReload, CmdClose}));
    const auto sent = f.mouse->requestsSent();
    const auto chunks = std::count_if(sent.begin(), sent.end(), [](const auto& r) { return r[1] == CmdWriteChunk; });
    QVERIFY2(chunks >= 2 && chunks <= 3, qPrintable(QString::number(chunks))); // not 342
    QVERIFY(!f.form->control("Disable_All_1")->isVisible());
    QVERIFY(f.form->State().DevTimer.isActive());
}

void DeviceCommandsTest::applyReportsAByteTheMouseRefuses()
{
    Fixture f;
    f.Tick();
    QVERIFY(WriteButtonKeyCode(f.form->State().DataBuf, 1, 3, "020004")); // the A key
    f.mouse->faults.refusedAddresses = {0x46};
    f.commands().Btn_Apply_0Click();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(109)});
    QCOMPARE(f.form->State().Text(109), QStringLiteral("Fail"));
}

void DeviceCommandsTest::applyWithUnreadyMemoryWritesNothing()
{
    Fixture f;
    f.Tick();
    f.mouse->faults.configNotReady = true;
    f.mouse->log.clear();
    QVERIFY(WriteButtonKeyCode(f.form->State().DataBuf, 1, 3, "010200"));
    f.commands().Btn_Apply_0Click();
    QCOMPARE(f.commandsSent(), (std::vector<uint8_t>{CmdOpen, CmdStatus, CmdReload, CmdClose}));
    QCOMPARE(f.mouse->memory()[0x47], f.form->State().DefaultImages[0][0x47]);
    QCOMPARE(f.pointerStore.Applied.size(), size_t(1));   // the pointer settings still are applied
}

void DeviceCommandsTest::commandsWithoutAMouseSayFindingTheDevice()
{
    Fixture f;
    using Handler = void (DeviceCommands::*)();
    for (Handler h : {&DeviceCommands::Btn_Read_0Click, &DeviceCommands::Btn_Apply_0Click, &DeviceCommands::Btn_Confirm2_1Click,
                      &DeviceCommands::Btn_Save_0Click, &DeviceCommands::Btn_Load_0Click}) {
        f.messages.clear();
        (f.commands().*h)();
        QCOMPARE(f.messages, QStringList{f.form->State().Text(20)});
    }
    f.messages.clear();
    f.commands().Btn_DefaultClick(); // the hidden default command says nothing
    QVERIFY(f.messages.isEmpty());
    QVERIFY(f.mouse->log.empty());
}

void DeviceCommandsTest::resetWithoutItsFileWritesTheBuiltInImage()
{
    Fixture f;
    f.mouse->memory()[0x300] = 0x99; // somewhere the default image has 0
    f.Tick();
    f.commands().Btn_Confirm2_1Click();
    QVERIFY(f.messages.isEmpty());
    QVERIFY(std::equal(f.mouse->memory().begin(), f.mouse->memory().end(), f.form->State().DefaultImages[0].begin()));

    // A reset file in the data folder wins.
    std::vector<uint8_t> custom(f.form->State().DefaultImages[0].begin(), f.form->State().DefaultImages[0].end());
    custom[0x300] = 0x42;
    WriteFile(f.form->State().DataFolder + "TARQ54xData_Cfg3.bin", Bytes(custom));
    f.commands().Btn_Confirm3_1Click();
    QCOMPARE(f.mouse->memory()[0x300], uint8_t{0x42});
}

void DeviceCommandsTest::loadProfileChecksTheFileAndTheChip()
{
    Fixture f;
    f.Tick();
    const std::vector<uint8_t> before = f.image();
    const QString shortFile = f.dir.filePath("short.bin");
    WriteFile(shortFile, QByteArray(100, '\x01'));
    PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return shortFile; };
    f.commands().Btn_Load_0Click();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].contains("not a profile"));
    QCOMPARE(f.image(), before);

    std::vector<uint8_t> profile(f.form->State().DefaultImages[0].begin(), f.form->State().DefaultImages[0].end());
    profile[0x300] = 0x5A;
    const QString good = f.dir.filePath("good.bin");
    WriteFile(good, Bytes(profile));
    PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return good; };
    f.mouse->chipByte = 0x35; // a chip that must not be written this way: shown only
    f.commands().Btn_Load_0Click();
    QCOMPARE(f.image(), profile);
    QVERIFY(f.mouse->memory()[0x300] != 0x5A);
    f.mouse->chipByte = 0xFD;
    f.commands().Btn_Load_0Click();
    QCOMPARE(f.mouse->memory()[0x300], uint8_t{0x5A});
}

void DeviceCommandsTest::saveProfileRereadsTheMouse()
{
    Fixture f;
    f.Tick();
    f.mouse->memory()[0x500] = 0x31; // changed in the mouse after the last read
    const QString chosen = f.dir.filePath("profile");
    PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return chosen; };
    f.commands().Btn_Save_0Click();
    QFile saved(chosen + ".bin");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), Bytes(f.memory()));
    PromptsOf(*f.form).file = [](UserPrompts::FileUse) { return QString(); }; // cancelled: nothing happens
    f.commands().Btn_Save_0Click();
    QVERIFY(f.messages.isEmpty());
}

// The engineer page carries its own Save and Load buttons: a person's clicks save the mouse to
// the file chosen and write a chosen profile back to it.
void DeviceCommandsTest::engineerPageSaveAndLoadButtonsRunTheProfileCommands()
{
    Fixture f;
    f.form->show();
    f.Tick();
    f.form->Nav().Btn_Engineer_0Click();
    QList<UserPrompts::FileUse> asked;
    const QString chosen = f.dir.filePath("engineer");
    PromptsOf(*f.form).file = [&](UserPrompts::FileUse use) {
        asked << use;
        return use == UserPrompts::FileUse::Save ? chosen : chosen + ".bin";
    };
    const std::vector<uint8_t> saved = f.memory();
    QTest::mouseClick(f.form->control<QPushButton>("Btn_Save_6"), Qt::LeftButton);
    QFile file(chosen + ".bin");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), Bytes(saved));

    f.mouse->memory()[0x300] ^= 0xFF;   // changed in the mouse since
    QTest::mouseClick(f.form->control<QPushButton>("Btn_Load_6"), Qt::LeftButton);
    QCOMPARE(f.memory(), saved);
    QCOMPARE(asked, (QList<UserPrompts::FileUse>{UserPrompts::FileUse::Save, UserPrompts::FileUse::Open}));
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.join('\n')));
}

void DeviceCommandsTest::driverModeReadsAndWritesTheStore()
{
    Fixture f(true);
    QVERIFY(!(f.form->State().Home.Mode() == ConfigurationMode::Eeprom));
    // The driver's store holds a profile whose button 2 is the continuous fire key.
    std::vector<uint8_t>& store = f.driver->store();
    DataBuf shown{};
    ImageMacroAreas areas;
    UnpackImage(f.form->State().DefaultImages[0], shown, areas);
    QVERIFY(WriteButtonKeyCode(shown, 1, 2, "0E00F0"));
    UpdateSectionChecksums(shown);
    const auto put = [&](uint32_t offset, const ParameterBlock& b) {
        const auto bytes = BlockBytes(shown, b);
        std::copy(bytes.begin(), bytes.end(), store.begin() + offset);
    };
    put(store::kSectionA, layout::kSectionA);
    put(store::kSectionB, layout::kSectionB);
    put(store::kProfile, layout::kProfile);
    put(store::kFireKeyBlock + store::kFireKeyBlockLead, layout::kFireKey);
    f.driver->cpiLedRecord = {0x02, 0x01, 0x00, 0x04};
    f.mouse->ledTypeBits = 0x80;

    f.Tick();
    QVERIFY(f.messages.isEmpty());
    QVERIFY(!f.form->State().NoDeviceView);
    QCOMPARE(f.form->State().LedTypeName, QStringLiteral("RBLED"));
    QCOMPARE(QString::fromStdString(f.form->State().OfficeKeyCodes[1]), QStringLiteral("0600F0"));
    QCOMPARE(f.mouse->cpiLedRecord, (CpiAndLedRecord{0x02, 0x01, 0x00, 0x04}));
    QFile record(f.form->State().DataFolder + "DriverTempCPIAndLedData.bin");
    QVERIFY(record.open(QIODevice::ReadOnly));
    QCOMPARE(record.readAll(), QByteArray("\x02\x01\x00\x04", 4));

    f.commands().Btn_Apply_0Click();
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(store[store::kFireKeyBlock], uint8_t{0});
    QCOMPARE(store[store::kFireKeyBlock + 1], uint8_t{0});
    QCOMPARE(store[store::kFireKeyBlock + 2], shown[databuf::kFireKeyLength]);
    QCOMPARE(store[store::kProfile + 3], uint8_t{0x06}); // button 2 goes back as the plain fire key
    QVERIFY(f.pointerStore.Applied.empty());             // driver-mode Apply leaves them alone
}

void DeviceCommandsTest::driverThatCannotBeOpenedLeavesThePagesUsable()
{
    Fixture f(true);
    f.driverBus.setPresent(false);
    f.Tick();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(20)});
    // The busy overlays go with the message; the device check runs on.
    for (int copy = 1; copy <= 4; ++copy)
        QVERIFY(f.form->control(QStringLiteral("Disable_All_%1").arg(copy))->isHidden());
    QVERIFY(f.form->State().DevTimer.isActive());
    QVERIFY(!f.form->State().DevTimerFirst.isActive());
}

void DeviceCommandsTest::engineerPageChangeWritesExactlyItsBytes()
{
    Fixture f;
    f.Tick();
    auto* orientation = f.form->control<QComboBox>("cb_SensorOri");
    QVERIFY(orientation);
    orientation->setCurrentIndex(0); // "0°": orientation code 7
    f.commands().Btn_Apply_0Click();
    QVERIFY(f.messages.isEmpty());

    std::vector<uint8_t> expected(f.form->State().DefaultImages[0].begin(), f.form->State().DefaultImages[0].end());
    expected[0] = static_cast<uint8_t>((expected[0] & 0x8F) | (7 << 4));
    expected[0x2F] = SectionChecksum(std::span<const uint8_t>(expected.data(), 0x2F));
    QCOMPARE(f.memory(), expected); // every other byte, gaps included, as it was
}

void DeviceCommandsTest::damagedProfileIsShownRepairedButWrittenAsLoaded()
{
    Fixture f;
    f.Tick();
    std::vector<uint8_t> profile(f.form->State().DefaultImages[0].begin(), f.form->State().DefaultImages[0].end());
    profile[0x2F] ^= 0x01; // section A checksum off by one
    const QString path = f.dir.filePath("damaged.bin");
    WriteFile(path, Bytes(profile));
    PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return path; };
    PromptsOf(*f.form).confirm = [](const QString&) { return true; }; // the user writes it all the same
    f.commands().Btn_Load_0Click();
    QCOMPARE(f.memory(), profile);
    DataBuf replaced{};
    FillDefaultParameterA(replaced);
    QVERIFY(std::equal(replaced.begin(), replaced.begin() + 48, f.form->State().DataBuf.begin()));
    QCOMPARE(f.form->control<QComboBox>("cb_CPIStep")->currentText(), QStringLiteral("4"));
}

void DeviceCommandsTest::driverRecordComesFromTheDriverOnceThenFromItsFile()
{
    Fixture f(true);
    f.driver->cpiLedRecord = {0x01, 0x02, 0x00, 0x05};
    f.Tick();
    const auto asked = [&] {
        return std::count_if(f.driver->requests.begin(), f.driver->requests.end(),
                             [](const EmulatedDriver::Request& r) { return r.code == IoctlGetCpiLed; });
    };
    QCOMPARE(asked(), 2); // the read fetches the record twice, both before the file exists
    QCOMPARE(f.form->State().CpiAndLed, (CpiAndLedRecord{0x01, 0x02, 0x00, 0x05}));

    f.driver->cpiLedRecord = {0x03, 0x03, 0x03, 0x03};
    f.driver->requests.clear();
    f.commands().Btn_Read_0Click();
    QCOMPARE(asked(), 0);
    QCOMPARE(f.form->State().CpiAndLed, (CpiAndLedRecord{0x01, 0x02, 0x00, 0x05}));

    // Apply with no assigned macros still sends the macro write, with length 0.
    f.driver->requests.clear();
    f.commands().Btn_Apply_0Click();
    const auto macroWrite = std::find_if(f.driver->requests.begin(), f.driver->requests.end(), [](const EmulatedDriver::Request& r) {
        return r.code == IoctlWriteStore && r.offset == store::kMacroRecords;
    });
    QVERIFY(macroWrite != f.driver->requests.end());
    QCOMPARE(macroWrite->length, 0u);
}

void DeviceCommandsTest::unplugDuringAVerifiedWriteRecovers()
{
    Fixture f;
    f.Tick();
    QVERIFY(WriteButtonKeyCode(f.form->State().DataBuf, 1, 3, "020004"));
    f.mouse->faults.unplugAfterReports = f.mouse->reportsSeen() + 200; // in the middle of the write
    f.waiter.reset();
    f.commands().Btn_Apply_0Click();
    // The write ends at the first report that finds the mouse gone, and the device-lost state
    // shows at once, not after the next device check; no verification failure is claimed, and
    // the one message says that the write did not complete.
    QCOMPARE(f.messages, QStringList{f.form->State().Text(100) + "\n\n" + f.form->State().Text(101) + "\n\n"
                                     + f.form->State().Text(DeviceCommands::kTextWriteCut)});
    QVERIFY(f.waiter.elapsedMs() < 1000);
    f.Tick();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.form->State().NoDeviceView);
    QVERIFY(!f.form->Device().Link.mouseOpen());

    f.mouse->faults.unplugAfterReports = -1;
    f.bus->setMousePresent(f.mouse, true);
    QStringList questions;
    PromptsOf(*f.form).confirm = [&](const QString& q) { questions << q; return false; };
    f.Tick();
    QVERIFY(f.form->Device().Link.mouseOpen());
    QVERIFY(!f.form->State().NoDeviceView);
    QCOMPARE(f.image(), f.memory());
    QCOMPARE(questions, QStringList{f.form->State().Text(DeviceCommands::kTextWriteAgain)});
}

void DeviceCommandsTest::unplugDuringReadOrResetIsLostAtOnce()
{
    using Handler = void (DeviceCommands::*)();
    for (Handler h : {&DeviceCommands::Btn_Read_0Click, &DeviceCommands::Btn_Confirm1_1Click}) {
        Fixture f;
        f.Tick();
        f.mouse->faults.unplugAfterReports = f.mouse->reportsSeen() + 100;
        f.waiter.reset();
        (f.commands().*h)();
        // A reset is a write: its one message also says that the write did not complete.
        const QString cut = h == &DeviceCommands::Btn_Read_0Click
                                ? QString()
                                : "\n\n" + f.form->State().Text(DeviceCommands::kTextWriteCut);
        QCOMPARE(f.messages, QStringList{f.form->State().Text(100) + "\n\n" + f.form->State().Text(101) + cut});
        QVERIFY(f.waiter.elapsedMs() < 1000);
        QVERIFY(f.form->State().NoDeviceView);
        QVERIFY(!f.form->Device().Link.mouseOpen());
        f.Tick();
        QCOMPARE(f.messages.size(), 1);
    }
    // Unplugged while the mouse is read right after it was found: lost in the same tick.
    Fixture f;
    f.mouse->faults.unplugAfterReports = 200;
    f.Tick();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(!f.form->Device().Link.mouseOpen());
}

void DeviceCommandsTest::mouseClosedToThisUserIsNamed()
{
    Fixture f;
    EmulatedHidBus::Interface* config = f.bus->find("emulated:mouse-config");
    QVERIFY(config);
    config->openable = false;
    config->refusal = HidOpenFailure::PermissionDenied;
    f.Tick();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].contains("emulated:mouse-config"));
    QVERIFY(f.messages[0].contains(f.form->State().Text(901)));
    QVERIFY(f.form->State().Text(901).contains("70-tarq362a.rules"));
    QVERIFY(!f.form->State().DevTimerFirst.isActive());
}

void DeviceCommandsTest::confirmShowsItsOwnPressedPicture()
{
    Fixture f;
    const QString applyBefore = f.form->control<TSkinLabel>("Img_Apply_1")->picture();
    f.commands().Btn_Confirm_0Click(); // no mouse: pressed picture, then Str020
    QCOMPARE(f.form->control<TSkinLabel>("Img_Confirm_1")->picture(), QStringLiteral("BtnS_03"));
    QCOMPARE(f.form->control<TSkinLabel>("Img_Apply_1")->picture(), applyBefore);
}

// A page body damaged in the mouse is cleared when read, so the next Apply writes zeros,
// not the damaged bytes back.
void DeviceCommandsTest::damagedMacroPageIsNotWrittenBack()
{
    Fixture f;
    const uint16_t body = 0x200 + 32; // page 2
    f.mouse->memory()[body + 1] = 3;
    f.mouse->memory()[body + 2] = 0x11;
    f.mouse->memory()[body + 4] = 0x00; // wrong checksum
    f.Tick();
    f.commands().Btn_Apply_0Click();
    QVERIFY(f.messages.isEmpty());
    for (int i = 0; i < 224; ++i)
        QCOMPARE(f.mouse->memory()[body + i], uint8_t{0});
}

void DeviceCommandsTest::driverModeLoadRefusesAShortFile()
{
    Fixture f(true);
    f.Tick();
    std::vector<uint8_t>& store = f.driver->store();
    store[0x2000] = 0x77; // an assigned macro's byte
    const std::vector<uint8_t> before = store;
    for (int size : {0, 40959}) {
        const QString path = f.dir.filePath(QStringLiteral("short%1.bin").arg(size));
        WriteFile(path, QByteArray(size, '\0'));
        PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return path; };
        f.messages.clear();
        f.driver->requests.clear();
        f.commands().Btn_Load_0Click();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].contains("not a profile"));
        QVERIFY(f.driver->requests.empty());
        QVERIFY(store == before);
    }
    // A whole profile goes to the store as a 102400-byte block whose first 40960 bytes are the file's.
    std::vector<uint8_t> profile(40960);
    for (size_t i = 0; i < profile.size(); ++i)
        profile[i] = static_cast<uint8_t>(i * 7 + 2);
    const QString path = f.dir.filePath("profile.bin");
    WriteFile(path, Bytes(profile));
    PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return path; };
    f.driver->requests.clear();
    f.commands().Btn_Load_0Click();
    QVERIFY(std::equal(profile.begin(), profile.end(), store.begin()));
    QVERIFY(f.driver->requests.size() > 0);
    QCOMPARE(f.driver->requests.front().length, 102400u);
}

void DeviceCommandsTest::driverModeLedTypeShowsWhenCloseFails()
{
    Fixture f(true);
    f.mouse->ledTypeBits = 0x80;
    f.mouse->faults.unanswered = {CmdClose};
    f.Tick();
    QCOMPARE(f.form->State().LedTypeName, QStringLiteral("RBLED"));
}

// An empty or out-of-range record file is not sent to the mouse: the driver's record replaces
// it, and the file is rewritten.
void DeviceCommandsTest::damagedDriverRecordFileIsReplaced()
{
    for (const QByteArray& damaged : {QByteArray(), QByteArray("\x09\x01\x00\x02", 4), QByteArray("\x01\x00\x00\x02", 4), QByteArray("\x01\x01\x00\x0C", 4)}) {
        Fixture f(true);
        WriteFile(f.form->State().DataFolder + "DriverTempCPIAndLedData.bin", damaged);
        f.driver->cpiLedRecord = {0x01, 0x02, 0x00, 0x05};
        f.Tick();
        QCOMPARE(f.form->State().CpiAndLed, (CpiAndLedRecord{0x01, 0x02, 0x00, 0x05}));
        QCOMPARE(f.mouse->cpiLedRecord, (CpiAndLedRecord{0x01, 0x02, 0x00, 0x05}));
        QFile record(f.form->State().DataFolder + "DriverTempCPIAndLedData.bin");
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(record.readAll(), QByteArray("\x01\x02\x00\x05", 4));
    }
}

// Confirm 1-3 and Default in driver mode: the reset file goes to the store whole, the mouse
// gets its record (state code 0xA5, fourth byte 0), and everything is read back.
void DeviceCommandsTest::driverModeResetsAndDefaultLoadTheirFile()
{
    using Handler = void (DeviceCommands::*)();
    const struct { Handler handler; const char* file; } cases[] = {
        {&DeviceCommands::Btn_Confirm1_1Click, "Driver_TARQ54xData_Cfg1.bin"},
        {&DeviceCommands::Btn_Confirm2_1Click, "Driver_TARQ54xData_Cfg2.bin"},
        {&DeviceCommands::Btn_Confirm3_1Click, "Driver_TARQ54xData_Cfg3.bin"},
        {&DeviceCommands::Btn_DefaultClick, "default_config1.bin"},
    };
    for (const auto& c : cases) {
        Fixture f(true);
        f.Tick();
        std::vector<uint8_t> file(102400);
        for (size_t i = 0; i < file.size(); ++i)
            file[i] = static_cast<uint8_t>(i * 13 + 1);
        const uint8_t record[4] = {0x02, 0x23, 0x44, 0x55};
        std::copy(record, record + 4, file.begin() + store::kCpiAndLedRecord);
        WriteFile(f.form->State().DataFolder + c.file, Bytes(file));
        f.mouse->faults.openState = 0xA5;
        f.mouse->log.clear();
        (f.commands().*c.handler)();
        QVERIFY2(f.driver->store() == file, c.file);
        const auto sent = f.mouse->requestsSent();
        const auto setRecord = std::find_if(sent.begin(), sent.end(), [](const auto& r) { return r[1] == CmdSetCpiLed; });
        QVERIFY(setRecord != sent.end());
        QCOMPARE((std::array<uint8_t, 4>{(*setRecord)[2], (*setRecord)[3], (*setRecord)[4], (*setRecord)[5]}),
                 (std::array<uint8_t, 4>{0x02, 0x23, 0x44, 0x00}));
        QVERIFY(f.mouse->refused.empty());
        QVERIFY(f.form->State().DevTimer.isActive());
    }
    // Without the file the reset does nothing to the store.
    Fixture f(true);
    f.Tick();
    const std::vector<uint8_t> before = f.driver->store();
    f.commands().Btn_Confirm2_1Click();
    QVERIFY(f.driver->store() == before);
}

void DeviceCommandsTest::driverModeSaveAndConfirm()
{
    Fixture f(true);
    f.driver->cpiLedRecord = {0x01, 0x02, 0x00, 0x05};
    f.Tick();
    for (size_t i = 0; i < 40960; ++i)
        f.driver->store()[i] = static_cast<uint8_t>(i ^ 0x3C);
    const QString chosen = f.dir.filePath("driver");
    PromptsOf(*f.form).file = [&](UserPrompts::FileUse) { return chosen; };
    f.commands().Btn_Save_0Click();
    QFile saved(chosen + ".bin");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QByteArray expected = Bytes(std::vector<uint8_t>(f.driver->store().begin(), f.driver->store().begin() + 40960));
    expected.replace(store::kCpiAndLedRecord, 4, QByteArray("\x01\x02\x00\x05", 4));
    QCOMPARE(saved.readAll(), expected);

    // Confirm: Apply to the driver, then the window closes.
    f.form->show();
    f.driver->requests.clear();
    f.commands().Btn_Confirm_0Click();
    QVERIFY(std::any_of(f.driver->requests.begin(), f.driver->requests.end(),
                        [](const EmulatedDriver::Request& r) { return r.code == IoctlWriteStore && r.offset == store::kProfile; }));
    QVERIFY(!f.form->isVisible());
}

// A wake-up from the system's arrival notice runs the device check at once, but never while
// DevTimer is stopped: then a transfer or the key test owns the mouse.
void DeviceCommandsTest::arrivalWakeUpWaitsForTheDeviceTimer()
{
    Fixture f;
    f.form->State().DevTimerFirst.stop();
    f.form->State().DevTimer.stop();
    f.commands().WakeDeviceCheck();
    QVERIFY(!f.form->Device().Link.mouseOpen());
    QVERIFY(f.mouse->log.empty());
    f.form->State().DevTimer.start();
    f.commands().WakeDeviceCheck();
    QVERIFY(f.form->Device().Link.mouseOpen());
    QVERIFY(!f.form->State().NoDeviceView);
}

void DeviceCommandsTest::pagesSayWhenNoMouseIsThere()
{
    Fixture f;
    f.bus->setMousePresent(f.mouse, false);
    f.Tick();
    auto* overlay = f.form->control<QLabel>("Disable_All_1");
    QVERIFY(overlay && overlay->isVisibleTo(f.form.get()));
    QCOMPARE(overlay->text(), f.form->State().Text(100));
    f.bus->setMousePresent(f.mouse, true);
    f.Tick();
    QVERIFY(overlay->text().isEmpty());
    QVERIFY(!overlay->isVisibleTo(f.form.get()));
}

void DeviceCommandsTest::loadingScreenShowsStageAndProgress()
{
    Fixture f;
    f.form->CreateLoadingScreen();
    f.Tick();
    QStringList stages;
    int lastPercent = -1;
    bool grew = true;
    f.mouse->faults.latencyMs = 1;
    f.mouse->sleeper = [&](int ms) {
        f.waiter.sleep(ms);
        const TFormLoadingUI* screen = f.form->LoadingScreen();
        if (!screen->isVisible() || screen->Percent() < 0)
            return;
        if (stages.isEmpty() || stages.back() != screen->Caption()) {
            stages << screen->Caption();
            lastPercent = -1;
        }
        grew = grew && screen->Percent() >= lastPercent;
        lastPercent = screen->Percent();
    };
    f.form->Device().Link.MouseMemory.reset(); // a whole write, so the bar has a way to go
    QVERIFY(WriteButtonKeyCode(f.form->State().DataBuf, 1, 3, "010200"));
    f.commands().Btn_Apply_0Click();
    QCOMPARE(stages, (QStringList{f.form->State().Text(905), f.form->State().Text(906)}));
    QVERIFY(grew);
    QVERIFY(lastPercent >= 99);
    QVERIFY(!f.form->LoadingScreen()->isVisible());
}

void DeviceCommandsTest::outcomeOfAWriteIsShown()
{
    Fixture f;
    f.Tick();
    f.commands().Btn_Apply_0Click();
    auto* note = f.form->findChild<QLabel*>("lbl_TransferOutcome");
    QVERIFY(note && note->isVisibleTo(f.form.get()));
    QVERIFY(note->text().contains(f.form->State().Text(907)));
    QVERIFY(f.messages.isEmpty());
    // On every user page the note covers no control and stays inside the window.
    for (const char* page : {"Btn_Main_1", "Btn_Second_1", "Btn_Adv_1", "Btn_Breath_1", "Btn_Macro_1"}) {
        QTest::mouseClick(f.form->control(QLatin1String(page)), Qt::LeftButton);
        f.commands().Btn_Apply_0Click();
        QVERIFY(f.form->rect().contains(note->geometry()));
        for (QWidget* w : f.form->findChildren<QWidget*>()) {
            if (w == note || !w->isVisibleTo(f.form.get()) || !w->findChildren<QWidget*>().isEmpty()
                || w->objectName().startsWith(QLatin1String("Img_")) || w->objectName().isEmpty())
                continue;
            QRect r(w->mapTo(f.form.get(), QPoint(0, 0)), w->size());
            if (w->objectName().startsWith(QLatin1String("lbl_Footer_"))) // a wide box, its text at the left
                r.setWidth(w->fontMetrics().horizontalAdvance(static_cast<QLabel*>(w)->text()));
            QVERIFY2(!r.intersects(note->geometry()), qPrintable(QLatin1String(page) + u' ' + w->objectName()));
        }
    }

    f.mouse->faults.noAnswer = true;
    f.commands().Btn_Apply_0Click();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(909)});
    f.mouse->faults.noAnswer = false;
    f.mouse->faults.configNotReady = true;
    f.messages.clear();
    f.commands().Btn_Confirm1_1Click();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(910)});
    QVERIFY(f.form->State().Text(909).contains("did not answer"));
}

// Every reset wipes the macro pages and the fire macros: it says so and waits for a yes.
void DeviceCommandsTest::resetsAskBeforeTheyWipeTheMouse()
{
    Fixture f;
    f.form->show();
    f.mouse->memory()[0x100] = 0x55;   // a macro page
    f.mouse->memory()[0x500] = 0x66;   // a fire macro
    f.Tick();
    const std::vector<uint8_t> before = f.memory();
    f.answer = false;
    for (const char* reset : {"Btn_Confirm1_", "Btn_Confirm2_", "Btn_Confirm3_"}) {
        f.questions.clear();
        f.ClickButton(reset);
        QCOMPARE(f.questions, QStringList{f.form->State().Text(DeviceCommands::kTextResetQuestion)});
        QCOMPARE(f.memory(), before);
    }
    f.questions.clear();
    f.form->control<QPushButton>("Btn_Default")->click();
    QCOMPARE(f.questions.size(), 1);
    QCOMPARE(f.memory(), before);
    QVERIFY(f.form->State().Text(DeviceCommands::kTextResetQuestion).contains("fire macros"));

    f.answer = true;
    f.ClickButton("Btn_Confirm1_");
    QVERIFY(std::equal(f.mouse->memory().begin(), f.mouse->memory().end(), f.form->State().DefaultImages[0].begin()));
}

// Codes at 0x36/0x37 that the identity check refuses would lock the program out of the mouse:
// Apply writes them only after a yes, and from then on the mouse counts as foreign.
void DeviceCommandsTest::applyAsksBeforeWritingCodesTheCheckRefuses()
{
    Fixture f;
    f.form->show();
    f.Tick();
    f.form->Nav().Btn_Engineer_0Click();
    auto* vendor = f.form->control<QLineEdit>("edt_VendorID");
    vendor->selectAll();
    QTest::keyClicks(vendor, "18");
    const std::vector<uint8_t> before = f.memory();
    f.answer = false;
    f.form->control<QPushButton>("btn_Write")->click();
    const FormState& s = f.form->State();
    const QString question = s.Text(DeviceCommands::kTextCodesQuestion)
                                 .arg(18)
                                 .arg(before[0x37])
                                 .arg(s.ExpectedVendorCode)
                                 .arg(s.ExpectedProductCode);
    QCOMPARE(f.questions, QStringList{question});
    QCOMPARE(f.memory(), before);

    // Confirm does not close the window when the write was declined.
    f.commands().Btn_Confirm_0Click();
    QVERIFY(f.form->isVisible());
    QCOMPARE(f.memory(), before);

    f.answer = true;
    f.questions.clear();
    f.form->control<QPushButton>("btn_Write")->click();
    QCOMPARE(f.questions, QStringList{question});
    QCOMPARE(f.mouse->memory()[0x36], uint8_t{18});
    // The mouse now carries codes the check refuses: the next write asks what it overwrites.
    f.questions.clear();
    f.answer = false;
    f.form->control<QPushButton>("btn_Write")->click();
    QCOMPARE(f.questions.size(), 1);
    QCOMPARE(f.questions[0], s.Text(DeviceCommands::kTextForeignQuestion).arg(18).arg(before[0x37]));
}

// A mouse that answers with refused codes was never read: what the window shows is not what it
// holds. Apply names what would be lost and writes only after a yes.
void DeviceCommandsTest::applyAsksBeforeWritingOverAForeignMouse()
{
    Fixture f;
    f.form->show();
    f.mouse->memory()[0x36] = 0x12;
    f.mouse->memory()[0x100] = 0x55;   // a macro page
    f.mouse->memory()[0x500] = 0x66;   // a fire macro
    f.Tick();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(107)});
    const std::vector<uint8_t> before = f.memory();
    f.answer = false;
    f.ClickButton("Btn_Apply_");
    const QString question = f.form->State().Text(DeviceCommands::kTextForeignQuestion).arg(0x12).arg(before[0x37]);
    QCOMPARE(f.questions, QStringList{question});
    QVERIFY(question.contains("fire macros"));
    QCOMPARE(f.memory(), before);

    f.answer = true;
    f.questions.clear();
    f.ClickButton("Btn_Apply_");
    QCOMPARE(f.questions, QStringList{question});
    QCOMPARE(f.mouse->memory()[0x100], uint8_t{0});
    QCOMPARE(f.mouse->memory()[0x36], f.form->State().DefaultImages[0][0x36]);
    // Its codes are accepted again: the next Apply writes without a question.
    f.questions.clear();
    f.ClickButton("Btn_Apply_");
    QVERIFY(f.questions.isEmpty());
}

QTEST_MAIN(DeviceCommandsTest)
#include "DeviceCommandsTest.moc"
