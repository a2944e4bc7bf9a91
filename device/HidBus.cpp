// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/HidBus.h"

#include "device/MouseIdentity.h"

namespace tarq {

HidOpenFailure HidBus::probe(const std::string& path)
{
    if (open(path))
        return HidOpenFailure::None;
    return lastOpenFailure();
}

bool HidBus::countable(const std::string& path)
{
    const HidOpenFailure failure = probe(path);
    return failure == HidOpenFailure::None || failure == HidOpenFailure::PermissionDenied;
}

std::string HidBus::permissionRefusedPath(uint16_t vendorId, uint16_t productId)
{
    for (const std::string& path : interfacePaths()) {
        if (path.empty() || probe(path) != HidOpenFailure::PermissionDenied)
            continue;
        const HidAttributes a = describe(path);
        if (a.vendorId == vendorId && a.productId == productId && a.featureReportLength == kConfigFeatureReportLength)
            return path;
    }
    return {};
}

} // namespace tarq
