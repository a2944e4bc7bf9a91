// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ConfigImage.h"
#include "config/DefaultImages.h"
#include "config/SettingsModel.h"
#include "config/ImageSections.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace tarq {
namespace {

DataBuf defaultDataBuf()
{
    DataBuf buf{};
    ImageMacroAreas areas;
    UnpackImage(DefaultImage(1), buf, areas);
    return buf;
}

TEST(SettingsModel, DefaultImageShowsItsSettings)
{
    const SettingsModel s = SettingsFromDataBuf(defaultDataBuf(), {});
    EXPECT_EQ(s.orientationIndex, 2); // "180 °"
    EXPECT_EQ(s.ledType, LedType::Mcu);
    EXPECT_EQ(s.dpiLevelCountIndex + 2, 6);
    EXPECT_EQ(s.dpiValueIndexes, (std::array<int, 7>{1, 4, 6, 7, 9, 10, 7})); // level 7 is kept but not in use
    EXPECT_EQ(s.currentDpiLevel, 1);
    EXPECT_EQ(s.ledOn, true);
    EXPECT_EQ(s.mcuLedCurrentMode, 1);
    EXPECT_EQ(s.mcuLedStep, 2);
    EXPECT_EQ(s.mcuLedCount, 10);
    EXPECT_EQ(s.keyModeIndex, 0);
}

TEST(SettingsModel, ShowingThenSerialisingChangesNoByte)
{
    const DataBuf original = defaultDataBuf();
    DataBuf variants[3] = {original, original, original};
    variants[1][databuf::kFlags0] = 0xFF;                    // another LED class, every chord
    variants[1][databuf::kFlags1] = 0x0F;                    // RB LED, long presses
    WriteComplementPair(variants[1], databuf::kLedState, 0x0B); // RB mode 3, LED off
    variants[2][databuf::kYOffsets] = 0xFF;                  // Y offset -1
    variants[2][databuf::kYOffsets + 1] = 0x00;
    variants[2][databuf::kFireKeyCount] = 0xFF;              // continuous fire
    WriteComplementPair(variants[2], databuf::kKeyMode, kGameModeBit);
    for (const DataBuf& buf : variants) {
        DataBuf written = buf;
        SettingsToDataBuf(SettingsFromDataBuf(buf, {}), written);
        EXPECT_EQ(written, buf);
    }
}

TEST(SettingsModel, SerialisingRulesAtTheEdges)
{
    const DataBuf original = defaultDataBuf();
    SettingsModel s = SettingsFromDataBuf(original, {});

    struct Case {
        const char* name;
        std::function<void(SettingsModel&)> change;
        std::function<void(const DataBuf&)> check;
    };
    const Case cases[] = {
        {"no LED type chosen keeps the LED type bits", [](SettingsModel& e) { e.ledType.reset(); },
         [&](const DataBuf& b) {
             EXPECT_EQ(b[databuf::kFlags0] & 0x80, original[databuf::kFlags0] & 0x80);
             EXPECT_EQ(b[databuf::kFlags1] & 0x18, original[databuf::kFlags1] & 0x18);
         }},
        {"synchronous LED keeps byte 4 and writes only on/off into byte 50",
         [](SettingsModel& e) { e.ledType = LedType::SevenColourSync; e.ledOn = false; e.mcuModesOffered = {}; },
         [&](const DataBuf& b) {
             EXPECT_EQ(b[databuf::kMcuLedModes], original[databuf::kMcuLedModes]);
             EXPECT_EQ(b[databuf::kLedState], 0x08);
             EXPECT_EQ(b[databuf::kLedStateComplement], 0xF7);
         }},
        {"LED count 3 is ignored", [](SettingsModel& e) { e.mcuLedCount = 3; },
         [&](const DataBuf& b) { EXPECT_EQ(b[databuf::kMcuLed] >> 4, original[databuf::kMcuLed] >> 4); }},
        {"LED count 14 is ignored", [](SettingsModel& e) { e.mcuLedCount = 14; },
         [&](const DataBuf& b) { EXPECT_EQ(b[databuf::kMcuLed] >> 4, original[databuf::kMcuLed] >> 4); }},
        {"LED count 4 is stored as 9", [](SettingsModel& e) { e.mcuLedCount = 4; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kMcuLed] >> 4, 9); }},
        {"LED count 13 is stored as 0", [](SettingsModel& e) { e.mcuLedCount = 13; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kMcuLed] >> 4, 0); }},
        {"Y offset -1 is FF 00", [](SettingsModel& e) { e.yOffsets[0] = -1; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kYOffsets], 0xFF); EXPECT_EQ(b[databuf::kYOffsets + 1], 0x00); }},
        {"continuous fire stores FF whatever the count", [](SettingsModel& e) { e.fireContinuous = true; e.fireCountIndex = 4; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kFireKeyCount], 0xFF); }},
        {"no DPI value selected is FF", [](SettingsModel& e) { e.dpiValueIndexes[2] = -1; e.currentDpiLevel = -1; },
         [](const DataBuf& b) {
             EXPECT_EQ(b[databuf::kDpiValues + 2], 0xFF);
             EXPECT_EQ(b[databuf::kCurrentDpiLevel], 0xFF);
             EXPECT_EQ(b[databuf::kCurrentDpiLevelComplement], 0x00);
         }},
        {"game mode sets bit 7 of byte 52", [](SettingsModel& e) { e.keyModeIndex = 1; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kKeyMode], 0x80); EXPECT_EQ(b[databuf::kKeyModeComplement], 0x7F); }},
        {"orientation index 0 is code 7", [](SettingsModel& e) { e.orientationIndex = 0; },
         [](const DataBuf& b) { EXPECT_EQ((b[databuf::kFlags0] >> 4) & 7, 7); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsModel changed = s;
        c.change(changed);
        DataBuf buf = original;
        SettingsToDataBuf(changed, buf);
        c.check(buf);
        EXPECT_EQ(buf[databuf::kSectionAChecksum], original[databuf::kSectionAChecksum]); // checksums untouched
    }
}

