// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The basic fire pattern a gun's empty fire macro starts from: a loop of shots, each a left
// press, a pull down, the time between shots and the release:
//
//   FD n-1, A1, FA y, FE t/8, 21, FC
//
// It is built as a script and encoded like every other fire macro, so the gun page finds its
// shot count, Y move and interval at once and the fire macro editor shows it line by line.

#include "firemacros/FireMacro.h"

namespace tarq {

struct BasicFirePattern {
    int shots = 30;        // 1..256 (the loop runs the stored byte + 1 times)
    int pullDown = 4;      // vertical move per shot, 0..127
    int intervalMs = 96;   // time between shots, 0..2040 (stored in steps of 8 ms)
    ReleaseMode release = ReleaseMode::StopOnRelease;
};

// The pattern as a fire macro script (header "00", then the six events); values outside their
// ranges are kept within them.
MacroScript BasicFireScript(const BasicFirePattern& pattern = {});

// The pattern as a record, through EncodeFireMacro.
FireMacroRecord BasicFireMacro(const BasicFirePattern& pattern = {});

} // namespace tarq
