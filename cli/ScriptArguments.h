// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The command line for scripts: which command the arguments ask for, and the help text.
// Arguments without any of these commands start the window instead.

#include <string>
#include <vector>

namespace tarq::cli {

enum class Command {
    Window,   // no command-line command: start the window
    Help,
    Version,
    List,
    Read,
    Apply,
    Reset,
};

struct ScriptRequest {
    Command command = Command::Window;
    std::string file;      // --read and --apply
    int resetNumber = 0;   // --reset, 1 to 3
    bool demo = false;     // the emulated mouse instead of the real one
    bool force = false;    // --apply: write a profile that fails its check all the same
    std::string error;     // not empty: the arguments were not understood (exit code Usage)

    // Whether the command talks to the mouse (and so must not run beside the window).
    bool talksToMouse() const { return command == Command::Read || command == Command::Apply || command == Command::Reset; }
};

constexpr int kResetCount = 3;

// `args` without the program name. A command-line command anywhere makes the whole line a
// command line: options of the window are then errors. Without a command only the window's
// options (and the toolkit's own arguments) are taken: anything else is an error, with the
// command left at Window.
ScriptRequest ParseScriptArguments(const std::vector<std::string>& args);

std::string HelpText();
std::string VersionText();

} // namespace tarq::cli
