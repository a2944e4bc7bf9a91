// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/PlatformInputCapture.h"

#include "macros/ui/WindowInputCapture.h"

#if defined(TARQ_WINDOWS_INPUT_CAPTURE)
#include "macros/win/WinInputCapture.h"
#elif defined(TARQ_X11_INPUT_CAPTURE)
#include "macros/x11/X11InputCapture.h"
#endif

#include <cstdlib>
#include <string_view>

namespace tarq {

PlatformCapture CreatePlatformInputCapture()
{
#if defined(TARQ_WINDOWS_INPUT_CAPTURE)
    return {std::make_unique<WinInputCapture>(), {}};
#else
    std::string why = "this build has no desktop-wide capture";
#if defined(TARQ_X11_INPUT_CAPTURE)
    // Under Wayland an X connection goes to XWayland, whose raw events only come from X11
    // programs: it would look like capture and miss most input.
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const char* display = std::getenv("DISPLAY");
    if (session && std::string_view(session) == "wayland")
        why = "Wayland session";
    else if (!display || !*display)
        why = "no X display";
    else if (auto x11 = X11InputCapture::Open(nullptr, &why))
        return {std::move(x11), {}};
#endif
    return {std::make_unique<WindowInputCapture>(), why};
#endif
}

} // namespace tarq
