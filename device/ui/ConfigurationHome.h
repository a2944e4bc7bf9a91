// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the configuration lives. In EEPROM mode the mouse's own memory holds everything: the
// settings, the base macros and the fire macros, and the PC keeps its macro library in
// Macro.bin. In driver mode the companion driver holds the settings and macro records, and the
// PC keeps Driver_Macro.bin. The form chooses the home once, when the device link is set up;
// the transfers, the macro library, the assignment of macros and the gun page ask it what to do
// and never branch on the mode themselves.

#include <QString>

#include <functional>
#include <memory>

namespace tarq {

enum class ConfigurationMode { Eeprom, Driver };

class ConfigurationHome {
public:
    virtual ~ConfigurationHome() = default;

    // ---- transfers ----

    // ---- macro library ----
    // The library file's name in the data folder: "Macro.bin" or "Driver_Macro.bin".
    virtual QString LibraryFileName() const = 0;

    // ---- fire data ----
    // Hands the fire data to where this home keeps it: the EEPROM home runs `writeToMouse`,
    // which writes the mouse's memory; the driver home keeps no fire data and does not run it.
    virtual void WriteFireData(const std::function<void()>& writeToMouse) const = 0;

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
