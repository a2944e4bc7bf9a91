// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The input capture this machine offers for recording: Windows raw input and the mouse hook;
// on X11 the desktop-wide raw events; otherwise (a Wayland session, no X server, no XInput 2)
// the program's own window.

#include "macros/InputCapture.h"

#include <memory>
#include <string>

namespace tarq {

struct PlatformCapture {
    std::unique_ptr<InputCapture> capture;
    std::string note;   // why only the window is seen, when that is the case
};

PlatformCapture CreatePlatformInputCapture();

} // namespace tarq
