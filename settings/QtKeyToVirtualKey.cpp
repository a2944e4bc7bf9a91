// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/QtKeyToVirtualKey.h"

#include <array>
#include <utility>

namespace tarq {

namespace {

// Key values of the toolkit that are not character codes (0x01000000 and above).
constexpr int kSpecial = 0x01000000;

struct KeyPair {
    int key;
    uint16_t vk;
};

constexpr KeyPair kSpecialKeys[] = {
    {kSpecial + 0x00, 0x1B},   // Escape
    {kSpecial + 0x01, 0x09},   // Tab
    {kSpecial + 0x02, 0x09},   // Backtab (Shift+Tab)
    {kSpecial + 0x03, 0x08},   // Backspace
    {kSpecial + 0x04, 0x0D},   // Return
    {kSpecial + 0x05, 0x0D},   // Enter (numeric pad)
    {kSpecial + 0x06, 0x2D},   // Insert
    {kSpecial + 0x07, 0x2E},   // Delete
    {kSpecial + 0x08, 0x13},   // Pause
    {kSpecial + 0x09, 0x2C},   // Print
    {kSpecial + 0x0A, 0x2C},   // SysReq
    {kSpecial + 0x0B, 0x0C},   // Clear
    {kSpecial + 0x10, 0x24},   // Home
    {kSpecial + 0x11, 0x23},   // End
    {kSpecial + 0x12, 0x25},   // Left
    {kSpecial + 0x13, 0x26},   // Up
    {kSpecial + 0x14, 0x27},   // Right
    {kSpecial + 0x15, 0x28},   // Down
    {kSpecial + 0x16, 0x21},   // PageUp
    {kSpecial + 0x17, 0x22},   // PageDown
    {kSpecial + 0x20, 0x10},   // Shift
    {kSpecial + 0x21, 0x11},   // Control
    {kSpecial + 0x22, 0x5B},   // Meta (the Windows key on PC keyboards)
    {kSpecial + 0x23, 0x12},   // Alt
    {kSpecial + 0x24, 0x14},   // CapsLock
    {kSpecial + 0x25, 0x90},   // NumLock
    {kSpecial + 0x26, 0x91},   // ScrollLock
    {kSpecial + 0x53, 0x5B},   // Super_L
    {kSpecial + 0x54, 0x5C},   // Super_R
    {kSpecial + 0x55, 0x5D},   // Menu (application key)
    {kSpecial + 0x58, 0x2F},   // Help
    {kSpecial + 0x61, 0xA6},   // Back (browser)
    {kSpecial + 0x62, 0xA7},   // Forward (browser)
    {kSpecial + 0x63, 0xA9},   // Stop (browser)
    {kSpecial + 0x64, 0xA8},   // Refresh
    {kSpecial + 0x70, 0xAE},   // VolumeDown
    {kSpecial + 0x71, 0xAD},   // VolumeMute
    {kSpecial + 0x72, 0xAF},   // VolumeUp
    {kSpecial + 0x80, 0xB3},   // MediaPlay
    {kSpecial + 0x81, 0xB2},   // MediaStop
    {kSpecial + 0x82, 0xB1},   // MediaPrevious
    {kSpecial + 0x83, 0xB0},   // MediaNext
    {kSpecial + 0x85, 0xB3},   // MediaPause
    {kSpecial + 0x86, 0xB3},   // MediaTogglePlayPause
    {kSpecial + 0x90, 0xAC},   // HomePage
    {kSpecial + 0x91, 0xAB},   // Favorites
    {kSpecial + 0x92, 0xAA},   // Search
    {kSpecial + 0xA0, 0xB4},   // LaunchMail
    {kSpecial + 0xA1, 0xB5},   // LaunchMedia
    {kSpecial + 0xA2, 0xB6},   // Launch0
    {kSpecial + 0xA3, 0xB7},   // Launch1
    {kSpecial + 0x1103, 0xA5}, // AltGr (right Alt)
    {0x01010000, 0x29},        // Select
    // Punctuation of a US layout, plain and shifted, to the OEM keys that carry it.
    {';', 0xBA}, {':', 0xBA}, {'=', 0xBB}, {'+', 0xBB}, {',', 0xBC}, {'<', 0xBC},
    {'-', 0xBD}, {'_', 0xBD}, {'.', 0xBE}, {'>', 0xBE}, {'/', 0xBF}, {'?', 0xBF},
    {'`', 0xC0}, {'~', 0xC0}, {'[', 0xDB}, {'{', 0xDB}, {'\\', 0xDC}, {'|', 0xDC},
    {']', 0xDD}, {'}', 0xDD}, {'\'', 0xDE}, {'"', 0xDE},
};

// Shifted digits of a US layout, to their digit key.
constexpr std::pair<char, char> kShiftedDigits[] = {
    {'!', '1'}, {'@', '2'}, {'#', '3'}, {'$', '4'}, {'%', '5'},
    {'^', '6'}, {'&', '7'}, {'*', '8'}, {'(', '9'}, {')', '0'},
};

// Keys of the numeric pad that have their own virtual-key code.
uint16_t KeypadKey(int key)
{
    if (key >= '0' && key <= '9')
        return static_cast<uint16_t>(0x60 + (key - '0'));   // VK_NUMPAD0..9
    switch (key) {
    case '*': return 0x6A;   // VK_MULTIPLY
    case '+': return 0x6B;   // VK_ADD
    case '-': return 0x6D;   // VK_SUBTRACT
    case '.': case ',': return 0x6E;   // VK_DECIMAL
    case '/': return 0x6F;   // VK_DIVIDE
    default: return 0;
    }
}

} // namespace

uint16_t QtKeyToVirtualKey(int qtKey, bool keypad)
{
    if (keypad)
        if (const uint16_t vk = KeypadKey(qtKey))
            return vk;
    if (qtKey == ' ')
        return 0x20;
    if ((qtKey >= 'A' && qtKey <= 'Z') || (qtKey >= '0' && qtKey <= '9'))
        return static_cast<uint16_t>(qtKey);
    if (qtKey >= 'a' && qtKey <= 'z')
        return static_cast<uint16_t>(qtKey - 'a' + 'A');
    if (qtKey >= kSpecial + 0x30 && qtKey <= kSpecial + 0x47)   // F1..F24
        return static_cast<uint16_t>(0x70 + (qtKey - (kSpecial + 0x30)));
    for (const KeyPair& pair : kSpecialKeys)
        if (pair.key == qtKey)
            return pair.vk;
    for (const auto& [shifted, digit] : kShiftedDigits)
        if (qtKey == shifted)
            return static_cast<uint16_t>(digit);
    return 0;
}

} // namespace tarq
