// SPDX-License-Identifier: GPL-2.0-or-later
// The small window helpers every device operation uses, and the window's own commands.

#include "app/Main.h"
#include "skin/LayoutKeys.h"

#include <QApplication>

#include "app/FormLoading.h"
#include "device/DeviceSession.h"
#include "device/QtWaiter.h"
#include "ui/SkinLabel.h"

namespace tarq {

namespace {

constexpr int kPumpSleepMs = 10;

} // namespace

void TForm1::ShowBusyOverlays()
{
    for (const FrameControls& frame : frames_) {
        frame.overlay->raise();
        frame.overlay->show();
        // The frame's own buttons stay above it: the window can always be closed, minimised
        // and switched to another language (it is dragged by the overlay itself).
        for (const FrameButton* button : frame.OwnButtons()) {
            button->picture->raise();
            button->button->raise();
        }
    }
}

void TForm1::HideBusyOverlays()
{
    for (const FrameControls& frame : frames_)
        frame.overlay->hide();
}

void TForm1::ShowLoadingProgress(const QString& stage, qint64 done, qint64 total)
{
    if (loading_)
        loading_->ShowProgress(stage, done, total);
}

void TForm1::CreateLoadingScreen()
{
    loading_ = std::make_unique<TFormLoadingUI>(this);
    loading_->SetCaption(state_.Text(TFormLoadingUI::kLoadingStrId));
    state_.DevTimerFirst.start();
}

void TForm1::ShowLoadingScreen()
{
    if (loading_) {
        loading_->SetCaption(state_.Text(TFormLoadingUI::kLoadingStrId));
        loading_->CentreOver(this);
        loading_->show();
        loading_->raise();
    }
    QApplication::processEvents();
}

void TForm1::HideLoadingScreen()
{
    if (loading_)
        loading_->hide();
    QApplication::processEvents();
}

// The waits go through the transfers' waiter, so a test's virtual clock covers them too.
void TForm1::WaitPumping(int n)
{
    static QtWaiter beforeTheDeviceSession;
    Waiter& waiter = device_ ? device_->ProtocolWaiter
                   : deviceOptions_.waiter ? *deviceOptions_.waiter
                                           : static_cast<Waiter&>(beforeTheDeviceSession);
    for (int i = 0; i < n; ++i) {
        waiter.sleep(kPumpSleepMs);
        waiter.pump();
    }
}

void TForm1::BringToFront()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TForm1::Btn_Minimize_0Click()
{
    showMinimized();
}

bool TForm1::SetPicture(const QString& name, const QString& picture)
{
    auto* target = controls_.get<TSkinLabel>(name);
    if (!target)
        return false;
    target->setPicture(picture);
    return true;
}

} // namespace tarq
