#include "macros/ui/MacroLibraryStore.h"

#include "config/DefaultImages.h"
#include "macros/MacroFiles.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"

#include <QFileInfo>

#include <limits>

namespace tarq {

int MacroLibraryStore::Count() const
{
    return eepromMode ? MacroLibraryCount(pc) : int(driver.size());
}

MacroName& MacroLibraryStore::NameBytes(int row)
{
    return eepromMode ? pc[size_t(row)].name : driver[size_t(row)].name;
}

QString MacroLibraryStore::Name(int row) const
{
    const MacroName& name = eepromMode ? pc[size_t(row)].name : driver[size_t(row)].name;
    const std::u16string text = MacroNameToUtf16(name);
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

bool LoadMacroLibraryFile(MacroLibraryStore& store, QString* errorText)
{
    store.pc = {};
    store.driver.clear();
    if (!QFileInfo::exists(store.path)) {
        if (!store.eepromMode)
            return true;
        store.pc = ReadMacroLibraryFile(EmptyMacroLibrary());
        return SaveMacroLibrary(store, errorText);
    }
    constexpr qint64 kAnySize = std::numeric_limits<qint64>::max();
    const auto bytes = ReadFileBytes(store.path, store.eepromMode ? qint64(kMacroFileSize) : kAnySize,
                                     errorText);
    if (!bytes)
        return false;
    if (store.eepromMode)
        store.pc = ReadMacroLibraryFile(*bytes);
    else
        store.driver = ReadDriverMacroFile(*bytes);
    return true;
}

bool SaveMacroLibrary(const MacroLibraryStore& store, QString* errorText)
{
    const std::vector<uint8_t> bytes =
        store.eepromMode ? WriteMacroLibraryFile(store.pc) : WriteDriverMacroFile(store.driver);
    return SaveFileAtomically(store.path, bytes, errorText);
}

} // namespace tarq
