// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/FileDialogs.h"

#include <QFileDialog>

namespace tarq {

QString ChooseBinFileToSave(QWidget* parent)
{
    QFileDialog dialog(parent, {}, {}, QStringLiteral("SaveFile(*.bin)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bin"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front()
                                                                                   : QString();
}

QString BinFileName(const QString& chosen)
{
    return chosen.endsWith(QLatin1String(".bin"), Qt::CaseInsensitive) ? chosen : chosen + QStringLiteral(".bin");
}

} // namespace tarq
