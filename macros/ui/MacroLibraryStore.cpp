// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/MacroLibraryStore.h"

#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>

#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"
#include "config/DefaultImages.h"
#include "macros/MacroFiles.h"
#include "macros/ui/MacroLibraryInUse.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"
#include "ui/SkinLabel.h"
#include "ui/pages/MacroPageControls.h"
#include "ui/WindowServices.h"
#include "ui/skin/Resources.h"

namespace tarq {

namespace {

constexpr int kWrongSizeText = 131;
constexpr int kUnreadableText = 713, kStartNewText = 714, kReadableNowText = 715, kCannotKeepText = 716;
constexpr int kTooManyText = 717;
// A damaged file larger than this is moved aside instead of copied.
constexpr qint64 kCopyAsideLimit = qint64(1) << 20;
// The largest macro file read: a driver library of 9999 records.
constexpr qint64 kMaxDriverFileSize = static_cast<qint64>(kDriverMacroImportLimit) * kDriverMacroRecordSize;

// A free name beside the file for its untouched copy: "Macro.bin.bak", then ".bak2", ...
QString AsideName(const QString& path)
{
    QString candidate = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = path + QStringLiteral(".bak") + QString::number(n);
    return candidate;
}

// An earlier copy of the same file beside it ("Macro.bin.bak", ".bak2", ...), so that a file
// that could not be rewritten is not copied again at every start.
QString ExistingCopy(const QString& path)
{
    QFile file(path);
    if (file.size() > kCopyAsideLimit || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QString candidate = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(candidate); ++n) {
        QFile copy(candidate);
        if (copy.size() == bytes.size() && copy.open(QIODevice::ReadOnly) && copy.readAll() == bytes)
            return candidate;
        candidate = path + QStringLiteral(".bak") + QString::number(n);
    }
    return {};
}

} // namespace

MacroLibraryStore::MacroLibraryStore(const AppContext& app, ConfigurationState& config, MacroLibraries& libraries,
                                     MacroPageControls& page, WindowServices& window)
    : app_(app), config_(config), libraries_(libraries), page_(page), window_(window)
{
}

QString MacroLibraryStore::LibraryPath() const { return app_.DataFile(config_.Home->LibraryFileName()); }

QString MacroLibraryStore::ImportBackupPath() const { return LibraryPath() + QStringLiteral(".before-import"); }

bool MacroLibraryStore::KeepLibraryForImport()
{
    // The library as the program holds it: also when its file was never written.
    const std::vector<uint8_t> bytes = config_.Home->WriteLibrary(libraries_);
    QString error;
    if (SaveOwnFile(ImportBackupPath(), bytes, &error))
        return true;
    window_.ShowDialogMessage(app_.Text(kCannotKeepText).arg(LibraryPath(), ImportBackupPath(), error));
    return false;
}

void MacroLibraryStore::KeepDamagedAside(const QString& path, const QString& text)
{
    // A copy made at an earlier start is the backup of this file: no second one, no second word.
    keptAside_ = ExistingCopy(path);
    if (!keptAside_.isEmpty())
        return;
    const QString aside = AsideName(path);
    // A huge file is moved, not copied, and the library it held is written in its place at once.
    const bool move = QFileInfo(path).size() > kCopyAsideLimit;
    if (!(move ? QFile::rename(path, aside) : QFile::copy(path, aside))) {
        Tell(app_.Text(kCannotKeepText).arg(path, aside, move ? QStringLiteral("rename failed") : QStringLiteral("copy failed")));
        return;
    }
    keptAside_ = aside;
    Tell(text.arg(aside));
    if (!move)
        return; // the file itself is rewritten at its proper size with the next change
    QString error;
    const std::vector<uint8_t> bytes = config_.Home->WriteLibrary(libraries_);
    if (!SaveOwnFile(path, bytes, &error))
        Tell(error);
}

bool MacroLibraryStore::MayWriteLibrary()
{
    if (!unreadable_)
        return true;
    const QString path = LibraryPath();
    QString error;
    if (ReadFileBytes(path, 1, &error)) {
        // Readable now: what it holds is the library; the change made on the empty one is undone.
        unreadable_ = false;
        config_.Home->LoadLibrary(*this);
        RefreshPCMacroName();
        window_.ShowDialogMessage(app_.Text(kReadableNowText).arg(path));
        return false;
    }
    const QString aside = AsideName(path);
    if (window_.Prompts().Confirm(app_.Text(kStartNewText).arg(path, aside))) {
        if (QFile::rename(path, aside)) {
            unreadable_ = false;
            keptAside_ = aside;
            return true;
        }
        window_.ShowDialogMessage(app_.Text(kCannotKeepText).arg(path, aside, QStringLiteral("rename failed")));
    }
    // The change is undone: the library stays as it was loaded (empty), the file untouched.
    libraries_.PcMacros = PcMacroLibrary{};
    libraries_.DriverMacros.clear();
    RefreshPCMacroName();
    return false;
}

QString MacroLibraryStore::MacroFilePath() const { return app_.DataFile(QString::fromLatin1(kMacroFileName.data(), kMacroFileName.size())); }
QString MacroLibraryStore::DriverMacroFilePath() const
{
    return app_.DataFile(QString::fromLatin1(kDriverMacroFileName.data(), kDriverMacroFileName.size()));
}

void MacroLibraryStore::Tell(const QString& text)
{
    // Shown once the window is up (the load runs while the form is being created).
    QTimer::singleShot(0, window_.Window(), [this, text] {
        window_.ShowDialogMessage(text);
    });
}

void MacroLibraryStore::LoadMacroLibrary()
{
    keptAside_.clear();
    unreadable_ = false;
    config_.Home->LoadLibrary(*this);
    RefreshPCMacroName();
}

void MacroLibraryStore::LoadPcLibrary()
{
    libraries_.PcMacros = PcMacroLibrary{};
    const QString path = MacroFilePath();
    if (!QFileInfo::exists(path)) {
        // The built-in library (all empty records) becomes the file.
        const QByteArray builtIn = ResourceBytes(QString::fromLatin1(kEmptyMacroLibraryResourceName.data(), kEmptyMacroLibraryResourceName.size()));
        const auto* data = reinterpret_cast<const uint8_t*>(builtIn.constData());
        libraries_.PcMacros = ReadMacroLibraryFile(std::span(data, std::min<size_t>(builtIn.size(), kMacroFileSize)));
        RefreshPCMacro();
        return;
    }

    QString error;
    const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMacroFileSize + 1, &error);
    if (!bytes) {
        // Left as it is: an empty library in memory, and the file is not written over.
        unreadable_ = true;
        Tell(app_.Text(kUnreadableText).arg(path, error));
        return;
    }
    const qint64 size = QFileInfo(path).size();
    // Only whole records are taken; a partial one at the end would be a half-read name or body.
    const size_t whole = std::min(bytes->size(), kMacroFileSize) / kMacroRecordSize * kMacroRecordSize;
    libraries_.PcMacros = ReadMacroLibraryFile(std::span(bytes->data(), whole));
    if (size == static_cast<qint64>(kMacroFileSize))
        return;

