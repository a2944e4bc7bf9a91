// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro libraries on the PC. EEPROM mode keeps 100 rows of 256-byte records with the
// present records in rows 0..k-1 (a new record takes the first empty row, a deleted one moves
// the rows after it up). Driver mode keeps an ordered list of 2048-byte records of any length.

#include "macros/MacroBody.h"

#include <array>
#include <optional>
#include <vector>

namespace tarq {

constexpr int kPcMacroLibraryRows = 100;

using PcMacroLibrary = std::array<MacroRecord, kPcMacroLibraryRows>;
using DriverMacroLibrary = std::vector<DriverMacroRecord>;

// The number of present records, i.e. the first empty row (100 when full).
int MacroLibraryCount(const PcMacroLibrary& library);

// Moves present records up over empty rows, in order, so that they occupy rows 0..k-1; a
// library read from a file with gaps would otherwise list names at rows they do not live in.
void CompactMacroLibrary(PcMacroLibrary& library);

// Deletes a row: rows after it move up by one and the last row is cleared.
void RemoveMacroRecord(PcMacroLibrary& library, int row);

// The row of the first present record with this name (compared over all 32 bytes).
std::optional<int> FindMacroByName(const PcMacroLibrary& library, const MacroName& name);
std::optional<size_t> FindDriverMacroByName(const DriverMacroLibrary& library,
                                            const MacroName& name);

// After the library is saved, every assigned driver record whose name equals a library
// record's name takes that record's body (RefreshDriverWriteMacro). Returns how many changed.
int RefreshDriverWriteMacro(std::span<DriverMacroRecord> assigned, const DriverMacroLibrary& library);

} // namespace tarq
