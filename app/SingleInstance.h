// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One running copy of the program per user. The first start takes a lock file in a folder only
// its user can reach and listens on a local socket beside it; a later start that finds the lock
// taken asks the holder through the socket to restore and raise its window, and ends. Taking
// the lock decides who is first, so two starts at the same moment never both open a window,
// and the system drops the lock when a copy ends, so a crash leaves nothing that blocks a start.
// Every exchange with a running copy has one overall deadline.

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>

#include "platform/InstanceLock.h"

namespace tarq {

// How long a start waits for a running copy (that may itself still be starting) to answer.
constexpr int kInstanceDeadlineMs = 5000;

// The lock file and the socket of this user's copy.
struct InstancePaths {
    QString lock;
    QString socket;
    bool Valid() const { return !lock.isEmpty() && !socket.isEmpty(); }
};

// The paths in the user's private run-time folder, named after the window title; empty paths
// and the reason in `error` when there is no private folder.
InstancePaths FindInstancePaths(QString* error);

// Whether a copy with a window is running, learnt within `deadlineMs` without raising it:
// Running when it answered, Unresponsive when it holds the lock but gave no answer in time,
// None when no copy runs (or the user has no private run-time folder).
enum class InstanceProbe { None, Running, Unresponsive };
InstanceProbe ProbeRunningInstance(int deadlineMs);
InstanceProbe ProbeRunningInstance(const InstancePaths& paths, int deadlineMs);

class InstanceServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        First,          // this copy holds the lock and listens: open the window
        ShownRunning,   // the running copy raised its window: end
        Unresponsive,   // a running copy holds the lock but did not answer in time: end
        Unavailable,    // no lock or socket could be set up (ErrorText says why): open the window
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // Becomes the first copy, or asks the running one to show its window, within `deadlineMs`.
    // As the first copy, `onShowRequest` runs for each later start.
    Outcome Start(const InstancePaths& paths, int deadlineMs, std::function<void()> onShowRequest);
    QString ErrorText() const { return error_; }

private:
    bool Listen(const QString& socketPath, std::function<void()> onShowRequest);

    InstanceLock lock_;
    // Later starts are answered on a thread of their own, so an answer never waits for the
    // window's start-up or for a long step on the window's thread; show requests come back
    // to this object's thread.
    QThread serverThread_;
    InstanceServer* server_ = nullptr;   // lives on serverThread_
    std::function<void()> onShowRequest_;
    QString error_;
};

} // namespace tarq
