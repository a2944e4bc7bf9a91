// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/AppIcon.h"

namespace tarq {

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tarq362a-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace tarq
