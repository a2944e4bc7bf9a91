// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProtocolFixture.h"

#include "device/DriverChannel.h"
#include "device/emulator/EmulatedDriver.h"

namespace tarq::testing {
namespace {

class DriverChannelTest : public ProtocolFixture {
protected:
    void SetUp() override
    {
        ProtocolFixture::SetUp();
        link.DriverHandle = driverBus.open(EmulatedDriverBus::pathFor(0x0001));
        ASSERT_NE(link.DriverHandle, nullptr);
    }

    std::vector<uint8_t> commands() const
    {
        std::vector<uint8_t> codes;
        for (const Report& r : sent())
            codes.push_back(r[1]);
        return codes;
    }

    std::shared_ptr<EmulatedDriver> driver = std::make_shared<EmulatedDriver>();
    EmulatedDriverBus driverBus{driver, 0x0001};
    DriverChannel channel{link};
};

TEST_F(DriverChannelTest, StoreRangesRoundTripAndRejectedReadsAreZero)
{
    const std::vector<uint8_t> block = {0, 0, 9, 8, 7};
    EXPECT_TRUE(channel.WriteStoreRange(store::kFireKeyBlock, block));
    EXPECT_EQ(channel.ReadStoreRange(store::kFireKeyBlock, 5), block);
    EXPECT_TRUE(channel.WriteStoreRange(store::kMacroRecords, {})); // an empty macro list still writes
    driver->rejectRequests = true;
    EXPECT_EQ(channel.ReadStoreRange(store::kFireKeyBlock, 5), std::vector<uint8_t>(5, 0));
    EXPECT_FALSE(channel.WriteStoreRange(0, block));
    link.DriverHandle.reset();
    EXPECT_EQ(channel.ReadStoreRange(0, 3), std::vector<uint8_t>(3, 0));
}

TEST_F(DriverChannelTest, DriverSettingsAreAllWrittenAndAFailureIsReported)
{
    DataBuf buf{};
    const std::vector<DriverMacroRecordBytes> macros{DriverMacroRecordBytes(store::kMacroRecordSize, 0x5A)};
    EXPECT_TRUE(WriteDriverSettings(channel, buf, macros));
    EXPECT_EQ(channel.ReadStoreRange(store::kMacroRecords, 2), (std::vector<uint8_t>{0x5A, 0x5A}));
    // A driver that refuses still receives every write; the result says it failed.
    driver->rejectRequests = true;
    const size_t before = driver->requests.size();
    EXPECT_FALSE(WriteDriverSettings(channel, buf, macros));
    EXPECT_EQ(driver->requests.size() - before, 5u);
}

TEST_F(DriverChannelTest, RecordGoesToTheMouseOnlyAfterTheDriverModeChecks)
{
    const CpiAndLedRecord record{0x83, 0x22, 0x55, 0x04};
    EXPECT_TRUE(SendCpiAndLedRecord(protocol, record));
    EXPECT_EQ(commands(), (std::vector<uint8_t>{CmdOpen, CmdStatus, CmdStatus, CmdSetCpiLed, CmdClose}));
    EXPECT_EQ(mouse->cpiLedRecord, record);

    mouse->log.clear();
    mouse->faults.openState = 0xA5;
    EXPECT_FALSE(SendCpiAndLedRecord(protocol, {1, 2, 3, 4}));
    EXPECT_EQ(commands(), (std::vector<uint8_t>{CmdOpen}));
    EXPECT_EQ(mouse->cpiLedRecord, record);

    // After a store load the mouse answers 0xA5, and the fourth byte goes as 0.
    mouse->log.clear();
    SendRecordAfterStoreLoad(protocol, {1, 2, 3, 4});
    EXPECT_EQ(mouse->cpiLedRecord, (CpiAndLedRecord{1, 2, 3, 0}));
    EXPECT_EQ(commands().back(), CmdClose);
}

TEST_F(DriverChannelTest, HandshakeReadsTheLedTypeOrRefuses)
{
    struct Case { uint8_t openState; bool driverBit; uint8_t led; DriverHandshake::Result result; const char* name; };
    const Case cases[] = {
        {0xA6, true, 0x00, DriverHandshake::Result::Ready, "SyncLED"},
        {0xA6, true, 0x40, DriverHandshake::Result::Ready, "BreLED"},
        {0xA6, true, 0x80, DriverHandshake::Result::Ready, "RBLED"},
        {0xA6, true, 0xC0, DriverHandshake::Result::Ready, "MCULED"},
        {0xA5, true, 0x00, DriverHandshake::Result::NotDriverMode, "SyncLED"},
        {0xA6, false, 0x00, DriverHandshake::Result::NotDriverMode, "SyncLED"},
    };
    for (const Case& c : cases) {
        mouse->faults.openState = c.openState;
        mouse->faults.driverModeBit = c.driverBit;
        mouse->ledTypeBits = c.led;
        const DriverHandshake h = DriverModeHandshake(protocol);
        EXPECT_EQ(h.result, c.result);
        if (h.result == DriverHandshake::Result::Ready) {
            EXPECT_STREQ(LedTypeName(h.ledTypeBits), c.name);
        }
    }
}

TEST(DriverMacros, RecordCountFollowsTheHighestAddress)
{
    EXPECT_EQ(HighestDriverMacroAddress({"010100", "060120", "0E0920", "0600F0"}), 0x0920);
    EXPECT_EQ(HighestDriverMacroAddress({"0600F0", "010100"}), 0);
    EXPECT_EQ(HighestDriverMacroAddress({"06zz20", "06012"}), 0);
    EXPECT_EQ(AssignedDriverMacroRecordCount(0), 0);
    EXPECT_EQ(AssignedDriverMacroRecordCount(0x0120), 1);
    EXPECT_EQ(AssignedDriverMacroRecordCount(0x0920), 2);
    // (highest + 2016) / 2048 rounded down, not an offset from the first body.
    EXPECT_EQ(AssignedDriverMacroRecordCount(0x0820), 2);
    EXPECT_EQ(AssignedDriverMacroRecordCount(0x0040), 1);
    EXPECT_EQ(AssignedDriverMacroRecordCount(0x001F), 0);
}

TEST(CpiAndLedRecordRules, BuiltFromTheControls)
{
    const CpiAndLedRecord previous{0x00, 0xEF, 0x77, 0x00};
    CpiAndLedInputs in;
    in.ledKind = CpiAndLedInputs::LedKind::Mcu;
    in.ledModeIndex = 2;
    in.ledOn = false;
    in.currentDpiLevel = 3;
    in.smooth = true;
    in.dpiValueIndexOfCurrentLevel = 9;
    in.ledStep = 5;
    EXPECT_EQ(BuildCpiAndLedRecord(previous, in), (CpiAndLedRecord{0x83, 0xAB, 0x77, 9}));

    in.ledKind = CpiAndLedInputs::LedKind::Other; // byte 1 kept, only its on/off bit changes
    in.ledOn = true;
    in.ledStep = 8;                                 // out of range: step bits kept
    EXPECT_EQ(BuildCpiAndLedRecord(previous, in)[1], 0xE7);

    const std::vector<uint8_t> shortFile = {5, 6};
    EXPECT_EQ(RecordFromFile(std::span<const uint8_t>(shortFile)), (CpiAndLedRecord{5, 6, 0, 0}));
    EXPECT_EQ(RecordFromFile(std::nullopt), std::nullopt);
}

} // namespace
} // namespace tarq::testing
