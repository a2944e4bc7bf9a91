// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A model of the mouse firmware behind the configuration interface: it answers the commands
// of the feature-report protocol, keeps 2048 bytes of configuration memory, and can be told
// to misbehave the ways real devices do, one fault switch at a time.
//
// It is strict about the exchange, so that a program relying on more than the firmware
// promises fails its tests: memory commands only inside CmdOpen + CmdStatus (0xAA, memory
// ready), chunks only inside a window of their own direction, CmdSetCpiLed only after the
// driver-mode status query. Anything else is refused: no acknowledgement, nothing changed,
// and the command code is added to `refused`. A repeated request whose answer the host never
// fetched is a retry and gets the same answer (the window position moves on only once an
// answer was fetched).

#include "config/ImageLayout.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <span>
#include <vector>

namespace tarq {

class EmulatedMouse {
public:

    struct Report {
        bool isSet;                    // true: set-feature from the host, false: get-feature reply
        std::array<uint8_t, 8> bytes;
    };

    // Fault switches. Defaults describe a healthy mouse.
    struct Faults {
        bool noAnswer = false;          // get-feature never completes (byte 7 stays 0); nothing is done
        uint8_t wrongAck = 0;           // non-zero: byte 7 of every reply carries this instead of
                                        // 0xCC, and the command is not carried out
        int answerAfterPolls = 0;       // the first N get-feature calls after each request read "not yet"
        std::set<uint16_t> refusedAddresses; // memory bytes that keep their value when written
        bool configNotReady = false;    // status bit 0x04 clear
        uint8_t statusState = 0xAA;     // byte 1 of the status reply
        uint8_t openState = 0xA6;       // state code, byte 1 of the CmdOpen reply (0xA5: the
                                        // state after a driver store load)
        bool driverModeBit = true;      // bit 0x20 of the status reply to 0x5A, 0xD9
        int unplugAfterReports = -1;    // >= 0: the device disappears after this many reports
        int latencyMs = 0;              // time each report takes, slept through `sleeper`
        int lostReadChunk = -1;         // >= 0: the replies to this read chunk of a window never arrive
        std::set<uint8_t> unanswered;   // commands that are never answered (nor carried out)
    };

    EmulatedMouse();

    std::array<uint8_t, kDeviceImageSize>& memory() { return memory_; }
    void loadMemory(std::span<const uint8_t> bytes);

    Faults faults;
    uint8_t chipByte = 0xFD;            // status reply byte 3 (0xFD is the chip that stores writes)
    uint8_t ledTypeBits = 0x00;         // status reply byte 3 bits 7..6 after 0x5A, 0xD9
    uint16_t driverIdentifier = 0x0001; // CmdDriverId reply
    // Status reply bytes 5 (low) and 6 (high): the buttons held down. Tests set it directly;
    // the key test reads it from its worker thread while the window thread changes it.
    std::atomic<uint16_t> buttonState{0};
    void pressButtons(uint16_t bits) { buttonState.fetch_or(bits); }
    void releaseButtons(uint16_t bits) { buttonState.fetch_and(static_cast<uint16_t>(~bits)); }
    std::array<uint8_t, 4> cpiLedRecord{};

    // How latency is spent: a real sleep in the benchmark, the virtual clock in tests.
    std::function<void(int ms)> sleeper;

    // Called when an exchange that changed the memory ends (CmdReload or CmdClose), so that a
    // keeper of the memory (the demo's file) saves once per transfer, not once per chunk.
    std::function<void()> onMemoryCommitted;

    // The exclusive lock of the mouse's node (HidDevice::lockExclusive): a token held by its
    // holder, null while another holds it. `lockHook`, when set, decides instead (the demo
    // locks a file beside its memory file, so that other processes see the holder).
    std::shared_ptr<void> takeLock();
    std::function<std::shared_ptr<void>()> lockHook;

    // Host side: the reports move through these. Both fail when unplugged.
    bool setFeature(std::span<const uint8_t> report);
    bool getFeature(std::span<uint8_t> report);

    bool plugged() const { return plugged_; }
    int reportsSeen() const { return reportsSeen_; }
    void setPlugged(bool plugged) { plugged_ = plugged; }

    // Command codes the firmware refused (out of sequence or unknown), in order.
    std::vector<uint8_t> refused;
    // Write windows opened while the chip byte names a chip other than the one that stores
    // writes (0xFD): not refused, only noted.
    int writesOnOtherChip = 0;

    // Everything the host sent and received, in order.
    std::vector<Report> log;
    bool keepLog = true;
    std::vector<std::array<uint8_t, 8>> requestsSent() const; // the set-feature reports only

private:
    enum class Window { None, Read, Write };

    void execute(std::span<const uint8_t> request);
    bool accepts(std::span<const uint8_t> request) const;
    void countReport();

    std::array<uint8_t, kDeviceImageSize> memory_{};
    std::weak_ptr<void> lockHolder_;
    std::array<uint8_t, 8> reply_{};
    bool replyPending_ = false;
    int pollsSinceRequest_ = 0;
    std::atomic<bool> plugged_{true}; // pulled from another thread in the benchmark
    int reportsSeen_ = 0;

    // The exchange as the firmware sees it.
    bool exchangeOpen_ = false;    // CmdOpen taken, CmdClose not yet
    bool statusReady_ = false;     // CmdStatus answered 0xAA in this exchange
    bool memoryAccess_ = false;    // ... with the configuration memory ready
    bool driverQueried_ = false;   // CmdStatus 0x5A, 0xD9 answered with the driver-mode bit
    Window window_ = Window::None;
    bool chunkAnswerPending_ = false; // a chunk's answer waits to be fetched; fetching it moves on

    uint32_t windowAddress_ = 0;
    uint32_t windowLength_ = 0;
    uint32_t windowPos_ = 0;
    int lostChunkRequests_ = 0;
    bool memoryDirty_ = false;
};

} // namespace tarq
