// SPDX-License-Identifier: GPL-2.0-or-later
// The X11 capture against a private Xvfb, driven through XTEST.

#include <gtest/gtest.h>

#include "macros/x11/X11InputCapture.h"
#include "support/XTestInput.h"
#include "support/XvfbServer.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace tarq {
namespace {

using testing::XTestInput;
using testing::XvfbServer;

class Collected {
public:
    void Add(const InputEvent& e)
    {
        std::lock_guard lock(mutex_);
        events_.push_back(e);
        cv_.notify_all();
    }
    std::vector<InputEvent> WaitFor(size_t n)
    {
        std::unique_lock lock(mutex_);
        cv_.wait_for(lock, std::chrono::seconds(5), [&] { return events_.size() >= n; });
        return events_;
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<InputEvent> events_;
};

class X11Capture : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!XvfbServer::Installed())
            GTEST_SKIP() << "Xvfb is not installed (scripts/setup.sh installs it)";
        server_ = std::make_unique<XvfbServer>();
        ASSERT_TRUE(server_->Running()) << "Xvfb did not start";
    }
    std::unique_ptr<XvfbServer> server_;
};

bool SameIgnoringTick(const InputEvent& a, const InputEvent& b)
{
    return a.source == b.source && a.down == b.down && a.virtualKey == b.virtualKey &&
           (a.source == InputEvent::Source::Key || a.button == b.button);
}

TEST_F(X11Capture, KeysAndAllFiveButtonsAnywhereOnTheScreen)
{
    std::string why;
    auto capture = X11InputCapture::Open(server_->Display().c_str(), &why);
    ASSERT_TRUE(capture) << why;
    EXPECT_TRUE(capture->SeesWholeDesktop());
    Collected got;
    ASSERT_TRUE(capture->Start([&](const InputEvent& e) { got.Add(e); }));

    XTestInput input(server_->Display());
    ASSERT_TRUE(input.Ok()) << "no XTEST on the server";
    input.MoveTo(700, 500);
    input.Key(XK_Shift_L, true);
    input.Tap(XK_a);
    input.Key(XK_Shift_L, false);
    input.Tap(XK_F5);
    input.Click(4);   // the wheel: not a button for recording
    for (unsigned b : {1u, 3u, 2u, 9u, 8u})
        input.Click(b);

    const std::vector<InputEvent> expected{
        InputEvent::Key(0x10, true, 0), InputEvent::Key(0x41, true, 0), InputEvent::Key(0x41, false, 0),
        InputEvent::Key(0x10, false, 0), InputEvent::Key(0x74, true, 0), InputEvent::Key(0x74, false, 0),
        InputEvent::Button(MouseButton::Left, true, 0), InputEvent::Button(MouseButton::Left, false, 0),
        InputEvent::Button(MouseButton::Right, true, 0), InputEvent::Button(MouseButton::Right, false, 0),
        InputEvent::Button(MouseButton::Middle, true, 0), InputEvent::Button(MouseButton::Middle, false, 0),
        InputEvent::Button(MouseButton::Forward, true, 0), InputEvent::Button(MouseButton::Forward, false, 0),
        InputEvent::Button(MouseButton::Backward, true, 0), InputEvent::Button(MouseButton::Backward, false, 0)};
    const std::vector<InputEvent> events = got.WaitFor(expected.size());
    ASSERT_EQ(events.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(SameIgnoringTick(events[i], expected[i])) << "event " << i;
    for (size_t i = 1; i < events.size(); ++i)
        EXPECT_GE(events[i].tick, events[i - 1].tick);

    // After Stop nothing more arrives, and a new Start sees input again.
    capture->Stop();
    input.Tap(XK_b);
    ASSERT_TRUE(capture->Start([&](const InputEvent& e) { got.Add(e); }));
    input.Tap(XK_c);
    const std::vector<InputEvent> after = got.WaitFor(expected.size() + 2);
    ASSERT_EQ(after.size(), expected.size() + 2);
    EXPECT_EQ(after[expected.size()].virtualKey, 0x43);
    capture->Stop();
}

TEST(X11CaptureOpen, MissingDisplayIsReported)
{
    std::string why;
    EXPECT_FALSE(X11InputCapture::Open(":987", &why));
    EXPECT_NE(why.find(":987"), std::string::npos) << why;
}

} // namespace
} // namespace tarq
