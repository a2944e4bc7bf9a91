// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One recording run: an input capture feeding a worker thread through a queue. The worker
// sleeps on the queue until an event arrives, hands each event to the handler in the order the
// events arrived, and ends at Stop after the events already queued. So keys and buttons reach
// the handler one at a time, from one thread, in their real order, and a recording without
// input costs no CPU.
//
// The macro recorder and the fire macro recorder are both handlers of such a session.

#include "macros/InputCapture.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

namespace tarq {

class RecordingSession {
public:
    using Handler = std::function<void(const InputEvent&)>;

    // The capture must outlive the session; the handler runs on the worker thread.
    RecordingSession(InputCapture& capture, Handler handler);
    ~RecordingSession();
    RecordingSession(const RecordingSession&) = delete;
    RecordingSession& operator=(const RecordingSession&) = delete;

    // Starts the worker, then the capture. False (and nothing running) when the capture could
    // not start; ErrorText() says why.
    bool Start();
    // Stops the capture, lets the worker finish the queued events and joins it. Safe to call
    // twice; never from inside the handler (the worker would wait for itself).
    void Stop();
    bool Running() const { return worker_.joinable(); }
    std::string ErrorText() const { return error_; }

    // What the capture calls; also usable directly (tests, or a source without a backend).
    void Push(const InputEvent& event);

private:
    void Run(std::stop_token stop);

    InputCapture& capture_;
    Handler handler_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<InputEvent> queue_;
    std::string error_;
    std::jthread worker_;
};

} // namespace tarq
