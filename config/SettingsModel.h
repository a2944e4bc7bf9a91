// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The settings model: the typed settings that the DPI, Light and Advanced (fire key) pages and
// the engineer page edit, held once in the form's configuration state. Editors change it, the
// pages show it, a write packs the image from it and a read, reset or load fills it from the
// image. Every byte rule between the model and DataBuf lives here; the window layer binds the
// fields to their controls (config/ui/SettingsBindings).
//
// A choice field holds a list position, or -1 for no choice, as the list that shows it can:
// filling the model from an image keeps only the positions the lists hold.

#include "config/EngineerSettings.h"
#include "config/ImageLayout.h"
#include "config/ParameterFields.h"

#include <array>
#include <optional>

namespace tarq {

struct SettingsModel {
    // Switch pairs: nullopt when neither side is chosen (the bit keeps its value). A new model
    // holds what the pages show before the first image: the first side of each pair.
    std::optional<bool> ledOnOffChord = true;     // the DPI button switches the LED on and off
    std::optional<bool> recoilFnLeft = false;     // the recoil function on the left button
    std::optional<bool> ledModeChord = true;      // the DPI button changes the LED mode
    std::optional<bool> keepKeyMode = true;       // the mouse remembers its key mode
    int orientationIndex = 0;                     // sensor orientation, kOrientationCodes position
    std::optional<LedType> ledType = LedType::Mcu;
    bool longPressMiddle = false;
    bool longPressDpi = false;
    bool longPressGunKey = false;
    bool smooth = false;
    int dpiLevelCountIndex = kDpiLevelSlots - 2;  // levels in use - 2 (list "2"-"7")
    std::optional<bool> mcuLedFullBrightness = true;
    int mcuLedCount = 13;                         // 4-13
    std::array<bool, kDpiLevelSlots> mcuModesOffered{true, true, true, true, true, true, true};
    std::array<int, kDpiLevelSlots> dpiValueIndexes{};  // kDpiValues positions, -1 for none
    std::array<Rgb, kDpiLevelSlots> dpiColours{};
    int currentDpiLevel = kDpiLevelSlots - 1;     // 0 .. levels in use - 1
    int mcuLedCurrentMode = 0;                    // 0-6
    int rbLedCurrentMode = 0;                     // 0-6
    int mcuLedStep = 0;                           // 0-7
    std::optional<bool> ledOn = true;
    int keyModeIndex = 0;                         // 0 office, 1 game
    int vendorCode = 0;
    int productCode = 0;
    std::array<int, kFireMacroSlots> yOffsets{};        // -128..127
    std::array<Rgb, kFireMacroSlots> fireMacroColours{};
    bool fireContinuous = false;
    int fireCountIndex = 0;                       // shots - 1; 255 while continuous
    int fireInterval = 0;                         // units of 8 ms

    // The list lengths a choice field can take a position of.
    static constexpr int kLedModes = 7;
    static constexpr int kKeyModes = 2;
    static constexpr int kFireCounts = 256;
    // Levels in use, 2-7, as the level count field says (2 for no choice).
    int DpiLevelCount() const;

    bool operator==(const SettingsModel&) const = default;
};

// Serialise the settings into DataBuf: section A bytes 0-4, 6-12 and 26-46, section B, the
// Y-offset and colour tables, and the fire-key count and interval. Checksums, the profile
// section and the fire pointer table are left alone.
void SettingsToDataBuf(const SettingsModel& s, DataBuf& buf);

// The settings a DataBuf holds. Fields whose bytes hold a value the model cannot take (an LED
// count nibble of 10-15) keep their value from `previous`; so do the current LED mode and step
// of the LED kinds that do not use them. A list position the list lacks becomes -1.
SettingsModel SettingsFromDataBuf(const DataBuf& buf, const SettingsModel& previous);

// The LED state byte's mode and step go to the fields of the model's LED type: the MCU LED
// takes both, the RB LED its mode; the other types keep theirs.
void TakeLedState(SettingsModel& s, const LedStateFields& led);

// Byte 50: current LED mode, on/off, and the MCU LED speed step.
uint8_t LedStateByte(const SettingsModel& s);

// The driver-mode refresh before an Apply: key mode (52/53), current level and smoothing
// (48/49), the fire-key count and interval with its checksum byte cleared, the DPI values and
// level count with a fresh section A checksum. The rest of section A keeps its bytes.
void DriverModeRefresh(const SettingsModel& s, DataBuf& buf);

} // namespace tarq
