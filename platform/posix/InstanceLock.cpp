// SPDX-License-Identifier: GPL-2.0-or-later
// The single-instance lock on POSIX systems: flock() on a file in a folder private to the user.

#include "platform/InstanceLock.h"

#include <QDir>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarq {

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why `folder` is not a private folder of this user, or empty when it is. A folder of ours that
// others may enter is closed when `tighten` is set (the folder this program made itself).
QString NotPrivateBecause(const QString& folder, bool tighten)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return folder + QStringLiteral(": ") + SystemReason(errno);
    if (!S_ISDIR(info.st_mode))
        return folder + QStringLiteral(": not a folder");
    if (info.st_uid != ::geteuid())
        return folder + QStringLiteral(": belongs to another user");
    if ((info.st_mode & 077) != 0) {
        if (!tighten || ::chmod(path.constData(), 0700) != 0)
            return folder + QStringLiteral(": other users may use it");
    }
    return {};
}

} // namespace

QString PrivateRuntimeFolder(QString* error)
{
    QString problems;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QString why = NotPrivateBecause(runtime, false);
        if (why.isEmpty())
            return runtime;
        problems = why + QStringLiteral("; ");
    }
    const QString own = QDir::tempPath() + QStringLiteral("/tarq362a-") + QString::number(::geteuid());
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST) {
        if (error)
            *error = problems + own + QStringLiteral(": ") + SystemReason(errno);
        return {};
    }
    const QString why = NotPrivateBecause(own, true);
    if (why.isEmpty())
        return own;
    if (error)
        *error = problems + why;
    return {};
}

InstanceLock::~InstanceLock()
{
    Release();
}

InstanceLock::State InstanceLock::TryAcquire(const QString& path, QString* error)
{
    Release();
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = path + QStringLiteral(": ") + reason;
        return State::Failed;
    };
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return fail(SystemReason(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        return fail(QStringLiteral("not a plain file of this user"));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(fd);
        if (reason == EWOULDBLOCK)
            return State::HeldElsewhere;
        return fail(SystemReason(reason));
    }
    handle_ = fd;
    return State::Acquired;
}

void InstanceLock::Release()
{
    if (handle_ == kNone)
        return;
    // Closing drops the lock; the file stays, so no other copy can lose its lock to an unlink.
    ::close(static_cast<int>(handle_));
    handle_ = kNone;
}

} // namespace tarq
