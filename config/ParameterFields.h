// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Bit fields and value tables of the parameter sections in DataBuf, and the few rules that
// read or write them where a field is not a plain byte (LED type, orientation, fire key).

#include "config/ImageLayout.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tarq {

// Section A byte 0 (databuf::kFlags0).
namespace flags0 {
inline constexpr uint8_t kChordLedOnOff = 0x01;      // LED on/off by M+DPI chord
inline constexpr uint8_t kRecoilFnLeft = 0x02;       // recoil trigger: 1 gun key + left, 0 left
inline constexpr uint8_t kChordLedMode = 0x04;       // LED mode switch by L+DPI chord
inline constexpr uint8_t kKeyModeNotKept = 0x08;     // 0 remember key mode, 1 start in mode 1
inline constexpr int kOrientationShift = 4;
inline constexpr uint8_t kOrientationMask = 0x70;
inline constexpr uint8_t kLedClassOther = 0x80;      // 0 MCU LED, 1 another LED type
} // namespace flags0

// Section A byte 1 (databuf::kFlags1). Bits 6-7 are not used and are kept.
namespace flags1 {
inline constexpr uint8_t kLongPressMiddle = 0x01;
inline constexpr uint8_t kLongPressDpi = 0x02;
inline constexpr uint8_t kLongPressGunKey = 0x04;
inline constexpr uint8_t kLedTypeBit3 = 0x08;
inline constexpr uint8_t kLedTypeBit4 = 0x10;
inline constexpr uint8_t kSmoothing = 0x20;
} // namespace flags1

// Section A byte 3 (databuf::kMcuLed). Bits 0-2 are not used and are kept.
namespace mculed {
inline constexpr uint8_t kFullBrightness = 0x08;
inline constexpr int kCountShift = 4;                // stored as 13 minus the LED count
inline constexpr int kCountBase = 13;
} // namespace mculed

// Section A byte 4 (databuf::kMcuLedModes): bit 0 is a marker written as 1, bit n = mode n.
inline constexpr uint8_t kMcuLedModesMarker = 0x01;

// Section B byte 50 (databuf::kLedState).
namespace ledstate {
inline constexpr uint8_t kModeMask = 0x07;           // 1-7, 0 = none
inline constexpr uint8_t kLedOff = 0x08;
inline constexpr int kSpeedShift = 5;                // MCU LED speed step 0-7
} // namespace ledstate

// Byte 50 read apart: the current LED mode as a list index (mode - 1, -1 for none), the speed
// step and the off bit.
struct LedStateFields {
    int modeIndex = -1;
    int step = 0;
    bool off = false;
};
LedStateFields ReadLedState(const DataBuf& buf);

// Section B byte 52 (databuf::kKeyMode): bit 7 set in game mode (key mode 2).
inline constexpr uint8_t kGameModeBit = 0x80;

// DPI values by the index stored in section A bytes 6-12 and in the AIM code.
inline constexpr std::array<int, 12> kDpiValues{
    500, 800, 1000, 1200, 1600, 2000, 2400, 3200, 4000, 4800, 6400, 8000};
inline constexpr uint8_t kNoDpiValue = 0xFF;

// Sensor orientation codes (byte 0 bits 4-6) by the position of the item in the orientation
// list: "0°", "90 °", "180 °", "270 °", X mirrored, Y mirrored, XY swapped and inverted, XY
// swapped not inverted.
inline constexpr std::array<uint8_t, 8> kOrientationCodes{7, 2, 4, 1, 6, 5, 0, 3};

// List position of an orientation code (0-7).
int OrientationIndex(uint8_t code);

enum class LedType { Mcu, RedBlue, SevenColourSync, SevenColourBreathing };

// Reads the LED type from section A byte 0 bit 7 and byte 1 bits 3-4.
LedType ReadLedType(const DataBuf& buf);

// Writes the LED type bits; a bit that a type leaves open keeps its value.
void WriteLedType(DataBuf& buf, LedType type);

// Fire-key section: shots per press and the interval between shots in units of 8 ms.
// 256 shots and continuous fire share the stored count 0xFF.
struct FireKeySetting {
    bool continuous = false;   // fire while held
    int shots = 1;             // 1-256; 256 when continuous
    uint8_t interval = 0;
};

inline constexpr int kMaxFireKeyShots = 256;

FireKeySetting ReadFireKey(const DataBuf& buf);

// Writes only the count and interval bytes (shots are clamped to 1-256); the checksum is
// recomputed when the image is packed.
void WriteFireKey(DataBuf& buf, const FireKeySetting& setting);

} // namespace tarq
