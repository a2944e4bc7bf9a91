// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/DemoPointerButtons.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "device/StatusWord.h"
#include "device/emulator/EmulatedMouse.h"

namespace tarq {

DemoPointerButtons::DemoPointerButtons(QWidget* window, EmulatedMouse& mouse)
    : QObject(window), window_(window), mouse_(mouse)
{
    qApp->installEventFilter(this);
}

uint16_t DemoPointerButtons::BitOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return StatusBitOfKey(1);
    case Qt::MiddleButton: return StatusBitOfKey(2);
    case Qt::RightButton: return StatusBitOfKey(3);
    case Qt::BackButton: return StatusBitOfKey(4);
    case Qt::ForwardButton: return StatusBitOfKey(5);
    default: return 0;
    }
}

bool DemoPointerButtons::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationDeactivate) {
        // Releases that happen while another program has the pointer never reach us.
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton, Qt::BackButton, Qt::ForwardButton})
            mouse_.releaseButtons(BitOf(button));
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    const uint16_t bit = BitOf(static_cast<QMouseEvent*>(event)->button());
    // A press that opens a pop-up (a combo box's list, a dialog) is released over that other
    // window: the release counts wherever it lands, or the button would stay held.
    if (type == QEvent::MouseButtonRelease)
        mouse_.releaseButtons(bit);
    else if (widget->window() == window_)
        mouse_.pressButtons(bit);
    return false;
}

} // namespace tarq
