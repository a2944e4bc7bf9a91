// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/engineer/KeyTest.h"

#include <QPushButton>

#include "device/ui/DeviceTimers.h"
#include "ui/state/AppContext.h"
#include "device/FeatureProtocol.h"
#include "language/EngineerCaptions.h"
#include "ui/WindowServices.h"
#include "ui/engineer/EngineerPage.h"
#include "ui/engineer/TPrimeThread.h"
#include "ui/pages/EngineerPageControls.h"

namespace tarq {

namespace {

constexpr int kTestKeysCaptionId = 8;
constexpr int kPumpStepMs = 10;   // one WaitPumping step
constexpr int kOfficeKeys = 100;   // key n of office mode is btn_Key10n

// Buttons of the engineer page that start an exchange with the mouse, or lead to pages whose
// buttons do.
constexpr QPushButton* EngineerPageControls::*kPageCommands[] = {
    &EngineerPageControls::office, &EngineerPageControls::game,     &EngineerPageControls::advanced,
    &EngineerPageControls::light,  &EngineerPageControls::macro,    &EngineerPageControls::engineer,
    &EngineerPageControls::load,   &EngineerPageControls::save,     &EngineerPageControls::write,
    &EngineerPageControls::importBaseMacro, &EngineerPageControls::importGunMacro, &EngineerPageControls::defaults};

} // namespace

KeyTest::KeyTest(DeviceTimers& timers, const AppContext& app, EngineerPageControls& page, WindowServices& window,
                 Protocol protocol)
    : timers_(timers), app_(app), page_(page), window_(window), protocol_(std::move(protocol))
{
    Q_ASSERT_X(protocol_, "KeyTest", "the protocol is required");
    testTimer_.setObjectName(QStringLiteral("TestTimer"));
    testTimer_.setInterval(kTickMs);
}

KeyTest::~KeyTest() { Abandon(); }

void KeyTest::Wire()
{
    connect(page_.testKeys, &QPushButton::clicked, this, &KeyTest::btn_TestKeysClick);
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
    emit menusHideRequested();
    timers_.DevTimer.stop();
    timers_.DevTimerFirst.stop();
    page_.testKeys->setEnabled(false);
    LockPageCommands(true);

    FeatureProtocol* protocol = protocol_();
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
    QPushButton* button = page_.testKeys;
    if (flashing_) {
        button->setText(Caption());
        counter_ = 0;
        return;
    }
    if (counter_ >= kCountdown) {
        End(true);
        return;
    }
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
    // The worker reads the keys of office mode.
    if (QPushButton* button = EngineerKeyButton(page_.settings, kOfficeKeys + key))
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
    page_.testKeys->setText(Caption());
    page_.testKeys->setEnabled(true);
    if (talkToMouse) {
        if (FeatureProtocol* protocol = protocol_()) {
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
    if (locked) {
        lockedEnabled_.clear();
        for (QPushButton* EngineerPageControls::*command : kPageCommands) {
            QPushButton* button = page_.*command;
            lockedEnabled_.push_back(button->isEnabled());
            button->setEnabled(false);
        }
        return;
    }
    for (size_t i = 0; i < std::size(kPageCommands); ++i)
        (page_.*kPageCommands[i])->setEnabled(i < lockedEnabled_.size() ? lockedEnabled_[i] : true);
    lockedEnabled_.clear();
}

} // namespace tarq
