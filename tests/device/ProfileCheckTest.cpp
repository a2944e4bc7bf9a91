// SPDX-License-Identifier: GPL-2.0-or-later
// Which parts of an image keep it from being written to the mouse as it is.

#include "device/ProfileCheck.h"

#include "config/DefaultImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tarq {
namespace {

constexpr AcceptedCodes kReserved{0x12, 0x34};

AcceptedCodes Expected()
{
    const DeviceImage& image = DefaultImage(1);
    return {image[layout::kDeviceCodesAddress], image[layout::kDeviceCodesAddress + 1]};
}

struct Case {
    const char* name;
    std::function<void(DeviceImage&)> damage;
    unsigned faults;
};

TEST(ProfileCheck, NamesEveryFailingPart)
{
    const Case cases[] = {
        {"defaults pass", [](DeviceImage&) {}, 0},
        {"empty macro pages and fire macros pass",
         [](DeviceImage& i) { std::fill(i.begin() + 0x100, i.end(), 0); }, 0},
        {"section A checksum", [](DeviceImage& i) { i[0x005] ^= 0x01; }, kProfileSectionAFault},
        {"section B pair", [](DeviceImage& i) { i[0x031] ^= 0x01; }, kProfileSectionBFault},
        {"profile checksum", [](DeviceImage& i) { i[0x076] ^= 0xFF; }, kProfileProfileFault},
        {"fire-key checksum", [](DeviceImage& i) { i[0x0F3] ^= 0x10; }, kProfileFireKeyFault},
        {"foreign codes", [](DeviceImage& i) { i[0x36] = 0x99; }, kProfileCodesFault},
        {"the reserved codes pass",
         [](DeviceImage& i) { i[0x36] = kReserved.manufacturer; i[0x37] = kReserved.product; }, 0},
        {"several at once",
         [](DeviceImage& i) { i[0x000] ^= 1; i[0x0F0] ^= 1; i[0x37] ^= 1; },
         kProfileSectionAFault | kProfileFireKeyFault | kProfileCodesFault},
        {"a file of zeros fails everything checked",
         [](DeviceImage& i) { i.fill(0); },
         kProfileSectionAFault | kProfileSectionBFault | kProfileProfileFault | kProfileFireKeyFault | kProfileCodesFault},
    };
    for (const Case& c : cases) {
        DeviceImage image = DefaultImage(1);
        c.damage(image);
        EXPECT_EQ(CheckProfileImage(image, Expected(), kReserved), c.faults) << c.name;
    }
}

TEST(ProfileCheck, DescribesFaultsInWords)
{
    EXPECT_EQ(DescribeProfileFaults(0), "");
    EXPECT_EQ(DescribeProfileFaults(kProfileSectionAFault | kProfileCodesFault),
              "parameter section A checksum, manufacturer/product codes (at 0x36/0x37) that the mouse check refuses");
}

} // namespace
} // namespace tarq
