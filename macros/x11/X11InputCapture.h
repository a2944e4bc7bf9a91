// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Desktop-wide capture on X11: the XInput 2 raw key and button events of the root window, on a
// display connection of its own, read by a thread that sleeps in poll() until the server sends
// something or Stop wakes it. Keycodes become virtual keys through their unshifted keysym.

#include "macros/InputCapture.h"

#include <memory>
#include <string>
#include <thread>

namespace tarq {

class X11InputCapture : public InputCapture {
public:
    // Opens the display (nullptr: $DISPLAY) and checks for XInput 2.2. Nothing when either is
    // missing; `why` then names the reason.
    static std::unique_ptr<X11InputCapture> Open(const char* displayName, std::string* why = nullptr);
    ~X11InputCapture() override;

    bool Start(InputSink sink) override;
    void Stop() override;
    bool SeesWholeDesktop() const override { return true; }
    std::string ErrorText() const override { return error_; }

private:
    struct Connection;
    explicit X11InputCapture(std::unique_ptr<Connection> connection);
    void Run(std::stop_token stop);

    std::unique_ptr<Connection> x_;
    InputSink sink_;
    std::string error_;
    std::jthread reader_;
};

} // namespace tarq
