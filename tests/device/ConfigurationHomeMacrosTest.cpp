// SPDX-License-Identifier: GPL-2.0-or-later
// What the two configuration homes answer about the macro library, side by side: the library
// the macro page edits, the name of the macro a code's address plays, and whether a button
// keeps its own copy when a library macro changes.
#include "device/ui/ConfigurationHome.h"
#include "macros/MacroBody.h"
#include "macros/ui/MacroLibraryInUse.h"
#include "settings/KeyCode.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

const MacroScript kTap = {"00", "1 A CODE:8204", "0 24", "2 A CODE:0204"};

MacroName Name(const char16_t* text) { return MacroNameFromUtf16(text); }

// The events of a script: line 0, the delay header, is read back from the body's delays.
MacroScript Events(const MacroScript& script) { return MacroScript(script.begin() + 1, script.end()); }

std::vector<uint8_t> DriverRecord(const char16_t* name)
{
    std::vector<uint8_t> record(kDriverMacroRecordSize);
    const MacroName bytes = Name(name);
    std::copy(bytes.begin(), bytes.end(), record.begin());
    return record;
}

class ConfigurationHomeMacros : public testing::TestWithParam<ConfigurationMode> {
protected:
    std::unique_ptr<ConfigurationHome> home = MakeConfigurationHome(GetParam());
    MacroLibraries libraries;
    ConfigurationState config;
};

TEST_P(ConfigurationHomeMacros, LibraryInUseEditsTheLibraryOfItsHome)
{
    const auto library = home->LibraryInUse(libraries);
    EXPECT_EQ(library->Count(), 0);
    library->Append(Name(u"One"));
    library->Append(Name(u"Two"));
    library->Append(Name(u"Three"));
    ASSERT_EQ(library->Count(), 3);
    EXPECT_EQ(library->Name(1), QStringLiteral("Two"));
    // Only the home's own library changes.
    const bool eeprom = GetParam() == ConfigurationMode::Eeprom;
    EXPECT_EQ(MacroLibraryCount(libraries.PcMacros), eeprom ? 3 : 0);
    EXPECT_EQ(libraries.DriverMacros.size(), eeprom ? 0u : 3u);

    // A built body is shown back as the same script, with the release mode in byte 0.
    EXPECT_FALSE(library->Load(1));
    EXPECT_TRUE(library->Build(1, kTap, ReleaseMode::StopOnRelease).ok());
    const auto shown = library->Load(1);
    ASSERT_TRUE(shown);
    EXPECT_EQ(Events(shown->macro.script), Events(kTap));
    EXPECT_EQ(shown->macro.releaseMode, ReleaseMode::StopOnRelease);
    EXPECT_FALSE(shown->hexDump.empty());
    EXPECT_EQ(library->ModeByte(1), uint8_t(ReleaseMode::StopOnRelease));
    EXPECT_EQ(library->EventCount(1), eeprom ? MacroBodyEventCount(BuildMacroBody(kTap, ReleaseMode::StopOnRelease).body)
                                             : DriverMacroBodyEventCount(BuildDriverMacroBody(kTap, ReleaseMode::StopOnRelease).body));
    library->SetModeByte(1, uint8_t(ReleaseMode::PlayToEnd));
    EXPECT_EQ(library->Load(1)->macro.releaseMode, ReleaseMode::PlayToEnd);

    // A script too long for the body leaves the body as it was.
    MacroScript tooLong = {"00"};
    for (int i = 0; i < 1200; ++i)
        tooLong.insert(tooLong.end(), {"1 A CODE:8204", "2 A CODE:0204"});
    EXPECT_FALSE(library->Build(1, tooLong, ReleaseMode::PlayToEnd).ok());
    EXPECT_EQ(Events(library->Load(1)->macro.script), Events(kTap));

    library->ClearBody(1);
    EXPECT_FALSE(library->Load(1));
    library->SetName(1, Name(u"Renamed"));
    library->Remove(0);
    ASSERT_EQ(library->Count(), 2);
    EXPECT_EQ(library->Name(0), QStringLiteral("Renamed"));
    EXPECT_EQ(library->Name(1), QStringLiteral("Three"));
}

TEST_P(ConfigurationHomeMacros, MacroNameOfACodesAddress)
{
    const MacroName page2 = Name(u"On page 2");
    std::copy(page2.begin(), page2.end(), config.MacroAreas.basePages[1].begin());
    const MacroName page6 = Name(u"On page 6");
    std::copy(page6.begin(), page6.end(), config.MacroAreas.basePages[5].begin());
    config.AssignedDriverMacros = {DriverRecord(u"First"), DriverRecord(u"Second")};

    const bool eeprom = GetParam() == ConfigurationMode::Eeprom;
    const struct {
        uint16_t address;
        const char* eepromName;
        const char* driverName;
    } cases[] = {
        {BaseMacroCodeAddress(2), "On page 2", ""}, {BaseMacroCodeAddress(6), "On page 6", ""},
        {BaseMacroCodeAddress(1), "", ""},          {DriverMacroCodeAddress(0), "", "First"},
        {DriverMacroCodeAddress(1), "", "Second"},  {DriverMacroCodeAddress(2), "", ""},
        {kFireKeyAddress, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(home->MacroNameAt(c.address, config), eeprom ? c.eepromName : c.driverName) << std::hex << c.address;
}

TEST_P(ConfigurationHomeMacros, ButtonsKeepTheirCopyOfAChangedMacro)
{
    // Button 3 of key mode 1 plays base macro page 2, which holds "Played"; the driver has an
    // assigned record of that name.
    const MacroName played = Name(u"Played");
    std::copy(played.begin(), played.end(), config.MacroAreas.basePages[1].begin());
    config.OfficeKeyCodes[2] = KeyCodeText(MacroKeyCode(BaseMacroCodeAddress(2), false));
    config.AssignedDriverMacros = {DriverRecord(u"Played")};

    const bool eeprom = GetParam() == ConfigurationMode::Eeprom;
    // The base pages keep their copy whatever changes; the driver's records follow the
    // library's edits by name, so only a rename or a delete leaves them a copy.
    EXPECT_TRUE(home->ButtonKeepsCopy(played, true, config));
    EXPECT_EQ(home->ButtonKeepsCopy(played, false, config), eeprom);
    EXPECT_FALSE(home->ButtonKeepsCopy(Name(u"Other"), true, config));
    EXPECT_FALSE(home->ButtonKeepsCopy(Name(u"Other"), false, config));
}

INSTANTIATE_TEST_SUITE_P(BothHomes, ConfigurationHomeMacros,
                         testing::Values(ConfigurationMode::Eeprom, ConfigurationMode::Driver),
                         [](const auto& info) { return info.param == ConfigurationMode::Eeprom ? "Eeprom" : "Driver"; });

} // namespace
} // namespace tarq
