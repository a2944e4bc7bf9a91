// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A capture source for tests: it plays scripted events into whatever sink is started, and a
// virtual clock stamps them, so delays are exact and no real time passes. ScriptedCaptures hands
// the form one each time its recording opens an input source.

#include "macros/InputCapture.h"
#include "macros/ui/PlatformInputCapture.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarq::testing {

class ScriptedCapture : public InputCapture {
public:
    bool Start(InputSink sink) override
    {
        if (failStart)
            return false;
        sink_ = std::move(sink);
        ++starts;
        return true;
    }
    void Stop() override
    {
        sink_ = nullptr;
        ++stops;
    }
    bool SeesWholeDesktop() const override { return wholeDesktop; }
    std::string ErrorText() const override { return failStart ? "scripted failure" : ""; }

    bool Running() const { return bool(sink_); }
    ScriptedCapture& Play(const InputEvent& e)
    {
        if (sink_)
            sink_(e);
        return *this;
    }

    bool failStart = false;
    bool wholeDesktop = true;
    int starts = 0;
    int stops = 0;

private:
    InputSink sink_;
};

// The input source factory a form takes (DeviceOptions, FormWithMouse): every source it makes
// is a ScriptedCapture, and `source` is the last one made (none until the form asks).
// `wholeDesktop` false makes sources that see only the program's window, with a note saying so.
struct ScriptedCaptures {
    std::function<PlatformCapture()> Factory(bool wholeDesktop = true)
    {
        return [this, wholeDesktop] {
            auto capture = std::make_unique<ScriptedCapture>();
            capture->wholeDesktop = wholeDesktop;
            source = capture.get();
            return PlatformCapture{std::move(capture), wholeDesktop ? "" : "test"};
        };
    }
    ScriptedCapture* source = nullptr;
};

// Builds events on a virtual millisecond clock.
struct VirtualInput {
    uint32_t now = 1000;
    std::vector<InputEvent> events;

    VirtualInput& Wait(uint32_t ms) { now += ms; return *this; }
    VirtualInput& Down(uint16_t vk) { events.push_back(InputEvent::Key(vk, true, now)); return *this; }
    VirtualInput& Up(uint16_t vk) { events.push_back(InputEvent::Key(vk, false, now)); return *this; }
    VirtualInput& Tap(uint16_t vk) { return Down(vk).Up(vk); }
    VirtualInput& Press(MouseButton b) { events.push_back(InputEvent::Button(b, true, now)); return *this; }
    VirtualInput& Release(MouseButton b) { events.push_back(InputEvent::Button(b, false, now)); return *this; }
};

} // namespace tarq::testing
