// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProtocolFixture.h"

#include "device/ImageTransfer.h"

namespace tarq::testing {
namespace {

class ImageTransferTest : public ProtocolFixture {
protected:
    std::vector<uint8_t> image = [] {
        std::vector<uint8_t> v(2048);
        for (size_t i = 0; i < v.size(); ++i)
            v[i] = static_cast<uint8_t>(0xA0 ^ (i * 31));
        return v;
    }();

    std::vector<uint8_t> commands() const
    {
        std::vector<uint8_t> codes;
        for (const Report& r : sent())
            if (r[1] != CmdReadChunk && r[1] != CmdWriteChunk)
                codes.push_back(r[1]);
        return codes;
    }
};

TEST_F(ImageTransferTest, VerifiedWriteLeavesTheImageInTheMouse)
{
    const WriteOutcome out = WriteImageToMouse(protocol, image, false);
    EXPECT_EQ(out.exchange, ExchangeState::Open);
    EXPECT_TRUE(out.wrote);
    EXPECT_TRUE(out.verify.verified());
    EXPECT_EQ(out.verify.rewritePasses, 0);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), mouse->memory().begin()));
    EXPECT_EQ(commands(), (std::vector<uint8_t>{CmdOpen, CmdStatus, CmdWriteWindow, CmdReadWindow, CmdReload, CmdClose}));
    EXPECT_EQ(sent().size(), 2u + 343 + 343 + 2);
}

TEST_F(ImageTransferTest, RefusedByteGivesThreeRewritesFourReadBacksAndAMismatch)
{
    mouse->faults.refusedAddresses = {0x2A5};
    const VerifyOutcome out = WriteAndVerifyImage(protocol, image);
    EXPECT_TRUE(out.mismatch());
    EXPECT_EQ(out.rewritePasses, 3);
    EXPECT_EQ(out.differing, (std::vector<uint16_t>{0x2A5}));
    int readBacks = 0, singleByteWrites = 0;
    for (const Report& r : sent()) {
        readBacks += r[1] == CmdReadWindow;
        singleByteWrites += r[1] == CmdWriteWindow && r[2] == 0xA5 && r[3] == 0x02 && r[4] == 1 && r[5] == 0;
    }
    EXPECT_EQ(readBacks, 4);
    EXPECT_EQ(singleByteWrites, 3);
}

TEST_F(ImageTransferTest, ByteThatNeedsOneRewriteIsRepaired)
{
    // Two bytes are refused during the full write only; the single-byte rewrites then land.
    mouse->memory().fill(0);
    mouse->faults.refusedAddresses = {0x10, 0x11};
    protocol.ShowProgress = [&] {
        if (sent().size() > 400)
            mouse->faults.refusedAddresses.clear();
    };
    const VerifyOutcome out = WriteAndVerifyImage(protocol, image);
    EXPECT_TRUE(out.verified());
    EXPECT_EQ(out.rewritePasses, 1);
}

TEST_F(ImageTransferTest, NotReadyMemoryIsNotWrittenButTheExchangeCloses)
{
    mouse->faults.configNotReady = true;
    const WriteOutcome out = WriteImageToMouse(protocol, image, false);
    EXPECT_FALSE(out.wrote);
    EXPECT_EQ(commands(), (std::vector<uint8_t>{CmdOpen, CmdStatus, CmdReload, CmdClose}));
}

TEST_F(ImageTransferTest, ResetAndLoadWriteOnlyToTheStoringChip)
{
    struct Case { uint8_t chipByte; bool wrote; };
    for (const Case c : {Case{0xFD, true}, Case{0x35, false}, Case{0x75, false}}) {
        SCOPED_TRACE(c.chipByte);
        mouse->chipByte = c.chipByte;
        EXPECT_EQ(WriteImageToMouse(protocol, image, true).wrote, c.wrote);
        // Apply writes whatever the chip.
        EXPECT_TRUE(WriteImageToMouse(protocol, image, false).wrote);
    }
}

TEST_F(ImageTransferTest, SilentStopsLeaveTheExchangeAsItWas)
{
    mouse->faults.statusState = 0x55;
    EXPECT_EQ(WriteImageToMouse(protocol, image, false).exchange, ExchangeState::NotReady);
    EXPECT_EQ(commands(), (std::vector<uint8_t>{CmdOpen, CmdStatus})); // no CmdClose
    mouse->log.clear();
    mouse->faults.noAnswer = true;
    EXPECT_EQ(WriteImageToMouse(protocol, image, false).exchange, ExchangeState::NoAnswer);
    EXPECT_EQ(sent().size(), 5u);
}

