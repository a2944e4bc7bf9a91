// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tarq {

namespace {

// Installed by packaging/CMakeLists.txt under this name.
constexpr char kInstalledDesktopFile[] = "../share/applications/org.tarq362a.configurator.desktop";

QString WithSeparator(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

bool FolderIsWritable(const QString& folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    QTemporaryFile probe(WithSeparator(folder) + QStringLiteral(".write-probe-XXXXXX"));
    return probe.open();
}

QString ChooseAppFolder(const QString& programFolder, const QString& userFolder)
{
    if (FolderIsWritable(programFolder))
        return WithSeparator(programFolder);
    QDir().mkpath(userFolder);
    return WithSeparator(userFolder);
}

bool IsInstalledLayout(const QString& programFolder)
{
    const QDir folder(programFolder);
    return folder.dirName() == QLatin1String("bin") && QFileInfo::exists(folder.filePath(QLatin1String(kInstalledDesktopFile)));
}

QString ResolveAppFolder()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (IsInstalledLayout(programFolder)) {
        QDir().mkpath(userFolder);
        return WithSeparator(userFolder);
    }
    return ChooseAppFolder(programFolder, userFolder);
}

} // namespace tarq
