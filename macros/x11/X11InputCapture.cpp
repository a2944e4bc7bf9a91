// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/x11/X11InputCapture.h"

#include "macros/KeysymToVirtualKey.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace tarq {

struct X11InputCapture::Connection {
    Display* display = nullptr;
    int xiOpcode = 0;
    int wakeFd = -1;   // eventfd that Stop writes to end the reader's poll()

    ~Connection()
    {
        if (wakeFd >= 0)
            ::close(wakeFd);
        if (display)
            XCloseDisplay(display);
    }
};

namespace {

// X button numbers: 1 left, 2 middle, 3 right, 4-7 the wheel, 8 back, 9 forward.
std::optional<MouseButton> ButtonOfDetail(int detail)
{
    switch (detail) {
    case 1: return MouseButton::Left;
    case 2: return MouseButton::Middle;
    case 3: return MouseButton::Right;
    case 8: return MouseButton::Backward;
    case 9: return MouseButton::Forward;
    default: return std::nullopt;
    }
}

void SelectRawEvents(Display* display, bool on)
{
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    if (on) {
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XISetMask(bits, XI_RawButtonPress);
        XISetMask(bits, XI_RawButtonRelease);
    }
    XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    // Wait until the server has the new selection and drop what arrived under the old one, so
    // that a new recording never starts with input from before it.
    XSync(display, True);
}

} // namespace

std::unique_ptr<X11InputCapture> X11InputCapture::Open(const char* displayName, std::string* why)
{
    auto fail = [why](std::string text) {
        if (why)
            *why = std::move(text);
        return nullptr;
    };
    auto x = std::make_unique<Connection>();
    x->display = XOpenDisplay(displayName);
    if (!x->display)
        return fail(std::string("cannot open X display ") +
                    (displayName ? displayName : (std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(unset)")));
    int event = 0;
    int error = 0;
    if (!XQueryExtension(x->display, "XInputExtension", &x->xiOpcode, &event, &error))
        return fail("the X server has no XInput extension");
    int major = 2;
    int minor = 2;
    if (XIQueryVersion(x->display, &major, &minor) != Success || major < 2)
        return fail("the X server has no XInput 2");
    x->wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (x->wakeFd < 0)
        return fail(std::string("eventfd: ") + std::strerror(errno));
    return std::unique_ptr<X11InputCapture>(new X11InputCapture(std::move(x)));
}

X11InputCapture::X11InputCapture(std::unique_ptr<Connection> connection) : x_(std::move(connection)) {}

X11InputCapture::~X11InputCapture()
{
    Stop();
}

bool X11InputCapture::Start(InputSink sink)
{
    if (reader_.joinable())
        return true;
    sink_ = std::move(sink);
    uint64_t drain = 0;
    while (::read(x_->wakeFd, &drain, sizeof drain) > 0) {
    }
    // The selection is in place before Start returns, so no event after it is missed.
    SelectRawEvents(x_->display, true);
    reader_ = std::jthread([this](std::stop_token stop) { Run(stop); });
    return true;
}

void X11InputCapture::Stop()
{
    if (!reader_.joinable())
        return;
    reader_.request_stop();
    const uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(x_->wakeFd, &one, sizeof one);
    reader_.join();
    reader_ = {};
    SelectRawEvents(x_->display, false);
    sink_ = nullptr;
}

void X11InputCapture::Run(std::stop_token stop)
{
    Display* display = x_->display;
    pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {x_->wakeFd, POLLIN, 0}};
    while (!stop.stop_requested()) {
        while (XPending(display) > 0) {
            XEvent ev;
            XNextEvent(display, &ev);
            XGenericEventCookie* cookie = &ev.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != x_->xiOpcode ||
                !XGetEventData(display, cookie))
                continue;
            const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
            const uint32_t tick = uint32_t(raw->time);
            switch (cookie->evtype) {
            case XI_RawKeyPress:
            case XI_RawKeyRelease: {
                const KeySym sym = XkbKeycodeToKeysym(display, KeyCode(raw->detail), 0, 0);
                if (const uint16_t vk = VirtualKeyFromKeysym(uint32_t(sym)))
                    sink_(InputEvent::Key(vk, cookie->evtype == XI_RawKeyPress, tick));
                break;
            }
            case XI_RawButtonPress:
            case XI_RawButtonRelease:
                if (const auto button = ButtonOfDetail(raw->detail))
                    sink_(InputEvent::Button(*button, cookie->evtype == XI_RawButtonPress, tick));
                break;
            default:
                break;
            }
            XFreeEventData(display, cookie);
        }
        if (stop.stop_requested())
            break;
        // Sleep until the server sends something or Stop writes the wake-up.
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            break;
    }
}

} // namespace tarq
