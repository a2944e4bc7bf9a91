// SPDX-License-Identifier: GPL-2.0-or-later
// The Light page as a person meets it on the real main form with the emulated mouse: what each
// LED type shows, the breathing slider and the speed bar reading the same way, the caption of
// the LED count bar in both languages, and the engineer page's LED type reaching the Light page
// and the mouse.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include "config/ImageLayout.h"
#include "config/SectionChecksum.h"
#include "device/ui/DeviceCommands.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

using namespace tarq;

namespace {

struct LightForm : testing::FormWithMouse {
    // The mouse's image carries the LED type given by section A byte 0 bit 7 and byte 1 bits
    // 3-4; the first device check reads it, and the Light page is opened by its button.
    explicit LightForm(uint8_t bit07 = 0x00, uint8_t bits1 = 0x08)
    {
        auto& mem = mouse->memory();
        mem[0] = uint8_t((mem[0] & 0x7F) | bit07);
        mem[1] = uint8_t((mem[1] & ~0x18) | bits1);
        mem[databuf::kSectionAChecksum] = SectionChecksum(std::span<const uint8_t>(mem.data(), databuf::kSectionAChecksum));
        form->ShowStandardMessage = [this](const QString& text) { messages << text; };
        form->ShowDialogMessage = [this](const QString& text) { messages << text; };
        form->State().DataFolder = dir.path() + QLatin1Char('/');
        form->Commands().DevTimerTimer();
        form->show();
        Click("Btn_Breath_1");
    }

    QWidget* w(const char* name) const { return form->control(QString::fromLatin1(name)); }
    void Click(const QString& name) { testing::Click(form->control(name)); }
    bool Shown(const char* name) const { return w(name)->isVisible(); }

    QTemporaryDir dir;
    QStringList messages;
};

// The centre of the slider's handle, in the coordinates of the slider's parent.
int HandleCentre(QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.subControls = QStyle::SC_All;
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.upsideDown = slider->invertedAppearance();
    const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
    return slider->x() + handle.center().x();
}

} // namespace

class LightPageFormTest : public QObject {
    Q_OBJECT
private slots:
    void typesWithoutBrightnessShowNoneOfIt();
    void speedBarReadsLikeTheSlider();
    void ledCountBarSaysWhatItCounts();
    void engineerLedTypeReachesTheLightPageAndTheMouse();
};

void LightPageFormTest::typesWithoutBrightnessShowNoneOfIt()
{
    struct Case { const char* type; uint8_t bit07; uint8_t bits1; bool brightness; };
    const Case cases[] = {
        {"MCULED", 0x00, 0x08, true},
        {"RBLED", 0x80, 0x08, false},
        {"SyncLED", 0x80, 0x00, false},
        {"BreLED", 0x80, 0x10, false},
    };
    const char* brightness[] = {"lbl_Led_Light", "Img_MCULED3Control", "lbl_SaveKeyMode",
                                "Img_MCULED6Control", "lbl_NoSaveKeyMode"};
    for (const Case& c : cases) {
        LightForm f(c.bit07, c.bits1);
        QCOMPARE(f.form->State().LedTypeName, QString::fromLatin1(c.type));
        for (const char* name : brightness)
            QVERIFY2(f.Shown(name) == c.brightness, qPrintable(QStringLiteral("%1: %2").arg(c.type, name)));
        // The layout pass of a language change leaves it so.
        f.Click("Btn_Lang2_3");
        QCOMPARE(f.form->State().LanguageIndex, 2);
        for (const char* name : brightness)
            QVERIFY2(f.Shown(name) == c.brightness, qPrintable(QStringLiteral("%1 in Chinese: %2").arg(c.type, name)));
    }
}

