// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroScript.h"

#include "config/HexText.h"
#include "config/TextTrim.h"
#include "settings/HidUsageNames.h"

#include <algorithm>
#include <array>

namespace tarq {

namespace {

constexpr std::string_view kCodeTag = " CODE:";
// " CODE:" and four hexadecimal digits close every key and button line.
constexpr size_t kCodeTailLength = kCodeTag.size() + 4;
// A line starts with its type digit and a blank.
constexpr size_t kLineLeadLength = 2;

std::string Hex2(uint8_t b)
{
    std::string out;
    AppendHexByte(out, b);
    return out;
}


// A decimal number with an optional minus sign that saturates instead of overflowing;
// nothing when the text is not a number.
std::optional<long long> ParseDecimal(std::string_view s)
{
    s = Trim(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return std::nullopt;
    long long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = std::min<long long>(v * 10 + (c - '0'), INT_MAX);
    }
    return negative ? -v : v;
}

std::string CodeLine(char type, std::string_view name, uint8_t first, uint8_t second)
{
    std::string line{type, ' '};
    line += name;
    line += kCodeTag;
    line += Hex2(first);
    line += Hex2(second);
    return line;
}

bool IsButtonByte(uint8_t b)
{
    using namespace macro_event;
    if ((b & kButtonMarkBit) == 0 || (b & 0x40) != 0)
        return false;
    const uint8_t button = b & 0x1F;
    return button == 0x01 || button == 0x02 || button == 0x04 || button == 0x08 || button == 0x10;
}

} // namespace

std::optional<ReleaseMode> ReleaseModeFromByte(uint8_t b)
{
    if (b == uint8_t(ReleaseMode::PlayToEnd))
        return ReleaseMode::PlayToEnd;
    if (b == uint8_t(ReleaseMode::StopOnRelease))
        return ReleaseMode::StopOnRelease;
    return std::nullopt;
}

std::string DelayHeaderLine(const DelayHeader& header)
{
    switch (header.mode) {
    case DelayMode::Record:
        return "10";
    case DelayMode::Fixed:
        return "01" + std::to_string(header.fixedMs);
    case DelayMode::None:
        break;
    }
    return "00";
}

DelayHeader ParseDelayHeader(std::string_view line)
{
    if (line.starts_with("10"))
        return {DelayMode::Record, 0};
    if (line.starts_with("01")) {
        const auto ms = ParseDecimal(line.substr(2));
        return {DelayMode::Fixed, int(std::max<long long>(0, ms.value_or(0)))};
    }
    return {DelayMode::None, 0};
}

std::string DelayLine(int ms)
{
    return "0 " + std::to_string(ms);
}

std::string KeyLine(bool press, std::string_view name, uint8_t usage)
{
    using namespace macro_event;
    return CodeLine(press ? '1' : '2', name, press ? kKeyDown : kKeyUp, usage);
}

std::string ModifierLine(bool press, uint8_t modifierBit)
{
    using namespace macro_event;
    return CodeLine(press ? '1' : '2', ModifierKeyName(modifierBit),
                    press ? kModifierDown : kModifierUp, modifierBit);
}

std::string ButtonLine(bool press, MouseButton button)
{
    using namespace macro_event;
    const uint8_t code = uint8_t(button) | kButtonMarkBit | (press ? kButtonPressBit : 0);
    return CodeLine(press ? '1' : '2', MouseButtonName(button), 0x00, code);
}

std::string MoveXLine(int8_t d)
{
    return std::string(d >= 0 ? "3 FB" : "4 FB") + Hex2(uint8_t(d));
}

std::string MoveYLine(int8_t d)
{
    return std::string(d >= 0 ? "5 FA" : "6 FA") + Hex2(uint8_t(d));
}

std::string RepeatStartLine(uint8_t n)
{
    return "7 FD" + Hex2(n);
}

std::string RepeatEndLine()
{
    return "8 00FC";
}

size_t MacroEventSize(uint8_t code)
{
    using namespace macro_event;
    if (IsButtonByte(code) || code == kRepeatEnd)
        return 1;
    switch (code) {
    case kModifierDown: case kModifierUp: case kKeyDown: case kKeyUp:
    case kDelay: case kRepeatStart: case kMoveX: case kMoveY:
        return 2;
    default:
        return 0;
    }
}

std::string_view ModifierKeyName(uint8_t modifierBit)
{
    switch (modifierBit) {
    case modifier_bit::kCtrl: return "Ctrl";
    case modifier_bit::kShift: return "Shift";
    case modifier_bit::kAlt: return "Alt";
    case modifier_bit::kLeftWindows: return "Left Windows";
    case modifier_bit::kRightWindows: return "Right Windows";
    default: return {};
    }
}

std::string_view MouseButtonName(MouseButton button)
{
    switch (button) {
    case MouseButton::Left: return "LeftKey";
    case MouseButton::Right: return "RightKey";
    case MouseButton::Middle: return "MiddleKey";
    case MouseButton::Forward: return "Forward";
    case MouseButton::Backward: return "Backward";
    }
    return {};
}

int ScriptLineType(std::string_view line)
{
    if (line.empty() || line.front() < '0' || line.front() > '8')
        return -1;
    return line.front() - '0';
}

std::string_view ScriptLineKeyName(std::string_view line)
{
    if (line.size() < kLineLeadLength + kCodeTailLength)
        return {};
    return line.substr(kLineLeadLength, line.size() - kLineLeadLength - kCodeTailLength);
}

int DelayLineMs(std::string_view line)
{
    if (line.size() <= kLineLeadLength)
        return 0;
    const auto ms = ParseDecimal(line.substr(kLineLeadLength));
    return int(std::clamp<long long>(ms.value_or(0), 0, INT_MAX));
}

EncodedEvents EncodeScriptEvents(std::span<const std::string> script, LongDelay longDelay,
                                 size_t capacity)
{
    EncodedEvents out;
    // Appends `times` copies of a record while they fit; past the capacity it only counts.
    auto append = [&](std::initializer_list<uint8_t> record, size_t times = 1) {
        const size_t size = record.size() * times;
        out.needed += size;
        if (out.status != ScriptEncodeStatus::Ok)
            return;
        if (out.bytes.size() + size > capacity) {
            out.status = ScriptEncodeStatus::TooLong;
            return;
        }
        for (size_t i = 0; i < times; ++i)
            out.bytes.insert(out.bytes.end(), record);
    };

    for (size_t n = 1; n < script.size(); ++n) {
        const std::string_view line = script[n];
        if (Trim(line).empty())
            continue;
        if (line.front() == '0') {
            int ms = DelayLineMs(line);
            if (longDelay == LongDelay::Cut)
                ms = std::min(ms, kMaxDelayRecordMs);
            const int rest = ms % kMaxDelayRecordMs;
            append({macro_event::kDelay, 0xFF}, size_t(ms / kMaxDelayRecordMs));
            if (rest > 0 || ms == 0)
                append({macro_event::kDelay, uint8_t(rest / kDelayStepMs)});
            continue;
        }
        // Every other line ends in the code of its record; "00" in front marks a one-byte one.
        const std::string_view tail = line.size() >= 4 ? line.substr(line.size() - 4) : "";
        const auto code = ParseHex(tail);
        if (!code) {
            if (out.status == ScriptEncodeStatus::TooLong)
                continue;   // only counting now
            out.status = ScriptEncodeStatus::BadLine;
            out.badLine = int(n);
            return out;
        }
        if (tail.starts_with("00"))
            append({uint8_t(*code)});
        else
            append({uint8_t(*code >> 8), uint8_t(*code)});
    }
    return out;
}

DecodedEvents DecodeEvents(std::span<const uint8_t> bytes, size_t eventCount, DelayMerge merge)
{
    using namespace macro_event;
    DecodedEvents out;
    eventCount = std::min(eventCount, bytes.size());
    size_t i = 0;
    auto operandOf = [&](size_t at) -> std::optional<uint8_t> {
        if (at + 1 < bytes.size())
            return bytes[at + 1];
        return std::nullopt;
    };

    while (i < eventCount) {
        const uint8_t b = bytes[i];
        if (IsButtonByte(b)) {
            const bool press = (b & kButtonPressBit) != 0;
            out.lines.push_back(ButtonLine(press, MouseButton(b & 0x1F)));
            i += 1;
            continue;
        }
        if (b == kRepeatEnd) {
            out.lines.push_back(RepeatEndLine());
            i += 1;
            continue;
        }
        const auto operand = operandOf(i);
        if (!operand)
            break;
        const uint8_t v = *operand;
        if (b == kModifierDown || b == kModifierUp) {
            const std::string_view name = ModifierKeyName(v);
            if (name.empty())
                break;
            out.lines.push_back(CodeLine(b == kModifierDown ? '1' : '2', name, b, v));
        } else if (b == kKeyDown || b == kKeyUp) {
            out.lines.push_back(KeyLine(b == kKeyDown, HidUsageToKeyName(v), v));
        } else if (b == kMoveX) {
            out.lines.push_back(MoveXLine(int8_t(v)));
        } else if (b == kMoveY) {
            out.lines.push_back(MoveYLine(int8_t(v)));
        } else if (b == kRepeatStart) {
            out.lines.push_back(RepeatStartLine(v));
        } else if (b == kDelay) {
            int sum = v * kDelayStepMs;
            size_t next = i + 2;
            for (int run = 1; run < merge.maxRun && next < eventCount && bytes[next] == kDelay;
                 ++run) {
                const auto more = operandOf(next);
                if (!more || sum + *more * kDelayStepMs > merge.maxMergedMs)
                    break;
                sum += *more * kDelayStepMs;
                next += 2;
            }
            out.lines.push_back(DelayLine(sum));
            out.delaysMs.push_back(sum);
            i = next;
            continue;
        } else {
            break;
        }
        i += 2;
    }
    out.consumed = std::min(i, eventCount);
    return out;
}

DelayHeader DelayHeaderFromDelays(std::span<const int> delaysMs)
{
    std::array<int, 4> first{};
    std::copy_n(delaysMs.begin(), std::min<size_t>(delaysMs.size(), first.size()), first.begin());
    const bool allEqual = std::all_of(first.begin(), first.end(), [&](int v) { return v == first[0]; });
    if (allEqual && first[0] == 0)
        return {DelayMode::None, 0};
    if (allEqual)
        return {DelayMode::Fixed, first[0]};
    return {DelayMode::Record, 0};
}

std::string HexBytes(std::span<const uint8_t> bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (uint8_t b : bytes)
        out += Hex2(b);
    return out;
}

} // namespace tarq
