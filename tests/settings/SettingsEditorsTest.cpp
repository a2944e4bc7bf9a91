// SPDX-License-Identifier: GPL-2.0-or-later
// The DPI page, the Light page and the fire key of the Advanced page, driven as a person does
// on the real main form with the emulated mouse: each edit reaches the mouse's memory at the
// next Apply as exactly its bytes, and a fresh Read shows it again.

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <functional>

#include "config/ConfigImage.h"
#include "support/ImageAfterEdit.h"
#include "config/ImageSections.h"
#include "config/ParameterFields.h"
#include "config/SectionChecksum.h"
#include "config/ui/SettingsMapping.h"
#include "device/CpiAndLedRecord.h"
#include "device/DriverChannel.h"
#include "device/ui/DeviceCommands.h"
#include "settings/ui/DpiEditor.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Shapes.h"
#include "ui/language/LanguageSwitch.h"
#include "ui/SkinLabel.h"

using namespace tarq;
using tarq::testing::FormWithMouse;

namespace {

struct Fixture : FormWithMouse {
    explicit Fixture(bool driverMode = false) : FormWithMouse(driverMode)
    {
        form->ShowStandardMessage = [this](const QString& text) { messages << text; };
        form->ShowDialogMessage = [this](const QString& text) { messages << text; };
        form->State().DataFolder = dir.path() + QLatin1Char('/');
    }

    void Tick() { form->Commands().DevTimerTimer(); }

    template <class T = QWidget>
    T* w(const QString& name) const
    {
        T* found = form->control<T>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void Click(const QString& name) { testing::SendClick(w(name)); }
    void Choose(const QString& combo, int index)
    {
        auto* box = w<QComboBox>(combo);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void Type(const QString& edit, const QString& text)
    {
        auto* e = w<QLineEdit>(edit);
        // Typing over the whole text: an edit corrects an empty text at once.
        e->selectAll();
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            QTest::keyClicks(e, text);
    }
    void ReleaseSlider(const QString& slider, int x)
    {
        auto* s = w<QSlider>(slider);
        QTest::mousePress(s, Qt::LeftButton, {}, QPoint(x, s->height() / 2));
        QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(x, s->height() / 2));
    }
    QString Picture(const QString& name) const { return w<TSkinLabel>(name)->picture(); }
    QString Text(const QString& name) const
    {
        if (auto* edit = form->control<QLineEdit>(name))
            return edit->text();
        return w<QLabel>(name)->text();
    }

    std::vector<uint8_t> Expected(const std::vector<uint8_t>& before, const std::function<void(DataBuf&)>& edit) const
    {
        return testing::ImageAfterEdit(before, edit);
    }
    std::vector<uint8_t> memory() const { return {mouse->memory().begin(), mouse->memory().end()}; }
    DataBuf Shown() const { return form->State().DataBuf; }

    QTemporaryDir dir;
    QStringList messages;
};

void SetPair(DataBuf& b, size_t at, uint8_t value)
{
    b[at] = value;
    b[at + 1] = static_cast<uint8_t>(255 - value);
}

// Puts `code` on office button `button` of the mouse's memory, with a valid profile checksum.
void PutOfficeCode(FormWithMouse& f, int button, std::array<uint8_t, 3> code)
{
    auto& mem = f.mouse->memory();
    DeviceImage image{};
    std::copy(mem.begin(), mem.end(), image.begin());
    DataBuf buf{};
    ImageToDataBuf(image, buf);
    std::copy(code.begin(), code.end(), buf.begin() + databuf::kOfficeKeyCodes + 3 * (button - 1));
    DataBufToImage(buf, image);
    std::copy(image.begin(), image.end(), mem.begin());
}

} // namespace

class SettingsEditorsTest : public QObject {
    Q_OBJECT
private slots:
    void editReachesTheMouseAndComesBack_data();
    void editReachesTheMouseAndComesBack();
    void levelCountKeepsBothPagesInStep();
    void colourEditsCorrectThemselvesAndPaintTheSwatch();
    void aimSliderWithoutAnAimButtonSaysSo();
    void aimSliderMovedByKeysOrWheelWritesWhatItShows();
    void ledTypeDecidesWhatTheLightPageShows();
    void ledCountAndSpeedEditsCorrectThemselves();
    void keyModeNotKeptSelectsKeyModeOne();
    void languageSwitchKeepsUnappliedEdits();
    void driverModeCarriesItsEditsToTheDriver();
};

using Action = std::function<void(Fixture&)>;
using Edit = std::function<void(DataBuf&)>;
using tarq::testing::PromptsOf;
using Shows = Action; // what the pages show after a fresh read
Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Edit)

