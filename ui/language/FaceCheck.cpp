// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/language/FaceCheck.h"

#include <QFont>
#include <QFontInfo>

#include "language/FaceTwins.h"

namespace tarq {

QString FaceInUse(const QString& family)
{
    return QFontInfo(QFont(family)).family();
}

bool TellMissingFace(const QString& family, QSet<QString>& told)
{
    if (family.isEmpty() || told.contains(family))
        return false;
    const QString used = FaceInUse(family);
    if (SetsLikeFace(family.toStdString(), used.toStdString()))
        return false;
    told.insert(family);
    qWarning("tarq362a: %s", MissingFaceNotice(family.toStdString(), used.toStdString()).c_str());
    return true;
}

} // namespace tarq
