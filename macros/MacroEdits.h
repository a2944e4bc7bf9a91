// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Edits of a macro script as the macro page makes them: deleting an event (a key press takes
// its release with it and the other way round), inserting a line in front of or behind a row,
// the value rules of the delay, move and repeat fields, and whether an edited script still fits
// the body it is built into. Rows count the event lines: row r is script line r + 1.

#include "macros/MacroBody.h"
#include "macros/MacroPages.h"
#include "macros/MacroScript.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarq {

struct ScriptEdit {
    MacroScript script;
    int selectRow = -1;   // the row to select afterwards; -1 when no rows remain
};

// Deletes the event at `row`. A key or button press also deletes the first later line naming
// the same key, a release the first earlier one; a line without a partner goes alone. The row
// just above the deleted rows is selected, or row 0 when there is none. Nothing when the row
// does not exist.
std::optional<ScriptEdit> DeleteScriptEvent(const MacroScript& script, int row);

// Puts `line` in front of row `row` (back = false) or behind it (back = true). The new line's
// row is selected. Nothing when the row does not exist.
std::optional<ScriptEdit> InsertScriptLine(const MacroScript& script, int row, std::string line, bool back);

// Replaces the event line at `row`. Nothing when the row does not exist.
std::optional<ScriptEdit> ReplaceScriptLine(const MacroScript& script, int row, std::string line);

// The value fields correct their own text after every change; each returns the text unchanged
// when it needs no correction. A text that is not a number reads like an empty one.
// Delays: 0-2040, empty gives "0".
std::string CorrectDelayValue(std::string_view text);
// Pointer moves: -128..127; a lone "-" stays while the user types, empty gives "0".
std::string CorrectMoveValue(std::string_view text);
// Repeat counts: 1-255, empty or 0 gives "1".
std::string CorrectRepeatValue(std::string_view text);

// The lines the fields' values make. The move value is clamped to a signed byte, the repeat
// count to 1-255 (stored as count - 1), the delay to 0-2040.
std::string DelayValueLine(std::string_view text);
std::string MoveValueLine(bool yAxis, std::string_view text);
std::string RepeatValueLine(std::string_view text);

// The editable value of an event line as its dialog shows it: the delay in ms, the signed move,
// the repeat count. Empty for other lines.
std::string ScriptLineValue(std::string_view line);

// Whether the script's events fit the body of the mode: 221 event bytes in a 224-byte body,
// 2012 in a driver record (whose long delays take several records).
enum class ScriptFit { Fits, TooLong, BadLine };
ScriptFit CheckScriptFits(const MacroScript& script, bool driverRecord);

// The base macro pages that hold a copy of the macro with this name and that a button plays
// (one of `keyCodes` names the page). An empty name is held by no page.
std::bitset<kBaseMacroPageCount> PlayedPagesNamed(std::span<const std::string> keyCodes,
                                                  std::span<const MacroName, kBaseMacroPageCount> pageNames,
                                                  const MacroName& name);

} // namespace tarq
