// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro library on the PC: read at start-up (LoadMacroLibrary) from the file of the
// configuration's home ("Macro.bin", or "Driver_Macro.bin" where the driver holds the
// configuration), and written back whole after every change (RefreshPCMacro,
// RefreshDriverPCMacro; the home says which of the steps to take). A missing "Macro.bin" is created from the built-in
// empty library. Every write is atomic and never goes through a link. The library's names
// fill the menu's macro list LB_Name and the macro page's LB_PCMacroName (RefreshPCMacroName).
//
// Nothing the user had is lost to a file the program could not take as it is:
// - a "Macro.bin" of another size than 100 records is read as far as it holds whole records
//   and kept aside once (one copy per damaged file; a file over 1 MiB is moved aside and the
//   library it held written in its place at once); the user is told when the copy is made.
//   A "Driver_Macro.bin" of more records than the program keeps is treated the same way.
// - a library file that exists but cannot be read is never written over: changes are refused
//   (and undone) until the file can be read, or until the user starts a new library, which
//   keeps the old file aside.
// - before Import All replaces the library, the old one is kept aside (one backup).

#include <QString>

#include "device/ui/ConfigurationHome.h"

namespace tarq {

struct MacroPageControls;
class WindowServices;
struct AppContext;
struct ConfigurationState;
struct MacroLibraries;

class MacroLibraryStore : private ConfigurationHome::LibraryFiles {
public:
    MacroLibraryStore(const AppContext& app, ConfigurationState& config, MacroLibraries& libraries,
                      MacroPageControls& page, WindowServices& window);

    // Start-up load from the data folder. Any problem is shown once in the message dialog.
    void LoadMacroLibrary();

    // Writes the library file; false (and the user told) when it fails or when the file could
    // not be read at start-up and the user keeps it.
    bool RefreshPCMacro() override;
    bool RefreshDriverPCMacro() override;
    // The one of the two above that the configuration's home keeps.
    bool SaveLibrary();

    // LB_PCMacroName and LB_Name from the library in use.
    void RefreshPCMacroName();

    QString MacroFilePath() const;
    QString DriverMacroFilePath() const;
    // Where a library file of the wrong size was kept (empty when none was).
    QString KeptAsidePath() const { return keptAside_; }
    // Whether the library file in use exists but could not be read.
    bool Unreadable() const { return unreadable_; }

    // The one backup kept before Import All, and keeping the library there (replacing an
    // earlier backup); false, and the user told, when it cannot be kept.
    QString ImportBackupPath() const;
    bool KeepLibraryForImport();

private:
    void LoadPcLibrary() override;
    void LoadDriverLibrary() override;
    void Tell(const QString& text);
    QString LibraryPath() const;
    // Keeps the file at `path` aside once; the user is told with `text`, whose last open
    // place holder takes the aside name.
    void KeepDamagedAside(const QString& path, const QString& text);
    // Before a write over a library that could not be read: false when the write must not go on.
    bool MayWriteLibrary();

    const AppContext& app_;
    ConfigurationState& config_;
    MacroLibraries& libraries_;
    MacroPageControls& page_;
    WindowServices& window_;
    QString keptAside_;
    bool unreadable_ = false;
};

} // namespace tarq
