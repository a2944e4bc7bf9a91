// SPDX-License-Identifier: GPL-2.0-or-later
// Unpacks arbitrary bytes as a configuration image and packs the result back; the sanitizers
// catch any access outside the image or DataBuf. Checks that a second unpack finds every
// section valid, since packing always leaves valid sections behind.
#include "config/ConfigImage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tarq::DeviceImage image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());

    tarq::DataBuf buf{};
    tarq::ImageMacroAreas areas{};
    tarq::UnpackImage(image, buf, areas);

    tarq::DeviceImage packed = image;
    tarq::PackImage(buf, areas, packed);

    tarq::DataBuf again{};
    if (!tarq::ImageToDataBuf(packed, again).AllKept() || again != buf)
        std::abort();
    return 0;
}
