// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The label every skinned page is built from. As a caption it is a transparent text over a
// picture; as a picture it shows a skin picture by name. Either way it reports the pointer and
// mouse events that the form's handlers are written against (enter, leave, click, double-click,
// press and release), which a plain QLabel does not.

#include <QLabel>
#include <QString>

class QMouseEvent;

namespace tarq {

class TSkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit TSkinLabel(QWidget* parent = nullptr);

    // Shows the named skin picture. A picture control takes the picture's size (like an
    // auto-sizing image), so the caption lying on it can be sized from it. The name is kept
    // so that the pointer feedback can be checked and repeated.
    void setPicture(const QString& name);
    QString picture() const { return picture_; }

    void setAutoSizeToPicture(bool on) { autoSize_ = on; }
    bool autoSizeToPicture() const { return autoSize_; }

signals:
    void clicked();
    void doubleClicked();
    void mousePressed(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void mouseEntered();
    void mouseLeft();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString picture_;
    bool autoSize_ = true;
    bool leftPressed_ = false;
};

} // namespace tarq
