// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/RecordingSession.h"

namespace tarq {

RecordingSession::RecordingSession(InputCapture& capture, Handler handler)
    : capture_(capture), handler_(std::move(handler))
{
}

RecordingSession::~RecordingSession()
{
    Stop();
}

bool RecordingSession::Start()
{
    if (Running())
        return true;
    worker_ = std::jthread([this](std::stop_token stop) { Run(stop); });
    if (!capture_.Start([this](const InputEvent& e) { Push(e); })) {
        error_ = capture_.ErrorText();
        worker_.request_stop();
        worker_.join();
        worker_ = {};
        return false;
    }
    return true;
}

void RecordingSession::Stop()
{
    if (!Running())
        return;
    capture_.Stop();
    worker_.request_stop();   // wakes the wait below through its stop token
    worker_.join();
    worker_ = {};
}

void RecordingSession::Push(const InputEvent& event)
{
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(event);
    }
    wake_.notify_one();
}

void RecordingSession::Run(std::stop_token stop)
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, stop, [this] { return !queue_.empty(); });
        if (queue_.empty())
            return;   // stop requested and nothing left to do
        const InputEvent event = queue_.front();
        queue_.pop_front();
        lock.unlock();
        handler_(event);
        lock.lock();
    }
}

} // namespace tarq
