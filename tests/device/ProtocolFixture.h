// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An emulated mouse on an emulated bus, opened through the device link, with a protocol that
// waits on a virtual clock. Latency of the emulated reports advances the same clock.

#include "device/DeviceLink.h"
#include "device/FeatureProtocol.h"
#include "device/emulator/EmulatedHidBus.h"
#include "device/emulator/VirtualWaiter.h"

#include <gtest/gtest.h>

#include <memory>

namespace tarq::testing {

class ProtocolFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (size_t i = 0; i < kDeviceImageSize; ++i)
            mouse->memory()[i] = static_cast<uint8_t>(i * 7 + 3);
        mouse->sleeper = [this](int ms) { waiter.sleep(ms); };
        link.ResetLink();
        int version = kMouseVersion;
        ASSERT_TRUE(link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version));
        // The firmware takes memory commands only inside an exchange: open one, as the
        // operations do, so the protocol tests see only their own reports.
        ASSERT_TRUE(protocol.SendCommand(CmdOpen));
        ASSERT_TRUE(protocol.SendCommand(CmdStatus));
        mouse->log.clear();
        waiter.reset();
    }

    // The set-feature reports, each as its 8 bytes.
    std::vector<std::array<uint8_t, 8>> sent() const { return mouse->requestsSent(); }
    size_t polls() const { return mouse->log.size() - sent().size(); }

    std::shared_ptr<EmulatedMouse> mouse = std::make_shared<EmulatedMouse>();
    std::unique_ptr<EmulatedHidBus> bus = EmulatedHidBus::withMouse(mouse);
    DeviceLink link{*bus};
    VirtualWaiter waiter;
    FeatureProtocol protocol{link, waiter};
};

using Report = std::array<uint8_t, 8>;

} // namespace tarq::testing
