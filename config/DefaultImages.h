// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The built-in default configuration images ("TARQ54XData_Cfg1" to "TARQ54XData_Cfg3", loaded
// by the reset commands and by the emulated mouse at its first start) and the empty macro
// library ("PCMacroData"). The three default images are identical.

#include "config/ImageLayout.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tarq {

inline constexpr int kDefaultImageCount = 3;
inline constexpr size_t kEmptyMacroLibrarySize = 27200;

// Default image 1-3; any other number gives image 1.
const DeviceImage& DefaultImage(int number);

// Resource name of default image 1-3: "TARQ54XData_Cfg1" ...
std::string_view DefaultImageResourceName(int number);

// 27 200 zero bytes.
std::span<const uint8_t, kEmptyMacroLibrarySize> EmptyMacroLibrary();
inline constexpr std::string_view kEmptyMacroLibraryResourceName = "PCMacroData";

} // namespace tarq
