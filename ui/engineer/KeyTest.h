// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The key test of the engineer page: btn_TestKeys opens an exchange with the mouse and starts
// the worker (TPrimeThread) that reads the button-state word; each pressed button of office
// mode flashes its key button (btn_Key101 ... btn_Key109) on this thread, hidden and shown
// twice, 500 ms apart, in the order the worker found them. Its TestTimer (every second) counts
// down "5..." to "1..." between flashes; every flash starts the count again, and the sixth quiet tick ends
// the test: the worker is stopped, the exchange closed and the device check restarted.
//
// While the test runs the periodic device check is off and the page's buttons that could
// start another exchange with the mouse are disabled, so only the worker talks to it.

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tarq {

class FeatureProtocol;
class TPrimeThread;
class WindowServices;
struct AppContext;
struct DeviceTimers;
struct EngineerPageControls;

class KeyTest : public QObject {
    Q_OBJECT
public:
    // The device session's protocol; null before the session exists. Required: the session is
    // made (and made again) after the engineer page.
    using Protocol = std::function<FeatureProtocol*()>;

    // The worker's pause between two reads of the button-state word, on top of the read's own
    // waits.
    static constexpr int kPollPauseMs = 20;
    // One hide or show step of a flash.
    static constexpr int kFlashStepMs = 500;
    // Quiet ticks after which the test ends.
    static constexpr int kCountdown = 5;
    // One tick of the countdown.
    static constexpr int kTickMs = 1000;

    KeyTest(DeviceTimers& timers, const AppContext& app, EngineerPageControls& page, WindowServices& window,
            Protocol protocol);
    ~KeyTest() override;

    void Wire();

    void btn_TestKeysClick();
    void TestTimerTimer();
    // Ends a running test at once without talking to the mouse (the window is closing).
    void Abandon();

    bool Running() const { return running_; }
    bool Flashing() const { return flashing_; }
    // The countdown's timer (tests slow it down and tick it themselves).
    QTimer& TestTimer() { return testTimer_; }

    // One flash's first and last step: the flashing flag set and the key button hidden, and
    // the button shown again with the flag cleared. FlashKeys runs them with the waits between.
    void BeginFlash(int key);
    void EndFlash(int key);

signals:
    // The menus close when a test starts.
    void menusHideRequested();

private:
    void FlashKeys(unsigned generation, const std::vector<int>& keys);
    void SetKeyShown(int key, bool shown);
    void WaitStep();
    void End(bool talkToMouse);
    void LockPageCommands(bool locked);
    QString Caption() const;

    DeviceTimers& timers_;
    const AppContext& app_;
    EngineerPageControls& page_;
    WindowServices& window_;
    Protocol protocol_;
    QTimer testTimer_;
    std::unique_ptr<TPrimeThread> worker_;
    std::atomic<bool> flashing_{false};
    bool running_ = false;
    int counter_ = 0;
    unsigned generation_ = 0;   // flashes posted by the worker of an earlier test are dropped
    std::vector<bool> lockedEnabled_;   // the page's command buttons as they were before
};

} // namespace tarq
