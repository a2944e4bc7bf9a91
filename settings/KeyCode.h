// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Key-function codes: the three bytes (type, data 1, data 2) that say what a mouse button
// does, and their text form of six upper-case hexadecimal digits, first byte first ("010100"
// is the left click).

#include "config/ImageLayout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarq {

// The type byte. Data bytes per type are described next to each value.
enum class KeyCodeType : uint8_t {
    KeyOff = 0x00,             // 00 00
    MouseButton = 0x01,        // button mask (mousebutton::), 00
    Keyboard = 0x02,           // modifier mask (modifier::), HID keyboard usage or 00
    Consumer = 0x03,           // 16-bit HID consumer usage, high byte first
    DpiLoop = 0x05,
    Macro = 0x06,              // image address of the macro's length byte; plays to its end
    DpiUp = 0x07,
    DpiDown = 0x08,
    LedOnOff = 0x09,
    Aim = 0x0A,                // DPI value index while held, 00
    FireMacro = 0x0C,          // first and last fire macro number (1-10)
    GunKeyFn = 0x0D,
    MacroUntilRelease = 0x0E,  // as Macro, but stops when the button is released
    KeyModeSwitch = 0x0F,
    LedModeSwitch = 0x10,
};

namespace mousebutton {
inline constexpr uint8_t kLeft = 0x01, kRight = 0x02, kMiddle = 0x04, kBack = 0x08, kForward = 0x10;
}

namespace modifier {
inline constexpr uint8_t kCtrl = 0x01, kShift = 0x02, kAlt = 0x04, kWin = 0x08;
}

struct KeyCode {
    uint8_t type = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;

    constexpr bool operator==(const KeyCode&) const = default;
    constexpr bool Is(KeyCodeType t) const { return type == static_cast<uint8_t>(t); }
    // The two data bytes as one 16-bit value, data 1 high (macro addresses, consumer usages).
    constexpr uint16_t Data16() const { return static_cast<uint16_t>(data1 << 8 | data2); }
};

// "010100" for 01 01 00.
std::string KeyCodeText(const KeyCode& code);

// The code of a text of exactly six hexadecimal digits (either case); nothing otherwise.
std::optional<KeyCode> ParseKeyCode(std::string_view text);

// The three bytes of a code in DataBuf and its text form. Writing leaves the bytes untouched
// and returns false when the text is not a code.
std::string KeyCodeTextFromBytes(std::span<const uint8_t, 3> bytes);
bool KeyCodeTextToBytes(std::string_view text, std::span<uint8_t, 3> bytes);

// The nine code texts of key mode 1 (office) or 2 (game) in the profile section of DataBuf:
// what `OfficeKeyCodes` and `GameKeyCodes` hold.
using ButtonKeyCodes = std::array<std::string, databuf::kButtonCount>;
ButtonKeyCodes ReadButtonKeyCodes(const DataBuf& buf, int keyMode);

// Stores the code text of button 1-9 of a key mode; false (and nothing written) for a text
// that is not a code or a button or key mode out of range.
bool WriteButtonKeyCode(DataBuf& buf, int keyMode, int button, std::string_view text);

// Macro addresses carried by types 0x06 and 0x0E.
inline constexpr uint16_t kFireKeyAddress = layout::kFireKey.image.address;   // "0600F0"

// Image address of byte 1 of the body of base macro page 1-6 (0x0121 ... 0x0421, 0x0621,
// 0x0721): where the codes of EEPROM-mode macros point.
constexpr uint16_t BaseMacroCodeAddress(int page)
{
    return static_cast<uint16_t>(layout::BaseMacroPageAddress(page) + layout::kMacroPageNameSize + 1);
}

// Address of macro `index` (0-based) of the driver's macro list: 0x0120 + 2048 * index.
inline constexpr uint16_t kDriverMacroBaseAddress = 0x0120;
inline constexpr uint16_t kDriverMacroStride = 2048;
constexpr uint16_t DriverMacroCodeAddress(int index)
{
    return static_cast<uint16_t>(kDriverMacroBaseAddress + kDriverMacroStride * index);
}

// The driver macro (0-based) whose code address is `address`; nothing for an address below the
// first record or between two records.
std::optional<int> DriverMacroIndexAt(uint16_t address);

// The code of a macro at `address`: type 0x06 for release mode 0, 0x0E for release mode 1.
constexpr KeyCode MacroKeyCode(uint16_t address, bool stopsOnRelease)
{
    return {static_cast<uint8_t>(stopsOnRelease ? KeyCodeType::MacroUntilRelease : KeyCodeType::Macro),
            static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address & 0xFF)};
}

} // namespace tarq
