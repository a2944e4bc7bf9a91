// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The USB/IP messages a host controller of the kernel (vhci-hcd) exchanges with a device served
// from user space once the device is attached: CMD_SUBMIT and CMD_UNLINK come in, RET_SUBMIT
// and RET_UNLINK go out. Every message starts with a 48-byte header of big-endian 32-bit
// fields; the setup packet inside it keeps USB's own little-endian order.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarq::usbip {

constexpr size_t kHeaderSize = 48;

enum Command : uint32_t { CmdSubmit = 1, CmdUnlink = 2, RetSubmit = 3, RetUnlink = 4 };
enum Direction : uint32_t { Out = 0, In = 1 };

// Status codes of RET_SUBMIT and RET_UNLINK: negated Linux errno values.
constexpr int32_t kStatusOk = 0;
constexpr int32_t kStatusStall = -32;        // -EPIPE: the device refused the request
constexpr int32_t kStatusUnlinked = -104;    // -ECONNRESET: the request was taken back
constexpr int32_t kStatusShutdown = -108;    // -ESHUTDOWN: the device left the bus mid-transfer

// A control transfer's setup packet (USB 2.0 9.3).
struct SetupPacket {
    uint8_t requestType = 0;
    uint8_t request = 0;
    uint16_t value = 0;
    uint16_t index = 0;
    uint16_t length = 0;

    bool deviceToHost() const { return requestType & 0x80; }
    int type() const { return (requestType >> 5) & 3; }      // 0 standard, 1 class, 2 vendor
    int recipient() const { return requestType & 0x1F; }     // 0 device, 1 interface, 2 endpoint
};

SetupPacket DecodeSetup(std::span<const uint8_t, 8> bytes);
std::array<uint8_t, 8> EncodeSetup(const SetupPacket& setup);

struct Submit {
    uint32_t seqnum = 0;
    uint32_t devid = 0;
    uint32_t direction = Out;
    uint32_t endpoint = 0;
    uint32_t transferFlags = 0;
    int32_t transferBufferLength = 0;
    int32_t startFrame = 0;
    int32_t numberOfPackets = 0;
    int32_t interval = 0;
    std::array<uint8_t, 8> setup{};
};

struct Unlink {
    uint32_t seqnum = 0;
    uint32_t devid = 0;
    uint32_t direction = Out;
    uint32_t endpoint = 0;
    uint32_t unlinkSeqnum = 0; // the CMD_SUBMIT to take back
};

// One incoming header. An OUT submit is followed by transferBufferLength bytes of data (and a
// submit with ISO packets by their descriptors; this device has no isochronous endpoint).
struct Incoming {
    Command command = CmdSubmit;
    Submit submit;  // CMD_SUBMIT
    Unlink unlink;  // CMD_UNLINK
};

// Nothing for a header whose command is not CMD_SUBMIT or CMD_UNLINK.
std::optional<Incoming> DecodeCommand(std::span<const uint8_t, kHeaderSize> header);

// How many data bytes follow a decoded command's header on the wire.
size_t PayloadLength(const Incoming& incoming);

// The answer to a CMD_SUBMIT: its header, then `data` (IN transfers only). For an OUT transfer
// actualLength says how many bytes the device took.
std::vector<uint8_t> EncodeRetSubmit(const Submit& request, int32_t status, std::span<const uint8_t> data,
                                     int32_t actualLength = -1);
std::vector<uint8_t> EncodeRetUnlink(const Unlink& request, int32_t status);

// The kernel's side, for tests and for a host written in user space.
std::vector<uint8_t> EncodeCmdSubmit(const Submit& submit, std::span<const uint8_t> outData = {});
std::vector<uint8_t> EncodeCmdUnlink(const Unlink& unlink);

struct RetSubmitHeader {
    uint32_t command = 0;
    uint32_t seqnum = 0;
    int32_t status = 0;
    int32_t actualLength = 0;
};
RetSubmitHeader DecodeRetHeader(std::span<const uint8_t, kHeaderSize> header);

} // namespace tarq::usbip