void SettingsEditorsTest::editReachesTheMouseAndComesBack_data()
{
    QTest::addColumn<Action>("act");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Shows>("shows");
    const Shows nothingMore = [](Fixture&) {};

    QTest::newRow("DPI count 2") << Action([](Fixture& f) { f.Choose("cbb_DPICount", 0); })
                                 << Edit([](DataBuf& b) { b[databuf::kDpiLevelCount] = 2; SetPair(b, databuf::kCurrentDpiLevel, 1); })
                                 << Shows([](Fixture& f) {
                                        QCOMPARE(f.w<QComboBox>("cb_CPIStep")->currentIndex(), 0);
                                        QVERIFY(!f.w("slider_DPI3")->isEnabled());
                                        QCOMPARE(f.Picture("Img_DPI2"), QStringLiteral("CbS_E"));
                                    });
    QTest::newRow("DPI count 7") << Action([](Fixture& f) { f.Choose("cbb_DPICount", 5); })
                                 << Edit([](DataBuf& b) { b[databuf::kDpiLevelCount] = 7; SetPair(b, databuf::kCurrentDpiLevel, 6); })
                                 << Shows([](Fixture& f) {
                                        QVERIFY(f.w("slider_DPI7")->isEnabled());
                                        QVERIFY(f.w("Img_DPI7_11")->isEnabled());
                                        QCOMPARE(f.Picture("Img_DPI7"), QStringLiteral("CbS_E"));
                                    });
    QTest::newRow("level 1 at the left end") << Action([](Fixture& f) { f.ReleaseSlider("slider_DPI1", 0); })
                                             << Edit([](DataBuf& b) { b[databuf::kDpiValues] = 0; })
                                             << Shows([](Fixture& f) { QCOMPARE(f.Text("lbl_DPI1Value"), QStringLiteral("500")); });
    QTest::newRow("level 3 at the right end") << Action([](Fixture& f) { f.ReleaseSlider("slider_DPI3", 239); })
                                              << Edit([](DataBuf& b) { b[databuf::kDpiValues + 2] = 10; })
                                              << Shows([](Fixture& f) {
                                                     QCOMPARE(f.Text("lbl_DPI3Value"), QStringLiteral("6400"));
                                                     QCOMPARE(f.w<QSlider>("slider_DPI3")->value(), 1000);
                                                 });
    QTest::newRow("current level 1") << Action([](Fixture& f) { f.Click("Img_DPI1"); })
                                     << Edit([](DataBuf& b) { SetPair(b, databuf::kCurrentDpiLevel, 0); })
                                     << Shows([](Fixture& f) {
                                            QCOMPARE(f.Picture("Img_DPI1"), QStringLiteral("CbS_E"));
                                            QCOMPARE(f.w<QComboBox>("cb_CurrentCPI")->currentIndex(), 0);
                                        });
    QTest::newRow("colour of level 2") << Action([](Fixture& f) {
                                              PromptsOf(*f.form).colour = [](const QColor&) { return QColor(1, 2, 250); };
                                              f.Click("lbl_DPI2Col");
                                          })
                                       << Edit([](DataBuf& b) {
                                              b[databuf::kDpiColours + 3] = 1;
                                              b[databuf::kDpiColours + 4] = 2;
                                              b[databuf::kDpiColours + 5] = 250;
                                          })
                                       << Shows([](Fixture& f) { QCOMPARE(f.Text("edt_CPI2B"), QStringLiteral("250")); });
    QTest::newRow("LED off") << Action([](Fixture& f) { f.Click("Img_LEDOff"); })
                             << Edit([](DataBuf& b) { SetPair(b, databuf::kLedState, b[databuf::kLedState] | 0x08); })
                             << Shows([](Fixture& f) { QCOMPARE(f.Picture("Img_LEDOff"), QStringLiteral("RdS_E")); });
    QTest::newRow("on/off chord on") << Action([](Fixture& f) { f.Click("lbl_B4CPIOn"); })
                                     << Edit([](DataBuf& b) { b[databuf::kFlags0] |= 0x01; })
                                     << Shows([](Fixture& f) { QCOMPARE(f.Picture("Img_B4CPIOn"), QStringLiteral("RdS_E")); });
    QTest::newRow("on/off chord off") << Action([](Fixture& f) { f.Click("Img_B4CPIOff"); })
                                      << Edit([](DataBuf& b) { b[databuf::kFlags0] &= ~0x01; })
                                      << Shows([](Fixture& f) { QCOMPARE(f.Picture("Img_B4CPIOff"), QStringLiteral("RdS_E")); });
    QTest::newRow("mode chord on") << Action([](Fixture& f) { f.Click("Img_LCPIOn"); })
                                   << Edit([](DataBuf& b) { b[databuf::kFlags0] |= 0x04; })
                                   << Shows([](Fixture& f) { QCOMPARE(f.Picture("Img_LCPIOn"), QStringLiteral("RdS_E")); });
    QTest::newRow("mode chord off") << Action([](Fixture& f) { f.Click("lbl_LCPIOff"); })
                                    << Edit([](DataBuf& b) { b[databuf::kFlags0] &= ~0x04; })
                                    << Shows([](Fixture& f) { QCOMPARE(f.Picture("Img_LCPIOff"), QStringLiteral("RdS_E")); });
    QTest::newRow("brightness half by its text") << Action([](Fixture& f) { f.Click("lbl_NoSaveKeyMode"); })
                                                 << Edit([](DataBuf& b) { b[databuf::kMcuLed] &= ~0x08; })
                                                 << Shows([](Fixture& f) { QCOMPARE(f.Picture("Img_MCULED6Control"), QStringLiteral("RdS_E")); });
    QTest::newRow("MCU mode 4") << Action([](Fixture& f) { f.Click("Img_MCULEDMode4"); })
                                << Edit([](DataBuf& b) { SetPair(b, databuf::kLedState, (b[databuf::kLedState] & ~0x07) | 4); })
                                << Shows([](Fixture& f) { QCOMPARE(f.Picture("Img_MCULEDMode4"), QStringLiteral("RdS_E")); });
    QTest::newRow("speed 1") << Action([](Fixture& f) { f.Click("Img_MCULEDStep_1"); })
                             << Edit([](DataBuf& b) { SetPair(b, databuf::kLedState, b[databuf::kLedState] & 0x1F); })
                             << Shows([](Fixture& f) { QCOMPARE(f.w<QSlider>("slider_Breath_Speed")->value(), 700); });
    QTest::newRow("speed 8") << Action([](Fixture& f) { f.Click("Img_MCULEDStep_8"); })
                             << Edit([](DataBuf& b) { SetPair(b, databuf::kLedState, b[databuf::kLedState] | 0xE0); })
                             << Shows([](Fixture& f) { QCOMPARE(f.Text("edt_MCULEDCrtStep"), QStringLiteral("7")); });
    QTest::newRow("breathing slider far left") << Action([](Fixture& f) { f.ReleaseSlider("slider_Breath_Speed", 1); })
                                               << Edit([](DataBuf& b) { SetPair(b, databuf::kLedState, b[databuf::kLedState] | 0xE0); })
                                               << Shows([](Fixture& f) { QCOMPARE(f.w<QSlider>("slider_Breath_Speed")->value(), 0); });
    QTest::newRow("4 LEDs") << Action([](Fixture& f) { f.Click("Img_MCULEDNum_1"); })
                            << Edit([](DataBuf& b) { b[databuf::kMcuLed] = (b[databuf::kMcuLed] & 0x0F) | (9 << 4); })
                            << Shows([](Fixture& f) { QCOMPARE(f.Text("edt_MCULEDNum"), QStringLiteral("4")); });
    QTest::newRow("13 LEDs") << Action([](Fixture& f) { f.Click("lbl_MCULEDNum_10"); })
                             << Edit([](DataBuf& b) { b[databuf::kMcuLed] &= 0x0F; })
                             << Shows([](Fixture& f) { QCOMPARE(f.Text("edt_MCULEDNum"), QStringLiteral("13")); });
    QTest::newRow("repeat emptied") << Action([](Fixture& f) { f.Type("Edt_Repeat1", ""); })
                                    << Edit([](DataBuf& b) { b[databuf::kFireKeyCount] = 1; })
                                    << Shows([](Fixture& f) { QCOMPARE(f.Text("Edt_Repeat1"), QStringLiteral("2")); });
    QTest::newRow("repeat 0") << Action([](Fixture& f) { f.Type("Edt_Repeat1", "0"); })
                              << Edit([](DataBuf& b) { b[databuf::kFireKeyCount] = 0; })
                              << Shows([](Fixture& f) { QCOMPARE(f.Text("Edt_Repeat1"), QStringLiteral("1")); });
    QTest::newRow("repeat 300") << Action([](Fixture& f) { f.Type("Edt_Repeat1", "300"); })
                                << Edit([](DataBuf& b) { b[databuf::kFireKeyCount] = 254; })
                                << Shows([](Fixture& f) { QCOMPARE(f.Text("Edt_Repeat1"), QStringLiteral("255")); });
    QTest::newRow("repeat 10, interval 20") << Action([](Fixture& f) { f.Type("Edt_Repeat1", "10"); f.Type("Edt_DelayTime1", "20"); })
                                            << Edit([](DataBuf& b) { b[databuf::kFireKeyCount] = 9; b[databuf::kFireKeyInterval] = 20; })
                                            << Shows([](Fixture& f) { QCOMPARE(f.Text("edt_FireTime"), QStringLiteral("20")); });
    QTest::newRow("interval 999") << Action([](Fixture& f) { f.Type("Edt_DelayTime1", "999"); })
                                  << Edit([](DataBuf& b) { b[databuf::kFireKeyInterval] = 255; })
                                  << Shows([](Fixture& f) { QCOMPARE(f.Text("Edt_DelayTime1"), QStringLiteral("255")); });
    QTest::newRow("continuous") << Action([](Fixture& f) { f.Click("lbl_FireContinue"); })
                                << Edit([](DataBuf& b) { b[databuf::kFireKeyCount] = 0xFF; })
                                << Shows([](Fixture& f) {
                                       QCOMPARE(f.Picture("Img_FireContinue"), QStringLiteral("CbS_E"));
                                       QVERIFY(!f.w("Edt_Repeat1")->isEnabled());
                                   });
    QTest::newRow("continuous on and off again") << Action([](Fixture& f) { f.Click("lbl_FireContinue"); f.Click("Img_FireContinue"); })
                                                 << Edit([](DataBuf& b) { b[databuf::kFireKeyCount] = 2; })
                                                 << Shows([](Fixture& f) { QCOMPARE(f.Text("Edt_Repeat1"), QStringLiteral("3")); });
    QTest::newRow("long press middle on the button page")
        << Action([](Fixture& f) { f.Click("IB_ComboKey1"); })
        << Edit([](DataBuf& b) {
               b[databuf::kFlags1] |= flags1::kLongPressMiddle;
               b[databuf::kFlags1] &= ~flags1::kLongPressDpi;
           })
        << Shows([](Fixture& f) {
               QCOMPARE(f.Picture("Img_ComboKey1"), QStringLiteral("CbS_E"));
               QVERIFY(f.w<QAbstractButton>("cb_MidPress")->isChecked());
           });
    QTest::newRow("long press gun key by the engineer box")
        << Action([](Fixture& f) { f.w<QAbstractButton>("cb_GunPress")->click(); })
        << Edit([](DataBuf& b) { b[databuf::kFlags1] ^= flags1::kLongPressGunKey; })
        << Shows([](Fixture& f) {
               const bool on = f.w<QAbstractButton>("cb_GunPress")->isChecked();
               QCOMPARE(f.Picture("Img_ComboKey3"), on ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D"));
           });
    QTest::newRow("fire macro colour on the engineer tab")
        << Action([](Fixture& f) { f.w<QLineEdit>("edt_FireMacroColor3G")->setText("300"); })
        << Edit([](DataBuf& b) { b[databuf::kFireColours + 3 * 2 + 1] = 255; })
        << Shows([](Fixture& f) { QCOMPARE(f.Text("edt_FireMacroColor3G"), QStringLiteral("255")); });
}

void SettingsEditorsTest::editReachesTheMouseAndComesBack()
{
    QFETCH(Action, act);
    QFETCH(Edit, edit);
    QFETCH(Shows, shows);
    Fixture f;
    f.Tick();
    const std::vector<uint8_t> before = f.memory();

    act(f);
    f.form->Commands().Btn_Apply_0Click();
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.join('|')));
    const std::vector<uint8_t> expected = f.Expected(before, edit);
    for (size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(f.memory()[i] == expected[i], qPrintable(QStringLiteral("byte 0x%1: %2, expected %3")
                                                             .arg(i, 3, 16, QLatin1Char('0')).arg(f.memory()[i]).arg(expected[i])));
    DataBuf check{};
    DeviceImage image{};
    std::copy(expected.begin(), expected.end(), image.begin());
    QVERIFY(ImageToDataBuf(image, check).AllKept());   // every section checksum valid

    f.form->Commands().Btn_Read_0Click();
    shows(f);
    // What the pages show after the read is what goes back at the next Apply.
    f.form->Commands().Btn_Apply_0Click();
    QCOMPARE(f.memory(), expected);
}

