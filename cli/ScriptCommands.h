// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the command line does with the mouse: list its interfaces, read its configuration
// image, write an image with read-back verification. Built on the same link, protocol and
// transfer sequences as the window; the outcome carries the exit code and one line for the
// user, and nothing here touches files or the terminal.

#include "cli/ExitCodes.h"
#include "config/ImageLayout.h"
#include "device/DeviceLink.h"
#include "device/FeatureProtocol.h"
#include "device/ImageTransfer.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarq::cli {

struct Outcome {
    ExitCode code = ExitCode::Ok;
    std::string message; // what was done, or why not
    bool ok() const { return code == ExitCode::Ok; }
};

// One HID interface with this build's vendor and product ID.
struct MouseInterface {
    std::string path;
    HidAttributes attributes;
    bool opens = false;
    HidOpenFailure failure = HidOpenFailure::None;
    int chipCode = -1; // -1: not asked, or the mouse did not answer
    bool inUse = false; // it opened, but another program holds its lock: the chip is not asked
    // The interface the settings travel on: this build's version and 8-byte feature reports.
    bool configuration() const;
};

// Every interface of this build's mouse on the bus. With `askChip`, each configuration
// interface that opens is asked for its chip code (an exchange of its own, closed again).
std::vector<MouseInterface> SurveyMice(HidBus& bus, Waiter& waiter, bool askChip);
// One line per interface; `chipAsked` false says why no chip code is shown.
std::string FormatMouseList(const std::vector<MouseInterface>& mice, bool chipAsked);
// Ok when a configuration interface opens; otherwise why the mouse cannot be used.
Outcome ListOutcome(const std::vector<MouseInterface>& mice);

// How long a command waits for another program to let go of the mouse's lock.
constexpr int kMouseLockWaitMs = 5000;
constexpr int kMouseLockPollMs = 100;

// Open this build's mouse on the link and take its lock; when that fails, say whether it is
// missing, forbidden to this user or held by another program. While another program holds the
// lock the open is tried again every 100 ms for up to `waitMs` (through `waiter`; once without).
Outcome OpenMouse(DeviceLink& link, Waiter* waiter = nullptr, int waitMs = kMouseLockWaitMs);

// The manufacturer and product codes a mouse must carry in its memory.
struct MouseCodes {
    AcceptedCodes expected;
    AcceptedCodes reserved;
};
// The codes of the first built-in default image; `reserved` is the org configuration's pair.
MouseCodes BuiltInCodes(AcceptedCodes reserved);

// Read the whole configuration image. An image with bytes the mouse never sent is not kept.
// One that fails the profile check is kept, and the message names what fails.
Outcome ReadConfiguration(FeatureProtocol& protocol, const MouseCodes& codes, DeviceImage& image);

// Whom a write serves: a profile goes only to a mouse whose codes the identity check accepts;
// a reset (and a forced profile) goes to any mouse that answers, since it is the way back
// for a mouse whose memory carries foreign codes.
enum class WriteTarget { AcceptedMouse, AnyAnsweringMouse };

// Write the image and verify it, as Load Profile does: only a mouse whose chip stores writes.
Outcome WriteConfiguration(FeatureProtocol& protocol, const MouseCodes& codes, const DeviceImage& image,
                           WriteTarget target = WriteTarget::AcceptedMouse);

// Refuses (BadFile, naming what fails) a profile that fails the profile check, unless forced.
std::optional<Outcome> RefuseFailingProfile(const DeviceImage& image, const MouseCodes& codes, bool force);

// A profile file's image: its first 2048 bytes; a shorter file is not a profile.
std::optional<DeviceImage> ProfileImage(std::span<const uint8_t> fileBytes);

// What a reset writes: the reset file's bytes over the first built-in default image (a short
// file replaces only the bytes it has), or that image alone when there is no reset file. A
// reset file whose image fails the profile check is not used: then the first built-in default
// image, and `note` (when given) says why.
DeviceImage ResetImage(const std::optional<std::vector<uint8_t>>& resetFile, const MouseCodes& codes,
                       std::string* note = nullptr);

} // namespace tarq::cli
