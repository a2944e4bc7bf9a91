// SPDX-License-Identifier: GPL-2.0-or-later
// The settings controls of the real main form and DataBuf: what showing an image puts on the
// engineer, DPI, Light, Advanced and button pages, that reading the controls back gives the
// same bytes, the LED types' controls, the AIM buttons, the button names and the driver's
// current-DPI and LED record.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "config/ConfigImage.h"
#include "config/DefaultImages.h"
#include "config/ImageSections.h"
#include "config/ui/SettingsMapping.h"
#include "macros/MacroName.h"
#include "support/FormWithMouse.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"

using namespace tarq;

Q_DECLARE_METATYPE(tarq::DataBuf)

namespace {

DataBuf DefaultDataBuf()
{
    DataBuf buf{};
    ImageMacroAreas areas;
    UnpackImage(DefaultImage(1), buf, areas);
    return buf;
}

void SetKeyCode(DataBuf& buf, int keyMode, int button, const char* text)
{
    QVERIFY(WriteButtonKeyCode(buf, keyMode, button, text));
}

// Changes to the default image, one per table row.
DataBuf RedBlueLed()
{
    DataBuf buf = DefaultDataBuf();
    buf[databuf::kFlags0] |= flags0::kLedClassOther;
    buf[databuf::kFlags1] |= flags1::kLedTypeBit3;
    WriteComplementPair(buf, databuf::kLedState, 0x03);   // RB mode 3, LED on, no step
    return buf;
}

DataBuf SyncLedLedOff()
{
    DataBuf buf = DefaultDataBuf();
    buf[databuf::kFlags0] |= flags0::kLedClassOther;
    buf[databuf::kFlags1] &= static_cast<uint8_t>(~(flags1::kLedTypeBit3 | flags1::kLedTypeBit4));
    buf[databuf::kMcuLedModes] = 0x5B;                      // kept: the sync LED has no modes
    WriteComplementPair(buf, databuf::kLedState, ledstate::kLedOff);
    return buf;
}

DataBuf NegativeYOffset()
{
    DataBuf buf = DefaultDataBuf();
    WriteComplementPair(buf, databuf::kYOffsets, 0xFF);     // fire macro 1: -1
    return buf;
}

DataBuf ContinuousFire()
{
    DataBuf buf = DefaultDataBuf();
    buf[databuf::kFireKeyCount] = 0xFF;
    return buf;
}

DataBuf GameModeHalfBrightness()
{
    DataBuf buf = DefaultDataBuf();
    WriteComplementPair(buf, databuf::kKeyMode, kGameModeBit);
    buf[databuf::kMcuLed] = 0x60;                           // half brightness, 7 LEDs
    buf[databuf::kFlags0] = 0x1A;                           // chords off, Fn trigger, not kept, 90 °
    buf[databuf::kFlags1] = 0x0F;                           // all long-press switches, no smoothing
    buf[databuf::kDpiLevelCount] = 3;
    WriteComplementPair(buf, databuf::kCurrentDpiLevel, 2);
    return buf;
}

QString Picture(const TForm1& form, const QString& name)
{
    auto* label = form.control<TSkinLabel>(name);
    return label ? label->picture() : QStringLiteral("<missing %1>").arg(name);
}

QString Text(const TForm1& form, const QString& name)
{
    QWidget* w = form.control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return QStringLiteral("<missing %1>").arg(name);
}

bool Checked(const TForm1& form, const QString& name)
{
    auto* button = form.control<QAbstractButton>(name);
    return button && button->isChecked();
}

int Index(const TForm1& form, const QString& name)
{
    auto* box = form.control<QComboBox>(name);
    return box ? box->currentIndex() : -2;
}

int SliderValue(const TForm1& form, const QString& name)
{
    auto* slider = form.control<QSlider>(name);
    return slider ? slider->value() : -1;
}

// Hidden in its own right; the form itself is never shown here.
bool Hidden(const TForm1& form, const QString& name)
{
    QWidget* w = form.control(name);
    return !w || w->isHidden();
}

QString N(const char* prefix, int n) { return QLatin1String(prefix) + QString::number(n); }

} // namespace

class SettingsMappingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void defaultImageShowsOnEveryPage();
    void showingThenReadingTheControlsKeepsDataBuf_data();
    void showingThenReadingTheControlsKeepsDataBuf();
    void fireKeyCountShowsOnTheAdvancedPage_data();
    void fireKeyCountShowsOnTheAdvancedPage();
    void ledTypeShowsOnlyItsOwnControls();
    void offeredMcuModesNarrowTheModeList();
    void engineerChangesUpdateTheUserPages();
    void aimButtonsSetTheAimValueOnlyWhenPresent();
    void buttonNamesComeFromCodesAndMacroNames();
    void driverRecordShowsAndReadsBack();

private:
    TForm1& Form() { return *device_->form; }
    SettingsMapping& Settings() { return Form().Settings(); }
    void Show(const DataBuf& buf)
    {
        Form().State().DataBuf = buf;
        Settings().DataBufToUI();
    }

    std::unique_ptr<tarq::testing::FormWithMouse> device_;
};

void SettingsMappingTest::initTestCase()
{
    device_ = std::make_unique<tarq::testing::FormWithMouse>();
    Form().ShowStandardMessage = [](const QString&) {};
    Form().ShowDialogMessage = [](const QString&) {};
}

void SettingsMappingTest::defaultImageShowsOnEveryPage()
{
    // The form shows the first default image from its start, without a mouse.
    const TForm1& f = Form();
    QCOMPARE(f.State().DataBuf, DefaultDataBuf());

    // Engineer page.
    QCOMPARE(Index(f, "cb_SensorOri"), 2);   // "180 °"
    QVERIFY(Checked(f, "rb_MCULED"));
    QCOMPARE(f.State().LedTypeName, QStringLiteral("MCULED"));
    QCOMPARE(Index(f, "cb_CPIStep"), 4);
    QCOMPARE(Index(f, "cb_CurrentCPI"), 1);
    QVERIFY(Checked(f, "rb_LEDOn"));
    QCOMPARE(Index(f, "cb_MCULEDCurrentMode"), 1);
    QCOMPARE(Text(f, "edt_MCULEDCrtStep"), QStringLiteral("2"));
    QCOMPARE(Text(f, "edt_MCULEDNum"), QStringLiteral("10"));
    QCOMPARE(Text(f, "edt_CPI1R"), QStringLiteral("0"));   // zero shows as "0", not empty
    QCOMPARE(Text(f, "edt_CPI1G"), QStringLiteral("255"));
    QVERIFY(Hidden(f, "cb_CPI7") && !Hidden(f, "cb_CPI6"));
    QCOMPARE(Index(f, "cb_KeyMode"), 0);

    // DPI page: six levels in use, level 7 greyed, level 2 current.
    QCOMPARE(Settings().Dpi().DpiLevelCount(), 6);
    QCOMPARE(Settings().Dpi().CurrentDpiLevel(), 1);
    QCOMPARE(Index(f, "cbb_DPICount"), 4);
    const QStringList values = {"800", "1600", "2400", "3200", "4800", "6400"};
    const int sliders[] = {100, 400, 600, 700, 900, 1000};
    for (int n = 1; n <= 6; ++n) {
        QCOMPARE(Text(f, N("lbl_DPI", n) + "Value"), values[n - 1]);
        QCOMPARE(SliderValue(f, N("slider_DPI", n)), sliders[n - 1]);
        QVERIFY(f.control(N("slider_DPI", n))->isEnabled());
        QCOMPARE(Picture(f, N("Img_DPI", n)), n == 2 ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"));
    }
    QVERIFY(!f.control("slider_DPI7")->isEnabled());
    QVERIFY(Checked(f, "rb_DPI2"));
    QVERIFY(!Hidden(f, "cs_DPI1Col"));
    QCOMPARE(f.control<TRectShape>("cs_DPI1Col")->colorValue(), 0x00FF00);   // green

    // Light page: LED on, mode 2, speed step 2 (slider 500), 10 LEDs.
    QCOMPARE(Picture(f, "Img_LEDOn"), QStringLiteral("RdS_E"));
    QCOMPARE(Picture(f, "Img_LEDOff"), QStringLiteral("RdS_D"));
    QCOMPARE(Picture(f, "Img_MCULEDMode2"), QStringLiteral("RdS_E"));
    QCOMPARE(Picture(f, "Img_MCULEDMode1"), QStringLiteral("RdS_D"));
    QCOMPARE(SliderValue(f, "slider_Breath_Speed"), 500);
    QCOMPARE(Settings().Light().ShownSpeedStep(), 2);
    QCOMPARE(Settings().Light().ShownLedCountPosition(), 7);
    QCOMPARE(Picture(f, "Img_MCULED3Control"), QStringLiteral("RdS_E"));

    // Advanced page and button page: 3 shots every 6 units, office mode.
    QCOMPARE(Text(f, "Edt_Repeat1"), QStringLiteral("3"));
    QCOMPARE(Text(f, "Edt_DelayTime1"), QStringLiteral("6"));
    QVERIFY(Checked(f, "rb_1"));
    QVERIFY(!Hidden(f, "gbPage1") && Hidden(f, "gbPage2"));
    QCOMPARE(Picture(f, "Img_ComboKey1"), QStringLiteral("CbS_D"));
}

void SettingsMappingTest::showingThenReadingTheControlsKeepsDataBuf_data()
{
    QTest::addColumn<DataBuf>("buf");
    QTest::newRow("default image") << DefaultDataBuf();
    QTest::newRow("RB LED") << RedBlueLed();
    QTest::newRow("sync LED switched off") << SyncLedLedOff();
    QTest::newRow("Y offset -1") << NegativeYOffset();
    QTest::newRow("continuous fire") << ContinuousFire();
    QTest::newRow("game mode, half brightness, 3 levels") << GameModeHalfBrightness();
}

void SettingsMappingTest::showingThenReadingTheControlsKeepsDataBuf()
{
    QFETCH(DataBuf, buf);
    Show(buf);
    QCOMPARE(Form().State().DataBuf, buf);   // showing writes nothing
    Settings().UIToDataBuf();
    for (size_t i = 0; i < buf.size(); ++i)
        if (Form().State().DataBuf[i] != buf[i])
            QFAIL(qPrintable(QStringLiteral("byte %1: %2 shown, %3 read back").arg(i).arg(buf[i]).arg(Form().State().DataBuf[i])));
    if (buf[databuf::kYOffsets] == 0xFF)
        QCOMPARE(Text(Form(), "edt_YOffset1"), QStringLiteral("-1"));
    Show(DefaultDataBuf());
}

void SettingsMappingTest::fireKeyCountShowsOnTheAdvancedPage_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("repeat");
    QTest::addColumn<bool>("continuous");
    QTest::newRow("continuous") << 0xFF << "3" << true;
    QTest::newRow("3 shots") << 2 << "3" << false;
    QTest::newRow("255 shots") << 254 << "255" << false;
}

