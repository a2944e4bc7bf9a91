// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The USB identity of the mouse this build serves (set in the top-level CMakeLists.txt).

#include <cstdint>

namespace tarq {

constexpr uint16_t kMouseVendorId = TARQ_MOUSE_VENDOR_ID;
constexpr uint16_t kMouseProductId = TARQ_MOUSE_PRODUCT_ID;
constexpr uint16_t kMouseVersion = TARQ_MOUSE_VERSION;

// The configuration interface is the one whose feature reports are this long.
constexpr int kConfigFeatureReportLength = 8;
constexpr uint8_t kConfigReportId = 4;

} // namespace tarq
