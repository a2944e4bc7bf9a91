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

#include "app/FormState.h"
#include "config/ui/SettingsMapping.h"
#include "firemacros/ui/GunPage.h"
#include "macros/ui/MacroEditor.h"
#include "ui/engineer/EngineerPage.h"
#include "config/ImageLayout.h"
#include "macros/MacroLibrary.h"
#include "macros/MacroPages.h"
#include "settings/FixedKeyCodes.h"
#include "settings/KeyCode.h"
#include "settings/ui/ShownControls.h"
#include "settings/ui/Unit2.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"
#include "ui/pages/ButtonPageControls.h"
#include "ui/pages/MenuControls.h"

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

// A base macro page of the image areas as a macro record, and back.
MacroRecord PageRecord(const std::array<uint8_t, layout::kBaseMacroPageSize>& page)
{
    MacroRecord record;
    std::copy_n(page.begin(), record.name.size(), record.name.begin());
    std::copy_n(page.begin() + record.name.size(), record.body.size(), record.body.begin());
    return record;
}

void WritePage(const MacroRecord& record, std::array<uint8_t, layout::kBaseMacroPageSize>& page)
{
    std::copy(record.name.begin(), record.name.end(), page.begin());
    std::copy(record.body.begin(), record.body.end(), page.begin() + record.name.size());
}

QString NameText(const MacroName& name) { return QString::fromStdU16String(MacroNameToUtf16(name)); }

} // namespace

AssignmentEditor::AssignmentEditor(FormState& state, ButtonPageControls& page, MenuControls& menus,
                                   WindowServices& window, Peers peers)
    : QObject(window.Window()), state_(state), page_(page), menus_(menus), window_(window), peers_(peers),
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
    // The engineer page's switch boxes show the same options.
    peers_.settings.WatchLongPress(this, [this](int option, bool on) { ShowLongPress(option, on); });
}

// ---------------------------------------------------------------- pointer over the entries

void AssignmentEditor::Highlight(TSkinLabel* entry, bool on)
{
    QPalette palette = entry->palette();
    palette.setColor(QPalette::WindowText, on ? state_.Style.menuHoverFont : state_.Style.menuFont);
    palette.setColor(QPalette::Window, state_.Style.menuHoverBack);
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
        const bool right = main->x() + main->width() + special->width() + sub->width() < state_.SkinWidth;
        const int x = right ? special->x() + entry->x() + entry->width() + 2 : special->x() - sub->width();
        const bool down = entry->y() + special->y() + sub->height() < state_.SkinHeight;
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
        const int width = tag == kGunKeysTag ? window_.Window()->width() : state_.SkinWidth;
        const int height = tag == kGunKeysTag ? window_.Window()->height() : state_.SkinHeight;
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
    ButtonKeyCodes& codes = t.keyMode == 1 ? state_.OfficeKeyCodes : state_.GameKeyCodes;
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
    const QString left = state_.Text(kLeftClickText);
    for (int k = 1; k <= static_cast<int>(databuf::kButtonCount); ++k)
        if (CaptionOf(t, k) == left)
            return true;
    return false;
}

void AssignmentEditor::RefuseForLeftClick(const Target& t)
{
    SetCaption(t, state_.Text(kLeftClickText));
    nav_.RefreshFormMessagDialog(state_.Text(kKeepLeftText));
}

