// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether standard error goes to a terminal (a person watching) or to a file or pipe (a script),
// and the console of a Windows window program.

namespace tarq {

bool StandardErrorIsTerminal();

// On Windows the program is a window program, which starts without a console: when it was
// started from one (cmd.exe, PowerShell) and its output goes nowhere else, its standard output
// and error are joined to that console, so the command line and --help are seen there.
// Output already redirected to a file or a pipe stays where it goes. Nothing elsewhere.
void UseStartingConsole();

} // namespace tarq
