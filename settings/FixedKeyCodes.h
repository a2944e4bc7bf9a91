// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The codes behind the fixed entries of the assignment menus, found by the menu entry's tag,
// and the language entries (Str IDs) that name them.

#include "settings/KeyCode.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarq {

struct FixedKeyCode {
    int tag;                   // numeric tag of the menu entry
    std::string_view entry;    // menu entry name
    KeyCode code;              // for AIM, data 1 is replaced by the current AIM DPI index
    int strId;                 // language entry of the display name
};

inline constexpr int kAimTag = 1002;
inline constexpr int kAimStrId = 222;

inline constexpr std::array<FixedKeyCode, 33> kFixedKeyCodes{{
    {900, "Key_Left", {0x01, 0x01, 0x00}, 210},
    {901, "Key_Right", {0x01, 0x02, 0x00}, 211},
    {902, "Key_Middle", {0x01, 0x04, 0x00}, 212},
    {903, "Key_B4", {0x01, 0x08, 0x00}, 213},
    {904, "Key_B5", {0x01, 0x10, 0x00}, 214},
    {1000, "Key_Fire", {0x06, 0x00, 0xF0}, 220},
    {1001, "Key_LEDSwitch", {0x09, 0x00, 0x00}, 221},
    {kAimTag, "Key_AIMKey", {0x0A, 0x00, 0x00}, kAimStrId},
    {1003, "Key_FnFire", {0x0D, 0x00, 0x00}, 223},
    {1004, "Key_KeyOff", {0x00, 0x00, 0x00}, 224},
    {1005, "Key_KeyMode", {0x0F, 0x00, 0x00}, 225},
    {1006, "Key_LEDMode", {0x10, 0x00, 0x00}, 226},
    {1100, "Key_Computer", {0x03, 0x01, 0x94}, 240},
    {1101, "Key_Calculator", {0x03, 0x01, 0x92}, 241},
    {1102, "Key_EMail", {0x03, 0x01, 0x8A}, 242},
    {1103, "Key_Desktop", {0x02, 0x08, 0x07}, 243},   // Win+D
    {1300, "Key_PlayPause", {0x03, 0x00, 0xCD}, 250},
    {1301, "Key_Stop", {0x03, 0x00, 0xB7}, 251},
    {1302, "Key_PreviousTrack", {0x03, 0x00, 0xB6}, 252},
    {1303, "Key_NextTrack", {0x03, 0x00, 0xB5}, 253},
    {1304, "Key_VolumePlus", {0x03, 0x00, 0xE9}, 254},
    {1305, "Key_VolumeMinus", {0x03, 0x00, 0xEA}, 255},
    {1306, "Key_Mute", {0x03, 0x00, 0xE2}, 256},
    {1400, "Key_WWWHome", {0x03, 0x02, 0x23}, 260},
    {1401, "Key_WWWSearch", {0x03, 0x02, 0x21}, 261},
    {1402, "Key_WWWBack", {0x03, 0x02, 0x24}, 262},
    {1403, "Key_WWWForward", {0x03, 0x02, 0x25}, 263},
    {1404, "Key_WWWStop", {0x03, 0x02, 0x26}, 264},
    {1405, "Key_WWWRefresh", {0x03, 0x02, 0x27}, 265},
    {1406, "Key_WWWFavorites", {0x03, 0x02, 0x2A}, 266},
    {2000, "Key_CPI", {0x05, 0x00, 0x00}, 231},
    {2001, "Key_CPII", {0x07, 0x00, 0x00}, 232},
    {2002, "Key_CPID", {0x08, 0x00, 0x00}, 233},
}};

// The code text of a menu tag; the AIM entry carries `aimDpiIndex` as its data 1. Any other
// tag gives empty text.
std::string TagToKeyCode(int tag, uint8_t aimDpiIndex);

// Fire macro codes that have fixed gun names while no gun key list is loaded.
struct FixedFireMacroName {
    KeyCode code;
    int strId;
};

inline constexpr std::array<FixedFireMacroName, 10> kFixedFireMacroNames{{
    {{0x0C, 0x01, 0x01}, 600},   // "AKM"
    {{0x0C, 0x02, 0x02}, 601},   // "M16"
    {{0x0C, 0x03, 0x03}, 602},   // "M4"
    {{0x0C, 0x04, 0x04}, 603},   // "UMP9"
    {{0x0C, 0x05, 0x05}, 604},   // "SCAR-L"
    {{0x0C, 0x06, 0x06}, 605},   // "5.56mm Fire"
    {{0x0C, 0x06, 0x07}, 605},
    {{0x0C, 0x08, 0x08}, 606},   // "7.62mm Fire"
    {{0x0C, 0x08, 0x09}, 606},
    {{0x0C, 0x08, 0x0A}, 606},
}};

} // namespace tarq
