// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/ui/GunKeyListEditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

#include "config/ImageLayout.h"
#include "firemacros/FireMacro.h"
#include "firemacros/GunKeyList.h"
#include "firemacros/ui/GunPage.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"
#include "platform/SaveFailureNotice.h"
#include "settings/ui/ShownControls.h"
#include "ui/Navigation.h"
#include "ui/WindowServices.h"
#include "ui/engineer/EngineerPage.h"
#include "ui/pages/EngineerPageControls.h"
#include "ui/pages/MenuControls.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"

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

GunKeyListEditor::GunKeyListEditor(ConfigurationState& config, AppContext& app, EngineerPageControls& page,
                                   const MenuControls& menus, WindowServices& window, GunPage& gun, Navigation& nav)
    : QObject(window.Window()), config_(config), app_(app), page_(page), menus_(menus), window_(window), gun_(gun),
      nav_(nav)
{
}

void GunKeyListEditor::Wire()
{
    const EngineerTabControls& tab = page_.engineerTab;
    connect(tab.addScript, &QAbstractButton::clicked, this, &GunKeyListEditor::btn_AddScriptClick);
    connect(tab.deleteScript, &QAbstractButton::clicked, this, &GunKeyListEditor::btn_DelScriptClick);
    connect(page_.importGunMacro, &QAbstractButton::clicked, this, &GunKeyListEditor::Btn_ImportGunMacroClick);
    connect(tab.scriptNames, &QListWidget::itemClicked, this, &GunKeyListEditor::LB_ScriptNameClick);
    QListWidget* menu = menus_.gunKeys;
    connect(menu, &QListWidget::itemClicked, this, [this, menu](QListWidgetItem* item) { LB_ScriptClick(menu->row(item)); });
}

QString GunKeyListEditor::FilePath() const
{
    return app_.AppFolder + QString::fromLatin1(kGunKeyListFileName.data(), qsizetype(kGunKeyListFileName.size()));
}

void GunKeyListEditor::Tell(const QString& text)
{
    window_.ShowDialogMessage(text);
}

std::array<QListWidget*, 2> GunKeyListEditor::Lists() const { return {page_.engineerTab.scriptNames, menus_.gunKeys}; }

void GunKeyListEditor::RefreshLists(int selectRow)
{
    const std::vector<GunKeyListItem> items = GunKeyListItems(config_.GunKeyEntries);
    for (QListWidget* list : Lists()) {
        list->clear();
        for (const GunKeyListItem& item : items)
            list->addItem(ItemText(item));
    }
    if (QListWidget* names = page_.engineerTab.scriptNames; selectRow >= 0 && selectRow < names->count()) {
        names->setCurrentRow(selectRow);
        names->scrollToItem(names->item(selectRow));
    }
}

void GunKeyListEditor::LoadFireMacroFile()
{
    config_.GunKeyEntries = {};
    config_.GunKeyFileLoaded = false;
    const QFileInfo info(FilePath());
    if (info.exists()) {
        QString error;
        // One byte more than the list, to tell a longer file from an exact one.
        const auto bytes = ReadFileBytes(FilePath(), qint64(kGunKeyListFileSize) + 1, &error);
        if (!bytes) {
            app_.StartupProblems << app_.Text(kCannotReadText) + QLatin1Char(' ') + error;
        } else {
            config_.GunKeyEntries = ReadGunKeyListFile(*bytes);
            config_.GunKeyFileLoaded = true;
            if (bytes->size() < kGunKeyListFileSize)
                app_.StartupProblems << app_.Text(kShortListText).arg(bytes->size());
            else if (bytes->size() > kGunKeyListFileSize)
                app_.StartupProblems << app_.Text(kLongListText);
        }
    }
    RefreshLists(-1);
}

bool GunKeyListEditor::Save()
{
    QString error;
    if (SaveOwnFile(FilePath(), WriteGunKeyListFile(config_.GunKeyEntries), &error)) {
        config_.GunKeyFileLoaded = true;
        return true;
    }
    ReportSaveFailure(this, window_.ShowDialogMessage, app_.Text(kCannotSaveText), FilePath(), error);
    return false;
}

