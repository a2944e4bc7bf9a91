// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/CpiAndLedRecord.h"

#include <algorithm>

namespace tarq {

CpiAndLedRecord BuildCpiAndLedRecord(const CpiAndLedRecord& previous, const CpiAndLedInputs& in)
{
    CpiAndLedRecord r = previous;
    if (in.ledKind != CpiAndLedInputs::LedKind::Other)
        r[1] = static_cast<uint8_t>((in.ledModeIndex + 1) & cpiled::kModeMask);
    if (in.ledOn)
        r[1] &= static_cast<uint8_t>(~cpiled::kLedOffBit);
    else
        r[1] |= cpiled::kLedOffBit;
    r[0] = static_cast<uint8_t>((in.currentDpiLevel & cpiled::kLevelMask) | (in.smooth ? cpiled::kSmoothBit : 0));
    r[3] = static_cast<uint8_t>(in.dpiValueIndexOfCurrentLevel);
    if (in.ledStep >= 0 && in.ledStep <= 7)
        r[1] = static_cast<uint8_t>((r[1] & ~cpiled::kStepMask) | (in.ledStep << cpiled::kStepShift));
    return r;
}

bool CpiAndLedRecordInRange(const CpiAndLedRecord& r)
{
    constexpr int kHighestLevel = 6, kLowestMode = 1, kDpiValueCount = 12;
    return CurrentDpiLevel(r) <= kHighestLevel && LedMode(r) >= kLowestMode && r[3] < kDpiValueCount;
}

std::optional<CpiAndLedRecord> RecordFromFile(const std::optional<std::span<const uint8_t>>& file)
{
    if (!file)
        return std::nullopt;
    CpiAndLedRecord r{};
    std::copy_n(file->begin(), std::min<size_t>(file->size(), r.size()), r.begin());
    return r;
}

} // namespace tarq
