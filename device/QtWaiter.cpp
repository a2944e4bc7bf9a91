// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/QtWaiter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace tarq {
namespace {

bool onUiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

} // namespace

void QtWaiter::sleep(int ms)
{
    if (ms <= 0)
        return;
    if (!onUiThread()) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
}

void QtWaiter::pump()
{
    if (onUiThread())
        QCoreApplication::processEvents();
}

} // namespace tarq
