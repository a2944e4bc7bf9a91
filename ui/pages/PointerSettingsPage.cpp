// SPDX-License-Identifier: GPL-2.0-or-later
// Page 2, left column under the fire key: the system pointer settings.

#include "ui/pages/Pages.h"

#include <QCheckBox>
#include <QSlider>
#include <QWidget>

#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/PageKit.h"
#include "ui/pages/PointerSettingsControls.h"

namespace tarq::pages {

namespace {

constexpr int kLeft = 70;
constexpr int kScaleSteps = PointerSettingsControls::kScaleSteps;
constexpr int kScaleSpacing = 26;   // one ruler step of the pointer sliders
constexpr int kScaleWidth = (kScaleSteps - 1) * kScaleSpacing + 20;

constexpr int kSpeedText = 804;
constexpr int kPrecisionText = 805;
constexpr int kDoubleClickText = 806;
constexpr int kWheelText = 807;
constexpr int kOneScreenText = 808;

// A pointer-setting caption and slider with its eleven value labels 26 pixels below it.
PointerSettingsControls::Scale Scale(QWidget* page, const QString& caption, int captionText, const QString& slider,
                                     const QString& labels, QPoint pos)
{
    PointerSettingsControls::Scale scale;
    scale.caption = Caption(page, caption, DefaultText(captionText), QRect(pos.x(), pos.y() - 26, 300, 22));
    scale.slider = Slider(page, slider, QRect(pos, QSize(kScaleWidth, 20)), 0, 1000);
    for (int k = 1; k <= kScaleSteps; ++k) {
        const int x = pos.x() + (k - 1) * kScaleSpacing + 4;
        scale.values[k - 1] = Caption(page, Numbered(labels, k), QString::number(k),
                                      QRect(x - 6, pos.y() + 26, 24, 16), Qt::AlignCenter);
    }
    return scale;
}

// A check picture with its transparent click label on top, the caption beside it and the
// hidden check box, checked, that holds the state.
PointerSettingsControls::Check CheckPicture(QWidget* page, const QString& name, const QString& caption,
                                            int captionText, QPoint pos)
{
    PointerSettingsControls::Check check;
    check.mark = Picture(page, "Img_" + name, pos, "CbS_E");
    check.clickArea = Caption(page, "lbl_" + name, {}, check.mark->geometry());
    check.clickArea->raise();
    check.caption = Caption(page, caption, DefaultText(captionText), QRect(pos.x() + 26, pos.y() - 2, 300, 22));
    check.box = HiddenCheck(page, "cb_" + name);
    check.box->setChecked(true);
    return check;
}

} // namespace

PointerSettingsControls BuildPointerSettings(QWidget* page)
{
    PointerSettingsControls c;
    c.speed = Scale(page, "lbl_Mouse_Speed", kSpeedText, "slider_Spd", "lbl_Spd", {kLeft, 252});
    c.precision = CheckPicture(page, "IsControl", "lbl_Is_Control", kPrecisionText, {kLeft, 306});
    c.doubleClick = Scale(page, "lbl_Double_Click", kDoubleClickText, "slider_DbSpd", "lbl_DbSpd", {kLeft, 370});
    c.wheel = Scale(page, "lbl_Roller_Speed", kWheelText, "slider_SrcSpd", "lbl_ScrSpd", {kLeft, 456});
    c.oneScreen = CheckPicture(page, "IsScreen", "lbl_Roll_All_Screen", kOneScreenText, {kLeft, 510});

    // Why some pointer settings cannot be changed on this system; shown only then, under the
    // one-screen check wherever the layout puts it.
    c.hint = Caption(page, "lbl_PointerHint", {}, QRect(kLeft, 540, 400, 34));
    c.hint->setWordWrap(true);
    c.hint->hide();
    return c;
}

} // namespace tarq::pages