    // The file is rewritten at its proper size: keep what the user had first.
    KeepDamagedAside(path, app_.Text(kWrongSizeText).arg(path).arg(size));
}

void MacroLibraryStore::LoadDriverLibrary()
{
    libraries_.DriverMacros.clear();
    const QString path = DriverMacroFilePath();
    if (!QFileInfo::exists(path))
        return;
    QString error;
    const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMaxDriverFileSize, &error);
    if (!bytes) {
        unreadable_ = true;
        Tell(app_.Text(kUnreadableText).arg(path, error));
        return;
    }
    libraries_.DriverMacros = ReadDriverMacroFile(*bytes);
    const qint64 records = QFileInfo(path).size() / qint64(kDriverMacroRecordSize);
    if (records > qint64(kDriverMacroImportLimit))
        KeepDamagedAside(path, app_.Text(kTooManyText).arg(path).arg(records).arg(kDriverMacroImportLimit));
}

bool MacroLibraryStore::RefreshPCMacro()
{
    if (!MayWriteLibrary())
        return false;
    QString error;
    if (SaveOwnFile(MacroFilePath(), WriteMacroLibraryFile(libraries_.PcMacros), &error))
        return true;
    Tell(error);
    return false;
}

bool MacroLibraryStore::RefreshDriverPCMacro()
{
    if (!MayWriteLibrary())
        return false;
    QString error;
    if (!SaveOwnFile(DriverMacroFilePath(), WriteDriverMacroFile(libraries_.DriverMacros), &error)) {
        Tell(error);
        return false;
    }
    std::vector<DriverMacroRecord> assigned;
    for (const auto& bytes : config_.AssignedDriverMacros) {
        DriverMacroRecord record;
        if (bytes.size() >= kDriverMacroRecordSize) {
            std::copy_n(bytes.begin(), kMacroNameSize, record.name.begin());
            std::copy_n(bytes.begin() + kMacroNameSize, record.body.size(), record.body.begin());
        }
        assigned.push_back(record);
    }
    if (RefreshDriverWriteMacro(assigned, libraries_.DriverMacros) > 0)
        for (size_t i = 0; i < assigned.size(); ++i)
            std::copy(assigned[i].body.begin(), assigned[i].body.end(),
                      config_.AssignedDriverMacros[i].begin() + kMacroNameSize);
    return true;
}

void MacroLibraryStore::RefreshPCMacroName()
{
    QStringList names;
    const auto library = config_.Home->LibraryInUse(libraries_);
    for (int row = 0; row < library->Count(); ++row)
        names << library->Name(row);
    for (QListWidget* w : {page_.macroNames, page_.assignmentNames})
        if (w) {
            const QSignalBlocker quiet(w);
            w->clear();
            w->addItems(names);
        }
    // A full library takes no new macro.
    for (QWidget* w : {page_.newButton, page_.newMacro})
        w->setEnabled(names.size() < int(kPcMacroLibraryRows));
}

bool MacroLibraryStore::SaveLibrary()
{
    return config_.Home->SaveLibrary(*this);
}

} // namespace tarq
