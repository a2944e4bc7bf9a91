// SPDX-License-Identifier: GPL-2.0-or-later
// Connections of the navigation: which control calls which handler.

#include "ui/Navigation.h"
#include "skin/LayoutKeys.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>

#include "config/ui/SettingsMapping.h"
#include "firemacros/ui/GunPage.h"
#include "ui/Controls.h"
#include "ui/WindowServices.h"
#include "ui/engineer/EngineerPage.h"
#include "ui/SkinLabel.h"

namespace tarq {

namespace {


using Handler = void (Navigation::*)(TSkinLabel*);

struct PageButton {
    FrameButton FrameControls::*button;   // the skinned copies on pages 1-4
    const char* engineerButton;           // the push button of the engineer page
    void (Navigation::*click)();
};

constexpr PageButton kPageButtons[] = {
    {&FrameControls::main, "Btn_Main_6", &Navigation::Btn_Main_0Click},
    {&FrameControls::second, "Btn_Switch_6", &Navigation::Btn_Second_0Click},
    {&FrameControls::adv, "Btn_Adv_6", &Navigation::Btn_Adv_0Click},
    {&FrameControls::breath, "Btn_Breath_6", &Navigation::Btn_Breath_0Click},
    {&FrameControls::macro, "Btn_Macro_6", &Navigation::Btn_Macro_0Click},
    {&FrameControls::engineer, "Btn_Engineer_6", &Navigation::Btn_Engineer_0Click},
};

// Frame buttons whose pictures change on all four copies together (family A).
constexpr FrameButton FrameControls::*kFamilyA[] = {
    &FrameControls::confirm, &FrameControls::apply, &FrameControls::read, &FrameControls::confirm1,
    &FrameControls::confirm2, &FrameControls::confirm3, &FrameControls::save, &FrameControls::load};
const char* const kFamilyG[] = {"Btn_OK", "Btn_Cancel", "Btn_FireOK", "Btn_FireCancel"};
const char* const kFamilyH[] = {"Btn_Del", "Btn_Insert", "Btn_Edit", "Btn_FireDel",
                                "Btn_FireInsert", "Btn_FireEdit", "Btn_NewMacro",
                                "Btn_ImportOne", "Btn_Export", "Btn_Import", "Btn_ExportOne",
                                "Btn_NewName", "Btn_DelPCMacro"};

} // namespace

void Navigation::Wire()
{
    auto hover = [this](TSkinLabel* label, Handler enter, Handler leave) {
        if (!label)
            return;
        connect(label, &TSkinLabel::mouseEntered, this, [this, label, enter] { (this->*enter)(label); });
        connect(label, &TSkinLabel::mouseLeft, this, [this, label, leave] { (this->*leave)(label); });
    };
    for (const PageButton& b : kPageButtons) {
        for (const FrameControls& frame : frames_) {
            TSkinLabel* label = (frame.*b.button).label;
            hover(label, &Navigation::ButtonTypeBMouseEnter, &Navigation::ButtonTypeBMouseLeave);
            if (label)
                connect(label, &TSkinLabel::clicked, this, b.click);
        }
        if (auto* push = controls_.get<QPushButton>(b.engineerButton))
            connect(push, &QPushButton::clicked, this, b.click);
    }

    for (const FrameControls& frame : frames_) {
        for (FrameButton FrameControls::*button : kFamilyA)
            hover((frame.*button).label, &Navigation::ButtonTypeAMouseEnter, &Navigation::ButtonTypeAMouseLeave);

        for (const FrameButton& language : frame.languages)
            hover(language.label, &Navigation::ButtonTypeDMouseEnter, &Navigation::ButtonTypeDMouseLeave);

        hover(frame.exit.label, &Navigation::ButtonTypeIMouseEnter, &Navigation::ButtonTypeIMouseLeave);
        hover(frame.mini.label, &Navigation::ButtonTypeJMouseEnter, &Navigation::ButtonTypeJMouseLeave);
        if (TSkinLabel* web = frame.web.label) {
            connect(web, &TSkinLabel::mouseEntered, this, &Navigation::Btn_Web_0MouseEnter);
            connect(web, &TSkinLabel::mouseLeft, this, &Navigation::Btn_Web_0MouseLeave);
            connect(web, &TSkinLabel::clicked, this, &Navigation::Btn_Web_0Click);
        }
    }

    for (int k = 1; k <= 9; ++k) {
        TSkinLabel* key = controls_.get<TSkinLabel>(QStringLiteral("Key") + QString::number(k));
        hover(key, &Navigation::ButtonTypeCMouseEnter, &Navigation::ButtonTypeCMouseLeave);
        if (key)
            connect(key, &TSkinLabel::clicked, this, [this, key] { ShowPnlMain_OnClick(key); });
        for (int mode = 1; mode <= 2; ++mode) {
            const QString name = QStringLiteral("btn_Key") + QString::number(mode * 100 + k);
            if (auto* button = controls_.get<QPushButton>(name))
                connect(button, &QPushButton::clicked, this,
                        [this, button] { TLShowPnlMain_OnClick(button); });
        }
    }

    for (const char* name : kFamilyG)
        hover(controls_.get<TSkinLabel>(name), &Navigation::ButtonTypeGMouseEnter,
              &Navigation::ButtonTypeGMouseLeave);
    for (const char* name : kFamilyH)
        hover(controls_.get<TSkinLabel>(name), &Navigation::ButtonTypeHMouseEnter,
              &Navigation::ButtonTypeHMouseLeave);

    // The macro page's new-macro and insert-record buttons roll their captions like the
    // families above, with their own pictures.
    for (const char* name : {"Btn_New", "Btn_InsertStart"}) {
        TSkinLabel* label = controls_.get<TSkinLabel>(name);
        if (!label)
            continue;
        connect(label, &TSkinLabel::mouseEntered, this, [this, label] {
            if (!label->isEnabled())   // locked while the insert panel is open
                return;
            SetPicture(PictureOf(label), QStringLiteral("MacroS_02"));
            BeginHover(label);
        });
        connect(label, &TSkinLabel::mouseLeft, this, [this, label] {
            EndHover();
            SetPicture(PictureOf(label), QStringLiteral("MacroS_01"));
            RestoreHoveredCaption();
        });
    }

    // Escape closes an open menu.
    if (QWidget* window = window_.Window())
        window->installEventFilter(this);

    // Clicks on the page backgrounds close the pop-ups.
    for (int page = 1; page <= 5; ++page)
        if (auto* base = controls_.get<TSkinLabel>(QStringLiteral("Img_Base_") + QString::number(page)))
            connect(base, &TSkinLabel::clicked, this, &Navigation::ClearAP);
    if (auto* picture = controls_.get<TSkinLabel>("Img_P1"))
        connect(picture, &TSkinLabel::clicked, this, &Navigation::ClearAP);
    for (const char* page : {"gbPage1", "gbPage6"})
        if (QWidget* w = controls_.get(page))
            w->installEventFilter(this);

    // The engineer page closes the pop-ups on a click on its captions and groups, when one of
    // its combo boxes takes the focus and when its tab changes.
    if (QWidget* engineer = controls_.get("gbPage6")) {
        for (TSkinLabel* caption : engineer->findChildren<TSkinLabel*>())
            if (caption->objectName() != QLatin1String("Btn_Close"))
                connect(caption, &TSkinLabel::clicked, this, &Navigation::HideAllMenu);
        for (QGroupBox* group : engineer->findChildren<QGroupBox*>())
            group->installEventFilter(this);
        for (QComboBox* combo : engineer->findChildren<QComboBox*>())
            combo->installEventFilter(this);
    }
    if (auto* tabs = controls_.get<QTabWidget>("Pg_Parameter"))
        connect(tabs, &QTabWidget::currentChanged, this, &Navigation::HideAllMenu);

    connect(&labelRun_, &QTimer::timeout, this, &Navigation::LabelRunTimer);
}

bool Navigation::eventFilter(QObject* watched, QEvent* event)
{
    const bool click = event->type() == QEvent::MouseButtonRelease
                       && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (click && (qobject_cast<QGroupBox*>(watched) || watched->objectName().startsWith(QLatin1String("gbPage"))))
        HideAllMenu();
    if (event->type() == QEvent::FocusIn && qobject_cast<QComboBox*>(watched))
        HideAllMenu();
    // Escape that no control took closes an open menu; with none open it goes on as before.
    if (event->type() == QEvent::KeyPress && watched == window_.Window()
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && AnyMenuShown()) {
        HideAllMenu();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarq
