// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/ImageTransfer.h"

#include <algorithm>

namespace tarq {
namespace {

std::vector<uint16_t> differingPositions(std::span<const uint8_t> image, std::span<const uint8_t> readBack)
{
    std::vector<uint16_t> positions;
    const size_t n = std::min(image.size(), readBack.size());
    for (size_t p = 0; p < n; ++p)
        if (image[p] != readBack[p])
            positions.push_back(static_cast<uint16_t>(p));
    return positions;
}

} // namespace

ExchangeState OpenExchange(FeatureProtocol& protocol)
{
    if (!protocol.SendCommand(CmdOpen))
        return ExchangeState::NoAnswer;
    protocol.ConfigReady = false;
    if (!protocol.SendCommand(CmdStatus))
        return ExchangeState::NoAnswer;
    if (protocol.ReportBuffer[1] != status::kReadyForAccess)
        return ExchangeState::NotReady;
    return ExchangeState::Open;
}

bool CloseExchange(FeatureProtocol& protocol)
{
    const bool reloaded = protocol.SystemReloadCmd_OnClick();
    const bool closed = protocol.SendCommand(CmdClose);
    return reloaded && closed;
}

std::vector<std::pair<uint32_t, uint32_t>> ChangedChunkRanges(std::span<const uint8_t> image, const KnownMemory& known)
{
    const uint32_t size = static_cast<uint32_t>(std::min<size_t>(image.size(), kDeviceImageSize));
    if (!known || known->size() < size)
        return {{0, size}};
    std::vector<std::pair<uint32_t, uint32_t>> ranges;
    for (uint32_t first = 0; first < size; first += kChunkBytes) {
        const uint32_t end = std::min<uint32_t>(first + kChunkBytes, size);
        if (std::equal(image.begin() + first, image.begin() + end, known->begin() + first))
            continue;
        if (!ranges.empty() && ranges.back().second == first)
            ranges.back().second = end;
        else
            ranges.emplace_back(first, end);
    }
    return ranges;
}

VerifyOutcome WriteAndVerifyImage(FeatureProtocol& protocol, std::span<const uint8_t> image, KnownMemory* known)
{
    VerifyOutcome outcome;
    const size_t size = std::min<size_t>(image.size(), kDeviceImageSize);
    if (protocol.ShowProgress)
        protocol.ShowProgress();
    std::vector<uint8_t> readBack(size, 0xFF);
    const auto ranges = ChangedChunkRanges(image.first(size), known ? *known : KnownMemory{});
    if (known)
        known->reset(); // until the read-back tells again
    for (const auto& [first, end] : ranges)
        if (!protocol.WriteMemory(first, end - first, image.subspan(first, end - first)))
            return outcome;
    protocol.Stage = TransferStage::Verifying;
    if (!protocol.ReadMemoryShowingProgress(0, static_cast<uint32_t>(size), readBack))
        return outcome;
    outcome.differing = differingPositions(image.first(size), readBack);
    while (!outcome.differing.empty() && outcome.rewritePasses < kVerifyPasses) {
        ++outcome.rewritePasses;
        for (uint16_t p : outcome.differing)
            if (!protocol.WriteMemory(p, 1, image.subspan(p, 1)))
                return outcome;
        if (!protocol.ReadMemoryShowingProgress(0, static_cast<uint32_t>(size), readBack))
            return outcome;
        outcome.differing = differingPositions(image.first(size), readBack);
    }
    outcome.transferred = true;
    if (known && size == kDeviceImageSize)
        *known = std::move(readBack);
    return outcome;
}

WriteOutcome WriteImageToMouse(FeatureProtocol& protocol, std::span<const uint8_t> image, bool requireStoringChip,
                               KnownMemory* known)
{
    WriteOutcome outcome;
    outcome.exchange = OpenExchange(protocol);
    if (outcome.exchange != ExchangeState::Open)
        return outcome;
    outcome.configReady = protocol.ConfigReady;
    if (protocol.ConfigReady && (!requireStoringChip || protocol.ChipCode == kChipThatStoresWrites)) {
        outcome.wrote = true;
        outcome.verify = WriteAndVerifyImage(protocol, image, known);
    }
    CloseExchange(protocol);
    return outcome;
}

bool CodesAccepted(uint8_t manufacturer, uint8_t product, AcceptedCodes expected, AcceptedCodes reserved)
{
    const auto matches = [&](AcceptedCodes c) { return c.manufacturer == manufacturer && c.product == product; };
    return matches(expected) || matches(reserved);
}

Identity IdentifyMouse(FeatureProtocol& protocol, AcceptedCodes expected, AcceptedCodes reserved)
{
    Identity identity;
    if (!protocol.SendCommand(CmdOpen))
        return identity;
    protocol.ConfigReady = false;
    protocol.ChipCode = 0;
    if (!protocol.SendCommand(CmdStatus) || protocol.ReportBuffer[1] != status::kReadyForAccess)
        return identity; // the exchange is left open: the mouse did not take part in it
    if (!protocol.ConfigReady) {
        CloseExchange(protocol);
        identity.result = IdentifyResult::NotReady;
        return identity;
    }
    std::array<uint8_t, 2> codes{};
    protocol.ReadMemory(layout::kDeviceCodesAddress, 2, codes);
    identity.manufacturer = codes[0];
    identity.product = codes[1];
    if (CodesAccepted(codes[0], codes[1], expected, reserved)) {
        identity.result = IdentifyResult::Accepted;
    } else {
        CloseExchange(protocol);
        identity.result = IdentifyResult::Foreign;
    }
    return identity;
}

void ReadImageAndClose(FeatureProtocol& protocol, std::span<uint8_t> image, KnownMemory* known)
{
    protocol.Stage = TransferStage::Reading;
    const bool read = protocol.ReadMemoryShowingProgress(0, kDeviceImageSize, image);
    if (known) {
        if (read && image.size() >= kDeviceImageSize)
            *known = std::vector<uint8_t>(image.begin(), image.begin() + kDeviceImageSize);
        else
            known->reset();
    }
    CloseExchange(protocol);
}

} // namespace tarq
