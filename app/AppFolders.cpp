#include "app/AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tarq {

namespace {

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

QString ResolveAppFolder()
{
    return ChooseAppFolder(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString DataFilePath(const QString& dataFolder, const QString& appFolder, const QString& fileName)
{
    return (dataFolder.isEmpty() ? appFolder : dataFolder) + fileName;
}

} // namespace tarq
