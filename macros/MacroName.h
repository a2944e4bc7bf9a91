// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Macro names: 32 bytes, up to 16 UTF-16 code units stored high byte first, zero-filled
// behind the last one. A name whose first two bytes are both zero marks an empty record.
// Names are compared byte for byte over all 32 bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarq {

constexpr size_t kMacroNameSize = 32;
constexpr size_t kMacroNameMaxUnits = kMacroNameSize / 2;

using MacroName = std::array<uint8_t, kMacroNameSize>;

// Encodes up to 16 code units, stopping at the first zero unit. Longer text is cut at 16
// units, or at 15 when the 16th would split a surrogate pair.
MacroName MacroNameFromUtf16(std::u16string_view text);

// Decodes the code units up to the first zero unit.
std::u16string MacroNameToUtf16(const MacroName& name);

// Whether the text fits a name without being cut.
bool MacroNameFits(std::u16string_view text);

bool MacroNameIsEmpty(const MacroName& name);

// Whether a typed name shows nothing: empty, or only spaces, tabs, line breaks, the no-break
// space and the ideographic space. Such a name would give an invisible list entry.
bool MacroNameIsBlank(std::u16string_view text);

} // namespace tarq