// Edits made but not yet applied survive switching the language there and back: Apply then
// writes exactly what it writes without the switch.
void SettingsEditorsTest::languageSwitchKeepsUnappliedEdits()
{
    const auto edit = [](Fixture& f) {
        f.Choose("cbb_DPICount", 5);
        f.ReleaseSlider("slider_DPI3", 239);
        f.Type("Edt_Repeat1", "42");
        f.Click("Img_LEDOff");
        f.Click("Img_MCULEDMode4");
    };
    Fixture plain;
    plain.Tick();
    edit(plain);
    plain.form->Commands().Btn_Apply_0Click();

    for (const bool backFirst : {true, false}) {
        Fixture switched;
        switched.Tick();
        edit(switched);
        switched.form->Language().Btn_Lang2_0Click();
        QCOMPARE(switched.Text("Edt_Repeat1"), QStringLiteral("42"));
        if (backFirst)
            switched.form->Language().Btn_Lang1_0Click();
        switched.form->Commands().Btn_Apply_0Click();
        QVERIFY2(switched.messages.isEmpty(), qPrintable(switched.messages.join('|')));
        QCOMPARE(switched.memory(), plain.memory());
    }
}

void SettingsEditorsTest::levelCountKeepsBothPagesInStep()
{
    Fixture f;
    f.Tick();
    f.Click("Img_DPI5");
    QCOMPARE(f.form->Settings().Dpi().CurrentDpiLevel(), 4);
    f.Choose("cbb_DPICount", 1); // 3 levels: level 3 becomes current
    QCOMPARE(f.w<QComboBox>("cb_CPIStep")->currentIndex(), 1);
    QCOMPARE(f.w<QComboBox>("cb_CurrentCPI")->count(), 3);
    QCOMPARE(f.w<QComboBox>("cb_CurrentCPI")->currentIndex(), 2);
    QCOMPARE(f.Picture("Img_DPI3"), QStringLiteral("CbS_E"));
    QCOMPARE(f.Picture("Img_DPI5"), QStringLiteral("CbS_D"));
    for (int n = 4; n <= 7; ++n) {
        QVERIFY(!f.w(QStringLiteral("slider_DPI%1").arg(n))->isEnabled());
        QVERIFY(f.w(QStringLiteral("cb_CPI%1").arg(n))->isHidden());
    }
    f.Click("Img_DPI5"); // a level out of use cannot become current
    QCOMPARE(f.w<QComboBox>("cb_CurrentCPI")->currentIndex(), 2);

    // The engineer box drives the DPI page the same way.
    f.Choose("cb_CPIStep", 2);
    QCOMPARE(f.w<QComboBox>("cbb_DPICount")->currentIndex(), 2);
    QVERIFY(f.w("slider_DPI4")->isEnabled());
    f.Choose("cb_CurrentCPI", 0);
    QCOMPARE(f.Picture("Img_DPI1"), QStringLiteral("CbS_E"));
    QCOMPARE(f.Picture("Img_DPI4"), QStringLiteral("CbS_D"));

    // Without the count box, the level labels add and remove levels at the end.
    f.form->State().Style.dpiCountVisible = false;
    f.Click("lbl_DPI5");
    QCOMPARE(f.form->Settings().Dpi().DpiLevelCount(), 5);
    QCOMPARE(f.w<QComboBox>("cb_CurrentCPI")->currentIndex(), 4);
    QCOMPARE(f.w<QComboBox>("cbb_DPICount")->currentIndex(), 3);
    f.Click("lbl_DPI5");
    QCOMPARE(f.form->Settings().Dpi().DpiLevelCount(), 4);
    QCOMPARE(f.Picture("Img_DPI4"), QStringLiteral("CbS_E"));
    f.Click("Img_DPI1");
    f.Click("lbl_DPI2"); // changes no level, makes the highest current
    QCOMPARE(f.form->Settings().Dpi().DpiLevelCount(), 4);
    QCOMPARE(f.w<QComboBox>("cb_CurrentCPI")->currentIndex(), 3);
    f.Click("lbl_DPI7"); // not right after the last level in use
    QCOMPARE(f.form->Settings().Dpi().DpiLevelCount(), 4);

    // A level value chosen in the engineer box moves the slider; the keyboard moves the box.
    f.Choose("cb_CPI2", 9);
    QCOMPARE(f.w<QSlider>("slider_DPI2")->value(), 900);
    QCOMPARE(f.Text("lbl_DPI2Value"), QStringLiteral("4800"));
    f.w("slider_DPI2")->setFocus();
    QTest::keyClick(f.w("slider_DPI2"), Qt::Key_Right);
    QCOMPARE(f.Text("lbl_DPI2Value"), QStringLiteral("6400"));
    QCOMPARE(f.w<QComboBox>("cb_CPI2")->currentIndex(), 10);
}