void AssignmentEditor::StoreCode(const Target& t, const std::string& code)
{
    const std::optional<KeyCode> bytes = ParseKeyCode(code);
    if (!bytes)
        return;
    CodeOf(t) = code;
    const size_t at = databuf::KeyCodeOffset(t.keyMode, t.button);
    state_.DataBuf[at] = bytes->type;
    state_.DataBuf[at + 1] = bytes->data1;
    state_.DataBuf[at + 2] = bytes->data2;
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
    const std::string code = TagToKeyCode(TagOf(entry), static_cast<uint8_t>(state_.AimDpiIndex));
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
    form2_ = new TForm2(state_, window_.Window());
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

void AssignmentEditor::LB_NameClick(int row)
{
    if (row < 0)
        return;
    if (!(state_.Home.Mode() == ConfigurationMode::Eeprom)) {
        nav_.HideAllMenu();
        ChangeProfile1StringForDriverMode(row);
        return;
    }
    AssignBaseMacro(row);
}

void AssignmentEditor::AssignBaseMacro(int row)
{
    nav_.HideAllMenu();
    const Target t = CurrentTarget();
    if (t.button == 0 || row >= kPcMacroLibraryRows)
        return;
    const MacroRecord& macro = state_.PcMacros[row];
    if (MacroNameIsEmpty(macro.name))
        return;

    // The button's own page counts as free.
    const std::string saved = CodeOf(t);
    CodeOf(t) = "000000";
    std::vector<std::string> codes(state_.OfficeKeyCodes.begin(), state_.OfficeKeyCodes.end());
    codes.insert(codes.end(), state_.GameKeyCodes.begin(), state_.GameKeyCodes.end());
    CodeOf(t) = saved;

    BaseMacroPages pages;
    for (int p = 0; p < kBaseMacroPageCount; ++p)
        pages[p] = PageRecord(state_.MacroAreas.basePages[p]);
    const auto names = BaseMacroPageNames(pages);
    const std::optional<int> page = nav_.Origin == MenuOrigin::EngineerPage
                                        ? FindBaseMacroIndex(codes, names, macro.name)
                                        : FindBaseMacroCount(codes, names, macro.name);
    if (!page) {
        // Every page plays a macro of some button: nothing is assigned, and the user is told.
        nav_.RefreshFormMessagDialog(state_.Text(kNoFreePageText));
        return;
    }

    // A page reused for its name may hold another macro of that name that other buttons play:
    // they play this one from now on, and the user is told.
    const bool replacesPlayedCopy = BaseMacroPagesInUse(codes)[size_t(*page - 1)] && pages[*page - 1].name == macro.name
                                    && pages[*page - 1].body != macro.body;
    const QString name = NameText(macro.name);
    if (!Assign(t, name, MacroKeyCode(*page, macro.body[macro_body::kModeOffset]), true))
        return;
    WritePage(macro, state_.MacroAreas.basePages[*page - 1]);
    if (replacesPlayedCopy)
        nav_.RefreshFormMessagDialog(state_.Text(kReplacedCopyText));
    peers_.macros.ShowAssignedMacroName(*page - 1, name, kBaseMacroPageCount);
}

void AssignmentEditor::ChangeProfile1StringForDriverMode(int row)
{
    if (row < 0 || row >= static_cast<int>(state_.DriverMacros.size()))
        return;
    const DriverMacroRecord& macro = state_.DriverMacros[row];
    const QString name = NameText(macro.name);
    const Target t = CurrentTarget();
    if (t.button == 0)
        return;
    SetCaption(t, name);
    if (!LeftClickShown(t)) {
        RefuseForLeftClick(t);
        return;
    }

    // One assigned record per library macro, found by its name.
    auto& assigned = state_.AssignedDriverMacros;
    size_t j = 0;
    for (; j < assigned.size(); ++j)
        if (assigned[j].size() >= kMacroNameSize && std::equal(macro.name.begin(), macro.name.end(), assigned[j].begin()))
            break;
    if (j == assigned.size()) {
        std::vector<uint8_t> record(kDriverMacroRecordSize);
        std::copy(macro.name.begin(), macro.name.end(), record.begin());
        std::copy(macro.body.begin(), macro.body.end(), record.begin() + kMacroNameSize);
        assigned.push_back(std::move(record));
    }
    peers_.macros.ShowAssignedMacroName(static_cast<int>(j), name, static_cast<int>(j) + 1);

    const uint8_t release = assigned[j][kMacroNameSize + driver_macro_body::kModeOffset];
    const KeyCode code{static_cast<uint8_t>(release == 1 ? 0x0E : 0x06), 0, 0};
    const uint32_t address = static_cast<uint32_t>(j) * kDriverMacroRecordSize + 0x0120;
    StoreCode(t, KeyCodeText({code.type, static_cast<uint8_t>(address >> 8 & 0xFF), static_cast<uint8_t>(address & 0xFF)}));
}

// ---------------------------------------------------------------- long-press options

void AssignmentEditor::ShowLongPress(int option, bool on)
{
    page_.longPressMarks[size_t(option - 1)]->setPicture(shown::CheckPicture(on));
}

void AssignmentEditor::SetLongPress(int option, bool on)
{
    peers_.settings.SetLongPress(option, on);
    ShowLongPress(option, on);
}

void AssignmentEditor::ToggleLongPress(int option)
{
    const bool on = !peers_.settings.LongPress(option);
    SetLongPress(option, on);
    // Holding the middle button and holding the DPI button cannot both switch the mode.
    if (on && option <= 2)
        SetLongPress(3 - option, false);
}

} // namespace tarq
