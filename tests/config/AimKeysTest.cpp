// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/AimKeys.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

TEST(AimKeys, AimButtonsAreRewrittenInBothModesAndFireKeysOnlyInDriverMode)
{
    AimKeyInputs in;
    in.officeNames.fill("Left Click");
    in.gameNames.fill("Left Click");
    in.gameNames[3] = "AIM";
    in.officeNames[5] = "Fire Key";
    in.aimText = "AIM";
    in.fireKeyText = "Fire Key";
    in.aimDpiIndex = 4; // 1600 DPI

    struct Case { bool driver; bool continuous; uint8_t fireType; };
    for (const Case c : {Case{false, true, 0x06}, Case{true, false, 0x06}, Case{true, true, 0x0E}}) {
        DataBuf buf{};
        buf[databuf::KeyCodeOffset(1, 6)] = 0x06;
        buf[databuf::KeyCodeOffset(1, 6) + 2] = 0xF0;
        in.driverMode = c.driver;
        in.fireContinuous = c.continuous;
        AimKeysToDataBuf(in, buf);
        const size_t aim = databuf::KeyCodeOffset(2, 4);
        EXPECT_EQ(buf[aim], 0x0A);
        EXPECT_EQ(buf[aim + 1], 0x04);
        EXPECT_EQ(buf[aim + 2], 0x00);
        EXPECT_EQ(buf[databuf::KeyCodeOffset(1, 6)], c.fireType);
        EXPECT_EQ(buf[databuf::KeyCodeOffset(1, 6) + 2], 0xF0);
        EXPECT_EQ(AimDpiIndexOfButtons(buf, in.officeNames, in.gameNames, "AIM"), 4);
    }
}

TEST(AimKeys, MissingLanguageTextMatchesNothing)
{
    AimKeyInputs in; // every name and text empty
    DataBuf buf{};
    buf.fill(0x33);
    AimKeysToDataBuf(in, buf);
    EXPECT_EQ(buf[databuf::KeyCodeOffset(1, 1)], 0x33);
    EXPECT_EQ(AimDpiIndexOfButtons(buf, in.officeNames, in.gameNames, ""), std::nullopt);
}

} // namespace
} // namespace tarq