TEST(SettingsModel, UnshowableBytesKeepThePreviousDisplay)
{
    DataBuf buf = defaultDataBuf();
    buf[databuf::kMcuLed] = static_cast<uint8_t>((buf[databuf::kMcuLed] & 0x0F) | 0xC0); // LED count nibble 12
    SettingsModel previous;
    previous.mcuLedCount = 7;
    previous.mcuLedStep = 6;
    EXPECT_EQ(SettingsFromDataBuf(buf, previous).mcuLedCount, 7);

    WriteLedType(buf, LedType::RedBlue);
    WriteComplementPair(buf, databuf::kLedState, 0xE3); // RB mode 3, step bits set
    const SettingsModel rb = SettingsFromDataBuf(buf, previous);
    EXPECT_EQ(rb.rbLedCurrentMode, 2);
    EXPECT_EQ(rb.mcuLedStep, 6); // not shown for the RB LED
}

TEST(SettingsModel, DriverModeRefreshTouchesOnlyItsFields)
{
    const DataBuf original = defaultDataBuf();
    SettingsModel s = SettingsFromDataBuf(original, {});
    s.smooth = true;
    s.currentDpiLevel = 3;
    s.keyModeIndex = 1;
    s.orientationIndex = 0; // not part of the driver-mode refresh
    DataBuf buf = original;
    DriverModeRefresh(s, buf);
    EXPECT_EQ(buf[databuf::kCurrentDpiLevel], 0x83);
    EXPECT_EQ(buf[databuf::kCurrentDpiLevelComplement], 0x7C);
    EXPECT_EQ(buf[databuf::kKeyMode], 0x80);
    EXPECT_EQ(buf[databuf::kFlags0], original[databuf::kFlags0]);
    EXPECT_EQ(buf[databuf::kFireKeyChecksum], 0);
    EXPECT_TRUE(BlockChecksumMatches(buf, layout::kSectionA));
}

// One row per field family: a change to the model, and the DataBuf bytes that family owns.
// Packing the change writes only those bytes, and filling a model from the result gives the
// changed model back.
struct FamilyCase {
    const char* name;
    std::function<void(SettingsModel&)> change;
    std::vector<size_t> bytes;
};

std::vector<size_t> Range(size_t first, size_t count)
{
    std::vector<size_t> bytes;
    for (size_t i = 0; i < count; ++i)
        bytes.push_back(first + i);
    return bytes;
}

