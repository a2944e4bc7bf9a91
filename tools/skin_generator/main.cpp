// SPDX-License-Identifier: GPL-2.0-or-later
// Draws the skin pictures of the program: the window background, the page pictures, buttons in
// their states, check, radio and bar marks, gun pictures and the dialog background.
//
//   tarq_skin_generator <layout text ORG1.txt> <output folder> [<icon folder>]
//
// With an icon folder, the application icon is written there as tarq362a-<size>.png.
// The output is deterministic (no randomness, bundled DejaVu fonts), so regenerating changes
// nothing unless this program or the layout text changed. Page pictures read the positions of
// the button labels from the layout text so that the drawing and the controls line up.

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "SkinStyle.h"
#include "skin/ConfigText.h"

using namespace skin;

namespace {

struct Layout {
    tarq::ConfigText text;
    int Get(const char* key, int fallback = 0) const
    {
        const auto value = text.Value("org1", key);
        const auto number = value ? tarq::ParseConfigInt(*value) : std::nullopt;
        return number.value_or(fallback);
    }
    QPoint Pos(const QString& family) const
    {
        return {Get((family + "_X").toLatin1().constData()), Get((family + "_Y").toLatin1().constData())};
    }
};

constexpr int kSkinWidth = 1030;
constexpr int kSkinHeight = 662;
constexpr int kPageWidth = 990;
constexpr int kPageHeight = 496;

QString g_out;
int g_count = 0;

void Save(const QImage& image, const QString& name)
{
    const QString path = g_out + "/" + name + ".png";
    if (!image.save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    ++g_count;
}

// Draws one picture on a fresh transparent image.
void Draw(const QString& name, int w, int h, const std::function<void(QPainter&)>& paint)
{
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p);
    p.end();
    Save(image, name);
}

void Background()
{
    QImage image(kSkinWidth, kSkinHeight, QImage::Format_RGB32);
    image.fill(kMaroon);
    QPainter p(&image);
    // The outline is drawn without antialiasing: every pixel outside it must stay exactly
    // maroon and every pixel inside must not be, or the window mask would fray.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, kSkinWidth, kSkinHeight), 16, 16);
    QLinearGradient body(0, 0, 0, kSkinHeight);
    body.setColorAt(0, kWindow.lighter(110));
    body.setColorAt(1, kWindowLow);
    p.fillPath(outline, body);
    p.setClipPath(outline);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, kSkinWidth, 88), kHeader);
    // Accent line under the header, fading out at both ends.
    QLinearGradient line(0, 0, kSkinWidth, 0);
    line.setColorAt(0, QColor(0, 160, 227, 0));
    line.setColorAt(0.5, kAccent);
    line.setColorAt(1, QColor(0, 160, 227, 0));
    p.fillRect(QRectF(0, 87, kSkinWidth, 2), line);
    // Faint diagonal strokes at the header's right end.
    p.setPen(QPen(QColor(255, 255, 255, 10), 10));
    for (int x = 780; x < 940; x += 26)
        p.drawLine(x, 88, x + 60, 0);
    // Word mark.
    p.setFont(Font(18, true));
    p.setPen(kText);
    p.drawText(QPoint(24, 32), QStringLiteral("TARQ"));
    const int tarqWidth = QFontMetrics(Font(18, true)).horizontalAdvance(QStringLiteral("TARQ"));
    p.setPen(kAccent);
    p.drawText(QPoint(24 + tarqWidth, 32), QStringLiteral("362A"));
    p.setPen(kDim);
    p.setFont(Font(9));
    p.drawText(QPoint(25, 46), QStringLiteral("GAMING MOUSE"));
    // Footer rule; the footer's text is a label of the window, in the current language.
    p.fillRect(QRect(0, 590, kSkinWidth, 1), kBorder);
    p.end();
    Save(image, QStringLiteral("L1_BackGround"));
}

