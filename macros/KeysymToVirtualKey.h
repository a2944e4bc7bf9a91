// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// X keysyms to Windows virtual-key codes, for the X11 capture and for the key events of the
// program's own window (Qt reports the keysym as the native virtual key on X11 and Wayland).
// Left and right Shift, Ctrl and Alt give the generic codes 0x10-0x12, as raw keyboard input
// does on Windows; the Windows keys give 0x5B and 0x5C.

#include <cstdint>

namespace tarq {

// The virtual-key code of a keysym; 0 for keysyms without one.
uint16_t VirtualKeyFromKeysym(uint32_t keysym);

} // namespace tarq
