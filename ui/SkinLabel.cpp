// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/SkinLabel.h"

#include <QMouseEvent>

#include "ui/SkinPictures.h"

namespace tarq {

TSkinLabel::TSkinLabel(QWidget* parent) : QLabel(parent) {}

void TSkinLabel::setPicture(const QString& name)
{
    picture_ = name;
    const QPixmap pixmap = SkinPicture(name);
    setPixmap(pixmap);
    if (autoSize_ && !pixmap.isNull())
        resize(pixmap.deviceIndependentSize().toSize());
}

void TSkinLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    emit mousePressed(event);
    event->accept();
}

void TSkinLabel::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event);
    // A click is a left press and release on the same control, as users expect from a button.
    const bool click = leftPressed_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void TSkinLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    event->accept();
}

void TSkinLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    emit mouseEntered();
}

void TSkinLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

} // namespace tarq
