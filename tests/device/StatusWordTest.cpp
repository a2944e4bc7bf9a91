// SPDX-License-Identifier: GPL-2.0-or-later
// The button-state word and the keys of office mode it names.

#include <gtest/gtest.h>

#include "device/StatusWord.h"

using namespace tarq;

TEST(StatusWord, PressedKeysInBitOrder)
{
    struct Case { uint16_t word; std::vector<int> keys; };
    const Case cases[] = {
        {0x000, {}},
        {0x001, {1}},
        {0x004, {3}},
        {0x005, {1, 3}},                     // left and right together: key 1 first
        {0x01F, {1, 2, 3, 4, 5}},
        {0x020, {6}},
        {0x100, {7}},
        {0x200, {8}},
        {0x400, {9}},
        {0x0C0, {}},                         // bits 6 and 7 are no keys
        {0xF800, {}},                        // nor bit 11 and above
        {0xFFFF, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PressedKeys(c.word), c.keys) << "word 0x" << std::hex << c.word;
}

TEST(StatusWord, BitOfKeyIsTheInverse)
{
    for (int key = 1; key <= 9; ++key)
        EXPECT_EQ(PressedKeys(StatusBitOfKey(key)), std::vector<int>{key});
    EXPECT_EQ(StatusBitOfKey(0), 0);
    EXPECT_EQ(StatusBitOfKey(10), 0);
}
