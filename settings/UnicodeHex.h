// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Names (macro names, gun names) written as hexadecimal UTF-16: every code unit as four
// upper-case hexadecimal digits, high digits first. "AB" is "00410042".

#include <cstddef>
#include <string>
#include <string_view>

namespace tarq {

// At most this many code units are written.
inline constexpr size_t kUnicodeHexMaxUnits = 499;

// Stops at the first zero code unit.
std::string StrToUnicodeHex(std::u16string_view text);
// The same for UTF-8 text.
std::string StrToUnicodeHex(std::string_view utf8);

// Reads groups of four digits counted from the end of the text; a group that is not
// hexadecimal is skipped and one to three digits left over at the front are ignored.
std::u16string UnicodeHexToU16(std::string_view hex);
// The same as UTF-8; unpaired surrogates become U+FFFD.
std::string UnicodeHexToStr(std::string_view hex);

// UTF conversions used by the above; malformed input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace tarq
