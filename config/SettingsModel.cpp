// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/SettingsModel.h"

#include <algorithm>

#include "config/ImageSections.h"

namespace tarq {
namespace {

void setBit(uint8_t& byte, uint8_t bit, bool on)
{
    byte = static_cast<uint8_t>(on ? (byte | bit) : (byte & ~bit));
}

void setBitIfChosen(uint8_t& byte, uint8_t bit, const std::optional<bool>& chosen)
{
    if (chosen)
        setBit(byte, bit, *chosen);
}

uint8_t low8(int v) { return static_cast<uint8_t>(v & 0xFF); }

// A list position, or -1 when the list of `length` items has none there.
int position(int index, int length) { return index >= 0 && index < length ? index : -1; }

constexpr int kMinMcuLedCount = 4, kMaxMcuLedCount = 13;
constexpr int kLedModeSlots = 7;
constexpr int kMaxLedStep = 7;

void writeKeyMode(const SettingsModel& s, DataBuf& buf)
{
    WriteComplementPair(buf, databuf::kKeyMode, s.keyModeIndex == 1 ? kGameModeBit : 0);
}

void writeCurrentLevel(uint8_t level, DataBuf& buf) { WriteComplementPair(buf, databuf::kCurrentDpiLevel, level); }

void writeFireKey(const SettingsModel& s, DataBuf& buf)
{
    buf[databuf::kFireKeyCount] = s.fireContinuous ? 0xFF : low8(s.fireCountIndex);
    buf[databuf::kFireKeyInterval] = low8(s.fireInterval);
}

void writeDpiValues(const SettingsModel& s, DataBuf& buf)
{
    for (int n = 0; n < kDpiLevelSlots; ++n)
        buf[databuf::kDpiValues + n] = low8(s.dpiValueIndexes[n]);
}

} // namespace

int SettingsModel::DpiLevelCount() const
{
    return std::clamp(dpiLevelCountIndex + 2, 2, kDpiLevelSlots);
}

void TakeLedState(SettingsModel& s, const LedStateFields& led)
{
    if (s.ledType == LedType::RedBlue) {
        s.rbLedCurrentMode = position(led.modeIndex, SettingsModel::kLedModes);
    } else if (s.ledType == LedType::Mcu) {
        s.mcuLedCurrentMode = position(led.modeIndex, SettingsModel::kLedModes);
        s.mcuLedStep = led.step;
    }
    s.ledOn = !led.off;
}

uint8_t LedStateByte(const SettingsModel& s)
{
    uint8_t b = 0;
    const auto mode = [](int index) { return index >= 0 && index < kLedModeSlots ? static_cast<uint8_t>(index + 1) : uint8_t{0}; };
    if (s.ledType == LedType::Mcu) {
        b |= mode(s.mcuLedCurrentMode);
        if (s.mcuLedStep >= 0 && s.mcuLedStep <= kMaxLedStep)
            b |= static_cast<uint8_t>(s.mcuLedStep << ledstate::kSpeedShift);
    } else if (s.ledType == LedType::RedBlue) {
        b |= mode(s.rbLedCurrentMode);
    }
    if (s.ledOn)
        setBit(b, ledstate::kLedOff, !*s.ledOn);
    return b;
}

void SettingsToDataBuf(const SettingsModel& s, DataBuf& buf)
{
    uint8_t& b0 = buf[databuf::kFlags0];
    setBitIfChosen(b0, flags0::kChordLedOnOff, s.ledOnOffChord);
    setBitIfChosen(b0, flags0::kRecoilFnLeft, s.recoilFnLeft);
    setBitIfChosen(b0, flags0::kChordLedMode, s.ledModeChord);
    if (s.keepKeyMode)
        setBit(b0, flags0::kKeyModeNotKept, !*s.keepKeyMode);
    if (s.orientationIndex >= 0 && s.orientationIndex < static_cast<int>(kOrientationCodes.size()))
        b0 = static_cast<uint8_t>((b0 & ~flags0::kOrientationMask) | (kOrientationCodes[s.orientationIndex] << flags0::kOrientationShift));
    if (s.ledType)
        WriteLedType(buf, *s.ledType);

    uint8_t& b1 = buf[databuf::kFlags1];
    setBit(b1, flags1::kLongPressMiddle, s.longPressMiddle);
    setBit(b1, flags1::kLongPressDpi, s.longPressDpi);
    setBit(b1, flags1::kLongPressGunKey, s.longPressGunKey);
    setBit(b1, flags1::kSmoothing, s.smooth);

    buf[databuf::kDpiLevelCount] = low8(s.dpiLevelCountIndex + 2);

    uint8_t& b3 = buf[databuf::kMcuLed];
    setBitIfChosen(b3, mculed::kFullBrightness, s.mcuLedFullBrightness);
    if (s.mcuLedCount >= kMinMcuLedCount && s.mcuLedCount <= kMaxMcuLedCount)
        b3 = static_cast<uint8_t>((b3 & 0x0F) | ((mculed::kCountBase - s.mcuLedCount) << mculed::kCountShift));

    if (s.ledType == LedType::Mcu) {
        uint8_t modes = kMcuLedModesMarker;
        for (int n = 0; n < kLedModeSlots; ++n)
            if (s.mcuModesOffered[n])
                modes |= static_cast<uint8_t>(1 << (n + 1));
        buf[databuf::kMcuLedModes] = modes;
    }

    writeDpiValues(s, buf);
    for (int n = 0; n < kDpiLevelSlots; ++n)
        for (int c = 0; c < 3; ++c)
            buf[databuf::kDpiColours + 3 * n + c] = low8(s.dpiColours[n][c]);

    writeCurrentLevel(low8(s.currentDpiLevel), buf);
    WriteComplementPair(buf, databuf::kLedState, LedStateByte(s));
    writeKeyMode(s, buf);
    buf[databuf::kVendorCode] = low8(s.vendorCode);
    buf[databuf::kProductCode] = low8(s.productCode);

    for (int m = 0; m < kFireMacroSlots; ++m) {
        WriteComplementPair(buf, databuf::kYOffsets + databuf::kYOffsetSize * m, low8(s.yOffsets[m]));
        for (int c = 0; c < 3; ++c)
            buf[databuf::kFireColours + databuf::kFireColourSize * m + c] = low8(s.fireMacroColours[m][c]);
    }
    writeFireKey(s, buf);
}

SettingsModel SettingsFromDataBuf(const DataBuf& buf, const SettingsModel& previous)
{
    SettingsModel s = previous;
    const uint8_t b0 = buf[databuf::kFlags0];
    const uint8_t b1 = buf[databuf::kFlags1];
    s.ledOnOffChord = (b0 & flags0::kChordLedOnOff) != 0;
    s.recoilFnLeft = (b0 & flags0::kRecoilFnLeft) != 0;
    s.ledModeChord = (b0 & flags0::kChordLedMode) != 0;
    s.keepKeyMode = (b0 & flags0::kKeyModeNotKept) == 0;
    s.orientationIndex = OrientationIndex(static_cast<uint8_t>((b0 & flags0::kOrientationMask) >> flags0::kOrientationShift));
    s.longPressMiddle = b1 & flags1::kLongPressMiddle;
    s.longPressDpi = b1 & flags1::kLongPressDpi;
    s.longPressGunKey = b1 & flags1::kLongPressGunKey;
    s.smooth = b1 & flags1::kSmoothing;
    s.ledType = ReadLedType(buf);
    s.dpiLevelCountIndex = position(buf[databuf::kDpiLevelCount] - 2, kDpiLevelSlots - 1);

    const uint8_t b3 = buf[databuf::kMcuLed];
    s.mcuLedFullBrightness = (b3 & mculed::kFullBrightness) != 0;
    const int countNibble = b3 >> mculed::kCountShift;
    if (countNibble <= mculed::kCountBase - kMinMcuLedCount)
        s.mcuLedCount = mculed::kCountBase - countNibble;
    for (int n = 0; n < kLedModeSlots; ++n)
        s.mcuModesOffered[n] = buf[databuf::kMcuLedModes] & (1 << (n + 1));

    for (int n = 0; n < kDpiLevelSlots; ++n) {
        s.dpiValueIndexes[n] = position(buf[databuf::kDpiValues + n], static_cast<int>(kDpiValues.size()));
        for (int c = 0; c < 3; ++c)
            s.dpiColours[n][c] = buf[databuf::kDpiColours + 3 * n + c];
    }
    s.currentDpiLevel = position(buf[databuf::kCurrentDpiLevel], s.DpiLevelCount());
    TakeLedState(s, ReadLedState(buf));
    s.keyModeIndex = (buf[databuf::kKeyMode] & kGameModeBit) ? 1 : 0;
    s.vendorCode = buf[databuf::kVendorCode];
    s.productCode = buf[databuf::kProductCode];

    for (int m = 0; m < kFireMacroSlots; ++m) {
        s.yOffsets[m] = static_cast<int8_t>(buf[databuf::kYOffsets + databuf::kYOffsetSize * m]);
        for (int c = 0; c < 3; ++c)
            s.fireMacroColours[m][c] = buf[databuf::kFireColours + databuf::kFireColourSize * m + c];
    }
    const uint8_t count = buf[databuf::kFireKeyCount];
    s.fireContinuous = count == 0xFF;
    s.fireCountIndex = count;
    s.fireInterval = buf[databuf::kFireKeyInterval];
    return s;
}

void DriverModeRefresh(const SettingsModel& s, DataBuf& buf)
{
    writeKeyMode(s, buf);
    writeCurrentLevel(static_cast<uint8_t>(low8(s.currentDpiLevel) | (s.smooth ? 0x80 : 0)), buf);
    writeFireKey(s, buf);
    buf[databuf::kFireKeyChecksum] = 0;
    writeDpiValues(s, buf);
    buf[databuf::kDpiLevelCount] = low8(s.dpiLevelCountIndex + 2);
    UpdateSectionChecksums(buf);
    buf[databuf::kFireKeyChecksum] = 0; // the driver takes the fire-key section without one
}

} // namespace tarq