void SettingsMappingTest::fireKeyCountShowsOnTheAdvancedPage()
{
    QFETCH(int, count);
    QFETCH(QString, repeat);
    QFETCH(bool, continuous);
    DataBuf buf = DefaultDataBuf();
    buf[databuf::kFireKeyCount] = static_cast<uint8_t>(count);
    Show(buf);
    const TForm1& f = Form();
    QCOMPARE(Text(f, "Edt_Repeat1"), repeat);
    QCOMPARE(f.control("Edt_Repeat1")->isEnabled(), !continuous);
    QCOMPARE(Checked(f, "cb_IsFireContinue"), continuous);
    QCOMPARE(Picture(f, "Img_FireContinue"), continuous ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"));
    QCOMPARE(Index(f, "cb_FireCount"), count);
}

void SettingsMappingTest::ledTypeShowsOnlyItsOwnControls()
{
    struct Row {
        const char* name;
        DataBuf buf;
        bool mcu, rb, chord;
    };
    const Row rows[] = {
        {"MCU", DefaultDataBuf(), true, false, true},
        {"RB", RedBlueLed(), false, true, true},
        {"sync", SyncLedLedOff(), false, false, false},
        {"MCU again", DefaultDataBuf(), true, false, true},
    };
    const TForm1& f = Form();
    for (const Row& row : rows) {
        Show(row.buf);
        const QByteArray what = row.name;
        for (int m = 1; m <= 7; ++m) {
            QVERIFY2(Hidden(f, N("Img_MCULEDMode", m)) == !row.mcu, what.constData());
            QVERIFY2(Hidden(f, N("lbl_MCULEDMode", m)) == !row.mcu, what.constData());
            QVERIFY2(Hidden(f, N("Img_RBLEDMode", m)) == !row.rb, what.constData());
            QVERIFY2(Hidden(f, N("cs_DPI", m) + "Col") == !row.mcu, what.constData());
        }
        for (const char* mcuOnly : {"slider_Breath_Speed", "Img_MCULEDStep_1", "Img_MCULEDNum_10",
                                    "gbMCULEDCurrent", "gbMCULEDCPIColor", "Img_MCULED3Control"})
            QVERIFY2(Hidden(f, mcuOnly) == !row.mcu, (what + " " + mcuOnly).constData());
        QVERIFY2(Hidden(f, "gbRBLEDMode") == !row.rb, what.constData());
        QVERIFY2(Hidden(f, "Img_LCPIOn") == !row.chord, what.constData());
        QVERIFY2(Hidden(f, "gbLCPI") == !row.chord, what.constData());
    }

    Show(RedBlueLed());
    QCOMPARE(f.State().LedTypeName, QStringLiteral("RBLED"));
    QCOMPARE(Index(f, "cb_RBLEDCurrentMode"), 2);
    QCOMPARE(Picture(f, "Img_RBLEDMode3"), QStringLiteral("RdS_E"));
    QCOMPARE(Text(f, "edt_MCULEDCrtStep"), QStringLiteral("2"));   // the RB LED has no step
    Show(DefaultDataBuf());
}

void SettingsMappingTest::offeredMcuModesNarrowTheModeList()
{
    DataBuf buf = DefaultDataBuf();
    buf[databuf::kMcuLedModes] = kMcuLedModesMarker | 1 << 2 | 1 << 5;   // modes 2 and 5
    Show(buf);
    const TForm1& f = Form();
    auto* box = f.control<QComboBox>("cb_MCULEDCurrentMode");
    for (int m = 1; m <= 7; ++m) {
        const bool offered = m == 2 || m == 5;
        QCOMPARE(box->itemText(m - 1) == QStringLiteral("------"), !offered);
        QCOMPARE(Hidden(f, N("Img_MCULEDMode", m)), !offered);
    }
    QCOMPARE(box->currentIndex(), 1);   // mode 2 stays current
    Settings().UIToDataBuf();
    QCOMPARE(Form().State().DataBuf, buf);
    Show(DefaultDataBuf());
}

void SettingsMappingTest::engineerChangesUpdateTheUserPages()
{
    TForm1& f = Form();
    Settings().Wire();
    Show(DefaultDataBuf());
    const DataBuf before = f.State().DataBuf;

    auto* offered = f.control<QCheckBox>("cb_Mode3");   // mode 3 no longer offered
    offered->setChecked(false);
    emit offered->clicked(false);
    QCOMPARE(f.control<QComboBox>("cb_MCULEDCurrentMode")->itemText(2), QStringLiteral("------"));
    QVERIFY(Hidden(f, "Img_MCULEDMode3"));

    auto* mode = f.control<QComboBox>("cb_MCULEDCurrentMode");
    mode->setCurrentIndex(4);
    emit mode->activated(4);
    QCOMPARE(Picture(f, "Img_MCULEDMode5"), QStringLiteral("RdS_E"));
    QCOMPARE(Picture(f, "Img_MCULEDMode2"), QStringLiteral("RdS_D"));

    // Four levels: the highest becomes current, levels 5-7 go out of use on both pages.
    auto* step = f.control<QComboBox>("cb_CPIStep");
    step->setCurrentIndex(2);
    emit step->activated(2);
    QCOMPARE(Settings().Dpi().DpiLevelCount(), 4);
    QCOMPARE(Index(f, "cbb_DPICount"), 2);
    QCOMPARE(f.control<QComboBox>("cb_CurrentCPI")->count(), 4);
    QCOMPARE(Index(f, "cb_CurrentCPI"), 3);
    QCOMPARE(Picture(f, "Img_DPI4"), QStringLiteral("CbS_E"));
    QVERIFY(Hidden(f, "cb_CPI5") && !Hidden(f, "cb_CPI4"));
    QVERIFY(!f.control("slider_DPI5")->isEnabled() && f.control("slider_DPI4")->isEnabled());

    QCOMPARE(f.State().DataBuf, before);   // the controls change, DataBuf waits for the next write
    Show(DefaultDataBuf());
}

void SettingsMappingTest::aimButtonsSetTheAimValueOnlyWhenPresent()
{
    TForm1& f = Form();
    // Without an AIM button the AIM label, slider and value keep what they had.
    f.State().AimDpiIndex = 7;
    f.control<QSlider>("slider_DPI8")->setValue(300); // its change handler shows "1200"
    f.control<QLabel>("lbl_AIMKeyValue")->setText("kept");
    Show(DefaultDataBuf());
    QCOMPARE(f.State().AimDpiIndex, 7);
    QCOMPARE(Text(f, "lbl_AIMKeyValue"), QStringLiteral("kept"));
    QCOMPARE(SliderValue(f, "slider_DPI8"), 300);

    // A game-mode AIM button at 4000 (index 8) shows on both pages.
    DataBuf buf = DefaultDataBuf();
    SetKeyCode(buf, 2, 3, "0A0800");
    Show(buf);
    QCOMPARE(f.State().AimDpiIndex, 8);
    QCOMPARE(Text(f, "lbl_AIMKeyValue"), QStringLiteral("4000"));
    QCOMPARE(SliderValue(f, "slider_DPI8"), 800);
    QCOMPARE(Index(f, "cb_AIMKeyValue"), 8);
    QCOMPARE(Text(f, "btn_Key203"), f.State().Text(222));

    // The AIM editors set 1600 (index 4): written as 0A 04 00 in either mode; the code text
    // is not changed.
    for (bool eeprom : {true, false}) {
        f.State().Home.Choose(eeprom ? ConfigurationMode::Eeprom : ConfigurationMode::Driver);
        f.State().AimDpiIndex = 4;
        Settings().AIMKeyToDataBuf();
        const size_t at = databuf::KeyCodeOffset(2, 3);
        QCOMPARE(std::vector<uint8_t>(f.State().DataBuf.begin() + at, f.State().DataBuf.begin() + at + 3),
                 (std::vector<uint8_t>{0x0A, 0x04, 0x00}));
        QCOMPARE(QString::fromStdString(f.State().GameKeyCodes[2]), QStringLiteral("0A0800"));
    }
    f.State().Home.Choose(ConfigurationMode::Eeprom);
    Show(DefaultDataBuf());
}

void SettingsMappingTest::buttonNamesComeFromCodesAndMacroNames()
{
    TForm1& f = Form();
    Settings().RefreshProfile1Keys();
    const QStringList expected = {"Left Click", "Middle Click", "Right Click", "Back", "Forward", "DPI Loop"};
    for (int k = 1; k <= expected.size(); ++k) {
        QCOMPARE(Text(f, N("Key", k)), expected[k - 1]);
        QCOMPARE(Text(f, N("btn_Key10", k)), expected[k - 1]);
        QCOMPARE(Text(f, N("btn_Key20", k)), expected[k - 1]);
    }

    // A game-mode image shows the game page with the game codes' names; a base macro by the
    // name in its page.
    DataBuf buf = DefaultDataBuf();
    WriteComplementPair(buf, databuf::kKeyMode, kGameModeBit);
    SetKeyCode(buf, 2, 1, "060221");    // base macro page 2
    const MacroName name = MacroNameFromUtf16(u"Burst \u00e9");
    std::copy(name.begin(), name.end(), f.State().MacroAreas.basePages[1].begin());
    Show(buf);
    QVERIFY(Checked(f, "rb_2"));
    QCOMPARE(Index(f, "cb_KeyMode"), 1);
    QVERIFY(!Hidden(f, "gbPage1") && Hidden(f, "gbPage3"));
    QCOMPARE(Text(f, "Key1"), QStringLiteral("Burst \u00e9"));
    QCOMPARE(Text(f, "Key2"), QStringLiteral("Middle Click"));

    // Driver mode: the macro's name from the assigned driver macro records.
    f.State().Home.Choose(ConfigurationMode::Driver);
    std::vector<uint8_t> record(2048, 0);
    const MacroName driverName = MacroNameFromUtf16(u"Driver one");
    std::copy(driverName.begin(), driverName.end(), record.begin());
    f.State().AssignedDriverMacros = {record};
    f.State().GameKeyCodes[0] = "060120";
    Settings().RefreshProfile2Keys();
    QCOMPARE(Text(f, "Key1"), QStringLiteral("Driver one"));
    f.State().AssignedDriverMacros.clear();
    f.State().Home.Choose(ConfigurationMode::Eeprom);
    f.State().MacroAreas.basePages[1].fill(0);
    Show(DefaultDataBuf());
    QVERIFY(Checked(f, "rb_1"));
}

void SettingsMappingTest::driverRecordShowsAndReadsBack()
{
    TForm1& f = Form();
    Show(DefaultDataBuf());
    Settings().ShowLedType("MCULED");
    // Level 4 current, smoothing on; MCU mode 5, LED off, step 6; value index of level 4.
    const CpiAndLedRecord record{0x83, 0xCD, 0x00, 0x07};
    Settings().ShowCpiAndLedRecord(record);
    QCOMPARE(Index(f, "cb_CurrentCPI"), 3);
    QCOMPARE(Picture(f, "Img_DPI4"), QStringLiteral("CbS_E"));
    QVERIFY(Checked(f, "cb_Smooth"));
    QCOMPARE(Index(f, "cb_MCULEDCurrentMode"), 4);
    QCOMPARE(Picture(f, "Img_MCULEDMode5"), QStringLiteral("RdS_E"));
    QVERIFY(Checked(f, "rb_LEDOff"));          // an LED switched off stays off
    QCOMPARE(Picture(f, "Img_LEDOff"), QStringLiteral("RdS_E"));
    QCOMPARE(Text(f, "edt_MCULEDCrtStep"), QStringLiteral("6"));
    QCOMPARE(SliderValue(f, "slider_Breath_Speed"), 100);

    QCOMPARE(BuildCpiAndLedRecord(record, Settings().RecordInputs()), record);

    // The mouse reports another LED type than the image: its controls replace the image's.
    Settings().ShowLedType("BreLED");
    QVERIFY(Checked(f, "rb_BreLED"));
    QVERIFY(Hidden(f, "slider_Breath_Speed") && Hidden(f, "Img_MCULEDMode1") && Hidden(f, "cs_DPI1Col"));

    // In driver mode the type the mouse reported outlasts showing the store's sections.
    f.State().Home.Choose(ConfigurationMode::Driver);
    Settings().ShowLedType("RBLED");
    Show(DefaultDataBuf());
    QCOMPARE(f.State().LedTypeName, QStringLiteral("RBLED"));
    QVERIFY(Checked(f, "rb_RBLED"));
    QCOMPARE(Index(f, "cb_RBLEDCurrentMode"), 1);   // byte 50: mode 2
    QVERIFY(Hidden(f, "Img_MCULEDMode2") && !Hidden(f, "Img_RBLEDMode2") && Hidden(f, "cs_DPI1Col"));
    f.State().Home.Choose(ConfigurationMode::Eeprom);
    f.State().LedTypeName.clear();
    Show(DefaultDataBuf());
    QCOMPARE(f.State().LedTypeName, QStringLiteral("MCULED"));
}

QTEST_MAIN(SettingsMappingTest)
#include "SettingsMappingTest.moc"
