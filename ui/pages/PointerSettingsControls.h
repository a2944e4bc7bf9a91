// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The system pointer settings of the advanced page (page 2), as their builder creates them:
// three sliders with their value rulers and two check pictures.

#include <array>

class QCheckBox;
class QSlider;

namespace tarq {

class TSkinLabel;

struct PointerSettingsControls {
    static constexpr int kScaleSteps = 11;

    // A slider with its caption and the eleven value labels of its ruler.
    struct Scale {
        QSlider* slider = nullptr;
        TSkinLabel* caption = nullptr;
        std::array<TSkinLabel*, kScaleSteps> values{};
    };
    // A check picture, the transparent label over it that takes the click, its caption and
    // the hidden check box that holds the state.
    struct Check {
        TSkinLabel* mark = nullptr;
        TSkinLabel* clickArea = nullptr;
        TSkinLabel* caption = nullptr;
        QCheckBox* box = nullptr;
    };

    Scale speed;         // slider_Spd, lbl_Mouse_Speed, lbl_Spd1 … lbl_Spd11
    Check precision;     // Img_IsControl, lbl_IsControl, lbl_Is_Control, cb_IsControl
    Scale doubleClick;   // slider_DbSpd, lbl_Double_Click, lbl_DbSpd1 … lbl_DbSpd11
    Scale wheel;         // slider_SrcSpd, lbl_Roller_Speed, lbl_ScrSpd1 … lbl_ScrSpd11
    Check oneScreen;     // Img_IsScreen, lbl_IsScreen, lbl_Roll_All_Screen, cb_IsScreen
    TSkinLabel* hint = nullptr;   // lbl_PointerHint: why some settings cannot change here
};

} // namespace tarq
