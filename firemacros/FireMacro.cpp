// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/FireMacro.h"

#include "config/SectionChecksum.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tarq {

namespace {

// A record number outside 1..10 is a caller's mistake; it must never reach past the buffer.
void CheckRecordNumber(size_t bufferSize, int m)
{
    if (m < 1 || m > kFireMacroCount || bufferSize < FireMacroOffset(m) + fire_record::kSize)
        throw std::out_of_range("fire macro record " + std::to_string(m) + " is not in the buffer");
}

} // namespace

std::span<uint8_t, fire_record::kSize> FireMacroRecordOf(std::span<uint8_t> buffer, int m)
{
    CheckRecordNumber(buffer.size(), m);
    return buffer.subspan(FireMacroOffset(m)).first<fire_record::kSize>();
}

std::span<const uint8_t, fire_record::kSize> FireMacroRecordOf(std::span<const uint8_t> buffer, int m)
{
    CheckRecordNumber(buffer.size(), m);
    return buffer.subspan(FireMacroOffset(m)).first<fire_record::kSize>();
}

void CopyFireRecordsToWork(const FireMacroArea& area, FireMacroWork& work)
{
    std::copy_n(area.begin(), kFireMacroWorkSize, work.begin());
}

void CopyFireRecordsToArea(const FireMacroWork& work, FireMacroArea& area)
{
    std::copy_n(work.begin(), kFireMacroWorkSize, area.begin());
}

uint8_t FirePointerKind(uint8_t releaseByte)
{
    return releaseByte == uint8_t(ReleaseMode::StopOnRelease) ? 0x0E : 0x0B;
}

uint16_t FireMacroLengthAddress(int m)
{
    return uint16_t(kFireMacroAreaAddress + FireMacroOffset(m) + fire_record::kLengthOffset);
}

std::optional<size_t> FireMacroEventCount(std::span<const uint8_t, fire_record::kSize> record)
{
    const size_t length = record[fire_record::kLengthOffset];
    if (length == 0)
        return 0;
    if (length > fire_record::kMaxLength)
        return std::nullopt;
    return length - 1;
}

bool RenewFireMacroChecksum(std::span<uint8_t, fire_record::kSize> record)
{
    using namespace fire_record;
    const size_t length = record[kLengthOffset];
    if (length == 0 || length > kMaxLength)
        return false;
    record[length + 1] = SectionChecksum(std::span<const uint8_t>(record).subspan(kLengthOffset, length));
    return true;
}

EncodedFireMacro EncodeFireMacro(std::span<const std::string> script, ReleaseMode mode)
{
    using namespace fire_record;
    EncodedForBody encoded = EncodeForBody(script, LongDelay::Split, kMaxEvents);
    EncodedFireMacro out;
    static_cast<MacroBuildResult&>(out) = std::move(encoded.result);
    const std::vector<uint8_t>& events = encoded.events;
    if (!out.ok() || events.empty())
        return out;

    const size_t n = events.size();
    out.record[kModeOffset] = uint8_t(mode);
    out.record[kLengthOffset] = uint8_t(n + 1);
    std::copy(events.begin(), events.end(), out.record.begin() + kEventsOffset);
    RenewFireMacroChecksum(out.record);
    out.hexDump = HexBytes(std::span(out.record).first(n + 3));
    return out;
}

DecodedFireMacro DecodeFireMacro(std::span<const uint8_t, fire_record::kSize> record)
{
    using namespace fire_record;
    DecodedFireMacro out;
    out.releaseMode = ReleaseModeFromByte(record[kModeOffset]);
    out.script.push_back(DelayHeaderLine({DelayMode::None, 0}));
    const size_t n = FireMacroEventCount(record).value_or(0);
    if (n == 0)
        return out;
    // The events and the checksum: a record at the last position takes it as its operand.
    DecodedEvents events = DecodeEvents(record.subspan(kEventsOffset, n + 1), n, DelayMerge{});
    for (std::string& line : events.lines)
        out.script.push_back(std::move(line));
    return out;
}

size_t ImportFireMacroAreaFile(std::span<const uint8_t> file, FireMacroArea& area)
{
    const size_t n = std::min(file.size(), area.size());
    std::copy_n(file.begin(), n, area.begin());
    return n;
}

} // namespace tarq
