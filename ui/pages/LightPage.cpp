// SPDX-License-Identifier: GPL-2.0-or-later
// Page 3: LED switches, brightness, modes, breathing speed and the speed and LED count bars.

#include "ui/pages/Pages.h"

#include <QWidget>

#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kLeft = 70;
constexpr int kRight = 520;
constexpr int kModes = LightPageControls::kModes;
constexpr int kSpeedSteps = LightPageControls::kSpeedSegments;
constexpr int kCountMarks = LightPageControls::kCountSegments;
constexpr int kBarSpacing = 28;

using Choice = LightPageControls::Choice;

// A radio picture with its caption label; the label also takes clicks.
Choice RadioPicture(QWidget* page, const QString& name, const QString& text, QPoint pos,
                    const QString& picture)
{
    Choice c;
    c.picture = Picture(page, "Img_" + name, pos, picture);
    c.caption = Caption(page, "lbl_" + name, text, QRect(pos.x() + 24, pos.y() - 3, 110, 24));
    return c;
}

// An on/off switch: a heading and the two radio pictures under it.
LightPageControls::Switch Switch(QWidget* page, const QString& heading, int strId, const QString& on,
                                 const QString& off, int y)
{
    LightPageControls::Switch s;
    s.heading = Caption(page, heading, DefaultText(strId), QRect(kLeft, y, 380, 24));
    s.on = RadioPicture(page, on, DefaultText(813), {kLeft + 20, y + 32}, "RdS_E");
    s.off = RadioPicture(page, off, DefaultText(814), {kLeft + 160, y + 32}, "RdS_D");
    return s;
}

} // namespace

LightPageControls BuildLightPage(QWidget* page)
{
    LightPageControls c;
    c.led = Switch(page, "lbl_LED_Status", 812, "LEDOn", "LEDOff", 112);
    c.modeChord = Switch(page, "lbl_LLED_Status", 815, "LCPIOn", "LCPIOff", 184);
    c.onOffChord = Switch(page, "lbl_MCPI_Status", 816, "B4CPIOn", "B4CPIOff", 256);

    // Brightness: the pictures take the clicks through transparent labels; the texts ALL and
    // HALF are the separate labels the layout places beside them.
    c.brightness.heading = Caption(page, "lbl_Led_Light", DefaultText(817), QRect(kLeft, 328, 380, 24));
    TSkinLabel* all = Picture(page, "Img_MCULED3Control", {kLeft + 20, 363}, "RdS_E");
    c.brightness.on = {all, Caption(page, "lbl_MCULED3Control", {}, all->geometry())};
    c.brightness.on.caption->raise();
    c.fullText = Caption(page, "lbl_SaveKeyMode", DefaultText(818), QRect(kLeft + 44, 360, 100, 24));
    TSkinLabel* half = Picture(page, "Img_MCULED6Control", {kLeft + 160, 363}, "RdS_D");
    c.brightness.off = {half, Caption(page, "lbl_MCULED6Control", {}, half->geometry())};
    c.brightness.off.caption->raise();
    c.halfText = Caption(page, "lbl_NoSaveKeyMode", DefaultText(819), QRect(kLeft + 184, 360, 100, 24));

    // The key-mode memory pictures have no place on the built-in skin.
    c.keepKeyMode = Picture(page, "Img_SaveKeyMode", {9000, 9000}, "RdS_E");
    c.forgetKeyMode = Picture(page, "Img_NoSaveKeyMode", {9000, 9030}, "RdS_D");

    // Modes: MCU and RB modes share the places; the LED type shows one set.
    c.modeHeading = Caption(page, "lbl_Led_Mode", DefaultText(820), QRect(kRight, 112, 300, 24));
    for (int m = 1; m <= kModes; ++m) {
        const size_t i = static_cast<size_t>(m - 1);
        const QPoint pos(kRight + 20 + ((m - 1) % 2) * 200, 150 + ((m - 1) / 2) * 34);
        c.mcuModes[i] = RadioPicture(page, Numbered("MCULEDMode", m), DefaultText(820 + m), pos,
                                     m == 1 ? "RdS_E" : "RdS_D");
        c.rbModes[i] = RadioPicture(page, Numbered("RBLEDMode", m), DefaultText(827 + m), pos,
                                    m == 1 ? "RdS_E" : "RdS_D");
        c.rbModes[i].picture->hide();
        c.rbModes[i].caption->hide();
    }

    // Breathing speed: slider with Slow/Fast and the speed bar under it. Both run from slow at
    // the left to fast at the right: the bar's segment k (step k - 1) sits at place 9 - k.
    c.speedHeading = Caption(page, "lbl_LED_Effect_Setting", DefaultText(856), QRect(kRight, 300, 300, 24));
    c.slow = Caption(page, "lbl_LED_Effect_Slow", DefaultText(857), QRect(kRight + 20, 334, 50, 20));
    c.breathSpeed = Slider(page, "slider_Breath_Speed", QRect(kRight + 72, 334, 225, 20), 0, 700);
    c.fast = Caption(page, "lbl_LED_Effect_Fast", DefaultText(858), QRect(kRight + 306, 334, 50, 20));
    for (int k = 1; k <= kSpeedSteps; ++k) {
        const QPoint pos(kRight + 72 + (kSpeedSteps - k) * kBarSpacing, 372);
        Choice& segment = c.speedBar[static_cast<size_t>(k - 1)];
        segment.picture = Picture(page, Numbered("Img_MCULEDStep_", k), pos, k == 1 ? "Bar1_E" : "Bar1_D");
        segment.caption = Caption(page, Numbered("lbl_MCULEDStep_", k), QString::number(kSpeedSteps + 1 - k),
                                  QRect(pos.x(), pos.y() + 14, 18, 16), Qt::AlignCenter);
    }

    // LED count: a caption, marks for 4..13 LEDs, numbered 1..10 under them.
    c.countHeading = Caption(page, "lbl_LED_Count", DefaultText(880), QRect(kRight, 406, 300, 24));
    for (int k = 1; k <= kCountMarks; ++k) {
        const QPoint pos(kRight + 20 + (k - 1) * kBarSpacing, 432);
        Choice& segment = c.countBar[static_cast<size_t>(k - 1)];
        segment.picture = Picture(page, Numbered("Img_MCULEDNum_", k), pos, k == 1 ? "Bar1_E" : "Bar1_D");
        segment.caption = Caption(page, Numbered("lbl_MCULEDNum_", k), QString::number(k),
                                  QRect(pos.x() - 2, pos.y() + 14, 22, 16), Qt::AlignCenter);
    }
    return c;
}

} // namespace tarq::pages
