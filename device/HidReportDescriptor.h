// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Parser for HID report descriptors: the report byte lengths of each top-level collection,
// computed the way Windows computes InputReportByteLength, OutputReportByteLength and
// FeatureReportByteLength. Every length counts the report-ID byte, also when the descriptor
// declares no report IDs (the first byte is then 0); a kind of report a collection lacks is 0.

#include <cstdint>
#include <span>
#include <vector>

namespace tarq {

struct HidCollectionCaps {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int inputReportByteLength = 0;
    int outputReportByteLength = 0;
    int featureReportByteLength = 0;
};

// One entry per top-level (application) collection, in descriptor order. Malformed input
// (truncated items, unbalanced collections, absurd sizes) never reads past the descriptor;
// whatever was understood up to the fault is returned.
std::vector<HidCollectionCaps> ParseReportDescriptor(std::span<const uint8_t> descriptor);

// The feature report byte length an interface with this descriptor reports: the largest of
// its top-level collections (a hidraw node carries all collections of a USB interface).
int FeatureReportByteLength(std::span<const uint8_t> descriptor);

} // namespace tarq
