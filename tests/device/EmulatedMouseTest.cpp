// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProtocolFixture.h"

#include <functional>

namespace tarq::testing {
namespace {

// The firmware model refuses what the program must not rely on: every refusal leaves the
// memory and the record as they were, acknowledges nothing, and is noted in `refused`.
class EmulatedMouseStrictness : public ProtocolFixture {
protected:
    void closeExchange() { ASSERT_TRUE(protocol.SendCommand(CmdClose)); }
    const std::vector<uint8_t> ones = std::vector<uint8_t>(12, 0x11);
};

TEST_F(EmulatedMouseStrictness, RefusesWhatIsOutOfSequence)
{
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<bool()> act;
        uint8_t refusedCommand;
    };
    std::vector<uint8_t> data(12);
    const Case cases[] = {
        {"memory without CmdOpen", [&] { closeExchange(); },
         [&] { return protocol.WriteMemory(0, 12, ones); }, CmdWriteWindow},
        {"memory without CmdStatus", [&] { closeExchange(); protocol.SendCommand(CmdOpen); },
         [&] { return protocol.ReadMemory(0, 12, data); }, CmdReadWindow},
        {"status before CmdOpen", [&] { closeExchange(); },
         [&] { return protocol.SendCommand(CmdStatus); }, CmdStatus},
        {"memory not ready", [&] { mouse->faults.configNotReady = true; protocol.SendCommand(CmdOpen); protocol.SendCommand(CmdStatus); },
         [&] { return protocol.WriteMemory(0, 12, ones); }, CmdWriteWindow},
        {"status other than 0xAA", [&] { mouse->faults.statusState = 0x55; protocol.SendCommand(CmdOpen); protocol.SendCommand(CmdStatus); },
         [&] { return protocol.WriteMemory(0, 12, ones); }, CmdWriteWindow},
        {"write chunk in a read window", [&] { protocol.SendCommand(CmdReadWindow, 0, 0, 12, 0); },
         [&] { return protocol.SendCommand(CmdWriteChunk, 0x11, 0x11, 0x11, 0x11); }, CmdWriteChunk},
        {"read chunk in a write window", [&] { protocol.SendCommand(CmdWriteWindow, 0, 0, 12, 0); },
         [&] { return protocol.SendCommand(CmdReadChunk); }, CmdReadChunk},
        {"chunk after CmdReload", [&] { protocol.SendCommand(CmdWriteWindow, 0, 0, 12, 0); protocol.SendCommand(CmdReload); },
         [&] { return protocol.SendCommand(CmdWriteChunk, 0x11, 0x11, 0x11, 0x11); }, CmdWriteChunk},
        {"record without the driver-mode query", [] {},
         [&] { return protocol.SendCommand(CmdSetCpiLed, 1, 2, 3, 4); }, CmdSetCpiLed},
        {"record when the driver-mode bit is clear", [&] { mouse->faults.driverModeBit = false; protocol.SendCommand(CmdStatus, 0x5A, 0xD9); },
         [&] { return protocol.SendCommand(CmdSetCpiLed, 1, 2, 3, 4); }, CmdSetCpiLed},
        {"unknown command", [] {}, [&] { return protocol.SendCommand(0x42); }, 0x42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mouse->faults = {};
        ASSERT_TRUE(protocol.SendCommand(CmdOpen) && protocol.SendCommand(CmdStatus));
        c.prepare();
        mouse->faults = {};
        mouse->refused.clear();
        const auto memory = mouse->memory();
        const auto record = mouse->cpiLedRecord;
        EXPECT_FALSE(c.act());
        ASSERT_FALSE(mouse->refused.empty());
        EXPECT_EQ(mouse->refused.front(), c.refusedCommand);
        EXPECT_EQ(mouse->memory(), memory);
        EXPECT_EQ(mouse->cpiLedRecord, record);
    }
}

TEST_F(EmulatedMouseStrictness, UnacknowledgedCommandsAreNotCarriedOut)
{
    const auto memory = mouse->memory();
    ASSERT_TRUE(protocol.SendCommand(CmdWriteWindow, 0, 0, 6, 0));
    mouse->faults.wrongAck = 0x01; // a chunk answered without 0xCC was not stored
    EXPECT_FALSE(protocol.SendCommand(CmdWriteChunk, 0x11, 0x11, 0x11, 0x11));
    EXPECT_EQ(mouse->memory(), memory);
    protocol.WriteMemory(0, 12, ones);
    EXPECT_EQ(mouse->memory(), memory);
    mouse->faults.wrongAck = 0;
    mouse->faults.noAnswer = true;
    protocol.WriteMemory(0, 12, ones);
    EXPECT_EQ(mouse->memory(), memory);
}

// A request repeated because its answer was never fetched gets the same answer; the window
// moves on only once the host has the answer.
TEST_F(EmulatedMouseStrictness, RetriedChunkGetsTheSameAnswer)
{
    const auto request = [&](std::array<uint8_t, 8> r) { ASSERT_TRUE(mouse->setFeature(r)); };
    const auto fetch = [&] {
        std::array<uint8_t, 8> r{4};
        EXPECT_TRUE(mouse->getFeature(r));
        return r;
    };
    request({4, CmdReadWindow, 0x10, 0, 12, 0, 0, 0});
    fetch();
    request({4, CmdReadChunk, 0, 0, 0, 0, 0, 0});
    request({4, CmdReadChunk, 0, 0, 0, 0, 0, 0}); // retry: the first answer was not fetched
    EXPECT_EQ(fetch()[1], mouse->memory()[0x10]);
    request({4, CmdReadChunk, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(fetch()[1], mouse->memory()[0x16]);

    request({4, CmdWriteWindow, 0x20, 0, 12, 0, 0, 0});
    fetch();
    const uint8_t before = mouse->memory()[0x26];
    request({4, CmdWriteChunk, 1, 2, 3, 4, 5, 6});
    request({4, CmdWriteChunk, 1, 2, 3, 4, 5, 6}); // retry: stored again at the same place
    fetch();
    EXPECT_EQ(mouse->memory()[0x20], 1);
    EXPECT_EQ(mouse->memory()[0x26], before);
}

TEST_F(EmulatedMouseStrictness, DriverModeSequenceAndStateCode)
{
    mouse->faults.openState = 0xA5; // the state after a driver store load
    ASSERT_TRUE(protocol.SendCommand(CmdOpen));
    EXPECT_EQ(protocol.ReportBuffer[1], 0xA5);
    ASSERT_TRUE(protocol.SendCommand(CmdStatus));
    ASSERT_TRUE(protocol.SendCommand(CmdStatus, 0x5A, 0xD9));
    EXPECT_TRUE(protocol.SendCommand(CmdSetCpiLed, 1, 2, 3, 4));
    EXPECT_EQ(mouse->cpiLedRecord, (std::array<uint8_t, 4>{1, 2, 3, 4}));
    EXPECT_TRUE(mouse->refused.empty());
}

// Another chip is not refused: Apply writes whatever ChipCode says. The model notes it.
TEST_F(EmulatedMouseStrictness, WriteOnAnotherChipIsTakenAndNoted)
{
    mouse->chipByte = 0x35;
    ASSERT_TRUE(protocol.SendCommand(CmdOpen) && protocol.SendCommand(CmdStatus));
    EXPECT_TRUE(protocol.WriteMemory(0, 12, ones));
    EXPECT_EQ(mouse->memory()[11], 0x11);
    EXPECT_EQ(mouse->writesOnOtherChip, 1);
}

} // namespace
} // namespace tarq::testing
