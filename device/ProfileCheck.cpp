// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/ProfileCheck.h"

#include "config/ConfigImage.h"

namespace tarq {

unsigned CheckProfileImage(const DeviceImage& image, AcceptedCodes expected, AcceptedCodes reserved)
{
    DataBuf scratch{};
    const SectionCheckResult sections = ImageToDataBuf(image, scratch);
    unsigned faults = 0;
    if (!sections.sectionAKept)
        faults |= kProfileSectionAFault;
    if (!sections.sectionBKept)
        faults |= kProfileSectionBFault;
    if (!sections.profileKept)
        faults |= kProfileProfileFault;
    if (!sections.fireKeyKept)
        faults |= kProfileFireKeyFault;
    if (!CodesAccepted(image[layout::kDeviceCodesAddress], image[layout::kDeviceCodesAddress + 1], expected, reserved))
        faults |= kProfileCodesFault;
    return faults;
}

std::string DescribeProfileFaults(unsigned faults)
{
    static constexpr const char* kWords[kProfileFaultKinds] = {
        "parameter section A checksum",
        "parameter section B value/complement pairs",
        "profile section checksum",
        "fire-key section checksum",
        "manufacturer/product codes (at 0x36/0x37) that the mouse check refuses",
    };
    std::string text;
    for (unsigned kind = 0; kind < kProfileFaultKinds; ++kind) {
        if (!(faults & (1u << kind)))
            continue;
        if (!text.empty())
            text += ", ";
        text += kWords[kind];
    }
    return text;
}

} // namespace tarq
