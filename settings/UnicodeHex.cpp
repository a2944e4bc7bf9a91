// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/UnicodeHex.h"

#include "config/HexText.h"

#include <algorithm>
#include <cstdint>

namespace tarq {

namespace {

constexpr char32_t kReplacement = 0xFFFD;


void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

// Decodes one UTF-8 sequence at `i`, advancing it; malformed input gives U+FFFD for one byte.
char32_t NextUtf8(std::string_view s, size_t& i)
{
    const auto lead = static_cast<uint8_t>(s[i++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    const size_t start = i;
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<uint8_t>(s[i]) & 0xC0) != 0x80) {
            i = start;
            return kReplacement;
        }
        cp = cp << 6 | (static_cast<uint8_t>(s[i++]) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        i = start;
        return kReplacement;
    }
    return cp;
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    for (size_t i = 0; i < utf8.size();)
        AppendUtf16(out, NextUtf8(utf8, i));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((char32_t{u} - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

std::string StrToUnicodeHex(std::u16string_view text)
{
    std::string hex;
    const size_t units = std::min(text.size(), kUnicodeHexMaxUnits);
    for (size_t i = 0; i < units && text[i] != 0; ++i) {
        const char16_t u = text[i];
        for (int shift = 12; shift >= 0; shift -= 4)
            hex += HexDigitChar(u >> shift);
    }
    return hex;
}

std::string StrToUnicodeHex(std::string_view utf8)
{
    return StrToUnicodeHex(std::u16string_view(Utf8ToUtf16(utf8)));
}

std::u16string UnicodeHexToU16(std::string_view hex)
{
    std::u16string reversed;
    for (size_t end = hex.size(); end >= 4; end -= 4) {
        int unit = 0;
        bool valid = true;
        for (size_t i = end - 4; i < end; ++i) {
            const int v = HexDigitValue(hex[i]);
            valid = valid && v >= 0;
            unit = unit << 4 | (v & 0x0F);
        }
        if (valid)
            reversed += static_cast<char16_t>(unit);
    }
    return {reversed.rbegin(), reversed.rend()};
}

std::string UnicodeHexToStr(std::string_view hex)
{
    return Utf16ToUtf8(UnicodeHexToU16(hex));
}

} // namespace tarq
