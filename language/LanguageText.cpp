// SPDX-License-Identifier: GPL-2.0-or-later
#include "language/LanguageText.h"

#include "config/TextCompare.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tarq {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = kReplacement;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string DecodeUtf16(std::span<const uint8_t> bytes, bool littleEndian)
{
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](size_t i) -> char16_t {
        const uint8_t lo = littleEndian ? bytes[i] : bytes[i + 1];
        const uint8_t hi = littleEndian ? bytes[i + 1] : bytes[i];
        return static_cast<char16_t>(lo | (hi << 8));
    };
    const size_t units = bytes.size() / 2;
    for (size_t u = 0; u < units; ++u) {
        const char16_t c = unit(2 * u);
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && u + 1 < units) {
            const char16_t next = unit(2 * (u + 1));
            if (next >= 0xDC00 && next <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(next) - 0xDC00));
                ++u;
                continue;
            }
        }
        AppendUtf8(out, c);   // a lone surrogate becomes U+FFFD there
    }
    if (bytes.size() % 2 != 0)
        AppendUtf8(out, kReplacement);
    return out;
}

// Copies valid UTF-8 and replaces each malformed sequence by U+FFFD, so the texts handed to
// the widgets are always well formed.
std::string SanitizeUtf8(std::span<const uint8_t> bytes)
{
    std::string out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const uint8_t b = bytes[i];
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        size_t length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if ((b & 0xE0) == 0xC0) { length = 2; cp = b & 0x1F; minimum = 0x80; }
        else if ((b & 0xF0) == 0xE0) { length = 3; cp = b & 0x0F; minimum = 0x800; }
        else if ((b & 0xF8) == 0xF0) { length = 4; cp = b & 0x07; minimum = 0x10000; }
        size_t taken = 1;
        bool valid = length != 0;
        while (valid && taken < length) {
            if (i + taken >= bytes.size() || (bytes[i + taken] & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (bytes[i + taken] & 0x3F);
            ++taken;
        }
        valid = valid && cp >= minimum && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        AppendUtf8(out, valid ? cp : kReplacement);
        i += taken;
    }
    return out;
}

bool IsSeparator(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

const std::string& LanguageTexts::Str(int id) const
{
    static const std::string empty;
    const auto it = strings.find(id);
    return it == strings.end() ? empty : it->second;
}

std::string StrIdName(int id)
{
    char name[8];
    std::snprintf(name, sizeof name, "Str%03d", std::clamp(id, 0, kMaxStrId));
    return name;
}

std::optional<int> ParseStrId(std::string_view key)
{
    if ((key.size() != 6 && key.size() != 7) || !EqualsNoCase(key.substr(0, 3), "Str"))
        return std::nullopt;
    int id = 0;
    for (char c : key.substr(3)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        id = id * 10 + (c - '0');
    }
    if (key.size() == 7 && (id < 1000 || id > kMaxStrId))
        return std::nullopt;
    return id;
}

std::string DecodeLanguageBytes(std::span<const uint8_t> bytes)
{
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        return DecodeUtf16(bytes.subspan(2), true);
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF)
        return DecodeUtf16(bytes.subspan(2), false);
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return SanitizeUtf8(bytes.subspan(3));
    return SanitizeUtf8(bytes);
}

std::vector<std::string> SplitLanguageItems(std::string_view text)
{
    std::vector<std::string> items;
    size_t i = 0;
    while (i < text.size()) {
        if (IsSeparator(text[i])) {
            ++i;
            continue;
        }
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        item.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;   // the closing quote ends the item
                    break;
                }
                item.push_back(text[i++]);
            }
        } else {
            while (i < text.size() && !IsSeparator(text[i]))
                item.push_back(text[i++]);
        }
        items.push_back(std::move(item));
    }
    return items;
}

LanguageTexts ReadLanguageText(std::span<const uint8_t> bytes, int languageIndex)
{
    LanguageTexts texts;
    const std::string section = "lang" + std::to_string(languageIndex);
    bool inSection = false;
    bool fontSeen = false;
    bool titleSeen = false;

    for (const std::string& raw : SplitLanguageItems(DecodeLanguageBytes(bytes))) {
        const std::string_view item = Trim(raw);
        if (item.empty() || item.front() == ';')
            continue;
        if (item.front() == '[') {
            if (item.back() == ']')
                inSection = EqualsNoCase(Trim(item.substr(1, item.size() - 2)), section);
            continue;
        }
        const size_t equals = item.find('=');
        if (!inSection || equals == std::string_view::npos)
            continue;
        const std::string_view key = Trim(item.substr(0, equals));
        const std::string_view value = Trim(item.substr(equals + 1));
        if (EqualsNoCase(key, "FontName")) {
            if (!std::exchange(fontSeen, true))
                texts.fontName = value;
        } else if (EqualsNoCase(key, "Title")) {
            if (!std::exchange(titleSeen, true))
                texts.title = value;
        } else if (const auto id = ParseStrId(key)) {
            texts.strings.try_emplace(*id, value);
        }
    }
    return texts;
}

std::optional<int> FindStrId(std::string_view text, std::span<const LanguageTexts> languages)
{
    std::optional<int> found;
    if (text.empty())
        return found;
    for (const LanguageTexts& language : languages) {
        const auto first = language.strings.lower_bound(kFindStrIdFirst);
        const auto last = language.strings.upper_bound(kFindStrIdLast);
        for (auto it = first; it != last; ++it) {
            if (it->second == text)
                found = it->first;
        }
    }
    return found;
}

} // namespace tarq