TEST_F(ImageTransferTest, IdentityCheckAcceptsTheTwoPairsOnly)
{
    struct Case { uint8_t manufacturer, product; IdentifyResult result; };
    const Case cases[] = {
        {0xFF, 0xFF, IdentifyResult::Accepted}, // the codes of the built-in image
        {0x00, 0x00, IdentifyResult::Accepted}, // the reserved pair of the org configuration
        {0x12, 0xFF, IdentifyResult::Foreign},
        {0xFF, 0x00, IdentifyResult::Foreign},
    };
    for (const Case& c : cases) {
        mouse->memory()[0x36] = c.manufacturer;
        mouse->memory()[0x37] = c.product;
        mouse->log.clear();
        const Identity id = IdentifyMouse(protocol, {0xFF, 0xFF}, {0x00, 0x00});
        EXPECT_EQ(id.result, c.result);
        EXPECT_EQ(id.manufacturer, c.manufacturer);
        EXPECT_EQ(id.product, c.product);
        EXPECT_EQ(CodesAccepted(c.manufacturer, c.product, {0xFF, 0xFF}, {0x00, 0x00}),
                  c.result == IdentifyResult::Accepted);
        const bool closed = commands().back() == CmdClose;
        EXPECT_EQ(closed, c.result == IdentifyResult::Foreign);
    }
    mouse->faults.configNotReady = true;
    mouse->log.clear();
    EXPECT_EQ(IdentifyMouse(protocol, {0xFF, 0xFF}, {0, 0}).result, IdentifyResult::NotReady);
    EXPECT_EQ(commands(), (std::vector<uint8_t>{CmdOpen, CmdStatus, CmdReload, CmdClose}));
}

TEST_F(ImageTransferTest, ReadImageAndCloseCopiesTheMemory)
{
    std::vector<uint8_t> read(2048, 0);
    ASSERT_EQ(OpenExchange(protocol), ExchangeState::Open);
    ReadImageAndClose(protocol, read);
    EXPECT_TRUE(std::equal(read.begin(), read.end(), mouse->memory().begin()));
    EXPECT_EQ(commands().back(), CmdClose);
}

// With the mouse's memory known, only the differing chunks are written (neighbours in one
// window, the short last chunk included); the whole image is still read back and verified.
TEST_F(ImageTransferTest, KnownMemoryWritesOnlyTheChangedChunks)
{
    KnownMemory known;
    std::vector<uint8_t> read(2048);
    ASSERT_EQ(OpenExchange(protocol), ExchangeState::Open);
    ReadImageAndClose(protocol, read, &known);
    ASSERT_TRUE(known);
    std::vector<uint8_t> changed = read;
    changed[5] ^= 0xFF;
    changed[6] ^= 0xFF;
    changed[2047] ^= 0xFF;
    mouse->log.clear();
    const WriteOutcome out = WriteImageToMouse(protocol, changed, false, &known);
    EXPECT_TRUE(out.verify.verified());
    EXPECT_TRUE(std::equal(changed.begin(), changed.end(), mouse->memory().begin()));
    std::vector<Report> windows;
    size_t writeChunks = 0;
    for (const Report& r : sent()) {
        if (r[1] == CmdWriteWindow)
            windows.push_back(r);
        writeChunks += r[1] == CmdWriteChunk;
    }
    EXPECT_EQ(windows, (std::vector<Report>{{4, 6, 0, 0, 12, 0, 0, 0}, {4, 6, 0xFE, 0x07, 2, 0, 0, 0}}));
    EXPECT_EQ(writeChunks, 3u);
    EXPECT_EQ(commands(), (std::vector<uint8_t>{CmdOpen, CmdStatus, CmdWriteWindow, CmdWriteWindow, CmdReadWindow, CmdReload, CmdClose}));
    ASSERT_TRUE(known);
    EXPECT_EQ(*known, changed);

    // Memory that changed behind the program's back is caught by the read-back and rewritten.
    mouse->memory()[0x300] ^= 0x55;
    changed[7] ^= 0x01;
    EXPECT_TRUE(WriteImageToMouse(protocol, changed, false, &known).verify.verified());
    EXPECT_TRUE(std::equal(changed.begin(), changed.end(), mouse->memory().begin()));

    // A transfer that did not complete forgets the memory: the next write is whole again.
    mouse->faults.unplugAfterReports = mouse->reportsSeen() + 20;
    WriteImageToMouse(protocol, changed, false, &known);
    EXPECT_FALSE(known);
    EXPECT_EQ(ChangedChunkRanges(changed, known), (std::vector<std::pair<uint32_t, uint32_t>>{{0, 2048}}));
}

// The loading screen learns what moves and how far: the write, then the read-back as verifying.
TEST_F(ImageTransferTest, ProgressNamesTheStageAndCountsBytes)
{
    std::vector<TransferProgress> seen;
    protocol.OnProgress = [&](const TransferProgress& p) { seen.push_back(p); };
    ASSERT_TRUE(WriteImageToMouse(protocol, image, false).verify.verified());
    ASSERT_EQ(seen.size(), 2u * 342);
    EXPECT_EQ(seen.front().stage, TransferStage::Writing);
    EXPECT_EQ(seen[341].stage, TransferStage::Writing);
    EXPECT_EQ(seen[341].done, 2046u);
    EXPECT_EQ(seen[342].stage, TransferStage::Verifying);
    EXPECT_EQ(seen[342].done, 0u);
    EXPECT_EQ(seen.back().total, 2048u);

    seen.clear();
    std::vector<uint8_t> read(2048);
    ASSERT_EQ(OpenExchange(protocol), ExchangeState::Open);
    ReadImageAndClose(protocol, read);
    ASSERT_EQ(seen.size(), 342u);
    EXPECT_EQ(seen.back().stage, TransferStage::Reading);
}

} // namespace
} // namespace tarq::testing
