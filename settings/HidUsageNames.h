// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Names of keyboard HID usages (for example 0x04 -> "A"), shared by the key-function names
// and the macro script lines.

#include <cstdint>
#include <string>

namespace tarq {

// The display name of a keyboard HID usage; empty when the usage has no name in the table.
std::string HidUsageToKeyName(uint8_t usage);

} // namespace tarq
