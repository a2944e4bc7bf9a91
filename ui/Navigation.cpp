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

#include "config/ui/SettingsMapping.h"
#include "firemacros/ui/GunPage.h"
#include "ui/Controls.h"
#include "ui/WindowServices.h"
#include "ui/engineer/EngineerPage.h"
#include "ui/state/AppContext.h"
#include "ui/SkinLabel.h"
#include "ui/skin/SkinWindow.h"

namespace tarq {

namespace {

constexpr int kPages = 6;
constexpr int kMenuHeightShort = 170;      // the eighth entry of Pnl_Main and Pnl_Special cut off
constexpr int kMenuHeightFull = 194;
constexpr int kRollingWrap = 20;           // the rolling counter restarts at 2 after this
constexpr int kRollingGap = 4;             // spaces put between the end and the start once per hover
constexpr int kLabelRunMs = 200;           // one step of the rolling caption

struct ViewInfo {
    View view;
    const char* radio;       // the layout's hidden radio showing the view
    int page;
    const char* ownButton;   // page button name without Btn_/Img_ and copy number
};

constexpr ViewInfo kViews[] = {
    {View::Office, "rb_1", 1, "Main_"},
    {View::Game, "rb_2", 1, "Second_"},
    {View::Advanced, "rb_4", 2, "Adv_"},
    {View::Light, "rb_5", 3, "Breath_"},
    {View::Macro, "rb_6", 4, "Macro_"},
    {View::Engineer, "rb_7", 6, "Engineer_"},
};

const ViewInfo& InfoOf(View view)
{
    for (const ViewInfo& info : kViews)
        if (info.view == view)
            return info;
    return kViews[0];
}

const char* const kPageButtons[] = {"Main_", "Second_", "Adv_", "Breath_", "Macro_", "Engineer_"};
const char* const kMenus[] = {"Pnl_Main", "Pnl_MseKey", "Pnl_Special", "Pnl_CPIKey", "Pnl_Media",
                              "Pnl_WWW", "Pnl_MyPC", "LB_Name", "LB_Script", "Pnl_PCMacro",
                              "Pnl_DevContent"};
const char* const kDelayCaptions[] = {"lbl_Record_Delay", "lbl_Delay_Setting", "lbl_No_Delay",
                                      "lbl_MS", "lbl_Stop_Release", "lbl_Stop_Over"};

QString PageName(int page) { return QStringLiteral("gbPage") + QString::number(page); }

} // namespace

Navigation::Navigation(const AppContext& app, const FrameCopies& frames, Controls& controls, WindowServices& window, SettingsMapping& settings,
                       GunPage& gun, EngineerPage& engineer, Hooks hooks)
    : QObject(window.Window()), app_(app), frames_(frames), controls_(controls), window_(window), settings_(settings), gun_(gun),
      engineer_(engineer), hooks_(std::move(hooks))
{
    labelRun_.setObjectName(QStringLiteral("LabelRun"));
    labelRun_.setInterval(kLabelRunMs);
}

bool Navigation::MouseOpen() const
{
    Q_ASSERT_X(hooks_.mouseOpen, "Navigation", "the mouseOpen hook is required");
    return hooks_.mouseOpen();
}

bool Navigation::InsertPanelOpen() const
{
    Q_ASSERT_X(hooks_.insertPanelOpen, "Navigation", "the insertPanelOpen hook is required");
    return hooks_.insertPanelOpen();
}

// ---------------------------------------------------------------- views and pages

View Navigation::CurrentView() const { return view_; }

int Navigation::PageOf(View view) { return InfoOf(view).page; }

QString Navigation::OwnButton(View view) const { return InfoOf(view).ownButton; }

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
    if (auto* radio = controls_.get<QRadioButton>(info.radio))
        radio->setChecked(true);
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
    if (info.page <= kPageCopies) {
        const QString picture = LanguagePicture(app_.LanguageIndex, QStringLiteral("Back%1").arg(info.page));
        SetPicture(QStringLiteral("Img_P") + QString::number(info.page), picture);
    }
}

