// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/HeldPresses.h"

#include <algorithm>

namespace tarq {

namespace {

bool SameInput(const InputEvent& a, const InputEvent& b)
{
    if (a.source != b.source)
        return false;
    return a.source == InputEvent::Source::Key ? a.virtualKey == b.virtualKey : a.button == b.button;
}

} // namespace

int HeldPresses::LineBytes(const InputEvent& event)
{
    return event.source == InputEvent::Source::Key ? 2 : 1;
}

bool HeldPresses::Holds(const InputEvent& event) const
{
    return std::any_of(held_.begin(), held_.end(), [&](const InputEvent& h) { return SameInput(h, event); });
}

int HeldPresses::Reserve() const
{
    int bytes = 0;
    for (const InputEvent& h : held_)
        bytes += LineBytes(h) + delayBytes_;
    return bytes;
}

int HeldPresses::ReserveAfter(const InputEvent& event) const
{
    const int own = LineBytes(event) + delayBytes_;
    if (event.down)
        return Reserve() + (Holds(event) ? 0 : own);
    return Reserve() - (Holds(event) ? own : 0);
}

void HeldPresses::Take(const InputEvent& event)
{
    if (event.down) {
        if (!Holds(event))
            held_.push_back(event);
        return;
    }
    std::erase_if(held_, [&](const InputEvent& h) { return SameInput(h, event); });
}

std::vector<InputEvent> HeldPresses::Releases(uint32_t tick) const
{
    std::vector<InputEvent> releases;
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
        InputEvent release = *it;
        release.down = false;
        release.tick = tick;
        releases.push_back(release);
    }
    return releases;
}

} // namespace tarq
