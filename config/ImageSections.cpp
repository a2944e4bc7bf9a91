// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ImageSections.h"

#include "config/SectionChecksum.h"

#include <algorithm>

namespace tarq {

namespace {

using databuf::kButtonCount;
using databuf::kKeyCodeSize;

// Office and game mode get the same nine codes: left click, middle click, right click, back,
// forward, DPI loop, key mode switch, Win+D ("Desktop"), LED on/off.
constexpr std::array<std::array<uint8_t, kKeyCodeSize>, kButtonCount> kReplacementButtonCodes{{
    {0x01, 0x01, 0x00}, {0x01, 0x04, 0x00}, {0x01, 0x02, 0x00},
    {0x01, 0x08, 0x00}, {0x01, 0x10, 0x00}, {0x05, 0x00, 0x00},
    {0x0F, 0x00, 0x00}, {0x02, 0x08, 0x07}, {0x09, 0x00, 0x00},
}};

template <size_t N>
constexpr std::array<uint8_t, N> WithChecksum(std::array<uint8_t, N> block)
{
    block[N - 1] = SectionChecksum(std::span<const uint8_t>(block.data(), N - 1));
    return block;
}

constexpr std::array<uint8_t, layout::kProfile.image.length> BuildReplacementProfile()
{
    std::array<uint8_t, layout::kProfile.image.length> block{};
    std::fill(block.begin(), block.end(), uint8_t{0xFF});
    size_t at = 0;
    for (int keyMode = 0; keyMode < 2; ++keyMode) {
        for (const auto& code : kReplacementButtonCodes) {
            for (uint8_t b : code)
                block[at++] = b;
        }
    }
    return WithChecksum(block);
}

void CopyIntoBlock(DataBuf& buf, const ParameterBlock& block, std::span<const uint8_t> bytes)
{
    std::copy(bytes.begin(), bytes.end(), BlockBytes(buf, block).begin());
}

} // namespace

// Byte 0 = 0xFF: both LED chords on, recoil trigger Fn+left, key mode not remembered,
// orientation 0 degrees, LED class bit set. Byte 1 = 0xFE: long press on DPI button and gun
// key, LED type bits both set (read as RB LED), smoothing on. 4 DPI levels, half brightness,
// 13 MCU LEDs, all seven MCU LED modes; levels valued 800, 1000, 1200, 1600, 2000, 2400, 3200.
const std::array<uint8_t, layout::kSectionA.image.length> kReplacementSectionA = WithChecksum<48>({
    0xFF, 0xFE, 0x04, 0x00, 0xFF, 0x00,
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
    0x01, 0x04, 0x03, 0x00, 0x02, 0x05, 0x06, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00,
    0xFF, 0x00, 0x00,   // level 1 red
    0x00, 0xFF, 0x00,   // level 2 green
    0xFF, 0xFF, 0x00,   // level 3 yellow
    0x00, 0x00, 0xFF,   // level 4 blue
    0xFF, 0x00, 0xFF,   // level 5 magenta
    0x00, 0xFF, 0xFF,   // level 6 cyan
    0xFF, 0xFF, 0xFF,   // level 7 white
    0x00,               // checksum, filled in (0x79)
});

const std::array<uint8_t, layout::kProfile.image.length> kReplacementProfile =
    BuildReplacementProfile();

// 3 shots, 100 units (800 ms) between shots.
const std::array<uint8_t, layout::kFireKey.image.length> kReplacementFireKey = WithChecksum<11>({
    0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x64, 0xFC, 0x00});

std::span<uint8_t> BlockBytes(DataBuf& buf, const ParameterBlock& block)
{
    return std::span<uint8_t>(buf).subspan(block.dataBufOffset, block.image.length);
}

std::span<const uint8_t> BlockBytes(const DataBuf& buf, const ParameterBlock& block)
{
    return std::span<const uint8_t>(buf).subspan(block.dataBufOffset, block.image.length);
}

bool BlockChecksumMatches(const DataBuf& buf, const ParameterBlock& block)
{
    const auto bytes = BlockBytes(buf, block);
    return bytes.back() == SectionChecksum(bytes.first(bytes.size() - 1));
}

static void UpdateBlockChecksum(DataBuf& buf, const ParameterBlock& block)
{
    const auto bytes = BlockBytes(buf, block);
    bytes.back() = SectionChecksum(bytes.first(bytes.size() - 1));
}

void UpdateSectionChecksums(DataBuf& buf)
{
    UpdateBlockChecksum(buf, layout::kSectionA);
    UpdateBlockChecksum(buf, layout::kProfile);
    UpdateBlockChecksum(buf, layout::kFireKey);
}

void FillDefaultParameterA(DataBuf& buf)
{
    CopyIntoBlock(buf, layout::kSectionA, kReplacementSectionA);
    UpdateBlockChecksum(buf, layout::kSectionA);
}

void FillDefaultProfile(DataBuf& buf)
{
    CopyIntoBlock(buf, layout::kProfile, kReplacementProfile);
    UpdateBlockChecksum(buf, layout::kProfile);
}

void FillDefaultFireKey(DataBuf& buf)
{
    CopyIntoBlock(buf, layout::kFireKey, kReplacementFireKey);
    UpdateBlockChecksum(buf, layout::kFireKey);
}

bool CheckParameterASection(DataBuf& buf)
{
    if (BlockChecksumMatches(buf, layout::kSectionA))
        return true;
    FillDefaultParameterA(buf);
    return false;
}

void WriteComplementPair(DataBuf& buf, size_t valueOffset, uint8_t value)
{
    buf[valueOffset] = value;
    buf[valueOffset + 1] = static_cast<uint8_t>(255 - value);
}

bool CheckParameterBSection(DataBuf& buf)
{
    struct Pair {
        size_t valueOffset;
        uint8_t replacement;
    };
    // The vendor and product codes (bytes 54, 55) have no complements and are not checked.
    constexpr std::array kPairs{
        Pair{databuf::kCurrentDpiLevel, kReplacementCurrentDpiLevel},
        Pair{databuf::kLedState, kReplacementLedState},
        Pair{databuf::kKeyMode, kReplacementKeyMode},
    };
    bool kept = true;
    for (const Pair& pair : kPairs) {
        if (!IsComplementPair(buf[pair.valueOffset], buf[pair.valueOffset + 1])) {
            WriteComplementPair(buf, pair.valueOffset, pair.replacement);
            kept = false;
        }
    }
    return kept;
}

bool CheckProfileSection(DataBuf& buf)
{
    if (BlockChecksumMatches(buf, layout::kProfile))
        return true;
    FillDefaultProfile(buf);
    return false;
}

bool CheckFireKeySection(DataBuf& buf)
{
    if (BlockChecksumMatches(buf, layout::kFireKey))
        return true;
    FillDefaultFireKey(buf);
    return false;
}

} // namespace tarq
