// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ParameterFields.h"

#include <algorithm>

namespace tarq {

int OrientationIndex(uint8_t code)
{
    const auto it = std::find(kOrientationCodes.begin(), kOrientationCodes.end(), code & 0x07);
    return static_cast<int>(it - kOrientationCodes.begin());
}

LedType ReadLedType(const DataBuf& buf)
{
    const uint8_t b0 = buf[databuf::kFlags0];
    const uint8_t b1 = buf[databuf::kFlags1];
    if (!(b0 & flags0::kLedClassOther))
        return LedType::Mcu;   // whatever byte 1 holds
    if (b1 & flags1::kLedTypeBit3)
        return LedType::RedBlue;
    if (b1 & flags1::kLedTypeBit4)
        return LedType::SevenColourBreathing;
    return LedType::SevenColourSync;
}

void WriteLedType(DataBuf& buf, LedType type)
{
    uint8_t& b0 = buf[databuf::kFlags0];
    uint8_t& b1 = buf[databuf::kFlags1];
    auto set = [](uint8_t& byte, uint8_t bit, bool on) {
        byte = static_cast<uint8_t>(on ? (byte | bit) : (byte & ~bit));
    };
    switch (type) {
    case LedType::Mcu:
        set(b0, flags0::kLedClassOther, false);
        set(b1, flags1::kLedTypeBit3, true);
        break;
    case LedType::RedBlue:
        set(b0, flags0::kLedClassOther, true);
        set(b1, flags1::kLedTypeBit3, true);
        break;
    case LedType::SevenColourSync:
        set(b0, flags0::kLedClassOther, true);
        set(b1, flags1::kLedTypeBit3, false);
        set(b1, flags1::kLedTypeBit4, false);
        break;
    case LedType::SevenColourBreathing:
        set(b0, flags0::kLedClassOther, true);
        set(b1, flags1::kLedTypeBit3, false);
        set(b1, flags1::kLedTypeBit4, true);
        break;
    }
}

LedStateFields ReadLedState(const DataBuf& buf)
{
    const uint8_t led = buf[databuf::kLedState];
    return {(led & ledstate::kModeMask) - 1, led >> ledstate::kSpeedShift, (led & ledstate::kLedOff) != 0};
}

FireKeySetting ReadFireKey(const DataBuf& buf)
{
    FireKeySetting setting;
    const uint8_t count = buf[databuf::kFireKeyCount];
    setting.continuous = count == 0xFF;
    setting.shots = count + 1;
    setting.interval = buf[databuf::kFireKeyInterval];
    return setting;
}

void WriteFireKey(DataBuf& buf, const FireKeySetting& setting)
{
    const int shots = setting.continuous ? kMaxFireKeyShots
                                         : std::clamp(setting.shots, 1, kMaxFireKeyShots);
    buf[databuf::kFireKeyCount] = static_cast<uint8_t>(shots - 1);
    buf[databuf::kFireKeyInterval] = setting.interval;
}

} // namespace tarq
