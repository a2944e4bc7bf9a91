// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/FixedKeyCodes.h"
#include "macros/MacroPages.h"
#include "settings/KeyCodeNames.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tarq {
namespace {

// Language texts of the first language for the entries these codes use.
const std::map<int, std::string> kTexts{
    {210, "Left Click"}, {211, "Right Click"}, {212, "Middle Click"}, {213, "Back"},
    {214, "Forward"}, {220, "Fire Key"}, {221, "LED ON/OFF"}, {222, "AIM"},
    {223, "Gun Key Fn"}, {224, "Key Off"}, {225, "Key Mode Switch"}, {226, "LED Mode"},
    {231, "DPI Loop"}, {232, "DPI +"}, {233, "DPI -"}, {240, "My Computer"},
    {241, "Calculator"}, {242, "E-Mail"}, {243, "Desktop"}, {250, "Play/Pause"},
    {251, "Stop"}, {252, "Previous Track"}, {253, "Next Track"}, {254, "Volume +"},
    {255, "Volume -"}, {256, "Mute"}, {260, "Home"}, {261, "Search"}, {262, "Web Back"},
    {263, "Web Forward"}, {264, "Stop"}, {265, "Refresh"}, {266, "Favorites"},
    {600, "AKM"}, {601, "M16"}, {602, "M4"}, {603, "UMP9"}, {604, "SCAR-L"},
    {605, "5.56mm Fire"}, {606, "7.62mm Fire"}};

class FakeSource : public KeyCodeNameSource {
public:
    bool eeprom = true;
    std::vector<std::string> driverMacros;
    std::optional<GunKeyCodes> gunKeys;

