// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ConfigImage.h"
#include "config/DefaultImages.h"
#include "config/EngineerSettings.h"
#include "config/ImageSections.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

DataBuf defaultDataBuf()
{
    DataBuf buf{};
    ImageMacroAreas areas;
    UnpackImage(DefaultImage(1), buf, areas);
    return buf;
}

TEST(EngineerSettings, DefaultImageShowsItsSettings)
{
    const EngineerSettings s = SettingsFromDataBuf(defaultDataBuf(), {});
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

TEST(EngineerSettings, ShowingThenSerialisingChangesNoByte)
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

TEST(EngineerSettings, SerialisingRulesAtTheEdges)
{
    const DataBuf original = defaultDataBuf();
    EngineerSettings s = SettingsFromDataBuf(original, {});

    struct Case {
        const char* name;
        std::function<void(EngineerSettings&)> change;
        std::function<void(const DataBuf&)> check;
    };
    const Case cases[] = {
        {"no LED type chosen keeps the LED type bits", [](EngineerSettings& e) { e.ledType.reset(); },
         [&](const DataBuf& b) {
             EXPECT_EQ(b[databuf::kFlags0] & 0x80, original[databuf::kFlags0] & 0x80);
             EXPECT_EQ(b[databuf::kFlags1] & 0x18, original[databuf::kFlags1] & 0x18);
         }},
        {"synchronous LED keeps byte 4 and writes only on/off into byte 50",
         [](EngineerSettings& e) { e.ledType = LedType::SevenColourSync; e.ledOn = false; e.mcuModesOffered = {}; },
         [&](const DataBuf& b) {
             EXPECT_EQ(b[databuf::kMcuLedModes], original[databuf::kMcuLedModes]);
             EXPECT_EQ(b[databuf::kLedState], 0x08);
             EXPECT_EQ(b[databuf::kLedStateComplement], 0xF7);
         }},
        {"LED count 3 is ignored", [](EngineerSettings& e) { e.mcuLedCount = 3; },
         [&](const DataBuf& b) { EXPECT_EQ(b[databuf::kMcuLed] >> 4, original[databuf::kMcuLed] >> 4); }},
        {"LED count 14 is ignored", [](EngineerSettings& e) { e.mcuLedCount = 14; },
         [&](const DataBuf& b) { EXPECT_EQ(b[databuf::kMcuLed] >> 4, original[databuf::kMcuLed] >> 4); }},
        {"LED count 4 is stored as 9", [](EngineerSettings& e) { e.mcuLedCount = 4; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kMcuLed] >> 4, 9); }},
        {"LED count 13 is stored as 0", [](EngineerSettings& e) { e.mcuLedCount = 13; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kMcuLed] >> 4, 0); }},
        {"Y offset -1 is FF 00", [](EngineerSettings& e) { e.yOffsets[0] = -1; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kYOffsets], 0xFF); EXPECT_EQ(b[databuf::kYOffsets + 1], 0x00); }},
        {"continuous fire stores FF whatever the count", [](EngineerSettings& e) { e.fireContinuous = true; e.fireCountIndex = 4; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kFireKeyCount], 0xFF); }},
        {"no DPI value selected is FF", [](EngineerSettings& e) { e.dpiValueIndexes[2] = -1; e.currentDpiLevel = -1; },
         [](const DataBuf& b) {
             EXPECT_EQ(b[databuf::kDpiValues + 2], 0xFF);
             EXPECT_EQ(b[databuf::kCurrentDpiLevel], 0xFF);
             EXPECT_EQ(b[databuf::kCurrentDpiLevelComplement], 0x00);
         }},
        {"game mode sets bit 7 of byte 52", [](EngineerSettings& e) { e.keyModeIndex = 1; },
         [](const DataBuf& b) { EXPECT_EQ(b[databuf::kKeyMode], 0x80); EXPECT_EQ(b[databuf::kKeyModeComplement], 0x7F); }},
        {"orientation index 0 is code 7", [](EngineerSettings& e) { e.orientationIndex = 0; },
         [](const DataBuf& b) { EXPECT_EQ((b[databuf::kFlags0] >> 4) & 7, 7); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineerSettings changed = s;
        c.change(changed);
        DataBuf buf = original;
        SettingsToDataBuf(changed, buf);
        c.check(buf);
        EXPECT_EQ(buf[databuf::kSectionAChecksum], original[databuf::kSectionAChecksum]); // checksums untouched
    }
}

TEST(EngineerSettings, UnshowableBytesKeepThePreviousDisplay)
{
    DataBuf buf = defaultDataBuf();
    buf[databuf::kMcuLed] = static_cast<uint8_t>((buf[databuf::kMcuLed] & 0x0F) | 0xC0); // LED count nibble 12
    EngineerSettings previous;
    previous.mcuLedCount = 7;
    previous.mcuLedStep = 6;
    EXPECT_EQ(SettingsFromDataBuf(buf, previous).mcuLedCount, 7);

    WriteLedType(buf, LedType::RedBlue);
    WriteComplementPair(buf, databuf::kLedState, 0xE3); // RB mode 3, step bits set
    const EngineerSettings rb = SettingsFromDataBuf(buf, previous);
    EXPECT_EQ(rb.rbLedCurrentMode, 2);
    EXPECT_EQ(rb.mcuLedStep, 6); // not shown for the RB LED
}

TEST(EngineerSettings, DriverModeRefreshTouchesOnlyItsFields)
{
    const DataBuf original = defaultDataBuf();
    EngineerSettings s = SettingsFromDataBuf(original, {});
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

} // namespace
} // namespace tarq
