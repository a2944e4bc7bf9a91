// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Capture of the program's own windows through Qt's key and mouse events: the source where no
// desktop-wide one exists (a Wayland session, where X11 clients see only each other, or no
// display server). Keys become virtual keys through the keysym Qt reports as native key.

#include "macros/InputCapture.h"

#include <QObject>

#include <chrono>

namespace tarq {

class WindowInputCapture : public QObject, public InputCapture {
public:
    WindowInputCapture();
    ~WindowInputCapture() override;

    bool Start(InputSink sink) override;
    void Stop() override;
    bool SeesWholeDesktop() const override { return false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    uint32_t Tick() const;

    InputSink sink_;
    bool running_ = false;
    std::chrono::steady_clock::time_point epoch_ = std::chrono::steady_clock::now();
};

} // namespace tarq
