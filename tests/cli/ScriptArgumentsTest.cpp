// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/ExitCodes.h"
#include "cli/ScriptArguments.h"

#include <gtest/gtest.h>

namespace tarq::cli {
namespace {

struct ArgumentCase {
    const char* name;
    std::vector<std::string> args;
    Command command;
    std::string file;
    int reset;
    bool demo;
    bool error;
};

class ScriptArgumentsTest : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(ScriptArgumentsTest, Parses)
{
    const ArgumentCase& c = GetParam();
    const ScriptRequest r = ParseScriptArguments(c.args);
    EXPECT_EQ(!r.error.empty(), c.error) << r.error;
    if (c.error)
        return;
    EXPECT_EQ(r.command, c.command);
    EXPECT_EQ(r.file, c.file);
    EXPECT_EQ(r.resetNumber, c.reset);
    EXPECT_EQ(r.demo, c.demo);
    EXPECT_EQ(r.force, c.name == std::string("ForceWithApply"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptArgumentsTest,
    ::testing::Values(
        ArgumentCase{"NoArguments", {}, Command::Window, "", 0, false, false},
        ArgumentCase{"WindowOptionsStartTheWindow", {"--demo", "--quit-after-show"}, Command::Window, "", 0, false, false},
        ArgumentCase{"List", {"--list"}, Command::List, "", 0, false, false},
        ArgumentCase{"DemoBeforeOrAfter", {"--read", "a.bin", "--demo"}, Command::Read, "a.bin", 0, true, false},
        ArgumentCase{"ValueAfterEquals", {"--demo", "--apply=p.bin"}, Command::Apply, "p.bin", 0, true, false},
        ArgumentCase{"FileNamedLikeAnOption", {"--apply", "--list"}, Command::Apply, "--list", 0, false, false},
        ArgumentCase{"Reset", {"--reset", "3"}, Command::Reset, "", 3, false, false},
        ArgumentCase{"HelpWinsOverErrors", {"--list", "--bogus", "--help"}, Command::Help, "", 0, false, false},
        ArgumentCase{"ResetOutOfRange", {"--reset", "4"}, Command::Reset, "", 0, false, true},
        ArgumentCase{"ResetNotANumber", {"--reset=x"}, Command::Reset, "", 0, false, true},
        ArgumentCase{"MissingFile", {"--read"}, Command::Read, "", 0, false, true},
        ArgumentCase{"EmptyFile", {"--apply="}, Command::Apply, "", 0, false, true},
        ArgumentCase{"TwoCommands", {"--list", "--read", "a.bin"}, Command::List, "", 0, false, true},
        ArgumentCase{"WindowOptionWithACommand", {"--list", "--render-pages", "out"}, Command::List, "", 0, false, true},
        ArgumentCase{"ValueOnAFlag", {"--list=1"}, Command::List, "", 0, false, true},
        // Without a command only the window's options and the toolkit's own arguments pass.
        ArgumentCase{"WindowFolderOption", {"--render-pages", "out", "--engineer"}, Command::Window, "", 0, false, false},
        ArgumentCase{"ToolkitArguments", {"-platform", "offscreen", "--style=fusion", "-reverse", "--demo-driver"},
                     Command::Window, "", 0, false, false},
        ArgumentCase{"UnknownWindowOption", {"--bogus"}, Command::Window, "", 0, false, true},
        ArgumentCase{"UnknownBesideWindowOptions", {"--demo", "--quit-after-shown"}, Command::Window, "", 0, false, true},
        ArgumentCase{"SingleDashWindowOption", {"-demo"}, Command::Window, "", 0, false, true},
        ArgumentCase{"StrayArgument", {"--demo", "profile.bin"}, Command::Window, "", 0, false, true},
        ArgumentCase{"WindowFolderMissing", {"--render-pages"}, Command::Window, "", 0, false, true},
        ArgumentCase{"WindowFolderEmpty", {"--render-pages="}, Command::Window, "", 0, false, true},
        ArgumentCase{"ValueOnAWindowFlag", {"--engineer=1"}, Command::Window, "", 0, false, true},
        ArgumentCase{"ForceWithApply", {"--force", "--apply", "p.bin"}, Command::Apply, "p.bin", 0, false, false},
        ArgumentCase{"ForceWithoutApply", {"--reset", "1", "--force"}, Command::Reset, "", 0, false, true}),
    [](const ::testing::TestParamInfo<ArgumentCase>& info) { return info.param.name; });

TEST(ScriptHelp, ListsEveryCommandAndEveryExitCode)
{
    const std::string help = HelpText();
    for (const char* option : {"--list", "--read FILE", "--apply FILE", "--force", "--reset N", "--demo", "--help", "--version"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    for (const ExitCodeText& entry : kExitCodes)
        EXPECT_NE(help.find("  " + std::to_string(ToInt(entry.code)) + "  " + entry.meaning + "\n"), std::string::npos)
            << entry.meaning;
    // The codes are distinct and numbered without gaps, so a script can rely on each.
    for (size_t i = 0; i < kExitCodes.size(); ++i)
        EXPECT_EQ(ToInt(kExitCodes[i].code), static_cast<int>(i));
}

} // namespace
} // namespace tarq::cli
