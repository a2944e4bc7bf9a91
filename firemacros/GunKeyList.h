// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The gun key list of the engineer page, kept in "TARQ362A Fire Macro.bin" in the program
// folder: 30 bytes, ten 3-byte gun key codes (0x0C, first record, last record) in list order;
// 00 00 00 is an empty entry. Each entry that is not empty is listed as "Fire Macro" and its
// entry number ("Fire Macro3").

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarq {

constexpr std::string_view kGunKeyListFileName = "TARQ362A Fire Macro.bin";
constexpr int kGunKeyListEntries = 10;
constexpr size_t kGunKeyEntrySize = 3;
constexpr size_t kGunKeyListFileSize = kGunKeyListEntries * kGunKeyEntrySize;
static_assert(kGunKeyListFileSize == 30);

using GunKeyEntry = std::array<uint8_t, kGunKeyEntrySize>;
using GunKeyList = std::array<GunKeyEntry, kGunKeyListEntries>;

// The first 30 bytes of the file; entries a shorter file does not reach stay empty.
GunKeyList ReadGunKeyListFile(std::span<const uint8_t> file);
std::vector<uint8_t> WriteGunKeyListFile(const GunKeyList& list);

bool GunKeyEntryIsEmpty(const GunKeyEntry& entry);
// Six upper-case hexadecimal digits ("0C0103").
std::string GunKeyEntryCode(const GunKeyEntry& entry);

struct GunKeyListItem {
    int entry;          // 0-based entry index
    std::string name;   // "Fire Macro" + (entry + 1)
};

// The list items, in entry order, for every entry that is not empty.
std::vector<GunKeyListItem> GunKeyListItems(const GunKeyList& list);

// "Add Gun": the code 0C, start, stop (each 1..10) into the first empty entry. Nothing when
// the list holds ten entries or an index is outside 1..10; otherwise the entry index.
std::optional<int> AddGunKey(GunKeyList& list, int startIndex, int stopIndex);

// "Delect Gun": the entries after it move up one place and the last becomes empty.
void RemoveGunKey(GunKeyList& list, int entry);

} // namespace tarq
