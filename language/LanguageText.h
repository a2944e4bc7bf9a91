// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Language texts: the per-language resource that maps Str IDs ("Str" and three digits) to the
// captions and messages of the skinned pages, plus a font name and an application title.
//
// The resource is UTF-16LE text opening with the byte-order mark FF FE. Its items are separated
// by spaces and line breaks; an item in double quotes may hold spaces, and a doubled quote in
// it stands for one quote, so every entry is written as "Str000=Confirm". The items are then
// read like lines of a configuration text: "[lang1]" opens the section of language 1, and
// key=value items inside it give values. Everything is decoded to UTF-8 and never passes
// through an 8-bit code page, so Chinese and other non-Latin texts survive intact.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarq {

// The highest number a Str ID can carry ("Str1099"): three digits, or four for the texts
// from 1000 on.
constexpr int kMaxStrId = 1099;

// The texts of one language. A key that the resource lacks reads as empty text.
struct LanguageTexts {
    std::string fontName;
    std::string title;
    std::map<int, std::string> strings;   // Str ID number -> text (UTF-8)

    const std::string& Str(int id) const;
    bool Has(int id) const { return strings.contains(id); }
};

// "Str401" for 401.
std::string StrIdName(int id);

// 401 for "Str401", 1030 for "Str1030" (the prefix compared without regard to case); nothing
// for any other key or a number above kMaxStrId.
std::optional<int> ParseStrId(std::string_view key);

// The whole text as UTF-8: UTF-16LE after the byte-order mark FF FE, UTF-16BE after FE FF,
// otherwise UTF-8 (an UTF-8 byte-order mark is skipped). Malformed sequences, unpaired
// surrogates and a dangling odd byte become U+FFFD instead of being dropped silently.
std::string DecodeLanguageBytes(std::span<const uint8_t> bytes);

// Splits a decoded text into items at spaces and line breaks (any character up to U+0020).
// An item that starts with a double quote runs to the next lone double quote and may hold
// spaces; "" inside it stands for one quote. An unterminated quote takes the rest of the text.
std::vector<std::string> SplitLanguageItems(std::string_view text);

// Reads the section "[lang<languageIndex>]" of a language resource. Items outside that
// section, items without "=", comments (";") and keys other than FontName, Title and the
// Str IDs are ignored; keys compare without regard to case and the first occurrence wins.
LanguageTexts ReadLanguageText(std::span<const uint8_t> bytes, int languageIndex);

// The Str ID range that FindStrId searches: the messages, menu entries, DPI values, macro
// page texts, dialog texts, gun names and the first long-press option.
constexpr int kFindStrIdFirst = 100;
constexpr int kFindStrIdLast = 700;

// The Str ID whose text equals `text`, searching every language in turn and, within each, the
// IDs kFindStrIdFirst..kFindStrIdLast in ascending order; the last match wins, so the highest
// ID of the last language with a match is returned. An empty text matches nothing: a missing
// key is not a text that a caption could have come from.
std::optional<int> FindStrId(std::string_view text, std::span<const LanguageTexts> languages);

} // namespace tarq