void SettingsEditorsTest::colourEditsCorrectThemselvesAndPaintTheSwatch()
{
    Fixture f;
    f.Tick();
    f.Type("edt_CPI1R", "300");
    QCOMPARE(f.Text("edt_CPI1R"), QStringLiteral("255"));
    f.Type("edt_CPI1G", "");
    QCOMPARE(f.Text("edt_CPI1G"), QStringLiteral("0"));
    f.Type("edt_CPI1B", "16");
    QCOMPARE(f.w<TRectShape>("cs_DPI1Col")->colorValue(), 255 + 16 * 65536);

    // The colour dialog opens for the MCU LED only, and Cancel changes nothing.
    int asked = 0;
    PromptsOf(*f.form).colour = [&](const QColor& initial) -> std::optional<QColor> {
        ++asked;
        if (initial != QColor(255, 0, 16))
            qWarning("dialog opened with the wrong colour");
        return std::nullopt;
    };
    f.Click("lbl_DPI1Col");
    QCOMPARE(asked, 1);
    QCOMPARE(f.Text("edt_CPI1R"), QStringLiteral("255"));
    f.form->State().LedTypeName = "RBLED";
    f.Click("lbl_DPI1Col");
    QCOMPARE(asked, 1);
}

void SettingsEditorsTest::aimSliderWithoutAnAimButtonSaysSo()
{
    {
        Fixture f;
        f.Tick();
        f.ReleaseSlider("slider_DPI8", 100);
        QCOMPARE(f.messages, QStringList{QStringLiteral("Please select a AIM Key in Profile!")});
        QCOMPARE(f.w<QSlider>("slider_DPI8")->value(), 0);
        QCOMPARE(f.Text("lbl_AIMKeyValue"), QStringLiteral("500"));
        QCOMPARE(f.form->State().AimDpiIndex, 0);
    }
    // With an AIM button, the slider's value reaches the button's code in the mouse.
    Fixture f;
    PutOfficeCode(f, 3, {0x0A, 0x02, 0x00});
    f.Tick();
    const std::vector<uint8_t> before = f.memory();
    f.ReleaseSlider("slider_DPI8", 100); // 2000
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.Text("lbl_AIMKeyValue"), QStringLiteral("2000"));
    f.form->Commands().Btn_Apply_0Click();
    QCOMPARE(f.memory(), f.Expected(before, [](DataBuf& b) { b[databuf::kOfficeKeyCodes + 7] = 5; }));
    f.ReleaseSlider("slider_DPI8", 0);
    QCOMPARE(f.Text("lbl_AIMKeyValue"), QStringLiteral("500"));
    f.form->Commands().Btn_Read_0Click();
    QCOMPARE(f.Text("lbl_AIMKeyValue"), QStringLiteral("2000"));
    QCOMPARE(f.w<QSlider>("slider_DPI8")->value(), 500);
    QCOMPARE(f.w<QComboBox>("cb_AIMKeyValue")->currentIndex(), 5);
}

