// SPDX-License-Identifier: GPL-2.0-or-later
// Page 1: the nine button labels over their pictures and the three long-press options.

#include "ui/pages/Pages.h"

#include <QWidget>

#include "ui/SkinLabel.h"
#include "ui/pages/ButtonPageControls.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/PageKit.h"

namespace tarq::pages {

namespace {

constexpr int kKeyCount = ButtonPageControls::kButtons;
constexpr int kShownKeys = 6;   // the built-in model has six buttons
constexpr int kKeyX = 160;
constexpr int kKeyY[kKeyCount] = {138, 234, 186, 330, 282, 378, 426, 474, 522};
constexpr int kComboX = 160;
constexpr int kComboY[ButtonPageControls::kLongPressOptions] = {470, 500, 530};
constexpr int kComboCaptionDx = 26;
constexpr int kComboCaptionWidth = 420;
constexpr int kLeftClickText = 210;
constexpr int kFirstLongPressText = 700;

} // namespace

ButtonPageControls BuildButtonPage(QWidget* page)
{
    ButtonPageControls c;
    if (auto* picture = page->findChild<TSkinLabel*>("Img_P1")) {
        picture->setPicture("L1_Back1");
        picture->move(600, 120);
    }

    for (int k = 1; k <= kKeyCount; ++k) {
        const QPoint pos(kKeyX, kKeyY[k - 1]);
        TSkinLabel* image = Picture(page, Numbered("Img_Key", k), pos, "KeyS_01");
        TSkinLabel* label = Caption(page, Numbered("Key", k), DefaultText(kLeftClickText), image->geometry(),
                                    Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        const bool shown = k <= kShownKeys;
        image->setVisible(shown);
        label->setVisible(shown);
        c.keyPictures[k - 1] = image;
        c.keys[k - 1] = label;
    }

    for (int option = 1; option <= ButtonPageControls::kLongPressOptions; ++option) {
        const QPoint pos(kComboX, kComboY[option - 1]);
        TSkinLabel* mark = Picture(page, Numbered("Img_ComboKey", option), pos, "CbS_D");
        c.longPressMarks[option - 1] = mark;
        c.longPressCaptions[option - 1] =
            Caption(page, Numbered("IB_ComboKey", option), DefaultText(kFirstLongPressText + option - 1),
                    QRect(pos.x() + kComboCaptionDx, pos.y() - 1, kComboCaptionWidth, mark->height() + 2));
    }
    return c;
}

} // namespace tarq::pages
