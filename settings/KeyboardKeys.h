// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Keyboard keys as the recording hook reports them: the key enumeration with its display
// names (used in macro script lines), the Windows virtual-key code of each key, and the HID
// keyboard usage a key is stored as.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarq {

// The keys, in their fixed order (the order is part of the data: values are stored by index).
enum TKeyboardHookKey : uint8_t {
    kh_None, kh_Demo, kh_255,
    kh_Back, kh_Tab, kh_Clear, kh_Return, kh_Shift, kh_Control, kh_Alt, kh_Pause, kh_Capital,
    kh_Escape, kh_Space,
    kh_Prior, kh_Next, kh_End, kh_Home, kh_Left, kh_Up, kh_Right, kh_Down, kh_Select,
    kh_Snapshot, kh_Insert, kh_Delete, kh_Help,
    kh_LWIN, kh_RWIN, kh_APPS,
    kh_Numpad0, kh_Numpad1, kh_Numpad2, kh_Numpad3, kh_Numpad4, kh_Numpad5, kh_Numpad6,
    kh_Numpad7, kh_Numpad8, kh_Numpad9,
    kh_Multiply, kh_Add, kh_Separator, kh_Subtract, kh_Decimal, kh_Divide,
    kh_F1, kh_F2, kh_F3, kh_F4, kh_F5, kh_F6, kh_F7, kh_F8, kh_F9, kh_F10, kh_F11, kh_F12,
    kh_F13, kh_F14, kh_F15, kh_F16, kh_F17, kh_F18, kh_F19, kh_F20, kh_F21, kh_F22, kh_F23, kh_F24,
    kh_Numlock, kh_Scroll,
    kh_LShift, kh_RShift, kh_LControl, kh_RControl, kh_LAlt, kh_RAlt,
    kh_A, kh_B, kh_C, kh_D, kh_E, kh_F, kh_G, kh_H, kh_I, kh_J, kh_K, kh_L, kh_M, kh_N, kh_O,
    kh_P, kh_Q, kh_R, kh_S, kh_T, kh_U, kh_V, kh_W, kh_X, kh_Y, kh_Z,
    kh_0, kh_1, kh_2, kh_3, kh_4, kh_5, kh_6, kh_7, kh_8, kh_9,
    kh_OEM_1, kh_OEM_2, kh_OEM_3, kh_OEM_4, kh_OEM_5, kh_OEM_6, kh_OEM_7, kh_OEM_8,
    kh_OEM_Plus, kh_OEM_Comma, kh_OEM_Minus, kh_OEM_Period,
    kh_Browser_Back, kh_Browser_Forward, kh_Browser_Refresh, kh_Browser_Stop, kh_Browser_Search,
    kh_Browser_Favorites, kh_Browser_Home,
    kh_Volume_Mute, kh_Volume_Down, kh_Volume_Up, kh_Media_Next_Track, kh_Media_Prev_Track,
    kh_Media_Stop, kh_Media_Play_Pause, kh_Launch_Mail, kh_Launch_Media_Select, kh_Launch_App1,
    kh_Launch_App2,
    kh_Return_KP,
};

inline constexpr size_t kKeyboardHookKeyCount = 145;
static_assert(kh_Return_KP + 1 == kKeyboardHookKeyCount);

// The display name of a key ("Space bar", "Left Ctrl", "OEM_Plus"); kh_Return_KP and values
// outside the enumeration have none.
std::string_view KeyDisplayName(TKeyboardHookKey key);

// The key of a Windows virtual-key code; kh_None for codes without a key.
TKeyboardHookKey VirtualKeyToHookKey(uint16_t virtualKey);

// The HID keyboard usage a key is stored as in key-function codes and macros; 0 for keys
// without one. Media and browser keys give the values 0xC0-0xD1, which stand for those keys
// inside macros and are not keyboard-page usages.
uint8_t KeyToHidUsage(TKeyboardHookKey key);

} // namespace tarq
