// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The state the main form shares with its subsystems: the configuration being shown and
// edited, the key codes and macro pages, the folders and modes read at start-up, the current
// language's texts, the layout values and the form's timers. TForm1 owns the one instance and
// hands a reference to each subsystem; nothing here knows about controls.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cstdint>
#include <vector>

#include "app/AppFolders.h"
#include "config/ConfigImage.h"
#include "firemacros/FireMacro.h"
#include "device/CpiAndLedRecord.h"
#include "macros/MacroLibrary.h"
#include "settings/KeyCode.h"
#include "skin/OrgConfiguration.h"
#include "ui/skin/LayoutPass.h"

namespace tarq {

struct FormState {
    // ---- folders, modes and what start-up read ----
    QString AppFolder;          // folder of the program (or the per-user data folder), with '/'
    QString DataFolder;         // org key Path; empty means AppFolder
    bool EepromMode = true;
    int LanguageIndex = 1;
    int SkinWidth = 0;
    int SkinHeight = 0;
    bool NoDeviceView = false;
    int ExpectedVendorCode = 0;
    int ExpectedProductCode = 0;
    OrgConfiguration Org;       // every org key, normalised
    LayoutStyle Style;          // layout values read after the layout pass
    bool ComboKey3Enable = true;   // layout key ComboKey3_Enable
    bool MacroInsertMode = false;  // the macro editor's insert panel is open
    // Resources or keys the skin, layout or org configuration lacked at start-up, one line each
    // ("ORG1 [org1] M_L_W: missing"); shown once the window is up.
    QStringList StartupProblems;

    // A data file: DataFolder followed directly by the name, or AppFolder when it is empty.
    QString DataFile(const QString& name) const { return DataFilePath(DataFolder, AppFolder, name); }

    // ---- texts of the current language by Str ID, its font and title ----
    QHash<int, QString> Texts;
    QString FontName;
    QString Title;
    // Faces of the language files already told to have no installed face or metric twin.
    QSet<QString> MissingFacesTold;
    QString Text(int strId) const { return Texts.value(strId); }
    // The locale whose column of the built-in caption table captions the engineer page.
    uint32_t EngineerCaptionLocale = 0;

    // ---- timers: the device check (DevTimerFirst every 20 ms until the first search has
    // acted, then DevTimer every 3000 ms), the rolling caption and the key test countdown ----
    QTimer DevTimer;
    QTimer DevTimerFirst;
    QTimer LabelRun;
    QTimer TestTimer;
    // Transfers under way (open BusyScopes). A close asked for meanwhile waits for the last of
    // them to end, so that the mouse is never left half written.
    int TransfersRunning = 0;
    bool CloseWhenIdle = false;

    // ---- the configuration being shown and edited ----
    tarq::DeviceImage DeviceImage{};   // mirror of the mouse's configuration memory
    tarq::DataBuf DataBuf{};           // its unpacked parameter sections
    ImageMacroAreas MacroAreas;        // base macro pages 1-6 and the fire macro area
    // The ten fire macro records being edited on the gun page and in its editor; filled from
    // MacroAreas.fireMacroArea whenever an image is unpacked, copied back by the gun page's Confirm.
    tarq::FireMacroWork FireMacroWork{};
    ButtonKeyCodes OfficeKeyCodes;     // code texts of the nine buttons in key mode 1
    ButtonKeyCodes GameKeyCodes;       // ... and in key mode 2
    std::array<tarq::DeviceImage, 3> DefaultImages{}; // "TARQ54XData_Cfg1" ... "Cfg3"
    CpiAndLedRecord CpiAndLed{};       // driver mode: current DPI and LED record
    std::vector<std::vector<uint8_t>> AssignedDriverMacros; // driver macro records, 2048 bytes each
    QString LedTypeName;               // "MCULED", "RBLED", "SyncLED", "BreLED" or empty
    int AimDpiIndex = 0;

    // ---- the macro library on the PC (Macro.bin, or Driver_Macro.bin in driver mode) ----
    PcMacroLibrary PcMacros{};
    DriverMacroLibrary DriverMacros;

    // ---- the gun key list file ("TARQ362A Fire Macro.bin" in AppFolder) ----
    std::array<std::array<uint8_t, 3>, 10> GunKeyEntries{};   // ten gun key codes, 00 00 00 empty
    bool GunKeyFileLoaded = false;     // the file existed at start-up
};

} // namespace tarq
