// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The pointer settings the advanced page shows and changes: their levels, the values handed to
// the system, the two check states, and reading, writing and applying them through a store.
// The editor (settings/ui) turns this into slider positions and check pictures.

#include "settings/PointerLevels.h"
#include "settings/PointerSettingsStore.h"

namespace tarq {

class PointerSettings {
public:
    // Levels are 0 until read or chosen: a level outside 1-11 writes nothing.
    int PointerSpeedLevel = 0;
    int PointerSpeedValue = 0;
    PrecisionValues Precision = kPrecisionOn;
    int DoubleClickLevel = 0;
    int DoubleClickTime = 0;
    int WheelLevel = 0;             // kOneScreen while one-screen scrolling is on
    int WheelLines = 0;
    int SavedWheelLevel = 1;        // the wheel slider's level, back when one screen is turned off
    bool PrecisionChecked = true;   // cb_IsControl
    bool OneScreenChecked = true;   // cb_IsScreen; the wheel slider is enabled while it is clear

    // Reads speed, precision and double-click time. False (and nothing changed) when the store
    // cannot open them; unreadable values become speed 20, precision 0 and 480 ms.
    bool ReadMouse(PointerSettingsStore& store);
    // Reads the wheel lines. False (and nothing changed) when there is no readable value.
    bool ReadWheel(PointerSettingsStore& store);

    // The user's changes. Each marks its setting as changed for stores that write only those.
    void SetSpeedLevel(int level);
    void SetDoubleClickLevel(int level);
    void SetWheelLevel(int level);   // the wheel slider: both WheelLevel and SavedWheelLevel
    void TogglePrecision();
    void ToggleOneScreen();

    // Writes speed, precision and double-click time; then the wheel lines.
    void WriteMouse(PointerSettingsStore& store);
    void WriteWheel(PointerSettingsStore& store);
    // Both writers, then the values to the running system.
    void WriteAndApply(PointerSettingsStore& store);

    // Slider position (0-1000) of a level; 0 for a level not yet known.
    static int SliderValue(int level);

private:
    struct Changed {
        bool speed = false;
        bool precision = false;
        bool doubleClick = false;
        bool wheel = false;
    };
    Changed changed_;
};

} // namespace tarq
