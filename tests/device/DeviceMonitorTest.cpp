// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/DeviceMonitor.h"
#include "device/emulator/EmulatedHidBus.h"

#include <gtest/gtest.h>

#include <utility>

namespace tarq {
namespace {

class DeviceMonitorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        link.ResetLink();
        bus->add({"other-mouse", {0x046D, 0xC077, 0x7200, 0}, true, false, nullptr});
    }

    DeviceMonitor::Hooks hooks()
    {
        return {[this](int n) { waits += n; }, [this] { ++lost; }, [this] { ++reads; }};
    }

    std::shared_ptr<EmulatedMouse> mouse = std::make_shared<EmulatedMouse>();
    std::unique_ptr<EmulatedHidBus> bus = EmulatedHidBus::withMouse(mouse);
    DeviceLink link{*bus};
    DeviceMonitor monitor{link, hooks()};
    int waits = 0, lost = 0, reads = 0;
};

TEST_F(DeviceMonitorTest, FirstTickOpensTheMouseAndReadsIt)
{
    monitor.DevTimerTimer();
    EXPECT_TRUE(link.mouseOpen());
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(monitor.LastInterfaceCount, 3);
    monitor.DevTimerTimer(); // nothing changed
    EXPECT_EQ(reads, 1);
}

TEST_F(DeviceMonitorTest, NoMouseAtStartIsReportedLost)
{
    bus->setMousePresent(mouse, false);
    monitor.DevTimerTimer();
    EXPECT_FALSE(link.mouseOpen());
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(reads, 0);
}

// A machine where no interface is countable (count 0, as at start) must still leave the
// searching state on the first tick instead of searching every 20 ms for ever.
TEST_F(DeviceMonitorTest, FirstTickActsEvenWhenNothingIsCounted)
{
    EmulatedHidBus empty;
    DeviceLink emptyLink(empty);
    emptyLink.ResetLink();
    DeviceMonitor first(emptyLink, hooks());
    first.DevTimerTimer();
    EXPECT_EQ(lost, 1);
    first.DevTimerTimer(); // later ticks act only on a change
    EXPECT_EQ(lost, 1);
}

// The read after an open finds the mouse gone (unplugged while it was read): the same tick
// shows the device-lost state, and the next tick does not report the removal again.
TEST_F(DeviceMonitorTest, MouseGoneDuringTheReadIsLostInTheSameTick)
{
    bool gone = false;
    DeviceMonitor::Hooks h = hooks();
    h.readDevInfo = [&] {
        if (++reads == 1) {
            bus->setMousePresent(mouse, false);
            gone = true;
        }
    };
    h.takeDeviceGone = [&] { return std::exchange(gone, false); };
    DeviceMonitor m(link, h);
    m.DevTimerTimer();
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(link.mouseOpen());
    m.DevTimerTimer();
    EXPECT_EQ(lost, 1);

    // Outside a tick (a user command): lost at once, and only once.
    bus->setMousePresent(mouse, true);
    m.DevTimerTimer();
    EXPECT_EQ(reads, 2);
    bus->setMousePresent(mouse, false);
    m.MouseGone();
    EXPECT_EQ(lost, 2);
    m.DevTimerTimer();
    EXPECT_EQ(lost, 2);
}

TEST_F(DeviceMonitorTest, AnotherDeviceComingAndGoingLeavesTheMouseAlone)
{
    monitor.DevTimerTimer();
    bus->find("other-mouse")->present = true;
    monitor.DevTimerTimer();
    EXPECT_EQ(monitor.LastInterfaceCount, 4);
    bus->find("other-mouse")->present = false;
    monitor.DevTimerTimer();
    EXPECT_TRUE(link.mouseOpen());
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(lost, 0);
}

TEST_F(DeviceMonitorTest, UnpluggingLosesTheMouseOnceAndReplugReadsAgain)
{
    monitor.DevTimerTimer();
    bus->setMousePresent(mouse, false);
    monitor.DevTimerTimer();
    monitor.DevTimerTimer();
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(link.mouseOpen());
    EXPECT_EQ(link.CurrentVendorId, 0);
    bus->setMousePresent(mouse, true);
    monitor.DevTimerTimer();
    EXPECT_TRUE(link.mouseOpen());
    EXPECT_EQ(reads, 2);
}

TEST_F(DeviceMonitorTest, RemovingAnotherDeviceWithoutAMouseSearchesAgainAndReportsLost)
{
    bus->setMousePresent(mouse, false);
    bus->find("other-mouse")->present = true;
    monitor.DevTimerTimer();
    EXPECT_EQ(lost, 1);
    bus->find("other-mouse")->present = false;
    monitor.DevTimerTimer();
    EXPECT_EQ(lost, 2);
}

TEST_F(DeviceMonitorTest, NestedTicksReturnAtOnceAndUnstableCountsWait)
{
    int nested = 0;
    DeviceMonitor* self = nullptr;
    DeviceMonitor inner(link, {nullptr, nullptr, [&] { ++nested; self->DevTimerTimer(); }});
    self = &inner;
    inner.DevTimerTimer();
    EXPECT_EQ(nested, 1);
    EXPECT_FALSE(inner.DeviceCheckBusy);

    // A device whose interfaces keep flickering: every second count differs.
    int calls = 0;
    struct FlickerBus : HidBus {
        EmulatedHidBus& inner; int& calls;
        FlickerBus(EmulatedHidBus& b, int& c) : inner(b), calls(c) {}
        std::vector<std::string> interfacePaths() override
        {
            auto p = inner.interfacePaths();
            if (++calls % 2)
                p.pop_back();
            return p;
        }
        std::unique_ptr<HidDevice> open(const std::string& path) override { return inner.open(path); }
    } flickering(*bus, calls);
    DeviceLink unstableLink(flickering);
    DeviceMonitor unstable(unstableLink, hooks());
    unstable.DevTimerTimer();
    EXPECT_EQ(unstable.LastInterfaceCount, 0);
    EXPECT_EQ(calls, 10);
}

} // namespace
} // namespace tarq

namespace tarq {
namespace {

// An unplug that a transfer noticed and the count then shows is one loss, not two.
TEST_F(DeviceMonitorTest, OneUnplugIsLostOnce)
{
    bool gone = false;
    DeviceMonitor watching(link, {[this](int n) { waits += n; }, [this] { ++lost; }, [this] { ++reads; },
                                  [&gone] { return std::exchange(gone, false); }});
    watching.DevTimerTimer();
    ASSERT_TRUE(link.mouseOpen());
    gone = true; // a write found the mouse gone and nobody took the news
    bus->setMousePresent(mouse, false);
    watching.DevTimerTimer();
    watching.DevTimerTimer();
    EXPECT_EQ(lost, 1);
}

// Whoever talks to the mouse holds its lock: a link cannot open a mouse another one holds,
// says so, and the device check tries again at every tick without calling it lost.
TEST_F(DeviceMonitorTest, MouseHeldByAnotherIsRetriedNotLost)
{
    std::shared_ptr<void> other = mouse->takeLock();
    monitor.DevTimerTimer();
    EXPECT_FALSE(link.mouseOpen());
    EXPECT_TRUE(link.MouseInUse);
    EXPECT_EQ(lost, 0);
    monitor.DevTimerTimer();
    EXPECT_EQ(reads, 0);
    other.reset();
    monitor.DevTimerTimer();
    EXPECT_TRUE(link.mouseOpen());
    EXPECT_EQ(reads, 1);
    EXPECT_FALSE(mouse->takeLock()); // held by this link now
    link.CloseMouse();
    EXPECT_TRUE(mouse->takeLock());
}

} // namespace
} // namespace tarq
