// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroPages.h"

#include "config/HexText.h"

#include <algorithm>
#include <cstdio>

namespace tarq {

namespace {

// The page code is the image address of the page's body byte 1.
constexpr uint16_t kPageCodeOffset = kMacroNameSize + macro_body::kLengthOffset;
static_assert(layout::BaseMacroPageAddress(1) + kPageCodeOffset == 0x0121);
static_assert(layout::BaseMacroPageAddress(kBaseMacroPageCount) + kMacroRecordSize <= kDeviceImageSize);

bool ValidPage(int page)
{
    return page >= 1 && page <= kBaseMacroPageCount;
}

// The page a code plays, if any.
std::optional<int> PageOfKeyCode(std::string_view code)
{
    if (code.size() != 6)
        return std::nullopt;
    const auto type = ParseHex(code.substr(0, 2));
    const auto address = ParseHex(code.substr(2, 4));
    if (!type || !address || (*type != 0x06 && *type != 0x0E))
        return std::nullopt;
    return BaseMacroPageFromCode(uint16_t(*address));
}

// The choice when the used pages are exactly 1..k: page k + 1 is next (pageCount + 1 means none
// is free), unless exactly one page carries the macro's name. Other patterns go to ChooseInGaps.
std::optional<int> ChooseAfterContiguousPages(const std::bitset<kBaseMacroPageCount>& used,
                                              int pageCount, std::span<const MacroName> names,
                                              const MacroName& macroName)
{
    int k = 0;
    while (k < pageCount && used[size_t(k)])
        ++k;
    for (int p = k; p < pageCount; ++p)
        if (used[size_t(p)])
            return std::nullopt;   // not contiguous: ChooseInGaps decides

    int candidate = k + 1;
    if (!MacroNameIsEmpty(macroName)) {
        int matches = 0;
        int matchPage = 0;
        for (int p = 0; p < pageCount; ++p)
            if (names[size_t(p)] == macroName) {
                ++matches;
                matchPage = p + 1;
            }
        if (matches == 1)
            candidate = matchPage;
    }
    return candidate;
}

// The choice among scattered pages: the first gap that sits right before a used page, then the
// page numbered by the count of used pages, then the lowest free page.
int ChooseInGaps(const std::bitset<kBaseMacroPageCount>& used, int pageCount)
{
    auto inUse = [&](int page) { return page >= 1 && page <= pageCount && used[size_t(page - 1)]; };
    auto isFree = [&](int page) { return page >= 1 && page <= pageCount && !used[size_t(page - 1)]; };

    if (isFree(1) && inUse(2))
        return 1;
    for (int p = 2; p < pageCount; ++p)
        if (inUse(p - 1) && isFree(p) && inUse(p + 1))
            return p;
    // On four pages the last page has no page after it: it is taken after a used page 3.
    if (pageCount == kBaseMacroIndexPageCount && inUse(3) && isFree(4))
        return 4;

    int count = 0;
    for (int p = 1; p <= pageCount; ++p)
        count += inUse(p) ? 1 : 0;
    if (isFree(count))
        return count;
    for (int p = 1; p <= pageCount; ++p)
        if (isFree(p))
            return p;
    return pageCount + 1;
}

std::optional<int> ChoosePage(std::span<const std::string> keyCodes,
                              std::span<const MacroName, kBaseMacroPageCount> pageNames,
                              const MacroName& macroName, int pageCount)
{
    std::bitset<kBaseMacroPageCount> used = BaseMacroPagesInUse(keyCodes);
    for (int p = pageCount; p < kBaseMacroPageCount; ++p)
        used.reset(size_t(p));

    int page = 0;
    if (auto first = ChooseAfterContiguousPages(used, pageCount, pageNames, macroName))
        page = *first;
    else
        page = ChooseInGaps(used, pageCount);
    if (page > pageCount)
        return std::nullopt;
    return page;
}

} // namespace

uint16_t BaseMacroPageAddress(int page)
{
    return ValidPage(page) ? layout::BaseMacroPageAddress(page) : 0;
}

uint16_t BaseMacroPageCode(int page)
{
    return ValidPage(page) ? uint16_t(layout::BaseMacroPageAddress(page) + kPageCodeOffset) : 0;
}

std::optional<int> BaseMacroPageFromCode(uint16_t pageCode)
{
    for (int p = 1; p <= kBaseMacroPageCount; ++p)
        if (BaseMacroPageCode(p) == pageCode)
            return p;
    return std::nullopt;
}

std::string MacroKeyCode(int page, uint8_t releaseByte)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%04X", unsigned(MacroCodeType(releaseByte)),
                  unsigned(BaseMacroPageCode(page)));
    return text;
}

BaseMacroPages UnpackBaseMacroPages(std::span<const uint8_t, kDeviceImageSize> image)
{
    BaseMacroPages pages{};
    for (int p = 1; p <= kBaseMacroPageCount; ++p) {
        const auto record = image.subspan(BaseMacroPageAddress(p), kMacroRecordSize);
        MacroRecord& page = pages[size_t(p - 1)];
        std::copy_n(record.begin(), kMacroNameSize, page.name.begin());
        std::copy_n(record.begin() + kMacroNameSize, macro_body::kSize, page.body.begin());
    }
    CheckMacroContentBuf(pages);
    return pages;
}

void PackBaseMacroPages(const BaseMacroPages& pages, std::span<uint8_t, kDeviceImageSize> image)
{
    for (int p = 1; p <= kBaseMacroPageCount; ++p) {
        const MacroRecord& page = pages[size_t(p - 1)];
        auto record = image.subspan(BaseMacroPageAddress(p), kMacroRecordSize);
        std::copy(page.name.begin(), page.name.end(), record.begin());
        std::copy(page.body.begin(), page.body.end(), record.begin() + kMacroNameSize);
    }
}

std::bitset<kBaseMacroPageCount> CheckMacroContentBuf(BaseMacroPages& pages)
{
    std::bitset<kBaseMacroPageCount> cleared;
    for (int p = 1; p <= kBaseMacroIndexPageCount; ++p) {
        MacroBody& body = pages[size_t(p - 1)].body;
        if (!MacroBodyChecksumOk(body)) {
            body.fill(0);
            cleared.set(size_t(p - 1));
        }
    }
    return cleared;
}

std::bitset<kBaseMacroPageCount> BaseMacroPagesInUse(std::span<const std::string> keyCodes)
{
    std::bitset<kBaseMacroPageCount> used;
    for (const std::string& code : keyCodes)
        if (auto page = PageOfKeyCode(code))
            used.set(size_t(*page - 1));
    return used;
}

std::optional<int> FindBaseMacroCount(std::span<const std::string> keyCodes,
                                      std::span<const MacroName, kBaseMacroPageCount> pageNames,
                                      const MacroName& macroName)
{
    return ChoosePage(keyCodes, pageNames, macroName, kBaseMacroPageCount);
}

std::optional<int> FindBaseMacroIndex(std::span<const std::string> keyCodes,
                                      std::span<const MacroName, kBaseMacroPageCount> pageNames,
                                      const MacroName& macroName)
{
    return ChoosePage(keyCodes, pageNames, macroName, kBaseMacroIndexPageCount);
}

std::array<MacroName, kBaseMacroPageCount> BaseMacroPageNames(const BaseMacroPages& pages)
{
    std::array<MacroName, kBaseMacroPageCount> names{};
    for (size_t i = 0; i < names.size(); ++i)
        names[i] = pages[i].name;
    return names;
}

} // namespace tarq
