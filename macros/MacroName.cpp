// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroName.h"

namespace tarq {

namespace {

bool IsHighSurrogate(char16_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

// The units a name keeps of the text: up to the first zero, at most 16, never half a pair.
size_t KeptUnits(std::u16string_view text)
{
    size_t n = 0;
    while (n < text.size() && n < kMacroNameMaxUnits && text[n] != 0)
        ++n;
    if (n == kMacroNameMaxUnits && n < text.size() && IsHighSurrogate(text[n - 1]))
        --n;
    return n;
}

} // namespace

MacroName MacroNameFromUtf16(std::u16string_view text)
{
    MacroName name{};
    const size_t units = KeptUnits(text);
    for (size_t i = 0; i < units; ++i) {
        name[2 * i] = uint8_t(text[i] >> 8);
        name[2 * i + 1] = uint8_t(text[i] & 0xFF);
    }
    return name;
}

std::u16string MacroNameToUtf16(const MacroName& name)
{
    std::u16string text;
    for (size_t i = 0; i < kMacroNameMaxUnits; ++i) {
        const char16_t unit = char16_t(name[2 * i] << 8 | name[2 * i + 1]);
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}

bool MacroNameFits(std::u16string_view text)
{
    size_t length = 0;
    while (length < text.size() && text[length] != 0)
        ++length;
    return length <= kMacroNameMaxUnits;
}

bool MacroNameIsEmpty(const MacroName& name)
{
    return name[0] == 0 && name[1] == 0;
}

bool MacroNameIsBlank(std::u16string_view text)
{
    for (const char16_t unit : text)
        if (unit != u' ' && unit != u'\t' && unit != u'\n' && unit != u'\r' && unit != u'\u00A0'
            && unit != u'\u3000')
            return false;
    return true;
}

} // namespace tarq
