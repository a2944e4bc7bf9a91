// SPDX-License-Identifier: GPL-2.0-or-later
// The single-instance lock on Windows: LockFileEx on a file in the user's local data folder,
// which the system keeps private to the user.

#include "platform/InstanceLock.h"

#include <QDir>
#include <QStandardPaths>

#include <windows.h>

namespace tarq {

namespace {

QString SystemReason(DWORD error)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString reason = text ? QString::fromWCharArray(text).trimmed()
                                : QStringLiteral("error %1").arg(error);
    LocalFree(text);
    return reason;
}

} // namespace

QString PrivateRuntimeFolder(QString* error)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/tarq362a");
    if (QDir().mkpath(folder))
        return folder;
    if (error)
        *error = folder + QStringLiteral(": cannot be created");
    return {};
}

InstanceLock::~InstanceLock()
{
    Release();
}

InstanceLock::State InstanceLock::TryAcquire(const QString& path, QString* error)
{
    Release();
    HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                              GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (error)
            *error = path + QStringLiteral(": ") + SystemReason(GetLastError());
        return State::Failed;
    }
    OVERLAPPED at{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        const DWORD reason = GetLastError();
        CloseHandle(file);
        if (reason == ERROR_LOCK_VIOLATION || reason == ERROR_IO_PENDING)
            return State::HeldElsewhere;
        if (error)
            *error = path + QStringLiteral(": ") + SystemReason(reason);
        return State::Failed;
    }
    handle_ = reinterpret_cast<intptr_t>(file);
    return State::Acquired;
}

void InstanceLock::Release()
{
    if (handle_ == kNone)
        return;
    CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = kNone;
}

} // namespace tarq
