// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/BasicFirePattern.h"

#include <algorithm>
#include <cstdio>

namespace tarq {

namespace {

std::string Hex2(int value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", unsigned(value) & 0xFFu);
    return text;
}

} // namespace

MacroScript BasicFireScript(const BasicFirePattern& pattern)
{
    const int loops = std::clamp(pattern.shots, 1, 256) - 1;
    const int pull = std::clamp(pattern.pullDown, 0, 127);
    // Whole steps of 8 ms, as the record stores them.
    const int interval = std::clamp(pattern.intervalMs, 0, kMaxDelayRecordMs) / kDelayStepMs * kDelayStepMs;
    return {
        "00",
        "7 FD" + Hex2(loops),
        "1 LeftKey CODE:00A1",
        "5 FA" + Hex2(pull),
        DelayLine(interval),
        "2 LeftKey CODE:0021",
        "8 00FC",
    };
}

FireMacroRecord BasicFireMacro(const BasicFirePattern& pattern)
{
    return EncodeFireMacro(BasicFireScript(pattern), pattern.release).record;
}

} // namespace tarq
