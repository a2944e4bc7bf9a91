// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Captions of the engineer page before the caption table is applied by locale: the English
// column of the built-in table.

#include <QString>
#include <QStringList>

namespace tarq::pages {

QString EngineerText(int id);
// The items of an engineer list control as the caption table gives them; empty when the table
// has no list for it.
QStringList EngineerItems(const QString& control);

} // namespace tarq::pages
