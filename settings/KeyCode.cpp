// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/KeyCode.h"

#include "config/HexText.h"

namespace tarq {

namespace {


} // namespace

std::string KeyCodeText(const KeyCode& code)
{
    std::string text;
    text.reserve(6);
    AppendHexByte(text, code.type);
    AppendHexByte(text, code.data1);
    AppendHexByte(text, code.data2);
    return text;
}

std::optional<KeyCode> ParseKeyCode(std::string_view text)
{
    if (text.size() != 6)
        return std::nullopt;
    std::array<uint8_t, 3> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int hi = HexDigitValue(text[2 * i]);
        const int lo = HexDigitValue(text[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        bytes[i] = static_cast<uint8_t>(hi << 4 | lo);
    }
    return KeyCode{bytes[0], bytes[1], bytes[2]};
}

std::string KeyCodeTextFromBytes(std::span<const uint8_t, 3> bytes)
{
    return KeyCodeText({bytes[0], bytes[1], bytes[2]});
}

bool KeyCodeTextToBytes(std::string_view text, std::span<uint8_t, 3> bytes)
{
    const std::optional<KeyCode> code = ParseKeyCode(text);
    if (!code)
        return false;
    bytes[0] = code->type;
    bytes[1] = code->data1;
    bytes[2] = code->data2;
    return true;
}

ButtonKeyCodes ReadButtonKeyCodes(const DataBuf& buf, int keyMode)
{
    ButtonKeyCodes codes;
    for (int button = 1; button <= static_cast<int>(codes.size()); ++button) {
        const size_t at = databuf::KeyCodeOffset(keyMode == 2 ? 2 : 1, button);
        codes[button - 1] =
            KeyCodeTextFromBytes(std::span<const uint8_t>(buf).subspan(at).first<3>());
    }
    return codes;
}

bool WriteButtonKeyCode(DataBuf& buf, int keyMode, int button, std::string_view text)
{
    if ((keyMode != 1 && keyMode != 2) || button < 1 || button > static_cast<int>(databuf::kButtonCount))
        return false;
    const size_t at = databuf::KeyCodeOffset(keyMode, button);
    return KeyCodeTextToBytes(text, std::span<uint8_t>(buf).subspan(at).first<3>());
}


std::optional<int> DriverMacroIndexAt(uint16_t address)
{
    if (address < kDriverMacroBaseAddress || (address - kDriverMacroBaseAddress) % kDriverMacroStride != 0)
        return std::nullopt;
    return (address - kDriverMacroBaseAddress) / kDriverMacroStride;
}

} // namespace tarq
