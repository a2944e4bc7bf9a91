// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The checksum of parameter section A, the profile section, the fire-key section and every
// macro record: the byte sum modulo 256 of the bytes before the checksum byte, XOR 0x5A.

#include <cstdint>
#include <span>

namespace tarq {

constexpr uint8_t SectionChecksum(std::span<const uint8_t> bytesBeforeChecksum)
{
    uint8_t sum = 0;
    for (uint8_t b : bytesBeforeChecksum)
        sum = static_cast<uint8_t>(sum + b);
    return static_cast<uint8_t>(sum ^ 0x5A);
}

} // namespace tarq
