// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the program keeps its files. AppFolder is the folder of the program file when the
// program may write there, otherwise the per-user application data folder, so an installed
// copy can still keep its macro library. Data files live in DataFolder (the org key Path)
// followed directly by the file name, or in AppFolder when DataFolder is empty.

#include <QString>

#include "ui/state/AppContext.h"   // DataFilePath

namespace tarq {

// True when a file can be created in `folder` (tried, not guessed from permission bits).
bool FolderIsWritable(const QString& folder);

// `programFolder` when writable, otherwise `userFolder` (created if needed); both end in '/'.
QString ChooseAppFolder(const QString& programFolder, const QString& userFolder);

// True when `programFolder` is the bin folder of an installed layout: `<prefix>/bin` with the
// program's launcher entry in `<prefix>/share/applications` beside it.
bool IsInstalledLayout(const QString& programFolder);

// AppFolder of the running program. An installed copy always keeps its files in the per-user
// data folder, also when root (who may write the bin folder) runs it; a build tree or a copied
// folder keeps them beside the program when it may write there.
QString ResolveAppFolder();

} // namespace tarq
