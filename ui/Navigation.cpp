// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/Navigation.h"
#include "skin/LayoutKeys.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QUrl>

#include <algorithm>

#include "config/ui/SettingsMapping.h"
#include "firemacros/ui/GunPage.h"
#include "macros/ui/MacroEditor.h"
#include "ui/WindowServices.h"
#include "ui/engineer/EngineerPage.h"
#include "ui/pages/ButtonPageControls.h"
#include "ui/pages/EngineerPageControls.h"
#include "ui/pages/MacroPageControls.h"
#include "ui/pages/MenuControls.h"
#include "ui/pages/PageViewControls.h"
#include "ui/state/AppContext.h"
#include "ui/SkinLabel.h"
#include "ui/skin/SkinWindow.h"

namespace tarq {

namespace {

constexpr int kMenuHeightShort = 170;      // the eighth entry of Pnl_Main and Pnl_Special cut off
constexpr int kMenuHeightFull = 194;
constexpr int kRollingWrap = 20;           // the rolling counter restarts at 2 after this
constexpr int kRollingGap = 4;             // spaces put between the end and the start once per hover
constexpr int kLabelRunMs = 200;           // one step of the rolling caption

// In the order of the views, which is the order of the view radios.
struct ViewInfo {
    View view;
    int page;
    FrameButton FrameControls::*ownButton;   // the page button showing the view as chosen
};

constexpr ViewInfo kViews[] = {
    {View::Office, 1, &FrameControls::main},     {View::Game, 1, &FrameControls::second},
    {View::Advanced, 2, &FrameControls::adv},    {View::Light, 3, &FrameControls::breath},
    {View::Macro, 4, &FrameControls::macro},     {View::Engineer, 6, &FrameControls::engineer},
};
static_assert(std::size(kViews) == PageViewControls::kViews);

size_t IndexOf(View view)
{
    for (size_t i = 0; i < std::size(kViews); ++i)
        if (kViews[i].view == view)
            return i;
    return 0;
}

const ViewInfo& InfoOf(View view) { return kViews[IndexOf(view)]; }

} // namespace

Navigation::Navigation(const AppContext& app, Pages pages, WindowServices& window, SettingsMapping& settings,
                       GunPage& gun, EngineerPage& engineer, const MacroEditor& macroEditor, Hooks hooks)
    : QObject(window.Window()), app_(app), pages_(pages), frames_(pages.frames), window_(window), settings_(settings),
      gun_(gun), engineer_(engineer), macroEditor_(macroEditor), hooks_(std::move(hooks))
{
    labelRun_.setObjectName(QStringLiteral("LabelRun"));
    labelRun_.setInterval(kLabelRunMs);
}

bool Navigation::MouseOpen() const
{
    Q_ASSERT_X(hooks_.mouseOpen, "Navigation", "the mouseOpen hook is required");
    return hooks_.mouseOpen();
}

bool Navigation::InsertPanelOpen() const { return macroEditor_.InsertPanelOpen(); }

// ---------------------------------------------------------------- views and pages

View Navigation::CurrentView() const { return view_; }

int Navigation::PageOf(View view) { return InfoOf(view).page; }

void Navigation::ChangeView(View view)
{
    if (!MouseOpen()) {
        window_.ShowStandardMessage(app_.Text(kTextFindingDevice));
        return;
    }
    if (app_.NoDeviceView)
        return;
    HideAllMenu();
    ButtonTypeB_1IconInit();
    ShowView(view);
}

void Navigation::ShowView(View view)
{
    const ViewInfo& info = InfoOf(view);
    if (view == View::Engineer) {
        gun_.Img_Base_5DblClick();
        engineer_.Img_Logo4DblClick();
    }
    view_ = view;
    // The layout's hidden radio of the view shows it; it holds nothing.
    pages_.views.viewRadios[IndexOf(view)]->setChecked(true);
    ApplyViewSteps(view);

    ShowOnlyPage(info.page);
    if (view == View::Engineer)
        window_.SizeWindowForEngineer();
    else
        window_.SizeWindowToSkin();

    switch (view) {
    case View::Office: settings_.RefreshProfile1Keys(); break;
    case View::Game: settings_.RefreshProfile2Keys(); break;
    case View::Engineer:
        settings_.TLRefreshProfile1Keys();
        settings_.TLRefreshProfile2Keys();
        break;
    default: break;
    }

    SetPictures(info.ownButton, QStringLiteral("SetS_03"));
    if (info.page <= kPageCopies)
        frames_[size_t(info.page - 1)].pagePicture->setPicture(
            LanguagePicture(app_.LanguageIndex, QStringLiteral("Back%1").arg(info.page)));
}

void Navigation::ApplyViewSteps(View view)
{
    QComboBox* keyMode = pages_.engineerPage.settings.keyMode;
    auto setOption3 = [this](bool shown) {
        pages_.buttonPage.longPressCaptions[2]->setVisible(shown);
        pages_.buttonPage.longPressMarks[2]->setVisible(shown);
    };
    switch (view) {
    case View::Office:
        keyMode->setCurrentIndex(0);
        SetMenuHeights(kMenuHeightShort);
        setOption3(false);
        break;
    case View::Game: {
        keyMode->setCurrentIndex(1);
        const bool gun = app_.Org.gdEnable;
        SetMenuHeights(gun ? kMenuHeightFull : kMenuHeightShort);
        setOption3(gun && app_.ComboKey3Enable);
        break;
    }
    case View::Macro: {
        const bool insert = InsertPanelOpen();
        const MacroPageControls& macro = pages_.macroPage;
        macro.delayBox->setVisible(!insert);
        for (TSkinLabel* caption : macro.delayCaptions)
            caption->setVisible(!insert);
        macro.insertPanel->setVisible(insert);
        macro.insertBase->setVisible(insert);
        break;
    }
    case View::Engineer:
        SetMenuHeights(kMenuHeightFull);
        break;
    default:
        break;
    }
}

void Navigation::SetMenuHeights(int height)
{
    for (QWidget* menu : {pages_.menus.main, pages_.menus.special})
        menu->resize(menu->width(), height);
}

void Navigation::ShowOnlyPage(int page)
{
    // Show the new page before hiding the old ones, so the window never flashes empty.
    pages_.views.Page(page)->show();
    for (int p = 1; p <= PageViewControls::kPages; ++p)
        if (p != page)
            pages_.views.Page(p)->hide();
}

void Navigation::ButtonTypeB_1IconInit()
{
    for (const ViewInfo& info : kViews)
        SetPictures(info.ownButton, QStringLiteral("SetS_01"));
}

void Navigation::RefreshAPPage()
{
    if (app_.NoDeviceView) {
        ShowOnlyPage(1);
        return;
    }
    const View view = CurrentView();
    if (view == View::Macro)
        ApplyViewSteps(view);
    ShowOnlyPage(PageOf(view));
}

// ---------------------------------------------------------------- pop-ups

std::array<QWidget*, 11> Navigation::Menus() const
{
    const MenuControls& m = pages_.menus;
    return {m.main, m.mouseKeys, m.special, m.dpiKeys, m.media, m.web, m.myComputer, m.macros, m.gunKeys,
            pages_.macroPage.macroMenu, pages_.macroPage.eventMenu};
}

void Navigation::HideAllMenu()
{
    for (QWidget* menu : Menus())
        menu->hide();
}

bool Navigation::AnyMenuShown() const
{
    for (QWidget* menu : Menus())
        if (menu->isVisible())
            return true;
    return false;
}

void Navigation::ShowPnlMain_OnClick(TSkinLabel* label)
{
    const auto& keys = pages_.buttonPage.keys;
    const auto found = std::find(keys.begin(), keys.end(), label);
    const int key = found == keys.end() ? -1 : int(found - keys.begin());
    MenuKeyNumber = key < 0 ? -1 : key + 1;

    if (key >= 0)
        pages_.buttonPage.keyPictures[size_t(key)]->setPicture(QStringLiteral("KeyS_01"));
    RestoreHoveredCaption();

    HideAllMenu();
    const MenuControls& menus = pages_.menus;
    QWidget* menu = menus.main;
    menus.fireMacro->show();
    menus.engineerFireMacro->hide();
    menus.engineerFireMacroMarker->hide();
    Origin = MenuOrigin::ButtonPage;

    // A corner of the menu at the label's centre; it opens to the left of or above the centre
    // when it would otherwise reach the right or bottom edge of the skin.
    const QRect r(label->mapTo(window_.Window(), QPoint(0, 0)), label->size());
    const int cx = r.left() + r.width() / 2;
    const int cy = r.top() + r.height() / 2;
    const int x = r.left() + r.width() + menu->width() < app_.SkinWidth ? cx : cx - menu->width();
    const int y = r.top() + r.height() + menu->height() < app_.SkinHeight ? cy : cy - menu->height();
    menu->move(x, y);
    menu->raise();
    menu->show();
}

void Navigation::TLShowPnlMain_OnClick(QPushButton* button)
{
    // Button k of key mode m is number 100 m + k.
    const EngineerSettingsControls& settings = pages_.engineerPage.settings;
    int mode = 0;
    int key = 0;
    for (int m = 1; m <= 2; ++m)
        for (int k = 1; k <= EngineerSettingsControls::kKeysPerMode; ++k)
            if (settings.keys[size_t(m - 1)][size_t(k - 1)] == button) {
                mode = m;
                key = k;
            }
    if (mode == 0)
        return;
    EngineerKeyNumber = mode * 100 + key;

    HideAllMenu();
    const MenuControls& menus = pages_.menus;
    QWidget* menu = menus.main;
    QTabWidget* tabs = pages_.engineerPage.tabs;
    menus.fireMacro->hide();
    menus.engineerFireMacro->show();
    menus.engineerFireMacroMarker->show();
    Origin = MenuOrigin::EngineerPage;

    const QRect b = button->geometry();
    const int x = b.left() + menu->width() > tabs->width() ? b.left() + b.width() - menu->width() + 10
                                                           : b.left() + 10;
    const int groupTop = settings.keyModeGroups[size_t(mode - 1)]->y();
    const int y = b.top() + tabs->y() + groupTop - menu->height() + 38;
    menu->move(x, y);
    menu->raise();
    menu->show();
}

// ---------------------------------------------------------------- pointer feedback

void Navigation::SetPictures(FrameMember button, const QString& picture)
{
    for (const FrameControls& frame : frames_)
        (frame.*button).picture->setPicture(picture);
}

void Navigation::SetLanguagePictures(const QString& picture)
{
    for (const FrameControls& frame : frames_)
        frame.languages[size_t(app_.LanguageIndex - 1)].picture->setPicture(picture);
}

void Navigation::BeginHover(TSkinLabel* label)
{
    HoveredLabel = label;
    HoveredCaption = label->text();
    RollingCaption = HoveredCaption;
    RollingCount = 0;
    if (label->isEnabled())
        labelRun_.start();
}

void Navigation::RestoreHoveredCaption()
{
    if (QLabel* hovered = HoveredLabel) {
        AdoptChangedCaption(hovered);
        hovered->setText(HoveredCaption);
    }
}

void Navigation::AdoptChangedCaption(const QLabel* hovered)
{
    // The rolling shows only HoveredCaption or RollingCaption; any other text was set by the
    // program since the pointer came (Record becoming Stop) and is the caption from now on.
    const QString text = hovered->text();
    if (text == HoveredCaption || text == RollingCaption)
        return;
    HoveredCaption = text;
    RollingCaption = text;
    RollingCount = 0;
}

void Navigation::EndHover()
{
    labelRun_.stop();
}

void Navigation::ButtonTypeAMouseEnter(FrameMember button, TSkinLabel* label)
{
    SetPictures(button, QStringLiteral("BtnS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeAMouseLeave(FrameMember button)
{
    EndHover();
    SetPictures(button, QStringLiteral("BtnS_01"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeBMouseEnter(const FrameButton& button)
{
    button.picture->setPicture(QStringLiteral("SetS_02"));
    BeginHover(button.button);
}

void Navigation::ButtonTypeBMouseLeave(const FrameButton& button)
{
    EndHover();
    button.picture->setPicture(QStringLiteral("SetS_01"));
    if (!app_.NoDeviceView)
        SetPictures(InfoOf(CurrentView()).ownButton, QStringLiteral("SetS_03"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeCMouseEnter(int key)
{
    pages_.buttonPage.keyPictures[size_t(key)]->setPicture(QStringLiteral("KeyS_02"));
    BeginHover(pages_.buttonPage.keys[size_t(key)]);
}

void Navigation::ButtonTypeCMouseLeave(int key)
{
    EndHover();
    pages_.buttonPage.keyPictures[size_t(key)]->setPicture(QStringLiteral("KeyS_01"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeDMouseEnter(const FrameButton& button)
{
    button.picture->setPicture(QStringLiteral("SetS_02"));
    BeginHover(button.button);
}

void Navigation::ButtonTypeDMouseLeave(const FrameButton& button)
{
    EndHover();
    button.picture->setPicture(QStringLiteral("SetS_01"));
    SetLanguagePictures(QStringLiteral("SetS_03"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeGMouseEnter(TSkinLabel* label)
{
    BeginHover(label);
}

void Navigation::ButtonTypeGMouseLeave()
{
    EndHover();
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeIMouseEnter(FrameMember button, TSkinLabel* label)
{
    SetPictures(button, QStringLiteral("ExitS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeIMouseLeave(FrameMember button)
{
    EndHover();
    SetPictures(button, QStringLiteral("ExitS_01"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeJMouseEnter(FrameMember button, TSkinLabel* label)
{
    SetPictures(button, QStringLiteral("MiniS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeJMouseLeave(FrameMember button)
{
    EndHover();
    SetPictures(button, QStringLiteral("MiniS_01"));
    RestoreHoveredCaption();
}

// Text buttons of the context panels: only an enabled entry lights up, and the greyed text of
// a disabled one is left alone.
void Navigation::ButtonTypeHMouseEnter(TSkinLabel* label)
{
    if (!label->isEnabled())
        return;
    QPalette palette = label->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, Qt::white);
        palette.setColor(group, QPalette::Window, app_.Style.macroSelected);
    }
    label->setPalette(palette);
}

void Navigation::ButtonTypeHMouseLeave(TSkinLabel* label)
{
    QPalette palette = label->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Window, app_.Style.textButtonBack);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, app_.Style.textButtonFont);
    label->setPalette(palette);
}

void Navigation::RestartRolling(QLabel* label, const QString& caption)
{
    HoveredLabel = label;
    HoveredCaption = caption;
    RollingCaption = caption;
    RollingCount = 0;
}

void Navigation::LabelRunTimer()
{
    if (!app_.Org.trEnable || RollingCaption.isEmpty())
        return;
    if (QLabel* hovered = HoveredLabel)
        AdoptChangedCaption(hovered);
    if (++RollingCount > kRollingWrap)
        RollingCount = 2;
    const QChar first = RollingCaption.front();
    RollingCaption.remove(0, 1);
    if (RollingCount == 1)
        RollingCaption += QString(kRollingGap, QLatin1Char(' '));
    RollingCaption += first;
    if (QLabel* hovered = HoveredLabel)
        hovered->setText(RollingCaption);
}

// ---------------------------------------------------------------- web button and messages

void Navigation::Btn_Web_0MouseEnter()
{
    if (MouseOpen())
        SetPictures(&FrameControls::web, QStringLiteral("WebS_03"));
}

void Navigation::Btn_Web_0MouseLeave()
{
    if (MouseOpen())
        SetPictures(&FrameControls::web, QStringLiteral("WebS_01"));
}

void Navigation::Btn_Web_0Click()
{
    SetPictures(&FrameControls::web, QStringLiteral("WebS_02"));
    if (app_.Org.webEnable)
        QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(app_.Org.web)));
}

void Navigation::RefreshFormMessagDialog(const QString& text)
{
    // Callers break lines with carriage returns.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    window_.ShowDialogMessage(shown);
}

} // namespace tarq
