// The small window helpers every device operation uses, and the window's own commands.

#include "app/Main.h"

#include <QApplication>
#include <QThread>

#include "app/FormLoading.h"
#include "ui/SkinLabel.h"

namespace tarq {

namespace {

constexpr int kPumpSleepMs = 10;
constexpr int kOverlays = 4;

} // namespace

void TForm1::ShowBusyOverlays()
{
    for (int n = 1; n <= kOverlays; ++n)
        if (QWidget* overlay = controls_.get(QStringLiteral("Disable_All_") + QString::number(n))) {
            overlay->raise();
            overlay->show();
        }
}

void TForm1::HideBusyOverlays()
{
    for (int n = 1; n <= kOverlays; ++n)
        if (QWidget* overlay = controls_.get(QStringLiteral("Disable_All_") + QString::number(n)))
            overlay->hide();
}

void TForm1::CreateLoadingScreen()
{
    loading_ = std::make_unique<TFormLoadingUI>(this);
    state_.DevTimerFirst.start();
}

void TForm1::ShowLoadingScreen()
{
    if (loading_) {
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

void TForm1::WaitPumping(int n)
{
    for (int i = 0; i < n; ++i) {
        QThread::msleep(kPumpSleepMs);
        QApplication::processEvents();
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
