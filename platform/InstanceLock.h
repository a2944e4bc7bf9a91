// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The parts of the single-instance guard that depend on the operating system: a folder that
// only the current user can reach, and an exclusive lock on a file in it that the system
// drops when the process ends, so a copy that crashed leaves no lock behind.

#include <QString>

#include <cstdint>

namespace tarq {

// A folder for this user's run-time files. On Linux $XDG_RUNTIME_DIR when it is private to
// the user; otherwise <temporary folder>/tarq362a-<uid>, created with mode 0700. Either must
// be a real folder (not a link) that belongs to this user and that nobody else may enter.
// Returns an empty text and puts the reason into `error` when no such folder can be had.
QString PrivateRuntimeFolder(QString* error);

// An exclusive lock on a file, held until Release or destruction. Two holders conflict even
// inside one process.
class InstanceLock {
public:
    enum class State { Acquired, HeldElsewhere, Failed };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // One attempt, without waiting. The file is created when missing; it must be a plain file
    // of this user. `error` gets the path and the system's reason on Failed.
    State TryAcquire(const QString& path, QString* error);
    bool Held() const { return handle_ != kNone; }
    void Release();

private:
    static constexpr intptr_t kNone = -1;
    intptr_t handle_ = kNone;
};

} // namespace tarq
