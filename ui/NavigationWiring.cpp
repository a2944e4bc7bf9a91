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

#include <algorithm>

#include "config/ui/SettingsMapping.h"
#include "firemacros/ui/GunPage.h"
#include "ui/WindowServices.h"
#include "ui/engineer/EngineerPage.h"
#include "ui/pages/ButtonPageControls.h"
#include "ui/pages/EngineerPageControls.h"
#include "ui/pages/GunPageControls.h"
#include "ui/pages/MacroPageControls.h"
#include "ui/pages/MenuControls.h"
#include "ui/pages/PageViewControls.h"
#include "ui/SkinLabel.h"

namespace tarq {

namespace {

struct PageButton {
    FrameButton FrameControls::*button;                 // the skinned copies on pages 1-4
    QPushButton* EngineerPageControls::*engineerButton; // the push button of the engineer page
    void (Navigation::*click)();
};

constexpr PageButton kPageButtons[] = {
    {&FrameControls::main, &EngineerPageControls::office, &Navigation::Btn_Main_0Click},
    {&FrameControls::second, &EngineerPageControls::game, &Navigation::Btn_Second_0Click},
    {&FrameControls::adv, &EngineerPageControls::advanced, &Navigation::Btn_Adv_0Click},
    {&FrameControls::breath, &EngineerPageControls::light, &Navigation::Btn_Breath_0Click},
    {&FrameControls::macro, &EngineerPageControls::macro, &Navigation::Btn_Macro_0Click},
    {&FrameControls::engineer, &EngineerPageControls::engineer, &Navigation::Btn_Engineer_0Click},
};

// Frame buttons whose pictures change on all four copies together (family A).
constexpr FrameButton FrameControls::*kFamilyA[] = {
    &FrameControls::confirm, &FrameControls::apply, &FrameControls::read, &FrameControls::confirm1,
    &FrameControls::confirm2, &FrameControls::confirm3, &FrameControls::save, &FrameControls::load};

} // namespace

void Navigation::Wire()
{
    auto hover = [this](TSkinLabel* label, auto enter, auto leave) {
        connect(label, &TSkinLabel::mouseEntered, this, enter);
        connect(label, &TSkinLabel::mouseLeft, this, leave);
    };
    // Families A, I and J: the pictures of all four copies change together.
    auto hoverAllCopies = [this, hover](FrameMember button, TSkinLabel* label,
                                        void (Navigation::*enter)(FrameMember, TSkinLabel*),
                                        void (Navigation::*leave)(FrameMember)) {
        hover(label, [this, button, label, enter] { (this->*enter)(button, label); },
              [this, button, leave] { (this->*leave)(button); });
    };
    for (const PageButton& b : kPageButtons) {
        for (const FrameControls& frame : frames_) {
            const FrameButton& button = frame.*b.button;
            hover(button.button, [this, &button] { ButtonTypeBMouseEnter(button); },
                  [this, &button] { ButtonTypeBMouseLeave(button); });
            connect(button.button, &TSkinLabel::clicked, this, b.click);
        }
        connect(pages_.engineerPage.*b.engineerButton, &QPushButton::clicked, this, b.click);
    }

    for (const FrameControls& frame : frames_) {
        for (FrameMember button : kFamilyA)
            hoverAllCopies(button, (frame.*button).button, &Navigation::ButtonTypeAMouseEnter,
                           &Navigation::ButtonTypeAMouseLeave);

        for (const FrameButton& language : frame.languages)
            hover(language.button, [this, &language] { ButtonTypeDMouseEnter(language); },
                  [this, &language] { ButtonTypeDMouseLeave(language); });

        hoverAllCopies(&FrameControls::exit, frame.exit.button, &Navigation::ButtonTypeIMouseEnter,
                       &Navigation::ButtonTypeIMouseLeave);
        hoverAllCopies(&FrameControls::mini, frame.mini.button, &Navigation::ButtonTypeJMouseEnter,
                       &Navigation::ButtonTypeJMouseLeave);
        TSkinLabel* web = frame.web.button;
        connect(web, &TSkinLabel::mouseEntered, this, &Navigation::Btn_Web_0MouseEnter);
        connect(web, &TSkinLabel::mouseLeft, this, &Navigation::Btn_Web_0MouseLeave);
        connect(web, &TSkinLabel::clicked, this, &Navigation::Btn_Web_0Click);
    }

    for (int k = 0; k < ButtonPageControls::kButtons; ++k) {
        TSkinLabel* key = pages_.buttonPage.keys[size_t(k)];
        hover(key, [this, k] { ButtonTypeCMouseEnter(k); }, [this, k] { ButtonTypeCMouseLeave(k); });
        connect(key, &TSkinLabel::clicked, this, [this, key] { ShowPnlMain_OnClick(key); });
        for (const auto& modeKeys : pages_.engineerPage.settings.keys) {
            QPushButton* button = modeKeys[size_t(k)];
            connect(button, &QPushButton::clicked, this, [this, button] { TLShowPnlMain_OnClick(button); });
        }
    }

    // The insert panels' OK and Cancel: their builders change the pictures, the caption rolls.
    const MacroPageControls& macro = pages_.macroPage;
    const FireMacroEditorControls& fire = pages_.gunPage.editor;
    for (TSkinLabel* label : {macro.ok, macro.cancel, fire.ok.button, fire.cancel.button})
        hover(label, [this, label] { ButtonTypeGMouseEnter(label); }, [this] { ButtonTypeGMouseLeave(); });
    // The text buttons of the context panels (family H).
    for (TSkinLabel* label : {macro.deleteEvent, macro.insertEvent, macro.editEvent, fire.remove, fire.insert,
                              fire.edit, macro.newMacro, macro.importOne, macro.exportAll, macro.importAll,
                              macro.exportOne, macro.newName, macro.deleteMacro})
        hover(label, [this, label] { ButtonTypeHMouseEnter(label); }, [this, label] { ButtonTypeHMouseLeave(label); });

    // The macro page's new-macro and insert-record buttons roll their captions like the
    // families above; their builder changes their pictures.
    for (TSkinLabel* label : {macro.newButton, macro.insertStart.button}) {
        connect(label, &TSkinLabel::mouseEntered, this, [this, label] {
            if (label->isEnabled())   // locked while the insert panel is open
                BeginHover(label);
        });
        connect(label, &TSkinLabel::mouseLeft, this, [this] {
            EndHover();
            RestoreHoveredCaption();
        });
    }

    // Escape closes an open menu.
    if (QWidget* window = window_.Window())
        window->installEventFilter(this);

    // Clicks on the page backgrounds close the pop-ups.
    for (const FrameControls& frame : frames_)
        connect(frame.background, &TSkinLabel::clicked, this, &Navigation::ClearAP);
    connect(pages_.gunPage.base, &TSkinLabel::clicked, this, &Navigation::ClearAP);
    connect(frames_[0].pagePicture, &TSkinLabel::clicked, this, &Navigation::ClearAP);
    const PageViewControls& views = pages_.views;
    views.Page(1)->installEventFilter(this);
    views.Page(6)->installEventFilter(this);

    // The engineer page closes the pop-ups on a click on its captions and groups, when one of
    // its combo boxes takes the focus and when its tab changes.
    QWidget* engineer = views.Page(6);
    for (TSkinLabel* caption : engineer->findChildren<TSkinLabel*>())
        if (caption != pages_.engineerPage.close)
            connect(caption, &TSkinLabel::clicked, this, &Navigation::HideAllMenu);
    for (QGroupBox* group : engineer->findChildren<QGroupBox*>())
        group->installEventFilter(this);
    for (QComboBox* combo : engineer->findChildren<QComboBox*>())
        combo->installEventFilter(this);
    connect(pages_.engineerPage.tabs, &QTabWidget::currentChanged, this, &Navigation::HideAllMenu);

    connect(&labelRun_, &QTimer::timeout, this, &Navigation::LabelRunTimer);
}

bool Navigation::eventFilter(QObject* watched, QEvent* event)
{
    const bool click = event->type() == QEvent::MouseButtonRelease
                       && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const auto& pages = pages_.views.pages;
    if (click && (qobject_cast<QGroupBox*>(watched) || std::find(pages.begin(), pages.end(), watched) != pages.end()))
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
