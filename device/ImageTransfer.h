#pragma once
// The command sequences that move the whole configuration image between the program and the
// mouse: identifying the mouse, reading the image, and writing it with read-back verification.
// They send and check bytes only; what the user sees about the outcome is the caller's.

#include "device/FeatureProtocol.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tarq {

constexpr uint32_t kImageBytes = 2048;
constexpr uint32_t kDeviceCodesAddress = 0x36; // manufacturer code, then product code
constexpr int kVerifyPasses = 3;
constexpr int kChipThatStoresWrites = 0x98;

// CmdOpen, then CmdStatus with its 0xAA check.
enum class ExchangeState {
    NoAnswer,   // CmdOpen or CmdStatus not acknowledged: stop silently
    NotReady,   // CmdStatus answered without 0xAA: stop silently, the exchange stays open
    Open,       // ConfigReady and ChipCode are fresh in the protocol
};
ExchangeState OpenExchange(FeatureProtocol& protocol);

// CmdReload, then CmdClose; true when the mouse acknowledged both.
bool CloseExchange(FeatureProtocol& protocol);

struct VerifyOutcome {
    bool transferred = false;             // every write and read was accepted by the mouse
    int rewritePasses = 0;                // passes of single-byte rewrites made
    std::vector<uint16_t> differing;      // positions still different after the last pass
    bool verified() const { return transferred && differing.empty(); }
    // The mouse took the transfers but kept other bytes: the user is told.
    bool mismatch() const { return transferred && !differing.empty(); }
};

// Write the image, read it back, and rewrite differing bytes one by one for up to three
// passes, reading everything back after each pass.
VerifyOutcome WriteAndVerifyImage(FeatureProtocol& protocol, std::span<const uint8_t> image);

struct WriteOutcome {
    ExchangeState exchange = ExchangeState::NoAnswer;
    bool configReady = false;
    bool wrote = false;
    VerifyOutcome verify;
};

// Open an exchange and, when the memory is ready (and, if asked, the chip is the one that
// stores writes), write and verify the image; close the exchange whenever it opened.
WriteOutcome WriteImageToMouse(FeatureProtocol& protocol, std::span<const uint8_t> image, bool requireStoringChip);

// The identity check after an open, in EEPROM mode.
struct AcceptedCodes {
    int manufacturer;
    int product;
};
enum class IdentifyResult {
    Silent,      // no answer or no 0xAA: nothing to show
    Accepted,    // the exchange is still open: read the image next
    Foreign,     // codes of another maker (reload and close sent)
    NotReady,    // configuration memory not usable (reload and close sent)
};
struct Identity {
    IdentifyResult result = IdentifyResult::Silent;
    uint8_t manufacturer = 0;
    uint8_t product = 0;
};
Identity IdentifyMouse(FeatureProtocol& protocol, AcceptedCodes expected, AcceptedCodes reserved);

// Read the whole image in an open exchange, showing progress, then reload and close.
void ReadImageAndClose(FeatureProtocol& protocol, std::span<uint8_t> image);

} // namespace tarq
