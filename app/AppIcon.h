// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The application icon (window, notification area, launcher), carried at every size it is
// drawn in so that each place picks a crisp one.

#include <QIcon>

namespace tarq {

QIcon ApplicationIcon();

} // namespace tarq
