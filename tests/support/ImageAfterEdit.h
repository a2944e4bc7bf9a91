// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The image the mouse must hold after Apply: the one it held, with `edit` applied to its
// settings and the checksums renewed.

#include "config/ConfigImage.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace tarq::testing {

inline std::vector<uint8_t> ImageAfterEdit(const std::vector<uint8_t>& before, const std::function<void(DataBuf&)>& edit)
{
    DeviceImage image{};
    std::copy(before.begin(), before.end(), image.begin());
    DataBuf buf{};
    ImageToDataBuf(image, buf);
    edit(buf);
    DataBufToImage(buf, image);
    return {image.begin(), image.end()};
}

} // namespace tarq::testing
