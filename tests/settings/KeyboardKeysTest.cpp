// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/HidUsageNames.h"
#include "settings/KeyboardKeys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tarq {
namespace {

TEST(KeyboardKeys, VirtualKeysMapToTheirKeys)
{
    const std::pair<uint16_t, TKeyboardHookKey> cases[] = {
        {0x08, kh_Back}, {0x09, kh_Tab}, {0x0C, kh_Clear}, {0x0D, kh_Return},
        {0x10, kh_Shift}, {0x11, kh_Control}, {0x12, kh_Alt}, {0x13, kh_Pause},
        {0x14, kh_Capital}, {0x1B, kh_Escape}, {0x20, kh_Space}, {0x21, kh_Prior},
        {0x25, kh_Left}, {0x28, kh_Down}, {0x29, kh_Select}, {0x2C, kh_Snapshot},
        {0x2F, kh_Help}, {0x30, kh_0}, {0x39, kh_9}, {0x41, kh_A}, {0x5A, kh_Z},
        {0x5B, kh_LWIN}, {0x5C, kh_RWIN}, {0x5D, kh_APPS}, {0x60, kh_Numpad0},
        {0x69, kh_Numpad9}, {0x6A, kh_Multiply}, {0x6C, kh_Separator}, {0x6F, kh_Divide},
        {0x70, kh_F1}, {0x87, kh_F24}, {0x90, kh_Numlock}, {0x91, kh_Scroll},
        {0xA0, kh_LShift}, {0xA5, kh_RAlt}, {0xA6, kh_Browser_Back}, {0xAC, kh_Browser_Home},
        {0xAD, kh_Volume_Mute}, {0xB3, kh_Media_Play_Pause}, {0xB7, kh_Launch_App2},
        {0xBA, kh_OEM_1}, {0xBB, kh_OEM_Plus}, {0xBC, kh_OEM_Comma}, {0xBD, kh_OEM_Minus},
        {0xBE, kh_OEM_Period}, {0xBF, kh_OEM_2}, {0xC0, kh_OEM_3}, {0xDB, kh_OEM_4},
        {0xDF, kh_OEM_8}, {0xFF, kh_255},
        // Codes without a key.
        {0x00, kh_None}, {0x01, kh_None}, {0x0A, kh_None}, {0x15, kh_None}, {0x2A, kh_None},
        {0x3A, kh_None}, {0x5F, kh_None}, {0x88, kh_None}, {0xB8, kh_None}, {0xC1, kh_None},
        {0xE0, kh_None}, {0xFE, kh_None}, {0x100, kh_None}, {0xFFFF, kh_None}};
    for (const auto& [vk, key] : cases)
        EXPECT_EQ(VirtualKeyToHookKey(vk), key) << "virtual key 0x" << std::hex << vk;
}

TEST(KeyboardKeys, DisplayNamesFollowTheEnumeration)
{
    const std::pair<TKeyboardHookKey, const char*> cases[] = {
        {kh_None, "None"}, {kh_255, "255"}, {kh_Back, "Backspace"}, {kh_Return, "Enter"},
        {kh_Control, "Ctrl"}, {kh_Capital, "Caps Lock"}, {kh_Space, "Space bar"},
        {kh_Prior, "Page Up"}, {kh_Snapshot, "Print Screen"}, {kh_LWIN, "Left Windows"},
        {kh_RWIN, "Right Windows"}, {kh_Numpad7, "7 (numeric pad)"},
        {kh_Separator, "Separator (numeric pad)"}, {kh_F24, "F24"}, {kh_Scroll, "Scroll Lock"},
        {kh_RControl, "Right Ctrl"}, {kh_Q, "Q"}, {kh_0, "0"}, {kh_OEM_8, "OEM_8"},
        {kh_OEM_Period, "OEM_Period"}, {kh_Browser_Favorites, "Browser_Favorites"},
        {kh_Launch_App2, "Launch_App2"}, {kh_Return_KP, ""},
        {static_cast<TKeyboardHookKey>(200), ""}};
    for (const auto& [key, name] : cases)
        EXPECT_EQ(KeyDisplayName(key), name) << int(key);
}

TEST(KeyboardKeys, KeysGiveTheirHidUsages)
{
    const std::pair<TKeyboardHookKey, uint8_t> cases[] = {
        {kh_A, 0x04}, {kh_Z, 0x1D}, {kh_1, 0x1E}, {kh_0, 0x27}, {kh_Return, 0x28},
        {kh_Escape, 0x29}, {kh_Back, 0x2A}, {kh_Tab, 0x2B}, {kh_Space, 0x2C},
        {kh_F1, 0x3A}, {kh_F12, 0x45}, {kh_F13, 0x68}, {kh_F24, 0x73},
        {kh_Shift, 0xE1}, {kh_LShift, 0xE1}, {kh_RShift, 0xE5},
        {kh_Control, 0xE0}, {kh_LControl, 0xE0}, {kh_RControl, 0xE4},
        {kh_Alt, 0xE2}, {kh_LAlt, 0xE2}, {kh_RAlt, 0xE6}, {kh_LWIN, 0xE3}, {kh_RWIN, 0xE7},
        {kh_APPS, 0x65}, {kh_Clear, 0x9C}, {kh_Select, 0x77}, {kh_Help, 0x75},
        {kh_Snapshot, 0x46}, {kh_Separator, 0x58}, {kh_Numpad1, 0x59}, {kh_Numpad0, 0x62},
        {kh_Decimal, 0x63}, {kh_Numlock, 0x53},
        {kh_OEM_1, 0x33}, {kh_OEM_2, 0x38}, {kh_OEM_3, 0x35}, {kh_OEM_4, 0x2F},
        {kh_OEM_5, 0x31}, {kh_OEM_6, 0x30}, {kh_OEM_7, 0x34},
        {kh_OEM_Plus, 0x2E}, {kh_OEM_Comma, 0x36}, {kh_OEM_Minus, 0x2D}, {kh_OEM_Period, 0x37},
        {kh_Browser_Back, 0xCA}, {kh_Browser_Forward, 0xCB}, {kh_Browser_Refresh, 0xCD},
        {kh_Browser_Stop, 0xCC}, {kh_Browser_Search, 0xC8}, {kh_Browser_Favorites, 0xCE},
        {kh_Browser_Home, 0xC9}, {kh_Volume_Mute, 0xC4}, {kh_Volume_Down, 0xC6},
        {kh_Volume_Up, 0xC5}, {kh_Media_Next_Track, 0xC0}, {kh_Media_Prev_Track, 0xC1},
        {kh_Media_Stop, 0xC2}, {kh_Media_Play_Pause, 0xC3}, {kh_Launch_Mail, 0xC7},
        {kh_Launch_Media_Select, 0xD1},
        {kh_None, 0}, {kh_Demo, 0}, {kh_255, 0}, {kh_OEM_8, 0}, {kh_Launch_App1, 0},
        {kh_Launch_App2, 0}, {kh_Return_KP, 0}};
    for (const auto& [key, usage] : cases)
        EXPECT_EQ(KeyToHidUsage(key), usage) << KeyDisplayName(key);
}

// A key with a usage is named by that usage as it is by itself, apart from the keys whose
// usage table name differs on purpose (generic modifiers, Windows keys, the separator).
TEST(KeyboardKeys, UsageNamesAgreeWithKeyNames)
{
    const std::set<TKeyboardHookKey> namedOtherwise{
        kh_Shift, kh_Control, kh_Alt, kh_LWIN, kh_RWIN};
    for (size_t i = 0; i < kKeyboardHookKeyCount; ++i) {
        const auto key = static_cast<TKeyboardHookKey>(i);
        const uint8_t usage = KeyToHidUsage(key);
        if (usage == 0 || namedOtherwise.contains(key))
            continue;
        EXPECT_EQ(HidUsageToKeyName(usage), std::string(KeyDisplayName(key))) << int(i);
    }
}

} // namespace
} // namespace tarq
