// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The controls of page 3 (lighting), as BuildLightPage creates them. Mode m is index m - 1;
// bar segment k is index k - 1.

#include <array>

class QSlider;

namespace tarq {

class TSkinLabel;

struct LightPageControls {
    static constexpr int kModes = 7;
    static constexpr int kSpeedSegments = 8;
    static constexpr int kCountSegments = 10;

    // A skinned radio picture or bar segment with the caption beside or under it; both take
    // the clicks.
    struct Choice {
        TSkinLabel* picture = nullptr;   // Img_<name>
        TSkinLabel* caption = nullptr;   // lbl_<name>
    };
    // An on/off switch under its heading.
    struct Switch {
        TSkinLabel* heading = nullptr;
        Choice on, off;
    };

    Switch led;            // lbl_LED_Status, LEDOn / LEDOff
    Switch modeChord;      // lbl_LLED_Status, LCPIOn / LCPIOff: the DPI button changes the mode
    Switch onOffChord;     // lbl_MCPI_Status, B4CPIOn / B4CPIOff: the DPI button switches the LED
    // Brightness: lbl_Led_Light, MCULED3Control / MCULED6Control (transparent captions over the
    // pictures), with the texts ALL and HALF beside them (lbl_SaveKeyMode, lbl_NoSaveKeyMode).
    Switch brightness;
    TSkinLabel* fullText = nullptr;
    TSkinLabel* halfText = nullptr;
    // The key-mode memory pictures (Img_SaveKeyMode, Img_NoSaveKeyMode), off the built-in skin.
    TSkinLabel* keepKeyMode = nullptr;
    TSkinLabel* forgetKeyMode = nullptr;

    TSkinLabel* modeHeading = nullptr;                 // lbl_Led_Mode
    std::array<Choice, kModes> mcuModes{};             // MCULEDMode1 .. 7
    std::array<Choice, kModes> rbModes{};              // RBLEDMode1 .. 7, in the same places

    TSkinLabel* speedHeading = nullptr;                // lbl_LED_Effect_Setting
    TSkinLabel* slow = nullptr;                        // lbl_LED_Effect_Slow
    QSlider* breathSpeed = nullptr;                    // slider_Breath_Speed
    TSkinLabel* fast = nullptr;                        // lbl_LED_Effect_Fast
    std::array<Choice, kSpeedSegments> speedBar{};     // MCULEDStep_1 .. 8
    TSkinLabel* countHeading = nullptr;                // lbl_LED_Count
    std::array<Choice, kCountSegments> countBar{};     // MCULEDNum_1 .. 10
};

} // namespace tarq
