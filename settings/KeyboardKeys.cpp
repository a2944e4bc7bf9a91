// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/KeyboardKeys.h"

#include <array>

namespace tarq {

namespace {

struct KeyInfo {
    TKeyboardHookKey key;
    std::string_view name;
    uint8_t usage;   // HID keyboard usage, 0 = none
};

// One row per key, in enumeration order (checked below). Generic Shift, Ctrl and Alt are
// stored as the left-hand modifiers.
constexpr std::array<KeyInfo, kKeyboardHookKeyCount> kKeys{{
    {kh_None, "None", 0}, {kh_Demo, "Demo", 0}, {kh_255, "255", 0},
    {kh_Back, "Backspace", 0x2A}, {kh_Tab, "Tab", 0x2B}, {kh_Clear, "Clear", 0x9C},
    {kh_Return, "Enter", 0x28}, {kh_Shift, "Shift", 0xE1}, {kh_Control, "Ctrl", 0xE0},
    {kh_Alt, "Alt", 0xE2}, {kh_Pause, "Pause", 0x48}, {kh_Capital, "Caps Lock", 0x39},
    {kh_Escape, "Esc", 0x29}, {kh_Space, "Space bar", 0x2C},
    {kh_Prior, "Page Up", 0x4B}, {kh_Next, "Page Down", 0x4E}, {kh_End, "End", 0x4D},
    {kh_Home, "Home", 0x4A}, {kh_Left, "Left Arrow", 0x50}, {kh_Up, "Up Arrow", 0x52},
    {kh_Right, "Right Arrow", 0x4F}, {kh_Down, "Down Arrow", 0x51}, {kh_Select, "Select", 0x77},
    {kh_Snapshot, "Print Screen", 0x46}, {kh_Insert, "Insert", 0x49},
    {kh_Delete, "Delete", 0x4C}, {kh_Help, "Help", 0x75},
    {kh_LWIN, "Left Windows", 0xE3}, {kh_RWIN, "Right Windows", 0xE7},
    {kh_APPS, "Applications", 0x65},
    {kh_Numpad0, "0 (numeric pad)", 0x62}, {kh_Numpad1, "1 (numeric pad)", 0x59},
    {kh_Numpad2, "2 (numeric pad)", 0x5A}, {kh_Numpad3, "3 (numeric pad)", 0x5B},
    {kh_Numpad4, "4 (numeric pad)", 0x5C}, {kh_Numpad5, "5 (numeric pad)", 0x5D},
    {kh_Numpad6, "6 (numeric pad)", 0x5E}, {kh_Numpad7, "7 (numeric pad)", 0x5F},
    {kh_Numpad8, "8 (numeric pad)", 0x60}, {kh_Numpad9, "9 (numeric pad)", 0x61},
    {kh_Multiply, "Multiply (numeric pad)", 0x55}, {kh_Add, "Add (numeric pad)", 0x57},
    // The separator key is stored as keypad Enter.
    {kh_Separator, "Separator (numeric pad)", 0x58},
    {kh_Subtract, "Subtract (numeric pad)", 0x56}, {kh_Decimal, "Decimal (numeric pad)", 0x63},
    {kh_Divide, "Divide (numeric pad)", 0x54},
    {kh_F1, "F1", 0x3A}, {kh_F2, "F2", 0x3B}, {kh_F3, "F3", 0x3C}, {kh_F4, "F4", 0x3D},
    {kh_F5, "F5", 0x3E}, {kh_F6, "F6", 0x3F}, {kh_F7, "F7", 0x40}, {kh_F8, "F8", 0x41},
    {kh_F9, "F9", 0x42}, {kh_F10, "F10", 0x43}, {kh_F11, "F11", 0x44}, {kh_F12, "F12", 0x45},
    {kh_F13, "F13", 0x68}, {kh_F14, "F14", 0x69}, {kh_F15, "F15", 0x6A}, {kh_F16, "F16", 0x6B},
    {kh_F17, "F17", 0x6C}, {kh_F18, "F18", 0x6D}, {kh_F19, "F19", 0x6E}, {kh_F20, "F20", 0x6F},
    {kh_F21, "F21", 0x70}, {kh_F22, "F22", 0x71}, {kh_F23, "F23", 0x72}, {kh_F24, "F24", 0x73},
    {kh_Numlock, "Num Lock", 0x53}, {kh_Scroll, "Scroll Lock", 0x47},
    {kh_LShift, "Left Shift", 0xE1}, {kh_RShift, "Right Shift", 0xE5},
    {kh_LControl, "Left Ctrl", 0xE0}, {kh_RControl, "Right Ctrl", 0xE4},
    {kh_LAlt, "Left Alt", 0xE2}, {kh_RAlt, "Right Alt", 0xE6},
    {kh_A, "A", 0x04}, {kh_B, "B", 0x05}, {kh_C, "C", 0x06}, {kh_D, "D", 0x07},
    {kh_E, "E", 0x08}, {kh_F, "F", 0x09}, {kh_G, "G", 0x0A}, {kh_H, "H", 0x0B},
    {kh_I, "I", 0x0C}, {kh_J, "J", 0x0D}, {kh_K, "K", 0x0E}, {kh_L, "L", 0x0F},
    {kh_M, "M", 0x10}, {kh_N, "N", 0x11}, {kh_O, "O", 0x12}, {kh_P, "P", 0x13},
    {kh_Q, "Q", 0x14}, {kh_R, "R", 0x15}, {kh_S, "S", 0x16}, {kh_T, "T", 0x17},
    {kh_U, "U", 0x18}, {kh_V, "V", 0x19}, {kh_W, "W", 0x1A}, {kh_X, "X", 0x1B},
    {kh_Y, "Y", 0x1C}, {kh_Z, "Z", 0x1D},
    {kh_0, "0", 0x27}, {kh_1, "1", 0x1E}, {kh_2, "2", 0x1F}, {kh_3, "3", 0x20},
    {kh_4, "4", 0x21}, {kh_5, "5", 0x22}, {kh_6, "6", 0x23}, {kh_7, "7", 0x24},
    {kh_8, "8", 0x25}, {kh_9, "9", 0x26},
    {kh_OEM_1, "OEM_1", 0x33}, {kh_OEM_2, "OEM_2", 0x38}, {kh_OEM_3, "OEM_3", 0x35},
    {kh_OEM_4, "OEM_4", 0x2F}, {kh_OEM_5, "OEM_5", 0x31}, {kh_OEM_6, "OEM_6", 0x30},
    {kh_OEM_7, "OEM_7", 0x34}, {kh_OEM_8, "OEM_8", 0},
    {kh_OEM_Plus, "OEM_Plus", 0x2E}, {kh_OEM_Comma, "OEM_Comma", 0x36},
    {kh_OEM_Minus, "OEM_Minus", 0x2D}, {kh_OEM_Period, "OEM_Period", 0x37},
    {kh_Browser_Back, "Browser_Back", 0xCA}, {kh_Browser_Forward, "Browser_Forward", 0xCB},
    {kh_Browser_Refresh, "Browser_Refresh", 0xCD}, {kh_Browser_Stop, "Browser_Stop", 0xCC},
    {kh_Browser_Search, "Browser_Search", 0xC8},
    {kh_Browser_Favorites, "Browser_Favorites", 0xCE},
    {kh_Browser_Home, "Browser_Home", 0xC9},
    {kh_Volume_Mute, "Volume_Mute", 0xC4}, {kh_Volume_Down, "Volume_Down", 0xC6},
    {kh_Volume_Up, "Volume_Up", 0xC5}, {kh_Media_Next_Track, "Media_Next_Track", 0xC0},
    {kh_Media_Prev_Track, "Media_Prev_Track", 0xC1}, {kh_Media_Stop, "Media_Stop", 0xC2},
    {kh_Media_Play_Pause, "Media_Play_Pause", 0xC3}, {kh_Launch_Mail, "Launch_Mail", 0xC7},
    {kh_Launch_Media_Select, "Launch_Media_Select", 0xD1},
    {kh_Launch_App1, "Launch_App1", 0}, {kh_Launch_App2, "Launch_App2", 0},
    {kh_Return_KP, "", 0},
}};

constexpr bool RowsFollowTheEnumeration()
{
    for (size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i].key != i)
            return false;
    }
    return true;
}
static_assert(RowsFollowTheEnumeration());

