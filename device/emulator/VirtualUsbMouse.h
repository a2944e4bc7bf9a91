// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The emulated mouse as a USB device: it answers the control transfers a kernel's USB stack
// sends (descriptors, configuration, the HID class requests) and hands the feature reports of
// the configuration interface to `EmulatedMouse`, so that its fault switches work beneath a
// real HID driver too. It speaks USB/IP messages; the socket that carries them is the caller's.

#include "device/UsbDescriptors.h"
#include "device/UsbIp.h"
#include "device/emulator/EmulatedMouse.h"

#include <cstdint>
#include <memory>
#include <set>
#include <span>
#include <vector>

namespace tarq {

class VirtualUsbMouse {
public:
    VirtualUsbMouse(std::shared_ptr<EmulatedMouse> mouse, usb::DeviceIdentity identity);

    // A switch of the USB level: from the report after `hangAfterReports` feature reports on,
    // the control transfers that carry feature reports never complete (the host's own timeout
    // must end them). -1: every transfer completes.
    int hangAfterReports = -1;

    // One message from the host (a decoded header and the data that followed it); the answers
    // to send back, in order. A transfer kept pending answers nothing now.
    std::vector<std::vector<uint8_t>> handle(const usbip::Incoming& incoming, std::span<const uint8_t> payload);

    // The firmware pulled its own plug (unplug after N reports): the device must leave the bus.
    // The report that pulled it, and any after it, end as a host controller ends a transfer to a
    // device unplugged mid-transfer (-ESHUTDOWN), so that the host never waits for them.
    bool unplugged() const { return !mouse_->plugged(); }

    int featureReports() const { return featureReports_; }
    size_t pendingTransfers() const { return pending_.size() + hung_.size(); }
    // Control transfers kept pending by the USB-level switch, not yet taken back.
    size_t hungTransfers() const { return hung_.size(); }
    bool configured() const { return configuration_ != 0; }

private:
    struct Answer {
        int32_t status = usbip::kStatusOk;
        std::vector<uint8_t> data; // IN transfers
        bool pending = false;      // never completed (until the host takes it back)
    };

    Answer control(const usbip::SetupPacket& setup, std::span<const uint8_t> outData);
    Answer standardRequest(const usbip::SetupPacket& setup);
    Answer classRequest(const usbip::SetupPacket& setup, std::span<const uint8_t> outData);
    Answer featureReport(const usbip::SetupPacket& setup, std::span<const uint8_t> outData);

    std::shared_ptr<EmulatedMouse> mouse_;
    usb::DeviceIdentity identity_;
    std::set<uint32_t> pending_; // seqnums of interrupt transfers kept pending
    std::set<uint32_t> hung_;    // seqnums of control transfers that never complete
    uint8_t configuration_ = 0;
    int featureReports_ = 0;
};

} // namespace tarq
