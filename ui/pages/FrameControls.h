// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The controls of one copy of the frame that pages 1-4 each carry (BuildFrame): the window's
// frame buttons, the page buttons and the busy overlay. Each skinned button is a caption label
// Btn_<name><copy> over its picture Img_<name><copy>.

#include <array>

#include "skin/LayoutKeys.h"
#include "ui/pages/SkinControls.h"

namespace tarq {

// A frame button: its caption label (`button`) over its picture.
using FrameButton = SkinButtonControls;

struct FrameControls {
    // The page's background (Img_Base_<copy>) and its picture (Img_P<copy>).
    TSkinLabel* background = nullptr;
    TSkinLabel* pagePicture = nullptr;
    // The transfer commands.
    FrameButton read, apply, confirm, confirm1, confirm2, confirm3, save, load;
    // The page buttons.
    FrameButton main, second, adv, breath, macro, engineer;
    // The window's and the language buttons, and the web button.
    FrameButton exit, mini, web;
    std::array<FrameButton, 3> languages;
    // Takes every click while a transfer runs or no mouse is there (Disable_All_<copy>).
    TSkinLabel* overlay = nullptr;

    // The window's own buttons, which stay above the busy overlay: exit, minimise, languages.
    std::array<const FrameButton*, 5> OwnButtons() const
    {
        return {&exit, &mini, &languages[0], &languages[1], &languages[2]};
    }
};

// The frames of pages 1-4, index copy - 1.
using FrameCopies = std::array<FrameControls, kPageCopies>;

} // namespace tarq
