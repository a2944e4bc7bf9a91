// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Driver mode: the companion driver's settings store, reached by I/O control requests on the
// driver handle, and the short exchanges with the mouse that go with it.

#include "config/ImageLayout.h"
#include "device/CpiAndLedRecord.h"
#include "device/DeviceLink.h"
#include "device/FeatureProtocol.h"

#include <string>
#include <vector>

namespace tarq {

// Offsets in the driver's settings store.
namespace store {
constexpr uint32_t kSectionA = 0;
constexpr uint32_t kSectionB = 48;
constexpr uint32_t kProfile = 64;
constexpr uint32_t kCpiAndLedRecord = 160;  // in profile and reset files
constexpr uint32_t kFireKeyBlock = 240;     // two zero bytes, then the fire-key section
constexpr uint32_t kFireKeyBlockLead = 2;
constexpr uint32_t kMacroRecords = 256;     // assigned driver macro records, 2048 bytes each
constexpr uint32_t kMacroRecordSize = 2048;
constexpr uint32_t kMacroNameSize = 32;
constexpr uint32_t kProfileFileSize = 40960;
constexpr uint32_t kResetFileSize = 102400;
} // namespace store

class DriverChannel {
public:
    explicit DriverChannel(DeviceLink& link) : link_(link) {}

    // The store bytes at offset; zeros where the driver rejects the request or is not open.
    std::vector<uint8_t> ReadStoreRange(uint32_t offset, uint32_t length);
    // The driver's success result.
    bool WriteStoreRange(uint32_t offset, std::span<const uint8_t> bytes);
    // IoctlGetCpiLed; false leaves the record as it was.
    bool FetchCpiAndLedRecord(CpiAndLedRecord& record);

    const std::string& lastError() const { return error_; }

private:
    DeviceLink& link_;
    std::string error_;
};

// CmdOpen (0xA6), CmdStatus (0xAA), CmdStatus 0x5A 0xD9, CmdSetCpiLed, CmdClose. True when the
// mouse took the record (the caller then saves the temporary file).
bool SendCpiAndLedRecord(FeatureProtocol& protocol, const CpiAndLedRecord& record);

// After a driver-mode reset or load: the same exchange with state code 0xA5, and 0 as the
// fourth record byte.
void SendRecordAfterStoreLoad(FeatureProtocol& protocol, const CpiAndLedRecord& record);

// The mouse's answer to the driver-mode read.
struct DriverHandshake {
    enum class Result {
        Silent,        // no answer, or no 0xAA: stop without a message
        NotDriverMode, // wrong state code or no driver-mode bit: tell the user (Str020)
        Ready,         // LED type known and exchange closed
    };
    Result result = Result::Silent;
    bool ledTypeKnown = false; // the status reply gave the LED type (shown even if CmdClose then fails)
    uint8_t ledTypeBits = 0; // 0x00 SyncLED, 0x40 BreLED, 0x80 RBLED, 0xC0 MCULED
};
DriverHandshake DriverModeHandshake(FeatureProtocol& protocol);

// The LED type name of the status reply's bits 7..6.
const char* LedTypeName(uint8_t ledTypeBits);

// How many assigned driver macro records the store holds for the highest macro address used
// by the profiles (0 when no code carries one): the first body starts at 288.
int AssignedDriverMacroRecordCount(int highestMacroAddress);

// Parameter sections A and B and the profile section from the store into DataBuf, each with
// its check, then the fire-key section (unchecked) from the fire-key block.
void ReadDriverSections(DriverChannel& driver, DataBuf& buf);

// The assigned driver macro records the profile codes point at, in store order.
using DriverMacroRecordBytes = std::vector<uint8_t>;
std::vector<DriverMacroRecordBytes> ReadAssignedDriverMacros(DriverChannel& driver, const std::vector<std::string>& keyCodes);

// The store writes of a driver-mode Apply: section B, section A, the fire-key block, the
// profile section and every assigned macro record (a write of length 0 when there is none).
// Every write is attempted; returns whether all of them succeeded.
bool WriteDriverSettings(DriverChannel& driver, const DataBuf& buf, const std::vector<DriverMacroRecordBytes>& assignedMacros);

// The highest macro address in the key-function codes (six hex digits each): types "06" and
// "0E" carry one in their last four digits, except "0600F0".
int HighestDriverMacroAddress(const std::vector<std::string>& keyCodes);

} // namespace tarq
