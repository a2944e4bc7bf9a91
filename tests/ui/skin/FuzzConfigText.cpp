// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer target: any configuration text reads without a crash or a read past its bytes, and
// the org configuration built from it keeps every value inside its range.
#include "skin/ConfigText.h"
#include "skin/OrgConfiguration.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tarq::ConfigText::Parse(text);
    tarq::ParseConfigInt(text);
    tarq::ReadOrgConfiguration(text);
    return 0;
}
