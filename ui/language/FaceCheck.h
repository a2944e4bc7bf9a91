// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether the face a language file names is the one the captions are set in. The layouts place
// every caption for that face; a fallback that is not one of its metric twins sets the captions
// wider or narrower than the layout drew them, and that is told on the program's log.

#include <QSet>
#include <QString>

namespace tarq {

// The family the captions are set in when `family` is asked for: the face itself, a face the
// system substitutes for it (fontconfig maps Calibri to Carlito), or the general fallback.
QString FaceInUse(const QString& family);

// Tells, once per face, when `family` resolves to neither itself nor one of its metric twins:
// one line on the program's log (standard error). `told` keeps the faces already told. Returns
// whether this call told; an empty family tells nothing.
bool TellMissingFace(const QString& family, QSet<QString>& told);

} // namespace tarq
