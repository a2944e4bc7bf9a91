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
#include "config/ImageLayout.h"
#include "macros/MacroLibrary.h"
#include "macros/MacroPages.h"
#include "settings/FixedKeyCodes.h"
#include "settings/KeyCode.h"
#include "settings/ui/ShownControls.h"
#include "settings/ui/Unit2.h"
#include "ui/Controls.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"

namespace tarq {

namespace {

constexpr int kLeftClickText = 210;
constexpr int kKeepLeftText = 108;
constexpr int kNoFreePageText = 130;
constexpr int kReplacedCopyText = 926;
constexpr int kEntryPrefixLength = 3;   // " * " in front of every entry's name

// Entries that open a submenu, by tag.
const char* SubmenuOf(int tag)
{
    switch (tag) {
    case 1: return "Pnl_MseKey";
    case 2: return "Pnl_Special";
    case 3: return "Pnl_Media";
    case 4: return "Pnl_WWW";
    case 5: return "Pnl_MyPC";
    case 6: return "Pnl_CPIKey";
    case 7: return "LB_Name";
    case 13: return "LB_Script";
    default: return nullptr;
    }
}

const char* const kFirstLevelSubmenus[] = {"Pnl_MseKey", "Pnl_Special", "Pnl_CPIKey", "Pnl_Media",
                                           "Pnl_WWW",    "Pnl_MyPC",    "LB_Name",    "LB_Script"};

const char* const kLongPressBoxes[] = {"cb_MidPress", "cb_CPIPress", "cb_GunPress"};

int TagOf(const QWidget* entry) { return entry->property("tag").toInt(); }

using shown::Numbered;

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

// The text of a button label or an engineer-page key button.
QString CaptionOf(const Controls& controls, const QString& name)
{
    if (auto* label = controls.find<QLabel>(name))
        return label->text();
    if (auto* button = controls.find<QAbstractButton>(name))
        return button->text();
    return {};
}

QString NameText(const MacroName& name) { return QString::fromStdU16String(MacroNameToUtf16(name)); }

} // namespace

AssignmentEditor::AssignmentEditor(FormState& state, Controls& controls, WindowServices& window, Navigation& nav, SettingsMapping& settings)
    : QObject(window.Window()), state_(state), controls_(controls), window_(window), nav_(nav), settings_(settings)
{
}

AssignmentEditor::~AssignmentEditor()
{
    delete form2_.data();
}

void AssignmentEditor::Wire()
{
    auto entriesOf = [this](const char* panel) {
        QWidget* menu = controls_.get(panel);
        return menu ? menu->findChildren<TSkinLabel*>(Qt::FindDirectChildrenOnly) : QList<TSkinLabel*>{};
    };
    auto onLeave = [this](TSkinLabel* entry) {
        connect(entry, &TSkinLabel::mouseLeft, this, [this, entry] { KeyStatusMouseLeave(entry); });
    };

    for (TSkinLabel* entry : entriesOf("Pnl_Main")) {
        if (entry->objectName().startsWith(QLatin1String("ST_")))
            continue;
        onLeave(entry);
        const int tag = TagOf(entry);
        if (SubmenuOf(tag))
            connect(entry, &TSkinLabel::mouseEntered, this, [this, entry] { KeyByTagMouseEnter(entry); });
    }
    for (const char* name : {"Key_Assembly", "Key_FireMacro"})
        if (auto* entry = controls_.get<TSkinLabel>(name))
            connect(entry, &TSkinLabel::mouseEntered, this, [this, entry] { KeyStatus_AMouseEnter(entry); });
    if (auto* fire = controls_.get<TSkinLabel>("Key_FireMacro"))
        connect(fire, &TSkinLabel::clicked, this, &AssignmentEditor::Key_FireMacroClick);
    if (auto* assembly = controls_.get<TSkinLabel>("Key_Assembly"))
        connect(assembly, &TSkinLabel::clicked, this, &AssignmentEditor::Key_AssemblyClick);

    // Entries that assign a fixed code.
    for (const char* panel : {"Pnl_MseKey", "Pnl_CPIKey", "Pnl_Media", "Pnl_WWW", "Pnl_Special", "Pnl_MyPC"}) {
        const bool closesDpi = qstrcmp(panel, "Pnl_Special") == 0 || qstrcmp(panel, "Pnl_MyPC") == 0;
        for (TSkinLabel* entry : entriesOf(panel)) {
            if (entry->objectName().startsWith(QLatin1String("ST_")))
                continue;
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

    if (auto* list = controls_.get<QListWidget>("LB_Name"))
        connect(list, &QListWidget::itemClicked, this,
                [this, list](QListWidgetItem* item) { LB_NameClick(list->row(item)); });

    for (int n = 1; n <= 3; ++n) {
        for (const QString& name : {Numbered("IB_ComboKey", n), Numbered("Img_ComboKey", n)})
            if (auto* label = controls_.get<TSkinLabel>(name))
                connect(label, &TSkinLabel::clicked, this, [this, n] { ToggleLongPress(n); });
        // The engineer page's check box and the button page's picture show the same option.
        if (auto* box = controls_.get<QAbstractButton>(kLongPressBoxes[n - 1]))
            connect(box, &QAbstractButton::toggled, this,
                    [this, n](bool on) { window_.SetPicture(Numbered("Img_ComboKey", n), shown::CheckPicture(on)); });
    }
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

void AssignmentEditor::KeyStatus_AMouseEnter(TSkinLabel* entry)
{
    for (const char* name : {"Pnl_Special", "Pnl_MseKey", "Pnl_Media", "Pnl_WWW", "Pnl_MyPC", "LB_Name", "LB_Script"})
        if (QWidget* w = controls_.get(name))
            w->hide();
    Highlight(entry, true);
}

void AssignmentEditor::KeyStatus_BMouseEnter(TSkinLabel* entry)
{
    if (QWidget* dpi = controls_.get("Pnl_CPIKey"))
        dpi->hide();
    Highlight(entry, true);
}

void AssignmentEditor::ShowSubmenu(TSkinLabel* entry, int tag)
{
    const char* name = SubmenuOf(tag);
    QWidget* sub = name ? controls_.get(name) : nullptr;
    QWidget* main = controls_.get("Pnl_Main");
    QWidget* special = controls_.get("Pnl_Special");
    if (!sub || !main || !special)
        return;

    auto hideAll = [this](std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (QWidget* w = controls_.get(n))
                w->hide();
    };

    if (tag == 6) {
        // The DPI submenu opens beside the special keys, which stay open.
        const bool right = main->x() + main->width() + special->width() + sub->width() < state_.SkinWidth;
        const int x = right ? special->x() + entry->x() + entry->width() + 2 : special->x() - sub->width();
        const bool down = entry->y() + special->y() + sub->height() < state_.SkinHeight;
        const int y = down ? special->y() + entry->y() : special->y() + entry->y() + entry->height() - sub->height();
        sub->move(x, y);
        hideAll({"Pnl_MseKey", "Pnl_Media", "Pnl_WWW", "LB_Name", "LB_Script"});
        special->show();
    } else {
        auto* list = qobject_cast<QListWidget*>(sub);
        if (tag == 13 && (!list || list->count() == 0)) {
            hideAll({"Pnl_MseKey", "Pnl_Special", "Pnl_CPIKey", "Pnl_Media", "Pnl_WWW", "Pnl_MyPC", "LB_Name", "LB_Script"});
            return;
        }
        // Tag 13 fits the list into the window; the others into the skin.
        const int width = tag == 13 ? window_.Window()->width() : state_.SkinWidth;
        const int height = tag == 13 ? window_.Window()->height() : state_.SkinHeight;
        const bool right = main->x() + main->width() + special->width() < width;
        const int x = right ? main->x() + entry->x() + entry->width() + 2 : main->x() - sub->width();
        const bool down = entry->y() + main->y() + entry->height() + sub->height() < height;
        const int y = down ? main->y() + entry->y() : main->y() + entry->y() + entry->height() - sub->height();
        sub->move(x, y);
        if (list && list->count() > 0)
            list->setCurrentRow(0);
        for (const char* other : kFirstLevelSubmenus)
            if (QWidget* w = controls_.get(other); w && w != sub)
                w->hide();
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
        t.keyMode = n < 200 ? 1 : 2;
        t.button = n - (t.keyMode == 1 ? 100 : 200);
        t.caption = Numbered(QStringLiteral("btn_Key"), n);
        t.siblingPrefix = QStringLiteral("btn_Key");
        t.firstSibling = t.keyMode == 1 ? 101 : 201;
    } else {
        t.keyMode = shown::IsChecked(controls_, "rb_2") ? 2 : 1;
        t.button = nav_.MenuKeyNumber;
        t.caption = Numbered(QStringLiteral("Key"), t.button);
        t.siblingPrefix = QStringLiteral("Key");
        t.firstSibling = 1;
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

bool AssignmentEditor::LeftClickShown(const Target& t) const
{
    const QString left = state_.Text(kLeftClickText);
    for (int k = 0; k < static_cast<int>(databuf::kButtonCount); ++k)
        if (CaptionOf(controls_, Numbered(t.siblingPrefix, t.firstSibling + k)) == left)
            return true;
    return false;
}

void AssignmentEditor::RefuseForLeftClick(const Target& t)
{
    shown::SetText(controls_, t.caption, state_.Text(kLeftClickText));
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
    shown::SetText(controls_, t.caption, name);
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
    if (openGunPage)
        openGunPage();
}

// ---------------------------------------------------------------- the combination key

void AssignmentEditor::Key_AssemblyClick()
{
    nav_.HideAllMenu();
    QApplication::processEvents();
    state_.CombinationKeyReady = false;
    state_.CombinationKeyName.clear();
    state_.CombinationKeyCode.clear();
    // A new dialog each time; the one before, if still open, goes.
    delete form2_.data();
    form2_ = new TForm2(state_, window_.Window());
    connect(form2_, &TForm2::confirmed, this, &AssignmentEditor::ApplyCombinationKey);
    form2_->show();
    form2_->FocusEdit();
}

void AssignmentEditor::ApplyCombinationKey()
{
    if (!state_.CombinationKeyReady)
        return;
    // Like every other function, a combination key never takes the last left click.
    Assign(CurrentTarget(), state_.CombinationKeyName, state_.CombinationKeyCode.toStdString(), true);
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
    if (auto* pageNames = controls_.get<QListWidget>("LB_MacroName")) {
        while (pageNames->count() < kBaseMacroPageCount)
            pageNames->addItem(QString());
        pageNames->item(*page - 1)->setText(name);
    }
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
    shown::SetText(controls_, t.caption, name);
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
    if (auto* list = controls_.get<QListWidget>("LB_MacroName")) {
        while (list->count() <= static_cast<int>(j))
            list->addItem(QString());
        list->item(static_cast<int>(j))->setText(name);
    }

    const uint8_t release = assigned[j][kMacroNameSize + driver_macro_body::kModeOffset];
    const KeyCode code{static_cast<uint8_t>(release == 1 ? 0x0E : 0x06), 0, 0};
    const uint32_t address = static_cast<uint32_t>(j) * kDriverMacroRecordSize + 0x0120;
    StoreCode(t, KeyCodeText({code.type, static_cast<uint8_t>(address >> 8 & 0xFF), static_cast<uint8_t>(address & 0xFF)}));
}

// ---------------------------------------------------------------- long-press options

void AssignmentEditor::SetLongPress(int option, bool on)
{
    shown::SetChecked(controls_, kLongPressBoxes[option - 1], on);
    window_.SetPicture(Numbered("Img_ComboKey", option), shown::CheckPicture(on));
}

void AssignmentEditor::ToggleLongPress(int option)
{
    const bool on = !shown::IsChecked(controls_, kLongPressBoxes[option - 1]);
    SetLongPress(option, on);
    // Holding the middle button and holding the DPI button cannot both switch the mode.
    if (on && option <= 2)
        SetLongPress(3 - option, false);
}

} // namespace tarq
