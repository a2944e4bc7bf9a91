// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Keyboard and mouse-button input for recording, from whatever source the platform offers:
// the whole desktop (X11 raw events, Windows raw input with the low-level mouse hook) or only
// the program's own window. Keys carry Windows virtual-key codes on every platform, so the
// recorder and the key names behave the same everywhere.

#include "macros/MacroScript.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tarq {

struct InputEvent {
    enum class Source : uint8_t { Key, Button };
    Source source = Source::Key;
    bool down = true;
    uint16_t virtualKey = 0;                   // Source::Key
    MouseButton button = MouseButton::Left;    // Source::Button
    uint32_t tick = 0;                         // milliseconds of a clock that only moves forward

    static InputEvent Key(uint16_t vk, bool down, uint32_t tick)
    {
        return {Source::Key, down, vk, MouseButton::Left, tick};
    }
    static InputEvent Button(MouseButton b, bool down, uint32_t tick)
    {
        return {Source::Button, down, 0, b, tick};
    }
    bool operator==(const InputEvent&) const = default;
};

// Receives every event while a capture runs. Backends call it from their own thread or from
// the UI thread, one call at a time and in the order the events happened.
using InputSink = std::function<void(const InputEvent&)>;

class InputCapture {
public:
    virtual ~InputCapture() = default;
    // Starts delivering events to the sink. False when the source cannot be opened; the reason
    // is then in ErrorText().
    virtual bool Start(InputSink sink) = 0;
    // Stops delivering; once it returns no call of the sink runs or follows.
    virtual void Stop() = 0;
    // Whether keys and buttons are seen anywhere on the desktop, not only over this program.
    virtual bool SeesWholeDesktop() const = 0;
    virtual std::string ErrorText() const { return {}; }
};

} // namespace tarq
