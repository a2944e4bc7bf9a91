// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/DriverIoctl.h"
#include "device/emulator/EmulatedDriver.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarq {
namespace {

std::vector<uint8_t> request(uint32_t offset, uint32_t length, std::vector<uint8_t> data = {})
{
    std::vector<uint8_t> b(kStoreRequestHeader + length, 0);
    for (int i = 0; i < 4; ++i) {
        b[i] = static_cast<uint8_t>(offset >> (8 * i));
        b[4 + i] = static_cast<uint8_t>(length >> (8 * i));
    }
    std::copy(data.begin(), data.end(), b.begin() + kStoreRequestHeader);
    return b;
}

TEST(EmulatedDriver, StoreWritesAndReadsBackThroughTheRequests)
{
    EmulatedDriver driver;
    size_t returned = 0;
    ASSERT_TRUE(driver.ioControl(IoctlWriteStore, request(240, 3, {0, 0, 7}), {}, returned));
    auto buffer = request(240, 3);
    ASSERT_TRUE(driver.ioControl(IoctlReadStore, buffer, buffer, returned));
    EXPECT_EQ(returned, 11u);
    EXPECT_EQ(buffer[10], 7);

    driver.cpiLedRecord = {1, 2, 3, 4};
    std::array<uint8_t, 4> record{};
    ASSERT_TRUE(driver.ioControl(IoctlGetCpiLed, {}, record, returned));
    EXPECT_EQ(record, driver.cpiLedRecord);
}

TEST(EmulatedDriver, RefusesRangesOutsideTheStoreAndUnknownCodes)
{
    EmulatedDriver driver;
    size_t returned = 0;
    auto beyond = request(kDriverStoreSize - 2, 4);
    EXPECT_FALSE(driver.ioControl(IoctlReadStore, beyond, beyond, returned));
    EXPECT_FALSE(driver.ioControl(IoctlWriteStore, {beyond.data(), 3}, {}, returned));
    EXPECT_FALSE(driver.ioControl(0x223E10, {}, {}, returned));
    driver.rejectRequests = true;
    auto ok = request(0, 4);
    EXPECT_FALSE(driver.ioControl(IoctlReadStore, ok, ok, returned));
}

} // namespace
} // namespace tarq
