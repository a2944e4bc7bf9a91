// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The item height of a list, as the layout's MacroNameHeight sets it for the macro lists.

#include <QStyledItemDelegate>

class QListWidget;

namespace tarq {

// Keeps the row height fixed whatever the font. A list that draws its rows itself derives its
// delegate from this one, so the layout's height reaches it too.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    void setHeight(int height) { height_ = height; }
    int height() const { return height_; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

// Every row of `list` is `height` pixels high (at least 1).
void SetItemHeight(QListWidget* list, int height);

} // namespace tarq
