// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Skin pictures by resource name, for the picture controls of the pages.
//
// A picture the resources carry is used as it is. A picture they lack is drawn here in the
// skin's colours at the size the layout expects, so a missing or renamed picture leaves a
// usable, recognisable control instead of a hole in the window.

#include <QPixmap>
#include <QString>

namespace tarq {

QPixmap SkinPicture(const QString& name);

// The stand-in drawn for a picture that the resources lack (exposed for the renderer's
// checks and for tests).
QPixmap FallbackSkinPicture(const QString& name);

} // namespace tarq
