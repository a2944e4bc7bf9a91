// SPDX-License-Identifier: GPL-2.0-or-later
#include "SkinStyle.h"

#include <QLinearGradient>

namespace skin {

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QFont Font(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void Card(QPainter& p, const QRectF& r, bool tick)
{
    p.save();
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, kCard.lighter(112));
    fill.setColorAt(1, kCard);
    p.setPen(QPen(kBorder, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    if (tick) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(r.left() + 8, r.top() + 10, 3, 18), 1.5, 1.5);
    }
    p.restore();
}

void ButtonFace(QPainter& p, const QRectF& r, int state, qreal radius)
{
    p.save();
    const QRectF face = r.adjusted(1, 1, -1, -1);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    QColor border;
    switch (state) {
    case 0:
        fill.setColorAt(0, kControlHover);
        fill.setColorAt(1, kControl);
        border = kAccentDark;
        break;
    case 1:
        fill.setColorAt(0, kAccentLight);
        fill.setColorAt(1, kAccent);
        border = kAccentLight.lighter(115);
        break;
    default:
        fill.setColorAt(0, kAccentDark.darker(130));
        fill.setColorAt(1, kAccentDark);
        border = kAccent;
        break;
    }
    p.setPen(QPen(border, 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(face, radius, radius);
    if (state == 0) {   // a faint top highlight makes the resting face read as raised
        p.setPen(QPen(QColor(255, 255, 255, 28), 1));
        p.drawLine(QPointF(face.left() + radius, face.top() + 1.5),
                   QPointF(face.right() - radius, face.top() + 1.5));
    }
    p.restore();
}

} // namespace skin
