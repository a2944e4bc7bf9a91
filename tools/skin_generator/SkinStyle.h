// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Colours and drawing helpers shared by the skin pictures: a dark surface with one accent.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace skin {

inline const QColor kMaroon{128, 0, 0};   // see-through key of the windows
inline const QColor kAccent{0, 160, 227};
inline const QColor kAccentDark{0, 104, 150};
inline const QColor kAccentLight{70, 196, 250};
inline const QColor kWindow{13, 16, 22};
inline const QColor kWindowLow{9, 11, 15};
inline const QColor kHeader{18, 22, 30};
inline const QColor kCard{21, 26, 34};
inline const QColor kControl{31, 37, 47};
inline const QColor kControlHover{40, 48, 61};
inline const QColor kBorder{46, 54, 66};
inline const QColor kText{235, 240, 245};
inline const QColor kDim{112, 122, 136};
inline const QColor kDanger{214, 62, 70};

// A transparent picture of the given size with an antialiasing painter ready on it.
QImage Blank(int width, int height);

// Font of the bundled DejaVu family (registered by main) at a pixel size.
QFont Font(int pixelSize, bool bold = false);

// A card: rounded panel with a thin border and, when `tick`, an accent tick where its title
// caption sits.
void Card(QPainter& p, const QRectF& r, bool tick = true);

// A rounded button face in one of three states: 0 normal, 1 pointer over, 2 pressed.
void ButtonFace(QPainter& p, const QRectF& r, int state, qreal radius = 6);

} // namespace skin
