// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/DeviceLink.h"
#include "device/emulator/EmulatedDriver.h"
#include "device/emulator/EmulatedHidBus.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

EmulatedHidBus::Interface iface(std::string path, HidAttributes a, bool openable = true,
                                std::shared_ptr<EmulatedMouse> fw = nullptr)
{
    return {std::move(path), a, openable, true, std::move(fw)};
}

const HidAttributes kConfig{kMouseVendorId, kMouseProductId, kMouseVersion, 8};

TEST(DeviceLink, FindsTheConfigurationInterfaceAmongOthers)
{
    auto mouse = std::make_shared<EmulatedMouse>();
    auto bus = EmulatedHidBus::withMouse(mouse);
    DeviceLink link(*bus);
    link.ResetLink();
    EXPECT_EQ(link.DeviceIdTable[0].vendorId, kMouseVendorId);
    EXPECT_EQ(link.DeviceIdTable[1].vendorId, 0);
    int version = kMouseVersion;
    ASSERT_TRUE(link.OpenMouseInterface(link.DeviceIdTable[0].vendorId, link.DeviceIdTable[0].productId, version));
    EXPECT_TRUE(link.mouseOpen());
    EXPECT_EQ(link.CurrentVendorId, kMouseVendorId);
    EXPECT_EQ(link.CurrentProductId, kMouseProductId);
    EXPECT_EQ(link.FeatureReportLength, 8);
    EXPECT_EQ(version, kMouseVersion);
}

TEST(DeviceLink, MatchingNeedsVersionAndEightByteFeatureReports)
{
    struct Case { const char* name; HidAttributes attributes; bool found; };
    const Case cases[] = {
        {"the mouse", kConfig, true},
        {"another firmware version", {kMouseVendorId, kMouseProductId, 0x0105, 8}, false},
        {"the pointer interface", {kMouseVendorId, kMouseProductId, kMouseVersion, 0}, false},
        {"another report length", {kMouseVendorId, kMouseProductId, kMouseVersion, 9}, false},
        {"another product", {kMouseVendorId, static_cast<uint16_t>(kMouseProductId + 1), kMouseVersion, 8}, false},
        {"another vendor", {static_cast<uint16_t>(kMouseVendorId + 1), kMouseProductId, kMouseVersion, 8}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EmulatedHidBus bus;
        bus.add(iface("a", c.attributes));
        DeviceLink link(bus);
        int version = kMouseVersion;
        EXPECT_EQ(link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version), c.found);
        EXPECT_EQ(link.mouseOpen(), c.found);
        EXPECT_EQ(link.CurrentVendorId, c.found ? kMouseVendorId : 0);
    }
}

TEST(DeviceLink, LastMatchStaysAndAFailedSearchKeepsTheState)
{
    auto first = std::make_shared<EmulatedMouse>();
    auto second = std::make_shared<EmulatedMouse>();
    EmulatedHidBus bus;
    bus.add(iface("first", kConfig, true, first));
    bus.add(iface("second", kConfig, true, second));
    DeviceLink link(bus);
    int version = kMouseVersion;
    ASSERT_TRUE(link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version));
    const std::array<uint8_t, 8> report{4, 1, 0, 0, 0, 0, 0, 0};
    link.HidHandle->setFeature(report);
    EXPECT_TRUE(first->log.empty());
    EXPECT_EQ(second->log.size(), 1u);

    bus.setMousePresent(first, false);
    bus.setMousePresent(second, false);
    EXPECT_FALSE(link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version));
    EXPECT_TRUE(link.mouseOpen());
    EXPECT_EQ(link.CurrentVendorId, kMouseVendorId);
}

TEST(DeviceLink, CountsOnlyInterfacesThatOpen)
{
    EmulatedHidBus bus;
    bus.add(iface("open-1", kConfig));
    bus.add(iface("held-exclusively", kConfig, false));
    bus.add(iface("open-2", {1, 2, 3, 0}));
    bus.add(iface("", kConfig)); // an interface without a path
    // Counted: it refuses only for lack of permission, as Windows would still open it for its
    // attributes. It is never opened.
    EmulatedHidBus::Interface noRights = iface("no-rights", kConfig, false);
    noRights.refusal = HidOpenFailure::PermissionDenied;
    bus.add(noRights);
    DeviceLink link(bus);
    EXPECT_EQ(link.CountHidInterfaces(), 3);
    EXPECT_EQ(bus.permissionRefusedPath(kMouseVendorId, kMouseProductId), "no-rights");
    int version = kMouseVersion;
    EXPECT_TRUE(link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version));
    bus.find("open-1")->openable = false;
    EXPECT_EQ(link.CountHidInterfaces(), 2);
}

TEST(DeviceLink, CloseForgetsTheIdentity)
{
    auto mouse = std::make_shared<EmulatedMouse>();
    auto bus = EmulatedHidBus::withMouse(mouse);
    DeviceLink link(*bus);
    int version = kMouseVersion;
    ASSERT_TRUE(link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version));
    link.CloseMouse();
    EXPECT_FALSE(link.mouseOpen());
    EXPECT_EQ(link.CurrentVendorId, 0);
    EXPECT_EQ(link.CurrentProductId, 0);
}

TEST(DeviceLink, DriverPathIdentifierReadsCharacters55To58)
{
    const std::string pad(54, 'x');
    struct Case { std::string path; int identifier; };
    const Case cases[] = {
        {pad + "1A2b", 0x1A2B},
        {pad + "00ff#{902e3649}", 0x00FF},
        {pad + "1A2", -1},           // 57 characters: shorter than 58
        {pad + "12G4", -1},
        {pad + " 123", -1},
        {"", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DriverPathIdentifier(c.path), c.identifier) << c.path;
}

TEST(DeviceLink, OpensTheDriverInterfaceThatCarriesTheIdentifier)
{
    auto driver = std::make_shared<EmulatedDriver>();
    EmulatedDriverBus driverBus(driver, 0x1234);
    driverBus.addPath(std::string(40, 'y'));            // too short to carry an identifier
    driverBus.addPath(EmulatedDriverBus::pathFor(0x4321));
    EmulatedHidBus hidBus;
    DeviceLink link(hidBus, &driverBus);
    EXPECT_FALSE(link.OpenDriverDevice(0x9999));
    EXPECT_EQ(link.DriverHandle, nullptr);
    EXPECT_TRUE(link.OpenDriverDevice(0x1234));
    EXPECT_NE(link.DriverHandle, nullptr);

    EmulatedDriverBus refusing(driver, 0x1234);
    refusing.setPresent(false);
    DeviceLink other(hidBus, &refusing);
    EXPECT_FALSE(other.OpenDriverDevice(0x1234));
    DeviceLink noDriver(hidBus, nullptr);
    EXPECT_FALSE(noDriver.OpenDriverDevice(0x1234));
}

} // namespace
} // namespace tarq
