// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Fire macros: ten 24-byte records in the fire macro area (image 0x500-0x5FF), laid out like
// a macro body in a smaller slot:
//
//   0        release mode (1 stops on release, 0 plays to the end)
//   1        L = event bytes + 1 (0: empty)
//   2..L     events (at most 21)
//   L+1      checksum over bytes 1..L (section checksum)
//   L+2..23  unused, kept as they are
//
// Record m (1..10) sits at offset 24 (m - 1) of the area and of the working copy; the 16
// bytes after the ten records are spare and carried unchanged.

#include "macros/MacroBody.h"
#include "macros/MacroScript.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tarq {

namespace fire_record {
constexpr size_t kSize = 24;
constexpr size_t kModeOffset = 0;
constexpr size_t kLengthOffset = 1;
constexpr size_t kEventsOffset = 2;
// Mode, length and checksum leave 21 event bytes.
constexpr size_t kMaxEvents = kSize - 3;
constexpr size_t kMaxLength = kMaxEvents + 1;
} // namespace fire_record

constexpr int kFireMacroCount = 10;
constexpr uint16_t kFireMacroAreaAddress = 0x500;
constexpr size_t kFireMacroAreaSize = 256;
constexpr size_t kFireMacroWorkSize = kFireMacroCount * fire_record::kSize;
static_assert(kFireMacroWorkSize == 240 && kFireMacroWorkSize <= kFireMacroAreaSize);

using FireMacroRecord = std::array<uint8_t, fire_record::kSize>;
using FireMacroArea = std::array<uint8_t, kFireMacroAreaSize>;
using FireMacroWork = std::array<uint8_t, kFireMacroWorkSize>;

// The offset of record m (1..10) in the area or the working copy.
constexpr size_t FireMacroOffset(int m)
{
    return size_t(m - 1) * fire_record::kSize;
}

// Record m of the area or the working copy, to read or change in place; throws
// std::out_of_range for a number outside 1..10.
std::span<uint8_t, fire_record::kSize> FireMacroRecordOf(std::span<uint8_t> buffer, int m);
std::span<const uint8_t, fire_record::kSize> FireMacroRecordOf(std::span<const uint8_t> buffer, int m);

// The ten records between the area and the working copy; the spare bytes stay.
void CopyFireRecordsToWork(const FireMacroArea& area, FireMacroWork& work);
void CopyFireRecordsToArea(const FireMacroWork& work, FireMacroArea& area);

// The pointer-table kind of a record: 0x0E when it stops on release, 0x0B otherwise.
uint8_t FirePointerKind(uint8_t releaseByte);
// The image address of record m's length byte, as the pointer table names it.
uint16_t FireMacroLengthAddress(int m);

// L - 1 event bytes, 0 for an empty record, nothing when L points past the record.
std::optional<size_t> FireMacroEventCount(std::span<const uint8_t, fire_record::kSize> record);

// Stores the checksum of bytes 1..L at L + 1 (FireMacro1Checksum ... FireMacro10Checksum).
// Does nothing and returns false for an empty record or a length past the record.
bool RenewFireMacroChecksum(std::span<uint8_t, fire_record::kSize> record);

// With TooLong, eventBytes is what the whole script needs (22 or more); the dump holds the
// record's n + 3 bytes.
struct EncodedFireMacro : MacroBuildResult {
    FireMacroRecord record{};   // all zero for a script without events
};

// A script as a fresh record. Long delays become several records. A script that needs more
// than 21 event bytes gives TooLong and no record: the caller keeps the old one.
EncodedFireMacro EncodeFireMacro(std::span<const std::string> script, ReleaseMode mode);

struct DecodedFireMacro {
    MacroScript script;                      // header "00", one line per event
    std::optional<ReleaseMode> releaseMode;  // nothing when byte 0 is neither 0 nor 1
};

// A record as a script. Delays are not merged. A length past the record reads as empty; a byte
// that is no event ends the list.
DecodedFireMacro DecodeFireMacro(std::span<const uint8_t, fire_record::kSize> record);

// The import of a fire macro area file: up to its first 256 bytes; a shorter file leaves the
// rest as it was. Returns the bytes copied.
size_t ImportFireMacroAreaFile(std::span<const uint8_t> file, FireMacroArea& area);

} // namespace tarq
