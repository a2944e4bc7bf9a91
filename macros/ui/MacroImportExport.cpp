// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/MacroImportExport.h"

#include "device/ui/BusyScope.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"
#include "device/DeviceSession.h"
#include "device/ImageTransfer.h"
#include "macros/MacroFiles.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/MacroLibraryInUse.h"
#include "macros/ui/MacroRecording.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"
#include "ui/pages/MacroPageControls.h"
#include "ui/FileDialogs.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"

#include <QFileDialog>
#include <QFrame>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace tarq {

namespace {

constexpr int kDuplicateText = 106;
constexpr int kNoMacroInFileText = 921;
constexpr int kShortBaseFileText = 923;
constexpr int kReadFailedText = 924;
constexpr int kWriteFailedText = 925;
constexpr int kNoAnswerText = 909;
constexpr int kNotReadyText = 910;
constexpr int kReplaceLibraryText = 709;
constexpr int kNotALibraryText = 710, kDamagedRecordText = 711, kNoNamedRecordText = 712;
constexpr int kBaseWrittenText = 718, kBaseWriteFailedText = 719;
// How many names of the library the question before Import All lists.
constexpr int kNamesListed = 5;

} // namespace

MacroImportExport::MacroImportExport(const AppContext& app, ConfigurationState& config, MacroLibraries& libraries,
                                     DeviceTimers& timers, MacroPageControls& page, WindowServices& window,
                                     MacroRecording& recording, MacroLibraryStore& store, Hooks hooks)
    : app_(app), config_(config), libraries_(libraries), timers_(timers), page_(page), window_(window), recording_(recording), store_(store),
      hooks_(std::move(hooks))
{
    // The hooks reach subsystems built later than this one: all of them are required.
    Q_ASSERT_X(hooks_.device && hooks_.writeCutByUnplug, "MacroImportExport",
               "every hook is required");
}

void MacroImportExport::Wire()
{
    const std::pair<TSkinLabel*, void (MacroImportExport::*)()> buttons[] = {
        {page_.importOne, &MacroImportExport::Btn_ImportOneClick},
        {page_.importAll, &MacroImportExport::Btn_ImportClick},
        {page_.exportOne, &MacroImportExport::Btn_ExportOneClick},
        {page_.exportAll, &MacroImportExport::Btn_ExportClick}};
    for (const auto& [label, handler] : buttons)
        connect(label, &TSkinLabel::clicked, this, handler);
    // The engineer page's button.
    if (QPushButton* button = page_.importBaseMacro)
        connect(button, &QPushButton::clicked, this, &MacroImportExport::Btn_ImportBaseMacroClick);
}

QString MacroImportExport::Text(int strId, const char* fallback) const
{
    const QString text = app_.Text(strId);
    return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

void MacroImportExport::Tell(const QString& text)
{
    window_.ShowDialogMessage(text);
}

void MacroImportExport::HidePanels()
{
    for (QWidget* panel : {static_cast<QWidget*>(page_.macroMenu), static_cast<QWidget*>(page_.eventMenu), page_.fireEventMenu})
        if (panel)
            panel->hide();
}

void MacroImportExport::ClearMacroView()
{
    recording_.ShowEditedScript({}, -1);
    page_.writeMemo->clear();
}

void MacroImportExport::SaveLibrary()
{
    store_.SaveLibrary();
}

std::optional<std::vector<uint8_t>> MacroImportExport::ReadImportFile(const QString& path, qint64 maxBytes,
                                                                      size_t recordSize)
{
    QString error;
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, maxBytes, &error);
    if (!bytes) {
        Tell(Text(kReadFailedText, "The file could not be read:") + QLatin1Char('\n') + error);
        return std::nullopt;
    }
    if (CheckImportFileSize(bytes->size(), recordSize) != ImportFileSize::Ok) {
        Tell(recordSize == kBaseMacroFileSize
                 ? Text(kShortBaseFileText, "This file is shorter than four macro pages (1024 bytes). Nothing was written.")
                 : Text(kNoMacroInFileText, "This file is empty or shorter than one macro. Nothing was imported."));
        return std::nullopt;
    }
    return bytes;
}

// ---- import ----

void MacroImportExport::Btn_ImportOneClick()
{
    if (size_t(config_.Home->LibraryInUse(libraries_)->Count()) >= config_.Home->MacroImportLimit())
        return;
    const QString path = window_.Prompts().ChooseFile(UserPrompts::FileUse::Open);
    if (path.isEmpty())
        return;
    HidePanels();
    const size_t recordSize = config_.Home->MacroRecordSize();
    const auto bytes = ReadImportFile(path, qint64(recordSize), recordSize);
    if (!bytes)
        return;
    ClearMacroView();
    const MacroImportResult result = config_.Home->ImportMacro(libraries_, *bytes);
    switch (result.status) {
    case MacroImportStatus::Duplicate: Tell(Text(kDuplicateText, "This macro already exists")); return;
    case MacroImportStatus::NoName:
        Tell(Text(kNoMacroInFileText, "This file is empty or shorter than one macro. Nothing was imported."));
        return;
    case MacroImportStatus::LibraryFull: return;
    case MacroImportStatus::Imported: break;
    }
    store_.RefreshPCMacroName();
    SaveLibrary();
    page_.macroNames->setCurrentRow(result.row);
}

