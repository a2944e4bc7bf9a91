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

VerifyOutcome WriteAndVerifyImage(FeatureProtocol& protocol, std::span<const uint8_t> image)
{
    VerifyOutcome outcome;
    const size_t size = std::min<size_t>(image.size(), kImageBytes);
    if (protocol.ShowProgress)
        protocol.ShowProgress();
    std::vector<uint8_t> readBack(size, 0xFF);
    if (!protocol.WriteMemory(0, static_cast<uint32_t>(size), image.first(size)))
        return outcome;
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
    return outcome;
}

WriteOutcome WriteImageToMouse(FeatureProtocol& protocol, std::span<const uint8_t> image, bool requireStoringChip)
{
    WriteOutcome outcome;
    outcome.exchange = OpenExchange(protocol);
    if (outcome.exchange != ExchangeState::Open)
        return outcome;
    outcome.configReady = protocol.ConfigReady;
    if (protocol.ConfigReady && (!requireStoringChip || protocol.ChipCode == kChipThatStoresWrites)) {
        outcome.wrote = true;
        outcome.verify = WriteAndVerifyImage(protocol, image);
    }
    CloseExchange(protocol);
    return outcome;
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
    protocol.ReadMemory(kDeviceCodesAddress, 2, codes);
    identity.manufacturer = codes[0];
    identity.product = codes[1];
    const auto matches = [&](AcceptedCodes c) { return c.manufacturer == codes[0] && c.product == codes[1]; };
    if (matches(expected) || matches(reserved)) {
        identity.result = IdentifyResult::Accepted;
    } else {
        CloseExchange(protocol);
        identity.result = IdentifyResult::Foreign;
    }
    return identity;
}

void ReadImageAndClose(FeatureProtocol& protocol, std::span<uint8_t> image)
{
    protocol.ReadMemoryShowingProgress(0, kImageBytes, image);
    CloseExchange(protocol);
}

} // namespace tarq
