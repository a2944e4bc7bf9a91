// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/emulator/VirtualUsbMouse.h"

#include "device/FeatureProtocol.h"
#include "device/MouseIdentity.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

using usbip::SetupPacket;

// A host written as the kernel's vhci-hcd talks: control transfers on endpoint 0, each a
// CMD_SUBMIT with the next seqnum; answers decoded back.
class UsbHost {
public:
    explicit UsbHost(VirtualUsbMouse& device) : device_(device) {}

    struct Result {
        bool answered = false;
        int32_t status = 0;
        std::vector<uint8_t> data;
        uint32_t seqnum = 0;
    };

    Result control(const SetupPacket& setup, std::vector<uint8_t> out = {})
    {
        usbip::Incoming in;
        in.command = usbip::CmdSubmit;
        in.submit.seqnum = ++seqnum_;
        in.submit.devid = 0x00010002;
        in.submit.direction = setup.deviceToHost() ? usbip::In : usbip::Out;
        in.submit.transferBufferLength = setup.length;
        in.submit.numberOfPackets = -1;
        in.submit.setup = usbip::EncodeSetup(setup);
        return decode(in.submit.seqnum, device_.handle(in, out));
    }

    Result interruptIn(uint32_t endpoint)
    {
        usbip::Incoming in;
        in.submit.seqnum = ++seqnum_;
        in.submit.direction = usbip::In;
        in.submit.endpoint = endpoint;
        in.submit.transferBufferLength = 8;
        return decode(in.submit.seqnum, device_.handle(in, {}));
    }

    int32_t unlink(uint32_t seqnum)
    {
        usbip::Incoming in;
        in.command = usbip::CmdUnlink;
        in.unlink.seqnum = ++seqnum_;
        in.unlink.unlinkSeqnum = seqnum;
        const auto answers = device_.handle(in, {});
        EXPECT_EQ(answers.size(), 1u);
        const auto h = usbip::DecodeRetHeader(std::span<const uint8_t, usbip::kHeaderSize>(answers[0].data(), usbip::kHeaderSize));
        EXPECT_EQ(h.command, usbip::RetUnlink);
        EXPECT_EQ(h.seqnum, seqnum_);
        return h.status;
    }

    Result setFeature(std::vector<uint8_t> report) { return control({0x21, 0x09, 0x0304, usb::kConfigInterface, 8}, std::move(report)); }
    Result getFeature() { return control({0xA1, 0x01, 0x0304, usb::kConfigInterface, 8}); }

private:
    Result decode(uint32_t seqnum, const std::vector<std::vector<uint8_t>>& answers)
    {
        Result r;
        r.seqnum = seqnum;
        if (answers.empty())
            return r;
        EXPECT_EQ(answers.size(), 1u);
        const auto& a = answers[0];
        const auto h = usbip::DecodeRetHeader(std::span<const uint8_t, usbip::kHeaderSize>(a.data(), usbip::kHeaderSize));
        EXPECT_EQ(h.command, usbip::RetSubmit);
        EXPECT_EQ(h.seqnum, seqnum);
        r.answered = true;
        r.status = h.status;
        r.data.assign(a.begin() + usbip::kHeaderSize, a.end());
        return r;
    }

    VirtualUsbMouse& device_;
    uint32_t seqnum_ = 0;
};

class VirtualUsbMouseTest : public ::testing::Test {
protected:
    std::shared_ptr<EmulatedMouse> mouse = std::make_shared<EmulatedMouse>();
    VirtualUsbMouse device{mouse, {kMouseVendorId, kMouseProductId, 0x0104}};
    UsbHost host{device};
};

// What a kernel asks while it enumerates the device and binds the HID driver.
TEST_F(VirtualUsbMouseTest, AnswersEnumerationRequests)
{
    struct Case {
        const char* name;
        SetupPacket setup;
        int32_t status;
        std::vector<uint8_t> data;
    };
    const auto device18 = usb::DeviceDescriptor({kMouseVendorId, kMouseProductId, 0x0104});
    const auto config = usb::ConfigurationDescriptor();
    const auto configReport = usb::ConfigReportDescriptor();
    const auto pointerReport = usb::PointerReportDescriptor();
    const std::vector<Case> cases = {
        {"device descriptor, first 8 bytes", {0x80, 0x06, 0x0100, 0, 8}, 0, {device18.begin(), device18.begin() + 8}},
        {"device descriptor asked with 64", {0x80, 0x06, 0x0100, 0, 64}, 0, device18},
        {"configuration head", {0x80, 0x06, 0x0200, 0, 9}, 0, {config.begin(), config.begin() + 9}},
        {"whole configuration", {0x80, 0x06, 0x0200, 0, 255}, 0, config},
        {"second configuration does not exist", {0x80, 0x06, 0x0201, 0, 9}, usbip::kStatusStall, {}},
        {"languages", {0x80, 0x06, 0x0300, 0, 255}, 0, {4, 3, 0x09, 0x04}},
        {"unknown string", {0x80, 0x06, 0x0309, 0x0409, 255}, usbip::kStatusStall, {}},
        {"set configuration", {0x00, 0x09, 1, 0, 0}, 0, {}},
        {"get configuration", {0x80, 0x08, 0, 0, 1}, 0, {1}},
        {"get status", {0x80, 0x00, 0, 0, 2}, 0, {0, 0}},
        {"report descriptor, pointer", {0x81, 0x06, 0x2200, 0, 255}, 0, {pointerReport.begin(), pointerReport.end()}},
        {"report descriptor, configuration", {0x81, 0x06, 0x2200, 1, 255}, 0, {configReport.begin(), configReport.end()}},
        {"report descriptor of no interface", {0x81, 0x06, 0x2200, 2, 255}, usbip::kStatusStall, {}},
        {"set idle", {0x21, 0x0A, 0, 1, 0}, 0, {}},
        {"set protocol", {0x21, 0x0B, 1, 0, 0}, 0, {}},
        {"input report of the pointer", {0xA1, 0x01, 0x0100, 0, 4}, 0, {0, 0, 0, 0}},
        {"feature report of the pointer", {0xA1, 0x01, 0x0304, 0, 8}, usbip::kStatusStall, {}},
        {"output report", {0x21, 0x09, 0x0204, 1, 0}, usbip::kStatusStall, {}},
        {"vendor request", {0xC0, 0x01, 0, 0, 4}, usbip::kStatusStall, {}},
    };
    for (const Case& c : cases) {
        const auto r = host.control(c.setup);
        EXPECT_TRUE(r.answered) << c.name;
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.data, c.data) << c.name;
    }
    EXPECT_TRUE(device.configured());
    EXPECT_EQ(device.featureReports(), 0);
    EXPECT_TRUE(mouse->log.empty()); // none of it reached the firmware
}

