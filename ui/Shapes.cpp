// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/Shapes.h"

#include <QPainter>

namespace tarq {

QColor ColorFromValue(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int ValueFromColor(const QColor& color)
{
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

TRectShape::TRectShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TRectShape::setBrushColor(const QColor& color)
{
    brush_ = color;
    update();
}

void TRectShape::setPenColor(const QColor& color)
{
    pen_ = color;
    update();
}

void TRectShape::setColorValue(int value)
{
    const QColor color = ColorFromValue(value);
    brush_ = color;
    pen_ = color;
    update();
}

int TRectShape::colorValue() const { return ValueFromColor(brush_); }

void TRectShape::setShadow(bool on)
{
    shadow_ = on;
    update();
}

void TRectShape::setShadowOffset(int pixels)
{
    shadowOffset_ = pixels;
    update();
}

void TRectShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int offset = shadow_ ? shadowOffset_ : 0;
    const QRect body(0, 0, width() - offset - 1, height() - offset - 1);
    if (shadow_) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 110));
        p.drawRect(body.translated(offset, offset));
    }
    p.setPen(pen_);
    p.setBrush(brush_);
    p.drawRect(body);
}

} // namespace tarq