// A page picture: cards given in window coordinates, drawn at the page's own offset.
void Page(const Layout& layout, int page, const std::function<void(QPainter&)>& paint)
{
    const QPoint offset = layout.Pos(QStringLiteral("P%1").arg(page));
    Draw(QStringLiteral("L1_Back%1").arg(page), kPageWidth, kPageHeight, [&](QPainter& p) {
        p.translate(-offset);
        paint(p);
    });
}

// The mouse seen from above, its buttons numbered like the labels beside it.
void MouseFromAbove(QPainter& p, const Layout& layout)
{
    const QPointF c(730, 330);
    QPainterPath body;
    body.moveTo(c + QPointF(0, -190));
    body.cubicTo(c + QPointF(95, -190), c + QPointF(118, -90), c + QPointF(112, 10));
    body.cubicTo(c + QPointF(108, 120), c + QPointF(80, 200), c + QPointF(0, 205));
    body.cubicTo(c + QPointF(-80, 200), c + QPointF(-108, 120), c + QPointF(-112, 10));
    body.cubicTo(c + QPointF(-118, -90), c + QPointF(-95, -190), c + QPointF(0, -190));
    QRadialGradient shade(c + QPointF(-30, -40), 260);
    shade.setColorAt(0, QColor(52, 60, 74));
    shade.setColorAt(1, QColor(22, 26, 33));
    p.setPen(QPen(kBorder.lighter(130), 2));
    p.setBrush(shade);
    p.drawPath(body);
    // Seams of the two main buttons and the wheel.
    p.setPen(QPen(QColor(10, 12, 16), 2));
    p.drawLine(c + QPointF(0, -190), c + QPointF(0, -70));
    p.drawArc(QRectF(c.x() - 112, c.y() - 150, 224, 160), 200 * 16, 140 * 16);
    p.setPen(QPen(kAccent, 1.5));
    p.setBrush(QColor(14, 17, 22));
    p.drawRoundedRect(QRectF(c.x() - 11, c.y() - 160, 22, 48), 10, 10);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int y = -152; y < -118; y += 6)
        p.drawLine(c + QPointF(-7, y), c + QPointF(7, y));
    // DPI button behind the wheel, side buttons on the left flank.
    p.setPen(QPen(kBorder.lighter(140), 1.5));
    p.setBrush(kControlHover);
    p.drawRoundedRect(QRectF(c.x() - 9, c.y() - 98, 18, 26), 6, 6);
    p.drawRoundedRect(QRectF(c.x() - 120, c.y() - 38, 14, 40), 5, 5);
    p.drawRoundedRect(QRectF(c.x() - 120, c.y() + 10, 14, 40), 5, 5);
    // Accent light strip along the rear.
    QPainterPath strip;
    strip.addRoundedRect(QRectF(c.x() - 40, c.y() + 150, 80, 8), 4, 4);
    p.fillPath(strip, kAccent);

    // Number badges at the buttons, matching the badges beside the button labels: 1 left,
    // 3 right, 2 the wheel (middle), 4 and 5 the side buttons, 6 the DPI button.
    const std::pair<int, QPointF> spots[] = {
        {1, c + QPointF(-52, -120)}, {3, c + QPointF(52, -120)}, {2, c + QPointF(0, -185)},
        {4, c + QPointF(-146, 30)},  {5, c + QPointF(-146, -18)}, {6, c + QPointF(30, -85)},
    };
    p.setFont(Font(11, true));
    for (const auto& [number, spot] : spots) {
        const bool enabled = layout.Get(qPrintable(QStringLiteral("Key%1_Enable").arg(number))) == 1;
        if (!enabled)
            continue;
        const QRectF badge(spot.x() - 11, spot.y() - 11, 22, 22);
        p.setPen(QPen(kAccentLight, 1.5));
        p.setBrush(kAccentDark);
        p.drawEllipse(badge);
        p.setPen(kText);
        p.drawText(badge, Qt::AlignCenter, QString::number(number));
    }
}

