// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The resources the program carries (configuration texts, language texts, pictures, default
// images), compiled in with the Qt resource system under any prefix. A resource is found by
// its name without regard to case, with or without its file extension: "ORG", "org",
// "L1_BackGround" and "l1_background.png" all find their file.

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace tarq {

// The Qt resource path (":/...") of the named resource, or empty text when there is none.
QString ResourcePath(const QString& name);

bool HasResource(const QString& name);

// The bytes of the named resource; empty when there is none.
QByteArray ResourceBytes(const QString& name);

// The named picture; a null image or pixmap when there is none or it does not decode.
// Pixmaps are cached, so asking for the same picture again (pointer feedback) is cheap.
QImage ResourceImage(const QString& name);
QPixmap ResourcePixmap(const QString& name);

} // namespace tarq
