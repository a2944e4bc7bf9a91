// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/FireDataTransfer.h"

#include <algorithm>

namespace tarq {

FireDataWrite WriteFireData(FeatureProtocol& protocol, std::span<const FireDataBlock> blocks, KnownMemory* known)
{
    FireDataWrite outcome;
    outcome.exchange = OpenExchange(protocol);
    if (outcome.exchange != ExchangeState::Open)
        return outcome;
    if (protocol.ConfigReady && protocol.ChipCode == kChipThatStoresWrites) {
        outcome.wrote = true;
        protocol.Stage = TransferStage::Writing;
        outcome.transferred = true;
        for (const FireDataBlock& block : blocks) {
            if (!protocol.WriteMemory(block.address, static_cast<uint32_t>(block.bytes.size()), block.bytes)) {
                outcome.transferred = false;
                break;
            }
        }
        if (known && *known) {
            if (outcome.transferred) {
                for (const FireDataBlock& block : blocks)
                    if (block.address + block.bytes.size() <= (*known)->size())
                        std::copy(block.bytes.begin(), block.bytes.end(), (*known)->begin() + block.address);
            } else {
                known->reset();
            }
        }
    }
    CloseExchange(protocol);
    return outcome;
}

} // namespace tarq
