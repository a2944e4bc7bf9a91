// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/RecordingSession.h"

#include "support/ScriptedCapture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace tarq {
namespace {

using testing::ScriptedCapture;

TEST(RecordingSession, EventsFromTwoSourcesArriveWholeAndInOrderOnOneThread)
{
    ScriptedCapture capture;
    std::vector<InputEvent> got;
    std::set<std::thread::id> threads;
    RecordingSession session(capture, [&](const InputEvent& e) {
        got.push_back(e);   // only the worker touches it, so no lock
        threads.insert(std::this_thread::get_id());
    });
    ASSERT_TRUE(session.Start());
    EXPECT_EQ(capture.starts, 1);

    // A keyboard source (the capture) and a mouse source (another thread) at once.
    constexpr int kEach = 2000;
    std::thread mouse([&] {
        for (int i = 0; i < kEach; ++i)
            session.Push(InputEvent::Button(MouseButton::Right, i % 2 == 0, uint32_t(i)));
    });
    for (int i = 0; i < kEach; ++i)
        capture.Play(InputEvent::Key(0x41, i % 2 == 0, uint32_t(i)));
    mouse.join();
    session.Stop();   // the events already queued are still handled

    EXPECT_EQ(capture.stops, 1);
    ASSERT_EQ(got.size(), size_t(2 * kEach));
    EXPECT_EQ(threads.size(), 1u);
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0u);
    uint32_t nextKey = 0;
    uint32_t nextButton = 0;
    for (const InputEvent& e : got) {
        uint32_t& next = e.source == InputEvent::Source::Key ? nextKey : nextButton;
        EXPECT_EQ(e.tick, next++);
    }
}

TEST(RecordingSession, FailedCaptureLeavesNothingRunning)
{
    ScriptedCapture capture;
    capture.failStart = true;
    RecordingSession session(capture, [](const InputEvent&) {});
    EXPECT_FALSE(session.Start());
    EXPECT_FALSE(session.Running());
    EXPECT_EQ(session.ErrorText(), "scripted failure");
    session.Stop();
    EXPECT_EQ(capture.stops, 0);
}

TEST(RecordingSession, StopIsFinalAndRestartable)
{
    ScriptedCapture capture;
    std::atomic<int> handled{0};
    RecordingSession session(capture, [&](const InputEvent&) { ++handled; });
    ASSERT_TRUE(session.Start());
    capture.Play(InputEvent::Key(0x41, true, 1));
    session.Stop();
    session.Stop();
    capture.Play(InputEvent::Key(0x41, false, 2));   // after Stop: the capture no longer delivers
    EXPECT_EQ(handled.load(), 1);
    ASSERT_TRUE(session.Start());
    capture.Play(InputEvent::Key(0x42, true, 3));
    session.Stop();
    EXPECT_EQ(handled.load(), 2);
}

} // namespace
} // namespace tarq
