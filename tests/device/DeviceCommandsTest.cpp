// The device side of the real main form against the emulated mouse and driver: finding and
// reading the mouse, losing it, the identity checks, Apply with verification, resets and
// profile files, and the driver mode.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "config/ImageSections.h"
#include "config/SectionChecksum.h"
#include "device/ui/DeviceCommands.h"
#include "device/DriverChannel.h"
#include "device/DriverIoctl.h"
#include "support/FormWithMouse.h"

using namespace tarq;
using tarq::testing::FormWithMouse;

namespace {

// A form whose messages are collected instead of shown, with its data folder in a temporary
// folder.
struct Fixture : FormWithMouse {
    explicit Fixture(bool driverMode = false) : FormWithMouse(driverMode)
    {
        form->ShowStandardMessage = [this](const QString& text) { messages << text; };
        form->ShowDialogMessage = [this](const QString& text) { messages << text; };
        form->State().DataFolder = dir.path() + QLatin1Char('/');
    }

    void Tick() { form->Commands().DevTimerTimer(); }
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
    void driverModeReadsAndWritesTheStore();
    void driverThatCannotBeOpenedLeavesThePagesUsable();
    void engineerPageChangeWritesExactlyItsBytes();
    void damagedProfileIsShownRepairedButWrittenAsLoaded();
    void driverRecordComesFromTheDriverOnceThenFromItsFile();
    void unplugDuringAVerifiedWriteRecovers();
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
    QVERIFY(WriteButtonKeyCode(f.form->State().DataBuf, 1, 3, "010200"));
    f.commands().Btn_Apply_0Click();
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.mouse->memory()[0x46], uint8_t{0x01});
    QCOMPARE(f.mouse->memory()[0x47], uint8_t{0x02});
    QCOMPARE(f.memory(), f.image());
    DataBuf check{};
    ImageMacroAreas areas;
    QVERIFY(UnpackImage(f.mouse->memory(), check, areas).AllKept()); // checksums renewed
    QCOMPARE(f.commandsSent(), (std::vector<uint8_t>{CmdOpen, CmdStatus, CmdWriteWindow, CmdReadWindow, CmdReload, CmdClose}));
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
    f.commands().ChooseLoadFile = [&] { return shortFile; };
    f.commands().Btn_Load_0Click();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY(f.messages[0].contains("not a profile"));
    QCOMPARE(f.image(), before);

    std::vector<uint8_t> profile(f.form->State().DefaultImages[0].begin(), f.form->State().DefaultImages[0].end());
    profile[0x300] = 0x5A;
    const QString good = f.dir.filePath("good.bin");
    WriteFile(good, Bytes(profile));
    f.commands().ChooseLoadFile = [&] { return good; };
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
    f.commands().ChooseSaveFile = [&] { return chosen; };
    f.commands().Btn_Save_0Click();
    QFile saved(chosen + ".bin");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), Bytes(f.memory()));
    f.commands().ChooseSaveFile = [] { return QString(); }; // cancelled: nothing happens
    f.commands().Btn_Save_0Click();
    QVERIFY(f.messages.isEmpty());
}

void DeviceCommandsTest::driverModeReadsAndWritesTheStore()
{
    Fixture f(true);
    QVERIFY(!f.form->State().EepromMode);
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
    f.commands().ChooseLoadFile = [&] { return path; };
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
    f.commands().Btn_Apply_0Click();
    QVERIFY(f.messages.isEmpty()); // neither success nor a verification failure is claimed
    f.Tick();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(100) + "\n\n" + f.form->State().Text(101)});
    QVERIFY(f.form->State().NoDeviceView);
    QVERIFY(!f.form->Device().Link.mouseOpen());

    f.mouse->faults.unplugAfterReports = -1;
    f.bus->setMousePresent(f.mouse, true);
    f.Tick();
    QVERIFY(f.form->Device().Link.mouseOpen());
    QVERIFY(!f.form->State().NoDeviceView);
    QCOMPARE(f.image(), f.memory());
}

QTEST_MAIN(DeviceCommandsTest)
#include "DeviceCommandsTest.moc"
