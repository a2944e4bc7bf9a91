// SPDX-License-Identifier: GPL-2.0-or-later
// Page 2, right column: the DPI levels (mark, label, value slider, value, colour swatch), the
// level count box, the ruler of level 7 and the AIM slider.

#include "ui/pages/Pages.h"
#include "config/EngineerSettings.h"

#include <QComboBox>
#include <QWidget>

#include "ui/Shapes.h"
#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kLeft = 520;
constexpr int kFirstLevelY = 190;
constexpr int kLevelSpacing = 46;
constexpr int kSliderX = kLeft + 96;
constexpr int kSliderWidth = 240;
constexpr int kValueX = kSliderX + kSliderWidth + 14;
constexpr int kSwatchX = kValueX + 62;
constexpr int kRulerTicks = DpiPageControls::kRulerTicks;
constexpr int kDefaultSliderMaximum = 1000;   // (DPI_Count 11 - 1) x 100

} // namespace

DpiPageControls BuildDpiControls(QWidget* page)
{
    DpiPageControls c;
    Caption(page, "lbl_DPI_Setting", DefaultText(809), QRect(kLeft, 112, 200, 24));
    Caption(page, "lbl_DPI_Value", DefaultText(810), QRect(kLeft, 144, 90, 24));
    c.levelCount = Combo(page, "cbb_DPICount", QRect(kLeft + 96, 144, 60, 24),
          {"2", "3", "4", "5", "6", "7"});
    c.levelCount->setCurrentIndex(5);
    Caption(page, "lbl_DPI_Note", DefaultText(811), QRect(kLeft + 170, 144, 260, 24));

    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        const int y = kFirstLevelY + (n - 1) * kLevelSpacing;
        const QString level = QString::number(n);
        const size_t i = static_cast<size_t>(n - 1);
        c.marks[i] = Picture(page, "Img_DPI" + level, {kLeft, y + 3}, n == kDpiLevelSlots ? "CbS_E" : "CbS_D");
        c.names[i] = Caption(page, "lbl_DPI" + level, DefaultText(848 + n), QRect(kLeft + 26, y, 64, 24));
        c.sliders[i] = Slider(page, "slider_DPI" + level, QRect(kSliderX, y + 2, kSliderWidth, 20), 0,
                              kDefaultSliderMaximum);
        c.values[i] = Caption(page, "lbl_DPI" + level + "Value", DefaultText(300), QRect(kValueX, y, 56, 24));
        TSkinLabel* frame = Picture(page, "Img_DPI" + level + "Col", {kSwatchX, y + 1}, "Col_F");
        c.swatchFrames[i] = frame;
        TRectShape* swatch = Swatch(page, "cs_DPI" + level + "Col", frame->geometry().adjusted(4, 4, -4, -4));
        swatch->setColorValue(0 + 160 * 256 + 227 * 65536);
        c.swatches[i] = swatch;
        c.swatchTargets[i] = Caption(page, "lbl_DPI" + level + "Col", {}, frame->geometry());
        c.swatchTargets[i]->raise();
    }

    // The ruler of the last level: one tick per value position under its slider.
    const int rulerY = kFirstLevelY + (kDpiLevelSlots - 1) * kLevelSpacing + 24;
    for (int t = 1; t <= kRulerTicks; ++t) {
        const int x = kSliderX + 4 + (t - 1) * (kSliderWidth - 12) / (kRulerTicks - 1);
        c.ruler[static_cast<size_t>(t - 1)] = Caption(page, "Img_DPI7_" + QString::number(t), {}, QRect(x, rulerY, 2, 5));
        c.ruler[static_cast<size_t>(t - 1)]->setStyleSheet(QStringLiteral("background: rgb(90, 96, 110);"));
    }

    const int aimY = kFirstLevelY + kDpiLevelSlots * kLevelSpacing + 12;
    Caption(page, "lbl_AIMKey", DefaultText(222), QRect(kLeft + 26, aimY, 64, 24));
    c.aimSlider = Slider(page, "slider_DPI8", QRect(kSliderX, aimY + 2, kSliderWidth, 20), 0, kDefaultSliderMaximum);
    c.aimValue = Caption(page, "lbl_AIMKeyValue", DefaultText(300), QRect(kValueX, aimY, 56, 24));
    return c;
}

} // namespace tarq::pages
