// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// For --demo: the buttons a person presses on the real pointing device while the pointer is
// over the main window are held down on the emulated mouse too, so its button-state word (and
// with it the key test) follows them, until released over any of the program's windows or the
// program loses the focus. Left, middle, right, back and forward are keys 1-5.

#include <QObject>

class QWidget;

namespace tarq {

class EmulatedMouse;

class DemoPointerButtons : public QObject {
public:
    // Watches the application's events for presses on `window`; `mouse` must outlive this.
    DemoPointerButtons(QWidget* window, EmulatedMouse& mouse);

    // The status bit of a pointer button; 0 for a button the mouse has no key for.
    static uint16_t BitOf(Qt::MouseButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    EmulatedMouse& mouse_;
};

} // namespace tarq
