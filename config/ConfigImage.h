// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Moving the configuration image to and from its working buffers: the parameter blocks to
// DataBuf (with the section checks), and the macro pages and fire macro area to their own
// buffers. Bytes the program does not interpret are never written by packing.

#include "config/ImageLayout.h"

#include <array>
#include <cstdint>
#include <span>

namespace tarq {

using BaseMacroPage = std::array<uint8_t, layout::kBaseMacroPageSize>;
using FireMacroAreaBytes = std::array<uint8_t, layout::kFireMacroArea.length>;

// The macro areas of an image, held apart from it while the program edits them.
struct ImageMacroAreas {
    std::array<BaseMacroPage, layout::kBaseMacroPageCount> basePages{};  // pages 1-6
    FireMacroAreaBytes fireMacroArea{};
};

// Which sections passed their checks when an image was unpacked; a failed section was
// replaced by its fixed block.
struct SectionCheckResult {
    bool sectionAKept = true;
    bool sectionBKept = true;
    bool profileKept = true;
    bool fireKeyKept = true;
    int clearedMacroPages = 0;   // bit p - 1: the body of base macro page p failed its check


    bool AllKept() const { return sectionAKept && sectionBKept && profileKept && fireKeyKept; }
};

// Views of image ranges.
std::span<uint8_t> ImageBytes(DeviceImage& image, ImageRange range);
std::span<const uint8_t> ImageBytes(const DeviceImage& image, ImageRange range);
std::span<uint8_t, layout::kBaseMacroPageSize> BaseMacroPageBytes(DeviceImage& image, int page);
std::span<const uint8_t, layout::kBaseMacroPageSize> BaseMacroPageBytes(
    const DeviceImage& image, int page);

// Copies the parameter blocks of the image into DataBuf, block by block, each followed by its
// check: section A, section B, profile, the three fire tables (unchecked), fire key.
SectionCheckResult ImageToDataBuf(const DeviceImage& image, DataBuf& buf);

// Recomputes the three checksums in DataBuf, then copies every parameter block to its image
// address. Gap bytes of the image keep what they held.
void DataBufToImage(DataBuf& buf, DeviceImage& image);

void MacroAreasFromImage(const DeviceImage& image, ImageMacroAreas& areas);
void MacroAreasToImage(const ImageMacroAreas& areas, DeviceImage& image);

// Clears to zeros the body of every base macro page 1-4 whose checksum fails (CheckMacroContentBuf);
// names stay, pages 5 and 6 are taken as read. Returns the cleared pages, bit p - 1 for page p.
int CheckBaseMacroPageBodies(ImageMacroAreas& areas);

// The whole load: parameter blocks with checks, then the macro areas with the page check.
SectionCheckResult UnpackImage(const DeviceImage& image, DataBuf& buf, ImageMacroAreas& areas);

// The whole build for writing: parameter blocks with fresh checksums, then the macro areas.
void PackImage(DataBuf& buf, const ImageMacroAreas& areas, DeviceImage& image);

} // namespace tarq
