// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/MacroListDrawing.h"

#include "ui/ListItemHeight.h"
#include "ui/skin/LayoutPass.h"

#include <QListWidget>
#include <QPainter>
#include <QPainterPath>

namespace tarq {

namespace {

constexpr int kNameIndent = 4;
constexpr int kEventTextLeft = 45;

QColor Or(const QColor& colour, const QColor& fallback) { return colour.isValid() ? colour : fallback; }

struct RowColours {
    QColor back;
    QColor text;
};

RowColours ColoursOf(const LayoutStyle& style, const QStyleOptionViewItem& option)
{
    const bool selected = option.state & QStyle::State_Selected;
    const QColor normalBack = Or(style.macroListBack, QColor(0x16, 0x17, 0x1b));
    const QColor selectedBack = Or(style.macroSelected, QColor(0xe8, 0x41, 0x2c));
    const QColor text = Or(style.macroFont, QColor(0xf2, 0xf2, 0xf2));
    if (!(option.state & QStyle::State_Enabled)) // a locked list: greyed text, the selection faded
        return {selected ? LockedSelection(selectedBack, normalBack) : normalBack, style.disabledText};
    return {selected ? selectedBack : normalBack, selected ? QColor(Qt::white) : text};
}


class NameRows : public FixedHeightDelegate {
public:
    NameRows(QListWidget* list, const LayoutStyle& style) : FixedHeightDelegate(20, list), style_(style) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const RowColours c = ColoursOf(style_, option);
        p->save();
        p->fillRect(option.rect, c.back);
        p->setPen(c.text);
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(kNameIndent, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    index.data(Qt::DisplayRole).toString());
        p->restore();
    }

private:
    const LayoutStyle& style_;
};

// The picture of an event kind inside `box` (a square of the row height).
void DrawKind(QPainter* p, int type, QRectF box, const QColor& colour)
{
    const QRectF r = box.adjusted(box.width() * 0.22, box.height() * 0.22, -box.width() * 0.22, -box.height() * 0.22);
    const QPointF c = r.center();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p->setBrush(Qt::NoBrush);
    auto arrow = [&](QPointF from, QPointF to) {
        p->drawLine(from, to);
        const QPointF d = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
        const QPointF n(-d.y(), d.x());
        const double s = r.width() * 0.3;
        p->drawLine(to, to - d * s + n * s);
        p->drawLine(to, to - d * s - n * s);
    };
    switch (type) {
    case 0:   // delay: a clock
        p->drawEllipse(r);
        p->drawLine(c, QPointF(c.x(), r.top() + r.height() * 0.2));
        p->drawLine(c, QPointF(r.right() - r.width() * 0.25, c.y()));
        break;
    case 1:   // press: a filled key going down
    case 2: { // release: an open key coming up
        QPainterPath key;
        key.addRoundedRect(r.adjusted(0, r.height() * 0.35, 0, 0), 2, 2);
        if (type == 1)
            p->fillPath(key, colour);
        else
            p->drawPath(key);
        const double top = r.top();
        const double mid = r.top() + r.height() * 0.3;
        if (type == 1)
            arrow(QPointF(c.x(), top - 1), QPointF(c.x(), mid));
        else
            arrow(QPointF(c.x(), mid), QPointF(c.x(), top - 1));
        break;
    }
    case 3: arrow(QPointF(r.left(), c.y()), QPointF(r.right(), c.y())); break;   // X move right
    case 4: arrow(QPointF(r.right(), c.y()), QPointF(r.left(), c.y())); break;   // X move left
    case 5: arrow(QPointF(c.x(), r.top()), QPointF(c.x(), r.bottom())); break;   // Y move down
    case 6: arrow(QPointF(c.x(), r.bottom()), QPointF(c.x(), r.top())); break;   // Y move up
    case 7:   // repeat start: an opening bracket
    case 8: { // repeat end: a closing bracket
        const double x0 = type == 7 ? r.left() + r.width() * 0.3 : r.right() - r.width() * 0.3;
        const double x1 = type == 7 ? r.right() - r.width() * 0.1 : r.left() + r.width() * 0.1;
        p->drawLine(QPointF(x0, r.top()), QPointF(x0, r.bottom()));
        p->drawLine(QPointF(x0, r.top()), QPointF(x1, r.top()));
        p->drawLine(QPointF(x0, r.bottom()), QPointF(x1, r.bottom()));
        break;
    }
    default: break;
    }
}

class EventRows : public FixedHeightDelegate {
public:
    EventRows(QListWidget* list, const LayoutStyle& style, std::function<int(int)> rowType)
        : FixedHeightDelegate(20, list), style_(style), rowType_(std::move(rowType))
    {
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const RowColours c = ColoursOf(style_, option);
        p->save();
        p->fillRect(option.rect, c.back);
        const int h = option.rect.height();
        DrawKind(p, rowType_ ? rowType_(index.row()) : -1, QRectF(option.rect.left(), option.rect.top(), h, h), c.text);
        p->setPen(c.text);
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(kEventTextLeft, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    index.data(Qt::DisplayRole).toString());
        p->restore();
    }

private:
    const LayoutStyle& style_;
    std::function<int(int)> rowType_;
};

// The height the list's rows have now (the layout may have set it already).
int CurrentHeight(QListWidget* list)
{
    if (auto* delegate = dynamic_cast<FixedHeightDelegate*>(list->itemDelegate()))
        return delegate->height();
    return 20;
}

} // namespace

void DrawMacroNameRows(QListWidget* list, const LayoutStyle& style)
{
    if (!list)
        return;
    const int height = CurrentHeight(list);
    auto* delegate = new NameRows(list, style);
    delegate->setHeight(height);
    list->setItemDelegate(delegate);
}

void DrawMacroEventRows(QListWidget* list, const LayoutStyle& style, std::function<int(int row)> rowType)
{
    if (!list)
        return;
    const int height = CurrentHeight(list);
    auto* delegate = new EventRows(list, style, std::move(rowType));
    delegate->setHeight(height);
    list->setItemDelegate(delegate);
}

} // namespace tarq
