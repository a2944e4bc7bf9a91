// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The file dialogs of the profile and macro commands.

#include <QString>

class QWidget;

namespace tarq {

// Asks for a file to write, with the filter "SaveFile(*.bin)". The dialog adds ".bin" to a
// name typed without it before its own overwrite question, so that the question is asked
// about the file that is really written. Empty when cancelled.
QString ChooseBinFileToSave(QWidget* parent);

// The file a save writes for a chosen name: the name itself when it ends with ".bin" (in any
// case), otherwise the name with ".bin" added.
QString BinFileName(const QString& chosen);

} // namespace tarq
