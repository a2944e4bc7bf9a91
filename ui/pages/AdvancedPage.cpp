// SPDX-License-Identifier: GPL-2.0-or-later
// Page 2, left column: the fire key setting and, under it, the system pointer settings.

#include "ui/pages/Pages.h"

#include <QCheckBox>
#include <QSlider>
#include <QWidget>

#include "ui/HexEdit.h"
#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kLeft = 70;
constexpr int kScaleSteps = 11;
constexpr int kScaleSpacing = 26;   // one ruler step of the pointer sliders
constexpr int kScaleWidth = (kScaleSteps - 1) * kScaleSpacing + 20;

// A pointer-setting slider with its eleven value labels 26 pixels below it.
void Scale(QWidget* page, const QString& slider, const QString& labels, QPoint pos)
{
    Slider(page, slider, QRect(pos, QSize(kScaleWidth, 20)), 0, 1000);
    for (int k = 1; k <= kScaleSteps; ++k) {
        const int x = pos.x() + (k - 1) * kScaleSpacing + 4;
        Caption(page, Numbered(labels, k), QString::number(k), QRect(x - 6, pos.y() + 26, 24, 16),
                Qt::AlignCenter);
    }
}

// A check picture with its transparent click label on top and the caption beside it.
void CheckPicture(QWidget* page, const QString& name, const QString& caption,
                  const QString& captionText, QPoint pos)
{
    TSkinLabel* mark = Picture(page, "Img_" + name, pos, "CbS_E");
    Caption(page, "lbl_" + name, {}, mark->geometry())->raise();
    Caption(page, caption, captionText, QRect(pos.x() + 26, pos.y() - 2, 300, 22));
}

} // namespace

FireKeyControls BuildFireKeyControls(QWidget* page)
{
    // Fire key: shot count, interval and continuous fire.
    FireKeyControls c;
    Caption(page, "lbl_FireKey", DefaultText(800), QRect(kLeft, 112, 300, 24));
    Caption(page, "lbl_Fire_Count", DefaultText(801), QRect(kLeft, 144, 150, 24));
    c.shots = IntEdit(page, "Edt_Repeat1", QRect(kLeft + 160, 144, 56, 24), 3, "2");
    Caption(page, "lbl_Fire_Time", DefaultText(802), QRect(kLeft, 176, 150, 24));
    c.interval = IntEdit(page, "Edt_DelayTime1", QRect(kLeft + 160, 176, 56, 24), 3);
    c.continuous = Picture(page, "Img_FireContinue", {kLeft + 240, 147}, "CbS_D");
    c.continuousTarget = Caption(page, "lbl_FireContinue", {}, c.continuous->geometry());
    c.continuousTarget->raise();
    Caption(page, "lbl_Fire_Continue", DefaultText(803), QRect(kLeft + 266, 144, 130, 24));
    c.continuousBox = HiddenCheck(page, "cb_IsFireContinue");
    return c;
}

void BuildAdvancedPage(QWidget* page)
{
    // System pointer settings.
    Caption(page, "lbl_Mouse_Speed", DefaultText(804), QRect(kLeft, 226, 300, 22));
    Scale(page, "slider_Spd", "lbl_Spd", {kLeft, 252});
    CheckPicture(page, "IsControl", "lbl_Is_Control", DefaultText(805), {kLeft, 306});
    HiddenCheck(page, "cb_IsControl")->setChecked(true);

    Caption(page, "lbl_Double_Click", DefaultText(806), QRect(kLeft, 344, 300, 22));
    Scale(page, "slider_DbSpd", "lbl_DbSpd", {kLeft, 370});

    Caption(page, "lbl_Roller_Speed", DefaultText(807), QRect(kLeft, 430, 300, 22));
    Scale(page, "slider_SrcSpd", "lbl_ScrSpd", {kLeft, 456});
    CheckPicture(page, "IsScreen", "lbl_Roll_All_Screen", DefaultText(808), {kLeft, 510});
    HiddenCheck(page, "cb_IsScreen")->setChecked(true);

    // Why some pointer settings cannot be changed on this system; shown only then, under the
    // one-screen check wherever the layout puts it.
    TSkinLabel* hint = Caption(page, "lbl_PointerHint", {}, QRect(kLeft, 540, 400, 34));
    hint->setWordWrap(true);
    hint->hide();
}

} // namespace tarq::pages
