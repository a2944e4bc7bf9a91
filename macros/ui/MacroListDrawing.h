// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The drawing of the macro page's two lists. LB_PCMacroName: the name 4 pixels from the left
// on the row colour (selected or normal). LB_macro: the row background, a small picture of the
// event kind in a square of the row height at the left, and the row's text 45 pixels from the
// left. Colours come from the layout (AppContext::Style) when each row is drawn, so a change of
// skin or language shows at once. Both keep the layout's row height.

#include <functional>

class QListWidget;

namespace tarq {

struct LayoutStyle;

// LB_PCMacroNameDrawItem.
void DrawMacroNameRows(QListWidget* list, const LayoutStyle& style);

// LB_macroDrawItem. `rowType` gives the type digit (0-8) of a row's script line, -1 for none.
void DrawMacroEventRows(QListWidget* list, const LayoutStyle& style, std::function<int(int row)> rowType);

} // namespace tarq
