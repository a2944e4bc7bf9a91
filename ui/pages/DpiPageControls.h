// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The DPI controls of page 2, as BuildDpiControls creates them. Level n is index n - 1.

#include "config/EngineerSettings.h"

#include <array>

class QComboBox;
class QSlider;

namespace tarq {

class TRectShape;
class TSkinLabel;

struct DpiPageControls {
    static constexpr int kRulerTicks = 11;

    QComboBox* levelCount = nullptr;                        // cbb_DPICount, items "2"-"7"
    std::array<TSkinLabel*, kDpiLevelSlots> marks{};        // Img_DPI1 .. 7: the current level
    std::array<TSkinLabel*, kDpiLevelSlots> names{};        // lbl_DPI1 .. 7
    std::array<QSlider*, kDpiLevelSlots> sliders{};         // slider_DPI1 .. 7
    std::array<TSkinLabel*, kDpiLevelSlots> values{};       // lbl_DPI1Value .. 7
    std::array<TSkinLabel*, kDpiLevelSlots> swatchFrames{}; // Img_DPI1Col .. 7
    std::array<TRectShape*, kDpiLevelSlots> swatches{};     // cs_DPI1Col .. 7
    std::array<TSkinLabel*, kDpiLevelSlots> swatchTargets{};// lbl_DPI1Col .. 7, take the clicks
    std::array<TSkinLabel*, kRulerTicks> ruler{};           // Img_DPI7_1 .. 11 under level 7
    QSlider* aimSlider = nullptr;                           // slider_DPI8
    TSkinLabel* aimValue = nullptr;                         // lbl_AIMKeyValue
};

} // namespace tarq
