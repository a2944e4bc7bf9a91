// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/HidReportDescriptor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace tarq {
namespace {

const std::string kFixtures = std::string(TARQ_TEST_DATA_DIR) + "/hid-descriptors/";

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Expected {
    std::string name;
    size_t bytes;
    int input, output, feature;
};

std::vector<Expected> expectedTable()
{
    std::ifstream in(kFixtures + "expected.tsv");
    std::vector<Expected> rows;
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Expected e;
        if (fields >> e.name >> e.bytes >> e.input >> e.output >> e.feature)
            rows.push_back(e);
    }
    return rows;
}

// The usage and usage page of the collection Windows reported are in the file name.
uint16_t hexField(const std::string& name, int index)
{
    return static_cast<uint16_t>(std::stoul(name.substr(index * 5, 4), nullptr, 16));
}

TEST(HidReportDescriptor, AgreesWithWindowsOnEveryCapturedDevice)
{
    const auto rows = expectedTable();
    ASSERT_EQ(rows.size(), 25u);
    for (const Expected& row : rows) {
        SCOPED_TRACE(row.name);
        const auto bytes = readFile(kFixtures + row.name + ".rdesc");
        ASSERT_EQ(bytes.size(), row.bytes);
        const auto collections = ParseReportDescriptor(bytes);
        ASSERT_FALSE(collections.empty());
        // Windows reports the caps of the collection named in the file name.
        const uint16_t usage = hexField(row.name, 2), page = hexField(row.name, 3);
        const HidCollectionCaps* caps = nullptr;
        for (const auto& c : collections)
            if (c.usagePage == page && c.usage == usage)
                caps = &c;
        ASSERT_NE(caps, nullptr);
        EXPECT_EQ(caps->inputReportByteLength, row.input);
        EXPECT_EQ(caps->outputReportByteLength, row.output);
        EXPECT_EQ(caps->featureReportByteLength, row.feature);
    }
}

// Shapes the mouse matching meets: its vendor interface, its pointer interface, a keyboard.
TEST(HidReportDescriptor, FeatureLengthOfTypicalInterfaces)
{
    const std::vector<uint8_t> vendorFeatureId4 = {
        0x06, 0x00, 0xFF, // usage page (vendor 0xFF00)
        0x09, 0x01,       // usage 1
        0xA1, 0x01,       // collection (application)
        0x85, 0x04,       //   report ID 4
        0x09, 0x02,       //   usage 2
        0x15, 0x00, 0x26, 0xFF, 0x00,
        0x75, 0x08, 0x95, 0x07, // 7 bytes
        0xB1, 0x02,       //   feature (data, variable, absolute)
        0xC0};
    const std::vector<uint8_t> pointer = {
        0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00,
        0x05, 0x09, 0x19, 0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02,
        0x95, 0x01, 0x75, 0x03, 0x81, 0x01,
        0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x16, 0x01, 0x80, 0x26, 0xFF, 0x7F, 0x75, 0x10, 0x95, 0x02, 0x81, 0x06,
        0xC0, 0xC0};
    const std::vector<uint8_t> keyboard = {
        0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01,
        0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01,
        0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01,
        0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xC0};

    EXPECT_EQ(FeatureReportByteLength(vendorFeatureId4), 8);
    EXPECT_EQ(FeatureReportByteLength(pointer), 0);
    EXPECT_EQ(FeatureReportByteLength(keyboard), 0);
    const auto caps = ParseReportDescriptor(keyboard);
    ASSERT_EQ(caps.size(), 1u);
    EXPECT_EQ(caps[0].inputReportByteLength, 9);
    EXPECT_EQ(caps[0].outputReportByteLength, 2);
}

TEST(HidReportDescriptor, MalformedInputStaysInsideTheBuffer)
{
    const std::vector<std::vector<uint8_t>> inputs = {
        {},
        {0xA1},                         // collection with its data byte missing
        {0x27, 0xFF, 0xFF},             // 4-byte item cut short
        {0xFE, 0xFF},                   // long item claiming 255 data bytes
        {0xA1, 0x01, 0x75, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0xB1, 0x02}, // huge report, no end
        {0xC0, 0xC0, 0xB4, 0xB4},       // ends and pops without their openers
    };
    for (const auto& input : inputs) {
        // Copy into an exactly-sized heap block so a sanitizer catches any overread.
        std::vector<uint8_t> exact(input);
        const auto caps = ParseReportDescriptor(exact);
        for (const auto& c : caps)
            EXPECT_GE(c.featureReportByteLength, 0);
    }
}

} // namespace
} // namespace tarq
