// SPDX-License-Identifier: GPL-2.0-or-later
// The busy scope: the device check is stopped and the pages covered while it lasts, and on
// every way out (a normal end, an early return, an exception) the overlays go and the device
// check runs again at its slow rate.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <stdexcept>

#include "device/ui/BusyScope.h"
#include "support/ScriptedPrompts.h"

using namespace tarq;

namespace {

struct FakeWindow : WindowServices {
    int overlaysShown = 0;
    tarq::testing::ScriptedPrompts prompts;
    UserPrompts& Prompts() override { return prompts; }
    QWidget* Window() override { return nullptr; }
    bool SetPicture(const QString&, const QString&) override { return true; }
    void ShowBusyOverlays() override { ++overlaysShown; }
    void HideBusyOverlays() override { --overlaysShown; }
    void ShowLoadingScreen() override {}
    void HideLoadingScreen() override {}
    void ShowLoadingProgress(const QString&, qint64, qint64) override {}
    void WaitPumping(int) override {}
    void SizeWindowToSkin() override {}
    void SizeWindowForEngineer() override {}
    void CloseWindow() override {}
};

struct Fixture {
    Fixture()
    {
        static int argc = 1;
        static char name[] = "busy_scope_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
        state.DevTimer.setInterval(3000);
        state.DevTimerFirst.setInterval(20);
        state.DevTimer.start();
        state.DevTimerFirst.start();
    }
    DeviceTimers state;
    FakeWindow window;
};

// Returns early from inside the scope when `early` holds.
bool Transfer(Fixture& f, bool early, bool& sawBusy)
{
    const BusyScope busy(f.state, f.window);
    sawBusy = !f.state.DevTimer.isActive() && f.window.overlaysShown == 1;
    if (early)
        return false;
    return true;
}

TEST(BusyScope, UndoesBothOnEveryExitPath)
{
    for (bool early : {false, true}) {
        Fixture f;
        bool sawBusy = false;
        Transfer(f, early, sawBusy);
        EXPECT_TRUE(sawBusy) << "early " << early;
        EXPECT_EQ(f.window.overlaysShown, 0);
        EXPECT_TRUE(f.state.DevTimer.isActive());
        EXPECT_FALSE(f.state.DevTimerFirst.isActive());
    }

    Fixture f;
    EXPECT_THROW(
        {
            const BusyScope busy(f.state, f.window);
            throw std::runtime_error("transfer failed");
        },
        std::runtime_error);
    EXPECT_EQ(f.window.overlaysShown, 0);
    EXPECT_TRUE(f.state.DevTimer.isActive());
}

TEST(BusyScope, NestedScopesAndTimerOnlyLeaveTheOverlaysBalanced)
{
    Fixture f;
    {
        const BusyScope outer(f.state, f.window, BusyScope::TimerOnly);
        EXPECT_EQ(f.window.overlaysShown, 0);
        EXPECT_FALSE(f.state.DevTimer.isActive());
        {
            const BusyScope inner(f.state, f.window);
            EXPECT_EQ(f.window.overlaysShown, 1);
        }
        EXPECT_EQ(f.window.overlaysShown, 0);
    }
    EXPECT_EQ(f.window.overlaysShown, 0);
    EXPECT_TRUE(f.state.DevTimer.isActive());
    EXPECT_FALSE(f.state.DevTimerFirst.isActive());
}

} // namespace
