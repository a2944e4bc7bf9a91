// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/AtomicSave.h"

#include "platform/ReadFileBytes.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tarq {

bool SaveFileAtomically(const QString& path, std::span<const uint8_t> bytes, QString* errorText)
{
    // QSaveFile resolves a link and replaces its target; anything but a regular file there
    // would be replaced by one, or written into without the safety of the rename.
    if (QFileInfo::exists(path) && !IsRegularFile(path)) {
        if (errorText)
            *errorText = QStringLiteral("Cannot create \"%1\": not a regular file").arg(path);
        return false;
    }
    QSaveFile file(path);
    auto fail = [&](const QString& what) {
        if (errorText)
            *errorText = QStringLiteral("%1 \"%2\": %3").arg(what, path, file.errorString());
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Cannot create"));
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    qint64 written = 0;
    while (written < qint64(bytes.size())) {
        const qint64 n = file.write(data + written, qint64(bytes.size()) - written);
        if (n <= 0)
            return fail(QStringLiteral("Cannot write"));
        written += n;
    }
    // QSaveFile keeps small payloads in its write buffer, and commit() does not check the flush
    // that writes them out: on a full disk it would rename an empty file over the old one. Flush
    // first and check, so that a failure leaves the old file untouched.
    if (!file.flush())
        return fail(QStringLiteral("Cannot write"));
    if (!file.commit()) {
        if (errorText)
            *errorText = QStringLiteral("Cannot save \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool SaveOwnFile(const QString& path, std::span<const uint8_t> bytes, QString* errorText)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        if (errorText)
            *errorText = QStringLiteral("Not saved: \"%1\" is a symbolic link (to \"%2\"); the program does not "
                                        "write its own files through links. Remove the link to let it save.")
                             .arg(path, info.symLinkTarget());
        return false;
    }
    return SaveFileAtomically(path, bytes, errorText);
}

} // namespace tarq
