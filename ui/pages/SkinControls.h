// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Skinned controls that several pages build the same way, as their page structs hold them.

class QRadioButton;

namespace tarq {

class TSkinLabel;

// A caption button lying on its picture ("Btn_<name>" over "Img_<name>").
struct SkinButtonControls {
    TSkinLabel* button = nullptr;
    TSkinLabel* picture = nullptr;
};

// A radio choice drawn as a marker picture and a caption over a hidden radio button.
struct SkinChoiceControls {
    TSkinLabel* marker = nullptr;
    TSkinLabel* caption = nullptr;
    QRadioButton* radio = nullptr;
};

} // namespace tarq
