// SPDX-License-Identifier: GPL-2.0-or-later
// The controls every one of pages 1-4 carries once, named with the copy number.

#include "ui/pages/Pages.h"

#include <QWidget>

#include "ui/SkinLabel.h"
#include "ui/pages/DefaultTexts.h"
#include "ui/pages/PageKit.h"
#include "ui/skin/LayoutPass.h"

namespace tarq::pages {

namespace {

struct FrameButtonInfo {
    const char* button;     // name between Img_/Btn_ and the copy number
    int strId;              // caption, -1 for none
    const char* picture;    // normal picture
    QPoint pos;
    bool shown;             // shown by the built-in layout
    FrameButton FrameControls::*member;
};

// In layout order: frame buttons A1-A8, page and profile buttons B1, B2, B4, B5, B11, B6-B10,
// then the engineer page button and the web button, which have no layout keys of their own.
constexpr FrameButtonInfo kButtons[] = {
    {"Confirm_",  0,  "BtnS_01",  {540, 600}, false, &FrameControls::confirm},
    {"Apply_",    1,  "BtnS_01",  {820, 600}, true, &FrameControls::apply},
    {"Confirm1_", 2,  "BtnS_01",  {680, 600}, true, &FrameControls::confirm1},
    {"Exit_",     -1, "ExitS_01", {980, 10},  true, &FrameControls::exit},
    {"Confirm2_", 15, "BtnS_01",  {400, 600}, false, &FrameControls::confirm2},
    {"Confirm3_", 16, "BtnS_01",  {260, 600}, false, &FrameControls::confirm3},
    {"Mini_",     -1, "MiniS_01", {950, 10},  true, &FrameControls::mini},
    {"Read_",     17, "BtnS_01",  {120, 600}, false, &FrameControls::read},
    {"Main_",     4,  "SetS_03",  {106, 45},  true, &FrameControls::main},
    {"Second_",   5,  "SetS_01",  {236, 45},  true, &FrameControls::second},
    {"Adv_",      7,  "SetS_01",  {366, 45},  true, &FrameControls::adv},
    {"Breath_",   8,  "SetS_01",  {496, 45},  true, &FrameControls::breath},
    {"Macro_",    14, "SetS_01",  {626, 45},  true, &FrameControls::macro},
    {"Save_",     9,  "BtnS_01",  {756, 45},  false, &FrameControls::save},
    {"Load_",     10, "BtnS_01",  {886, 45},  false, &FrameControls::load},
    {"Lang1_",    11, "SetS_03",  {756, 10},  false, nullptr},
    {"Lang2_",    12, "SetS_01",  {816, 10},  false, nullptr},
    {"Lang3_",    13, "SetS_01",  {876, 10},  false, nullptr},
    {"Engineer_", -1, "SetS_01",  {10, 10},   false, &FrameControls::engineer},
    {"Web_",      -1, "WebS_01",  {50, 9480}, true, &FrameControls::web},
};

} // namespace

const char* const kFrameButtons[] = {
    "Confirm_", "Apply_", "Confirm1_", "Exit_", "Confirm2_", "Confirm3_", "Mini_", "Read_",
    "Main_", "Second_", "Adv_", "Breath_", "Macro_", "Save_", "Load_", "Lang1_", "Lang2_",
    "Lang3_", "Engineer_", "Web_",
};
const int kFrameButtonCount = int(std::size(kFrameButtons));

void BuildFooter(QWidget* page, int copy)
{
    // Under the background's footer rule, in the dim text colour of the skin.
    TSkinLabel* footer = Caption(page, "lbl_Footer_" + QString::number(copy), DefaultText(kFooterStrId),
                                 QRect(24, 638, 228, 18));   // under the footer buttons' row, left of them
    footer->setStyleSheet(QStringLiteral("color: rgb(112, 122, 136); font-size: 10px;"));
    footer->setAttribute(Qt::WA_TransparentForMouseEvents);
}

FrameControls BuildFrame(QWidget* page, int copy)
{
    FrameControls frame;
    const QString n = QString::number(copy);
    frame.background = Picture(page, "Img_Base_" + n, {0, 0}, "L1_BackGround");
    frame.pagePicture = Picture(page, "Img_P" + n, {0, 0});
    BuildFooter(page, copy);

    int language = 0;
    for (const FrameButtonInfo& b : kButtons) {
        QString caption = b.strId >= 0 ? DefaultText(b.strId) : QString();
        if (QLatin1String(b.button) == QLatin1String("Engineer_"))
            caption = QStringLiteral("Engineer");
        TSkinLabel* label = SkinButton(page, QLatin1String(b.button) + n, caption, b.pos, b.picture);
        auto* image = page->findChild<TSkinLabel*>("Img_" + QLatin1String(b.button) + n,
                                                   Qt::FindDirectChildrenOnly);
        label->setVisible(b.shown);
        image->setVisible(b.shown);
        // Styled on all four pages by the frame's own keys, never by the page group's.
        label->setProperty(kFrameControlProperty, true);
        image->setProperty(kFrameControlProperty, true);
        FrameButton& typed = b.member ? frame.*b.member : frame.languages[size_t(language++)];
        typed = {label, image};
    }

    // The busy overlay: a caption-less label over the whole page that takes every click while
    // a transfer runs. It is sized to the skin when the background is loaded.
    frame.overlay = Caption(page, "Disable_All_" + n, {}, QRect(0, 0, 1030, 662));
    frame.overlay->hide();
    return frame;
}

} // namespace tarq::pages