void LightPageFormTest::speedBarReadsLikeTheSlider()
{
    for (bool dial : {true, false}) {
        LightForm f;
        f.form->State().Org.dpiLedStatus = dial;
        auto* slider = f.form->control<QSlider>("slider_Breath_Speed");
        // One place of the bar: a segment and the gap after it.
        const int place = std::abs(f.w("Img_MCULEDStep_1")->x() - f.w("Img_MCULEDStep_2")->x());
        QVERIFY(place > 0);
        for (int i = 0; i <= 7; ++i) {
            // Released over position i: the step is 7 - i, slow at the left.
            const QPoint at(i * 30 + 1, slider->height() / 2);
            QTest::mousePress(slider, Qt::LeftButton, {}, at);
            QTest::mouseRelease(slider, Qt::LeftButton, {}, at);
            QCOMPARE(f.form->control<QLineEdit>("edt_MCULEDCrtStep")->text(), QString::number(7 - i));
            const int handle = HandleCentre(slider);
            for (int k = 1; k <= 8; ++k) {
                auto* segment = f.form->control<TSkinLabel>(QStringLiteral("Img_MCULEDStep_%1").arg(k));
                const int centre = segment->geometry().center().x();
                // Dial style lights the segment under the handle; progress style fills up to it
                // from the slow end, as the slider's groove does.
                const bool under = std::abs(centre - handle) <= place / 2;
                const bool expected = dial ? under : centre <= handle + place / 2;
                QVERIFY2((segment->picture() == QLatin1String("Bar1_E")) == expected,
                         qPrintable(QStringLiteral("%1 style, position %2, segment %3 at %4, handle at %5")
                                        .arg(dial ? "dial" : "progress").arg(i).arg(k).arg(centre).arg(handle)));
            }
        }
        // The numbers under the bar count from slow to fast.
        for (int k = 1; k <= 8; ++k) {
            auto* number = f.form->control<QLabel>(QStringLiteral("lbl_MCULEDStep_%1").arg(k));
            QCOMPARE(number->text(), QString::number(9 - k));
        }
    }
}

void LightPageFormTest::ledCountBarSaysWhatItCounts()
{
    LightForm f;
    auto* caption = f.form->control<QLabel>("lbl_LED_Count");
    for (int language : {1, 2}) {
        f.Click(QStringLiteral("Btn_Lang%1_3").arg(language));
        QVERIFY(caption->isVisible());
        QCOMPARE(caption->text(), f.form->State().Text(880));
        QVERIFY(!caption->text().isEmpty());
        // Over the bar, from its first mark, clear of the marks.
        const QRect first = f.w("Img_MCULEDNum_1")->geometry();
        QVERIFY(caption->geometry().bottom() < first.top());
        QVERIFY(caption->x() <= first.x() && caption->geometry().right() > first.right());
    }
    QCOMPARE(f.form->State().Text(880), QStringLiteral("灯珠数量"));
    LightForm breathing(0x80, 0x10);
    QVERIFY(!breathing.Shown("lbl_LED_Count"));
}

void LightPageFormTest::engineerLedTypeReachesTheLightPageAndTheMouse()
{
    LightForm f;
    QCOMPARE(f.form->State().LedTypeName, QStringLiteral("MCULED"));
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(f.Shown("gbPage6"));
    QTest::mouseDClick(f.w("Img_Logo4"), Qt::LeftButton);
    f.Click("rb_BreLED");
    QCOMPARE(f.form->State().LedTypeName, QStringLiteral("BreLED"));
    f.Click("Btn_Breath_6");
    QVERIFY(f.Shown("gbPage3"));
    for (const char* mcuOnly : {"Img_MCULEDMode2", "slider_Breath_Speed", "Img_MCULEDStep_1", "Img_MCULEDNum_1",
                                "lbl_Led_Light", "Img_LCPIOn"})
        QVERIFY2(!f.Shown(mcuOnly), mcuOnly);
    QVERIFY(f.Shown("Img_LEDOn"));

    // Apply writes the chosen type into section A.
    f.Click("Btn_Apply_3");
    const auto& mem = f.mouse->memory();
    QCOMPARE(mem[0] & 0x80, 0x80);
    QCOMPARE(mem[1] & 0x18, 0x10);
    QCOMPARE(mem[databuf::kSectionAChecksum], SectionChecksum(std::span<const uint8_t>(mem.data(), databuf::kSectionAChecksum)));

    // Back to the MCU LED: its controls come back.
    QTest::keyClick(f.form.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    f.Click("rb_MCULED");
    f.Click("Btn_Breath_6");
    for (const char* mcuOnly : {"Img_MCULEDMode2", "slider_Breath_Speed", "Img_MCULEDStep_1", "lbl_Led_Light"})
        QVERIFY2(f.Shown(mcuOnly), mcuOnly);
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.join('\n')));
}

QTEST_MAIN(LightPageFormTest)
#include "LightPageFormTest.moc"
