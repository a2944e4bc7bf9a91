// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/StatusWord.h"

#include <array>
#include <cstddef>

namespace tarq {
namespace {

// Keys 1-6 take bits 0-5, keys 7-9 bits 8-10; bits 6, 7 and 11 up are not keys.
constexpr std::array<uint16_t, 9> kKeyBits = {0x001, 0x002, 0x004, 0x008, 0x010,
                                              0x020, 0x100, 0x200, 0x400};

} // namespace

std::vector<int> PressedKeys(uint16_t word)
{
    std::vector<int> keys;
    for (std::size_t i = 0; i < kKeyBits.size(); ++i)
        if (word & kKeyBits[i])
            keys.push_back(static_cast<int>(i) + 1);
    return keys;
}

uint16_t StatusBitOfKey(int key)
{
    return key >= 1 && key <= static_cast<int>(kKeyBits.size()) ? kKeyBits[static_cast<std::size_t>(key - 1)] : 0;
}

} // namespace tarq
