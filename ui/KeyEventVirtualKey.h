// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The virtual-key code of a key event of the window: the keysym the system reports as the
// native key (X11 and Wayland), then the toolkit's key (settings/KeyEventVirtualKey.h).

#include <cstdint>

class QKeyEvent;

namespace tarq {

uint16_t VirtualKeyOf(const QKeyEvent& key);

} // namespace tarq
