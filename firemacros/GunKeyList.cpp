// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/GunKeyList.h"

#include "firemacros/GunTable.h"
#include "macros/MacroScript.h"

#include <algorithm>

namespace tarq {

GunKeyList ReadGunKeyListFile(std::span<const uint8_t> file)
{
    GunKeyList list{};
    const size_t n = std::min(file.size(), kGunKeyListFileSize);
    for (size_t i = 0; i < n; ++i)
        list[i / kGunKeyEntrySize][i % kGunKeyEntrySize] = file[i];
    return list;
}

std::vector<uint8_t> WriteGunKeyListFile(const GunKeyList& list)
{
    std::vector<uint8_t> out;
    out.reserve(kGunKeyListFileSize);
    for (const GunKeyEntry& entry : list)
        out.insert(out.end(), entry.begin(), entry.end());
    return out;
}

bool GunKeyEntryIsEmpty(const GunKeyEntry& entry)
{
    return std::all_of(entry.begin(), entry.end(), [](uint8_t b) { return b == 0; });
}

std::string GunKeyEntryCode(const GunKeyEntry& entry)
{
    return HexBytes(entry);
}

std::vector<GunKeyListItem> GunKeyListItems(const GunKeyList& list)
{
    std::vector<GunKeyListItem> items;
    for (int i = 0; i < kGunKeyListEntries; ++i)
        if (!GunKeyEntryIsEmpty(list[size_t(i)]))
            items.push_back({i, "Fire Macro" + std::to_string(i + 1)});
    return items;
}

std::optional<int> AddGunKey(GunKeyList& list, int startIndex, int stopIndex)
{
    auto inRange = [](int index) { return index >= 1 && index <= kGunKeyListEntries; };
    if (!inRange(startIndex) || !inRange(stopIndex))
        return std::nullopt;
    // The list is kept without gaps, so the first empty entry is the one after the last
    // item; taking it also never overwrites an entry of a file that has gaps.
    const auto empty = std::find_if(list.begin(), list.end(), GunKeyEntryIsEmpty);
    if (empty == list.end())
        return std::nullopt;
    *empty = {kGunKeyCodeType, uint8_t(startIndex), uint8_t(stopIndex)};
    return int(empty - list.begin());
}

void RemoveGunKey(GunKeyList& list, int entry)
{
    if (entry < 0 || entry >= kGunKeyListEntries)
        return;
    std::move(list.begin() + entry + 1, list.end(), list.begin() + entry);
    list.back() = GunKeyEntry{};
}

} // namespace tarq
