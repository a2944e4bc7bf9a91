// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Byte layout of the 2048-byte configuration image (`DeviceImage`, a mirror of the mouse's
// configuration memory) and of the 202-byte unpacked parameter buffer (`DataBuf`).
//
// The parameter blocks sit in the first 256 bytes of the image with gaps between them; in
// DataBuf they follow each other without gaps. Every offset below is written once; code that
// reads or writes a field uses these names.

#include <array>
#include <cstddef>
#include <cstdint>

namespace tarq {

inline constexpr size_t kDeviceImageSize = 2048;
inline constexpr size_t kDataBufSize = 202;

using DeviceImage = std::array<uint8_t, kDeviceImageSize>;
using DataBuf = std::array<uint8_t, kDataBufSize>;

// A range of image addresses.
struct ImageRange {
    uint16_t address;
    uint16_t length;
    constexpr size_t End() const { return size_t{address} + length; }
};

// A parameter block: where it lies in the image and where in DataBuf.
struct ParameterBlock {
    ImageRange image;
    uint16_t dataBufOffset;
    constexpr size_t DataBufEnd() const { return size_t{dataBufOffset} + image.length; }
};

namespace layout {

// Parameter blocks, in image order (the order in which they are unpacked).
inline constexpr ParameterBlock kSectionA{{0x000, 48}, 0};            // last byte: checksum
inline constexpr ParameterBlock kSectionB{{0x030, 8}, 48};            // three complement pairs
inline constexpr ParameterBlock kProfile{{0x040, 55}, 56};            // last byte: checksum
inline constexpr ParameterBlock kFirePointerTable{{0x080, 30}, 111};
inline constexpr ParameterBlock kYOffsetTable{{0x0B0, 20}, 141};
inline constexpr ParameterBlock kFireColourTable{{0x0D0, 30}, 161};
inline constexpr ParameterBlock kFireKey{{0x0F0, 11}, 191};           // last byte: checksum

inline constexpr std::array kParameterBlocks{
    kSectionA, kSectionB, kProfile, kFirePointerTable, kYOffsetTable, kFireColourTable, kFireKey};

// Image bytes the program never interprets; they travel through unchanged.
inline constexpr std::array kUninterpretedRanges{
    ImageRange{0x038, 8}, ImageRange{0x077, 9}, ImageRange{0x09E, 18},
    ImageRange{0x0C4, 12}, ImageRange{0x0EE, 2}, ImageRange{0x0FB, 5}};

// Macro areas, copied as whole blocks to and from their own buffers.
inline constexpr size_t kBaseMacroPageSize = 256;     // 32-byte name + 224-byte macro body
inline constexpr size_t kBaseMacroPageCount = 6;
inline constexpr size_t kMacroPageNameSize = 32;
inline constexpr size_t kMacroPageBodySize = 224;
inline constexpr ImageRange kBaseMacroPages1To4{0x100, 4 * kBaseMacroPageSize};
inline constexpr ImageRange kFireMacroArea{0x500, 256};     // ten 24-byte records + 16 spare
inline constexpr ImageRange kBaseMacroPages5To6{0x600, 2 * kBaseMacroPageSize};

// Image address of base macro page 1-6 (pages 5 and 6 sit after the fire macro area).
constexpr uint16_t BaseMacroPageAddress(int page)
{
    return static_cast<uint16_t>(page <= 4
        ? kBaseMacroPages1To4.address + (page - 1) * kBaseMacroPageSize
        : kBaseMacroPages5To6.address + (page - 5) * kBaseMacroPageSize);
}

} // namespace layout

// Field offsets inside DataBuf. A block's field at DataBuf offset d lies at image address
// block.image.address + (d - block.dataBufOffset).
namespace databuf {

// Parameter section A.
inline constexpr size_t kFlags0 = 0;          // chords, recoil trigger, key mode memory, orientation, LED class
inline constexpr size_t kFlags1 = 1;          // long-press switching, LED type bits, smoothing
inline constexpr size_t kDpiLevelCount = 2;   // 2-7
inline constexpr size_t kMcuLed = 3;          // brightness bit 3, 13 - LED count in bits 4-7
inline constexpr size_t kMcuLedModes = 4;     // bit 0 marker, bits 1-7 modes offered
inline constexpr size_t kDpiValues = 6;       // seven DPI table indexes, 0xFF = no value
inline constexpr size_t kDpiLevels = 7;
inline constexpr size_t kDpiColours = 26;     // seven red, green, blue triples
inline constexpr size_t kSectionAChecksum = 47;

// Parameter section B: value/complement pairs, then two unchecked identity bytes.
inline constexpr size_t kCurrentDpiLevel = 48;
inline constexpr size_t kCurrentDpiLevelComplement = 49;
inline constexpr size_t kLedState = 50;
inline constexpr size_t kLedStateComplement = 51;
inline constexpr size_t kKeyMode = 52;
inline constexpr size_t kKeyModeComplement = 53;
inline constexpr size_t kVendorCode = 54;
inline constexpr size_t kProductCode = 55;

// Profile section: nine 3-byte key-function codes per key mode, then the checksum.
inline constexpr size_t kKeyCodeSize = 3;
inline constexpr size_t kButtonCount = 9;
inline constexpr size_t kOfficeKeyCodes = 56;
inline constexpr size_t kGameKeyCodes = 83;
inline constexpr size_t kProfileChecksum = 110;

// Fire tables, ten entries each.
inline constexpr size_t kFireMacroCount = 10;
inline constexpr size_t kFirePointers = 111;      // kind (0x0E/0x0B), address high, address low
inline constexpr size_t kFirePointerSize = 3;
inline constexpr size_t kYOffsets = 141;          // signed offset, 255 - offset
inline constexpr size_t kYOffsetSize = 2;
inline constexpr size_t kFireColours = 161;       // red, green, blue
inline constexpr size_t kFireColourSize = 3;

// Fire-key section: a complete macro played by the fire key.
inline constexpr size_t kFireKeyLength = 191;     // 0x0A: bytes that follow, checksum included
inline constexpr size_t kFireKeyRepeatStart = 192;
inline constexpr size_t kFireKeyCount = 193;      // shots - 1; 0xFF = continuous
inline constexpr size_t kFireKeyButtonDown = 194;
inline constexpr size_t kFireKeyHoldDelay = 195;  // 0xFE 0x03
inline constexpr size_t kFireKeyButtonUp = 197;
inline constexpr size_t kFireKeyDelayMark = 198;
inline constexpr size_t kFireKeyInterval = 199;   // units of 8 ms
inline constexpr size_t kFireKeyRepeatEnd = 200;
inline constexpr size_t kFireKeyChecksum = 201;

// DataBuf offset of the key-function code of button 1-9 in key mode 1 (office) or 2 (game).
constexpr size_t KeyCodeOffset(int keyMode, int button)
{
    return (keyMode == 1 ? kOfficeKeyCodes : kGameKeyCodes) + (button - 1) * kKeyCodeSize;
}

} // namespace databuf

namespace layout {
// Where the image keeps the manufacturer code, then the product code (section B's bytes for
// them): the identity check reads these two bytes from the mouse.
inline constexpr size_t kDeviceCodesAddress =
    databuf::kVendorCode - kSectionB.dataBufOffset + kSectionB.image.address;
static_assert(kDeviceCodesAddress == 0x36);
static_assert(databuf::kProductCode == databuf::kVendorCode + 1);
} // namespace layout

// The layout is checked here so that a typo in an offset fails the build.
namespace layout::check {

constexpr bool BlocksAreContiguousInDataBuf()
{
    size_t next = 0;
    for (const ParameterBlock& b : kParameterBlocks) {
        if (b.dataBufOffset != next)
            return false;
        next = b.DataBufEnd();
    }
    return next == kDataBufSize;
}

// Parameter blocks, uninterpreted ranges and macro areas together cover the image exactly once.
constexpr bool RangesTileTheImage()
{
    std::array<int, kDeviceImageSize> uses{};
    auto mark = [&](ImageRange r) {
        for (size_t a = r.address; a < r.End() && a < kDeviceImageSize; ++a)
            ++uses[a];
        return r.End() <= kDeviceImageSize;
    };
    bool inside = true;
    for (const ParameterBlock& b : kParameterBlocks)
        inside = mark(b.image) && inside;
    for (ImageRange r : kUninterpretedRanges)
        inside = mark(r) && inside;
    inside = mark(kBaseMacroPages1To4) && inside;
    inside = mark(kFireMacroArea) && inside;
    inside = mark(kBaseMacroPages5To6) && inside;
    for (int u : uses) {
        if (u != 1)
            return false;
    }
    return inside;
}

static_assert(sizeof(DeviceImage) == 2048);
static_assert(sizeof(DataBuf) == 202);
static_assert(kMacroPageNameSize + kMacroPageBodySize == kBaseMacroPageSize);
static_assert(kMacroPageBodySize == 224 && kFireMacroArea.length == 256);
static_assert(BlocksAreContiguousInDataBuf());
static_assert(RangesTileTheImage());
static_assert(databuf::kSectionAChecksum + 1 == kSectionB.dataBufOffset);
static_assert(databuf::kDpiColours + 3 * databuf::kDpiLevels == databuf::kSectionAChecksum);
static_assert(databuf::KeyCodeOffset(2, 10) == databuf::kProfileChecksum);
static_assert(databuf::kProfileChecksum + 1 == kFirePointerTable.dataBufOffset);
static_assert(databuf::kFirePointers + 30 == kYOffsetTable.dataBufOffset);
static_assert(databuf::kYOffsets + 20 == kFireColourTable.dataBufOffset);
static_assert(databuf::kFireColours + 30 == kFireKey.dataBufOffset);
static_assert(databuf::kFireKeyLength == kFireKey.dataBufOffset);
static_assert(databuf::kFireKeyChecksum + 1 == kDataBufSize);
static_assert(BaseMacroPageAddress(1) == 0x100 && BaseMacroPageAddress(4) == 0x400);
static_assert(BaseMacroPageAddress(5) == 0x600 && BaseMacroPageAddress(6) == 0x700);

} // namespace layout::check

} // namespace tarq
