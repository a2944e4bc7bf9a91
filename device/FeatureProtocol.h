// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The command protocol the mouse speaks over 8-byte feature reports with report ID 4.
//
// A request is sent with a set-feature call; the answer is fetched into the same buffer with
// get-feature calls and is complete when byte 7 holds 0xCC. On top of that exchange sit the
// chunked memory transfers: a window command announces address and length, then each report
// moves six bytes. All waits go through the injected Waiter, so tests run on virtual time.

#include "device/DeviceLink.h"
#include "device/Waiter.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>

namespace tarq {

enum Command : uint8_t {
    CmdOpen = 0x01,
    CmdClose = 0x02,
    CmdStatus = 0x03,
    CmdReadWindow = 0x04,
    CmdReadChunk = 0x05,
    CmdWriteWindow = 0x06,
    CmdWriteChunk = 0x07,
    CmdReload = 0x08,
    CmdSetCpiLed = 0x09,
    CmdDriverId = 0x81,
};

namespace report {
// Byte positions in the 8-byte report.
constexpr size_t kId = 0;
constexpr size_t kCommand = 1;
constexpr size_t kStatus = 7;
constexpr size_t kLength = 8;
constexpr uint8_t kAcknowledged = 0xCC;
constexpr uint8_t kNoAnswerYet = 0x00;
} // namespace report

namespace status {
// Reply bytes of CmdStatus.
constexpr uint8_t kReadyForAccess = 0xAA;   // reply byte 1
constexpr uint8_t kConfigReadyBit = 0x04;   // reply byte 2
constexpr uint8_t kDriverModeBit = 0x20;    // reply byte 2 after CmdStatus 0x5A, 0xD9
constexpr uint8_t kDriverQuery1 = 0x5A;
constexpr uint8_t kDriverQuery2 = 0xD9;
} // namespace status

// The chip byte of the status reply as the program names the chips; 0 when unknown.
// Returns -1 for a chip byte that leaves the current ChipCode unchanged.
int TranslateChipByte(uint8_t chipByte);

// What a transfer that shows progress is doing, for the loading screen.
enum class TransferStage { Reading, Writing, Verifying };
struct TransferProgress {
    TransferStage stage = TransferStage::Reading;
    uint32_t done = 0;    // bytes of the current transfer moved so far
    uint32_t total = 0;   // bytes of the current transfer
};

constexpr int kChunkBytes = 6;
constexpr int ChunkCount(uint32_t length) { return static_cast<int>((length + kChunkBytes - 1) / kChunkBytes); }

class FeatureProtocol {
public:
    FeatureProtocol(DeviceLink& link, Waiter& waiter);

    // One acknowledged command. Only reply byte 7 decides; the reply stays in ReportBuffer.
    bool SendCommand(uint8_t code, uint8_t p1 = 0, uint8_t p2 = 0, uint8_t p3 = 0, uint8_t p4 = 0);

    // Read `length` bytes of configuration memory at `address` into `destination`. The first
    // `length` bytes of the destination are pre-filled with 0xFF, and a chunk the mouse never
    // acknowledges stays 0xFF; the transfer still reports success (read-back verification finds
    // such bytes) unless the device went away. Nothing is written past the end of `destination`.
    bool ReadMemory(uint32_t address, uint32_t length, std::span<uint8_t> destination);
    // The same, re-showing the loading screen before every chunk.
    bool ReadMemoryShowingProgress(uint32_t address, uint32_t length, std::span<uint8_t> destination);
    // Write `length` bytes from `source` (clamped to its size); the chunk acknowledgements are
    // not examined. Re-shows the loading screen before every chunk.
    bool WriteMemory(uint32_t address, uint32_t length, std::span<const uint8_t> source);

    // The button-state word of the status reply; 0 when the mouse does not acknowledge.
    uint16_t GetStatusWord();

    bool SystemReloadCmd_OnClick() { return SendCommand(CmdReload); }

    // Called before every chunk of the transfers that show progress (the loading screen).
    std::function<void()> ShowProgress;
    // Called at the same points with what is moving and how far it got. `Stage` names the
    // transfer: the sequences set it (a read-back after a write is Verifying).
    std::function<void(const TransferProgress&)> OnProgress;
    TransferStage Stage = TransferStage::Reading;

    std::array<uint8_t, report::kLength> ReportBuffer{};
    std::array<uint8_t, 7> ChunkBuffer{};

    // From the last acknowledged CmdStatus without parameters.
    int ChipCode = 0;
    bool ConfigReady = false;

    // Reports sent with set-feature since construction (for the benchmark and diagnostics).
    long long reportsSent() const { return reportsSent_; }
    // Read chunks that no attempt got acknowledged (their bytes read as 0xFF), since construction.
    // The transfers still report success; a caller that must not keep such bytes checks this.
    long long unacknowledgedReadChunks() const { return unacknowledgedReadChunks_; }

    // True when a report failed because the device is gone since the last call; the exchange
    // under way ended at once. The caller shows the device-lost state without waiting for the
    // periodic device check.
    bool TakeDeviceGone();
    bool DeviceGone() const { return deviceGone_; }

private:
    bool linkDown();
    bool transfer(uint32_t address, uint32_t length, std::span<uint8_t> destination, bool showing);
    void readChunk();
    void writeChunk();
    bool set();
    bool get();
    // Logs the device's reason for a refused report to standard error, once per run of failures.
    bool reported(bool ok);
    bool settle(const HidDevice* device, bool ok);
    void fillRequest(uint8_t code, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4);
    void showProgress(TransferStage stage, uint32_t done, uint32_t total);

    DeviceLink& link_;
    Waiter& waiter_;
    long long reportsSent_ = 0;
    bool deviceGone_ = false;
    long long unacknowledgedReadChunks_ = 0;
    bool failing_ = false;
};

} // namespace tarq
