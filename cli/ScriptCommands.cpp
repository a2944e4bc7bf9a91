// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/ScriptCommands.h"

#include "config/DefaultImages.h"
#include "device/MouseIdentity.h"
#include "device/ProfileCheck.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace tarq::cli {
namespace {

std::string format(const char* pattern, auto... values)
{
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

bool isThisMouse(const HidAttributes& a) { return a.vendorId == kMouseVendorId && a.productId == kMouseProductId; }

// Why the open of `path` failed, found by trying it once more.
Outcome openFailure(HidBus& bus, const std::string& path)
{
    switch (bus.probe(path)) {
    case HidOpenFailure::None:
        return {ExitCode::Failed, "the mouse at " + path + " opened only on the second try; run the command again"};
    case HidOpenFailure::PermissionDenied:
        return {ExitCode::PermissionDenied,
                "permission denied on " + path +
                    ": install the package's udev rule (see README, Install) and plug the mouse in again"};
    case HidOpenFailure::Gone:
        return {ExitCode::NoMouse, "the mouse at " + path + " went away"};
    case HidOpenFailure::Busy:
        return {ExitCode::MouseInUse, "the mouse at " + path + " is held by another program"};
    default:
        return {ExitCode::Failed, "the mouse at " + path + " cannot be opened"};
    }
}

// The identity check every command starts with; an accepted mouse leaves the exchange open.
// With `anyCodes`, a mouse with foreign codes is taken too: its exchange is opened again.
std::optional<Outcome> refuseUnlessAccepted(FeatureProtocol& protocol, const MouseCodes& codes, bool anyCodes = false)
{
    const Identity id = IdentifyMouse(protocol, codes.expected, codes.reserved);
    if (id.result == IdentifyResult::Foreign && anyCodes) {
        if (OpenExchange(protocol) == ExchangeState::Open)
            return std::nullopt;
        return Outcome{ExitCode::Failed, "the mouse did not answer"};
    }
    switch (id.result) {
    case IdentifyResult::Accepted:
        return std::nullopt;
    case IdentifyResult::Silent:
        return Outcome{ExitCode::Failed, "the mouse did not answer"};
    case IdentifyResult::NotReady:
        return Outcome{ExitCode::MouseRefused, "the mouse's configuration memory is not ready"};
    case IdentifyResult::Foreign:
        return Outcome{ExitCode::MouseRefused,
                       format("the mouse carries the codes of another maker (manufacturer %d, product %d)",
                              id.manufacturer, id.product)};
    }
    return Outcome{ExitCode::Failed, "the mouse did not answer"};
}

} // namespace

bool MouseInterface::configuration() const
{
    return isThisMouse(attributes) && attributes.version == kMouseVersion &&
           attributes.featureReportLength == kConfigFeatureReportLength;
}

std::vector<MouseInterface> SurveyMice(HidBus& bus, Waiter& waiter, bool askChip)
{
    std::vector<MouseInterface> mice;
    for (const std::string& path : bus.interfacePaths()) {
        MouseInterface mouse;
        mouse.path = path;
        mouse.attributes = bus.describe(path);
        if (!isThisMouse(mouse.attributes))
            continue;
        std::unique_ptr<HidDevice> device = bus.open(path);
        mouse.opens = device != nullptr;
        mouse.failure = device ? HidOpenFailure::None : bus.lastOpenFailure();
        if (device && mouse.configuration() && !device->lockExclusive()) {
            mouse.inUse = true;
        } else if (device && askChip && mouse.configuration()) {
            DeviceLink link(bus);
            link.HidHandle = std::move(device);
            FeatureProtocol protocol(link, waiter);
            if (OpenExchange(protocol) == ExchangeState::Open) {
                mouse.chipCode = protocol.ChipCode;
                CloseExchange(protocol);
            }
        }
        mice.push_back(std::move(mouse));
    }
    return mice;
}

std::string FormatMouseList(const std::vector<MouseInterface>& mice, bool chipAsked)
{
    std::string text;
    for (const MouseInterface& m : mice) {
        text += m.path;
        text += format("  %04x:%04x  version %x.%02x  ", m.attributes.vendorId, m.attributes.productId,
                       m.attributes.version >> 8, m.attributes.version & 0xFF);
        if (m.configuration())
            text += "configuration interface";
        else if (m.attributes.version != kMouseVersion)
            text += "another version (not served by this build)";
        else if (m.attributes.featureReportLength == 0)
            text += "other interface (no feature reports)";
        else
            text += format("other interface (feature reports of %d bytes)", m.attributes.featureReportLength);
        if (m.opens)
            text += "  can be opened";
        else if (m.failure == HidOpenFailure::PermissionDenied)
            text += "  permission denied";
        else
            text += "  cannot be opened";
        if (m.configuration() && m.opens) {
            if (m.inUse)
                text += "  in use by another program (chip not asked)";
            else if (!chipAsked)
                text += "  chip not asked";
            else if (m.chipCode >= 0)
                text += format("  chip 0x%02X", m.chipCode);
            else
                text += "  chip did not answer";
        }
        text += '\n';
    }
    return text;
}

Outcome ListOutcome(const std::vector<MouseInterface>& mice)
{
    const auto config = [](const MouseInterface& m) { return m.configuration(); };
    if (std::any_of(mice.begin(), mice.end(), [&](const MouseInterface& m) { return config(m) && m.opens; }))
        return {};
    if (std::any_of(mice.begin(), mice.end(),
                    [&](const MouseInterface& m) { return config(m) && m.failure == HidOpenFailure::PermissionDenied; }))
        return {ExitCode::PermissionDenied,
                "permission denied on the mouse: install the package's udev rule (see README, Install) and plug the mouse in again"};
    if (std::any_of(mice.begin(), mice.end(), config))
        return {ExitCode::Failed, "the mouse cannot be opened"};
    return {ExitCode::NoMouse, format("no mouse found (USB %04x:%04x, version %x.%02x)", kMouseVendorId,
                                      kMouseProductId, kMouseVersion >> 8, kMouseVersion & 0xFF)};
}

Outcome OpenMouse(DeviceLink& link, Waiter* waiter, int waitMs)
{
    // The wait counts the time the searches themselves take as well as the pauses between them:
    // on a slow bus one search of the interfaces can take longer than a pause.
    const auto started = std::chrono::steady_clock::now();
    for (int slept = 0;; slept += kMouseLockPollMs) {
        link.DeviceVersion = kMouseVersion;
        if (link.OpenMouseInterface(kMouseVendorId, kMouseProductId, link.DeviceVersion))
            return {};
        if (!link.MouseInUse)
            break;
        const auto elapsed = std::chrono::steady_clock::now() - started;
        const long long waited =
            std::max<long long>(slept, std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
        if (!waiter || waited >= waitMs)
            return {ExitCode::MouseInUse,
                    format("another program is using the mouse (the window, or another command); waited %d s. "
                           "Close it or let it finish, then try again; in the window, use its Read, Save Profile, "
                           "Load Profile and Apply buttons at the bottom of its pages",
                           waitMs / 1000)};
        waiter->sleep(kMouseLockPollMs);
    }
    HidBus& bus = link.hidBus();
    for (const std::string& path : bus.interfacePaths()) {
        MouseInterface candidate{path, bus.describe(path)};
        if (candidate.configuration())
            return openFailure(bus, path);
    }
    return ListOutcome({});
}

MouseCodes BuiltInCodes(AcceptedCodes reserved)
{
    const DeviceImage& image = DefaultImage(1);
    return {{image[layout::kDeviceCodesAddress], image[layout::kDeviceCodesAddress + 1]}, reserved};
}

Outcome ReadConfiguration(FeatureProtocol& protocol, const MouseCodes& codes, DeviceImage& image)
{
    // Reading changes nothing: a mouse with foreign codes is read too, and the codes are named.
    if (std::optional<Outcome> refusal = refuseUnlessAccepted(protocol, codes, true))
        return *refusal;
    const long long lostBefore = protocol.unacknowledgedReadChunks();
    const bool read = protocol.ReadMemoryShowingProgress(0, kDeviceImageSize, image);
    const bool closed = CloseExchange(protocol);
    if (!read || !closed || protocol.unacknowledgedReadChunks() != lostBefore)
        return {ExitCode::Failed, "the mouse stopped answering during the read; nothing was saved"};
    if (const unsigned faults = CheckProfileImage(image, codes.expected, codes.reserved))
        return {ExitCode::Ok, "read the mouse's configuration; it fails the profile check (" + DescribeProfileFaults(faults) +
                                  "), so writing this file back needs --apply with --force"};
    return {ExitCode::Ok, "read the mouse's configuration"};
}

std::optional<Outcome> RefuseFailingProfile(const DeviceImage& image, const MouseCodes& codes, bool force)
{
    const unsigned faults = CheckProfileImage(image, codes.expected, codes.reserved);
    if (!faults || force)
        return std::nullopt;
    return Outcome{ExitCode::BadFile, "this profile fails its check: " + DescribeProfileFaults(faults) +
                                          ". Nothing was written; pass --force to write it all the same"};
}

Outcome WriteConfiguration(FeatureProtocol& protocol, const MouseCodes& codes, const DeviceImage& image,
                           WriteTarget target)
{
    if (std::optional<Outcome> refusal = refuseUnlessAccepted(protocol, codes, target == WriteTarget::AnyAnsweringMouse))
        return *refusal;
    if (protocol.ChipCode != kChipThatStoresWrites) {
        CloseExchange(protocol);
        return {ExitCode::MouseRefused,
                format("this mouse's chip (code 0x%02X) does not store profiles; nothing was written", protocol.ChipCode)};
    }
    const VerifyOutcome verify = WriteAndVerifyImage(protocol, image);
    const bool closed = CloseExchange(protocol);
    if (!verify.transferred)
        return {ExitCode::Failed,
                "the mouse stopped answering while the configuration was written; its memory may be incomplete: "
                "plug it in and write it again"};
    if (verify.mismatch())
        return {ExitCode::VerifyFailed,
                format("Fail: %zu bytes still differ after %d rewrites (the first at address 0x%03X)",
                       verify.differing.size(), verify.rewritePasses, verify.differing.front())};
    if (!closed)
        return {ExitCode::Failed,
                "the mouse took the configuration but did not confirm it; unplug it and plug it in again"};
    return {ExitCode::Ok, "wrote and verified the configuration"};
}

std::optional<DeviceImage> ProfileImage(std::span<const uint8_t> fileBytes)
{
    if (fileBytes.size() < kDeviceImageSize)
        return std::nullopt;
    DeviceImage image;
    std::copy_n(fileBytes.begin(), kDeviceImageSize, image.begin());
    return image;
}

DeviceImage ResetImage(const std::optional<std::vector<uint8_t>>& resetFile, const MouseCodes& codes, std::string* note)
{
    DeviceImage image = DefaultImage(1);
    if (!resetFile)
        return image;
    std::copy_n(resetFile->begin(), std::min(resetFile->size(), image.size()), image.begin());
    if (const unsigned faults = CheckProfileImage(image, codes.expected, codes.reserved)) {
        if (note)
            *note = "the reset file fails the profile check (" + DescribeProfileFaults(faults) +
                    "); the built-in defaults are written instead";
        return DefaultImage(1);
    }
    return image;
}

} // namespace tarq::cli
