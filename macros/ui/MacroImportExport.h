// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro list's Import One, Import All, Export One and Export All (Pnl_PCMacro), in the
// library the configuration's home keeps, and the engineer page's import of a base macro file straight
// into the mouse (Btn_ImportBaseMacro).
//
// A file chosen for an import must hold at least one whole record (256 bytes, 2048 in driver
// mode, 1024 for the base macro file): an empty or shorter file is refused with a message and
// changes nothing. Import All takes the whole records and leaves out a partial trailing one;
// it takes only a file whose records are all valid and one at least named, asks before it
// replaces a library that holds macros, and keeps the old library aside (one backup) first.
// The base macro import says whether it wrote, and the program's record of the mouse's
// memory is forgotten, since the write bypasses Apply.
// The file dialogs are a hook, so tests hand in paths.

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace tarq {

struct MacroPageControls;
class DeviceSession;
class MacroLibraryStore;
class MacroRecording;
class WindowServices;
struct AppContext;
struct ConfigurationState;
struct DeviceTimers;
struct MacroLibraries;

class MacroImportExport : public QObject {
    Q_OBJECT
public:
    // Every hook is required (they reach subsystems built after this one).
    struct Hooks {
        // The device session of the form; null while there is none.
        std::function<DeviceSession*()> device;
        // A write to the mouse was cut by an unplug: the device side names it in its one
        // device-lost message and offers to write again once the mouse is back.
        std::function<void()> writeCutByUnplug;
    };

    MacroImportExport(const AppContext& app, ConfigurationState& config, MacroLibraries& libraries,
                      DeviceTimers& timers, MacroPageControls& page, WindowServices& window,
                      MacroRecording& recording, MacroLibraryStore& store, Hooks hooks);

    void Wire();

    void Btn_ImportOneClick();
    void Btn_ImportClick();
    void Btn_ExportOneClick();
    void Btn_ExportClick();
    void Btn_ImportBaseMacroClick();

signals:
    // The base-macro import starts: the open menus close (the navigation connects).
    void menusHideRequested();

private:
    QString Text(int strId, const char* fallback) const;
    void Tell(const QString& text);
    void HidePanels();
    void ClearMacroView();
    void SaveLibrary();
    // The file's bytes, at most `maxBytes`; nothing (and the user told) when it cannot be read
    // or holds less than `recordSize` bytes.
    std::optional<std::vector<uint8_t>> ReadImportFile(const QString& path, qint64 maxBytes, size_t recordSize);
    void WriteExport(const QString& chosen, std::span<const uint8_t> bytes);
    // LB_MacroName from the six base macro pages.
    void RefreshMacroName();

    const AppContext& app_;
    ConfigurationState& config_;
    MacroLibraries& libraries_;
    DeviceTimers& timers_;
    MacroPageControls& page_;
    WindowServices& window_;
    MacroRecording& recording_;
    MacroLibraryStore& store_;
    Hooks hooks_;
};

} // namespace tarq
