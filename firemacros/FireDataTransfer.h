// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writing the fire data to the mouse without a whole Apply: the pointer, Y-offset and colour
// tables and the fire macro area on the gun page's Confirm, the area alone after an import.
// The blocks are written only when the exchange opens, the memory is ready and the chip is
// the one that stores writes; the exchange is reloaded and closed whenever it opened.

#include "device/DeviceLink.h"
#include "device/FeatureProtocol.h"
#include "device/ImageTransfer.h"

#include <cstdint>
#include <span>

namespace tarq {

struct FireDataBlock {
    uint16_t address;
    std::span<const uint8_t> bytes;
};

struct FireDataWrite {
    ExchangeState exchange = ExchangeState::NoAnswer;
    bool wrote = false;         // the blocks were sent
    bool transferred = false;   // and every write was accepted
};

// The blocks in order. What the mouse holds (`known`, when given) follows a complete write and
// is forgotten after a write that broke off.
FireDataWrite WriteFireData(FeatureProtocol& protocol, std::span<const FireDataBlock> blocks,
                            KnownMemory* known = nullptr);

} // namespace tarq
