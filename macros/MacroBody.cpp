// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroBody.h"

#include "config/SectionChecksum.h"

#include <algorithm>

namespace tarq {

namespace {

// Runs of up to five delay records are shown as one line. In the 224-byte body a run is
// merged only while it stays within one record's 2040 ms: a longer line would be cut to
// 2040 ms when the body is built again, and the macro would lose time on every edit.
constexpr DelayMerge kBodyDelayMerge{5, kMaxDelayRecordMs};
constexpr DelayMerge kDriverDelayMerge{5, INT_MAX};

LoadedMacroScript ScriptFromEvents(uint8_t modeByte, std::span<const uint8_t> bytes,
                                   size_t eventCount, DelayMerge merge)
{
    LoadedMacroScript out;
    out.releaseMode = ReleaseModeFromByte(modeByte);
    DecodedEvents events = DecodeEvents(bytes, eventCount, merge);
    out.delay = DelayHeaderFromDelays(events.delaysMs);
    out.script.reserve(events.lines.size() + 1);
    out.script.push_back(DelayHeaderLine(out.delay));
    for (std::string& line : events.lines)
        out.script.push_back(std::move(line));
    return out;
}

uint16_t DriverLength(std::span<const uint8_t, driver_macro_body::kSize> body)
{
    using namespace driver_macro_body;
    return uint16_t(body[kLengthHighOffset] << 8 | body[kLengthLowOffset]);
}

} // namespace

EncodedForBody EncodeForBody(std::span<const std::string> script, LongDelay longDelay, size_t capacity)
{
    EncodedEvents events = EncodeScriptEvents(script, longDelay, capacity);
    EncodedForBody out;
    switch (events.status) {
    case ScriptEncodeStatus::Ok: out.result.status = MacroBuildStatus::Ok; break;
    case ScriptEncodeStatus::TooLong: out.result.status = MacroBuildStatus::TooLong; break;
    case ScriptEncodeStatus::BadLine: out.result.status = MacroBuildStatus::BadLine; break;
    }
    out.result.eventBytes = events.status == ScriptEncodeStatus::TooLong ? events.needed : events.bytes.size();
    out.result.badLine = events.badLine;
    out.events = std::move(events.bytes);
    return out;
}

BuiltMacroBody BuildMacroBody(std::span<const std::string> script, ReleaseMode mode)
{
    using namespace macro_body;
    EncodedForBody encoded = EncodeForBody(script, LongDelay::Cut, kMaxEvents);
    BuiltMacroBody out;
    static_cast<MacroBuildResult&>(out) = std::move(encoded.result);
    const std::vector<uint8_t>& events = encoded.events;
    if (!out.ok() || events.empty())
        return out;

    const size_t n = events.size();
    out.body[kModeOffset] = uint8_t(mode);
    out.body[kLengthOffset] = uint8_t(n + 1);
    std::copy(events.begin(), events.end(), out.body.begin() + kEventsOffset);
    const size_t checksumAt = kEventsOffset + n;
    out.body[checksumAt] = SectionChecksum(std::span(out.body).subspan(kLengthOffset, n + 1));
    out.hexDump = HexBytes(std::span(out.body).first(checksumAt + 1));
    return out;
}

BuiltDriverMacroBody BuildDriverMacroBody(std::span<const std::string> script, ReleaseMode mode)
{
    using namespace driver_macro_body;
    EncodedForBody encoded = EncodeForBody(script, LongDelay::Split, kMaxEvents);
    BuiltDriverMacroBody out;
    static_cast<MacroBuildResult&>(out) = std::move(encoded.result);
    const std::vector<uint8_t>& events = encoded.events;
    if (!out.ok() || events.empty())
        return out;

    const size_t n = events.size();
    const size_t length = n + 1;
    out.body[kModeOffset] = uint8_t(mode);
    out.body[kLengthHighOffset] = uint8_t(length >> 8);
    out.body[kLengthLowOffset] = uint8_t(length & 0xFF);
    std::copy(events.begin(), events.end(), out.body.begin() + kEventsOffset);
    // The driver's checksum covers the two length bytes and every event byte but the last.
    const size_t checksumAt = kEventsOffset + n;
    out.body[checksumAt] = SectionChecksum(std::span(out.body).subspan(kLengthHighOffset, n + 1));
    out.hexDump = HexBytes(std::span(out.body).first(checksumAt + 1));
    return out;
}

std::optional<size_t> MacroBodyEventCount(std::span<const uint8_t, macro_body::kSize> body)
{
    using namespace macro_body;
    const size_t length = body[kLengthOffset];
    if (length == 0)
        return 0;
    if (length - 1 > kMaxEvents)
        return std::nullopt;
    return length - 1;
}

std::optional<size_t> DriverMacroBodyEventCount(
    std::span<const uint8_t, driver_macro_body::kSize> body)
{
    using namespace driver_macro_body;
    const bool erased = body[kLengthHighOffset] == 0xFF && body[kLengthLowOffset] == 0xFF;
    const size_t length = DriverLength(body);
    if (length == 0 || erased)
        return 0;
    if (length - 1 > kMaxEvents)
        return std::nullopt;
    return length - 1;
}

LoadedMacroScript LoadMacroScript(std::span<const uint8_t, macro_body::kSize> body)
{
    using namespace macro_body;
    const size_t n = MacroBodyEventCount(body).value_or(0);
    // The events and the checksum after them: a record at the last position takes the
    // checksum as its operand.
    const auto bytes = body.subspan(kEventsOffset, n == 0 ? 0 : n + 1);
    return ScriptFromEvents(body[kModeOffset], bytes, n, kBodyDelayMerge);
}

LoadedMacroScript LoadDriverMacroScript(std::span<const uint8_t, driver_macro_body::kSize> body)
{
    using namespace driver_macro_body;
    const size_t n = DriverMacroBodyEventCount(body).value_or(0);
    const auto bytes = body.subspan(kEventsOffset, n == 0 ? 0 : n + 1);
    return ScriptFromEvents(body[kModeOffset], bytes, n, kDriverDelayMerge);
}

std::string MacroBodyHexDump(std::span<const uint8_t, macro_body::kSize> body)
{
    const size_t n = MacroBodyEventCount(body).value_or(0);
    if (n == 0)
        return {};
    return HexBytes(body.first(macro_body::kEventsOffset + n + 1));
}

std::string DriverMacroBodyHexDump(std::span<const uint8_t, driver_macro_body::kSize> body)
{
    const size_t n = DriverMacroBodyEventCount(body).value_or(0);
    if (n == 0)
        return {};
    return HexBytes(body.first(driver_macro_body::kEventsOffset + n + 1));
}

bool MacroBodyChecksumOk(std::span<const uint8_t, macro_body::kSize> body)
{
    using namespace macro_body;
    // An empty body follows the same rule: the sum of no bytes gives 0x5A, which byte 1 (the
    // length, 0) never holds, so a body with length 0 is cleared like any damaged one.
    const size_t length = body[kLengthOffset];
    const size_t checksumAt = length + 1;
    if (checksumAt >= kSize)
        return false;
    // Bytes 1..L: the length byte and the events.
    return SectionChecksum(body.subspan(kLengthOffset, length)) == body[checksumAt];
}

uint8_t MacroCodeType(uint8_t releaseByte)
{
    return releaseByte == uint8_t(ReleaseMode::StopOnRelease) ? 0x0E : 0x06;
}

} // namespace tarq
