// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The command sequences that move the whole configuration image between the program and the
// mouse: identifying the mouse, reading the image, and writing it with read-back verification.
// They send and check bytes only; what the user sees about the outcome is the caller's.

#include "config/ImageLayout.h"
#include "device/FeatureProtocol.h"

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace tarq {

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
// passes, reading everything back after each pass. With `known` holding what the mouse holds,
// only the six-byte chunks that differ from it are written (runs of them in one window); the
// read-back and rewrites are the same. `known` is updated to the last read-back, or emptied
// when the transfer did not complete.
VerifyOutcome WriteAndVerifyImage(FeatureProtocol& protocol, std::span<const uint8_t> image, KnownMemory* known = nullptr);

// The windows a write of `image` over `known` needs: [first, end) byte ranges covering every
// chunk that differs, neighbouring chunks joined. All of the image when `known` is not usable.
std::vector<std::pair<uint32_t, uint32_t>> ChangedChunkRanges(std::span<const uint8_t> image, const KnownMemory& known);

struct WriteOutcome {
    ExchangeState exchange = ExchangeState::NoAnswer;
    bool configReady = false;
    bool wrote = false;
    VerifyOutcome verify;
};

// Open an exchange and, when the memory is ready (and, if asked, the chip is the one that
// stores writes), write and verify the image; close the exchange whenever it opened.
WriteOutcome WriteImageToMouse(FeatureProtocol& protocol, std::span<const uint8_t> image, bool requireStoringChip,
                               KnownMemory* known = nullptr);

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

// Whether a manufacturer/product code pair, as it sits at 0x36/0x37 of an image, passes the
// identity check above: the pair of the built-in defaults or the reserved pair. Anything that
// writes those two bytes asks this first, so that no write can lock the program out of a mouse.
bool CodesAccepted(uint8_t manufacturer, uint8_t product, AcceptedCodes expected, AcceptedCodes reserved);

// Read the whole image in an open exchange, showing progress, then reload and close. A read
// that completed becomes the known memory; otherwise it is emptied.
void ReadImageAndClose(FeatureProtocol& protocol, std::span<uint8_t> image, KnownMemory* known = nullptr);

} // namespace tarq
