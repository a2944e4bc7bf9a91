// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one mapping from a key event to a Windows virtual-key code, shared by the recording in
// the program's own window and the key dialogs. A key event may carry two descriptions of the
// key: the X keysym (X11 and Wayland report it as the native key) and the toolkit's key value.
// The keysym is the more exact one (it tells the keypad and the left and right keys apart by
// itself) and is tried first; the toolkit's key covers events without a keysym (synthetic
// events, the headless platform, Windows) and keysyms the table does not know.

#include <cstdint>

namespace tarq {

// keysym: 0 when the event carries none. qtKey and keypad as for QtKeyToVirtualKey.
// 0 for a key that neither description maps.
uint16_t VirtualKeyOfKeyEvent(uint32_t keysym, int qtKey, bool keypad);

} // namespace tarq
