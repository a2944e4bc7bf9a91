// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the check a profile passes before it is written to the mouse: any 2048 bytes give a
// set of faults and their description, never a crash; a passing image has codes the identity
// check accepts.

#include "device/ProfileCheck.h"

#include <algorithm>
#include <cstdlib>

using namespace tarq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    DeviceImage image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());
    constexpr AcceptedCodes expected{0x01, 0x02};
    constexpr AcceptedCodes reserved{0x10, 0x20};
    const unsigned faults = CheckProfileImage(image, expected, reserved);
    if (faults >> kProfileFaultKinds)
        std::abort();
    if (DescribeProfileFaults(faults).empty() != (faults == 0))
        std::abort();
    const bool codesOk = CodesAccepted(image[layout::kDeviceCodesAddress], image[layout::kDeviceCodesAddress + 1], expected, reserved);
    if (codesOk == bool(faults & kProfileCodesFault))
        std::abort();
    return 0;
}
