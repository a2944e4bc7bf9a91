// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Renders every page of the main window to PNG files, as the window shows them without a
// mouse, so the whole window can be looked at in one command.

#include <QString>
#include <QStringList>

namespace tarq {

class TForm1;

// Shows each page in turn and saves it as DIR/<nn>-<page>.png. Returns the files written;
// `error` is set and the list is incomplete when the folder or a file cannot be written.
QStringList RenderPages(TForm1& form, const QString& folder, QString* error);

} // namespace tarq
