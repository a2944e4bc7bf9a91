// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the configuration lives. In EEPROM mode the mouse's own memory holds everything: the
// settings, the base macros and the fire macros, and the PC keeps its macro library in
// Macro.bin. In driver mode the companion driver holds the settings and macro records, and the
// PC keeps Driver_Macro.bin. The form chooses the home once, when the device link is set up;
// the transfers, the macro library, the assignment of macros and the gun page ask it what to do
// and never branch on the mode themselves.

#include <QString>
#include <QtGlobal>

#include "macros/MacroScript.h"

#include <cstdint>
#include <span>
#include <vector>

#include <memory>

namespace tarq {

struct MacroImportResult;
struct MacroLibraries;

enum class ConfigurationMode { Eeprom, Driver };

class ConfigurationHome {
public:
    virtual ~ConfigurationHome() = default;

    // ---- transfers ----

    // ---- macro library ----
    // The library file's name in the data folder: "Macro.bin" or "Driver_Macro.bin".
    virtual QString LibraryFileName() const = 0;
    // The largest library file read, and one record of it (an import reads whole records).
    virtual qint64 LibraryFileMaxBytes() const = 0;
    virtual size_t MacroRecordSize() const = 0;
    // How many macros the library takes by import.
    virtual size_t MacroImportLimit() const = 0;
    // Whether the script fits the body of this home's macro record.
    virtual bool ScriptFits(const MacroScript& script) const = 0;
    // What a recording may take: its byte capacity and the body's event limit.
    virtual int RecordingCapacity() const = 0;
    virtual int BodyEventLimit() const = 0;
    // The library of this home in the libraries: its file bytes, read from a file, one record
    // exported, one macro imported.
    virtual std::vector<uint8_t> WriteLibrary(const MacroLibraries& libraries) const = 0;
    virtual void ReadLibrary(MacroLibraries& libraries, std::span<const uint8_t> file) const = 0;
    virtual std::vector<uint8_t> WriteOneMacro(const MacroLibraries& libraries, int row) const = 0;
    virtual MacroImportResult ImportMacro(MacroLibraries& libraries, std::span<const uint8_t> file) const = 0;

    // ---- fire data ----

    // ---- settings and pages ----
};

std::unique_ptr<ConfigurationHome> MakeConfigurationHome(ConfigurationMode mode);

// The home in use, held in the configuration state so that every subsystem that receives the
// state asks the one the form chose. EEPROM mode until chosen otherwise.
class ConfigurationHomeChoice {
public:
    ConfigurationHomeChoice() { Choose(ConfigurationMode::Eeprom); }

    void Choose(ConfigurationMode mode)
    {
        mode_ = mode;
        home_ = MakeConfigurationHome(mode);
    }
    ConfigurationMode Mode() const { return mode_; }

    const ConfigurationHome& operator*() const { return *home_; }
    const ConfigurationHome* operator->() const { return home_.get(); }

private:
    ConfigurationMode mode_ = ConfigurationMode::Eeprom;
    std::unique_ptr<ConfigurationHome> home_;
};

} // namespace tarq