// The AIM slider moved by the keyboard or the wheel: the value its label shows is the one the
// next Apply writes into the AIM button's code.
void SettingsEditorsTest::aimSliderMovedByKeysOrWheelWritesWhatItShows()
{
    Fixture f;
    PutOfficeCode(f, 3, {0x0A, 0x02, 0x00});
    f.Tick();
    f.form->show();
    QTest::mouseClick(f.w("Btn_Second_1"), Qt::LeftButton);   // the DPI page
    auto* slider = f.w<QSlider>("slider_DPI8");
    const auto written = [&f] {
        DeviceImage image{};
        std::copy(f.mouse->memory().begin(), f.mouse->memory().end(), image.begin());
        DataBuf buf{};
        ImageToDataBuf(image, buf);
        return f.form->Settings().Dpi().DpiText(buf[databuf::kOfficeKeyCodes + 7]);
    };
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(f.Text("lbl_AIMKeyValue"), f.form->Settings().Dpi().DpiText(4));
    f.form->Commands().Btn_Apply_0Click();
    QCOMPARE(written(), f.Text("lbl_AIMKeyValue"));

    const QPointF at(slider->width() / 2.0, slider->height() / 2.0);
    QWheelEvent wheel(at, slider->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &wheel);
    QVERIFY(f.Text("lbl_AIMKeyValue") != f.form->Settings().Dpi().DpiText(4));
    f.form->Commands().Btn_Apply_0Click();
    QCOMPARE(written(), f.Text("lbl_AIMKeyValue"));
    QVERIFY(f.messages.isEmpty());
}