// A feature report set and got through the USB level reaches the firmware byte for byte.
TEST_F(VirtualUsbMouseTest, FeatureReportsReachTheFirmware)
{
    mouse->memory()[0x10] = 0x5A;
    for (const std::vector<uint8_t>& rq : std::vector<std::vector<uint8_t>>{{4, CmdOpen, 0, 0, 0, 0, 0, 0},
                                                                             {4, CmdStatus, 0, 0, 0, 0, 0, 0},
                                                                             {4, CmdReadWindow, 0x10, 0, 1, 0, 0, 0},
                                                                             {4, CmdReadChunk, 0, 0, 0, 0, 0, 0}}) {
        const auto set = host.setFeature(rq);
        ASSERT_TRUE(set.answered);
        EXPECT_EQ(set.status, 0);
        const auto get = host.getFeature();
        ASSERT_TRUE(get.answered);
        ASSERT_EQ(get.data.size(), 8u);
        EXPECT_EQ(get.data[0], 4);
        EXPECT_EQ(get.data[7], 0xCC) << "command " << int(rq[1]);
        if (rq[1] == CmdReadChunk) {
            EXPECT_EQ(get.data[1], 0x5A);
        }
    }
    EXPECT_EQ(device.featureReports(), 8);
    EXPECT_EQ(mouse->requestsSent().size(), 4u);
    EXPECT_TRUE(mouse->refused.empty());
}

// The firmware's fault switches show at the USB level: a wrong acknowledgement arrives as data,
// a report of another ID is refused with a stall, and the report that unplugs the mouse ends
// as a transfer to a device pulled out mid-transfer.
TEST_F(VirtualUsbMouseTest, FirmwareFaultsShowThroughTheUsbLevel)
{
    mouse->faults.wrongAck = 0x01;
    ASSERT_EQ(host.setFeature({4, CmdOpen, 0, 0, 0, 0, 0, 0}).status, 0);
    EXPECT_EQ(host.getFeature().data.at(7), 0x01);

    const auto foreign = host.setFeature({5, CmdOpen, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(foreign.status, usbip::kStatusStall);
    const auto shortReport = host.setFeature({4, CmdOpen});
    EXPECT_EQ(shortReport.status, usbip::kStatusStall);

    mouse->faults = {};
    mouse->faults.unplugAfterReports = mouse->reportsSeen() + 1;
    EXPECT_TRUE(host.setFeature({4, CmdOpen, 0, 0, 0, 0, 0, 0}).answered);
    EXPECT_FALSE(device.unplugged());
    const auto pulled = host.getFeature();
    EXPECT_EQ(pulled.status, usbip::kStatusShutdown);
    EXPECT_TRUE(pulled.data.empty());
    EXPECT_TRUE(device.unplugged());
    EXPECT_EQ(host.setFeature({4, CmdOpen, 0, 0, 0, 0, 0, 0}).status, usbip::kStatusShutdown);
}

// The USB-level switch: from the chosen report on, feature transfers stay pending until the host
// takes them back; taking back an answered transfer says it had already completed.
TEST_F(VirtualUsbMouseTest, HungControlTransfersWaitForTheHostsUnlink)
{
    device.hangAfterReports = 1;
    const auto first = host.setFeature({4, CmdOpen, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(first.answered);
    const auto hung = host.getFeature();
    EXPECT_FALSE(hung.answered);
    EXPECT_EQ(device.hungTransfers(), 1u);
    EXPECT_EQ(mouse->log.size(), 1u); // the hung report never reached the firmware
    // Enumeration requests still complete.
    EXPECT_TRUE(host.control({0x80, 0x06, 0x0100, 0, 18}).answered);

    EXPECT_EQ(host.unlink(hung.seqnum), usbip::kStatusUnlinked);
    EXPECT_EQ(device.hungTransfers(), 0u);
    EXPECT_EQ(host.unlink(first.seqnum), usbip::kStatusOk);
    EXPECT_EQ(host.unlink(hung.seqnum), usbip::kStatusOk);
}

TEST_F(VirtualUsbMouseTest, InterruptInWaitsUntilUnlinked)
{
    const auto pointer = host.interruptIn(1);
    const auto config = host.interruptIn(2);
    EXPECT_FALSE(pointer.answered);
    EXPECT_FALSE(config.answered);
    EXPECT_EQ(device.pendingTransfers(), 2u);
    EXPECT_EQ(device.hungTransfers(), 0u);
    EXPECT_EQ(host.unlink(config.seqnum), usbip::kStatusUnlinked);
    EXPECT_EQ(host.unlink(pointer.seqnum), usbip::kStatusUnlinked);
    EXPECT_EQ(device.pendingTransfers(), 0u);
}

} // namespace
} // namespace tarq
