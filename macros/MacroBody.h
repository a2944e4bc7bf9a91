// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Macro bodies: the byte form of a macro that the mouse and the companion driver play.
//
// EEPROM body, 224 bytes                     Driver body (record bytes 32-2047), 2016 bytes
//   0        release mode                      0       release mode
//   1        L = event bytes + 1 (0: empty)    1-2     L, high byte first (00 00 or FF FF: empty)
//   2..L     events                            3..     events (n = L - 1)
//   L+1      checksum over bytes 1..L          3+n     checksum over bytes 1..1+n, i.e. the two
//   rest     0x00                                      length bytes and all events but the last
//
// The checksum is the section checksum (byte sum XOR 0x5A).

#include "macros/MacroName.h"
#include "macros/MacroScript.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tarq {

namespace macro_body {
constexpr size_t kSize = 224;
constexpr size_t kModeOffset = 0;
constexpr size_t kLengthOffset = 1;
constexpr size_t kEventsOffset = 2;
// Mode, length and checksum leave 221 event bytes.
constexpr size_t kMaxEvents = kSize - 3;
} // namespace macro_body

namespace driver_macro_body {
constexpr size_t kSize = 2016;
constexpr size_t kModeOffset = 0;
constexpr size_t kLengthHighOffset = 1;
constexpr size_t kLengthLowOffset = 2;
constexpr size_t kEventsOffset = 3;
// Mode, two length bytes and checksum leave 2012 event bytes.
constexpr size_t kMaxEvents = kSize - 4;
} // namespace driver_macro_body

using MacroBody = std::array<uint8_t, macro_body::kSize>;
using DriverMacroBody = std::array<uint8_t, driver_macro_body::kSize>;

// One macro of the PC library, of "Macro.bin" and of a base macro page: name, then body.
struct MacroRecord {
    MacroName name{};
    MacroBody body{};
    bool operator==(const MacroRecord&) const = default;
};
constexpr size_t kMacroRecordSize = 256;
static_assert(kMacroNameSize + macro_body::kSize == kMacroRecordSize);

// One macro of the driver library and of "Driver_Macro.bin": name, then driver body.
struct DriverMacroRecord {
    MacroName name{};
    DriverMacroBody body{};
    bool operator==(const DriverMacroRecord&) const = default;
};
constexpr size_t kDriverMacroRecordSize = 2048;
static_assert(kMacroNameSize + driver_macro_body::kSize == kDriverMacroRecordSize);

enum class MacroBuildStatus {
    Ok,
    TooLong,   // the events do not fit the body; nothing was built
    BadLine,   // a script line could not be read; nothing was built
};

// What building a body or record from a script reports, whatever it builds.
struct MacroBuildResult {
    MacroBuildStatus status = MacroBuildStatus::Ok;
    size_t eventBytes = 0;   // with TooLong: what the whole script needs (above the capacity)
    int badLine = -1;        // with BadLine: the script index of the line
    std::string hexDump;     // mode, length, events and checksum, for the diagnostic memo
    bool ok() const { return status == MacroBuildStatus::Ok; }
};

// The events of a script encoded for a body of `capacity` event bytes, and the result to
// report; the caller lays the bytes into its body when the result is Ok.
struct EncodedForBody {
    MacroBuildResult result;
    std::vector<uint8_t> events;
};
EncodedForBody EncodeForBody(std::span<const std::string> script, LongDelay longDelay, size_t capacity);

struct BuiltMacroBody : MacroBuildResult {
    MacroBody body{};        // all zero for an empty script
};

struct BuiltDriverMacroBody : MacroBuildResult {
    DriverMacroBody body{};
};

// The script (line 0 is the header and is skipped) as a 224-byte body. A delay line longer
// than 2040 ms is stored as one 2040 ms record.
BuiltMacroBody BuildMacroBody(std::span<const std::string> script, ReleaseMode mode);

// The script as bytes 32-2047 of a driver record. Long delays become several records.
BuiltDriverMacroBody BuildDriverMacroBody(std::span<const std::string> script, ReleaseMode mode);

struct LoadedMacroScript {
    MacroScript script;                      // line 0 is the delay header
    std::optional<ReleaseMode> releaseMode;  // nothing when byte 0 is neither 0 nor 1
    DelayHeader delay;                       // the delay mode line 0 names
};

// A body as a script. A length that points past the body (0xFF from erased memory) reads as
// an empty macro; the walk never leaves the body.
LoadedMacroScript LoadMacroScript(std::span<const uint8_t, macro_body::kSize> body);
LoadedMacroScript LoadDriverMacroScript(std::span<const uint8_t, driver_macro_body::kSize> body);

// The event count a body's length field claims: L - 1, or 0 for an empty body. Nothing when
// the length points past the body.
std::optional<size_t> MacroBodyEventCount(std::span<const uint8_t, macro_body::kSize> body);
std::optional<size_t> DriverMacroBodyEventCount(
    std::span<const uint8_t, driver_macro_body::kSize> body);

// The stored bytes of a body (mode, length, events, checksum) in hexadecimal, as the
// diagnostic memo shows them; empty for an empty or damaged length.
std::string MacroBodyHexDump(std::span<const uint8_t, macro_body::kSize> body);
std::string DriverMacroBodyHexDump(std::span<const uint8_t, driver_macro_body::kSize> body);

// Whether the checksum at L + 1 matches bytes 1..L. A length that puts the checksum outside
// the body fails; a length of 0 (an empty body) passes.
bool MacroBodyChecksumOk(std::span<const uint8_t, macro_body::kSize> body);

// The release byte as the type byte of a key-function code: 0x0E plays until release,
// 0x06 (any other value) plays to the end.
uint8_t MacroCodeType(uint8_t releaseByte);

} // namespace tarq
