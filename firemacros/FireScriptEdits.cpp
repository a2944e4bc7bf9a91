// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/FireScriptEdits.h"

#include "macros/MacroLineText.h"

#include <algorithm>
#include <charconv>

namespace tarq {

namespace {

std::optional<long long> WholeNumber(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range)
        return text.front() == '-' ? -1000000LL : 1000000LL;
    if (ec != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::string Hex2(uint8_t v)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[v >> 4], kDigits[v & 0x0F]};
}

} // namespace

std::optional<int> DeleteFireEvent(MacroScript& script, int row)
{
    const int a = row + 1;
    if (row < 0 || a >= static_cast<int>(script.size()))
        return std::nullopt;
    const int type = ScriptLineType(script[size_t(a)]);
    const std::string name(ScriptLineKeyName(script[size_t(a)]));
    int partner = -1;
    if (type == 1) {
        for (int i = a + 1; i < static_cast<int>(script.size()); ++i)
            if (ScriptLineType(script[size_t(i)]) == 2 && ScriptLineKeyName(script[size_t(i)]) == name) {
                partner = i;
                break;
            }
    } else if (type == 2) {
        for (int i = a - 1; i >= 1; --i)
            if (ScriptLineType(script[size_t(i)]) == 1 && ScriptLineKeyName(script[size_t(i)]) == name) {
                partner = i;
                break;
            }
    }
    if (partner > a)
        script.erase(script.begin() + partner);
    script.erase(script.begin() + a);
    int select = row - 1;
    if (partner >= 1 && partner < a) {
        script.erase(script.begin() + partner);
        select = row - 2;
    }
    const int rows = static_cast<int>(script.size()) - 1;
    if (select < 0)
        select = rows > 0 ? 0 : -1;
    return std::min(select, rows - 1);
}

FireInsertResult InsertFireLine(MacroScript& script, int row, FireInsertItem item, const FireInsertValues& values)
{
    FireInsertResult result;
    if (row < 0 || row + 1 >= static_cast<int>(script.size()))
        return result;

    std::string line;
    bool back = false;
    auto axis = [&](std::string_view text, bool isX) -> bool {
        const auto v = WholeNumber(text);
        if (!v) {
            result.status = FireInsertStatus::BadNumber;
            result.badText = std::string(text);
            return false;
        }
        const auto d = static_cast<int8_t>(std::clamp<long long>(*v, -128, 127));
        line = isX ? MoveXLine(d) : MoveYLine(d);
        return true;
    };
    switch (item) {
    case FireInsertItem::DelayBack:
        back = true;
        [[fallthrough]];
    case FireInsertItem::DelayFront: {
        const auto v = WholeNumber(values.delayMs);
        line = DelayLine(static_cast<int>(std::clamp<long long>(v.value_or(0), 0, 1000000)));
        break;
    }
    case FireInsertItem::RepeatStart: {
        const auto v = WholeNumber(values.repeat);
        if (!v || *v < 0) {
            result.status = FireInsertStatus::BadNumber;
            result.badText = values.repeat;
            return result;
        }
        line = "7 FD" + Hex2(static_cast<uint8_t>(std::min<long long>(*v, 255)));
        break;
    }
    case FireInsertItem::RepeatStop:
        back = true;
        line = RepeatEndLine();
        break;
    case FireInsertItem::XBack:
        back = true;
        [[fallthrough]];
    case FireInsertItem::XFront:
        if (!axis(values.x, true))
            return result;
        break;
    case FireInsertItem::YBack:
        back = true;
        [[fallthrough]];
    case FireInsertItem::YFront:
        if (!axis(values.y, false))
            return result;
        break;
    }
    script.insert(script.begin() + row + (back ? 2 : 1), line);
    result.status = FireInsertStatus::Inserted;
    result.selectRow = back ? row + 1 : row;
    return result;
}

std::string FireLineRowText(std::string_view line)
{
    switch (ScriptLineType(line)) {
    case 1: return std::string(ScriptLineKeyName(line)) + " \u2193";
    case 2: return std::string(ScriptLineKeyName(line)) + " \u2191";
    case 7: {
        int value = 0;
        if (line.size() >= 2)
            std::from_chars(line.data() + line.size() - 2, line.data() + line.size(), value, 16);
        return "Rep-Start  " + std::to_string(value);
    }
    default: return MacroLineRowText(line);
    }
}

std::string CorrectFireDelayText(std::string_view text)
{
    const auto v = WholeNumber(text);
    if (!v || *v < 0)
        return "0";
    if (*v > kMaxDelayRecordMs)
        return std::to_string(kMaxDelayRecordMs);
    return std::string(text);
}

std::string CorrectFireRepeatText(std::string_view text)
{
    const auto v = WholeNumber(text);
    if (v && *v > 255)
        return "255";
    return std::string(text);
}

std::string CorrectFireAxisText(std::string_view text)
{
    if (text == "-")
        return "-";
    if (text.empty())
        return "0";
    const auto v = WholeNumber(text);
    if (!v)
        return std::string(text);
    if (*v > 127)
        return "127";
    if (*v < -128)
        return "-128";
    return std::string(text);
}

} // namespace tarq
