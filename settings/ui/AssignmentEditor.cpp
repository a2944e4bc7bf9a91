// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/AssignmentEditor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPalette>

#include <algorithm>
#include <vector>

#include "config/ui/SettingsMapping.h"
#include "device/ui/ConfigurationHome.h"
#include "firemacros/ui/GunPage.h"
#include "macros/ui/MacroEditor.h"
#include "ui/engineer/EngineerPage.h"
#include "config/ImageLayout.h"
#include "macros/MacroLibrary.h"
#include "macros/MacroPages.h"
#include "settings/FixedKeyCodes.h"
#include "settings/KeyCode.h"
#include "settings/ui/Unit2.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"
#include "ui/pages/ButtonPageControls.h"
#include "ui/pages/MenuControls.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"

namespace tarq {

namespace {

constexpr int kLeftClickText = 210;
constexpr int kKeepLeftText = 108;
constexpr int kNoFreePageText = 130;
constexpr int kReplacedCopyText = 926;
constexpr int kEntryPrefixLength = 3;   // " * " in front of every entry's name

// Tags of the entries that open a submenu.
constexpr int kMouseKeysTag = 1;
constexpr int kSpecialTag = 2;
constexpr int kMediaTag = 3;
constexpr int kWebTag = 4;
constexpr int kMyComputerTag = 5;
constexpr int kDpiKeysTag = 6;
constexpr int kMacrosTag = 7;
constexpr int kGunKeysTag = 13;

// The first engineer key button of each key mode: btn_Key101, btn_Key201.
constexpr int kEngineerKeysOffice = 100;
constexpr int kEngineerKeysGame = 200;

int TagOf(const QWidget* entry) { return entry->property("tag").toInt(); }

// The entries of a menu panel, without the ">>" markers (ST_...).
QList<TSkinLabel*> EntriesOf(const QWidget* panel)
{
    QList<TSkinLabel*> entries;
    for (TSkinLabel* entry : panel->findChildren<TSkinLabel*>(Qt::FindDirectChildrenOnly))
        if (!entry->objectName().startsWith(QLatin1String("ST_")))
            entries << entry;
    return entries;
}

} // namespace

AssignmentEditor::AssignmentEditor(ConfigurationState& config, const MacroLibraries& libraries,
                                   const AppContext& app, ButtonPageControls& page, MenuControls& menus,
                                   WindowServices& window, Peers peers)
    : QObject(window.Window()), config_(config), libraries_(libraries), app_(app), page_(page), menus_(menus), window_(window), peers_(peers),
      nav_(peers.nav)
{
}

AssignmentEditor::~AssignmentEditor()
{
    delete form2_.data();
}

void AssignmentEditor::Wire()
{
    auto onLeave = [this](TSkinLabel* entry) {
        connect(entry, &TSkinLabel::mouseLeft, this, [this, entry] { KeyStatusMouseLeave(entry); });
    };

    for (TSkinLabel* entry : EntriesOf(menus_.main)) {
        onLeave(entry);
        if (SubmenuOf(TagOf(entry)))
            connect(entry, &TSkinLabel::mouseEntered, this, [this, entry] { KeyByTagMouseEnter(entry); });
    }
    for (TSkinLabel* entry : {menus_.assembly, menus_.fireMacro})
        connect(entry, &TSkinLabel::mouseEntered, this, [this, entry] { KeyStatus_AMouseEnter(entry); });
    connect(menus_.fireMacro, &TSkinLabel::clicked, this, &AssignmentEditor::Key_FireMacroClick);
    connect(menus_.assembly, &TSkinLabel::clicked, this, &AssignmentEditor::Key_AssemblyClick);

    // Entries that assign a fixed code.
    for (QFrame* panel : menus_.FixedCodePanels()) {
        const bool closesDpi = panel == menus_.special || panel == menus_.myComputer;
        for (TSkinLabel* entry : EntriesOf(panel)) {
            onLeave(entry);
            if (SubmenuOf(TagOf(entry))) {   // the DPI entry of the special keys
                connect(entry, &TSkinLabel::mouseEntered, this, [this, entry] { KeyByTagMouseEnter(entry); });
                continue;
            }
            if (closesDpi)
                connect(entry, &TSkinLabel::mouseEntered, this, [this, entry] { KeyStatus_BMouseEnter(entry); });
            else
                connect(entry, &TSkinLabel::mouseEntered, this, [this, entry] { KeyStatusMouseEnter(entry); });
            connect(entry, &TSkinLabel::clicked, this, [this, entry] { KeyStatusOnClick(entry); });
        }
    }

    QListWidget* macros = menus_.macros;
    connect(macros, &QListWidget::itemClicked, this, [this, macros](QListWidgetItem* item) { LB_NameClick(macros->row(item)); });

    for (int n = 1; n <= ButtonPageControls::kLongPressOptions; ++n)
        for (TSkinLabel* label : {page_.longPressCaptions[n - 1], page_.longPressMarks[n - 1]})
            connect(label, &TSkinLabel::clicked, this, [this, n] { ToggleLongPress(n); });
}

// ---------------------------------------------------------------- pointer over the entries

void AssignmentEditor::Highlight(TSkinLabel* entry, bool on)
{
    QPalette palette = entry->palette();
    palette.setColor(QPalette::WindowText, on ? app_.Style.menuHoverFont : app_.Style.menuFont);
    palette.setColor(QPalette::Window, app_.Style.menuHoverBack);
    entry->setPalette(palette);
    entry->setAutoFillBackground(on);
}

void AssignmentEditor::KeyByTagMouseEnter(TSkinLabel* entry)
{
    Highlight(entry, true);
    ShowSubmenu(entry, TagOf(entry));
}

QWidget* AssignmentEditor::SubmenuOf(int tag) const
{
    switch (tag) {
    case kMouseKeysTag: return menus_.mouseKeys;
    case kSpecialTag: return menus_.special;
    case kMediaTag: return menus_.media;
    case kWebTag: return menus_.web;
    case kMyComputerTag: return menus_.myComputer;
    case kDpiKeysTag: return menus_.dpiKeys;
    case kMacrosTag: return menus_.macros;
    case kGunKeysTag: return menus_.gunKeys;
    default: return nullptr;
    }
}

void AssignmentEditor::HideMenus(std::initializer_list<QWidget*> menus)
{
    for (QWidget* menu : menus)
        menu->hide();
}

void AssignmentEditor::KeyStatus_AMouseEnter(TSkinLabel* entry)
{
    const MenuControls& m = menus_;
    HideMenus({m.special, m.mouseKeys, m.media, m.web, m.myComputer, m.macros, m.gunKeys});
    Highlight(entry, true);
}

void AssignmentEditor::KeyStatus_BMouseEnter(TSkinLabel* entry)
{
    menus_.dpiKeys->hide();
    Highlight(entry, true);
}

void AssignmentEditor::ShowSubmenu(TSkinLabel* entry, int tag)
{
    QWidget* sub = SubmenuOf(tag);
    if (!sub)
        return;
    const MenuControls& m = menus_;
    QWidget* main = m.main;
    QWidget* special = m.special;

    if (tag == kDpiKeysTag) {
        // The DPI submenu opens beside the special keys, which stay open.
        const bool right = main->x() + main->width() + special->width() + sub->width() < app_.SkinWidth;
        const int x = right ? special->x() + entry->x() + entry->width() + 2 : special->x() - sub->width();
        const bool down = entry->y() + special->y() + sub->height() < app_.SkinHeight;
        const int y = down ? special->y() + entry->y() : special->y() + entry->y() + entry->height() - sub->height();
        sub->move(x, y);
        HideMenus({m.mouseKeys, m.media, m.web, m.macros, m.gunKeys});
        special->show();
    } else {
        auto* list = qobject_cast<QListWidget*>(sub);
        const std::initializer_list<QWidget*> firstLevel = {m.mouseKeys, m.special, m.dpiKeys, m.media,
                                                            m.web,       m.myComputer, m.macros, m.gunKeys};
        if (tag == kGunKeysTag && list->count() == 0) {
            HideMenus(firstLevel);
            return;
        }
        // The gun key list fits into the window; the others into the skin.
        const int width = tag == kGunKeysTag ? window_.Window()->width() : app_.SkinWidth;
        const int height = tag == kGunKeysTag ? window_.Window()->height() : app_.SkinHeight;
        const bool right = main->x() + main->width() + special->width() < width;
        const int x = right ? main->x() + entry->x() + entry->width() + 2 : main->x() - sub->width();
        const bool down = entry->y() + main->y() + entry->height() + sub->height() < height;
        const int y = down ? main->y() + entry->y() : main->y() + entry->y() + entry->height() - sub->height();
        sub->move(x, y);
        if (list && list->count() > 0)
            list->setCurrentRow(0);
        for (QWidget* other : firstLevel)
            if (other != sub)
                other->hide();
    }
    main->show();
    sub->raise();
    sub->show();
}

// ---------------------------------------------------------------- storing an assignment

AssignmentEditor::Target AssignmentEditor::CurrentTarget() const
{
    Target t;
    if (nav_.Origin == MenuOrigin::EngineerPage) {
        const int n = nav_.EngineerKeyNumber;
        t.engineerPage = true;
        t.keyMode = n < kEngineerKeysGame ? 1 : 2;
        t.button = n - (t.keyMode == 1 ? kEngineerKeysOffice : kEngineerKeysGame);
    } else {
        t.keyMode = nav_.CurrentView() == View::Game ? 2 : 1;
        t.button = nav_.MenuKeyNumber;
    }
    if (t.button < 1 || t.button > static_cast<int>(databuf::kButtonCount))
        t.button = 0;
    return t;
}

std::string& AssignmentEditor::CodeOf(const Target& t)
{
    ButtonKeyCodes& codes = t.keyMode == 1 ? config_.OfficeKeyCodes : config_.GameKeyCodes;
    return codes[t.button - 1];
}

// The caption of one of the target's buttons (1-9): its own or a sibling's.
QString AssignmentEditor::CaptionOf(const Target& t, int button) const
{
    if (t.engineerPage)
        return peers_.engineer.KeyCaption((t.keyMode == 1 ? kEngineerKeysOffice : kEngineerKeysGame) + button);
    return page_.keys[size_t(button - 1)]->text();
}

void AssignmentEditor::SetCaption(const Target& t, const QString& name)
{
    if (t.engineerPage)
        peers_.engineer.SetKeyCaption((t.keyMode == 1 ? kEngineerKeysOffice : kEngineerKeysGame) + t.button, name);
    else
        page_.keys[size_t(t.button - 1)]->setText(name);
}

bool AssignmentEditor::LeftClickShown(const Target& t) const
{
    const QString left = app_.Text(kLeftClickText);
    for (int k = 1; k <= static_cast<int>(databuf::kButtonCount); ++k)
        if (CaptionOf(t, k) == left)
            return true;
    return false;
}

void AssignmentEditor::RefuseForLeftClick(const Target& t)
{
    SetCaption(t, app_.Text(kLeftClickText));
    nav_.RefreshFormMessagDialog(app_.Text(kKeepLeftText));
}

void AssignmentEditor::StoreCode(const Target& t, const std::string& code)
{
    if (WriteButtonKeyCode(config_.DataBuf, t.keyMode, t.button, code))
        CodeOf(t) = code;
}

bool AssignmentEditor::Assign(const Target& t, const QString& name, const std::string& code, bool keepLeft)
{
    if (t.button == 0)
        return false;
    SetCaption(t, name);
    if (keepLeft && !LeftClickShown(t)) {
        RefuseForLeftClick(t);
        return false;
    }
    StoreCode(t, code);
    return true;
}

void AssignmentEditor::KeyStatusOnClick(TSkinLabel* entry)
{
    nav_.HideAllMenu();
    const QString name = entry->text().mid(kEntryPrefixLength);
    const std::string code = TagToKeyCode(TagOf(entry), static_cast<uint8_t>(config_.AimDpiIndex));
    if (code.empty())
        return;
    Assign(CurrentTarget(), name, code, true);
}

// ---------------------------------------------------------------- the gun page

void AssignmentEditor::Key_FireMacroClick()
{
    peers_.gun.Key_FireMacroClick();
}

// ---------------------------------------------------------------- the combination key

void AssignmentEditor::Key_AssemblyClick()
{
    nav_.HideAllMenu();
    QApplication::processEvents();
    // A new dialog each time; the one before, if still open, goes.
    delete form2_.data();
    form2_ = new TForm2(app_, window_.Window());
    connect(form2_, &TForm2::confirmed, this, &AssignmentEditor::ApplyCombinationKey);
    form2_->show();
    form2_->FocusEdit();
}

void AssignmentEditor::ApplyCombinationKey()
{
    if (!form2_)
        return;
    const std::optional<CombinationKey> key = form2_->Result();
    if (!key)
        return;
    // Like every other function, a combination key never takes the last left click.
    Assign(CurrentTarget(), key->name, key->code.toStdString(), true);
}

// ---------------------------------------------------------------- macros

// Where the macro goes depends on where the configuration lives (ConfigurationHome): a base
// macro page of the mouse's memory, or an assigned driver record.
void AssignmentEditor::LB_NameClick(int row)
{
    if (row < 0)
        return;
    nav_.HideAllMenu();
    const Target t = CurrentTarget();
    if (t.button == 0)
        return;

    MacroTarget target;
    target.row = row;
    target.fromEngineerPage = t.engineerPage;
    // The button's own macro counts as free.
    const std::string saved = CodeOf(t);
    CodeOf(t) = "000000";
    target.codesWithTargetFree.assign(config_.OfficeKeyCodes.begin(), config_.OfficeKeyCodes.end());
    target.codesWithTargetFree.insert(target.codesWithTargetFree.end(), config_.GameKeyCodes.begin(),
                                      config_.GameKeyCodes.end());
    CodeOf(t) = saved;

    const ConfigurationHome& home = *config_.Home;
    const MacroPlacement place = home.PlaceLibraryMacro(target, config_, libraries_);
    if (place.outcome == MacroPlacement::Outcome::Nothing)
        return;
    if (place.outcome == MacroPlacement::Outcome::NoRoom) {
        nav_.RefreshFormMessagDialog(app_.Text(kNoFreePageText));
        return;
    }
    if (!Assign(t, place.name, place.code, true))
        return;
    home.KeepPlacedMacro(place, row, config_, libraries_);
    if (place.replacesPlayedCopy)
        nav_.RefreshFormMessagDialog(app_.Text(kReplacedCopyText));
    peers_.macros.ShowAssignedMacroName(place.slot, place.name, place.slotCount);
}

// ---------------------------------------------------------------- long-press options

void AssignmentEditor::ToggleLongPress(int option)
{
    const bool on = !peers_.settings.LongPress(option);
    peers_.settings.SetLongPress(option, on);
    // Holding the middle button and holding the DPI button cannot both switch the mode.
    if (on && option <= 2)
        peers_.settings.SetLongPress(3 - option, false);
}

} // namespace tarq
