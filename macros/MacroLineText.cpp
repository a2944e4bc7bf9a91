// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroLineText.h"

#include "macros/MacroScript.h"

#include <charconv>

namespace tarq {

namespace {

// The two hexadecimal digits at the end of a line; 0 when they do not parse.
int TrailingByte(std::string_view line)
{
    if (line.size() < 2)
        return 0;
    int value = 0;
    const std::string_view digits = line.substr(line.size() - 2);
    std::from_chars(digits.data(), digits.data() + 2, value, 16);
    return value;
}

} // namespace

std::string MacroLineRowText(std::string_view line)
{
    switch (ScriptLineType(line)) {
    case 0: return std::to_string(DelayLineMs(line)) + " ms";
    case 1:
    case 2: return std::string(ScriptLineKeyName(line));
    case 3: return "X-Axis  " + std::to_string(TrailingByte(line));
    case 4: return "X-Axis  " + std::to_string(TrailingByte(line) - 256);
    case 5: return "Y-Axis  " + std::to_string(TrailingByte(line));
    case 6: return "Y-Axis  " + std::to_string(TrailingByte(line) - 256);
    case 7: return "Rep-Start  " + std::to_string(TrailingByte(line) + 1);
    case 8: return "Rep-Stop";
    default: return std::string(line);
    }
}

} // namespace tarq
