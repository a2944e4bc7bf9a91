// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The fire key controls of page 2 (left column, above the pointer settings), as
// BuildFireKeyControls creates them.

class QCheckBox;
class QLineEdit;

namespace tarq {

class TSkinLabel;

struct FireKeyControls {
    QLineEdit* shots = nullptr;          // Edt_Repeat1: shots per press, 1-256
    QLineEdit* interval = nullptr;       // Edt_DelayTime1: units of 8 ms
    TSkinLabel* continuous = nullptr;    // Img_FireContinue: the check picture
    TSkinLabel* continuousTarget = nullptr; // lbl_FireContinue: takes the clicks over it
    QCheckBox* continuousBox = nullptr;  // cb_IsFireContinue, hidden
};

} // namespace tarq
