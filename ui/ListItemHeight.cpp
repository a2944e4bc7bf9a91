// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/ListItemHeight.h"

#include <QListWidget>

namespace tarq {

void SetItemHeight(QListWidget* list, int height)
{
    height = std::max(height, 1);
    if (auto* delegate = dynamic_cast<FixedHeightDelegate*>(list->itemDelegate()))
        delegate->setHeight(height);
    else
        list->setItemDelegate(new FixedHeightDelegate(height, list));
    list->doItemsLayout();
}

} // namespace tarq
