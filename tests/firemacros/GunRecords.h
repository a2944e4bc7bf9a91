// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Ten fire macro records shaped as the gun page expects them (a loop of shots, each a press,
// a move and a delay), for tests that seed the emulated mouse: record m plays m + 1 shots,
// moves X by m - 5 (records 2 and 9 have no X move), Y by 10 + m, waits (4 + m) * 8 ms, and
// stops on release when m is odd. The spare bytes after the records are 0xA5.

#include "config/SectionChecksum.h"
#include "firemacros/FireMacro.h"

#include <vector>

namespace tarq::testing {

inline FireMacroArea GunRecords()
{
    FireMacroArea area{};
    for (int m = 1; m <= kFireMacroCount; ++m) {
        std::vector<uint8_t> events{0xFD, uint8_t(m), 0xA1};
        if (m != 2 && m != 9)
            events.insert(events.end(), {0xFB, uint8_t(int8_t(m - 5))});
        events.insert(events.end(), {0xFA, uint8_t(10 + m), 0xFE, uint8_t(4 + m), 0x21, 0xFC});
        auto record = FireMacroRecordOf(std::span<uint8_t>(area), m);
        record[0] = uint8_t(m % 2);
        record[1] = uint8_t(events.size() + 1);
        std::copy(events.begin(), events.end(), record.begin() + 2);
        RenewFireMacroChecksum(record);
    }
    std::fill(area.begin() + kFireMacroWorkSize, area.end(), uint8_t{0xA5});
    return area;
}

} // namespace tarq::testing
