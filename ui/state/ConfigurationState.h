// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The configuration being shown and edited: the mirror of the mouse's memory and its unpacked
// sections, the macro areas, the fire macro records of the gun page, the key codes of both key
// modes, the default images, the driver mode's records and the gun key list.

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

#include "config/ConfigImage.h"
#include "device/ui/ConfigurationHome.h"
#include "device/CpiAndLedRecord.h"
#include "firemacros/FireMacro.h"
#include "settings/KeyCode.h"

namespace tarq {

struct ConfigurationState {
    // Where the configuration lives (the mouse's memory or the driver); the form chooses it.
    ConfigurationHomeChoice Home;
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

    // ---- the gun key list file ("TARQ362A Fire Macro.bin" in AppFolder) ----
    std::array<std::array<uint8_t, 3>, 10> GunKeyEntries{};   // ten gun key codes, 00 00 00 empty
    bool GunKeyFileLoaded = false;     // the file existed at start-up
};

} // namespace tarq