    std::string LanguageText(int strId) const override
    {
        const auto it = kTexts.find(strId);
        return it == kTexts.end() ? std::string{} : it->second;
    }
    // The base macro pages in EEPROM mode, the driver's list in driver mode, found by the
    // core's address rules as the configuration homes find them.
    std::string MacroNameAt(uint16_t address) const override
    {
        if (eeprom) {
            const std::optional<int> page = BaseMacroPageFromCode(address);
            return page ? "Page" + std::to_string(*page) : std::string{};
        }
        const std::optional<int> index = DriverMacroIndexAt(address);
        if (!index || *index >= static_cast<int>(driverMacros.size()))
            return {};
        return driverMacros[size_t(*index)];
    }
    std::optional<GunKeyCodes> LoadedGunKeyList() const override { return gunKeys; }
};

struct NameCase {
    const char* code;
    const char* name;
};

TEST(KeyCodeNames, FixedCodesAimAndKeyCombinations)
{
    const FakeSource source;
    const NameCase cases[] = {
        {"010100", "Left Click"}, {"011000", "Forward"}, {"0600F0", "Fire Key"},
        {"090000", "LED ON/OFF"}, {"0D0000", "Gun Key Fn"}, {"000000", "Key Off"},
        {"100000", "LED Mode"}, {"050000", "DPI Loop"}, {"080000", "DPI -"},
        {"030194", "My Computer"}, {"0300B7", "Stop"}, {"030226", "Stop"},
        {"03022A", "Favorites"}, {"0300e2", "Mute"},
        // AIM whatever its data bytes.
        {"0A0000", "AIM"}, {"0A0B00", "AIM"}, {"0AFF00", "AIM"}, {"0A12FF", "AIM"},
        // Win+D has its own name; the same key with Shift added is a plain combination.
        {"020807", "Desktop"}, {"020A07", "Shift+Win+D"},
        {"020004", "A"}, {"020304", "Ctrl+Shift+A"}, {"020100", "Ctrl+"},
        {"020F28", "Ctrl+Shift+Alt+Win+Enter"}, {"0200E3", "Win"}, {"020064", ""},
        // Unknown consumer codes and types have no name.
        {"030195", ""}, {"040000", ""}, {"0B0000", ""}, {"FF0000", ""},
        // Not a code at all.
        {"", ""}, {"01010", ""}, {"01010G", ""},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(KeyCodeToName(c.code, source), c.name) << c.code;
}

TEST(KeyCodeNames, MacroAddressesByMode)
{
    FakeSource source;
    const NameCase eepromCases[] = {
        {"060121", "Page1"}, {"0E0421", "Page4"}, {"060621", "Page5"}, {"0E0721", "Page6"},
        {"060521", ""}, {"060120", ""}, {"0E00F0", ""},
    };
    for (const NameCase& c : eepromCases)
        EXPECT_EQ(KeyCodeToName(c.code, source), c.name) << "EEPROM " << c.code;

    source.eeprom = false;
    source.driverMacros = {"Reload", "Jump", "Combo"};
    const NameCase driverCases[] = {
        {"060120", "Reload"}, {"0E0920", "Jump"}, {"061120", "Combo"}, {"061920", ""},
        {"060121", ""}, {"0E00F0", ""}, {"060000", ""},
    };
    for (const NameCase& c : driverCases)
        EXPECT_EQ(KeyCodeToName(c.code, source), c.name) << "driver " << c.code;
}

TEST(KeyCodeNames, FireMacroNamesWithAndWithoutGunKeyList)
{
    FakeSource source;
    const NameCase fixedCases[] = {
        {"0C0101", "AKM"}, {"0C0505", "SCAR-L"}, {"0C0606", "5.56mm Fire"},
        {"0C0607", "5.56mm Fire"}, {"0C080A", "7.62mm Fire"}, {"0C0707", ""}, {"0C0102", ""},
    };
    for (const NameCase& c : fixedCases)
        EXPECT_EQ(KeyCodeToName(c.code, source), c.name) << c.code;

    GunKeyCodes list{};
    list.fill({0x0C, 0x0A, 0x0A});
    list[0] = {0x0C, 0x02, 0x03};
    list[2] = {0x0C, 0x01, 0x01};
    source.gunKeys = list;
    const NameCase loadedCases[] = {
        {"0C0203", "Fire Macro1"}, {"0C0101", "Fire Macro3"}, {"0C0A0A", "Fire Macro2"},
        {"0C0202", ""}, {"0C0606", ""},
    };
    for (const NameCase& c : loadedCases)
        EXPECT_EQ(KeyCodeToName(c.code, source), c.name) << "loaded " << c.code;
}

TEST(KeyCodeNames, MissingLanguageEntryGivesEmptyName)
{
    struct NoTexts : FakeSource {
        std::string LanguageText(int) const override { return {}; }
    } source;
    EXPECT_EQ(KeyCodeToName("010100", source), "");
    EXPECT_EQ(KeyCodeToName("020304", source), "Ctrl+Shift+A");
}

TEST(FixedKeyCodes, TagsGiveTheirCodes)
{
    const std::pair<int, const char*> cases[] = {
        {900, "010100"}, {901, "010200"}, {902, "010400"}, {903, "010800"}, {904, "011000"},
        {1000, "0600F0"}, {1001, "090000"}, {1003, "0D0000"}, {1004, "000000"},
        {1005, "0F0000"}, {1006, "100000"}, {1100, "030194"}, {1101, "030192"},
        {1102, "03018A"}, {1103, "020807"}, {1300, "0300CD"}, {1301, "0300B7"},
        {1302, "0300B6"}, {1303, "0300B5"}, {1304, "0300E9"}, {1305, "0300EA"},
        {1306, "0300E2"}, {1400, "030223"}, {1401, "030221"}, {1402, "030224"},
        {1403, "030225"}, {1404, "030226"}, {1405, "030227"}, {1406, "03022A"},
        {2000, "050000"}, {2001, "070000"}, {2002, "080000"},
        {0, ""}, {905, ""}, {1007, ""}, {-1, ""}};
    for (const auto& [tag, code] : cases)
        EXPECT_EQ(TagToKeyCode(tag, 5), code) << tag;
    EXPECT_EQ(TagToKeyCode(1002, 0x0B), "0A0B00");
    EXPECT_EQ(TagToKeyCode(1002, 0xFF), "0AFF00");

    // Every fixed entry but AIM is named back by its own language entry.
    const FakeSource source;
    for (const FixedKeyCode& fixed : kFixedKeyCodes)
        EXPECT_EQ(KeyCodeToName(TagToKeyCode(fixed.tag, 3), source), kTexts.at(fixed.strId))
            << fixed.entry;
}

} // namespace
} // namespace tarq
