// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The keys and buttons a recording has taken a press of and not yet a release, and the bytes
// their releases still need. Both recorders keep that room free, so that no recording ever
// leaves a key or a button held down: a press is taken only when its own bytes and the release
// of every press still held fit, and when a recording ends, the releases of whatever is still
// held are written.

#include "macros/InputCapture.h"

#include <vector>

namespace tarq {

class HeldPresses {
public:
    // `delayBytes`: the room each release keeps for a delay line before it (0 without delays).
    explicit HeldPresses(int delayBytes) : delayBytes_(delayBytes) {}

    // The bytes an event's own line takes in a body: two for a key, one for a button.
    static int LineBytes(const InputEvent& event);

    bool Holds(const InputEvent& event) const;
    bool Empty() const { return held_.empty(); }
    // The bytes kept for the releases of every press still held.
    int Reserve() const;
    // The reserve once `event` is taken: a press adds its release (once per key or button,
    // however often it is pressed), a release frees it.
    int ReserveAfter(const InputEvent& event) const;
    void Take(const InputEvent& event);
    // The releases still owed at `tick`, the latest press first.
    std::vector<InputEvent> Releases(uint32_t tick) const;

private:
    int delayBytes_;
    std::vector<InputEvent> held_;   // the presses, in the order they were taken
};

} // namespace tarq
