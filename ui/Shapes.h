// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TRectShape: a colour swatch, a rectangle filled with its brush colour and outlined with its
// pen, optionally with a shadow offset down and right (2 pixels by default).

#include <QColor>
#include <QWidget>

namespace tarq {

class TRectShape : public QWidget {
    Q_OBJECT
public:
    explicit TRectShape(QWidget* parent = nullptr);

    QColor brushColor() const { return brush_; }
    void setBrushColor(const QColor& color);
    QColor penColor() const { return pen_; }
    void setPenColor(const QColor& color);
    // A colour value as the configuration texts write it: red + 256 x green + 65536 x blue.
    void setColorValue(int value);
    int colorValue() const;

    bool shadow() const { return shadow_; }
    void setShadow(bool on);
    int shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_{Qt::white};
    QColor pen_{Qt::black};
    bool shadow_ = true;
    int shadowOffset_ = 2;
};

// The colour of a colour value red + 256 x green + 65536 x blue.
QColor ColorFromValue(int value);
int ValueFromColor(const QColor& color);

} // namespace tarq
