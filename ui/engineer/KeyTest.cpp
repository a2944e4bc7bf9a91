// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/engineer/KeyTest.h"

#include <QPushButton>

#include "device/ui/DeviceTimers.h"
#include "ui/state/AppContext.h"
#include "device/FeatureProtocol.h"
#include "language/EngineerCaptions.h"
#include "ui/Controls.h"
#include "ui/WindowServices.h"
#include "ui/engineer/TPrimeThread.h"

namespace tarq {

namespace {

constexpr int kTestKeysCaptionId = 8;
constexpr int kPumpStepMs = 10;   // one WaitPumping step

// Buttons of the engineer page that start an exchange with the mouse, or lead to pages whose
// buttons do.
const char* const kPageCommands[] = {
    "Btn_Main_6", "Btn_Switch_6", "Btn_Adv_6", "Btn_Breath_6", "Btn_Macro_6", "Btn_Engineer_6",
    "Btn_Load_6", "Btn_Save_6", "btn_Write", "Btn_ImportBaseMacro", "Btn_ImportGunMacro", "Btn_Default"};

QString KeyButton(int key) { return QStringLiteral("btn_Key%1").arg(100 + key); }

} // namespace

KeyTest::KeyTest(DeviceTimers& timers, const AppContext& app, Controls& controls, WindowServices& window, Hooks hooks)
    : timers_(timers), app_(app), controls_(controls), window_(window), hooks_(std::move(hooks))
{
    Q_ASSERT_X(hooks_.protocol && hooks_.hideAllMenu, "KeyTest", "both hooks are required");
    testTimer_.setObjectName(QStringLiteral("TestTimer"));
    testTimer_.setInterval(kTickMs);
}

KeyTest::~KeyTest() { Abandon(); }

void KeyTest::Wire()
{
    if (auto* button = controls_.get<QPushButton>("btn_TestKeys"))
        connect(button, &QPushButton::clicked, this, &KeyTest::btn_TestKeysClick);
    connect(&testTimer_, &QTimer::timeout, this, &KeyTest::TestTimerTimer);
}

QString KeyTest::Caption() const
{
    const std::string_view text = EngineerCaptions(app_.EngineerCaptionLocale).CaptionText(kTestKeysCaptionId);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void KeyTest::btn_TestKeysClick()
{
    if (running_)
        return;
    hooks_.hideAllMenu();
    timers_.DevTimer.stop();
    timers_.DevTimerFirst.stop();
    if (auto* button = controls_.get<QPushButton>("btn_TestKeys"))
        button->setEnabled(false);
    LockPageCommands(true);

    FeatureProtocol* protocol = hooks_.protocol();
    if (protocol)
        protocol->SendCommand(CmdOpen);   // a mouse that does not answer still gets its word read

    running_ = true;
    counter_ = 0;
    flashing_ = false;
    const unsigned generation = ++generation_;
    worker_ = std::make_unique<TPrimeThread>(
        [protocol] { return protocol ? protocol->GetStatusWord() : uint16_t(0); },
        [this, generation](const std::vector<int>& keys) {
            // On the worker: the flag keeps the countdown from ending the test before the
            // window has carried the flash out.
            flashing_ = true;
            QMetaObject::invokeMethod(this, [this, generation, keys] { FlashKeys(generation, keys); },
                                      Qt::QueuedConnection);
        },
        kPollPauseMs);
    worker_->start(QThread::LowPriority);
    testTimer_.start();
}

void KeyTest::TestTimerTimer()
{
    if (!running_) {
        testTimer_.stop();
        return;
    }
    auto* button = controls_.get<QPushButton>("btn_TestKeys");
    if (flashing_) {
        if (button)
            button->setText(Caption());
        counter_ = 0;
        return;
    }
    if (counter_ >= kCountdown) {
        End(true);
        return;
    }
    if (button)
        button->setText(QString::number(kCountdown - counter_) + QStringLiteral("..."));
    ++counter_;
}

void KeyTest::FlashKeys(unsigned generation, const std::vector<int>& keys)
{
    if (generation != generation_ || !running_)
        return;   // the test ended after the worker found these keys
    for (int key : keys) {
        BeginFlash(key);
        WaitStep();
        SetKeyShown(key, true);
        WaitStep();
        SetKeyShown(key, false);
        WaitStep();
        EndFlash(key);
        if (generation != generation_ || !running_)
            return;
    }
    if (worker_)
        worker_->FlashDone();
}

void KeyTest::BeginFlash(int key)
{
    flashing_ = true;
    SetKeyShown(key, false);
}

void KeyTest::EndFlash(int key)
{
    SetKeyShown(key, true);
    flashing_ = false;
}

void KeyTest::SetKeyShown(int key, bool shown)
{
    if (QWidget* button = controls_.get(KeyButton(key)))
        button->setVisible(shown);
}

void KeyTest::WaitStep() { window_.WaitPumping(kFlashStepMs / kPumpStepMs); }

void KeyTest::Abandon()
{
    if (running_)
        End(false);
}

void KeyTest::End(bool talkToMouse)
{
    running_ = false;
    ++generation_;
    if (worker_) {
        worker_->Stop();
        worker_.reset();
    }
    flashing_ = false;
    testTimer_.stop();
    if (auto* button = controls_.get<QPushButton>("btn_TestKeys")) {
        button->setText(Caption());
        button->setEnabled(true);
    }
    if (talkToMouse) {
        if (FeatureProtocol* protocol = hooks_.protocol()) {
            protocol->SystemReloadCmd_OnClick();
            protocol->SendCommand(CmdClose);
        }
    }
    LockPageCommands(false);
    if (talkToMouse) {
        timers_.DevTimerFirst.stop();
        timers_.DevTimer.start();
    }
}

void KeyTest::LockPageCommands(bool locked)
{
    for (const char* name : kPageCommands) {
        QWidget* w = controls_.get(name);
        if (!w)
            continue;
        if (locked) {
            lockedEnabled_.insert(QLatin1String(name), w->isEnabled());
            w->setEnabled(false);
        } else {
            w->setEnabled(lockedEnabled_.value(QLatin1String(name), true));
        }
    }
    if (!locked)
        lockedEnabled_.clear();
}

} // namespace tarq
