// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/skin/Resources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace tarq {
namespace {

// Lower-case resource name (with and without extension) -> resource path. Built once; the
// compiled-in resources never change while the program runs.
const QHash<QString, QString>& ResourceIndex()
{
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> names;
        QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.startsWith(QStringLiteral(":/qt-project.org")))
                continue;
            const QFileInfo info(path);
            // The first file found keeps a name; names are unique in the shipped resources.
            names.insert(info.fileName().toLower(), path);
            if (!info.completeBaseName().isEmpty() && !names.contains(info.completeBaseName().toLower()))
                names.insert(info.completeBaseName().toLower(), path);
        }
        return names;
    }();
    return index;
}

} // namespace

QString ResourcePath(const QString& name)
{
    return ResourceIndex().value(name.trimmed().toLower());
}

bool HasResource(const QString& name)
{
    return !ResourcePath(name).isEmpty();
}

QByteArray ResourceBytes(const QString& name)
{
    const QString path = ResourcePath(name);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage ResourceImage(const QString& name)
{
    const QString path = ResourcePath(name);
    return path.isEmpty() ? QImage{} : QImage(path);
}

QPixmap ResourcePixmap(const QString& name)
{
    // Pictures are swapped on every pointer move over a skinned button; decode each once.
    static QMutex mutex;
    static QHash<QString, QPixmap> cache;
    const QString key = name.trimmed().toLower();
    QMutexLocker lock(&mutex);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    const QString path = ResourcePath(key);
    QPixmap pixmap = path.isEmpty() ? QPixmap{} : QPixmap(path);
    if (!pixmap.isNull())
        cache.insert(key, pixmap);
    return pixmap;
}

} // namespace tarq
