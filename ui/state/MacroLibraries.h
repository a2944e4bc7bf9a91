// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro library on the PC: Macro.bin in EEPROM mode, Driver_Macro.bin in driver mode.

#include "macros/MacroLibrary.h"

namespace tarq {

struct MacroLibraries {
    PcMacroLibrary PcMacros{};
    DriverMacroLibrary DriverMacros;
};

} // namespace tarq
