// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Pointer settings kept in memory: the store of the tests, and of --demo, where it starts from
// the system's values so that trying the program never changes the user's desktop.

#include "settings/PointerSettingsStore.h"

#include <vector>

namespace tarq {

class MemoryPointerSettingsStore : public PointerSettingsStore {
public:
    MemoryPointerSettingsStore() = default;
    // A copy of another store's current values and of what it offers.
    static MemoryPointerSettingsStore SeededFrom(PointerSettingsStore& system);

    PointerSettingSet available() const override { return Available; }
    std::string unavailableHint() const override { return Hint; }
    PointerSettingsGap unavailableReason() const override { return Reason; }
    bool writesOnlyChanged() const override { return WritesOnlyChanged; }
    std::optional<MousePointerValues> readMouse() override;
    std::optional<int> readWheel() override;
    bool writeMouse(const MousePointerValues& values) override;
    bool writeWheel(int lines) override;
    bool apply(const AppliedPointerValues& values) override;

    // What the store holds; nullopt stands for settings that cannot be opened.
    std::optional<MousePointerValues> Mouse = MousePointerValues{};
    bool MouseOpens = true;
    std::optional<int> Wheel;
    bool WheelOpens = true;
    PointerSettingSet Available{true, true, true, true};
    std::string Hint;
    PointerSettingsGap Reason = PointerSettingsGap::None;
    bool WritesOnlyChanged = false;

    // What was asked of it: every write as given, and every apply.
    std::vector<MousePointerValues> MouseWrites;
    std::vector<int> WheelWrites;
    std::vector<AppliedPointerValues> Applied;
};

} // namespace tarq