void MacroImportExport::Btn_ImportClick()
{
    const QString path = window_.Prompts().ChooseFile(UserPrompts::FileUse::Open);
    if (path.isEmpty())
        return;
    HidePanels();
    const size_t recordSize = config_.Home->MacroRecordSize();
    const auto bytes = ReadImportFile(path, config_.Home->LibraryFileMaxBytes(), recordSize);
    if (!bytes)
        return;
    const std::span<const uint8_t> records = WholeRecords(*bytes, recordSize);
    // In this order: the file is checked, the user is asked, the old library is kept aside,
    // then it is replaced.
    const LibraryFileCheck check = CheckMacroLibraryFile(records, recordSize);
    if (!check.ok()) {
        const QString why = check.noNamedRecord ? app_.Text(kNoNamedRecordText)
                                                : app_.Text(kDamagedRecordText).arg(check.damagedRecord + 1);
        Tell(app_.Text(kNotALibraryText).arg(why));
        return;
    }
    const auto library = config_.Home->LibraryInUse(libraries_);
    if (library->Count() > 0) {
        QStringList names;
        for (int row = 0; row < std::min(library->Count(), kNamesListed); ++row)
            names << library->Name(row);
        if (library->Count() > kNamesListed)
            names << QStringLiteral("\u2026");
        const QString question =
            app_.Text(kReplaceLibraryText).arg(library->Count()).arg(names.join(QStringLiteral(", ")), store_.ImportBackupPath());
        if (!window_.Prompts().Confirm(question))
            return;
        if (!store_.KeepLibraryForImport())
            return;
    }
    ClearMacroView();
    // The previous library is replaced; rows left empty between records close up.
    config_.Home->ReadLibrary(libraries_, records);
    store_.RefreshPCMacroName();
    SaveLibrary();
}

// ---- export ----

void MacroImportExport::WriteExport(const QString& chosen, std::span<const uint8_t> bytes)
{
    const QString path = QString::fromStdString(ExportFileName(chosen.toStdString()));
    QString error;
    if (!SaveFileAtomically(path, bytes, &error))
        Tell(Text(kWriteFailedText, "The file could not be written:") + QLatin1Char('\n') + error);
}

void MacroImportExport::Btn_ExportOneClick()
{
    const int row = page_.macroNames->currentRow();
    HidePanels();
    if (row < 0 || row >= config_.Home->LibraryInUse(libraries_)->Count())
        return;
    const QString chosen = window_.Prompts().ChooseFile(UserPrompts::FileUse::Save);
    if (chosen.isEmpty())
        return;
    WriteExport(chosen, config_.Home->WriteOneMacro(libraries_, row));
}

void MacroImportExport::Btn_ExportClick()
{
    const QString chosen = window_.Prompts().ChooseFile(UserPrompts::FileUse::Save);
    HidePanels();
    if (chosen.isEmpty())
        return;
    WriteExport(chosen, config_.Home->WriteLibrary(libraries_));
}

// ---- the base macro file ----

void MacroImportExport::RefreshMacroName()
{
    QListWidget* list = page_.pageNames;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const auto& page : config_.MacroAreas.basePages) {
        MacroName name{};
        std::copy_n(page.begin(), kMacroNameSize, name.begin());
        list->addItem(QString::fromStdU16String(MacroNameToUtf16(name)));
    }
}

void MacroImportExport::Btn_ImportBaseMacroClick()
{
    emit menusHideRequested();
    const QString path = window_.Prompts().ChooseFile(UserPrompts::FileUse::Open);
    if (path.isEmpty())
        return;
    const auto bytes = ReadImportFile(path, qint64(kBaseMacroFileSize), kBaseMacroFileSize);
    if (!bytes)
        return;

    std::optional<BusyScope> busy(std::in_place, timers_, window_, BusyScope::TimerOnly);
    // The pages in the program: the file's block, unpacked with the checks of a read image.
    ApplyBaseMacroFile(*bytes, config_.DeviceImage);
    const BaseMacroPages pages = UnpackBaseMacroPages(config_.DeviceImage);
    for (size_t p = 0; p < pages.size(); ++p) {
        auto& page = config_.MacroAreas.basePages[p];
        std::copy(pages[p].name.begin(), pages[p].name.end(), page.begin());
        std::copy(pages[p].body.begin(), pages[p].body.end(), page.begin() + kMacroNameSize);
    }
    RefreshMacroName();

    window_.ShowLoadingScreen();
    window_.WaitPumping(1);
    DeviceSession* device = hooks_.device();
    QString outcome;
    bool cut = false;
    if (!device) {
        outcome = Text(kNoAnswerText, "The mouse did not answer. Nothing was written.");
    } else {
        FeatureProtocol& protocol = device->Protocol;
        switch (OpenExchange(protocol)) {
        case ExchangeState::Open:
            // The mouse gets the file's bytes as read, whatever the checks above cleared.
            if (protocol.ConfigReady && protocol.ChipCode == kChipThatStoresWrites) {
                // Written past Apply: what the program knew of the mouse's memory is stale now.
                device->Link.MouseMemory.reset();
                if (protocol.WriteMemory(kBaseMacroBlockAddress, uint32_t(kBaseMacroFileSize), *bytes))
                    outcome = app_.Text(kBaseWrittenText);
                else if (protocol.DeviceGone())
                    cut = true;
                else
                    outcome = app_.Text(kBaseWriteFailedText);
            } else
                outcome = Text(kNotReadyText, "The mouse's memory is not ready. Nothing was written.");
            CloseExchange(protocol);
            break;
        case ExchangeState::NotReady:
            outcome = Text(kNotReadyText, "The mouse's memory is not ready. Nothing was written.");
            break;
        case ExchangeState::NoAnswer:
            outcome = Text(kNoAnswerText, "The mouse did not answer. Nothing was written.");
            break;
        }
    }
    window_.HideLoadingScreen();
    window_.WaitPumping(1);
    if (cut) {
        // One unplug, one message: the device-lost message names the cut write.
        busy.reset();
        hooks_.writeCutByUnplug();
        return;
    }
    if (!outcome.isEmpty())
        Tell(outcome);
}

} // namespace tarq
