#pragma once
// The macro library on the PC: read at start-up (LoadMacroLibrary) from "Macro.bin", or from
// "Driver_Macro.bin" in driver mode, and written back whole after every change
// (RefreshPCMacro, RefreshDriverPCMacro). A missing "Macro.bin" is created from the built-in
// empty library. Every write is atomic. A "Macro.bin" of another size than 100 records is read
// as far as it holds whole records, copied aside unchanged before anything can overwrite it,
// and the user is told once. The library's names fill the menu's macro list LB_Name and the
// macro page's LB_PCMacroName (RefreshPCMacroName).

#include <QString>

namespace tarq {

class Controls;
class WindowServices;
struct FormState;

class MacroLibraryStore {
public:
    MacroLibraryStore(FormState& state, Controls& controls, WindowServices& window);

    // Start-up load from the data folder. Any problem is shown once in the message dialog.
    void LoadMacroLibrary();

    // Writes the library file of the current mode; false (and the user told) when it fails.
    bool RefreshPCMacro();
    bool RefreshDriverPCMacro();

    // LB_PCMacroName and LB_Name from the library of the current mode.
    void RefreshPCMacroName();

    QString MacroFilePath() const;
    QString DriverMacroFilePath() const;
    // Where a "Macro.bin" of the wrong size was kept (empty when none was).
    QString KeptAsidePath() const { return keptAside_; }

private:
    void LoadPcLibrary();
    void LoadDriverLibrary();
    void Tell(const QString& text);

    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
    QString keptAside_;
};

} // namespace tarq
