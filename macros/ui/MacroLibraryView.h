// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro library of the current mode as the macro page edits it: the PC library rows
// (MacroLibraries::PcMacros) in EEPROM mode, the driver library (MacroLibraries::DriverMacros) in driver
// mode. A view over the form's state, so every subsystem works on the one library that
// MacroLibraryStore loads and saves.

#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"
#include "macros/MacroLibrary.h"
#include "macros/MacroName.h"

#include <QString>

namespace tarq {

struct MacroLibraryView {
    MacroLibraryView(const ConfigurationState& config, MacroLibraries& libraries)
        : home(config.Home), pc(libraries.PcMacros), driver(libraries.DriverMacros) {}

    const ConfigurationHomeChoice& home;
    PcMacroLibrary& pc;
    DriverMacroLibrary& driver;

    bool eepromMode() const { return home.Mode() == ConfigurationMode::Eeprom; }

    // Present records: the PC library's first empty row, or the driver list's length.
    int Count() const { return eepromMode() ? MacroLibraryCount(pc) : int(driver.size()); }
    MacroName& NameBytes(int row) { return eepromMode() ? pc[size_t(row)].name : driver[size_t(row)].name; }
    QString Name(int row) const
    {
        const MacroName& name = eepromMode() ? pc[size_t(row)].name : driver[size_t(row)].name;
        const std::u16string text = MacroNameToUtf16(name);
        return QString::fromUtf16(text.data(), qsizetype(text.size()));
    }
};

} // namespace tarq
