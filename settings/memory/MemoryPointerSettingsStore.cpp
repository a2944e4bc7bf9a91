// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/memory/MemoryPointerSettingsStore.h"

namespace tarq {

MemoryPointerSettingsStore MemoryPointerSettingsStore::SeededFrom(PointerSettingsStore& system)
{
    MemoryPointerSettingsStore copy;
    copy.Available = system.available();
    copy.Hint = system.unavailableHint();
    copy.Reason = system.unavailableReason();
    copy.WritesOnlyChanged = system.writesOnlyChanged();
    copy.Mouse = system.readMouse();
    copy.MouseOpens = copy.Mouse.has_value();
    copy.Wheel = system.readWheel();
    return copy;
}

std::optional<MousePointerValues> MemoryPointerSettingsStore::readMouse()
{
    if (!MouseOpens)
        return std::nullopt;
    return Mouse;
}

std::optional<int> MemoryPointerSettingsStore::readWheel()
{
    if (!WheelOpens)
        return std::nullopt;
    return Wheel;
}

bool MemoryPointerSettingsStore::writeMouse(const MousePointerValues& values)
{
    if (!MouseOpens)
        return false;
    MouseWrites.push_back(values);
    if (!Mouse)
        Mouse = MousePointerValues{};
    const auto take = [](std::optional<int>& to, const std::optional<int>& from) {
        if (from)
            to = from;
    };
    take(Mouse->speed, values.speed);
    take(Mouse->acceleration, values.acceleration);
    take(Mouse->threshold1, values.threshold1);
    take(Mouse->threshold2, values.threshold2);
    take(Mouse->doubleClickTime, values.doubleClickTime);
    return true;
}

bool MemoryPointerSettingsStore::writeWheel(int lines)
{
    if (!WheelOpens)
        return false;
    WheelWrites.push_back(lines);
    Wheel = lines;
    return true;
}

bool MemoryPointerSettingsStore::apply(const AppliedPointerValues& values)
{
    Applied.push_back(values);
    return true;
}

} // namespace tarq
