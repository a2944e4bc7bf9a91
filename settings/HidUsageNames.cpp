// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/HidUsageNames.h"

#include <array>
#include <string_view>

namespace tarq {

namespace {

// Names of the usages that are not part of a run (letters, digits, F keys, keypad digits).
// Usages 0xC0-0xD1 are not keyboard-page usages: inside macros they stand for the media and
// browser keys, so they carry the key names of those keys.
struct UsageName {
    uint8_t usage;
    std::string_view name;
};

constexpr std::array kSingleNames{
    UsageName{0x28, "Enter"},
    UsageName{0x29, "Esc"},
    UsageName{0x2A, "Backspace"},
    UsageName{0x2B, "Tab"},
    UsageName{0x2C, "Space bar"},
    UsageName{0x2D, "OEM_Minus"},
    UsageName{0x2E, "OEM_Plus"},
    UsageName{0x2F, "OEM_4"},
    UsageName{0x30, "OEM_6"},
    UsageName{0x31, "OEM_5"},
    UsageName{0x33, "OEM_1"},
    UsageName{0x34, "OEM_7"},
    UsageName{0x35, "OEM_3"},
    UsageName{0x36, "OEM_Comma"},
    UsageName{0x37, "OEM_Period"},
    UsageName{0x38, "OEM_2"},
    UsageName{0x39, "Caps Lock"},
    UsageName{0x46, "Print Screen"},
    UsageName{0x47, "Scroll Lock"},
    UsageName{0x48, "Pause"},
    UsageName{0x49, "Insert"},
    UsageName{0x4A, "Home"},
    UsageName{0x4B, "Page Up"},
    UsageName{0x4C, "Delete"},
    UsageName{0x4D, "End"},
    UsageName{0x4E, "Page Down"},
    UsageName{0x4F, "Right Arrow"},
    UsageName{0x50, "Left Arrow"},
    UsageName{0x51, "Down Arrow"},
    UsageName{0x52, "Up Arrow"},
    UsageName{0x53, "Num Lock"},
    UsageName{0x54, "Divide (numeric pad)"},
    UsageName{0x55, "Multiply (numeric pad)"},
    UsageName{0x56, "Subtract (numeric pad)"},
    UsageName{0x57, "Add (numeric pad)"},
    UsageName{0x58, "Separator (numeric pad)"},
    UsageName{0x63, "Decimal (numeric pad)"},
    UsageName{0x65, "Applications"},
    UsageName{0x75, "Help"},
    UsageName{0x77, "Select"},
    UsageName{0x9C, "Clear"},
    UsageName{0xC0, "Media_Next_Track"},
    UsageName{0xC1, "Media_Prev_Track"},
    UsageName{0xC2, "Media_Stop"},
    UsageName{0xC3, "Media_Play_Pause"},
    UsageName{0xC4, "Volume_Mute"},
    UsageName{0xC5, "Volume_Up"},
    UsageName{0xC6, "Volume_Down"},
    UsageName{0xC7, "Launch_Mail"},
    UsageName{0xC8, "Browser_Search"},
    UsageName{0xC9, "Browser_Home"},
    UsageName{0xCA, "Browser_Back"},
    UsageName{0xCB, "Browser_Forward"},
    UsageName{0xCC, "Browser_Stop"},
    UsageName{0xCD, "Browser_Refresh"},
    UsageName{0xCE, "Browser_Favorites"},
    UsageName{0xD1, "Launch_Media_Select"},
    UsageName{0xE0, "Left Ctrl"},
    UsageName{0xE1, "Left Shift"},
    UsageName{0xE2, "Left Alt"},
    UsageName{0xE3, "Win"},
    UsageName{0xE4, "Right Ctrl"},
    UsageName{0xE5, "Right Shift"},
    UsageName{0xE6, "Right Alt"},
    UsageName{0xE7, "Win"},
};

// Usage runs whose names follow a count: 0x1E-0x27 and 0x59-0x62 run 1..9 then 0.
constexpr uint8_t kLetterA = 0x04, kLetterZ = 0x1D;
constexpr uint8_t kDigit1 = 0x1E, kDigit0 = 0x27;
constexpr uint8_t kF1 = 0x3A, kF12 = 0x45;
constexpr uint8_t kPad1 = 0x59, kPad0 = 0x62;
constexpr uint8_t kF13 = 0x68, kF24 = 0x73;

std::string DigitOfRun(uint8_t usage, uint8_t first)
{
    // The runs end with 0 after 9, as the keys do on the keyboard.
    const int digit = (usage - first + 1) % 10;
    return std::string(1, static_cast<char>('0' + digit));
}

} // namespace

std::string HidUsageToKeyName(uint8_t usage)
{
    if (usage >= kLetterA && usage <= kLetterZ)
        return std::string(1, static_cast<char>('A' + (usage - kLetterA)));
    if (usage >= kDigit1 && usage <= kDigit0)
        return DigitOfRun(usage, kDigit1);
    if (usage >= kF1 && usage <= kF12)
        return "F" + std::to_string(usage - kF1 + 1);
    if (usage >= kPad1 && usage <= kPad0)
        return DigitOfRun(usage, kPad1) + " (numeric pad)";
    if (usage >= kF13 && usage <= kF24)
        return "F" + std::to_string(usage - kF13 + 13);
    for (const UsageName& entry : kSingleNames) {
        if (entry.usage == usage)
            return std::string(entry.name);
    }
    return {};
}

} // namespace tarq
