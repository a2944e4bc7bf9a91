// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/UsbDescriptors.h"

#include "device/HidReportDescriptor.h"
#include "device/MouseIdentity.h"

#include <gtest/gtest.h>

namespace tarq::usb {
namespace {

uint16_t le16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

TEST(UsbDescriptors, DeviceDescriptorCarriesIdentityAndVersion)
{
    const auto d = DeviceDescriptor({0x1209, 0x0001, 0x0104});
    ASSERT_EQ(d.size(), 18u);
    EXPECT_EQ(d[0], 18);
    EXPECT_EQ(d[1], kDeviceDescriptor);
    EXPECT_EQ(le16(d, 2), 0x0200);   // USB 2.0
    EXPECT_EQ(d[7], 64);             // control endpoint packet size
    EXPECT_EQ(le16(d, 8), 0x1209);
    EXPECT_EQ(le16(d, 10), 0x0001);
    EXPECT_EQ(le16(d, 12), 0x0104);  // bcdDevice: the version the program checks
    EXPECT_EQ(d[14], kManufacturer);
    EXPECT_EQ(d[15], kProduct);
    EXPECT_EQ(d[16], kSerialNumber);
    EXPECT_EQ(d[17], 1);             // one configuration
}

// Walks the configuration as a host does: every descriptor's length and type, the interfaces
// in order with their HID descriptor naming the report descriptor's length and one interrupt-IN
// endpoint each.
TEST(UsbDescriptors, ConfigurationHoldsBothInterfacesWithTheirReportDescriptors)
{
    const auto c = ConfigurationDescriptor();
    ASSERT_GE(c.size(), 9u);
    EXPECT_EQ(c[1], kConfigurationDescriptor);
    EXPECT_EQ(le16(c, 2), c.size());
    EXPECT_EQ(c[4], kInterfaceCount);
    EXPECT_EQ(c[5], 1); // bConfigurationValue

    struct Seen { int number = -1, subclass = -1, protocol = -1, reportLength = -1, endpoint = -1; };
    std::vector<Seen> seen;
    for (size_t at = c[0]; at < c.size();) {
        const uint8_t length = c[at];
        ASSERT_GE(length, 2u);
        ASSERT_LE(at + length, c.size());
        switch (c[at + 1]) {
        case kInterfaceDescriptor:
            EXPECT_EQ(c[at + 5], 0x03); // HID class
            EXPECT_EQ(c[at + 4], 1);    // one endpoint
            seen.push_back({c[at + 2], c[at + 6], c[at + 7]});
            break;
        case kHidDescriptor:
            ASSERT_FALSE(seen.empty());
            EXPECT_EQ(c[at + 6], kHidReportDescriptor);
            seen.back().reportLength = le16(c, at + 7);
            break;
        case kEndpointDescriptor:
            ASSERT_FALSE(seen.empty());
            EXPECT_EQ(c[at + 3], 0x03); // interrupt
            seen.back().endpoint = c[at + 2];
            break;
        default: ADD_FAILURE() << "unexpected descriptor type " << int(c[at + 1]);
        }
        at += length;
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].number, kPointerInterface);
    EXPECT_EQ(seen[0].subclass, 1); // boot interface
    EXPECT_EQ(seen[0].protocol, 2); // mouse
    EXPECT_EQ(seen[0].reportLength, static_cast<int>(PointerReportDescriptor().size()));
    EXPECT_EQ(seen[0].endpoint, 0x81);
    EXPECT_EQ(seen[1].number, kConfigInterface);
    EXPECT_EQ(seen[1].subclass, 0);
    EXPECT_EQ(seen[1].reportLength, static_cast<int>(ConfigReportDescriptor().size()));
    EXPECT_EQ(seen[1].endpoint, 0x82);
}

// The lengths the program chooses the configuration interface by come from the descriptors.
TEST(UsbDescriptors, ReportDescriptorsGiveTheLengthsTheProgramChoosesBy)
{
    EXPECT_EQ(FeatureReportByteLength(ConfigReportDescriptor()), kConfigFeatureReportLength);
    EXPECT_EQ(FeatureReportByteLength(PointerReportDescriptor()), 0);
    const auto pointer = ParseReportDescriptor(PointerReportDescriptor());
    ASSERT_EQ(pointer.size(), 1u);
    EXPECT_EQ(pointer[0].usagePage, 0x01);
    EXPECT_EQ(pointer[0].usage, 0x02);
    EXPECT_EQ(pointer[0].inputReportByteLength, 5); // 4 bytes and the report-ID byte
    const auto config = ParseReportDescriptor(ConfigReportDescriptor());
    ASSERT_EQ(config.size(), 1u);
    EXPECT_EQ(config[0].usagePage, 0xFF00);
    EXPECT_EQ(config[0].inputReportByteLength, 0);
    EXPECT_TRUE(ReportDescriptor(2).empty());
}

TEST(UsbDescriptors, StringDescriptors)
{
    struct Case { uint8_t index; std::vector<uint8_t> expected; };
    const std::vector<Case> cases = {
        {kLanguages, {4, 3, 0x09, 0x04}},
        {kManufacturer, {10, 3, 'T', 0, 'A', 0, 'R', 0, 'Q', 0}},
        {kSerialNumber, {10, 3, '0', 0, '0', 0, '0', 0, '1', 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StringDescriptor(c.index), c.expected) << int(c.index);
    const auto product = StringDescriptor(kProduct);
    ASSERT_TRUE(product);
    EXPECT_EQ((*product)[0], product->size());
    EXPECT_FALSE(StringDescriptor(4));
    EXPECT_FALSE(StringDescriptor(0xEE));
}

} // namespace
} // namespace tarq::usb
