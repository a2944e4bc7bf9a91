// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/DriverChannel.h"

#include "config/HexText.h"
#include "config/ImageSections.h"
#include "device/DriverIoctl.h"

#include <algorithm>
#include <cstdlib>

namespace tarq {
namespace {

constexpr uint8_t kDriverReadState = 0xA6;  // CmdOpen state for the driver-mode read and Apply
constexpr uint8_t kDriverLoadState = 0xA5;  // CmdOpen state after a reset or load of the store

std::vector<uint8_t> requestBuffer(uint32_t offset, uint32_t length)
{
    std::vector<uint8_t> b(kStoreRequestHeader + length, 0);
    for (int i = 0; i < 4; ++i) {
        b[i] = static_cast<uint8_t>(offset >> (8 * i));
        b[4 + i] = static_cast<uint8_t>(length >> (8 * i));
    }
    return b;
}

// CmdOpen with the expected state, CmdStatus with 0xAA: true when the exchange is open.
bool openDriverExchange(FeatureProtocol& protocol, uint8_t state)
{
    if (!protocol.SendCommand(CmdOpen) || protocol.ReportBuffer[1] != state)
        return false;
    return protocol.SendCommand(CmdStatus) && protocol.ReportBuffer[1] == status::kReadyForAccess;
}

} // namespace

std::vector<uint8_t> DriverChannel::ReadStoreRange(uint32_t offset, uint32_t length)
{
    std::vector<uint8_t> buffer = requestBuffer(offset, length);
    size_t returned = 0;
    if (!link_.DriverHandle) {
        error_ = "companion driver not open";
    } else if (!link_.DriverHandle->ioControl(IoctlReadStore, buffer, buffer, returned)) {
        error_ = "companion driver rejected a store read";
        std::fill(buffer.begin() + kStoreRequestHeader, buffer.end(), 0);
    }
    return {buffer.begin() + kStoreRequestHeader, buffer.end()};
}

bool DriverChannel::WriteStoreRange(uint32_t offset, std::span<const uint8_t> bytes)
{
    std::vector<uint8_t> buffer = requestBuffer(offset, static_cast<uint32_t>(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), buffer.begin() + kStoreRequestHeader);
    size_t returned = 0;
    if (!link_.DriverHandle || !link_.DriverHandle->ioControl(IoctlWriteStore, buffer, {}, returned)) {
        error_ = "companion driver rejected a store write";
        return false;
    }
    return true;
}

bool DriverChannel::FetchCpiAndLedRecord(CpiAndLedRecord& record)
{
    CpiAndLedRecord fetched{};
    size_t returned = 0;
    if (!link_.DriverHandle || !link_.DriverHandle->ioControl(IoctlGetCpiLed, {}, fetched, returned))
        return false;
    record = fetched;
    return true;
}

bool SendCpiAndLedRecord(FeatureProtocol& protocol, const CpiAndLedRecord& record)
{
    if (!openDriverExchange(protocol, kDriverReadState))
        return false;
    bool taken = false;
    if (protocol.SendCommand(CmdStatus, status::kDriverQuery1, status::kDriverQuery2)) {
        protocol.SendCommand(CmdSetCpiLed, record[0], record[1], record[2], record[3]);
        taken = true;
    }
    protocol.SendCommand(CmdClose);
    return taken;
}

void SendRecordAfterStoreLoad(FeatureProtocol& protocol, const CpiAndLedRecord& record)
{
    if (!openDriverExchange(protocol, kDriverLoadState))
        return;
    if (protocol.SendCommand(CmdStatus, status::kDriverQuery1, status::kDriverQuery2))
        protocol.SendCommand(CmdSetCpiLed, record[0], record[1], record[2], 0);
    protocol.SendCommand(CmdClose);
}

DriverHandshake DriverModeHandshake(FeatureProtocol& protocol)
{
    DriverHandshake h;
    if (!protocol.SendCommand(CmdOpen))
        return h;
    if (protocol.ReportBuffer[1] != kDriverReadState) {
        h.result = DriverHandshake::Result::NotDriverMode;
        return h;
    }
    if (!protocol.SendCommand(CmdStatus) || protocol.ReportBuffer[1] != status::kReadyForAccess)
        return h;
    if (!protocol.SendCommand(CmdStatus, status::kDriverQuery1, status::kDriverQuery2))
        return h;
    if (!(protocol.ReportBuffer[2] & status::kDriverModeBit)) {
        h.result = DriverHandshake::Result::NotDriverMode;
        return h;
    }
    h.ledTypeBits = protocol.ReportBuffer[3] & 0xC0;
    h.ledTypeKnown = true;
    if (!protocol.SendCommand(CmdClose))
        return h;
    h.result = DriverHandshake::Result::Ready;
    return h;
}

const char* LedTypeName(uint8_t ledTypeBits)
{
    switch (ledTypeBits & 0xC0) {
    case 0x00: return "SyncLED";
    case 0x40: return "BreLED";
    case 0x80: return "RBLED";
    default: return "MCULED";
    }
}

void ReadDriverSections(DriverChannel& driver, DataBuf& buf)
{
    const auto readBlock = [&](uint32_t offset, const ParameterBlock& block) {
        const std::vector<uint8_t> bytes = driver.ReadStoreRange(offset, block.image.length);
        std::copy(bytes.begin(), bytes.end(), BlockBytes(buf, block).begin());
    };
    readBlock(store::kSectionA, layout::kSectionA);
    CheckParameterASection(buf);
    readBlock(store::kSectionB, layout::kSectionB);
    CheckParameterBSection(buf);
    readBlock(store::kProfile, layout::kProfile);
    CheckProfileSection(buf);
    const std::vector<uint8_t> fireKey =
        driver.ReadStoreRange(store::kFireKeyBlock, store::kFireKeyBlockLead + layout::kFireKey.image.length);
    std::copy(fireKey.begin() + store::kFireKeyBlockLead, fireKey.end(), BlockBytes(buf, layout::kFireKey).begin());
}

std::vector<DriverMacroRecordBytes> ReadAssignedDriverMacros(DriverChannel& driver, const std::vector<std::string>& keyCodes)
{
    std::vector<DriverMacroRecordBytes> records;
    const int count = AssignedDriverMacroRecordCount(HighestDriverMacroAddress(keyCodes));
    if (count == 0)
        return records;
    const std::vector<uint8_t> bytes = driver.ReadStoreRange(store::kMacroRecords, count * store::kMacroRecordSize);
    for (int k = 0; k < count; ++k)
        records.emplace_back(bytes.begin() + k * store::kMacroRecordSize, bytes.begin() + (k + 1) * store::kMacroRecordSize);
    return records;
}

bool WriteDriverSettings(DriverChannel& driver, const DataBuf& buf, const std::vector<DriverMacroRecordBytes>& assignedMacros)
{
    bool all = driver.WriteStoreRange(store::kSectionB, BlockBytes(buf, layout::kSectionB));
    all = driver.WriteStoreRange(store::kSectionA, BlockBytes(buf, layout::kSectionA)) && all;
    std::vector<uint8_t> fireKey(store::kFireKeyBlockLead, 0);
    const auto section = BlockBytes(buf, layout::kFireKey);
    fireKey.insert(fireKey.end(), section.begin(), section.end());
    all = driver.WriteStoreRange(store::kFireKeyBlock, fireKey) && all;
    all = driver.WriteStoreRange(store::kProfile, BlockBytes(buf, layout::kProfile)) && all;
    std::vector<uint8_t> macros;
    for (const DriverMacroRecordBytes& record : assignedMacros)
        macros.insert(macros.end(), record.begin(), record.end());
    return driver.WriteStoreRange(store::kMacroRecords, macros) && all;
}

int AssignedDriverMacroRecordCount(int highestMacroAddress)
{
    if (highestMacroAddress <= 0)
        return 0;
    // Records hold 2048 bytes and the first body starts at 288; the count is the driver's own
    // rule, (highest + 2016) / 2048, which keeps reading up to the record an address points into.
    constexpr int kCountBias = store::kMacroRecordSize - store::kMacroNameSize; // 2016
    return (highestMacroAddress + kCountBias) / store::kMacroRecordSize;
}

int HighestDriverMacroAddress(const std::vector<std::string>& keyCodes)
{
    int highest = 0;
    for (const std::string& code : keyCodes) {
        if (code.size() != 6 || code == "0600F0")
            continue;
        const std::string type = code.substr(0, 2);
        if (type != "06" && type != "0E")
            continue;
        if (const std::optional<unsigned> address = ParseHex(std::string_view(code).substr(2, 4)))
            highest = std::max<int>(highest, static_cast<int>(*address));
    }
    return highest;
}

} // namespace tarq
