// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/hidraw/ReportThread.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <memory>
#include <thread>

namespace tarq {
namespace {

using namespace std::chrono_literals;

int pipeFd()
{
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    ::close(fds[1]);
    return fds[0];
}

// A call that takes long lets the caller's events run meanwhile; a quick one does not.
TEST(ReportThread, PumpsOnlyWhileACallTakesLong)
{
    int pumps = 0;
    ReportThread thread(pipeFd(), [&] { ++pumps; });
    const auto quick = thread.run([](int) { return 7; });
    EXPECT_EQ(quick.value, 7);
    EXPECT_EQ(pumps, 0);

    const auto slow = thread.run([](int) {
        std::this_thread::sleep_for(300ms);
        errno = ETIMEDOUT;
        return -1;
    });
    EXPECT_EQ(slow.value, -1);
    EXPECT_EQ(slow.error, ETIMEDOUT);
    EXPECT_FALSE(slow.ownerGone);
    EXPECT_GE(pumps, 5);
}

// An event handled while a call waits closes the device: the caller learns it and the call still
// finishes on its descriptor, which is closed only afterwards.
TEST(ReportThread, OwnerClosedWhilePumpingIsReported)
{
    std::atomic<bool> release{false};
    std::atomic<int> fdSeen{-2};
    std::unique_ptr<ReportThread> thread;
    thread = std::make_unique<ReportThread>(pipeFd(), [&] {
        thread.reset();
        release = true;
    });
    const int fd = thread->fd();
    const auto r = thread->run([&](int callFd) {
        while (!release)
            std::this_thread::sleep_for(1ms);
        fdSeen = callFd;
        return 0;
    });
    EXPECT_TRUE(r.ownerGone);
    EXPECT_EQ(fdSeen, fd);
    EXPECT_EQ(thread, nullptr);
}

// Another thread (the key test's worker) waits without pumping the owner's events.
TEST(ReportThread, OtherThreadsWaitWithoutPumping)
{
    std::atomic<int> pumps{0};
    ReportThread thread(pipeFd(), [&] { ++pumps; });
    std::thread worker([&] {
        const auto r = thread.run([](int) {
            std::this_thread::sleep_for(100ms);
            return 1;
        });
        EXPECT_EQ(r.value, 1);
    });
    worker.join();
    EXPECT_EQ(pumps, 0);
}

} // namespace
} // namespace tarq