void SettingsEditorsTest::ledTypeDecidesWhatTheLightPageShows()
{
    struct Case { const char* type; uint8_t bit07; uint8_t bits1; bool mcu; bool rb; };
    const Case cases[] = {
        {"MCULED", 0x00, 0x08, true, false},
        {"RBLED", 0x80, 0x08, false, true},
        {"SyncLED", 0x80, 0x00, false, false},
        {"BreLED", 0x80, 0x10, false, false},
    };
    for (const Case& c : cases) {
        Fixture f;
        auto& mem = f.mouse->memory();
        mem[0] = static_cast<uint8_t>((mem[0] & 0x7F) | c.bit07);
        mem[1] = static_cast<uint8_t>((mem[1] & ~0x18) | c.bits1);
        mem[databuf::kSectionAChecksum] = SectionChecksum(std::span<const uint8_t>(mem.data(), databuf::kSectionAChecksum));
        f.Tick();
        QCOMPARE(f.form->State().LedTypeName, QString::fromLatin1(c.type));
        const auto shown = [&](const char* name) { return !f.w(QString::fromLatin1(name))->isHidden(); };
        QCOMPARE(shown("Img_MCULEDMode2"), c.mcu);
        QCOMPARE(shown("Img_RBLEDMode2"), c.rb);
        QCOMPARE(shown("Img_LCPIOn"), c.mcu || c.rb);
        QCOMPARE(shown("lbl_Led_Mode"), c.mcu || c.rb);
        for (const char* mcuOnly : {"slider_Breath_Speed", "Img_MCULEDStep_1", "Img_MCULEDNum_10", "Img_MCULED3Control",
                                    "cs_DPI1Col", "lbl_DPI1Col"})
            QVERIFY2(shown(mcuOnly) == c.mcu, mcuOnly);
        QVERIFY(shown("Img_LEDOn"));
        QVERIFY(shown("Img_B4CPIOn"));
        if (c.rb) { // an RB mode picked on the Light page reaches the mouse
            const std::vector<uint8_t> before = f.memory();
            f.Click("lbl_RBLEDMode6");
            f.form->Commands().Btn_Apply_0Click();
            QCOMPARE(f.memory(), f.Expected(before, [](DataBuf& b) { SetPair(b, databuf::kLedState, (b[databuf::kLedState] & 0x08) | 6); }));
        }
    }
}

