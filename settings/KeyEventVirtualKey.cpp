// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/KeyEventVirtualKey.h"

#include "macros/KeysymToVirtualKey.h"
#include "settings/QtKeyToVirtualKey.h"

namespace tarq {

uint16_t VirtualKeyOfKeyEvent(uint32_t keysym, int qtKey, bool keypad)
{
    if (keysym != 0)
        if (const uint16_t vk = VirtualKeyFromKeysym(keysym))
            return vk;
    return QtKeyToVirtualKey(qtKey, keypad);
}

} // namespace tarq
