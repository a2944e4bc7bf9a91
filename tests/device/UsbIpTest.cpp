// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/UsbIp.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarq::usbip {
namespace {

std::span<const uint8_t, kHeaderSize> head(const std::vector<uint8_t>& bytes)
{
    return std::span<const uint8_t, kHeaderSize>(bytes.data(), kHeaderSize);
}

// A CMD_SUBMIT as vhci-hcd puts it on the wire: GET_DESCRIPTOR(device, 18) on endpoint 0.
const std::vector<uint8_t> kGetDeviceDescriptor = {
    0x00, 0x00, 0x00, 0x01,  0x00, 0x00, 0x00, 0x05,  0x00, 0x01, 0x00, 0x02,  0x00, 0x00, 0x00, 0x01,
    0x00, 0x00, 0x00, 0x00,  0x00, 0x00, 0x02, 0x00,  0x00, 0x00, 0x00, 0x12,  0x00, 0x00, 0x00, 0x00,
    0xFF, 0xFF, 0xFF, 0xFF,  0x00, 0x00, 0x00, 0x00,  0x80, 0x06, 0x00, 0x01, 0x00, 0x00, 0x12, 0x00};

TEST(UsbIp, DecodesSubmitFieldsAndSetup)
{
    const auto in = DecodeCommand(head(kGetDeviceDescriptor));
    ASSERT_TRUE(in);
    EXPECT_EQ(in->command, CmdSubmit);
    EXPECT_EQ(in->submit.seqnum, 5u);
    EXPECT_EQ(in->submit.devid, 0x00010002u);
    EXPECT_EQ(in->submit.direction, In);
    EXPECT_EQ(in->submit.endpoint, 0u);
    EXPECT_EQ(in->submit.transferFlags, 0x200u);
    EXPECT_EQ(in->submit.transferBufferLength, 18);
    EXPECT_EQ(in->submit.numberOfPackets, -1);
    EXPECT_EQ(PayloadLength(*in), 0u); // IN: no data follows the header

    const SetupPacket s = DecodeSetup(in->submit.setup);
    EXPECT_EQ(s.requestType, 0x80);
    EXPECT_EQ(s.request, 0x06);
    EXPECT_EQ(s.value, 0x0100);
    EXPECT_EQ(s.index, 0);
    EXPECT_EQ(s.length, 18);
    EXPECT_TRUE(s.deviceToHost());
    EXPECT_EQ(EncodeSetup(s), in->submit.setup);
}

TEST(UsbIp, SubmitAndUnlinkSurviveARoundTrip)
{
    Submit out;
    out.seqnum = 0x01020304;
    out.devid = 0x00010003;
    out.direction = Out;
    out.transferBufferLength = 8;
    out.setup = EncodeSetup({0x21, 0x09, 0x0304, 1, 8});
    const std::vector<uint8_t> report = {4, 1, 0, 0, 0, 0, 0, 0};
    const auto wire = EncodeCmdSubmit(out, report);
    ASSERT_EQ(wire.size(), kHeaderSize + 8);
    const auto in = DecodeCommand(head(wire));
    ASSERT_TRUE(in);
    EXPECT_EQ(in->submit.seqnum, out.seqnum);
    EXPECT_EQ(PayloadLength(*in), 8u);
    EXPECT_EQ(DecodeSetup(in->submit.setup).value, 0x0304);

    const auto unlinkWire = EncodeCmdUnlink({9, 0x00010003, Out, 0, 0x01020304});
    ASSERT_EQ(unlinkWire.size(), kHeaderSize);
    const auto unlink = DecodeCommand(head(unlinkWire));
    ASSERT_TRUE(unlink);
    EXPECT_EQ(unlink->command, CmdUnlink);
    EXPECT_EQ(unlink->unlink.seqnum, 9u);
    EXPECT_EQ(unlink->unlink.unlinkSeqnum, 0x01020304u);
    EXPECT_EQ(PayloadLength(*unlink), 0u);
}

TEST(UsbIp, RejectsAnswersAndUnknownCommands)
{
    for (const uint8_t command : {0, 3, 4, 5, 0x80}) {
        std::vector<uint8_t> h(kHeaderSize, 0);
        h[3] = command;
        EXPECT_FALSE(DecodeCommand(head(h))) << int(command);
    }
}

TEST(UsbIp, RetSubmitCarriesStatusLengthAndOnlyInData)
{
    struct Case {
        const char* name;
        uint32_t direction;
        int32_t bufferLength;
        int32_t status;
        std::vector<uint8_t> data;
        int32_t outTaken;
        int32_t actual;
        size_t dataOnWire;
    };
    const std::vector<Case> cases = {
        {"IN data", In, 18, kStatusOk, std::vector<uint8_t>(18, 0xAB), -1, 18, 18},
        {"IN data cut to the host's buffer", In, 8, kStatusOk, std::vector<uint8_t>(18, 0xAB), -1, 8, 8},
        {"IN stall carries nothing", In, 8, kStatusStall, std::vector<uint8_t>(8, 1), -1, 0, 0},
        {"OUT takes the host's bytes", Out, 8, kStatusOk, {}, 8, 8, 0},
        {"OUT without data", Out, 0, kStatusOk, {}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Submit rq;
        rq.seqnum = 77;
        rq.devid = 0x00010002;
        rq.direction = c.direction;
        rq.transferBufferLength = c.bufferLength;
        rq.numberOfPackets = -1;
        const auto wire = EncodeRetSubmit(rq, c.status, c.data, c.outTaken);
        ASSERT_EQ(wire.size(), kHeaderSize + c.dataOnWire) << c.name;
        const RetSubmitHeader h = DecodeRetHeader(head(wire));
        EXPECT_EQ(h.command, RetSubmit) << c.name;
        EXPECT_EQ(h.seqnum, 77u) << c.name;
        EXPECT_EQ(h.status, c.status) << c.name;
        EXPECT_EQ(h.actualLength, c.actual) << c.name;
        // devid, direction and endpoint are zero in an answer; the packet count is echoed.
        EXPECT_EQ(std::vector<uint8_t>(wire.begin() + 8, wire.begin() + 20), std::vector<uint8_t>(12, 0)) << c.name;
        EXPECT_EQ(std::vector<uint8_t>(wire.begin() + 32, wire.begin() + 36), std::vector<uint8_t>(4, 0xFF)) << c.name;
    }
}

TEST(UsbIp, RetUnlinkNamesTheUnlinkRequest)
{
    const auto wire = EncodeRetUnlink({12, 0x00010002, Out, 0, 11}, kStatusUnlinked);
    ASSERT_EQ(wire.size(), kHeaderSize);
    const std::vector<uint8_t> expectedStart = {0, 0, 0, 4, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x98};
    EXPECT_EQ(std::vector<uint8_t>(wire.begin(), wire.begin() + 24), expectedStart);
    EXPECT_EQ(std::vector<uint8_t>(wire.begin() + 24, wire.end()), std::vector<uint8_t>(24, 0));
}

} // namespace
} // namespace tarq::usbip
