// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/SkinPictures.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include "ui/skin/Resources.h"


namespace tarq {
namespace {

const QColor kAccent{0, 160, 227};
const QColor kPanel{28, 31, 38};
const QColor kPanelLight{44, 48, 58};
const QColor kEdge{70, 76, 90};

// State of a picture from its suffix: _01 normal, _02 pointer over, _03 pressed or selected,
// _04 active (recording); "_E" on and "_D" off for marks.
int StateOf(const QString& upper)
{
    static const QRegularExpression suffix(QStringLiteral("_0([1-4])$"));
    const auto match = suffix.match(upper);
    return match.hasMatch() ? match.captured(1).toInt() : 1;
}

QPixmap Blank(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap Button(QSize size, int state, qreal radius)
{
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill = state == 1 ? kPanelLight : state == 2 ? kPanelLight.lighter(135)
                                                              : kAccent.darker(state == 4 ? 160 : 120);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, fill.lighter(115));
    gradient.setColorAt(1, fill.darker(115));
    p.setBrush(gradient);
    p.setPen(QPen(state == 1 ? kEdge : kAccent, 1.5));
    p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), radius, radius);
    return pixmap;
}

QPixmap Mark(QSize size, bool on, bool round)
{
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(on ? kAccent : kEdge.lighter(130), 1.5));
    p.setBrush(kPanel);
    const QRectF box(1.5, 1.5, size.width() - 3, size.height() - 3);
    round ? p.drawEllipse(box) : p.drawRoundedRect(box, 3, 3);
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        const QRectF inner = box.adjusted(4, 4, -4, -4);
        round ? p.drawEllipse(inner) : p.drawRoundedRect(inner, 2, 2);
    }
    return pixmap;
}

QPixmap Glyph(QSize size, int state, bool exit)
{
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(state == 1 ? QColor(200, 204, 212) : kAccent, 2.2));
    const QRectF r(7, 7, size.width() - 14, size.height() - 14);
    if (exit) {
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomLeft());
    } else {
        p.drawLine(QPointF(r.left(), r.bottom()), r.bottomRight());
    }
    return pixmap;
}

QPixmap Background(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(QColor(128, 0, 0));   // the see-through key colour shows in the corners
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, size.width(), size.height()), 14, 14);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(24, 27, 33));
    gradient.setColorAt(1, QColor(13, 15, 19));
    p.fillPath(body, gradient);
    p.setPen(QPen(kAccent, 2));
    p.drawLine(QPointF(30, 92), QPointF(size.width() - 30, 92));
    p.setPen(QColor(230, 232, 236));
    QFont font = p.font();
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(30, 8, 400, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("TARQ362A"));
    return pixmap;
}

QPixmap MouseTopView(QSize size)
{
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shell;
    shell.addRoundedRect(QRectF(40, 10, size.width() - 80, size.height() - 20), 120, 150);
    p.fillPath(shell, QColor(34, 38, 46));
    p.setPen(QPen(kAccent, 2));
    p.drawPath(shell);
    p.drawLine(QPointF(size.width() / 2.0, 14), QPointF(size.width() / 2.0, 170));
    p.setBrush(QColor(60, 66, 78));
    p.drawRoundedRect(QRectF(size.width() / 2.0 - 10, 70, 20, 46), 8, 8);
    return pixmap;
}

} // namespace

QPixmap FallbackSkinPicture(const QString& name)
{
    const QString upper = name.toUpper();
    const int state = StateOf(upper);
    if (upper.endsWith(QLatin1String("_BACKGROUND")))
        return Background({1030, 662});
    if (upper == QLatin1String("L1_BACK1"))
        return MouseTopView({300, 420});
    if (upper.startsWith(QLatin1String("BTNS_")))
        return Button({120, 36}, state, 6);
    if (upper.startsWith(QLatin1String("SETS_")))
        return Button({124, 38}, state, 4);
    if (upper.startsWith(QLatin1String("KEYS_")))
        return Button({190, 32}, state, 16);
    if (upper.startsWith(QLatin1String("WEBS_")))
        return Button({110, 30}, state, 6);
    if (upper.startsWith(QLatin1String("MACROS_")))
        return Button({110, 32}, state, 6);
    if (upper.startsWith(QLatin1String("MACROBTNS_")))
        return Button({90, 28}, state, 6);
    if (upper.startsWith(QLatin1String("EXITS_")) || upper.startsWith(QLatin1String("MINIS_")))
        return Glyph({26, 26}, state, upper.startsWith(QLatin1String("EXITS_")));
    if (upper == QLatin1String("CBS_D") || upper == QLatin1String("CBS_E"))
        return Mark({18, 18}, upper.endsWith('E'), false);
    if (upper == QLatin1String("RDS_D") || upper == QLatin1String("RDS_E"))
        return Mark({18, 18}, upper.endsWith('E'), true);
    if (upper == QLatin1String("BAR1_D") || upper == QLatin1String("BAR1_E"))
        return Mark({18, 10}, upper.endsWith('E'), false);
    if (upper == QLatin1String("COL_F"))
        return Mark({36, 22}, false, false);
    if (upper.startsWith(QLatin1String("GUNMODE")))
        return Button({56, 40}, 1, 6);
    if (upper.startsWith(QLatin1String("GUN")))
        return Button({130, 56}, state == 2 ? 3 : 1, 8);
    if (upper == QLatin1String("INSERTDELAYBASE") || upper == QLatin1String("INSERTKEYBASE"))
        return Button({330, 230}, 1, 10);
    if (upper == QLatin1String("MSG"))
        return Button({420, 260}, 1, 12);
    return Blank({1, 1});
}

QPixmap SkinPicture(const QString& name)
{
    static QHash<QString, QPixmap> fallbacks;
    const QPixmap carried = ResourcePixmap(name);
    if (!carried.isNull())
        return carried;
    const QString key = name.toUpper();
    auto it = fallbacks.find(key);
    if (it == fallbacks.end())
        it = fallbacks.insert(key, FallbackSkinPicture(name));
    return *it;
}

} // namespace tarq
