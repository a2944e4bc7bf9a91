// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The slot counts of the settings tables: the DPI levels and the fire macros, each with an
// RGB colour. The settings themselves are in config/SettingsModel.h.

#include <array>

namespace tarq {

constexpr int kDpiLevelSlots = 7;
constexpr int kFireMacroSlots = 10;
using Rgb = std::array<int, 3>;

} // namespace tarq