void Pages(const Layout& layout)
{
    Page(layout, 1, [&](QPainter& p) {
        Card(p, QRectF(40, 106, 520, 474), false);
        MouseFromAbove(p, layout);
        // Number badges left of each enabled button label.
        p.setFont(Font(11, true));
        for (int n = 1; n <= 9; ++n) {
            const QString key = QStringLiteral("Key%1").arg(n);
            if (layout.Get(qPrintable(key + "_Enable")) != 1)
                continue;
            const QPoint pos = layout.Pos(key);
            const QRectF badge(pos.x() - 34, pos.y() + 7, 22, 22);
            p.setPen(QPen(kAccent, 1.5));
            p.setBrush(kCard);
            p.drawEllipse(badge);
            p.setPen(kText);
            p.drawText(badge, Qt::AlignCenter, QString::number(n));
        }
        // Separator above the long-press options.
        p.fillRect(QRectF(60, 448, 480, 1), kBorder);
    });
    Page(layout, 2, [&](QPainter& p) {
        Card(p, QRectF(40, 106, 450, 130));
        Card(p, QRectF(40, 250, 450, 330));
        Card(p, QRectF(500, 106, 490, 474));
        p.fillRect(QRectF(516, 144, 458, 1), kBorder);
        p.fillRect(QRectF(516, 532, 458, 1), kBorder);
    });
    Page(layout, 3, [&](QPainter& p) {
        Card(p, QRectF(40, 106, 450, 224));
        Card(p, QRectF(40, 340, 450, 100));
        Card(p, QRectF(40, 450, 450, 130));
        Card(p, QRectF(500, 106, 490, 474));
        p.fillRect(QRectF(516, 430, 458, 1), kBorder);
    });
    Page(layout, 4, [&](QPainter& p) {
        Card(p, QRectF(40, 106, 300, 474));
        Card(p, QRectF(350, 106, 340, 474));
        Card(p, QRectF(700, 106, 290, 474), false); // the delay and release choices carry no heading
        p.fillRect(QRectF(716, 280, 258, 1), kBorder);
    });
    Page(layout, 5, [&](QPainter& p) {
        Card(p, QRectF(30, 96, 350, 484), false);
        Card(p, QRectF(400, 106, 590, 474), false);
        // Row lines of the fire macro table; its column numbers are labels on the page, shown
        // only for guns with more than one column.
        for (int y : {194, 244, 294, 344, 394, 444})
            p.fillRect(QRectF(416, y, 558, 1), kBorder);
    });
}

