// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro script: the text form in which the recorder and the editors hold a macro. Line 0
// is the delay header ("10", "01" + milliseconds, "00"); every further line is one event whose
// first character is its type digit:
//
//   0  "0 " + milliseconds                     delay            FE t (t units of 8 ms)
//   1  "1 " + name + " CODE:" + 4 hex digits   press            81 m, 82 u, or a button byte
//   2  "2 " + name + " CODE:" + 4 hex digits   release          01 m, 02 u, or a button byte
//   3/4 "3 FB" / "4 FB" + 2 hex digits         X move >= 0 / <0 FB d
//   5/6 "5 FA" / "6 FA" + 2 hex digits         Y move >= 0 / <0 FA d
//   7  "7 FD" + 2 hex digits                   repeat start     FD n (played n + 1 times)
//   8  "8 00FC"                                repeat end       FC
//
// This file turns single lines into event bytes and event bytes into lines; the 224-byte
// body, the driver record and the fire record frame those bytes (MacroBody.h, FireMacro.h).

#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarq {

// Line 0 first, then one line per event.
using MacroScript = std::vector<std::string>;

// Body byte 0. The mouse stops playing on release (1) or plays the macro to its end (0).
enum class ReleaseMode : uint8_t { PlayToEnd = 0, StopOnRelease = 1 };

// Byte 0 as a release mode; nothing for any other value (erased or foreign bytes).
std::optional<ReleaseMode> ReleaseModeFromByte(uint8_t b);

// The event record codes.
namespace macro_event {
constexpr uint8_t kModifierDown = 0x81;
constexpr uint8_t kModifierUp = 0x01;
constexpr uint8_t kKeyDown = 0x82;
constexpr uint8_t kKeyUp = 0x02;
constexpr uint8_t kDelay = 0xFE;
constexpr uint8_t kRepeatStart = 0xFD;
constexpr uint8_t kRepeatEnd = 0xFC;
constexpr uint8_t kMoveX = 0xFB;
constexpr uint8_t kMoveY = 0xFA;
// Mouse-button bytes: bit 7 marks the press, bit 5 is always set, the low bits name the button.
constexpr uint8_t kButtonPressBit = 0x80;
constexpr uint8_t kButtonMarkBit = 0x20;
} // namespace macro_event

enum class MouseButton : uint8_t { Left = 0x01, Right = 0x02, Middle = 0x04, Forward = 0x08, Backward = 0x10 };

// The single-bit modifier masks of the 81 m / 01 m records.
namespace modifier_bit {
constexpr uint8_t kCtrl = 0x01;
constexpr uint8_t kShift = 0x02;
constexpr uint8_t kAlt = 0x04;
constexpr uint8_t kLeftWindows = 0x08;
constexpr uint8_t kRightWindows = 0x80;
} // namespace modifier_bit

// A delay record counts in steps of 8 ms, so one record holds 0 to 2040 ms.
constexpr int kDelayStepMs = 8;
constexpr int kMaxDelayRecordMs = 255 * kDelayStepMs;

// The delay header of line 0: how the recorder puts delays between events.
enum class DelayMode { Record, Fixed, None };
struct DelayHeader {
    DelayMode mode = DelayMode::None;
    int fixedMs = 0;   // used with DelayMode::Fixed
    bool operator==(const DelayHeader&) const = default;
};
std::string DelayHeaderLine(const DelayHeader& header);
// "10" record, "01..." fixed (a missing or bad number reads as 0), anything else no delay.
DelayHeader ParseDelayHeader(std::string_view line);

// Line builders for the recorder and the editors.
std::string DelayLine(int ms);
// A key line in the 82 u / 02 u form; the name is the text shown and used for pairing.
std::string KeyLine(bool press, std::string_view name, uint8_t usage);
// A modifier line in the 81 m / 01 m form, named after the generic key ("Ctrl", "Shift",
// "Alt", "Left Windows", "Right Windows").
std::string ModifierLine(bool press, uint8_t modifierBit);
std::string ButtonLine(bool press, MouseButton button);
std::string MoveXLine(int8_t d);
std::string MoveYLine(int8_t d);
// n is the repeat byte: the block plays n + 1 times.
std::string RepeatStartLine(uint8_t n);
std::string RepeatEndLine();

// The size of the record that starts with this byte: 1 or 2, or 0 for no record.
size_t MacroEventSize(uint8_t code);

// The generic name of a single modifier bit; empty for any other mask.
std::string_view ModifierKeyName(uint8_t modifierBit);
std::string_view MouseButtonName(MouseButton button);

// The type digit of a line (0-8), or -1 when the line does not start with one.
int ScriptLineType(std::string_view line);
// The key name of a key or button line: the text between the type digit with its blank and
// the trailing " CODE:xxxx". Empty when the line is too short to hold one.
std::string_view ScriptLineKeyName(std::string_view line);
// The milliseconds of a delay line ("0 " + number); 0 when the number does not parse,
// negative numbers read as 0, huge ones saturate.
int DelayLineMs(std::string_view line);

// How a delay line longer than one record is stored: cut to 2040 ms (the 224-byte body) or
// split into 2040 ms records and a rest (the driver record and the fire record).
enum class LongDelay { Cut, Split };

enum class ScriptEncodeStatus { Ok, TooLong, BadLine };

struct EncodedEvents {
    ScriptEncodeStatus status = ScriptEncodeStatus::Ok;
    std::vector<uint8_t> bytes;   // complete only with status Ok
    size_t needed = 0;            // the bytes the whole script needs, counted past a TooLong
    int badLine = -1;             // script index of the line that could not be read
    bool ok() const { return status == ScriptEncodeStatus::Ok; }
};

// Encodes script lines 1.. into event bytes. Stops building with TooLong as soon as more than
// `capacity` bytes would be needed, so an absurd delay line never builds a huge buffer; the
// rest of the script is only counted, so that `needed` tells the real size.
// Empty lines are skipped; a line whose last four characters are not hexadecimal is BadLine.
EncodedEvents EncodeScriptEvents(std::span<const std::string> script, LongDelay longDelay,
                                 size_t capacity);

// How runs of delay records are shown: each run of up to `maxRun` consecutive records becomes
// one delay line, as long as the sum stays within `maxMergedMs`.
struct DelayMerge {
    int maxRun = 1;
    int maxMergedMs = INT_MAX;
};

struct DecodedEvents {
    std::vector<std::string> lines;   // event lines, without the header
    std::vector<int> delaysMs;        // the milliseconds of each delay line, in order
    size_t consumed = 0;              // event bytes walked before the end or an unknown byte
};

// Walks `eventCount` event positions of `bytes`. A two-byte record may take its operand from
// the byte after the last event position (the checksum) when `bytes` holds it; the walk never
// reads past `bytes`. A byte that starts no known record, or a modifier mask that is not a
// single known bit, ends the walk.
DecodedEvents DecodeEvents(std::span<const uint8_t> bytes, size_t eventCount, DelayMerge merge);

// The header line a loaded macro gets from its first four delay lines (missing ones count as
// 0): all 0 -> no delay; all equal -> fixed delay of that value; otherwise record delays.
DelayHeader DelayHeaderFromDelays(std::span<const int> delaysMs);

// Upper-case hexadecimal digits of bytes, no separators ("0109A1").
std::string HexBytes(std::span<const uint8_t> bytes);

} // namespace tarq
