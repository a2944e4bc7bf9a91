// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The keys a layout configuration must give: every key of the layout families (frame buttons,
// page buttons, button page, menus, advanced, light, macro and gun pages, dialogs). A layout
// text for a language must hold each of them with a whole-number value.

#include <string>
#include <vector>

namespace tarq {

// Pages 1-4 each carry a copy of the frame and page buttons and of the busy overlay; names of
// those controls end in the copy number 1..4.
inline constexpr int kPageCopies = 4;

// The families in the order of the layout text.
enum class LayoutFamily {
    FrameButtons = 1,
    PageButtons,
    ButtonPage,
    Menus,
    AdvancedPage,
    LightPage,
    MacroPage,
    GunPage,
    Dialogs,
};

// Every key of one family, in text order ("Size_A", "Color_A_R", ...).
std::vector<std::string> LayoutKeyNames(LayoutFamily family);

// Every key of all families.
std::vector<std::string> AllLayoutKeyNames();

} // namespace tarq
