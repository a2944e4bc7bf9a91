// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProtocolFixture.h"

#include <functional>
#include <vector>

namespace tarq::testing {
namespace {

using FeatureProtocolTest = ProtocolFixture;

TEST_F(FeatureProtocolTest, CommandAcknowledgedOnFirstPoll)
{
    EXPECT_TRUE(protocol.SendCommand(CmdOpen));
    EXPECT_EQ(sent(), (std::vector<Report>{{4, 1, 0, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(polls(), 1u);
    EXPECT_EQ(waiter.elapsedMs(), 10);
    EXPECT_EQ(protocol.ReportBuffer[1], 0xA6);
}

TEST_F(FeatureProtocolTest, ParametersTravelInBytesTwoToFive)
{
    ASSERT_TRUE(protocol.SendCommand(CmdStatus, 0x5A, 0xD9)); // the record is taken after this query only
    mouse->log.clear();
    EXPECT_TRUE(protocol.SendCommand(CmdSetCpiLed, 0x12, 0x34, 0x56, 0x78));
    EXPECT_EQ(sent(), (std::vector<Report>{{4, 9, 0x12, 0x34, 0x56, 0x78, 0, 0}}));
    EXPECT_EQ(mouse->cpiLedRecord, (std::array<uint8_t, 4>{0x12, 0x34, 0x56, 0x78}));
}

TEST_F(FeatureProtocolTest, MouseThatNeverAnswersFailsAfterFiveAttemptsAndTwentyFivePolls)
{
    mouse->faults.noAnswer = true;
    EXPECT_FALSE(protocol.SendCommand(CmdStatus));
    EXPECT_EQ(sent().size(), 5u);
    EXPECT_EQ(polls(), 25u);
    EXPECT_EQ(waiter.elapsedMs(), 300);
}

TEST_F(FeatureProtocolTest, RefusedReportsLogTheDevicesReasonOncePerRunOfFailures)
{
    // Reports shorter than the mouse's eight bytes are refused while the mouse is still there,
    // so the retries run and each of them fails.
    const int length = link.FeatureReportLength;
    link.FeatureReportLength = 4;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(protocol.SendCommand(CmdStatus));
    EXPECT_FALSE(protocol.SendCommand(CmdStatus));
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(log, "tarq362a: feature report failed: emulated:mouse-config: set feature report failed "
                   "(device not answering or unplugged)\n");

    link.FeatureReportLength = length;
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(protocol.SendCommand(CmdStatus));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST_F(FeatureProtocolTest, AnswerOtherThanAcknowledgementEndsPollingAndTheAttempt)
{
    mouse->faults.wrongAck = 0x01;
    EXPECT_FALSE(protocol.SendCommand(CmdOpen));
    EXPECT_EQ(sent().size(), 5u);
    EXPECT_EQ(polls(), 5u); // one poll per attempt: a non-zero byte 7 is an answer
    EXPECT_EQ(waiter.elapsedMs(), 50);
    EXPECT_EQ(protocol.ReportBuffer[7], 0x01);
}

TEST_F(FeatureProtocolTest, SlowMouseIsWaitedFor)
{
    mouse->faults.answerAfterPolls = 3;
    EXPECT_TRUE(protocol.SendCommand(CmdOpen));
    EXPECT_EQ(sent().size(), 1u);
    EXPECT_EQ(polls(), 4u);
    EXPECT_EQ(waiter.elapsedMs(), 10 + 3 * 10);
}

TEST_F(FeatureProtocolTest, LatencyPerReportIsPartOfTheTime)
{
    mouse->faults.latencyMs = 1;
    EXPECT_TRUE(protocol.SendCommand(CmdOpen));
    EXPECT_EQ(waiter.elapsedMs(), 10 + 2); // one set and one get
}

TEST_F(FeatureProtocolTest, StatusGivesChipCodeAndConfigReady)
{
    struct Case { uint8_t chipByte; bool notReady; int chipCode; bool ready; };
    const Case cases[] = {
        {0x35, false, 0x90, true},
        {0x75, false, 0x99, true},
        {0xFD, true, 0x98, false},
        {0x12, false, 0x98, true}, // unknown chip byte leaves the previous code
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chipByte);
        mouse->chipByte = c.chipByte;
        mouse->faults.configNotReady = c.notReady;
        ASSERT_TRUE(protocol.SendCommand(CmdStatus));
        EXPECT_EQ(protocol.ReportBuffer[1], 0xAA);
        EXPECT_EQ(protocol.ChipCode, c.chipCode);
        EXPECT_EQ(protocol.ConfigReady, c.ready);
    }
}

TEST_F(FeatureProtocolTest, ReadOfTwoBytesAtTheManufacturerCode)
{
    std::array<uint8_t, 2> codes{};
    EXPECT_TRUE(protocol.ReadMemory(0x36, 2, codes));
    EXPECT_EQ(sent(), (std::vector<Report>{{4, 4, 0x36, 0x00, 0x02, 0x00, 0, 0}, {4, 5, 0, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(codes[0], mouse->memory()[0x36]);
    EXPECT_EQ(codes[1], mouse->memory()[0x37]);
    EXPECT_EQ(waiter.elapsedMs(), 10 + 5);
}

TEST_F(FeatureProtocolTest, FullReadIs342ChunksAndCopiesTheImage)
{
    std::vector<uint8_t> image(2048);
    int progress = 0;
    protocol.ShowProgress = [&] { ++progress; };
    EXPECT_TRUE(protocol.ReadMemoryShowingProgress(0, 2048, image));
    const auto requests = sent();
    ASSERT_EQ(requests.size(), 343u);
    EXPECT_EQ(requests[0], (Report{4, 4, 0x00, 0x00, 0x00, 0x08, 0, 0}));
    EXPECT_EQ(requests[342], (Report{4, 5, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(std::equal(image.begin(), image.end(), mouse->memory().begin()));
    EXPECT_EQ(progress, 342);
    EXPECT_EQ(waiter.elapsedMs(), 10 + 342 * 5);
}

TEST_F(FeatureProtocolTest, UnacknowledgedReadChunkLeavesSixUnreadBytesAndStillSucceeds)
{
    mouse->faults.lostReadChunk = 1;
    std::vector<uint8_t> data(18, 0);
    EXPECT_TRUE(protocol.ReadMemory(0x100, 18, data));
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + 6, mouse->memory().begin() + 0x100));
    EXPECT_EQ(std::vector<uint8_t>(data.begin() + 6, data.begin() + 12), std::vector<uint8_t>(6, 0xFF));
    EXPECT_TRUE(std::equal(data.begin() + 12, data.end(), mouse->memory().begin() + 0x10C));
    EXPECT_EQ(sent().size(), 1u + 1 + 5 + 1);
    EXPECT_EQ(waiter.elapsedMs(), 10 + 5 + 5 * (5 + 5 * 5) + 5);
}

TEST_F(FeatureProtocolTest, FailedWindowCommandMovesNoChunkButPrefillsTheDestination)
{
    mouse->faults.noAnswer = true;
    std::vector<uint8_t> data(10, 0x11);
    EXPECT_FALSE(protocol.ReadMemory(0, 6, data));
    EXPECT_EQ(data, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x11, 0x11, 0x11, 0x11}));
    EXPECT_EQ(sent().size(), 5u);
}

TEST_F(FeatureProtocolTest, ReadNeverWritesPastTheDestination)
{
    std::vector<uint8_t> data(4, 0);
    EXPECT_TRUE(protocol.ReadMemory(0, 12, data)); // a caller asking for more than it holds
    EXPECT_TRUE(std::equal(data.begin(), data.end(), mouse->memory().begin()));
}

TEST_F(FeatureProtocolTest, WriteOfOneBytePadsTheChunkWithUnreadBytes)
{
    const std::array<uint8_t, 1> value{0x5C};
    EXPECT_TRUE(protocol.WriteMemory(0x40, 1, value));
    EXPECT_EQ(sent(), (std::vector<Report>{{4, 6, 0x40, 0x00, 0x01, 0x00, 0, 0}, {4, 7, 0x5C, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}));
    EXPECT_EQ(mouse->memory()[0x40], 0x5C);
    EXPECT_EQ(mouse->memory()[0x41], static_cast<uint8_t>(0x41 * 7 + 3)); // padding is not stored
    EXPECT_EQ(waiter.elapsedMs(), 10 + 10);
}

TEST_F(FeatureProtocolTest, ShortLastWriteChunkRepeatsThePreviousChunkTail)
{
    const std::vector<uint8_t> data = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_TRUE(protocol.WriteMemory(0, 8, data));
    const auto requests = sent();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1], (Report{4, 7, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(requests[2], (Report{4, 7, 7, 8, 3, 4, 5, 6}));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), mouse->memory().begin()));
}

TEST_F(FeatureProtocolTest, FullWriteAndRefusedBytes)
{
    std::vector<uint8_t> image(2048);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i ^ 0x5A);
    mouse->faults.refusedAddresses = {0x123};
    EXPECT_TRUE(protocol.WriteMemory(0, 2048, image)); // acknowledgements are not examined
    EXPECT_EQ(sent().size(), 343u);
    EXPECT_EQ(waiter.elapsedMs(), 10 + 342 * 10);
    for (size_t i = 0; i < image.size(); ++i)
        if (i != 0x123) {
            ASSERT_EQ(mouse->memory()[i], image[i]) << i;
        }
    EXPECT_NE(mouse->memory()[0x123], image[0x123]);
}

// A report that fails because the device is gone ends the transfer at once instead of running
// out every chunk's attempts (which took up to a minute), for reads, writes and commands alike.
TEST_F(FeatureProtocolTest, UnplugMidTransferEndsTheTransferAtOnce)
{
    struct Case { const char* what; int reportsBeforeUnplug; std::function<bool()> transfer; };
    std::vector<uint8_t> image(2048, 0x11);
    const Case cases[] = {
        {"read", 40, [&] { return protocol.ReadMemory(0, 2048, image); }},
        {"write", 40, [&] { return protocol.WriteMemory(0, 2048, image); }},
        {"command", 3, [&] { return protocol.SendCommand(CmdStatus) && protocol.SendCommand(CmdStatus); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus->setMousePresent(mouse, true);
        ASSERT_TRUE(protocol.SendCommand(CmdOpen) && protocol.SendCommand(CmdStatus));
        protocol.TakeDeviceGone();
        waiter.reset();
        mouse->faults.unplugAfterReports = mouse->reportsSeen() + c.reportsBeforeUnplug;
        EXPECT_FALSE(c.transfer());
        EXPECT_TRUE(protocol.TakeDeviceGone());
        EXPECT_LE(waiter.elapsedMs(), 40 * 10 + 10); // the reports before the unplug, one sleep after
        const size_t reports = mouse->log.size();
        EXPECT_FALSE(protocol.SendCommand(CmdClose));
        EXPECT_EQ(mouse->log.size(), reports); // nothing more is sent to a device that is gone
        mouse->faults.unplugAfterReports = -1;
    }
    // Unplugged between two reports (another thread, the system): noticed before sending.
    bus->setMousePresent(mouse, true);
    protocol.TakeDeviceGone();
    bus->setMousePresent(mouse, false);
    const size_t reports = mouse->log.size();
    EXPECT_FALSE(protocol.ReadMemory(0, 12, image));
    EXPECT_TRUE(protocol.TakeDeviceGone());
    EXPECT_EQ(mouse->log.size(), reports);
}

// A refused report (a stall) is not an unplug: the retries of the protocol still apply.
TEST_F(FeatureProtocolTest, FailuresOfADeviceStillThereKeepTheRetries)
{
    // The pointer interface of the same mouse refuses feature reports; it is not gone.
    auto pointer = bus->open("emulated:mouse-pointer");
    ASSERT_TRUE(pointer);
    std::array<uint8_t, 8> report{4, CmdOpen, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(pointer->setFeature(report));
    EXPECT_FALSE(pointer->gone());
    link.HidHandle = std::move(pointer);
    EXPECT_FALSE(protocol.SendCommand(CmdOpen));
    EXPECT_FALSE(protocol.TakeDeviceGone());
    EXPECT_EQ(waiter.elapsedMs(), 5 * (10 + 5 * 10));
    EXPECT_TRUE(mouse->log.empty()); // the pointer interface never reaches the firmware
}

TEST_F(FeatureProtocolTest, MouseLetGoDuringATransferIsNotUsed)
{
    // Closing the window while a transfer pumps events lets the mouse go.
    int chunks = 0;
    protocol.ShowProgress = [&] {
        if (++chunks == 3)
            link.CloseMouse();
    };
    std::vector<uint8_t> image(60, 0);
    EXPECT_FALSE(protocol.ReadMemoryShowingProgress(0, 60, image));
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 12, mouse->memory().begin()));
    EXPECT_EQ(std::vector<uint8_t>(image.begin() + 12, image.end()), std::vector<uint8_t>(48, 0xFF));
    // The transfer ends at the closed handle: no sleeping through the remaining chunks, so the
    // program ends as soon as its window closes.
    EXPECT_EQ(waiter.elapsedMs(), 10 + 2 * 5);

    int version = kMouseVersion;
    ASSERT_TRUE(link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version));
    chunks = 0;
    const std::vector<uint8_t> ones(60, 0x11);
    EXPECT_FALSE(protocol.WriteMemory(0, 60, ones)); // the later chunks go nowhere
    EXPECT_EQ(mouse->memory()[0], 0x11);
    EXPECT_NE(mouse->memory()[59], 0x11);
}

TEST_F(FeatureProtocolTest, StatusWordIsTheButtonMask)
{
    mouse->buttonState = 0x0104;
    EXPECT_EQ(protocol.GetStatusWord(), 0x0104);
    EXPECT_EQ(waiter.elapsedMs(), 5 + 5);
    waiter.reset();
    mouse->faults.noAnswer = true;
    EXPECT_EQ(protocol.GetStatusWord(), 0);
    EXPECT_EQ(waiter.elapsedMs(), 10 * (5 + 10 * 5));
}

TEST_F(FeatureProtocolTest, WithoutAnOpenMouseNothingIsSent)
{
    link.CloseMouse();
    std::vector<uint8_t> data(3, 0);
    EXPECT_FALSE(protocol.SendCommand(CmdOpen));
    EXPECT_FALSE(protocol.ReadMemory(0, 3, data));
    EXPECT_EQ(data, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(protocol.WriteMemory(0, 3, data));
    EXPECT_EQ(protocol.GetStatusWord(), 0);
    EXPECT_FALSE(protocol.SystemReloadCmd_OnClick());
    EXPECT_TRUE(mouse->log.empty());
}

TEST_F(FeatureProtocolTest, DriverIdentifierIsHighByteFirst)
{
    mouse->driverIdentifier = 0xBEEF;
    ASSERT_TRUE(protocol.SendCommand(CmdDriverId));
    EXPECT_EQ(protocol.ReportBuffer[1] * 256 + protocol.ReportBuffer[2], 0xBEEF);
}

} // namespace
} // namespace tarq::testing
