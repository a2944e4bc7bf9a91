#pragma once
// The item height of a list, as the layout's MacroNameHeight sets it for the macro lists.

class QListWidget;

namespace tarq {

// Every row of `list` is `height` pixels high (at least 1).
void SetItemHeight(QListWidget* list, int height);

} // namespace tarq
