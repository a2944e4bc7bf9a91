// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/KeyEventVirtualKey.h"

#include <gtest/gtest.h>

using namespace tarq;

// The keysym decides where it maps; the toolkit's key covers events without one and keysyms
// the table does not know.
TEST(KeyEventVirtualKey, KeysymFirstThenTheToolkitKey)
{
    constexpr int kF5 = 0x01000034, kVolumeUp = 0x01000072, kShift = 0x01000020;
    struct Case {
        const char* what;
        uint32_t keysym;
        int qtKey;
        bool keypad;
        uint16_t vk;
    } const cases[] = {
        {"letter by keysym", 0x0061, 'A', false, 0x41},
        {"keypad digit by keysym, no keypad flag needed", 0xFFB1, '1', false, 0x61},
        {"keypad digit without Num Lock is its arrow", 0xFF96, '4', true, 0x25},
        {"right Shift by keysym", 0xFFE2, kShift, false, 0x10},
        {"synthetic letter", 0, 'Q', false, 0x51},
        {"synthetic keypad digit", 0, '7', true, 0x67},
        {"synthetic F5", 0, kF5, false, 0x74},
        {"synthetic shifted digit", 0, '!', false, 0x31},
        {"unknown keysym falls back", 0x1008FFFE, kVolumeUp, false, 0xAF},
        {"neither maps", 0x1008FFFE, 0x01FFFFFF, false, 0},
        {"no key at all", 0, 0, false, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyOfKeyEvent(c.keysym, c.qtKey, c.keypad), c.vk) << c.what;
}
