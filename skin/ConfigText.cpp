// SPDX-License-Identifier: GPL-2.0-or-later
#include "skin/ConfigText.h"

#include "config/TextTrim.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace tarq {
namespace {

std::string Lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string Joined(std::string_view a, std::string_view b)
{
    std::string out(a);
    out += b;
    return out;
}

} // namespace

std::string ConfigProblem::Describe() const
{
    std::string text = resource;
    if (!section.empty())
        text += " [" + section + "]";
    if (!key.empty())
        text += " " + key;
    return text + ": " + message;
}

std::optional<int> ParseConfigInt(std::string_view text)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(),
                                     [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    // Parse the magnitude wide enough that "-2147483648" still fits before the sign is applied.
    long long magnitude = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

ConfigText ConfigText::Parse(std::string_view text)
{
    ConfigText result;
    Section* current = nullptr;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);

        if (line.empty() || line.front() == ';' || line.starts_with("//"))
            continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            // A broken heading closes the open section rather than letting its keys run on.
            current = close == std::string_view::npos
                          ? nullptr
                          : &result.sections_[Lower(Trim(line.substr(1, close - 1)))];
            continue;
        }
        const size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, equals));
        if (key.empty())
            continue;
        current->try_emplace(Lower(key), Trim(line.substr(equals + 1)));
    }
    return result;
}

bool ConfigText::HasSection(std::string_view section) const
{
    return sections_.contains(Lower(Trim(section)));
}

std::optional<std::string> ConfigText::Value(std::string_view section, std::string_view key) const
{
    const auto s = sections_.find(Lower(Trim(section)));
    if (s == sections_.end())
        return std::nullopt;
    const auto k = s->second.find(Lower(Trim(key)));
    if (k == s->second.end())
        return std::nullopt;
    return k->second;
}

ConfigReader::ConfigReader(const ConfigText& text, std::string resource, std::string section)
    : text_(text), resource_(std::move(resource)), section_(std::move(section))
{
}

void ConfigReader::AddProblem(std::string_view key, std::string message)
{
    problems_.push_back({resource_, section_, std::string(key), std::move(message)});
}

std::optional<int> ConfigReader::Int(std::string_view key)
{
    const auto value = text_.Value(section_, key);
    if (!value) {
        AddProblem(key, "missing");
        return std::nullopt;
    }
    const auto number = ParseConfigInt(*value);
    if (!number)
        AddProblem(key, "not a whole number: \"" + *value + "\"");
    return number;
}

int ConfigReader::IntOr(std::string_view key, int fallback)
{
    return Int(key).value_or(fallback);
}

std::optional<bool> ConfigReader::Flag(std::string_view key)
{
    const auto value = Int(key);
    if (!value)
        return std::nullopt;
    return *value == 1;
}

std::optional<uint32_t> ConfigReader::Colour(std::string_view family)
{
    const auto r = Int(Joined(family, "_R"));
    const auto g = Int(Joined(family, "_G"));
    const auto b = Int(Joined(family, "_B"));
    if (!r || !g || !b)
        return std::nullopt;
    const auto part = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
    return part(*r) + 256u * part(*g) + 65536u * part(*b);
}

std::string ConfigReader::Text(std::string_view key) const
{
    return text_.Value(section_, key).value_or(std::string{});
}

bool ConfigReader::Has(std::string_view key) const
{
    return text_.Value(section_, key).has_value();
}

} // namespace tarq
