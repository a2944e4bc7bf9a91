// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ConfigImage.h"

#include "config/ImageSections.h"
#include "macros/MacroBody.h"

#include <algorithm>

namespace tarq {

namespace {

void CopyBlockIn(const DeviceImage& image, const ParameterBlock& block, DataBuf& buf)
{
    const auto from = ImageBytes(image, block.image);
    std::copy(from.begin(), from.end(), BlockBytes(buf, block).begin());
}

void CopyBlockOut(const DataBuf& buf, const ParameterBlock& block, DeviceImage& image)
{
    const auto from = BlockBytes(buf, block);
    std::copy(from.begin(), from.end(), ImageBytes(image, block.image).begin());
}

} // namespace

std::span<uint8_t> ImageBytes(DeviceImage& image, ImageRange range)
{
    return std::span<uint8_t>(image).subspan(range.address, range.length);
}

std::span<const uint8_t> ImageBytes(const DeviceImage& image, ImageRange range)
{
    return std::span<const uint8_t>(image).subspan(range.address, range.length);
}

std::span<uint8_t, layout::kBaseMacroPageSize> BaseMacroPageBytes(DeviceImage& image, int page)
{
    page = std::clamp(page, 1, static_cast<int>(layout::kBaseMacroPageCount));
    return std::span<uint8_t>(image)
        .subspan(layout::BaseMacroPageAddress(page))
        .first<layout::kBaseMacroPageSize>();
}

std::span<const uint8_t, layout::kBaseMacroPageSize> BaseMacroPageBytes(
    const DeviceImage& image, int page)
{
    page = std::clamp(page, 1, static_cast<int>(layout::kBaseMacroPageCount));
    return std::span<const uint8_t>(image)
        .subspan(layout::BaseMacroPageAddress(page))
        .first<layout::kBaseMacroPageSize>();
}

SectionCheckResult ImageToDataBuf(const DeviceImage& image, DataBuf& buf)
{
    SectionCheckResult result;

    CopyBlockIn(image, layout::kSectionA, buf);
    result.sectionAKept = CheckParameterASection(buf);

    CopyBlockIn(image, layout::kSectionB, buf);
    result.sectionBKept = CheckParameterBSection(buf);

    CopyBlockIn(image, layout::kProfile, buf);
    result.profileKept = CheckProfileSection(buf);

    CopyBlockIn(image, layout::kFirePointerTable, buf);
    CopyBlockIn(image, layout::kYOffsetTable, buf);
    CopyBlockIn(image, layout::kFireColourTable, buf);

    CopyBlockIn(image, layout::kFireKey, buf);
    result.fireKeyKept = CheckFireKeySection(buf);

    return result;
}

void DataBufToImage(DataBuf& buf, DeviceImage& image)
{
    UpdateSectionChecksums(buf);
    for (const ParameterBlock& block : layout::kParameterBlocks)
        CopyBlockOut(buf, block, image);
}

void MacroAreasFromImage(const DeviceImage& image, ImageMacroAreas& areas)
{
    for (size_t i = 0; i < areas.basePages.size(); ++i) {
        const auto page = BaseMacroPageBytes(image, static_cast<int>(i) + 1);
        std::copy(page.begin(), page.end(), areas.basePages[i].begin());
    }
    const auto fire = ImageBytes(image, layout::kFireMacroArea);
    std::copy(fire.begin(), fire.end(), areas.fireMacroArea.begin());
}

void MacroAreasToImage(const ImageMacroAreas& areas, DeviceImage& image)
{
    for (size_t i = 0; i < areas.basePages.size(); ++i) {
        const auto page = BaseMacroPageBytes(image, static_cast<int>(i) + 1);
        std::copy(areas.basePages[i].begin(), areas.basePages[i].end(), page.begin());
    }
    std::copy(areas.fireMacroArea.begin(), areas.fireMacroArea.end(),
              ImageBytes(image, layout::kFireMacroArea).begin());
}

int CheckBaseMacroPageBodies(ImageMacroAreas& areas)
{
    int cleared = 0;
    for (int page = 1; page <= 4; ++page) {
        auto body = std::span<uint8_t, macro_body::kSize>(
            areas.basePages[size_t(page - 1)].data() + layout::kMacroPageNameSize, macro_body::kSize);
        if (!MacroBodyChecksumOk(body)) {
            std::fill(body.begin(), body.end(), uint8_t{0});
            cleared |= 1 << (page - 1);
        }
    }
    return cleared;
}

SectionCheckResult UnpackImage(const DeviceImage& image, DataBuf& buf, ImageMacroAreas& areas)
{
    SectionCheckResult result = ImageToDataBuf(image, buf);
    MacroAreasFromImage(image, areas);
    result.clearedMacroPages = CheckBaseMacroPageBodies(areas);
    return result;
}

void PackImage(DataBuf& buf, const ImageMacroAreas& areas, DeviceImage& image)
{
    DataBufToImage(buf, image);
    MacroAreasToImage(areas, image);
}

} // namespace tarq
