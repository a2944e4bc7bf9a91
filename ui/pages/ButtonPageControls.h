// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The controls of the button page (page 1), as its builder creates them: the nine button
// labels over their pictures and the three long-press options.

#include <array>

namespace tarq {

class TSkinLabel;

struct ButtonPageControls {
    static constexpr int kButtons = 9;
    static constexpr int kLongPressOptions = 3;

    std::array<TSkinLabel*, kButtons> keyPictures{};   // Img_Key1 … Img_Key9
    std::array<TSkinLabel*, kButtons> keys{};          // Key1 … Key9: the button's function
    // Long-press options 1-3 (middle button, DPI button, gun key): the check picture
    // Img_ComboKey<n> and its caption IB_ComboKey<n>; both toggle the option.
    std::array<TSkinLabel*, kLongPressOptions> longPressMarks{};
    std::array<TSkinLabel*, kLongPressOptions> longPressCaptions{};
};

} // namespace tarq
