#pragma once
// The macro library of this run and its file: the 100-row PC library ("Macro.bin") in EEPROM
// mode, the driver library ("Driver_Macro.bin") in driver mode. Loaded once at start-up and
// written back after every change.

#include "macros/MacroLibrary.h"

#include <QString>

namespace tarq {

struct MacroLibraryStore {
    bool eepromMode = true;
    PcMacroLibrary pc{};
    DriverMacroLibrary driver;
    QString path;   // the library file of the mode

    // Present records: the PC library's first empty row, or the driver list's length.
    int Count() const;
    QString Name(int row) const;
    MacroName& NameBytes(int row);
};

// Reads the library file of the mode at `path`. A missing PC library file starts from the
// built-in empty library and is written at once, so the folder holds one from the first run;
// a missing driver library file is an empty list. False (with the reason) when an existing
// file cannot be read; the library is then empty and the file is left alone.
bool LoadMacroLibraryFile(MacroLibraryStore& store, QString* errorText = nullptr);

// Writes the library to its file (RefreshPCMacro / RefreshDriverPCMacro); false with the
// reason when it could not be written, the previous file then stays intact.
bool SaveMacroLibrary(const MacroLibraryStore& store, QString* errorText = nullptr);

} // namespace tarq