TEST(SettingsModel, EachFieldFamilyRoundTripsThroughItsOwnBytesOnly)
{
    using namespace databuf;
    const FamilyCase cases[] = {
        {"chords, recoil trigger, key mode memory, orientation",
         [](SettingsModel& m) { m.ledOnOffChord = false; m.recoilFnLeft = true; m.ledModeChord = false;
                                m.keepKeyMode = false; m.orientationIndex = 5; },
         {kFlags0}},
        {"long presses and smoothing",
         [](SettingsModel& m) { m.longPressMiddle = true; m.longPressGunKey = true; m.smooth = true; },
         {kFlags1}},
        {"LED type (byte 50 keeps only on/off for it)", [](SettingsModel& m) { m.ledType = LedType::SevenColourBreathing; },
         {kFlags0, kFlags1, kLedState, kLedStateComplement}},
        {"level count", [](SettingsModel& m) { m.dpiLevelCountIndex = 1; m.currentDpiLevel = 2; },
         {kDpiLevelCount, kCurrentDpiLevel, kCurrentDpiLevelComplement}},
        {"brightness and LED count", [](SettingsModel& m) { m.mcuLedFullBrightness = false; m.mcuLedCount = 5; },
         {kMcuLed}},
        {"MCU modes offered", [](SettingsModel& m) { m.mcuModesOffered = {false, true, false, true, false, true, false}; },
         {kMcuLedModes}},
        {"DPI values", [](SettingsModel& m) { m.dpiValueIndexes = {0, 2, 3, 5, 8, 11, -1}; }, Range(databuf::kDpiValues, kDpiLevels)},
        {"DPI colours", [](SettingsModel& m) { m.dpiColours[0] = {1, 2, 3}; m.dpiColours[6] = {255, 0, 128}; },
         Range(kDpiColours, 3 * kDpiLevels)},
        {"current level", [](SettingsModel& m) { m.currentDpiLevel = 4; }, {kCurrentDpiLevel, kCurrentDpiLevelComplement}},
        {"LED mode, step, on/off", [](SettingsModel& m) { m.mcuLedCurrentMode = 6; m.mcuLedStep = 7; m.ledOn = false; },
         {kLedState, kLedStateComplement}},
        {"key mode", [](SettingsModel& m) { m.keyModeIndex = 1; }, {kKeyMode, kKeyModeComplement}},
        {"identity codes", [](SettingsModel& m) { m.vendorCode = 0x12; m.productCode = 0xFE; }, {kVendorCode, kProductCode}},
        {"Y offsets", [](SettingsModel& m) { m.yOffsets[0] = -128; m.yOffsets[9] = 127; },
         Range(kYOffsets, kYOffsetSize * kFireMacroCount)},
        {"fire macro colours", [](SettingsModel& m) { m.fireMacroColours[3] = {9, 8, 7}; },
         Range(kFireColours, kFireColourSize * kFireMacroCount)},
        {"fire key shots and interval", [](SettingsModel& m) { m.fireCountIndex = 254; m.fireInterval = 125; },
         {kFireKeyCount, kFireKeyInterval}},
        {"continuous fire", [](SettingsModel& m) { m.fireContinuous = true; m.fireCountIndex = 255; }, {kFireKeyCount}},
    };
    const DataBuf original = defaultDataBuf();
    const SettingsModel shown = SettingsFromDataBuf(original, {});
    for (const FamilyCase& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsModel changed = shown;
        c.change(changed);
        DataBuf buf = original;
        SettingsToDataBuf(changed, buf);
        const std::set<size_t> own(c.bytes.begin(), c.bytes.end());
        bool anyChanged = false;
        for (size_t i = 0; i < buf.size(); ++i) {
            if (!own.count(i)) {
                EXPECT_EQ(buf[i], original[i]) << "byte " << i;
            }
            anyChanged = anyChanged || buf[i] != original[i];
        }
        EXPECT_TRUE(anyChanged);
        EXPECT_EQ(SettingsFromDataBuf(buf, shown), changed);
    }
}

TEST(SettingsModel, PositionsTheListsLackBecomeNoChoice)
{
    DataBuf buf = defaultDataBuf();
    buf[databuf::kDpiValues + 1] = 12;             // one past "8000"
    buf[databuf::kDpiLevelCount] = 3;
    WriteComplementPair(buf, databuf::kCurrentDpiLevel, 3); // level 4 of 3
    WriteComplementPair(buf, databuf::kLedState, 0x20);     // MCU LED, mode 0 (none), step 1
    SettingsModel s = SettingsFromDataBuf(buf, {});
    EXPECT_EQ(s.dpiValueIndexes[1], -1);
    EXPECT_EQ(s.currentDpiLevel, -1);
    EXPECT_EQ(s.mcuLedCurrentMode, -1);
    EXPECT_EQ(s.mcuLedStep, 1);

    buf[databuf::kDpiLevelCount] = 9;
    s = SettingsFromDataBuf(buf, {});
    EXPECT_EQ(s.dpiLevelCountIndex, -1);
    EXPECT_EQ(s.DpiLevelCount(), 2);
    DataBuf written = buf;
    SettingsToDataBuf(s, written);
    EXPECT_EQ(written[databuf::kDpiLevelCount], 1);   // no choice packs as it always has
    EXPECT_EQ(written[databuf::kDpiValues + 1], 0xFF);
}

TEST(SettingsModel, LedStateGoesToTheFieldsOfTheModelsLedType)
{
    LedStateFields led;
    led.modeIndex = 4;
    led.step = 3;
    led.off = true;
    SettingsModel s;
    s.ledType = LedType::RedBlue;
    TakeLedState(s, led);
    EXPECT_EQ(s.rbLedCurrentMode, 4);
    EXPECT_EQ(s.mcuLedCurrentMode, 0);
    EXPECT_EQ(s.mcuLedStep, 0);
    EXPECT_EQ(s.ledOn, false);
    s.ledType = LedType::Mcu;
    TakeLedState(s, led);
    EXPECT_EQ(s.mcuLedCurrentMode, 4);
    EXPECT_EQ(s.mcuLedStep, 3);
    s.ledType = LedType::SevenColourSync;
    led.modeIndex = 1;
    TakeLedState(s, led);
    EXPECT_EQ(s.mcuLedCurrentMode, 4);
    EXPECT_EQ(s.rbLedCurrentMode, 4);
}

} // namespace
} // namespace tarq
