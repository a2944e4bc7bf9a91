// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Windows pointer settings: the current user's registry values under "Control Panel\Mouse"
// and "Control Panel\Desktop" (decimal numbers in strings), handed to the running system with
// SystemParametersInfoA. Keys are opened, never created.

#include "settings/PointerSettingsStore.h"

#include <array>

namespace tarq {

class WinPointerSettingsStore : public PointerSettingsStore {
public:
    PointerSettingSet available() const override { return {true, true, true, true}; }
    std::string unavailableHint() const override { return {}; }
    bool writesOnlyChanged() const override { return false; }
    std::optional<MousePointerValues> readMouse() override;
    std::optional<int> readWheel() override;
    bool writeMouse(const MousePointerValues& values) override;
    bool writeWheel(int lines) override;
    // SPI_SETMOUSESPEED, SPI_SETMOUSE, SPI_SETDOUBLECLICKTIME, SPI_SETWHEELSCROLLLINES.
    bool apply(const AppliedPointerValues& values) override;

    // What each of the four calls of the last apply() returned, in that order.
    const std::array<bool, 4>& lastCallResults() const { return lastCalls_; }

private:
    std::array<bool, 4> lastCalls_{};
};

} // namespace tarq
