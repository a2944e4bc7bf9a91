#pragma once
// A model of the mouse firmware behind the configuration interface: it answers every command
// of the feature-report protocol, keeps 2048 bytes of configuration memory, and can be told
// to misbehave the ways real devices do, one fault switch at a time.

#include "config/ImageLayout.h"

#include <array>
#include <cstdint>
#include <functional>
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
        bool noAnswer = false;          // get-feature never completes (byte 7 stays 0)
        uint8_t wrongAck = 0;           // non-zero: byte 7 of every reply carries this instead of 0xCC
        int answerAfterPolls = 0;       // the first N get-feature calls after each request read "not yet"
        std::set<uint16_t> refusedAddresses; // memory bytes that keep their value when written
        bool configNotReady = false;    // status bit 0x04 clear
        uint8_t statusState = 0xAA;     // byte 1 of the status reply
        uint8_t openState = 0xA6;       // byte 1 of the CmdOpen reply (0xA5 on some firmware)
        bool driverModeBit = true;      // bit 0x20 of the status reply to 0x5A, 0xD9
        int unplugAfterReports = -1;    // >= 0: the device disappears after this many reports
        int latencyMs = 0;              // time each report takes, slept through `sleeper`
        int lostReadChunk = -1;         // >= 0: the replies to this read chunk of a window never arrive
    };

    EmulatedMouse();

    std::array<uint8_t, kDeviceImageSize>& memory() { return memory_; }
    void loadMemory(std::span<const uint8_t> bytes);

    Faults faults;
    uint8_t chipByte = 0xFD;            // status reply byte 3 (0xFD is the chip that stores writes)
    uint8_t ledTypeBits = 0x00;         // status reply byte 3 bits 7..6 after 0x5A, 0xD9
    uint16_t driverIdentifier = 0x0001; // CmdDriverId reply
    uint16_t buttonState = 0;           // status reply bytes 5 (low) and 6 (high)
    std::array<uint8_t, 4> cpiLedRecord{};

    // How latency is spent: a real sleep in the benchmark, the virtual clock in tests.
    std::function<void(int ms)> sleeper;

    // Called when an exchange that changed the memory ends (CmdReload or CmdClose), so that a
    // keeper of the memory (the demo's file) saves once per transfer, not once per chunk.
    std::function<void()> onMemoryCommitted;

    // Host side: the reports move through these. Both fail when unplugged.
    bool setFeature(std::span<const uint8_t> report);
    bool getFeature(std::span<uint8_t> report);

    bool plugged() const { return plugged_; }
    int reportsSeen() const { return reportsSeen_; }
    void setPlugged(bool plugged) { plugged_ = plugged; }

    // Everything the host sent and received, in order.
    std::vector<Report> log;
    bool keepLog = true;
    std::vector<std::array<uint8_t, 8>> requestsSent() const; // the set-feature reports only

private:
    void execute(std::span<const uint8_t> request);
    void countReport();

    std::array<uint8_t, kDeviceImageSize> memory_{};
    std::array<uint8_t, 8> reply_{};
    bool replyPending_ = false;
    int pollsSinceRequest_ = 0;
    bool plugged_ = true;
    int reportsSeen_ = 0;

    uint32_t windowAddress_ = 0;
    uint32_t windowLength_ = 0;
    uint32_t windowPos_ = 0;
    int lostChunkRequests_ = 0;
    bool memoryDirty_ = false;
};

} // namespace tarq
