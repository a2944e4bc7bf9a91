// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ReadFileBytes.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace tarq {

bool IsRegularFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

std::optional<std::vector<uint8_t>> ReadFileBytes(const QString& path, qint64 maxBytes,
                                                  QString* errorText)
{
    QFile file;
    auto fail = [&](const QString& what, const QString& reason) -> std::optional<std::vector<uint8_t>> {
        if (errorText)
            *errorText = QStringLiteral("%1 \"%2\": %3").arg(what, path, reason);
        return std::nullopt;
    };
#ifndef _WIN32
    // Opened without blocking, so that a pipe or a device node chosen by mistake cannot stall
    // the program on open; then only a regular file is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(QStringLiteral("Cannot open"), QString::fromLocal8Bit(std::strerror(errno)));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(QStringLiteral("Cannot open"), QStringLiteral("not a regular file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(QStringLiteral("Cannot open"), file.errorString());
    }
#else
    file.setFileName(path);
    if (QFileInfo::exists(path) && !IsRegularFile(path))
        return fail(QStringLiteral("Cannot open"), QStringLiteral("not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot open"), file.errorString());
#endif
    // Never ask for more than the file holds: read() may reserve the size it is given.
    const qint64 wanted = std::clamp<qint64>(file.size(), 0, std::max<qint64>(0, maxBytes));
    const QByteArray data = file.read(wanted);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot read"), file.errorString());
    return std::vector<uint8_t>(data.begin(), data.end());
}

} // namespace tarq
