// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether a configuration image may go into the mouse as it is: the checks the mouse's
// memory is read with (the checksums of parameter section A, the profile section and the
// fire-key section, the value/complement pairs of parameter section B) and a manufacturer and
// product code pair that the identity check accepts, so that no write locks the program out
// of the mouse. Macro pages are not part of it: an empty or cleared page is fine.

#include "config/ImageLayout.h"
#include "device/ImageTransfer.h"

#include <cstdint>
#include <string>

namespace tarq {

// The parts of an image that fail, one bit each.
enum ProfileFault : unsigned {
    kProfileSectionAFault = 1u << 0,   // parameter section A checksum
    kProfileSectionBFault = 1u << 1,   // a value/complement pair of parameter section B
    kProfileProfileFault = 1u << 2,    // profile section checksum
    kProfileFireKeyFault = 1u << 3,    // fire-key section checksum
    kProfileCodesFault = 1u << 4,      // manufacturer/product codes the identity check refuses
};
inline constexpr unsigned kProfileFaultKinds = 5;

// 0 when the image may be written as it is; otherwise the faults found.
unsigned CheckProfileImage(const DeviceImage& image, AcceptedCodes expected, AcceptedCodes reserved);

// The faults in words, in the order above, joined by ", " (for the command line and logs).
std::string DescribeProfileFaults(unsigned faults);

} // namespace tarq
