// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroEdits.h"

#include <algorithm>
#include <charconv>

namespace tarq {

namespace {

bool IsKeyLine(std::string_view line)
{
    const int type = ScriptLineType(line);
    return type == 1 || type == 2;
}

bool RowExists(const MacroScript& script, int row)
{
    return row >= 0 && size_t(row) + 1 < script.size();
}

// A whole number of the text, or nothing when it is not one. Long digit runs saturate.
std::optional<long long> Number(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const bool negative = text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > 1000000)
            break;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<ScriptEdit> DeleteScriptEvent(const MacroScript& script, int row)
{
    if (!RowExists(script, row))
        return std::nullopt;
    const size_t a = size_t(row) + 1;
    const std::string_view line = script[a];
    std::optional<size_t> partner;
    const int type = ScriptLineType(line);
    if (type == 1 || type == 2) {
        const std::string_view name = ScriptLineKeyName(line);
        if (type == 1) {
            for (size_t i = a + 1; i < script.size() && !partner; ++i)
                if (IsKeyLine(script[i]) && ScriptLineKeyName(script[i]) == name)
                    partner = i;
        } else {
            for (size_t i = a - 1; i >= 1 && !partner; --i)
                if (IsKeyLine(script[i]) && ScriptLineKeyName(script[i]) == name)
                    partner = i;
        }
    }
    ScriptEdit edit{script, -1};
    const size_t first = partner ? std::min(a, *partner) : a;
    if (partner)
        edit.script.erase(edit.script.begin() + long(std::max(a, *partner)));
    edit.script.erase(edit.script.begin() + long(first));
    const int rows = int(edit.script.size()) - 1;
    if (rows > 0)
        edit.selectRow = std::max(int(first) - 2, 0);
    return edit;
}

std::optional<ScriptEdit> InsertScriptLine(const MacroScript& script, int row, std::string line, bool back)
{
    if (!RowExists(script, row))
        return std::nullopt;
    ScriptEdit edit{script, row + (back ? 1 : 0)};
    edit.script.insert(edit.script.begin() + long(row + (back ? 2 : 1)), std::move(line));
    return edit;
}

std::optional<ScriptEdit> ReplaceScriptLine(const MacroScript& script, int row, std::string line)
{
    if (!RowExists(script, row))
        return std::nullopt;
    ScriptEdit edit{script, row};
    edit.script[size_t(row) + 1] = std::move(line);
    return edit;
}

std::string CorrectDelayValue(std::string_view text)
{
    const std::optional<long long> n = Number(text);
    if (!n || *n < 0)
        return "0";
    if (*n > kMaxDelayRecordMs)
        return std::to_string(kMaxDelayRecordMs);
    return std::string(text);
}

std::string CorrectMoveValue(std::string_view text)
{
    if (text == "-")
        return "-";
    const std::optional<long long> n = Number(text);
    if (!n)
        return "0";
    if (*n > 127)
        return "127";
    if (*n < -128)
        return "-128";
    return std::string(text);
}

std::string CorrectRepeatValue(std::string_view text)
{
    const std::optional<long long> n = Number(text);
    if (!n || *n < 1)
        return "1";
    if (*n > 255)
        return "255";
    return std::string(text);
}

std::string DelayValueLine(std::string_view text)
{
    return DelayLine(int(std::clamp<long long>(Number(text).value_or(0), 0, kMaxDelayRecordMs)));
}

std::string MoveValueLine(bool yAxis, std::string_view text)
{
    const auto d = int8_t(std::clamp<long long>(Number(text).value_or(0), -128, 127));
    return yAxis ? MoveYLine(d) : MoveXLine(d);
}

std::string RepeatValueLine(std::string_view text)
{
    const long long count = std::clamp<long long>(Number(text).value_or(1), 1, 255);
    return RepeatStartLine(uint8_t(count - 1));
}

std::string ScriptLineValue(std::string_view line)
{
    const int type = ScriptLineType(line);
    if (type == 0)
        return std::to_string(DelayLineMs(line));
    if (type < 3 || type > 7 || line.size() < 2)
        return {};
    int byte = 0;
    const std::string_view digits = line.substr(line.size() - 2);
    std::from_chars(digits.data(), digits.data() + 2, byte, 16);
    if (type == 7)
        return std::to_string(byte + 1);
    return std::to_string(int(int8_t(uint8_t(byte))));
}

ScriptFit CheckScriptFits(const MacroScript& script, bool driverRecord)
{
    const EncodedEvents events = EncodeScriptEvents(
        script, driverRecord ? LongDelay::Split : LongDelay::Cut,
        driverRecord ? driver_macro_body::kMaxEvents : macro_body::kMaxEvents);
    switch (events.status) {
    case ScriptEncodeStatus::Ok: return ScriptFit::Fits;
    case ScriptEncodeStatus::TooLong: return ScriptFit::TooLong;
    case ScriptEncodeStatus::BadLine: return ScriptFit::BadLine;
    }
    return ScriptFit::BadLine;
}

std::bitset<kBaseMacroPageCount> PlayedPagesNamed(std::span<const std::string> keyCodes,
                                                  std::span<const MacroName, kBaseMacroPageCount> pageNames,
                                                  const MacroName& name)
{
    std::bitset<kBaseMacroPageCount> pages;
    if (MacroNameIsEmpty(name))
        return pages;
    const auto used = BaseMacroPagesInUse(keyCodes);
    for (size_t p = 0; p < pageNames.size(); ++p)
        pages[p] = used[p] && pageNames[p] == name;
    return pages;
}

} // namespace tarq
