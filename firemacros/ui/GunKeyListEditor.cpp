// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/ui/GunKeyListEditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>

#include "app/FormState.h"
#include "config/ImageLayout.h"
#include "firemacros/FireMacro.h"
#include "firemacros/GunKeyList.h"
#include "firemacros/ui/GunPage.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"
#include "platform/SaveFailureNotice.h"
#include "settings/ui/ShownControls.h"
#include "ui/Controls.h"
#include "ui/WindowServices.h"

namespace tarq {

namespace {

constexpr int kEmptyImportText = 942;
constexpr int kLargeImportText = 943;
constexpr int kCannotReadText = 924;   // shared with the macro files: "The file could not be read:"
constexpr int kCannotSaveText = 945;
constexpr int kShortListText = 947;
constexpr int kLongListText = 948;

QString ItemText(const GunKeyListItem& item) { return QString::fromStdString(item.name); }

} // namespace

GunKeyListEditor::GunKeyListEditor(FormState& state, Controls& controls, WindowServices& window, GunPage& gun)
    : QObject(window.Window()), state_(state), controls_(controls), window_(window), gun_(gun)
{
}

void GunKeyListEditor::Wire()
{
    if (auto* add = controls_.get<QAbstractButton>("btn_AddScript"))
        connect(add, &QAbstractButton::clicked, this, &GunKeyListEditor::btn_AddScriptClick);
    if (auto* del = controls_.get<QAbstractButton>("btn_DelScript"))
        connect(del, &QAbstractButton::clicked, this, &GunKeyListEditor::btn_DelScriptClick);
    if (auto* import = controls_.get<QAbstractButton>("Btn_ImportGunMacro"))
        connect(import, &QAbstractButton::clicked, this, &GunKeyListEditor::Btn_ImportGunMacroClick);
    if (auto* names = controls_.get<QListWidget>("LB_ScriptName"))
        connect(names, &QListWidget::itemClicked, this, &GunKeyListEditor::LB_ScriptNameClick);
    if (auto* menu = controls_.get<QListWidget>("LB_Script"))
        connect(menu, &QListWidget::itemClicked, this,
                [this, menu](QListWidgetItem* item) { LB_ScriptClick(menu->row(item)); });
}

QString GunKeyListEditor::FilePath() const
{
    return state_.AppFolder + QString::fromLatin1(kGunKeyListFileName.data(), qsizetype(kGunKeyListFileName.size()));
}

void GunKeyListEditor::Tell(const QString& text)
{
    if (window_.ShowDialogMessage)
        window_.ShowDialogMessage(text);
}

void GunKeyListEditor::RefreshLists(int selectRow)
{
    const std::vector<GunKeyListItem> items = GunKeyListItems(state_.GunKeyEntries);
    for (const char* name : {"LB_ScriptName", "LB_Script"}) {
        auto* list = controls_.get<QListWidget>(name);
        if (!list)
            continue;
        list->clear();
        for (const GunKeyListItem& item : items)
            list->addItem(ItemText(item));
    }
    if (auto* names = controls_.get<QListWidget>("LB_ScriptName"); names && selectRow >= 0 && selectRow < names->count()) {
        names->setCurrentRow(selectRow);
        names->scrollToItem(names->item(selectRow));
    }
}

void GunKeyListEditor::LoadFireMacroFile()
{
    state_.GunKeyEntries = {};
    state_.GunKeyFileLoaded = false;
    const QFileInfo info(FilePath());
    if (info.exists()) {
        QString error;
        // One byte more than the list, to tell a longer file from an exact one.
        const auto bytes = ReadFileBytes(FilePath(), qint64(kGunKeyListFileSize) + 1, &error);
        if (!bytes) {
            state_.StartupProblems << state_.Text(kCannotReadText) + QLatin1Char(' ') + error;
        } else {
            state_.GunKeyEntries = ReadGunKeyListFile(*bytes);
            state_.GunKeyFileLoaded = true;
            if (bytes->size() < kGunKeyListFileSize)
                state_.StartupProblems << state_.Text(kShortListText).arg(bytes->size());
            else if (bytes->size() > kGunKeyListFileSize)
                state_.StartupProblems << state_.Text(kLongListText);
        }
    }
    RefreshLists(-1);
}

bool GunKeyListEditor::Save()
{
    QString error;
    if (SaveOwnFile(FilePath(), WriteGunKeyListFile(state_.GunKeyEntries), &error)) {
        state_.GunKeyFileLoaded = true;
        return true;
    }
    ReportSaveFailure(this, window_.ShowDialogMessage, state_.Text(kCannotSaveText), FilePath(), error);
    return false;
}

void GunKeyListEditor::btn_AddScriptClick()
{
    const int start = shown::IndexOf(controls_, "cb_SOSStartIndex") + 1;
    const int stop = shown::IndexOf(controls_, "cb_SOSNumber") + 1;
    const std::optional<int> entry = AddGunKey(state_.GunKeyEntries, start, stop);
    if (!entry)
        return;
    const int row = static_cast<int>(GunKeyListItems(state_.GunKeyEntries).size()) - 1;
    RefreshLists(row);
    Save();
}

void GunKeyListEditor::btn_DelScriptClick()
{
    auto* names = controls_.get<QListWidget>("LB_ScriptName");
    const int row = names ? names->currentRow() : -1;
    const std::vector<GunKeyListItem> items = GunKeyListItems(state_.GunKeyEntries);
    if (row < 0 || row >= static_cast<int>(items.size()))
        return;
    RemoveGunKey(state_.GunKeyEntries, items[size_t(row)].entry);
    RefreshLists(std::max(row - 1, 0));
    Save();
}

void GunKeyListEditor::LB_ScriptNameClick()
{
    auto* names = controls_.get<QListWidget>("LB_ScriptName");
    const int row = names ? names->currentRow() : -1;
    const std::vector<GunKeyListItem> items = GunKeyListItems(state_.GunKeyEntries);
    if (row < 0 || row >= static_cast<int>(items.size()))
        return;
    const GunKeyEntry& entry = state_.GunKeyEntries[size_t(items[size_t(row)].entry)];
    if (entry[1] >= 1 && entry[1] <= kGunKeyListEntries)
        shown::SetIndex(controls_, "cb_SOSStartIndex", entry[1] - 1);
    if (entry[2] >= 1 && entry[2] <= kGunKeyListEntries)
        shown::SetIndex(controls_, "cb_SOSNumber", entry[2] - 1);
}

void GunKeyListEditor::LB_ScriptClick(int row)
{
    if (hooks.hideAllMenu)
        hooks.hideAllMenu();
    const std::vector<GunKeyListItem> items = GunKeyListItems(state_.GunKeyEntries);
    const int n = hooks.engineerKeyNumber ? hooks.engineerKeyNumber() : 0;
    const int keyMode = n / 100;
    const int button = n % 100;
    if (row < 0 || row >= static_cast<int>(items.size()) || (keyMode != 1 && keyMode != 2) || button < 1
        || button > static_cast<int>(databuf::kButtonCount))
        return;
    const GunKeyEntry& entry = state_.GunKeyEntries[size_t(items[size_t(row)].entry)];
    shown::SetText(controls_, shown::Numbered("btn_Key", n), ItemText(items[size_t(row)]));
    ButtonKeyCodes& codes = keyMode == 1 ? state_.OfficeKeyCodes : state_.GameKeyCodes;
    codes[size_t(button - 1)] = GunKeyEntryCode(entry);
    const size_t at = databuf::KeyCodeOffset(keyMode, button);
    std::copy(entry.begin(), entry.end(), state_.DataBuf.begin() + long(at));
}

void GunKeyListEditor::Btn_ImportGunMacroClick()
{
    if (hooks.hideAllMenu)
        hooks.hideAllMenu();
    const QString path = window_.Prompts().ChooseFile(UserPrompts::FileUse::Open);
    if (path.isEmpty())
        return;
    QString error;
    // One byte more than the area, to tell a file that is too large.
    const auto bytes = ReadFileBytes(path, qint64(kFireMacroAreaSize) + 1, &error);
    if (!bytes) {
        Tell(state_.Text(kCannotReadText) + QLatin1Char(' ') + error);
        return;
    }
    if (bytes->empty()) {
        Tell(state_.Text(kEmptyImportText));
        return;
    }
    if (bytes->size() > kFireMacroAreaSize) {
        Tell(state_.Text(kLargeImportText));
        return;
    }
    ImportFireMacroAreaFile(*bytes, state_.MacroAreas.fireMacroArea);
    CopyFireRecordsToWork(state_.MacroAreas.fireMacroArea, state_.FireMacroWork);
    gun_.FireMacrosReplaced();
    gun_.WriteFireData(false);
}

void GunKeyListEditor::ClearForNoMouse()
{
    for (const char* list : {"LB_ScriptName", "LB_Script"})
        if (auto* w = controls_.get<QListWidget>(QString::fromLatin1(list)))
            w->clear();
}

} // namespace tarq
