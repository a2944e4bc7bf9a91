// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Pointer settings of a Linux desktop that keeps them in the GSettings schema
// org.gnome.desktop.peripherals.mouse: "speed" (-1.0 to 1.0, mapped linearly onto the eleven
// speed levels), "accel-profile" (precision: "flat" is off, "adaptive" and "default" are on)
// and "double-click" (milliseconds). Wheel lines have no desktop-wide setting there.
//
// Without the schema (another desktop) the store offers nothing and says why.

#include "settings/PointerSettingsStore.h"

#include <string>

struct _GSettings;

namespace tarq {

inline constexpr const char* kDesktopMouseSchema = "org.gnome.desktop.peripherals.mouse";

class GSettingsPointerSettingsStore : public PointerSettingsStore {
public:
    explicit GSettingsPointerSettingsStore(const std::string& schemaId = kDesktopMouseSchema);
    ~GSettingsPointerSettingsStore() override;
    GSettingsPointerSettingsStore(const GSettingsPointerSettingsStore&) = delete;
    GSettingsPointerSettingsStore& operator=(const GSettingsPointerSettingsStore&) = delete;

    PointerSettingSet available() const override;
    std::string unavailableHint() const override;
    PointerSettingsGap unavailableReason() const override;
    bool writesOnlyChanged() const override { return true; }
    std::optional<MousePointerValues> readMouse() override;
    std::optional<int> readWheel() override { return std::nullopt; }
    bool writeMouse(const MousePointerValues& values) override;
    bool writeWheel(int) override { return false; }
    // The desktop takes a written setting over by itself; this only flushes pending writes.
    bool apply(const AppliedPointerValues& values) override;

private:
    _GSettings* settings_ = nullptr;   // null without the schema
};

// The desktop's speed (-1.0 to 1.0) as a system pointer speed of the level table, and back.
int PointerSpeedOfDesktopSpeed(double speed);
double DesktopSpeedOfPointerSpeed(int speed);

} // namespace tarq
