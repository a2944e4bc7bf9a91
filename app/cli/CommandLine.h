// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's command line for scripts: runs one command of cli/ScriptArguments.h against
// the real mouse or the demo's emulated one, without a window and without a display.

#include "cli/ScriptArguments.h"

namespace tarq {

// Returns the exit code (cli/ExitCodes.h). A command that talks to the mouse takes the mouse's
// lock first; while another program (the window, another command) holds it, it waits up to
// 5 s and then ends with exit code 7.
int RunCommandLine(const cli::ScriptRequest& request, int argc, char** argv);

} // namespace tarq
