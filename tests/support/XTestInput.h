// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Synthetic input for an X server through the XTEST extension, on a connection of its own.

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

// Xlib's macros of these names clash with GoogleTest and Qt.
#undef Bool
#undef None
#undef Status

#include <string>

namespace tarq::testing {

class XTestInput {
public:
    explicit XTestInput(const std::string& display) : display_(XOpenDisplay(display.c_str()))
    {
        int event = 0, error = 0, major = 0, minor = 0;
        if (display_ && !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
            XCloseDisplay(display_);
            display_ = nullptr;
        }
    }
    ~XTestInput()
    {
        if (display_)
            XCloseDisplay(display_);
    }
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    bool Ok() const { return display_ != nullptr; }

    void Key(KeySym sym, bool down)
    {
        XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, sym), down ? True : False, CurrentTime);
        XSync(display_, False);
    }
    void Tap(KeySym sym)
    {
        Key(sym, true);
        Key(sym, false);
    }
    void Type(const std::string& text)
    {
        for (char c : text)
            Tap(KeySym(c));
    }
    // X buttons: 1 left, 2 middle, 3 right, 8 back, 9 forward.
    void Button(unsigned button, bool down)
    {
        XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
        XSync(display_, False);
    }
    void Click(unsigned button)
    {
        Button(button, true);
        Button(button, false);
    }
    void MoveTo(int x, int y)
    {
        XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
        XSync(display_, False);
    }

private:
    Display* display_;
};

} // namespace tarq::testing