void Navigation::ApplyViewSteps(View view)
{
    auto* keyMode = controls_.get<QComboBox>("cb_KeyMode");
    auto setOption3 = [this](bool shown) {
        for (const char* name : {"IB_ComboKey3", "Img_ComboKey3"})
            if (QWidget* w = controls_.get(name))
                w->setVisible(shown);
    };
    switch (view) {
    case View::Office:
        if (keyMode)
            keyMode->setCurrentIndex(0);
        SetMenuHeights(kMenuHeightShort);
        setOption3(false);
        break;
    case View::Game: {
        if (keyMode)
            keyMode->setCurrentIndex(1);
        const bool gun = app_.Org.gdEnable;
        SetMenuHeights(gun ? kMenuHeightFull : kMenuHeightShort);
        setOption3(gun && app_.ComboKey3Enable);
        break;
    }
    case View::Macro: {
        const bool insert = InsertPanelOpen();
        if (QWidget* delay = controls_.get("Gb_Delay"))
            delay->setVisible(!insert);
        for (const char* name : kDelayCaptions)
            if (QWidget* caption = controls_.get(name))
                caption->setVisible(!insert);
        for (const char* name : {"Gb_Insert", "Img_InsertBase"})
            if (QWidget* w = controls_.get(name))
                w->setVisible(insert);
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
    for (const char* name : {"Pnl_Main", "Pnl_Special"})
        if (QWidget* menu = controls_.get(name))
            menu->resize(menu->width(), height);
}

void Navigation::ShowOnlyPage(int page)
{
    // Show the new page before hiding the old ones, so the window never flashes empty.
    if (QWidget* shown = controls_.get(PageName(page)))
        shown->show();
    for (int p = 1; p <= kPages; ++p)
        if (p != page)
            if (QWidget* other = controls_.get(PageName(p)))
                other->hide();
}

void Navigation::ButtonTypeB_1IconInit()
{
    for (const char* button : kPageButtons)
        SetPictures(button, QStringLiteral("SetS_01"));
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

void Navigation::HideAllMenu()
{
    for (const char* name : kMenus)
        if (QWidget* menu = controls_.get(name))
            menu->hide();
}

bool Navigation::AnyMenuShown() const
{
    for (const char* name : kMenus)
        if (QWidget* menu = controls_.get(name); menu && menu->isVisible())
            return true;
    return false;
}

void Navigation::ShowPnlMain_OnClick(TSkinLabel* label)
{
    const QString name = label->objectName();
    const QChar last = name.isEmpty() ? QChar() : name.back();
    MenuKeyNumber = last.isDigit() ? last.digitValue() : -1;

    SetPicture(QStringLiteral("Img_") + name, QStringLiteral("KeyS_01"));
    RestoreHoveredCaption();

    HideAllMenu();
    QWidget* menu = controls_.get("Pnl_Main");
    if (!menu)
        return;
    if (QWidget* entry = controls_.get("Key_FireMacro"))
        entry->show();
    for (const char* name : {"Key_TLFireMacro", "ST_TLFireMacro"})
        if (QWidget* w = controls_.get(name))
            w->hide();
    Origin = MenuOrigin::ButtonPage;

    // A corner of the menu at the label's centre; it opens to the left of or above the centre
    // when it would otherwise reach the right or bottom edge of the skin.
    const QRect r(label->mapTo(controls_.Root(), QPoint(0, 0)), label->size());
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
    const QString name = button->objectName();
    EngineerKeyNumber = name.right(3).toInt();

    HideAllMenu();
    QWidget* menu = controls_.get("Pnl_Main");
    auto* tabs = controls_.get<QTabWidget>("Pg_Parameter");
    if (!menu || !tabs)
        return;
    if (QWidget* entry = controls_.get("Key_FireMacro"))
        entry->hide();
    for (const char* name : {"Key_TLFireMacro", "ST_TLFireMacro"})
        if (QWidget* w = controls_.get(name))
            w->show();
    Origin = MenuOrigin::EngineerPage;

    const QRect b = button->geometry();
    const int x = b.left() + menu->width() > tabs->width() ? b.left() + b.width() - menu->width() + 10
                                                           : b.left() + 10;
    QWidget* group = controls_.get(EngineerKeyNumber < 200 ? "gbKeyMode1" : "gbKeyMode2");
    const int groupTop = group ? group->y() : 0;
    const int y = b.top() + tabs->y() + groupTop - menu->height() + 38;
    menu->move(x, y);
    menu->raise();
    menu->show();
}

// ---------------------------------------------------------------- pointer feedback

QString Navigation::PictureOf(const TSkinLabel* label) const
{
    QString name = label->objectName();
    if (name.startsWith(QLatin1String("Btn_")))
        name.remove(0, 4);
    return QStringLiteral("Img_") + name;
}

QString Navigation::FamilyBase(const TSkinLabel* label)
{
    // "Btn_Apply_3" -> "Apply_": the copy suffix is the last character.
    QString name = label->objectName().mid(4);
    name.chop(1);
    return name;
}

void Navigation::SetPicture(const QString& control, const QString& picture)
{
    window_.SetPicture(control, picture);
}

void Navigation::SetPictures(const QString& pictureBase, const QString& picture)
{
    for (int copy = 1; copy <= kPageCopies; ++copy)
        SetPicture(QStringLiteral("Img_") + pictureBase + QString::number(copy), picture);
}

void Navigation::BeginHover(TSkinLabel* label)
{
    HoveredLabel = label->objectName();
    HoveredCaption = label->text();
    RollingCaption = HoveredCaption;
    RollingCount = 0;
    if (label->isEnabled())
        labelRun_.start();
}

void Navigation::RestoreHoveredCaption()
{
    if (auto* hovered = controls_.get<QLabel>(HoveredLabel)) {
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

void Navigation::ButtonTypeAMouseEnter(TSkinLabel* label)
{
    SetPictures(FamilyBase(label), QStringLiteral("BtnS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeAMouseLeave(TSkinLabel* label)
{
    EndHover();
    SetPictures(FamilyBase(label), QStringLiteral("BtnS_01"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeBMouseEnter(TSkinLabel* label)
{
    SetPicture(PictureOf(label), QStringLiteral("SetS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeBMouseLeave(TSkinLabel* label)
{
    EndHover();
    SetPicture(PictureOf(label), QStringLiteral("SetS_01"));
    if (!app_.NoDeviceView)
        SetPictures(OwnButton(CurrentView()), QStringLiteral("SetS_03"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeCMouseEnter(TSkinLabel* label)
{
    SetPicture(PictureOf(label), QStringLiteral("KeyS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeCMouseLeave(TSkinLabel* label)
{
    EndHover();
    SetPicture(PictureOf(label), QStringLiteral("KeyS_01"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeDMouseEnter(TSkinLabel* label)
{
    SetPicture(PictureOf(label), QStringLiteral("SetS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeDMouseLeave(TSkinLabel* label)
{
    EndHover();
    SetPicture(PictureOf(label), QStringLiteral("SetS_01"));
    SetPictures(QStringLiteral("Lang%1_").arg(app_.LanguageIndex), QStringLiteral("SetS_03"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeGMouseEnter(TSkinLabel* label)
{
    SetPicture(PictureOf(label), QStringLiteral("MacroBtnS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeGMouseLeave(TSkinLabel* label)
{
    EndHover();
    SetPicture(PictureOf(label), QStringLiteral("MacroBtnS_01"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeIMouseEnter(TSkinLabel* label)
{
    SetPictures(FamilyBase(label), QStringLiteral("ExitS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeIMouseLeave(TSkinLabel* label)
{
    EndHover();
    SetPictures(FamilyBase(label), QStringLiteral("ExitS_01"));
    RestoreHoveredCaption();
}

void Navigation::ButtonTypeJMouseEnter(TSkinLabel* label)
{
    SetPictures(FamilyBase(label), QStringLiteral("MiniS_02"));
    BeginHover(label);
}

void Navigation::ButtonTypeJMouseLeave(TSkinLabel* label)
{
    EndHover();
    SetPictures(FamilyBase(label), QStringLiteral("MiniS_01"));
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

void Navigation::RestartRolling(const QString& label, const QString& caption)
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
    if (auto* hovered = controls_.get<QLabel>(HoveredLabel))
        AdoptChangedCaption(hovered);
    if (++RollingCount > kRollingWrap)
        RollingCount = 2;
    const QChar first = RollingCaption.front();
    RollingCaption.remove(0, 1);
    if (RollingCount == 1)
        RollingCaption += QString(kRollingGap, QLatin1Char(' '));
    RollingCaption += first;
    if (auto* hovered = controls_.get<QLabel>(HoveredLabel))
        hovered->setText(RollingCaption);
}

// ---------------------------------------------------------------- web button and messages

void Navigation::Btn_Web_0MouseEnter()
{
    if (MouseOpen())
        SetPictures(QStringLiteral("Web_"), QStringLiteral("WebS_03"));
}

void Navigation::Btn_Web_0MouseLeave()
{
    if (MouseOpen())
        SetPictures(QStringLiteral("Web_"), QStringLiteral("WebS_01"));
}

void Navigation::Btn_Web_0Click()
{
    SetPictures(QStringLiteral("Web_"), QStringLiteral("WebS_02"));
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