void SettingsEditorsTest::ledCountAndSpeedEditsCorrectThemselves()
{
    Fixture f;
    f.Tick();
    f.form->State().Org.dpiLedStatus = true; // dial style: only the chosen segment is lit
    f.Type("edt_MCULEDNum", "7");
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(f.Picture(QStringLiteral("Img_MCULEDNum_%1").arg(k)), k == 4 ? QStringLiteral("Bar1_E") : QStringLiteral("Bar1_D"));
    f.form->State().Org.dpiLedStatus = false; // progress style
    f.Type("edt_MCULEDNum", "8");
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(f.Picture(QStringLiteral("Img_MCULEDNum_%1").arg(k)), k <= 5 ? QStringLiteral("Bar1_E") : QStringLiteral("Bar1_D"));
    f.Type("edt_MCULEDNum", "1");
    QCOMPARE(f.Text("edt_MCULEDNum"), QStringLiteral("1"));
    QTest::keyClick(f.w("edt_MCULEDNum"), Qt::Key_Return); // leaving the edit
    QCOMPARE(f.Text("edt_MCULEDNum"), QStringLiteral("4"));
    f.Type("edt_MCULEDNum", "20");
    QCOMPARE(f.Text("edt_MCULEDNum"), QStringLiteral("13"));

    f.Type("edt_MCULEDCrtStep", "9");
    QCOMPARE(f.Text("edt_MCULEDCrtStep"), QStringLiteral("7"));
    QCOMPARE(f.w<QSlider>("slider_Breath_Speed")->value(), 0);
    f.ReleaseSlider("slider_Breath_Speed", 224);
    QCOMPARE(f.Text("edt_MCULEDCrtStep"), QStringLiteral("0"));
    QCOMPARE(f.Picture("Img_MCULEDStep_1"), QStringLiteral("Bar1_E"));
}

