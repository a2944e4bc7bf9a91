// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/hidraw/ReportThread.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace tarq {
namespace {

// A report through the kernel takes a few milliseconds; only a call that takes longer lets the
// caller's events run.
constexpr auto kQuietWait = std::chrono::milliseconds(20);
constexpr auto kPumpInterval = std::chrono::milliseconds(10);

struct Job {
    std::function<int(int)> call;
    ReportThread::Result result;
    bool done = false;
};

} // namespace

struct ReportThread::Shared {
    ~Shared()
    {
        if (fd >= 0)
            ::close(fd);
    }

    int fd = -1;
    std::function<void()> pump;
    std::thread::id owner;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Job>> jobs;
    bool stopping = false;   // the owner is gone: finish the running call, then end
};

ReportThread::ReportThread(int fd, std::function<void()> pump) : shared_(std::make_shared<Shared>())
{
    shared_->fd = fd;
    shared_->pump = std::move(pump);
    shared_->owner = std::this_thread::get_id();
    // The thread holds the shared state, so a call still running when the owner goes keeps its
    // descriptor open until it returns.
    std::thread([shared = shared_] {
        std::unique_lock lock(shared->mutex);
        for (;;) {
            shared->changed.wait(lock, [&] { return shared->stopping || !shared->jobs.empty(); });
            if (shared->jobs.empty())
                return;
            const std::shared_ptr<Job> job = shared->jobs.front();
            shared->jobs.pop_front();
            lock.unlock();
            errno = 0;
            const int value = job->call(shared->fd);
            const int error = errno;
            lock.lock();
            job->result.value = value;
            job->result.error = error;
            job->done = true;
            shared->changed.notify_all();
        }
    }).detach();
}

ReportThread::~ReportThread()
{
    std::lock_guard lock(shared_->mutex);
    shared_->stopping = true;
    for (const auto& job : shared_->jobs) { // never started: they fail as the owner is gone
        job->result.ownerGone = true;
        job->done = true;
    }
    shared_->jobs.clear();
    shared_->changed.notify_all();
}

int ReportThread::fd() const { return shared_->fd; }

ReportThread::Result ReportThread::run(std::function<int(int fd)> call)
{
    // Locals only from here on: an event handled while pumping may destroy this object.
    const std::shared_ptr<Shared> shared = shared_;
    auto job = std::make_shared<Job>();
    job->call = std::move(call);
    std::unique_lock lock(shared->mutex);
    shared->jobs.push_back(job);
    shared->changed.notify_all();
    const bool mayPump = shared->pump && std::this_thread::get_id() == shared->owner;
    if (!shared->changed.wait_for(lock, kQuietWait, [&] { return job->done; })) {
        while (!job->done) {
            if (mayPump) {
                lock.unlock();
                shared->pump();
                lock.lock();
            }
            shared->changed.wait_for(lock, kPumpInterval, [&] { return job->done; });
        }
    }
    Result result = job->result;
    if (shared->stopping)
        result.ownerGone = true;
    errno = result.error;
    return result;
}

} // namespace tarq
