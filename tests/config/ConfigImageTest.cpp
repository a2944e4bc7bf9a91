// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ConfigImage.h"
#include "config/DefaultImages.h"
#include "config/ImageSections.h"
#include "config/ParameterFields.h"
#include "config/SectionChecksum.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace tarq {
namespace {

std::vector<uint8_t> Bytes(std::span<const uint8_t> s) { return {s.begin(), s.end()}; }

// Rewrites the three checksums of an image in place so that its sections pass their checks.
void FixChecksums(DeviceImage& image)
{
    for (const ParameterBlock& block : {layout::kSectionA, layout::kProfile, layout::kFireKey}) {
        const auto bytes = ImageBytes(image, block.image);
        bytes.back() = SectionChecksum(bytes.first(bytes.size() - 1));
    }
}

struct Unpacked {
    DataBuf buf{};
    ImageMacroAreas areas{};
    SectionCheckResult result;
};

Unpacked Unpack(const DeviceImage& image)
{
    Unpacked u;
    u.result = UnpackImage(image, u.buf, u.areas);
    return u;
}

TEST(ConfigImage, DefaultImageUnpacksUnchangedAndPacksBackIdentically)
{
    const DeviceImage& image = DefaultImage(1);
    Unpacked u = Unpack(image);
    EXPECT_TRUE(u.result.AllKept());
    for (const ParameterBlock& block : layout::kParameterBlocks)
        EXPECT_EQ(Bytes(BlockBytes(u.buf, block)), Bytes(ImageBytes(image, block.image)))
            << "block at image 0x" << std::hex << block.image.address;

    DeviceImage packed = image;
    PackImage(u.buf, u.areas, packed);
    EXPECT_EQ(packed, image);
}

// An image with random bytes everywhere whose three checksums and three pairs were made valid
// must survive unpacking and packing byte for byte, gaps and unused bytes included.
TEST(ConfigImage, ValidRandomImageRoundTripsExactly)
{
    std::mt19937 rng(20240611);
    for (int round = 0; round < 200; ++round) {
        DeviceImage image;
        for (uint8_t& b : image)
            b = static_cast<uint8_t>(rng());
        for (size_t pair : {databuf::kCurrentDpiLevel, databuf::kLedState, databuf::kKeyMode}) {
            const size_t at = layout::kSectionB.image.address + pair - layout::kSectionB.dataBufOffset;
            image[at + 1] = static_cast<uint8_t>(255 - image[at]);
        }
        FixChecksums(image);
        for (int page = 1; page <= 4; ++page) {
            // A valid body: length L, L - 1 event bytes, then the checksum of bytes 1..L.
            uint8_t* body = &image[layout::BaseMacroPageAddress(page) + layout::kMacroPageNameSize];
            body[1] = static_cast<uint8_t>(1 + rng() % 200);
            body[body[1] + 1] = SectionChecksum(std::span<const uint8_t>(body + 1, body[1]));
        }

        Unpacked u = Unpack(image);
        ASSERT_TRUE(u.result.AllKept());
        DeviceImage packed = image;
        // Packing into an image that differs only in the parameter blocks restores them.
        for (const ParameterBlock& block : layout::kParameterBlocks)
            for (uint8_t& b : ImageBytes(packed, block.image))
                b = static_cast<uint8_t>(~b);
        PackImage(u.buf, u.areas, packed);
        ASSERT_EQ(packed, image) << "round " << round;
    }
}

TEST(ConfigImage, SectionAChecksumOffByOneReplacesOnlySectionA)
{
    DeviceImage image = DefaultImage(1);
    image[layout::kSectionA.image.End() - 1] += 1;
    const Unpacked u = Unpack(image);

    EXPECT_FALSE(u.result.sectionAKept);
    EXPECT_TRUE(u.result.sectionBKept && u.result.profileKept && u.result.fireKeyKept);
    EXPECT_EQ(Bytes(BlockBytes(u.buf, layout::kSectionA)), Bytes(kReplacementSectionA));
    EXPECT_EQ(u.buf[databuf::kFlags0], 0xFF);
    EXPECT_EQ(u.buf[databuf::kDpiLevelCount], 4);
    EXPECT_EQ(u.buf[databuf::kSectionAChecksum], 0x79);
    for (const ParameterBlock& block : {layout::kSectionB, layout::kProfile,
                                        layout::kFirePointerTable, layout::kYOffsetTable,
                                        layout::kFireColourTable, layout::kFireKey})
        EXPECT_EQ(Bytes(BlockBytes(u.buf, block)), Bytes(ImageBytes(image, block.image)));
}

TEST(ConfigImage, BrokenProfileAndFireKeyGetTheirReplacementBlocks)
{
    DeviceImage image = DefaultImage(1);
    image[layout::kProfile.image.address] ^= 0x01;
    image[layout::kFireKey.image.address + 2] = 0x05;
    const Unpacked u = Unpack(image);
    EXPECT_TRUE(u.result.sectionAKept);
    EXPECT_FALSE(u.result.profileKept);
    EXPECT_FALSE(u.result.fireKeyKept);

    // The nine replacement codes, the same for both key modes, with a fresh checksum.
    const std::vector<uint8_t> codes{0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00,
                                     0x01, 0x08, 0x00, 0x01, 0x10, 0x00, 0x05, 0x00, 0x00,
                                     0x0F, 0x00, 0x00, 0x02, 0x08, 0x07, 0x09, 0x00, 0x00};
    std::vector<uint8_t> profile = codes;
    profile.insert(profile.end(), codes.begin(), codes.end());
    profile.push_back(SectionChecksum(profile));
    EXPECT_EQ(Bytes(BlockBytes(u.buf, layout::kProfile)), profile);

    EXPECT_EQ(Bytes(BlockBytes(u.buf, layout::kFireKey)),
              (std::vector<uint8_t>{0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x64, 0xFC, 0x70}));
}

TEST(ConfigImage, SectionBPairsAreCheckedOneByOne)
{
    struct Case {
        const char* what;
        size_t pairOffset;
        uint8_t value, complement;
        uint8_t wantValue, wantComplement;
    };
    const Case cases[] = {
        {"level 4 kept", databuf::kCurrentDpiLevel, 3, 252, 3, 252},
        {"broken level pair", databuf::kCurrentDpiLevel, 3, 251, 1, 254},
        {"broken LED pair", databuf::kLedState, 0x42, 0x42, 1, 254},
        {"broken key mode pair", databuf::kKeyMode, 0x80, 0x80, 0, 255},
        {"game mode kept", databuf::kKeyMode, 0x80, 0x7F, 0x80, 0x7F},
    };
    for (const Case& c : cases) {
        DeviceImage image = DefaultImage(1);
        const size_t at = layout::kSectionB.image.address + c.pairOffset - layout::kSectionB.dataBufOffset;
        image[at] = c.value;
        image[at + 1] = c.complement;
        const Unpacked u = Unpack(image);
        EXPECT_EQ(u.buf[c.pairOffset], c.wantValue) << c.what;
        EXPECT_EQ(u.buf[c.pairOffset + 1], c.wantComplement) << c.what;
        EXPECT_EQ(u.result.sectionBKept, c.value == c.wantValue) << c.what;
        // The other pairs stay as read.
        for (size_t other : {databuf::kCurrentDpiLevel, databuf::kLedState, databuf::kKeyMode}) {
            if (other != c.pairOffset) {
                EXPECT_EQ(u.buf[other], image[other - layout::kSectionB.dataBufOffset +
                                              layout::kSectionB.image.address]) << c.what;
            }
        }
    }
}

TEST(ConfigImage, VendorAndProductCodesAreNeverValidated)
{
    for (int value : {0, 1, 0x7F, 0xFE, 0xFF}) {
        DeviceImage image = DefaultImage(1);
        image[0x036] = static_cast<uint8_t>(value);
        image[0x037] = static_cast<uint8_t>(255 - value / 2);
        const Unpacked u = Unpack(image);
        EXPECT_TRUE(u.result.sectionBKept);
        EXPECT_EQ(u.buf[databuf::kVendorCode], image[0x036]);
        EXPECT_EQ(u.buf[databuf::kProductCode], image[0x037]);
    }
}

TEST(ConfigImage, GapsAndMacroAreasAreWrittenBackUntouched)
{
    DeviceImage image = DefaultImage(1);
    for (ImageRange gap : layout::kUninterpretedRanges)
        for (size_t a = gap.address; a < gap.End(); ++a)
            image[a] = static_cast<uint8_t>(a * 7 + 3);
    Unpacked u = Unpack(image);
    ASSERT_TRUE(u.result.AllKept());
    u.areas.basePages[4][0] = 0x55;     // page 5 at 0x600
    u.areas.fireMacroArea[0] = 0x66;    // 0x500
    u.buf[databuf::kDpiLevelCount] = 7; // a changed setting with a stale checksum

    DeviceImage packed = image;
    PackImage(u.buf, u.areas, packed);
    for (ImageRange gap : layout::kUninterpretedRanges)
        EXPECT_EQ(Bytes(ImageBytes(packed, gap)), Bytes(ImageBytes(image, gap)));
    EXPECT_EQ(packed[0x600], 0x55);
    EXPECT_EQ(packed[0x500], 0x66);
    EXPECT_EQ(packed[0x002], 7);
    // The checksum was recomputed before the copy: the packed image loads without replacement.
    EXPECT_TRUE(Unpack(packed).result.AllKept());
}

// Every unpack runs the page check: a page 1-4 body whose checksum fails is cleared (name
// kept), so the next pack writes zeros instead of the damaged body. Pages 5-6 are taken as read.
TEST(ConfigImage, DamagedMacroPagesOneToFourAreClearedAndPackedClear)
{
    DeviceImage image = DefaultImage(1);
    const auto body = [&](int page) { return &image[layout::BaseMacroPageAddress(page) + layout::kMacroPageNameSize]; };
    const auto setBody = [&](int page, std::vector<uint8_t> bytes) {
        std::fill_n(body(page), layout::kMacroPageBodySize, 0);
        std::copy(bytes.begin(), bytes.end(), body(page));
    };
    setBody(1, {0x00, 0x05, 0xA1, 0xFE, 0x03, 0x21, 0x92});   // valid
    setBody(2, {0x00, 0x05, 0xA1, 0xFE, 0x03, 0x21, 0x93});   // checksum off by one
    setBody(3, {0x01, 0x00, 0x33, 0x44});                     // length 0 with stray bytes
    setBody(4, {0x00, 0x05, 0xA1, 0xFE, 0x03, 0x21, 0x93});
    setBody(5, {0x00, 0x05, 0xA1, 0xFE, 0x03, 0x21, 0x93});   // page 5: taken as read
    image[layout::BaseMacroPageAddress(2)] = 'N';

    Unpacked u = Unpack(image);
    EXPECT_EQ(u.result.clearedMacroPages, 0b1110);
    const auto bodyOf = [&](const BaseMacroPage& p) { return std::vector<uint8_t>(p.begin() + layout::kMacroPageNameSize, p.end()); };
    EXPECT_EQ(bodyOf(u.areas.basePages[0]), std::vector<uint8_t>(body(1), body(1) + layout::kMacroPageBodySize));
    for (int page : {2, 3, 4})
        EXPECT_EQ(bodyOf(u.areas.basePages[page - 1]), std::vector<uint8_t>(layout::kMacroPageBodySize, 0)) << "page " << page;
    EXPECT_EQ(u.areas.basePages[1][0], 'N');
    EXPECT_EQ(u.areas.basePages[4][layout::kMacroPageNameSize + 6], 0x93);

    DeviceImage packed = image;
    PackImage(u.buf, u.areas, packed);
    EXPECT_EQ(std::vector<uint8_t>(&packed[layout::BaseMacroPageAddress(2) + layout::kMacroPageNameSize],
                                   &packed[layout::BaseMacroPageAddress(2) + layout::kBaseMacroPageSize]),
              std::vector<uint8_t>(layout::kMacroPageBodySize, 0));
}

TEST(ConfigImage, MacroPagesComeFromTheirImageAddresses)
{
    DeviceImage image{};
    for (int page = 1; page <= 6; ++page)
        image[layout::BaseMacroPageAddress(page) + 1] = static_cast<uint8_t>(page);
    image[0x501] = 0x77;
    const Unpacked u = Unpack(image);
    for (int page = 1; page <= 6; ++page)
        EXPECT_EQ(u.areas.basePages[page - 1][1], page);
    EXPECT_EQ(u.areas.fireMacroArea[1], 0x77);
}

TEST(ParameterFields, FireKeyCountFFIsContinuousBothWays)
{
    DataBuf buf{};
    ImageToDataBuf(DefaultImage(1), buf);
    const FireKeySetting standard = ReadFireKey(buf);
    EXPECT_FALSE(standard.continuous);
    EXPECT_EQ(standard.shots, 3);
    EXPECT_EQ(standard.interval, 6);

    buf[databuf::kFireKeyCount] = 0xFF;
    EXPECT_TRUE(ReadFireKey(buf).continuous);

    WriteFireKey(buf, {.continuous = false, .shots = 1, .interval = 9});
    EXPECT_EQ(buf[databuf::kFireKeyCount], 0);
    WriteFireKey(buf, {.continuous = false, .shots = 256, .interval = 9});
    EXPECT_EQ(buf[databuf::kFireKeyCount], 0xFF);
    WriteFireKey(buf, {.continuous = true, .shots = 3, .interval = 9});
    EXPECT_EQ(buf[databuf::kFireKeyCount], 0xFF);
    EXPECT_EQ(buf[databuf::kFireKeyInterval], 9);
    // Only count and interval change; the rest of the macro is left as loaded.
    EXPECT_EQ(buf[databuf::kFireKeyButtonDown], 0xA1);
}

TEST(ParameterFields, LedTypeReadsAndWritesItsBits)
{
    struct Case {
        uint8_t b0, b1;
        LedType want;
    };
    const Case cases[] = {
        {0x00, 0x00, LedType::Mcu}, {0x00, 0x18, LedType::Mcu},
        {0x80, 0x08, LedType::RedBlue}, {0x80, 0x18, LedType::RedBlue},
        {0x80, 0x10, LedType::SevenColourBreathing}, {0x80, 0x00, LedType::SevenColourSync},
    };
    for (const Case& c : cases) {
        DataBuf buf{};
        buf[databuf::kFlags0] = c.b0;
        buf[databuf::kFlags1] = c.b1;
        EXPECT_EQ(ReadLedType(buf), c.want);
    }
    for (LedType type : {LedType::Mcu, LedType::RedBlue, LedType::SevenColourSync,
                         LedType::SevenColourBreathing}) {
        DataBuf buf{};
        buf[databuf::kFlags1] = 0x30;    // smoothing and bit 4 set beforehand
        WriteLedType(buf, type);
        EXPECT_EQ(ReadLedType(buf), type);
        EXPECT_TRUE(buf[databuf::kFlags1] & flags1::kSmoothing);
    }
    // MCU and RB leave bit 4 as it was.
    DataBuf buf{};
    buf[databuf::kFlags1] = flags1::kLedTypeBit4;
    WriteLedType(buf, LedType::RedBlue);
    EXPECT_TRUE(buf[databuf::kFlags1] & flags1::kLedTypeBit4);
}

TEST(ParameterFields, OrientationCodesMapToListPositions)
{
    for (int index = 0; index < 8; ++index)
        EXPECT_EQ(OrientationIndex(kOrientationCodes[index]), index);
    // The default image holds code 4, "180 °".
    EXPECT_EQ(OrientationIndex((DefaultImage(1)[0] & flags0::kOrientationMask) >> flags0::kOrientationShift), 2);
}

} // namespace
} // namespace tarq
