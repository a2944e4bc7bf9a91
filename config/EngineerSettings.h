// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The settings of parameter sections A and B, the Y-offset and colour tables and the fire-key
// section as the engineer page's controls hold them, and the rules that move them between
// those controls and DataBuf. The form fills this struct from its controls before a write and
// shows it after a read; every byte rule lives here.

#include "config/ImageLayout.h"
#include "config/ParameterFields.h"

#include <array>
#include <optional>

namespace tarq {

constexpr int kDpiLevelSlots = 7;
constexpr int kFireMacroSlots = 10;
using Rgb = std::array<int, 3>;

struct EngineerSettings {
    // Radio pairs: nullopt when neither button is checked (the bit keeps its value).
    std::optional<bool> ledOnOffChord;     // rb_B4CPIOn / rb_B4CPIOff
    std::optional<bool> recoilFnLeft;      // rb_FireFnOn / rb_FireFnOff
    std::optional<bool> ledModeChord;      // rb_LCPIOn / rb_LCPIOff
    std::optional<bool> keepKeyMode;       // rb_Save / rb_NoSave
    int orientationIndex = -1;             // cb_SensorOri
    std::optional<LedType> ledType;        // rb_MCULED, rb_RBLED, rb_SyncLED, rb_BreLED
    bool longPressMiddle = false;          // cb_MidPress
    bool longPressDpi = false;             // cb_CPIPress
    bool longPressGunKey = false;          // cb_GunPress
    bool smooth = false;                   // cb_Smooth
    int dpiLevelCountIndex = 0;            // cb_CPIStep: items "2"-"7"
    std::optional<bool> mcuLedFullBrightness; // rb_MCULED3Control / rb_MCULED6Control
    int mcuLedCount = 10;                  // edt_MCULEDNum, 4-13
    std::array<bool, kDpiLevelSlots> mcuModesOffered{}; // cb_Mode1-cb_Mode7
    std::array<int, kDpiLevelSlots> dpiValueIndexes{};  // cb_CPI1-cb_CPI7, -1 for no selection
    std::array<Rgb, kDpiLevelSlots> dpiColours{};       // edt_CPI1R ... edt_CPI7B
    int currentDpiLevel = 0;               // cb_CurrentCPI
    int mcuLedCurrentMode = 0;             // cb_MCULEDCurrentMode index
    int rbLedCurrentMode = 0;              // cb_RBLEDCurrentMode index
    int mcuLedStep = 0;                    // edt_MCULEDCrtStep
    std::optional<bool> ledOn;             // rb_LEDOn / rb_LEDOff
    int keyModeIndex = 0;                  // cb_KeyMode: 0 office, 1 game
    int vendorCode = 255;                  // edt_VendorID
    int productCode = 255;                 // edt_ProductID
    std::array<int, kFireMacroSlots> yOffsets{};        // edt_YOffset1-10, -128..127
    std::array<Rgb, kFireMacroSlots> fireMacroColours{}; // edt_FireMacroColor1R ... 10B
    bool fireContinuous = false;           // cb_IsFireContinue
    int fireCountIndex = 0;                // cb_FireCount: items "1"-"256"
    int fireInterval = 0;                  // edt_FireTime, units of 8 ms
};

// Serialise the settings into DataBuf: section A bytes 0-4, 6-12 and 26-46, section B, the
// Y-offset and colour tables, and the fire-key count and interval. Checksums, the profile
// section and the fire pointer table are left alone.
void SettingsToDataBuf(const EngineerSettings& s, DataBuf& buf);

// The settings a DataBuf shows. Fields whose bytes hold a value the controls cannot show
// (an LED count nibble of 10-15) keep their value from `previous`; so do the current LED mode
// and step of the LED kinds that do not use them.
EngineerSettings SettingsFromDataBuf(const DataBuf& buf, const EngineerSettings& previous);

// Byte 50: current LED mode, on/off, and the MCU LED speed step.
uint8_t LedStateByte(const EngineerSettings& s);

// The driver-mode refresh before an Apply: key mode (52/53), current level and smoothing
// (48/49), the fire-key count and interval with its checksum byte cleared, the DPI values and
// level count with a fresh section A checksum. The rest of section A keeps its bytes.
void DriverModeRefresh(const EngineerSettings& s, DataBuf& buf);

} // namespace tarq
