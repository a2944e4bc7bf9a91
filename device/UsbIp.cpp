// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/UsbIp.h"

#include <algorithm>

namespace tarq::usbip {
namespace {

// Field offsets of the 48-byte header (all 32-bit, big-endian).
enum Offset : size_t {
    kCommand = 0, kSeqnum = 4, kDevid = 8, kDirection = 12, kEndpoint = 16,
    // CMD_SUBMIT
    kTransferFlags = 20, kBufferLength = 24, kStartFrame = 28, kPackets = 32, kInterval = 36, kSetup = 40,
    // RET_SUBMIT
    kStatus = 20, kActualLength = 24, kRetStartFrame = 28, kRetPackets = 32, kErrorCount = 36,
    // CMD_UNLINK
    kUnlinkSeqnum = 20,
};

uint32_t get32(std::span<const uint8_t> b, size_t at)
{
    return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) | b[at + 3];
}

void put32(std::span<uint8_t> b, size_t at, uint32_t v)
{
    b[at] = static_cast<uint8_t>(v >> 24);
    b[at + 1] = static_cast<uint8_t>(v >> 16);
    b[at + 2] = static_cast<uint8_t>(v >> 8);
    b[at + 3] = static_cast<uint8_t>(v);
}

std::vector<uint8_t> basic(uint32_t command, uint32_t seqnum, uint32_t devid, uint32_t direction, uint32_t endpoint)
{
    std::vector<uint8_t> out(kHeaderSize, 0);
    put32(out, kCommand, command);
    put32(out, kSeqnum, seqnum);
    put32(out, kDevid, devid);
    put32(out, kDirection, direction);
    put32(out, kEndpoint, endpoint);
    return out;
}

} // namespace

SetupPacket DecodeSetup(std::span<const uint8_t, 8> b)
{
    return {b[0], b[1], static_cast<uint16_t>(b[2] | (b[3] << 8)), static_cast<uint16_t>(b[4] | (b[5] << 8)),
            static_cast<uint16_t>(b[6] | (b[7] << 8))};
}

std::array<uint8_t, 8> EncodeSetup(const SetupPacket& s)
{
    return {s.requestType, s.request,
            static_cast<uint8_t>(s.value & 0xFF), static_cast<uint8_t>(s.value >> 8),
            static_cast<uint8_t>(s.index & 0xFF), static_cast<uint8_t>(s.index >> 8),
            static_cast<uint8_t>(s.length & 0xFF), static_cast<uint8_t>(s.length >> 8)};
}

std::optional<Incoming> DecodeCommand(std::span<const uint8_t, kHeaderSize> h)
{
    Incoming in;
    switch (get32(h, kCommand)) {
    case CmdSubmit: {
        in.command = CmdSubmit;
        Submit& s = in.submit;
        s.seqnum = get32(h, kSeqnum);
        s.devid = get32(h, kDevid);
        s.direction = get32(h, kDirection);
        s.endpoint = get32(h, kEndpoint);
        s.transferFlags = get32(h, kTransferFlags);
        s.transferBufferLength = static_cast<int32_t>(get32(h, kBufferLength));
        s.startFrame = static_cast<int32_t>(get32(h, kStartFrame));
        s.numberOfPackets = static_cast<int32_t>(get32(h, kPackets));
        s.interval = static_cast<int32_t>(get32(h, kInterval));
        std::copy_n(h.begin() + kSetup, 8, s.setup.begin());
        return in;
    }
    case CmdUnlink: {
        in.command = CmdUnlink;
        Unlink& u = in.unlink;
        u.seqnum = get32(h, kSeqnum);
        u.devid = get32(h, kDevid);
        u.direction = get32(h, kDirection);
        u.endpoint = get32(h, kEndpoint);
        u.unlinkSeqnum = get32(h, kUnlinkSeqnum);
        return in;
    }
    default:
        return std::nullopt;
    }
}

size_t PayloadLength(const Incoming& in)
{
    if (in.command != CmdSubmit || in.submit.direction != Out || in.submit.transferBufferLength <= 0)
        return 0;
    return static_cast<size_t>(in.submit.transferBufferLength);
}

std::vector<uint8_t> EncodeRetSubmit(const Submit& rq, int32_t status, std::span<const uint8_t> data, int32_t actualLength)
{
    // The answer names the request only by its seqnum; devid, direction and endpoint are 0.
    std::vector<uint8_t> out = basic(RetSubmit, rq.seqnum, 0, 0, 0);
    const bool in = rq.direction == In;
    const size_t room = static_cast<size_t>(std::max(rq.transferBufferLength, 0));
    const size_t sent = in ? std::min(data.size(), room) : 0;
    const int32_t actual = in ? static_cast<int32_t>(sent) : (actualLength >= 0 ? actualLength : 0);
    put32(out, kStatus, static_cast<uint32_t>(status));
    put32(out, kActualLength, static_cast<uint32_t>(status == kStatusOk ? actual : 0));
    put32(out, kRetStartFrame, static_cast<uint32_t>(rq.startFrame));
    put32(out, kRetPackets, static_cast<uint32_t>(rq.numberOfPackets));
    put32(out, kErrorCount, 0);
    if (status == kStatusOk)
        out.insert(out.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(sent));
    return out;
}

std::vector<uint8_t> EncodeRetUnlink(const Unlink& rq, int32_t status)
{
    std::vector<uint8_t> out = basic(RetUnlink, rq.seqnum, 0, 0, 0);
    put32(out, kStatus, static_cast<uint32_t>(status));
    return out;
}

std::vector<uint8_t> EncodeCmdSubmit(const Submit& s, std::span<const uint8_t> outData)
{
    std::vector<uint8_t> out = basic(CmdSubmit, s.seqnum, s.devid, s.direction, s.endpoint);
    put32(out, kTransferFlags, s.transferFlags);
    put32(out, kBufferLength, static_cast<uint32_t>(s.transferBufferLength));
    put32(out, kStartFrame, static_cast<uint32_t>(s.startFrame));
    put32(out, kPackets, static_cast<uint32_t>(s.numberOfPackets));
    put32(out, kInterval, static_cast<uint32_t>(s.interval));
    std::copy(s.setup.begin(), s.setup.end(), out.begin() + kSetup);
    if (s.direction == Out)
        out.insert(out.end(), outData.begin(), outData.end());
    return out;
}

std::vector<uint8_t> EncodeCmdUnlink(const Unlink& u)
{
    std::vector<uint8_t> out = basic(CmdUnlink, u.seqnum, u.devid, u.direction, u.endpoint);
    put32(out, kUnlinkSeqnum, u.unlinkSeqnum);
    return out;
}

RetSubmitHeader DecodeRetHeader(std::span<const uint8_t, kHeaderSize> h)
{
    return {get32(h, kCommand), get32(h, kSeqnum), static_cast<int32_t>(get32(h, kStatus)),
            static_cast<int32_t>(get32(h, kActualLength))};
}

} // namespace tarq::usbip
