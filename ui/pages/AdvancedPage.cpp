// SPDX-License-Identifier: GPL-2.0-or-later
// Page 2, left column: the fire key setting (the pointer settings below it: PointerSettingsPage.cpp).

#include "ui/pages/Pages.h"

#include <QCheckBox>
#include <QWidget>

#include "ui/HexEdit.h"
#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kLeft = 70;

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

} // namespace tarq::pages
