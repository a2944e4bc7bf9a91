// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/KeyboardKeys.h"
#include "settings/QtKeyToVirtualKey.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

// Key values of the window toolkit, written out as the toolkit defines them.
constexpr int Special(int offset) { return 0x01000000 + offset; }

TEST(QtKeyToVirtualKey, KeysReachTheirVirtualKeyAndUsage)
{
    struct Case {
        int key;
        bool keypad;
        uint16_t vk;
        uint8_t usage;   // what the key dialogs then store
    };
    const Case cases[] = {
        {'A', false, 0x41, 0x04}, {'a', false, 0x41, 0x04}, {'Z', false, 0x5A, 0x1D},
        {'1', false, 0x31, 0x1E}, {'0', false, 0x30, 0x27}, {'!', false, 0x31, 0x1E},
        {')', false, 0x30, 0x27}, {' ', false, 0x20, 0x2C},
        {Special(0x00), false, 0x1B, 0x29},   // Escape
        {Special(0x04), false, 0x0D, 0x28},   // Return
        {Special(0x02), false, 0x09, 0x2B},   // Backtab is the Tab key
        {Special(0x12), false, 0x25, 0x50},   // Left
        {Special(0x30), false, 0x70, 0x3A},   // F1
        {Special(0x47), false, 0x87, 0x73},   // F24
        {Special(0x20), false, 0x10, 0xE1},   // Shift
        {Special(0x21), false, 0x11, 0xE0},   // Control
        {Special(0x23), false, 0x12, 0xE2},   // Alt
        {Special(0x53), false, 0x5B, 0xE3},   // Super_L
        {Special(0x54), false, 0x5C, 0xE7},   // Super_R
        {Special(0x55), false, 0x5D, 0x65},   // Menu
        {Special(0x72), false, 0xAF, 0xC5},   // VolumeUp
        {';', false, 0xBA, 0x33}, {'=', false, 0xBB, 0x2E}, {'/', false, 0xBF, 0x38},
        {'[', false, 0xDB, 0x2F}, {'\'', false, 0xDE, 0x34}, {'`', false, 0xC0, 0x35},
        // The numeric pad has keys of its own.
        {'0', true, 0x60, 0x62}, {'7', true, 0x67, 0x5F}, {'*', true, 0x6A, 0x55},
        {'+', true, 0x6B, 0x57}, {'-', true, 0x6D, 0x56}, {'/', true, 0x6F, 0x54},
        {'.', true, 0x6E, 0x63}, {Special(0x05), true, 0x0D, 0x28},
        {Special(0x10), true, 0x24, 0x4A},    // Home with Num Lock off
        // Keys without a code.
        {0, false, 0, 0}, {Special(0xFFFF), false, 0, 0}, {0x00E9, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.key << (c.keypad ? " keypad" : ""));
        const uint16_t vk = QtKeyToVirtualKey(c.key, c.keypad);
        EXPECT_EQ(vk, c.vk);
        EXPECT_EQ(KeyToHidUsage(VirtualKeyToHookKey(vk)), c.usage);
    }
}

} // namespace
} // namespace tarq