void Buttons()
{
    for (int s = 0; s < 3; ++s) {
        const QString suffix = QStringLiteral("_0%1").arg(s + 1);
        Draw("BtnS" + suffix, 126, 38, [&](QPainter& p) { ButtonFace(p, QRectF(0, 0, 126, 38), s); });
        Draw("MacroBtnS" + suffix, 96, 32, [&](QPainter& p) { ButtonFace(p, QRectF(0, 0, 96, 32), s); });
        // Page tabs are slanted; the captions keep clear of the slanted ends.
        Draw("SetS" + suffix, 124, 34, [&](QPainter& p) {
            QPainterPath tab;
            tab.moveTo(11, 1);
            tab.lineTo(123, 1);
            tab.lineTo(113, 33);
            tab.lineTo(1, 33);
            tab.closeSubpath();
            const QColor fill = s == 0 ? kControl : s == 1 ? kControlHover : kAccent;
            p.setPen(QPen(s == 0 ? kBorder : kAccentLight, 1.2));
            p.setBrush(fill);
            p.drawPath(tab);
            if (s == 1) {   // an accent underline marks the tab under the pointer
                p.setPen(QPen(kAccent, 2));
                p.drawLine(QPointF(6, 31), QPointF(110, 31));
            }
        });
        Draw("WebS" + suffix, 28, 28, [&](QPainter& p) {
            // _03 is the pointer-over picture of the web button, _02 the pressed one.
            const QColor ring = s == 0 ? kDim : s == 2 ? kAccentLight : kAccent;
            p.setPen(QPen(ring, 1.6));
            p.setBrush(s == 1 ? kAccentDark : kControl);
            p.drawEllipse(QRectF(3, 3, 22, 22));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(9, 3, 10, 22));
            p.drawLine(QPointF(3, 14), QPointF(25, 14));
        });
    }
    for (int s = 0; s < 2; ++s) {
        const QString suffix = QStringLiteral("_0%1").arg(s + 1);
        const auto corner = [&](QPainter& p, const QColor& hover) {
            p.setPen(Qt::NoPen);
            p.setBrush(s == 0 ? kControl : hover);
            p.drawRoundedRect(QRectF(1, 1, 24, 24), 6, 6);
            p.setPen(QPen(s == 0 ? kDim : kText, 2, Qt::SolidLine, Qt::RoundCap));
        };
        Draw("ExitS" + suffix, 26, 26, [&](QPainter& p) {
            corner(p, kDanger);
            p.drawLine(QPointF(8.5, 8.5), QPointF(17.5, 17.5));
            p.drawLine(QPointF(17.5, 8.5), QPointF(8.5, 17.5));
        });
        Draw("MiniS" + suffix, 26, 26, [&](QPainter& p) {
            corner(p, kControlHover.lighter(130));
            p.drawLine(QPointF(8, 17), QPointF(18, 17));
        });
        Draw("KeyS" + suffix, 200, 36, [&](QPainter& p) {
            p.setPen(QPen(s == 0 ? kBorder : kAccent, 1.2));
            p.setBrush(s == 0 ? kControl : kControlHover);
            p.drawRoundedRect(QRectF(1, 1, 198, 34), 6, 6);
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawRoundedRect(QRectF(1, 7, 3, 22), 1.5, 1.5);
            // A small chevron says the label opens a menu.
            p.setPen(QPen(s == 0 ? kDim : kAccentLight, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(180, 15), QPointF(185, 20));
            p.drawLine(QPointF(185, 20), QPointF(190, 15));
        });
    }
    for (int s = 0; s < 4; ++s) {
        Draw(QStringLiteral("MacroS_0%1").arg(s + 1), 120, 34, [&](QPainter& p) {
            if (s == 3) {   // recording: red face with a lit dot
                p.setPen(QPen(kDanger.lighter(125), 1.2));
                p.setBrush(kDanger);
                p.drawRoundedRect(QRectF(1, 1, 118, 32), 6, 6);
                p.setPen(Qt::NoPen);
                p.setBrush(kText);
                p.drawEllipse(QRectF(10, 12, 10, 10));
                return;
            }
            ButtonFace(p, QRectF(0, 0, 120, 34), s == 2 ? 0 : s);
            p.setPen(Qt::NoPen);
            p.setBrush(s == 1 ? kText : kDanger);
            p.drawEllipse(QRectF(10, 12, 10, 10));
        });
    }
}

