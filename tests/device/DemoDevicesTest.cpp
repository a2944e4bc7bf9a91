// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/DefaultImages.h"
#include "device/DeviceLink.h"
#include "device/FeatureProtocol.h"
#include "device/ImageTransfer.h"
#include "device/emulator/DemoDevices.h"
#include "device/emulator/VirtualWaiter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace tarq {
namespace {

TEST(DemoDevices, StartsFromTheDefaultImageAndSavesOncePerTransfer)
{
    std::map<std::string, std::vector<uint8_t>> saved;
    int saves = 0;
    const auto dir = std::filesystem::temp_directory_path() / "tarq-demo-test";
    std::filesystem::remove_all(dir);
    DemoFiles files{(dir / "mouse.bin").string(), (dir / "store.bin").string(),
                    [&](const std::string& path, std::span<const uint8_t> bytes) {
                        ++saves;
                        saved[path].assign(bytes.begin(), bytes.end());
                        return true;
                    }};
    DemoDevices demo(files);
    EXPECT_TRUE(std::equal(DefaultImage(1).begin(), DefaultImage(1).end(), demo.mouse().memory().begin()));

    DeviceLink link(demo.hidBus(), &demo.driverBus());
    VirtualWaiter waiter;
    FeatureProtocol protocol(link, waiter);
    int version = kMouseVersion;
    ASSERT_TRUE(link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version));
    std::vector<uint8_t> image(DefaultImage(1).begin(), DefaultImage(1).end());
    image[0x200] ^= 0xFF;
    EXPECT_TRUE(WriteImageToMouse(protocol, image, false).verify.verified());
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(saved[files.mouseMemory], image);

    // A file of the right size is where the next run starts.
    std::filesystem::create_directories(dir);
    std::ofstream(files.mouseMemory, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
    DemoDevices again(files);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), again.mouse().memory().begin()));

    again.setMousePlugged(false);
    DeviceLink unplugged(again.hidBus(), &again.driverBus());
    EXPECT_FALSE(unplugged.OpenMouseInterface(kMouseVendorId, kMouseProductId, version));
    EXPECT_FALSE(unplugged.OpenDriverDevice(again.mouse().driverIdentifier));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace tarq
