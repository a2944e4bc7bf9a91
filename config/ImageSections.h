// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Integrity checks of the parameter sections in DataBuf, and the fixed blocks that replace a
// section whose check fails. A failed check is silent: the replacement is what the user sees
// and what a later write sends to the mouse.

#include "config/ImageLayout.h"

#include <array>
#include <cstdint>
#include <span>

namespace tarq {

// Replacement blocks, byte for byte, checksums included.
extern const std::array<uint8_t, layout::kSectionA.image.length> kReplacementSectionA;
extern const std::array<uint8_t, layout::kProfile.image.length> kReplacementProfile;
extern const std::array<uint8_t, layout::kFireKey.image.length> kReplacementFireKey;

// Values written into a section B pair whose two bytes do not add up to 255.
inline constexpr uint8_t kReplacementCurrentDpiLevel = 1;  // level 2
inline constexpr uint8_t kReplacementLedState = 1;         // LED on, mode 1, speed step 0
inline constexpr uint8_t kReplacementKeyMode = 0;          // office mode

// The DataBuf bytes of a block.
std::span<uint8_t> BlockBytes(DataBuf& buf, const ParameterBlock& block);
std::span<const uint8_t> BlockBytes(const DataBuf& buf, const ParameterBlock& block);

// True when the last byte of a checksummed block equals SectionChecksum of the bytes before it.
bool BlockChecksumMatches(const DataBuf& buf, const ParameterBlock& block);

// Recomputes the checksum byte of section A, the profile section and the fire-key section.
void UpdateSectionChecksums(DataBuf& buf);

// Each check returns true when the section was kept as it was, false when it was replaced
// (for section B: when at least one pair was replaced).
bool CheckParameterASection(DataBuf& buf);
bool CheckParameterBSection(DataBuf& buf);
bool CheckProfileSection(DataBuf& buf);
bool CheckFireKeySection(DataBuf& buf);

// Replacement writers; each leaves its section with a valid checksum.
void FillDefaultParameterA(DataBuf& buf);
void FillDefaultProfile(DataBuf& buf);
void FillDefaultFireKey(DataBuf& buf);

// True when value + complement == 255.
constexpr bool IsComplementPair(uint8_t value, uint8_t complement)
{
    return value + complement == 255;
}

// Writes a value and its complement (255 - value) at DataBuf offset `valueOffset`.
void WriteComplementPair(DataBuf& buf, size_t valueOffset, uint8_t value);

} // namespace tarq
