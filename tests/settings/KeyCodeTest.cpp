// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/KeyCode.h"
#include "macros/MacroPages.h"
#include "settings/UnicodeHex.h"
#include "config/DefaultImages.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

TEST(KeyCode, TextAndBytesConvertBothWays)
{
    const std::pair<const char*, KeyCode> cases[] = {
        {"010100", {0x01, 0x01, 0x00}}, {"0600F0", {0x06, 0x00, 0xF0}},
        {"0AFF00", {0x0A, 0xFF, 0x00}}, {"FFFFFF", {0xFF, 0xFF, 0xFF}}};
    for (const auto& [text, code] : cases) {
        EXPECT_EQ(KeyCodeText(code), text);
        EXPECT_EQ(ParseKeyCode(text), code);
        std::array<uint8_t, 3> bytes{};
        EXPECT_TRUE(KeyCodeTextToBytes(text, bytes));
        EXPECT_EQ(KeyCodeTextFromBytes(bytes), text);
    }
    EXPECT_EQ(ParseKeyCode("0600f0"), (KeyCode{0x06, 0x00, 0xF0}));

    // Text that is not a code leaves the bytes as they were.
    for (const char* bad : {"", "0101", "0101000", "01 100", "0x0101", "GG0000", "-10100"}) {
        std::array<uint8_t, 3> bytes{0x11, 0x22, 0x33};
        EXPECT_FALSE(KeyCodeTextToBytes(bad, bytes)) << bad;
        EXPECT_EQ(bytes, (std::array<uint8_t, 3>{0x11, 0x22, 0x33})) << bad;
    }
}

TEST(KeyCode, MacroAddresses)
{
    const uint16_t pages[] = {0x0121, 0x0221, 0x0321, 0x0421, 0x0621, 0x0721};
    for (int page = 1; page <= 6; ++page)
        EXPECT_EQ(BaseMacroCodeAddress(page), pages[page - 1]);
    EXPECT_EQ(DriverMacroCodeAddress(0), 0x0120);
    EXPECT_EQ(DriverMacroCodeAddress(3), 0x1920);
    EXPECT_EQ(KeyCodeText(MacroKeyCode(kFireKeyAddress, false)), "0600F0");
    EXPECT_EQ(KeyCodeText(MacroKeyCode(kFireKeyAddress, true)), "0E00F0");
    EXPECT_EQ(KeyCodeText(MacroKeyCode(BaseMacroCodeAddress(5), true)), "0E0621");
}

TEST(KeyCode, MacroOfAnAddress)
{
    const struct {
        uint16_t address;
        std::optional<int> page, index;
    } cases[] = {
        {0x0121, 1, std::nullopt}, {0x0421, 4, std::nullopt}, {0x0621, 5, std::nullopt},
        {0x0721, 6, std::nullopt}, {0x0521, std::nullopt, std::nullopt},
        {0x0120, std::nullopt, 0}, {0x0920, std::nullopt, 1}, {0xF920, std::nullopt, 31},
        {0x011F, std::nullopt, std::nullopt}, {0x0000, std::nullopt, std::nullopt},
        {0x00F0, std::nullopt, std::nullopt}, {0x0220, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BaseMacroPageFromCode(c.address), c.page) << std::hex << c.address;
        EXPECT_EQ(DriverMacroIndexAt(c.address), c.index) << std::hex << c.address;
    }
    for (int page = 1; page <= 6; ++page)
        EXPECT_EQ(BaseMacroPageFromCode(BaseMacroCodeAddress(page)), page);
    for (int index : {0, 5, 31})
        EXPECT_EQ(DriverMacroIndexAt(DriverMacroCodeAddress(index)), index);
}

TEST(KeyCode, ButtonCodesOfBothKeyModesInDataBuf)
{
    DataBuf buf{};
    std::copy_n(DefaultImage(1).begin() + layout::kProfile.image.address, layout::kProfile.image.length,
                buf.begin() + layout::kProfile.dataBufOffset);
    const ButtonKeyCodes defaults{"010100", "010400", "010200", "010800", "011000",
                                  "050000", "070000", "080000", "0600F0"};
    EXPECT_EQ(ReadButtonKeyCodes(buf, 1), defaults);
    EXPECT_EQ(ReadButtonKeyCodes(buf, 2), defaults);

    EXPECT_TRUE(WriteButtonKeyCode(buf, 2, 9, "0a0b00"));
    EXPECT_EQ(buf[databuf::kProfileChecksum - 3], 0x0A);
    EXPECT_EQ(ReadButtonKeyCodes(buf, 2)[8], "0A0B00");
    EXPECT_EQ(ReadButtonKeyCodes(buf, 1), defaults);

    const DataBuf before = buf;
    EXPECT_FALSE(WriteButtonKeyCode(buf, 1, 10, "010100"));
    EXPECT_FALSE(WriteButtonKeyCode(buf, 3, 1, "010100"));
    EXPECT_FALSE(WriteButtonKeyCode(buf, 1, 0, "010100"));
    EXPECT_FALSE(WriteButtonKeyCode(buf, 1, 1, "01010"));
    EXPECT_EQ(buf, before);
}

TEST(UnicodeHex, EncodesUtf16CodeUnits)
{
    EXPECT_EQ(StrToUnicodeHex("AB"), "00410042");
    EXPECT_EQ(StrToUnicodeHex(""), "");
    EXPECT_EQ(StrToUnicodeHex("压枪"), "538B67AA");
    EXPECT_EQ(StrToUnicodeHex("\xF0\x9F\x94\xAB"), "D83DDD2B");   // outside the BMP: a pair
    EXPECT_EQ(StrToUnicodeHex(std::u16string_view(u"A\0B", 3)), "0041");
    EXPECT_EQ(StrToUnicodeHex(std::u16string(600, u'x')).size(), 4 * kUnicodeHexMaxUnits);
}

TEST(UnicodeHex, DecodesGroupsOfFourFromTheEnd)
{
    const std::pair<const char*, const char*> cases[] = {
        {"00410042", "AB"},
        {"0040041", "A"},             // seven digits: the first three are ignored
        {"410042", "B"},
        {"004100ZZ0042", "AB"},       // a group that is not hexadecimal is skipped
        {"004a", "J"},
        {"538B67AA", "压枪"},
        {"D83DDD2B", "\xF0\x9F\x94\xAB"},
        {"D83D", "\xEF\xBF\xBD"},     // an unpaired surrogate becomes U+FFFD
        {"", ""},
        {"123", ""},
    };
    for (const auto& [hex, text] : cases)
        EXPECT_EQ(UnicodeHexToStr(hex), text) << hex;

    for (const char* name : {"Macro 1", "压枪 AK", "x"})
        EXPECT_EQ(UnicodeHexToStr(StrToUnicodeHex(name)), name);
}

} // namespace
} // namespace tarq
