// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/PointerSettings.h"

namespace tarq {
namespace {

constexpr int kUnreadSpeed = 20;
constexpr int kUnreadDoubleClickTime = 480;

} // namespace

bool PointerSettings::ReadMouse(PointerSettingsStore& store)
{
    const auto values = store.readMouse();
    if (!values)
        return false;
    PointerSpeedValue = values->speed.value_or(kUnreadSpeed);
    PointerSpeedLevel = PointerSpeedLevelOf(PointerSpeedValue);
    Precision = {values->acceleration.value_or(0), values->threshold1.value_or(0), values->threshold2.value_or(0)};
    PrecisionChecked = PrecisionShowsOn(Precision);
    DoubleClickTime = values->doubleClickTime.value_or(kUnreadDoubleClickTime);
    DoubleClickLevel = DoubleClickLevelOf(DoubleClickTime);
    // What was just read is the system's own value again: nothing of it is the user's change.
    changed_.speed = changed_.precision = changed_.doubleClick = false;
    return true;
}

bool PointerSettings::ReadWheel(PointerSettingsStore& store)
{
    const auto lines = store.readWheel();
    if (!lines)
        return false;
    WheelLines = *lines;
    if (WheelLines == kOneScreen) {
        OneScreenChecked = true;
        SavedWheelLevel = 1;   // WheelLevel keeps its value
    } else {
        OneScreenChecked = false;
        WheelLevel = WheelLevelOf(WheelLines);
        SavedWheelLevel = WheelLevel;
    }
    changed_.wheel = false;
    return true;
}

void PointerSettings::SetSpeedLevel(int level)
{
    PointerSpeedLevel = level;
    changed_.speed = true;
}

void PointerSettings::SetDoubleClickLevel(int level)
{
    DoubleClickLevel = level;
    changed_.doubleClick = true;
}

void PointerSettings::SetWheelLevel(int level)
{
    WheelLevel = level;
    SavedWheelLevel = level;
    changed_.wheel = true;
}

void PointerSettings::TogglePrecision()
{
    PrecisionChecked = !PrecisionChecked;
    Precision = PrecisionChecked ? kPrecisionOn : kPrecisionOff;
    changed_.precision = true;
}

void PointerSettings::ToggleOneScreen()
{
    OneScreenChecked = !OneScreenChecked;
    WheelLevel = OneScreenChecked ? kOneScreen : SavedWheelLevel;
    changed_.wheel = true;
}

void PointerSettings::WriteMouse(PointerSettingsStore& store)
{
    const bool all = !store.writesOnlyChanged();
    MousePointerValues out;
    if (const auto speed = PointerSpeedForLevel(PointerSpeedLevel)) {
        PointerSpeedValue = *speed;
        if (all || changed_.speed)
            out.speed = *speed;
    }
    if (all || changed_.precision) {
        out.acceleration = Precision.acceleration;
        out.threshold1 = Precision.threshold1;
        out.threshold2 = Precision.threshold2;
    }
    if (const auto time = DoubleClickTimeForLevel(DoubleClickLevel)) {
        DoubleClickTime = *time;
        if (all || changed_.doubleClick)
            out.doubleClickTime = *time;
    }
    store.writeMouse(out);
}

void PointerSettings::WriteWheel(PointerSettingsStore& store)
{
    std::optional<int> lines = WheelLevel == kOneScreen ? std::optional<int>(kOneScreen) : WheelLinesForLevel(WheelLevel);
    if (!lines)
        return;
    WheelLines = *lines;
    if (!store.writesOnlyChanged() || changed_.wheel)
        store.writeWheel(WheelLines);
}

void PointerSettings::WriteAndApply(PointerSettingsStore& store)
{
    WriteMouse(store);
    WriteWheel(store);
    store.apply({PointerSpeedValue, Precision, DoubleClickTime, WheelLines});
}

int PointerSettings::SliderValue(int level)
{
    return level >= 1 && level <= kPointerLevels ? kPointerSliderStep * (level - 1) : 0;
}

} // namespace tarq
