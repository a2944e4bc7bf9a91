#include "ui/ListItemHeight.h"

#include <QListWidget>
#include <QStyledItemDelegate>

namespace tarq {

namespace {

// Keeps the row height fixed whatever the font; the lists' own drawing stays untouched.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    void setHeight(int height) { height_ = height; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

} // namespace

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
