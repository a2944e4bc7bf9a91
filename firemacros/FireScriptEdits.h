// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The fire macro editor's changes of a script (line 0 the delay header, line r + 1 shown in
// list row r): deleting an event with its partner, inserting a delay, a repeat marker or a
// move, and the corrections of the editor's number fields.

#include "macros/MacroScript.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarq {

// Deletes the event of row `row`. A press takes the first later line of the same key with it,
// a release the nearest earlier one; other lines go alone. Returns the row to select then (-1
// when no row is left), or nothing when `row` names no event (and nothing changed).
std::optional<int> DeleteFireEvent(MacroScript& script, int row);

// The items of the insert panel, in list order.
enum class FireInsertItem {
    DelayFront, DelayBack, RepeatStart, RepeatStop, XFront, XBack, YFront, YBack,
};
constexpr int kFireInsertItems = 8;

struct FireInsertValues {
    std::string delayMs = "50";
    std::string repeat = "10";
    std::string x = "12";
    std::string y = "12";
};

enum class FireInsertStatus { Inserted, NoRow, BadNumber };

struct FireInsertResult {
    FireInsertStatus status = FireInsertStatus::NoRow;
    int selectRow = -1;        // with Inserted: the row to select
    std::string badText;       // with BadNumber: the text that is not a whole number
};

// Inserts the line of `item` before (Front, RepeatStart) or after (Back, RepeatStop) the event
// of row `row`. A repeat, X or Y text that is not a whole number inserts nothing.
FireInsertResult InsertFireLine(MacroScript& script, int row, FireInsertItem item,
                                const FireInsertValues& values);

// What a row of the event list shows: "50 ms", "LeftKey ↓" / "LeftKey ↑" for a press and a
// release, "X-Axis  -5", "Y-Axis  12", "Rep-Start  3" (the stored byte itself), "Rep-Stop".
std::string FireLineRowText(std::string_view line);

// Corrections of the editor's fields; each returns the text to show (the same text when it
// needs none).
// Edt_FireDelay: 0..2040, empty "0".
std::string CorrectFireDelayText(std::string_view text);
// edt_FireRepeat: above 255 "255"; empty stays empty (the caller reports it).
std::string CorrectFireRepeatText(std::string_view text);
// edt_FireXAxisValue, edt_FireYAxisValue: a lone "-" stays, empty "0", -128..127.
std::string CorrectFireAxisText(std::string_view text);

} // namespace tarq
