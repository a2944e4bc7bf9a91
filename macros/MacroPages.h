// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The six base macro pages: one macro record each inside the configuration image, the
// macros the mouse itself plays. A button plays page p through the key-function code
// "06" or "0E" (from the page's release byte) followed by p's page code, the image address of
// the page's body byte 1.
//
//   page  record  page code
//   1     0x100   0x0121       pages 1-4 form the image block 0x100-0x4FF,
//   2     0x200   0x0221       pages 5-6 the block 0x600-0x7FF
//   3     0x300   0x0321       (0x500-0x5FF is the fire macro area)
//   4     0x400   0x0421
//   5     0x600   0x0621
//   6     0x700   0x0721

#include "config/ImageLayout.h"
#include "macros/MacroBody.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tarq {

constexpr int kBaseMacroPageCount = static_cast<int>(layout::kBaseMacroPageCount);
// The pages of the four-page choice (the engineer button set).
constexpr int kBaseMacroIndexPageCount = 4;

// Pages are numbered 1..6 in every function below.
uint16_t BaseMacroPageAddress(int page);
uint16_t BaseMacroPageCode(int page);
// The page whose code this is; nothing for any other value.
std::optional<int> BaseMacroPageFromCode(uint16_t pageCode);

// The six-digit key-function code that plays a page: "0E0321" for page 3 with release byte 1.
std::string MacroKeyCode(int page, uint8_t releaseByte);

using BaseMacroPages = std::array<MacroRecord, kBaseMacroPageCount>;

// The 1024-byte block of pages 1-4 (image 0x100-0x4FF, also the base macro file).
constexpr uint16_t kBaseMacroBlockAddress = layout::kBaseMacroPages1To4.address;
constexpr size_t kBaseMacroBlockSize = layout::kBaseMacroPages1To4.length;
static_assert(kBaseMacroBlockSize == 4 * kMacroRecordSize);

// Copies the six records out of the image into pages (ReadAndRefreshMacro), then checks
// them (CheckMacroContentBuf).
BaseMacroPages UnpackBaseMacroPages(std::span<const uint8_t, kDeviceImageSize> image);
// Packs the pages into the two image blocks (RefreshBaseMacroBuf); other bytes stay.
void PackBaseMacroPages(const BaseMacroPages& pages, std::span<uint8_t, kDeviceImageSize> image);

// Clears the body of every page 1-4 whose checksum fails; names stay, pages 5 and 6 are
// taken as read. Returns which pages were cleared (bit p - 1 for page p).
std::bitset<kBaseMacroPageCount> CheckMacroContentBuf(BaseMacroPages& pages);

// The pages the given key-function codes play (both profiles, every button). A code counts
// when it reads "06" or "0E" followed by a page code; case does not matter. The caller sets
// the code of the button being assigned to "000000" first, so that its own page counts as free.
std::bitset<kBaseMacroPageCount> BaseMacroPagesInUse(std::span<const std::string> keyCodes);

// The page for a new assignment among all six pages; nothing when none is free. A macro whose
// name equals that of exactly one page reuses that page when the used pages are 1..k.
std::optional<int> FindBaseMacroCount(std::span<const std::string> keyCodes,
                                      std::span<const MacroName, kBaseMacroPageCount> pageNames,
                                      const MacroName& macroName);

// The same among pages 1-4 (codes naming pages 5 and 6 are not counted).
std::optional<int> FindBaseMacroIndex(std::span<const std::string> keyCodes,
                                      std::span<const MacroName, kBaseMacroPageCount> pageNames,
                                      const MacroName& macroName);

// The six page names, for the two functions above.
std::array<MacroName, kBaseMacroPageCount> BaseMacroPageNames(const BaseMacroPages& pages);

} // namespace tarq