// Runs of consecutive virtual-key codes that map to consecutive keys; other codes give kh_None.
struct VirtualKeyRun {
    uint16_t firstCode;
    uint16_t lastCode;
    TKeyboardHookKey firstKey;
};

constexpr std::array kVirtualKeyRuns{
    VirtualKeyRun{0x08, 0x09, kh_Back},        // Back, Tab
    VirtualKeyRun{0x0C, 0x0C, kh_Clear},
    VirtualKeyRun{0x0D, 0x0D, kh_Return},
    VirtualKeyRun{0x10, 0x14, kh_Shift},       // Shift, Control, Alt, Pause, Capital
    VirtualKeyRun{0x1B, 0x1B, kh_Escape},
    VirtualKeyRun{0x20, 0x29, kh_Space},       // Space .. Select
    VirtualKeyRun{0x2C, 0x2F, kh_Snapshot},    // Snapshot, Insert, Delete, Help
    VirtualKeyRun{0x30, 0x39, kh_0},
    VirtualKeyRun{0x41, 0x5A, kh_A},
    VirtualKeyRun{0x5B, 0x5D, kh_LWIN},        // LWIN, RWIN, APPS
    VirtualKeyRun{0x60, 0x69, kh_Numpad0},
    VirtualKeyRun{0x6A, 0x6F, kh_Multiply},    // Multiply .. Divide
    VirtualKeyRun{0x70, 0x87, kh_F1},          // F1 .. F24
    VirtualKeyRun{0x90, 0x91, kh_Numlock},     // Numlock, Scroll
    VirtualKeyRun{0xA0, 0xA5, kh_LShift},      // LShift .. RAlt
    VirtualKeyRun{0xA6, 0xB7, kh_Browser_Back},// Browser_Back .. Launch_App2
    VirtualKeyRun{0xBA, 0xBA, kh_OEM_1},
    VirtualKeyRun{0xBB, 0xBE, kh_OEM_Plus},    // Plus, Comma, Minus, Period
    VirtualKeyRun{0xBF, 0xC0, kh_OEM_2},       // OEM_2, OEM_3
    VirtualKeyRun{0xDB, 0xDF, kh_OEM_4},       // OEM_4 .. OEM_8
    VirtualKeyRun{0xFF, 0xFF, kh_255},
};

} // namespace

std::string_view KeyDisplayName(TKeyboardHookKey key)
{
    return key < kKeys.size() ? kKeys[key].name : std::string_view{};
}

TKeyboardHookKey VirtualKeyToHookKey(uint16_t virtualKey)
{
    for (const VirtualKeyRun& run : kVirtualKeyRuns) {
        if (virtualKey >= run.firstCode && virtualKey <= run.lastCode)
            return static_cast<TKeyboardHookKey>(run.firstKey + (virtualKey - run.firstCode));
    }
    return kh_None;
}

uint8_t KeyToHidUsage(TKeyboardHookKey key)
{
    return key < kKeys.size() ? kKeys[key].usage : 0;
}

} // namespace tarq