void Marks()
{
    for (int on = 0; on < 2; ++on) {
        const QString suffix = on ? "_E" : "_D";
        Draw("CbS" + suffix, 24, 20, [&](QPainter& p) {
            p.setPen(QPen(on ? kAccent : kDim, 1.4));
            p.setBrush(on ? kAccent : kControl);
            p.drawRoundedRect(QRectF(1, 2, 16, 16), 3.5, 3.5);
            if (on) {
                p.setPen(QPen(kText, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPolyline(QPolygonF({QPointF(5, 10), QPointF(8, 13.5), QPointF(13.5, 6.5)}));
            }
        });
        Draw("RdS" + suffix, 24, 20, [&](QPainter& p) {
            p.setPen(QPen(on ? kAccent : kDim, 1.4));
            p.setBrush(kControl);
            p.drawEllipse(QRectF(1, 2, 16, 16));
            if (on) {
                p.setPen(Qt::NoPen);
                p.setBrush(kAccent);
                p.drawEllipse(QRectF(5, 6, 8, 8));
            }
        });
        Draw("Bar1" + suffix, 24, 14, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            if (on) {
                p.setBrush(QColor(0, 160, 227, 60));
                p.drawRoundedRect(QRectF(0, 0, 24, 14), 5, 5);
            }
            p.setBrush(on ? kAccent : kBorder);
            p.drawRoundedRect(QRectF(2, 3, 20, 8), 3, 3);
        });
    }
    Draw("Col_F", 30, 22, [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(kBorder.lighter(150));
        p.drawRect(0, 0, 30, 3);
        p.drawRect(0, 19, 30, 3);
        p.drawRect(0, 3, 3, 16);
        p.drawRect(27, 3, 3, 16);
    });
}

void Guns()
{
    for (int gun = 1; gun <= 7; ++gun) {
        for (int s = 0; s < 2; ++s) {
            Draw(QStringLiteral("Gun%1_0%2").arg(gun).arg(s + 1), 200, 56, [&](QPainter& p) {
                p.setPen(QPen(s ? kAccent : kBorder, s ? 1.6 : 1.2));
                p.setBrush(s ? QColor(0, 72, 104) : kControl);
                p.drawRoundedRect(QRectF(1, 1, 198, 54), 7, 7);
                // A faint rifle outline, longer stocks for the later presets. It keeps to the
                // right of x = 100, so the longest gun names stay clear of it.
                const qreal stock = 10 + 2 * gun;
                QPainterPath rifle;
                rifle.addRoundedRect(QRectF(124, 22, 44, 10), 2, 2);                 // receiver
                rifle.addRect(QRectF(168, 25, 28, 4));                               // barrel
                rifle.addRoundedRect(QRectF(126 - stock, 24, stock + 2, 14), 3, 3);  // stock
                rifle.addRect(QRectF(136, 32, 7, 12));                               // magazine
                rifle.addRect(QRectF(152, 32, 5, 8));                                // grip
                p.setPen(Qt::NoPen);
                p.setBrush(s ? QColor(70, 196, 250, 150) : QColor(255, 255, 255, 40));
                p.drawPath(rifle.simplified());
                p.setBrush(s ? kAccent : kBorder);
                p.drawRoundedRect(QRectF(1, 12, 3, 32), 1.5, 1.5);
            });
        }
    }
    const int modeNumbers[] = {1, 2, 1, 2, 3};
    for (int mode = 1; mode <= 5; ++mode) {
        Draw(QStringLiteral("GunMode%1").arg(mode), 32, 32, [&](QPainter& p) {
            QPolygonF hex;
            for (int k = 0; k < 6; ++k) {
                const qreal a = (60.0 * k + 30.0) * 3.14159265358979 / 180.0;
                hex << QPointF(16 + 14 * std::cos(a), 16 + 14 * std::sin(a));
            }
            p.setPen(QPen(kAccent, 1.5));
            p.setBrush(kControl);
            p.drawPolygon(hex);
            p.setPen(kText);
            p.setFont(Font(13, true));
            p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QString::number(modeNumbers[mode - 1]));
        });
    }
}

void Panels()
{
    // The macro page's insert panel covers its right-hand card exactly. No heading mark: the
    // fire macro editor scales these pictures into smaller boxes, and the macro page draws the
    // mark beside the panel's title itself.
    const auto panel = [](const QString& name, int w, int h) {
        Draw(name, w, h, [&](QPainter& p) { Card(p, QRectF(0, 0, w, h), false); });
    };
    panel(QStringLiteral("InsertKeyBase"), 290, 474);
    panel(QStringLiteral("InsertDelayBase"), 290, 474);
    // Dialogs share the windows' see-through maroon corners.
    QImage image(360, 200, QImage::Format_RGB32);
    image.fill(kMaroon);
    QPainter p(&image);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, 360, 200), 12, 12);
    p.fillPath(outline, kCard);
    p.setClipPath(outline);
    p.fillRect(QRect(0, 0, 360, 44), kHeader);
    p.fillRect(QRect(0, 44, 360, 1), kAccent);
    p.end();
    Save(image, QStringLiteral("Msg"));
}

