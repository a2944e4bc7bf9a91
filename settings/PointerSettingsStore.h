// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the operating system keeps the user's pointer settings: pointer speed, precision,
// double-click time and wheel lines. Values are in the units of the level tables
// (settings/PointerLevels.h) whatever the backend keeps underneath.
//
// Backends: settings/win (the registry and SystemParametersInfoA), settings/gsettings (the
// desktop's GSettings schema on Linux), settings/memory (tests and --demo).

#include "settings/PointerLevels.h"

#include <optional>
#include <string>

namespace tarq {

// Which of the settings a store holds; the controls of the others are shown disabled.
struct PointerSettingSet {
    bool speed = false;
    bool precision = false;
    bool doubleClick = false;
    bool wheel = false;     // wheel lines and one-screen scrolling
    bool any() const { return speed || precision || doubleClick || wheel; }
    bool all() const { return speed && precision && doubleClick && wheel; }
    friend bool operator==(const PointerSettingSet&, const PointerSettingSet&) = default;
};

// Why a store lacks settings, for the window to say in the user's language.
enum class PointerSettingsGap {
    None,
    NoWheelSetting,     // the desktop keeps no wheel lines of its own
    NoSharedSettings,   // the desktop shares none of its mouse settings with other programs
};

// The speed, precision and double-click settings. Reading: an empty field could not be read.
// Writing: only the fields with a value are written.
struct MousePointerValues {
    std::optional<int> speed;                 // 1-20
    std::optional<int> acceleration;          // precision, in the registry's order
    std::optional<int> threshold1;
    std::optional<int> threshold2;
    std::optional<int> doubleClickTime;       // milliseconds
};

// Everything handed to the running system at once.
struct AppliedPointerValues {
    int speed = 0;
    PrecisionValues precision;
    int doubleClickTime = 0;
    int wheelLines = 0;                       // kOneScreen: one screen at a time
};

class PointerSettingsStore {
public:
    virtual ~PointerSettingsStore() = default;

    virtual PointerSettingSet available() const = 0;
    // Why the settings missing from available() cannot be changed here; empty when all are.
    virtual std::string unavailableHint() const = 0;
    // The same as one of the reasons the window words in each language; None for another one.
    virtual PointerSettingsGap unavailableReason() const { return PointerSettingsGap::None; }
    // True where a setting holds finer values than the level tables (a desktop's continuous
    // speed, a 400 ms double-click): then only the settings the user changed are written, so
    // that writing never moves a setting nobody touched. False: every write writes them all.
    virtual bool writesOnlyChanged() const = 0;

    // Nullopt when the settings cannot be opened.
    virtual std::optional<MousePointerValues> readMouse() = 0;
    // Wheel lines (kOneScreen for one screen at a time); nullopt when the setting cannot be
    // opened, is missing or holds no whole number.
    virtual std::optional<int> readWheel() = 0;

    // False when the settings cannot be opened (nothing is written then).
    virtual bool writeMouse(const MousePointerValues& values) = 0;
    virtual bool writeWheel(int lines) = 0;

    // Hands the values to the running system. Returns whether every system call reported
    // success; the editor does not act on it (backends where writing is applying return true).
    virtual bool apply(const AppliedPointerValues& values) = 0;
};

} // namespace tarq
