// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The configuration texts the program carries (the org configuration and the layout
// configurations): INI-style 8-bit text. A "[name]" line opens a section; "key=value" lines
// give values, with spaces around "=" and at both ends of the line ignored; lines starting
// with ";" or "//" and lines without "=" carry nothing. Section names and keys compare without
// regard to case; when a key appears twice in a section the first occurrence wins.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarq {

// A value that a reader needed and could not use, with enough context to find it in the text.
struct ConfigProblem {
    std::string resource;   // "ORG", "ORG1", ...
    std::string section;    // "org", "org1", ...
    std::string key;        // "M_L_W"
    std::string message;    // "missing", "not a whole number: \"19O\""

    // "ORG1 [org1] M_L_W: missing"; parts left empty are left out ("L1_Back2: picture missing").
    std::string Describe() const;
};

// A whole decimal number with an optional sign; leading zeros are allowed ("0255" is 255).
// Nothing for empty text, other characters, or a value beyond the range of int.
std::optional<int> ParseConfigInt(std::string_view text);

class ConfigText {
public:
    ConfigText() = default;
    static ConfigText Parse(std::string_view text);

    bool HasSection(std::string_view section) const;
    // The trimmed value, or nothing when the section or the key is absent.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

private:
    using Section = std::map<std::string, std::string>;   // lower-case key -> value
    std::map<std::string, Section> sections_;             // lower-case name -> keys
};

// Reads the keys of one section and keeps a problem for every key that is absent or not a
// whole number, so that a caller can skip what it cannot place and still go on.
class ConfigReader {
public:
    ConfigReader(const ConfigText& text, std::string resource, std::string section);

    // The number, or nothing (and a problem recorded) when absent or not a whole number.
    std::optional<int> Int(std::string_view key);
    // Like Int, but the fallback is returned instead of nothing.
    int IntOr(std::string_view key, int fallback);
    // A flag counts as set only when its value is exactly 1.
    std::optional<bool> Flag(std::string_view key);
    // The family's _R, _G and _B keys combined as R + 256 G + 65536 B; each part is limited
    // to 0-255. Nothing (and a problem) when a part is missing.
    std::optional<uint32_t> Colour(std::string_view family);
    // The raw text; absent reads as empty text and is not a problem.
    std::string Text(std::string_view key) const;
    bool Has(std::string_view key) const;

    const std::string& Resource() const { return resource_; }
    const std::string& Section() const { return section_; }
    const std::vector<ConfigProblem>& Problems() const { return problems_; }
    void AddProblem(std::string_view key, std::string message);

private:
    const ConfigText& text_;
    std::string resource_;
    std::string section_;
    std::vector<ConfigProblem> problems_;
};

} // namespace tarq
