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

} // namespace
} // namespace tarq::testing
