// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the configuration lives. In EEPROM mode the mouse's own memory holds everything: the
// settings, the base macros and the fire macros, and the PC keeps its macro library in
// Macro.bin. In driver mode the companion driver holds the settings and macro records, and the
// PC keeps Driver_Macro.bin. The form chooses the home once, when the device link is set up;
// the transfers, the macro library, the assignment of macros and the gun page ask it what to do
// and never branch on the mode themselves.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "macros/MacroName.h"
#include "macros/MacroScript.h"

#include <cstdint>
#include <span>
#include <vector>

#include <functional>
#include <memory>
#include <optional>

#include "config/ParameterFields.h"
#include <string>
#include <vector>

namespace tarq {

struct MacroImportResult;
struct MacroLibraries;
class MacroLibraryInUse;

enum class ConfigurationMode { Eeprom, Driver };

struct ConfigurationState;
struct MacroLibraries;

// Where a library macro goes when a button is given it (the function menu's macro list), and
// the key code the button then plays.
struct MacroPlacement {
    enum class Outcome {
        Nothing,   // no macro in that row: nothing happens
        NoRoom,    // every place plays a macro of some button: nothing is assigned, the user is told
        Placed,
    };
    Outcome outcome = Outcome::Nothing;
    QString name;                     // the macro's name, for the button's caption
    std::string code;                 // the button's key code
    int slot = -1;                    // base macro page 0-5, or the assigned driver record
    int slotCount = 0;                // places the list of assigned macros shows at least
    bool replacesPlayedCopy = false;  // other buttons play this macro from now on: the user is told
};

// The button a library macro is being assigned to.
struct MacroTarget {
    int row = -1;                      // the library macro's row
    // Every button's code, office then game, with the target button's own code freed.
    std::vector<std::string> codesWithTargetFree;
    bool fromEngineerPage = false;     // the engineer page finds pages by index, not by count
};

class ConfigurationHome {
public:
    virtual ~ConfigurationHome() = default;

    // ---- transfers ----
    // The steps of the user's transfers that differ between the homes, done by the device
    // commands. The home says which step a command takes and what its files hold.
    class Transfers {
    public:
        // After the mouse is found: identify it and read its memory, or handshake with the
        // driver and read its store.
        virtual void ReadMouseDevInfo() = 0;
        virtual void ReadDriverDevInfo() = 0;
        // Apply: false when the user chose not to write over the mouse.
        virtual bool DownloadParameter() = 0;
        virtual void DownloadDriverParameter() = 0;
        // A reset from a file in the data folder.
        virtual void TLDefaultParameter(const QString& fileName) = 0;
        virtual void TLDefaultDriverParameter(const QString& fileName) = 0;
        // Save Profile: what the device holds, written to `target`.
        virtual bool SaveImageProfile(const QString& target, QString* error) = 0;
        virtual bool SaveDriverProfile(const QString& target, QString* error) = 0;
        // Load Profile: `file` holds at least ProfileShortest() bytes of the file `chosen`.
        virtual void LoadImageProfile(const QByteArray& file, const QString& chosen) = 0;
        virtual void LoadDriverProfile(const QByteArray& file) = 0;

    protected:
        ~Transfers() = default;
    };
    virtual void Read(Transfers& steps) const = 0;
    // False when the user chose not to write.
    virtual bool Apply(Transfers& steps) const = 0;
    // Confirm 1-3 (`number`), and the engineer page's Default (number 0).
    virtual void Reset(Transfers& steps, int number) const = 0;
    virtual bool SaveProfile(Transfers& steps, const QString& target, QString* error) const = 0;
    virtual void LoadProfile(Transfers& steps, const QByteArray& file, const QString& chosen) const = 0;
    // How much of a chosen profile file is read, and how short it may be.
    virtual qint64 ProfileReadLimit() const = 0;
    virtual qint64 ProfileShortest() const = 0;

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
    // The library of this home in the libraries, as the macro page edits it, for one use.
    virtual std::unique_ptr<MacroLibraryInUse> LibraryInUse(MacroLibraries& libraries) const = 0;
    // The steps of the library file's start-up load and of its save after a change, done by
    // the macro library store: the home says which file's steps to take.
    class LibraryFiles {
    public:
        // Macro.bin: 100 records, made from the built-in empty library when missing.
        virtual void LoadPcLibrary() = 0;
        virtual bool RefreshPCMacro() = 0;
        // Driver_Macro.bin: as many records as it holds; a save also brings the assigned
        // copies up to date with their library macros.
        virtual void LoadDriverLibrary() = 0;
        virtual bool RefreshDriverPCMacro() = 0;

    protected:
        ~LibraryFiles() = default;
    };
    virtual void LoadLibrary(LibraryFiles& files) const = 0;
    // False when the library was not written (the user told).
    virtual bool SaveLibrary(LibraryFiles& files) const = 0;
    // Whether a button keeps its own copy of the library macro `name` after a change to it: a
    // rename or a delete (`renamedOrRemoved`), or an edit of its events or release mode. The
    // base macro pages keep a copy in every case; the assigned driver records follow the
    // library's edits by name, so only a rename or a delete leaves them with a copy.
    virtual bool ButtonKeepsCopy(const MacroName& name, bool renamedOrRemoved, const ConfigurationState& config) const = 0;
    // The name of the macro that a button's macro code with this address plays: a base macro
    // page's, or an assigned driver record's; empty when the address plays none.
    virtual std::string MacroNameAt(uint16_t address, const ConfigurationState& config) const = 0;

    // ---- fire data ----
    // Hands the fire data to where this home keeps it: the EEPROM home runs `writeToMouse`,
    // which writes the mouse's memory; the driver home keeps no fire data and does not run it.
    virtual void WriteFireData(const std::function<void()>& writeToMouse) const = 0;

    // ---- settings and pages ----
    // The LED type the pages show: the one the mouse reported (driver mode, when it did) or
    // the one the image's section A names.
    virtual LedType LedTypeShown(std::optional<LedType> reported, LedType inImage) const = 0;
    // The lighting settings that reach the mouse from here; the Light page offers only these.
    struct CarriedLighting {
        bool chords = true;          // the DPI button's LED on/off and mode chords
        bool brightness = true;      // with its ALL and HALF texts
        bool keyModeMemory = true;
        bool ledCount = true;
    };
    virtual CarriedLighting LightingCarried() const = 0;
    // Where the library macro of `target.row` goes and the code the button gets; nothing is
    // written yet (the button may still refuse it, for its last left click).
    virtual MacroPlacement PlaceLibraryMacro(const MacroTarget& target, const ConfigurationState& config,
                                             const MacroLibraries& libraries) const = 0;
    // Writes the placed macro where the button plays it from.
    virtual void KeepPlacedMacro(const MacroPlacement& placement, int row, ConfigurationState& config,
                                 const MacroLibraries& libraries) const = 0;
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
