// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/KeyEventVirtualKey.h"

#include "settings/KeyEventVirtualKey.h"

#include <QKeyEvent>

namespace tarq {

uint16_t VirtualKeyOf(const QKeyEvent& key)
{
#ifdef Q_OS_WIN
    // The native key on Windows is already a virtual-key code of the current layout, not a
    // keysym; the toolkit's key gives the layout-independent one the dialogs and recording use.
    const uint32_t keysym = 0;
#else
    const uint32_t keysym = key.nativeVirtualKey();
#endif
    return VirtualKeyOfKeyEvent(keysym, key.key(), key.modifiers() & Qt::KeypadModifier);
}

} // namespace tarq
