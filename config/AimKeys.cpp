// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/AimKeys.h"

namespace tarq {
namespace {

constexpr uint8_t kAimType = 0x0A;
constexpr uint8_t kFireKeyType = 0x06;
constexpr uint8_t kContinuousFireKeyType = 0x0E;

template <class Fn>
void forEachNamed(const ButtonNames& office, const ButtonNames& game, std::string_view name, Fn fn)
{
    if (name.empty())
        return;
    for (size_t k = 0; k < databuf::kButtonCount; ++k)
        if (office[k] == name)
            fn(databuf::KeyCodeOffset(1, static_cast<int>(k + 1)));
    for (size_t k = 0; k < databuf::kButtonCount; ++k)
        if (game[k] == name)
            fn(databuf::KeyCodeOffset(2, static_cast<int>(k + 1)));
}

} // namespace

void AimKeysToDataBuf(const AimKeyInputs& in, DataBuf& buf)
{
    forEachNamed(in.officeNames, in.gameNames, in.aimText, [&](size_t at) {
        buf[at] = kAimType;
        buf[at + 1] = in.aimDpiIndex;
        buf[at + 2] = 0;
    });
    if (!in.driverMode)
        return;
    forEachNamed(in.officeNames, in.gameNames, in.fireKeyText, [&](size_t at) {
        buf[at] = in.fireContinuous ? kContinuousFireKeyType : kFireKeyType;
    });
}

std::optional<int> AimDpiIndexOfButtons(const DataBuf& buf, const ButtonNames& officeNames,
                                        const ButtonNames& gameNames, std::string_view aimText)
{
    std::optional<int> index;
    forEachNamed(officeNames, gameNames, aimText, [&](size_t at) { index = buf[at + 1]; });
    return index;
}

} // namespace tarq
