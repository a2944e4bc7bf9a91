// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroLibrary.h"

#include <algorithm>

namespace tarq {

namespace {

bool IsPresent(const MacroRecord& record)
{
    return !MacroNameIsEmpty(record.name);
}

} // namespace

int MacroLibraryCount(const PcMacroLibrary& library)
{
    const auto firstEmpty = std::find_if_not(library.begin(), library.end(), IsPresent);
    return int(firstEmpty - library.begin());
}

void CompactMacroLibrary(PcMacroLibrary& library)
{
    const auto end = std::stable_partition(library.begin(), library.end(), IsPresent);
    std::fill(end, library.end(), MacroRecord{});
}

void RemoveMacroRecord(PcMacroLibrary& library, int row)
{
    if (row < 0 || row >= kPcMacroLibraryRows)
        return;
    std::move(library.begin() + row + 1, library.end(), library.begin() + row);
    library.back() = MacroRecord{};
}

std::optional<int> FindMacroByName(const PcMacroLibrary& library, const MacroName& name)
{
    if (MacroNameIsEmpty(name))
        return std::nullopt;
    for (int row = 0; row < kPcMacroLibraryRows; ++row)
        if (library[size_t(row)].name == name)
            return row;
    return std::nullopt;
}

std::optional<size_t> FindDriverMacroByName(const DriverMacroLibrary& library,
                                            const MacroName& name)
{
    for (size_t i = 0; i < library.size(); ++i)
        if (library[i].name == name)
            return i;
    return std::nullopt;
}

int RefreshDriverWriteMacro(std::span<DriverMacroRecord> assigned, const DriverMacroLibrary& library)
{
    int changed = 0;
    for (DriverMacroRecord& record : assigned) {
        const auto match = FindDriverMacroByName(library, record.name);
        if (match && library[*match].body != record.body) {
            record.body = library[*match].body;
            ++changed;
        }
    }
    return changed;
}

} // namespace tarq
