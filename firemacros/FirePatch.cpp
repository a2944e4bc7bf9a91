// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/FirePatch.h"

#include <algorithm>
#include <climits>

namespace tarq {

namespace {

constexpr int kMaxShots = 256;
constexpr int kMaxIntervalMs = kMaxDelayRecordMs;

enum class TextKind { Empty, LoneMinus, Number, NotNumber };

struct ParsedText {
    TextKind kind = TextKind::NotNumber;
    long long value = 0;
};

// A whole number with an optional minus sign; digits beyond the int range saturate, so a
// long run of digits is corrected to the maximum like any other large value.
ParsedText ParseEditText(std::string_view text)
{
    if (text.empty())
        return {TextKind::Empty};
    if (text == "-")
        return {TextKind::LoneMinus};
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    long long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return {TextKind::NotNumber};
        v = std::min<long long>(v * 10 + (c - '0'), INT_MAX);
    }
    return {TextKind::Number, negative ? -v : v};
}

// The common correction: empty gives `emptyValue`, values outside lo..hi become the bound.
FireEditResult Correct(std::string_view text, int emptyValue, int lo, int hi)
{
    const ParsedText parsed = ParseEditText(text);
    switch (parsed.kind) {
    case TextKind::NotNumber:
        return {FireEditStatus::Invalid, std::string(text), 0};
    case TextKind::LoneMinus:
        return {FireEditStatus::Pending, std::string(text), 0};
    case TextKind::Empty:
        return {FireEditStatus::Stored, std::to_string(emptyValue), emptyValue};
    case TextKind::Number:
        break;
    }
    const int value = int(std::clamp<long long>(parsed.value, lo, hi));
    std::string shown = value == parsed.value ? std::string(text) : std::to_string(value);
    return {FireEditStatus::Stored, std::move(shown), value};
}

// Writes a value through a remembered position, but only while that position still holds
// the operand of the event it was found after: the record may have been rebuilt since.
bool PatchOperand(std::span<uint8_t, fire_record::kSize> record, std::optional<uint8_t> position,
                  uint8_t eventCode, uint8_t value)
{
    using namespace fire_record;
    const auto events = FireMacroEventCount(record);
    if (!position || !events || *events == 0)
        return false;
    const size_t at = *position;
    const size_t lastEvent = kEventsOffset + *events - 1;
    if (at <= kEventsOffset || at > lastEvent || record[at - 1] != eventCode)
        return false;
    record[at] = value;
    return RenewFireMacroChecksum(record);
}

FireEditResult Store(FireEditResult result, std::span<uint8_t, fire_record::kSize> record,
                     std::optional<uint8_t> position, uint8_t eventCode, uint8_t value)
{
    if (result.status == FireEditStatus::Stored && !PatchOperand(record, position, eventCode, value))
        result.status = FireEditStatus::NoEvent;
    return result;
}

} // namespace

FireParameters LoadFireParameters(std::span<const uint8_t, fire_record::kSize> record, int column)
{
    using namespace macro_event;
    using namespace fire_record;
    FireParameters out;
    const uint8_t mode = record[kModeOffset];
    if (mode == 1 || mode == 0) {
        out.releaseStop = mode == 1;
    } else if (column == 1) {
        out.stopped = true;
        return out;
    }

    const size_t events = FireMacroEventCount(record).value_or(0);
    const size_t lastEvent = kEventsOffset + events - 1;   // only used when events > 0
    // A value is patchable only when its operand is an event byte, not the checksum.
    auto positionOf = [&](size_t operand) -> std::optional<uint8_t> {
        if (operand <= lastEvent)
            return uint8_t(operand);
        return std::nullopt;
    };
    bool ySeen = false;
    size_t i = kEventsOffset;
    while (events > 0 && i <= lastEvent) {
        const uint8_t code = record[i];
        const size_t size = MacroEventSize(code);
        if (size == 0)
            break;
        if (size == 2) {
            // L is at most 22, so the operand is at most byte 23: inside the record.
            const uint8_t v = record[i + 1];
            if (code == kMoveY) {
                out.y = std::to_string(int8_t(v));
                out.positions.y = positionOf(i + 1);
                ySeen = true;
            } else if (code == kMoveX) {
                out.x = std::to_string(int8_t(v));
                out.positions.x = positionOf(i + 1);
            } else if (code == kRepeatStart) {
                out.count = std::to_string(v + 1);
                out.positions.count = positionOf(i + 1);
            } else if (code == kDelay && ySeen) {
                out.interval = std::to_string(v * kDelayStepMs);
                out.positions.interval = positionOf(i + 1);
                ySeen = false;
            }
        }
        i += size;
    }
    return out;
}

FireEditResult EditFireCount(std::span<uint8_t, fire_record::kSize> record,
                             const FirePatchPositions& positions, std::string_view text)
{
    // 0 or less shows as 1 shot, like an empty text.
    FireEditResult r = Correct(text, 1, 1, kMaxShots);
    const uint8_t stored = uint8_t(r.value - 1);
    return Store(std::move(r), record, positions.count, macro_event::kRepeatStart, stored);
}

FireEditResult EditFireX(std::span<uint8_t, fire_record::kSize> record,
                         const FirePatchPositions& positions, std::string_view text)
{
    FireEditResult r = Correct(text, 0, INT8_MIN, INT8_MAX);
    const uint8_t stored = uint8_t(int8_t(r.value));
    return Store(std::move(r), record, positions.x, macro_event::kMoveX, stored);
}

FireEditResult EditFireY(std::span<uint8_t, fire_record::kSize> record,
                         const FirePatchPositions& positions, std::string_view text)
{
    FireEditResult r = Correct(text, 0, INT8_MIN, INT8_MAX);
    const uint8_t stored = uint8_t(int8_t(r.value));
    return Store(std::move(r), record, positions.y, macro_event::kMoveY, stored);
}

FireEditResult EditFireInterval(std::span<uint8_t, fire_record::kSize> record,
                                const FirePatchPositions& positions, std::string_view text)
{
    FireEditResult r = Correct(text, 0, 0, kMaxIntervalMs);
    const uint8_t stored = uint8_t(r.value / kDelayStepMs);
    return Store(std::move(r), record, positions.interval, macro_event::kDelay, stored);
}

FireEditResult EditFireYOffset(std::string_view text, int y)
{
    FireEditResult r = Correct(text, 0, INT8_MIN, INT8_MAX);
    if (r.status != FireEditStatus::Stored)
        return r;
    int offset = r.value;
    if (y + offset > INT8_MAX)
        offset = INT8_MAX - y;
    else if (y + offset < INT8_MIN)
        offset = INT8_MIN - y;
    offset = std::clamp(offset, int(INT8_MIN), int(INT8_MAX));
    if (offset != r.value) {
        r.value = offset;
        r.text = std::to_string(offset);
    }
    return r;
}

std::array<uint8_t, 2> YOffsetPair(int8_t offset)
{
    const uint8_t b = uint8_t(offset);
    return {b, uint8_t(255 - b)};
}

} // namespace tarq
