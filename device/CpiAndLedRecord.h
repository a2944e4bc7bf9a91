// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The 4-byte current-DPI and LED record of driver mode: the only settings the mouse itself
// receives there (CmdSetCpiLed), kept by the driver and in a small temporary file.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace tarq {

using CpiAndLedRecord = std::array<uint8_t, 4>;

namespace cpiled {
// Byte 0: bits 3..0 current DPI level index, bit 7 smoothing.
constexpr uint8_t kLevelMask = 0x0F, kSmoothBit = 0x80;
// Byte 1: bits 2..0 LED mode 1-7, bit 3 LED off, bits 7..5 LED step.
constexpr uint8_t kModeMask = 0x07, kLedOffBit = 0x08, kStepShift = 5, kStepMask = 0xE0;
// Byte 2 is the driver's own; byte 3 is the DPI value index of the current level.
} // namespace cpiled

inline int CurrentDpiLevel(const CpiAndLedRecord& r) { return r[0] & cpiled::kLevelMask; }
inline bool Smoothing(const CpiAndLedRecord& r) { return (r[0] & cpiled::kSmoothBit) != 0; }
inline int LedMode(const CpiAndLedRecord& r) { return r[1] & cpiled::kModeMask; }
inline bool LedOff(const CpiAndLedRecord& r) { return (r[1] & cpiled::kLedOffBit) != 0; }
inline int LedStep(const CpiAndLedRecord& r) { return r[1] >> cpiled::kStepShift; }

// What the controls say, for building the record before a driver-mode Apply.
struct CpiAndLedInputs {
    enum class LedKind { Mcu, Rb, Other };
    LedKind ledKind = LedKind::Other;
    int ledModeIndex = 0;      // index in the MCU or RB LED mode box
    bool ledOn = true;         // rb_LEDOn ticked (otherwise rb_LEDOff)
    int currentDpiLevel = 0;   // index of cb_CurrentCPI
    bool smooth = false;
    int dpiValueIndexOfCurrentLevel = 0;
    int ledStep = -1;          // edt_MCULEDCrtStep; outside 0-7 keeps the previous step
};

// The record for a driver-mode Apply: byte 1 is rebuilt for the MCU and RB LED kinds and kept
// otherwise; byte 2 always comes from the previous record.
CpiAndLedRecord BuildCpiAndLedRecord(const CpiAndLedRecord& previous, const CpiAndLedInputs& in);

// True when every field the program reads lies in its range: DPI level 0-6, LED mode 1-7,
// DPI value index 0-11. Bytes 2 (the driver's own) and the unused bits are not judged.
bool CpiAndLedRecordInRange(const CpiAndLedRecord& r);

// The record from the temporary file: its first four bytes, missing bytes as 0. nullopt when
// there is no file (the driver is asked instead).
std::optional<CpiAndLedRecord> RecordFromFile(const std::optional<std::span<const uint8_t>>& file);

} // namespace tarq