void SettingsEditorsTest::keyModeNotKeptSelectsKeyModeOne()
{
    Fixture f;
    f.Tick();
    f.Choose("cb_KeyMode", 1);
    f.Click("Img_NoSaveKeyMode");
    QVERIFY(f.w<QAbstractButton>("rb_NoSave")->isChecked());
    QCOMPARE(f.w<QComboBox>("cb_KeyMode")->currentIndex(), 0);
    QVERIFY(!f.w("cb_KeyMode")->isEnabled());
    f.Click("rb_Save"); // the engineer radio button moves the pictures too
    QCOMPARE(f.Picture("Img_SaveKeyMode"), QStringLiteral("RdS_E"));
    QCOMPARE(f.Picture("Img_NoSaveKeyMode"), QStringLiteral("RdS_D"));
    QVERIFY(f.w("cb_KeyMode")->isEnabled());
}

void SettingsEditorsTest::driverModeCarriesItsEditsToTheDriver()
{
    Fixture f(true);
    std::vector<uint8_t>& store = f.driver->store();
    DataBuf start{};
    ImageMacroAreas areas;
    UnpackImage(f.form->State().DefaultImages[0], start, areas);
    const auto put = [&](uint32_t offset, const ParameterBlock& b) {
        const auto bytes = BlockBytes(start, b);
        std::copy(bytes.begin(), bytes.end(), store.begin() + offset);
    };
    put(store::kSectionA, layout::kSectionA);
    put(store::kSectionB, layout::kSectionB);
    put(store::kProfile, layout::kProfile);
    put(store::kFireKeyBlock + store::kFireKeyBlockLead, layout::kFireKey);
    f.driver->cpiLedRecord = {0x01, 0x02, 0x00, 0x04};
    f.mouse->ledTypeBits = 0xC0; // MCU LED
    f.Tick();
    QCOMPARE(f.form->State().LedTypeName, QStringLiteral("MCULED"));

    // What driver mode does not carry is not offered on the Light page.
    for (const char* name : {"Img_B4CPIOn", "Img_LCPIOn", "Img_MCULED3Control", "Img_MCULEDNum_1", "lbl_MCPI_Status"})
        QVERIFY2(f.w(QString::fromLatin1(name))->isHidden(), name);
    for (const char* name : {"Img_LEDOn", "Img_MCULEDMode2", "Img_MCULEDStep_1", "slider_Breath_Speed"})
        QVERIFY2(!f.w(QString::fromLatin1(name))->isHidden(), name);

    f.Choose("cbb_DPICount", 3);          // 5 levels
    f.ReleaseSlider("slider_DPI2", 239);  // 6400
    f.Click("Img_DPI2");
    f.Click("Img_LEDOff");
    f.Click("Img_MCULEDMode5");
    f.Click("Img_MCULEDStep_4");
    f.Type("Edt_Repeat1", "10");
    f.Type("Edt_DelayTime1", "20");
    f.form->Commands().Btn_Apply_0Click();
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.join('|')));

    QCOMPARE(store[store::kSectionA + databuf::kDpiLevelCount], uint8_t{5});
    QCOMPARE(store[store::kSectionA + databuf::kDpiValues + 1], uint8_t{10});
    QCOMPARE(store[store::kSectionB], uint8_t{1});
    const size_t fireKey = store::kFireKeyBlock + store::kFireKeyBlockLead - layout::kFireKey.dataBufOffset;
    QCOMPARE(store[fireKey + databuf::kFireKeyCount], uint8_t{9});
    QCOMPARE(store[fireKey + databuf::kFireKeyInterval], uint8_t{20});
    const CpiAndLedRecord record = f.form->State().CpiAndLed;
    QCOMPARE(CurrentDpiLevel(record), 1);
    QVERIFY(LedOff(record));
    QCOMPARE(LedMode(record), 5);
    QCOMPARE(LedStep(record), 3);
    QCOMPARE(f.mouse->cpiLedRecord, record);
}

QTEST_MAIN(SettingsEditorsTest)
#include "SettingsEditorsTest.moc"
