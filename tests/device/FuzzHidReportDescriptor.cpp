// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer target: the descriptor parser must never read past its input.
#include "device/HidReportDescriptor.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tarq::ParseReportDescriptor({data, size});
    return 0;
}