void GunKeyListEditor::btn_AddScriptClick()
{
    const int start = page_.engineerTab.sosStart->currentIndex() + 1;
    const int stop = page_.engineerTab.sosCount->currentIndex() + 1;
    const std::optional<int> entry = AddGunKey(config_.GunKeyEntries, start, stop);
    if (!entry)
        return;
    const int row = static_cast<int>(GunKeyListItems(config_.GunKeyEntries).size()) - 1;
    RefreshLists(row);
    Save();
}

void GunKeyListEditor::btn_DelScriptClick()
{
    const int row = page_.engineerTab.scriptNames->currentRow();
    const std::vector<GunKeyListItem> items = GunKeyListItems(config_.GunKeyEntries);
    if (row < 0 || row >= static_cast<int>(items.size()))
        return;
    RemoveGunKey(config_.GunKeyEntries, items[size_t(row)].entry);
    RefreshLists(std::max(row - 1, 0));
    Save();
}

void GunKeyListEditor::LB_ScriptNameClick()
{
    const int row = page_.engineerTab.scriptNames->currentRow();
    const std::vector<GunKeyListItem> items = GunKeyListItems(config_.GunKeyEntries);
    if (row < 0 || row >= static_cast<int>(items.size()))
        return;
    const GunKeyEntry& entry = config_.GunKeyEntries[size_t(items[size_t(row)].entry)];
    if (entry[1] >= 1 && entry[1] <= kGunKeyListEntries)
        shown::SetIndex(page_.engineerTab.sosStart, entry[1] - 1);
    if (entry[2] >= 1 && entry[2] <= kGunKeyListEntries)
        shown::SetIndex(page_.engineerTab.sosCount, entry[2] - 1);
}

void GunKeyListEditor::LB_ScriptClick(int row)
{
    nav_.HideAllMenu();
    const std::vector<GunKeyListItem> items = GunKeyListItems(config_.GunKeyEntries);
    const int n = nav_.EngineerKeyNumber;
    const int keyMode = n / 100;
    const int button = n % 100;
    if (row < 0 || row >= static_cast<int>(items.size()) || (keyMode != 1 && keyMode != 2) || button < 1
        || button > static_cast<int>(databuf::kButtonCount))
        return;
    const GunKeyEntry& entry = config_.GunKeyEntries[size_t(items[size_t(row)].entry)];
    shown::SetText(EngineerKeyButton(page_.settings, n), ItemText(items[size_t(row)]));
    ButtonKeyCodes& codes = keyMode == 1 ? config_.OfficeKeyCodes : config_.GameKeyCodes;
    codes[size_t(button - 1)] = GunKeyEntryCode(entry);
    const size_t at = databuf::KeyCodeOffset(keyMode, button);
    std::copy(entry.begin(), entry.end(), config_.DataBuf.begin() + long(at));
}

void GunKeyListEditor::Btn_ImportGunMacroClick()
{
    nav_.HideAllMenu();
    const QString path = window_.Prompts().ChooseFile(UserPrompts::FileUse::Open);
    if (path.isEmpty())
        return;
    QString error;
    // One byte more than the area, to tell a file that is too large.
    const auto bytes = ReadFileBytes(path, qint64(kFireMacroAreaSize) + 1, &error);
    if (!bytes) {
        Tell(app_.Text(kCannotReadText) + QLatin1Char(' ') + error);
        return;
    }
    if (bytes->empty()) {
        Tell(app_.Text(kEmptyImportText));
        return;
    }
    if (bytes->size() > kFireMacroAreaSize) {
        Tell(app_.Text(kLargeImportText));
        return;
    }
    ImportFireMacroAreaFile(*bytes, config_.MacroAreas.fireMacroArea);
    CopyFireRecordsToWork(config_.MacroAreas.fireMacroArea, config_.FireMacroWork);
    gun_.FireMacrosReplaced();
    gun_.WriteFireData(false);
}

void GunKeyListEditor::ClearForNoMouse()
{
    for (QListWidget* list : Lists())
        list->clear();
}

} // namespace tarq