// The application icon, drawn for each size on its own pixel grid so the small sizes stay
// crisp: the mouse seen from above on a dark tile, with the accent wheel and rear light of the
// window's own drawing. Sizes are the usual icon theme sizes.
void IconAt(int size, const QString& folder)
{
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal line = std::max<qreal>(1.0, s / 40.0);   // outline width, never below a pixel

    // Tile: rounded square with the header-to-window gradient and a thin accent rim.
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient body(tile.topLeft(), tile.bottomLeft());
    body.setColorAt(0, kHeader.lighter(135));
    body.setColorAt(1, kWindowLow);
    p.setPen(QPen(size <= 24 ? kAccentDark : kBorder.lighter(120), line));
    p.setBrush(body);
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);

    // Mouse body: the page picture's outline, scaled into the tile.
    const QPointF c(s * 0.5, s * 0.52);
    const qreal k = s * 0.36 / 205.0;
    const auto at = [&](qreal x, qreal y) { return c + QPointF(x * k, y * k); };
    QPainterPath mouse;
    mouse.moveTo(at(0, -190));
    mouse.cubicTo(at(95, -190), at(118, -90), at(112, 10));
    mouse.cubicTo(at(108, 120), at(80, 200), at(0, 205));
    mouse.cubicTo(at(-80, 200), at(-108, 120), at(-112, 10));
    mouse.cubicTo(at(-118, -90), at(-95, -190), at(0, -190));
    QRadialGradient shade(at(-30, -40), 260 * k);
    shade.setColorAt(0, QColor(62, 72, 88));
    shade.setColorAt(1, QColor(24, 28, 36));
    p.setPen(QPen(kAccent, std::max<qreal>(1.0, s / 28.0)));
    p.setBrush(shade);
    p.drawPath(mouse);

    // Seam between the two main buttons, then the wheel in the accent colour.
    if (size >= 32) {
        p.setPen(QPen(QColor(8, 10, 14), std::max<qreal>(1.0, s / 64.0)));
        p.drawLine(at(0, -188), at(0, -70));
        p.drawArc(QRectF(at(-112, -150), at(112, 10)), 200 * 16, 140 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kAccentLight);
    const qreal wheelWidth = std::max<qreal>(2.0, 26 * k);
    p.drawRoundedRect(QRectF(c.x() - wheelWidth / 2, at(0, -165).y(), wheelWidth, 56 * k),
                      wheelWidth / 2, wheelWidth / 2);

    // Rear light strip with a soft glow.
    const QRectF strip(at(-46, 140), at(46, 140 + std::max<qreal>(14, 2.2 / k)));
    if (size >= 48) {
        QRadialGradient glow(strip.center(), strip.width() * 0.9);
        glow.setColorAt(0, QColor(0, 160, 227, 110));
        glow.setColorAt(1, QColor(0, 160, 227, 0));
        p.setBrush(glow);
        p.drawEllipse(strip.center(), strip.width() * 0.9, strip.width() * 0.5);
    }
    p.setBrush(kAccent);
    p.drawRoundedRect(strip, strip.height() / 2, strip.height() / 2);
    p.end();

    const QString path = QStringLiteral("%1/tarq362a-%2.png").arg(folder).arg(size);
    if (!image.save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    ++g_count;
}

void Icons(const QString& folder)
{
    QDir().mkpath(folder);
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        IconAt(size, folder);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s <ORG1.txt> <output folder> [<icon folder>]\n", argv[0]);
        return 2;
    }
    for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
        const QString path = QStringLiteral("/usr/share/fonts/truetype/dejavu/") + file;
        if (QFontDatabase::addApplicationFont(path) < 0) {
            std::fprintf(stderr, "font missing: %s (package fonts-dejavu-core)\n", qPrintable(path));
            return 1;
        }
    }
    QFile layoutFile(QString::fromLocal8Bit(argv[1]));
    if (!layoutFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray text = layoutFile.readAll();
    const Layout layout{tarq::ConfigText::Parse(std::string_view(text.constData(), text.size()))};
    g_out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_out);

    Background();
    Pages(layout);
    Buttons();
    Marks();
    Guns();
    Panels();
    if (argc == 4)
        Icons(QString::fromLocal8Bit(argv[3]));
    std::printf("%d pictures written to %s\n", g_count, qPrintable(g_out));
    return 0;
}
