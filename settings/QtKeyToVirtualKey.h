// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Windows virtual-key code of a key as the window toolkit reports it in a key event: its
// integer key value (the toolkit's key enumeration; letters and digits are their upper-case
// character codes, other keys live above 0x01000000) and whether the key is on the numeric
// pad. The key dialogs take their keys this way, so they work on every platform, the headless
// one included. Kept free of the toolkit's headers: the key values are written out here.

#include <cstdint>

namespace tarq {

// 0 for keys without a virtual-key code.
uint16_t QtKeyToVirtualKey(int qtKey, bool keypad);

} // namespace tarq
