// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window's six page containers and the hidden radios that show the current view, as the
// main form builds them. The navigation shows and hides the pages through them.

#include <array>

class QRadioButton;
class QWidget;

namespace tarq {

struct PageViewControls {
    static constexpr int kPages = 6;
    static constexpr int kViews = 6;

    // gbPage1 … gbPage6, index page - 1: the button page, the advanced page, the light page, the
    // macro page, the gun page and the engineer page.
    std::array<QWidget*, kPages> pages{};
    // rb_1, rb_2, rb_4, rb_5, rb_6, rb_7, in the order of the views (office, game, advanced,
    // light, macro, engineer). They only show the view; the navigation holds it.
    std::array<QRadioButton*, kViews> viewRadios{};

    QWidget* Page(int page) const { return pages[size_t(page - 1)]; }
};

} // namespace tarq
