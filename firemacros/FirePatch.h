// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The gun page's view of a fire macro record. The page never adds or removes events: it
// finds the shot count (after FD), the X move (after FB), the Y move (after FA) and the
// interval (after the first FE that follows an FA) by position, shows them, and writes
// corrected values back at those positions, renewing the checksum each time.

#include "firemacros/FireMacro.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarq {

// Where each value sits inside its record, as the last LoadFireParameters found it. A value
// the record does not hold has no position, and edits of it store nothing.
struct FirePatchPositions {
    std::optional<uint8_t> count;
    std::optional<uint8_t> x;
    std::optional<uint8_t> y;
    std::optional<uint8_t> interval;
    bool operator==(const FirePatchPositions&) const = default;
};

struct FireParameters {
    // The release check box: checked for byte 0 = 1, unchecked for 0; nothing for any other
    // value, which leaves the box and the pointer-table kind as they are.
    std::optional<bool> releaseStop;
    // Byte 0 was neither 0 nor 1 in column 1: loading stopped and the edits keep "0".
    bool stopped = false;
    std::string count = "0";
    std::string x = "0";
    std::string y = "0";
    std::string interval = "0";
    FirePatchPositions positions;
};

// Reads a record for the column it is shown in; column 1 stops at an unknown release byte,
// columns 2 and 3 go on. With several loops or moves the last one found wins. A length past
// the record reads as no events; a byte that is no event ends the walk.
FireParameters LoadFireParameters(std::span<const uint8_t, fire_record::kSize> record, int column);

enum class FireEditStatus {
    Stored,    // the corrected value was written and the checksum renewed
    NoEvent,   // the text was corrected but the record has no such event: no byte changed
    Pending,   // a lone "-": the text is left as typed and nothing is stored
    Invalid,   // not a whole number: reject with a message that quotes the text
};

struct FireEditResult {
    FireEditStatus status = FireEditStatus::Invalid;
    std::string text;   // the corrected text to show (the typed text when nothing was corrected)
    int value = 0;      // the value shown
};

// Count: 1..256 (empty or 0 -> "1", above 256 -> "256"), stores count - 1.
FireEditResult EditFireCount(std::span<uint8_t, fire_record::kSize> record,
                             const FirePatchPositions& positions, std::string_view text);
// X: -128..127 (empty -> "0"), stored as a signed byte.
FireEditResult EditFireX(std::span<uint8_t, fire_record::kSize> record,
                         const FirePatchPositions& positions, std::string_view text);
// Y: -128..127 (empty -> "0"; a lone "-" waits), stored as a signed byte, so an upward move
// read from a record can be edited too. The caller resets the column's Y offset to 0 (edit and
// Y-offset table) whenever the text is a number, stored or not.
FireEditResult EditFireY(std::span<uint8_t, fire_record::kSize> record,
                         const FirePatchPositions& positions, std::string_view text);
// Interval in ms: 0..2040 (empty or negative -> "0"), stores ms div 8.
FireEditResult EditFireInterval(std::span<uint8_t, fire_record::kSize> record,
                                const FirePatchPositions& positions, std::string_view text);

// Y offset: -128..127, then kept so that y + offset stays inside a signed byte. It never
// enters the record: with Stored the caller writes YOffsetPair(value) into the Y-offset table
// and the text into the engineer edit of the record.
FireEditResult EditFireYOffset(std::string_view text, int y);

// A Y-offset table pair: the offset as a signed byte, then 255 minus that byte.
std::array<uint8_t, 2> YOffsetPair(int8_t offset);

} // namespace tarq
