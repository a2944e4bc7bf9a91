// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Runs a device's blocking calls (the feature-report ioctls) on a thread of its own, so that the
// calling thread keeps handling its events while the kernel waits for the device: a mouse that
// stops completing control transfers holds an ioctl for the kernel's whole control timeout
// (seconds), and a window must not freeze meanwhile.
//
// The caller waits for its call, pumping its events every few milliseconds once the call has
// taken longer than a report normally does. The device may be closed by an event handled
// meanwhile: the thread and its state outlive the owner until the running call returns, and the
// file descriptor is closed only then.

#include <functional>
#include <memory>

namespace tarq {

class ReportThread {
public:
    // Takes ownership of fd. `pump` handles the caller's pending events; it is called only on
    // the thread that created this object (other threads just wait).
    ReportThread(int fd, std::function<void()> pump);
    ~ReportThread();
    ReportThread(const ReportThread&) = delete;
    ReportThread& operator=(const ReportThread&) = delete;

    struct Result {
        int value = -1;      // what the call returned
        int error = 0;       // errno after it
        bool ownerGone = false; // the owner was destroyed while the caller pumped: touch nothing
    };
    // Runs call(fd) on the thread and waits for it.
    Result run(std::function<int(int fd)> call);

    int fd() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace tarq
