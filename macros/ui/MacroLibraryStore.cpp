#include "macros/ui/MacroLibraryStore.h"

#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimer>

#include "app/FormState.h"
#include "config/DefaultImages.h"
#include "macros/MacroFiles.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"
#include "ui/Controls.h"
#include "ui/WindowServices.h"
#include "ui/skin/Resources.h"

namespace tarq {

namespace {

constexpr int kWrongSizeText = 131;
// The largest macro file read: a driver library of 9999 records.
constexpr qint64 kMaxDriverFileSize = static_cast<qint64>(kDriverMacroImportLimit) * kDriverMacroRecordSize;

QString NameText(const MacroName& name) { return QString::fromStdU16String(MacroNameToUtf16(name)); }

// A free name beside the file for its untouched copy: "Macro.bin.bak", then ".bak2", ...
QString AsideName(const QString& path)
{
    QString candidate = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = path + QStringLiteral(".bak") + QString::number(n);
    return candidate;
}

} // namespace

MacroLibraryStore::MacroLibraryStore(FormState& state, Controls& controls, WindowServices& window)
    : state_(state), controls_(controls), window_(window)
{
}

QString MacroLibraryStore::MacroFilePath() const { return state_.DataFile(QString::fromLatin1(kMacroFileName.data(), kMacroFileName.size())); }
QString MacroLibraryStore::DriverMacroFilePath() const
{
    return state_.DataFile(QString::fromLatin1(kDriverMacroFileName.data(), kDriverMacroFileName.size()));
}

void MacroLibraryStore::Tell(const QString& text)
{
    // Shown once the window is up (the load runs while the form is being created).
    QTimer::singleShot(0, window_.Window(), [this, text] {
        if (window_.ShowDialogMessage)
            window_.ShowDialogMessage(text);
    });
}

void MacroLibraryStore::LoadMacroLibrary()
{
    keptAside_.clear();
    if (state_.EepromMode)
        LoadPcLibrary();
    else
        LoadDriverLibrary();
    RefreshPCMacroName();
}

void MacroLibraryStore::LoadPcLibrary()
{
    state_.PcMacros = PcMacroLibrary{};
    const QString path = MacroFilePath();
    if (!QFileInfo::exists(path)) {
        // The built-in library (all empty records) becomes the file.
        const QByteArray builtIn = ResourceBytes(QString::fromLatin1(kEmptyMacroLibraryResourceName.data(), kEmptyMacroLibraryResourceName.size()));
        const auto* data = reinterpret_cast<const uint8_t*>(builtIn.constData());
        state_.PcMacros = ReadMacroLibraryFile(std::span(data, std::min<size_t>(builtIn.size(), kMacroFileSize)));
        RefreshPCMacro();
        return;
    }

    QString error;
    const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMacroFileSize + 1, &error);
    if (!bytes) {
        // Left as it is: an empty library in memory, the file untouched until the next save.
        Tell(error);
        return;
    }
    const qint64 size = QFileInfo(path).size();
    // Only whole records are taken; a partial one at the end would be a half-read name or body.
    const size_t whole = std::min(bytes->size(), kMacroFileSize) / kMacroRecordSize * kMacroRecordSize;
    state_.PcMacros = ReadMacroLibraryFile(std::span(bytes->data(), whole));
    if (size == static_cast<qint64>(kMacroFileSize))
        return;

    // The next save rewrites the file at its proper size: keep what the user had first.
    const QString aside = AsideName(path);
    if (!QFile::copy(path, aside)) {
        Tell(QStringLiteral("%1: could not be copied to %2").arg(path, aside));
        return;
    }
    keptAside_ = aside;
    Tell(state_.Text(kWrongSizeText).arg(path).arg(size).arg(aside));
}

void MacroLibraryStore::LoadDriverLibrary()
{
    state_.DriverMacros.clear();
    const QString path = DriverMacroFilePath();
    if (!QFileInfo::exists(path))
        return;
    QString error;
    const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMaxDriverFileSize, &error);
    if (!bytes) {
        Tell(error);
        return;
    }
    state_.DriverMacros = ReadDriverMacroFile(*bytes);
}

bool MacroLibraryStore::RefreshPCMacro()
{
    QString error;
    if (SaveFileAtomically(MacroFilePath(), WriteMacroLibraryFile(state_.PcMacros), &error))
        return true;
    Tell(error);
    return false;
}

bool MacroLibraryStore::RefreshDriverPCMacro()
{
    QString error;
    if (!SaveFileAtomically(DriverMacroFilePath(), WriteDriverMacroFile(state_.DriverMacros), &error)) {
        Tell(error);
        return false;
    }
    std::vector<DriverMacroRecord> assigned;
    for (const auto& bytes : state_.AssignedDriverMacros) {
        DriverMacroRecord record;
        if (bytes.size() >= kDriverMacroRecordSize) {
            std::copy_n(bytes.begin(), kMacroNameSize, record.name.begin());
            std::copy_n(bytes.begin() + kMacroNameSize, record.body.size(), record.body.begin());
        }
        assigned.push_back(record);
    }
    if (RefreshDriverWriteMacro(assigned, state_.DriverMacros) > 0)
        for (size_t i = 0; i < assigned.size(); ++i)
            std::copy(assigned[i].body.begin(), assigned[i].body.end(),
                      state_.AssignedDriverMacros[i].begin() + kMacroNameSize);
    return true;
}

void MacroLibraryStore::RefreshPCMacroName()
{
    QStringList names;
    if (state_.EepromMode) {
        for (int row = 0; row < MacroLibraryCount(state_.PcMacros); ++row)
            names << NameText(state_.PcMacros[row].name);
    } else {
        for (const DriverMacroRecord& record : state_.DriverMacros)
            names << NameText(record.name);
    }
    for (const char* list : {"LB_PCMacroName", "LB_Name"})
        if (auto* w = controls_.get<QListWidget>(list)) {
            const QSignalBlocker quiet(w);
            w->clear();
            w->addItems(names);
        }
    // A full library takes no new macro.
    for (const char* button : {"Btn_New", "Btn_NewMacro"})
        if (QWidget* w = controls_.find(button))
            w->setEnabled(names.size() < int(kPcMacroLibraryRows));
}

} // namespace tarq
