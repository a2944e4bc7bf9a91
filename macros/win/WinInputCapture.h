// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Desktop-wide capture on Windows: raw keyboard input (usage page 1, usage 6, also in the
// background) on a message-only window of its own, and the low-level mouse hook. Both live on
// one thread that sleeps in GetMessage; the hook never swallows input.

#include "macros/InputCapture.h"

#include <functional>
#include <future>
#include <string>
#include <thread>

namespace tarq {

class WinInputCapture : public InputCapture {
public:
    WinInputCapture();
    ~WinInputCapture() override;

    bool Start(InputSink sink) override;
    void Stop() override;
    bool SeesWholeDesktop() const override { return true; }
    std::string ErrorText() const override { return error_; }

    // Failed raw-input reads go here ("GetRawInputData error : (RID_HEADER) : 87/..."); the key
    // is lost. Nothing is shown by default.
    std::function<void(const std::string&)> Diagnostic;

    struct State;   // the window, the hook and the sink of the running capture

private:
    void Run(std::promise<bool>* started);

    InputSink sink_;
    std::string error_;
    std::thread thread_;
    unsigned long threadId_ = 0;
};

} // namespace tarq
