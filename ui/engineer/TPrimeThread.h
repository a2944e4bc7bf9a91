// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The key test's worker: it reads the mouse's button-state word over and over and hands the
// keys it finds pressed to a flash callback, then waits until the window has flashed them
// before it reads again. It touches no control: the callback runs on this thread and must
// pass the work to the window thread, which reports back with FlashDone().
//
// Between two reads it pauses briefly, so that a mouse that answers at once is not flooded
// and no core is kept busy; a stop request ends a pause or a wait for a flash at once.

#include <QThread>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace tarq {

class TPrimeThread : public QThread {
public:
    using ReadStatus = std::function<uint16_t()>;
    using Flash = std::function<void(const std::vector<int>& keys)>;

    TPrimeThread(ReadStatus readStatus, Flash flash, int pauseMs);
    // Stops and waits for the thread.
    ~TPrimeThread() override;

    // Asks the thread to end and waits until it has.
    void Stop();
    // The window has flashed the keys of the last call to the flash callback.
    void FlashDone();

protected:
    void run() override;

private:
    ReadStatus readStatus_;
    Flash flash_;
    int pauseMs_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool flashPending_ = false;
};

} // namespace tarq
