// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Files the program keeps by itself (the driver record file, the demo's memory) are written
// without the user asking. When that fails the user is told once per run, in the message
// dialog, with the folder, so that a data folder that cannot be written is not a silent loss.

#include <QObject>
#include <QString>

#include <functional>

namespace tarq {

// Shows `heading`, the folder of `path` and `error` through `show`, once for `owner` (later
// failures only go to standard error). The dialog is shown from the event loop, so a failure
// inside a transfer does not open a modal dialog in the middle of it.
void ReportSaveFailure(QObject* owner, const std::function<void(const QString&)>& show,
                       const QString& heading, const QString& path, const QString& error);

} // namespace tarq
