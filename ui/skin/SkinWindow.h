// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The skinned window: its background picture, its size, the see-through colour and the
// pictures every skinned control starts with. Controls are found below the form's root widget
// by their object names, so this code needs nothing of the form but its widget tree.

#include <QColor>
#include <QSize>
#include <QString>

class QWidget;

namespace tarq {

// Pixels of exactly this colour (maroon) are see-through: the skin uses it for its corners.
inline const QColor kTransparencyKey{128, 0, 0};

// Size of the engineer page, which has no skin.
inline constexpr QSize kEngineerPageSize{1000, 600};

// "L1_BackGround", "L2_Back3": the picture `base` of a language.
QString LanguagePicture(int languageIndex, const QString& base);

// The background of language 1 into Img_Base_1; the busy overlays Disable_All_1..4 take its
// size. Returns the skin size (SkinWidth x SkinHeight), or an empty size when the picture is
// missing.
QSize LoadBackground(QWidget* root);

// Window and pages gbPage1..gbPage5 := skin size; gbPage6 := 1000 x 600; the see-through
// mask follows the background picture again.
void SizeWindowToSkin(QWidget* root, QSize skin);

// Window := 1000 x 600 without the see-through mask; pages as in SizeWindowToSkin.
void SizeWindowForEngineer(QWidget* root, QSize skin);

// Window colour maroon, and the maroon pixels of the background in Img_Base_1 cut out of the
// window, so the rounded corners of the skin show the desktop behind.
void ApplyTransparencyKey(QWidget* root);

// Every picture control gets the picture it shows at start-up: backgrounds, page pictures,
// frame and page buttons (office and language 1 selected), button labels, check and radio
// marks with the start-up choices, bar marks, the gun page with gun 1 highlighted.
void LoadSkinImages(QWidget* root);

// Puts a named picture into the named picture control; false when either is missing.
bool SetPicture(QWidget* root, const QString& control, const QString& picture);

} // namespace tarq
