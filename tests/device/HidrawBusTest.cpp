// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/hidraw/HidrawBus.h"

#include "device/MouseIdentity.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace tarq {
namespace {

// A sysfs and /dev tree of plain files laid out as the kernel lays out a USB mouse with a
// vendor interface, its pointer interface, and a node whose device file is missing.
class HidrawTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("tarq-hidraw-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "dev");
        const std::vector<uint8_t> vendor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x04, 0x09, 0x02,
                                             0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0xC0};
        const std::vector<uint8_t> pointer = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x03, 0x81, 0x06, 0xC0};
        addNode("hidraw10", "1-2:1.1", vendor, true);
        addNode("hidraw2", "1-2:1.0", pointer, true);
        addNode("hidraw3", "1-2:1.2", pointer, false);
        writeFile(root / "sys/devices/usb1/1-2/bcdDevice", "0104\n");
    }
    void TearDown() override { fs::remove_all(root); }

    void addNode(const std::string& name, const std::string& usbInterface, const std::vector<uint8_t>& descriptor, bool deviceFile)
    {
        const fs::path hid = root / "sys/devices/usb1/1-2" / usbInterface / ("0003:1209:0001." + name);
        fs::create_directories(hid);
        char uevent[64];
        std::snprintf(uevent, sizeof uevent, "DRIVER=hid-generic\nHID_ID=0003:%08X:%08X\n", kMouseVendorId, kMouseProductId);
        writeFile(hid / "uevent", uevent);
        writeFile(hid / "report_descriptor", std::string(descriptor.begin(), descriptor.end()));
        fs::create_directories(root / "sys/class/hidraw" / name);
        fs::create_directory_symlink(hid, root / "sys/class/hidraw" / name / "device");
        if (deviceFile)
            writeFile(root / "dev" / name, "");
    }

    static void writeFile(const fs::path& p, const std::string& text)
    {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }

    fs::path root;
};

TEST_F(HidrawTree, EnumeratesNodesInNumericOrder)
{
    HidrawBus bus((root / "sys").string(), (root / "dev").string());
    const auto paths = bus.interfacePaths();
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(fs::path(paths[0]).filename(), "hidraw2");
    EXPECT_EQ(fs::path(paths[1]).filename(), "hidraw3");
    EXPECT_EQ(fs::path(paths[2]).filename(), "hidraw10");
}

TEST_F(HidrawTree, ReadsIdentityVersionAndFeatureLength)
{
    HidrawBus bus((root / "sys").string(), (root / "dev").string());
    auto vendor = bus.open((root / "dev/hidraw10").string());
    ASSERT_NE(vendor, nullptr);
    const HidAttributes a = vendor->attributes();
    EXPECT_EQ(a.vendorId, kMouseVendorId);
    EXPECT_EQ(a.productId, kMouseProductId);
    EXPECT_EQ(a.version, 0x0104);
    EXPECT_EQ(a.featureReportLength, 8); // 7 data bytes and the report-ID byte
    EXPECT_EQ(bus.open((root / "dev/hidraw2").string())->attributes().featureReportLength, 0);
    EXPECT_EQ(bus.open((root / "dev/hidraw3").string()), nullptr);

    // Feature reports on something that is not a hidraw node fail with a reason.
    std::array<uint8_t, 8> report{4, 1};
    EXPECT_FALSE(vendor->setFeature(report));
    EXPECT_NE(vendor->lastError().find("hidraw10"), std::string::npos);
    EXPECT_FALSE(vendor->gone()); // a failure of a node that is still there is not an unplug
    fs::remove(root / "dev/hidraw10");
    EXPECT_FALSE(vendor->getFeature(report));
    EXPECT_TRUE(vendor->gone()); // the node vanished: the device is gone, retries cannot help
}

// Opening a hidraw node needs read and write rights. A node that refuses for lack of them is
// counted (Windows counts every interface, opening with access 0), and the mouse's node among
// them is named so that the user can be told how to fix it.
TEST_F(HidrawTree, NodesRefusedForPermissionAreCountedAndNamed)
{
    HidrawBus bus((root / "sys").string(), (root / "dev").string());
    fs::permissions(root / "dev/hidraw10", fs::perms::none);
    fs::permissions(root / "dev/hidraw2", fs::perms::none);
    // The root user passes every permission check: act as an ordinary user for the calls.
    struct AsUser {
        bool switched = ::geteuid() == 0 && ::seteuid(65534) == 0;
        ~AsUser() { if (switched) (void)::seteuid(0); }
    };
    int count = 0;
    std::string refused, refusedOther;
    bool opened = true;
    {
        AsUser user;
        for (const std::string& path : bus.interfacePaths())
            count += bus.countable(path);
        refused = bus.permissionRefusedPath(kMouseVendorId, kMouseProductId);
        refusedOther = bus.permissionRefusedPath(0x046D, 0xC077);
        opened = bus.open((root / "dev/hidraw10").string()) != nullptr;
    }
    EXPECT_FALSE(opened);
    EXPECT_EQ(count, 2); // hidraw2 and hidraw10; hidraw3 has no device file at all
    EXPECT_EQ(fs::path(refused).filename(), "hidraw10"); // the pointer node hidraw2 is not the mouse's
    EXPECT_EQ(refusedOther, "");
}

// A node this user may not open must still be recognised as the mouse, to say why it fails.
TEST_F(HidrawTree, DescribesWithoutOpeningAndSaysWhyAnOpenFailed)
{
    HidrawBus bus((root / "sys").string(), (root / "dev").string());
    const HidAttributes unopenable = bus.describe((root / "dev/hidraw3").string());
    EXPECT_EQ(unopenable.vendorId, kMouseVendorId);
    EXPECT_EQ(unopenable.productId, kMouseProductId);
    EXPECT_EQ(unopenable.version, 0x0104);
    EXPECT_EQ(bus.describe((root / "dev/hidraw10").string()).featureReportLength, 8);
    EXPECT_EQ(bus.describe((root / "dev/hidraw99").string()).vendorId, 0);

    EXPECT_EQ(bus.open((root / "dev/hidraw3").string()), nullptr);
    EXPECT_EQ(bus.lastOpenFailure(), HidOpenFailure::Gone);
    if (::geteuid() != 0) { // root opens whatever the permission bits say
        fs::permissions(root / "dev/hidraw10", fs::perms::none);
        EXPECT_EQ(bus.open((root / "dev/hidraw10").string()), nullptr);
        EXPECT_EQ(bus.lastOpenFailure(), HidOpenFailure::PermissionDenied);
    }
}

TEST(HidrawBus, MissingSysfsGivesNoInterfaces)
{
    HidrawBus bus("/nonexistent-sys", "/nonexistent-dev");
    EXPECT_TRUE(bus.interfacePaths().empty());
}

} // namespace
} // namespace tarq
