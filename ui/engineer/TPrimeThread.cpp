// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/engineer/TPrimeThread.h"

#include <chrono>

#include "device/StatusWord.h"

namespace tarq {

TPrimeThread::TPrimeThread(ReadStatus readStatus, Flash flash, int pauseMs)
    : readStatus_(std::move(readStatus)), flash_(std::move(flash)), pauseMs_(pauseMs)
{
}

TPrimeThread::~TPrimeThread() { Stop(); }

void TPrimeThread::Stop()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    wait();
}

void TPrimeThread::FlashDone()
{
    {
        std::lock_guard lock(mutex_);
        flashPending_ = false;
    }
    wake_.notify_all();
}

void TPrimeThread::run()
{
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stop_)
                return;
        }
        const std::vector<int> keys = PressedKeys(readStatus_());
        std::unique_lock lock(mutex_);
        if (!keys.empty() && !stop_) {
            flashPending_ = true;
            lock.unlock();
            flash_(keys);
            lock.lock();
            wake_.wait(lock, [this] { return stop_ || !flashPending_; });
        }
        wake_.wait_for(lock, std::chrono::milliseconds(pauseMs_), [this] { return stop_; });
    }
}

} // namespace tarq
