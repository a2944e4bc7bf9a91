#pragma once
// The program's command line for scripts: runs one command of cli/ScriptArguments.h against
// the real mouse or the demo's emulated one, without a window and without a display.

#include "app/cli/WindowProbe.h"
#include "cli/ScriptArguments.h"

namespace tarq {

// Returns the exit code (cli/ExitCodes.h). `probe` tells whether the window is running.
int RunCommandLine(const cli::ScriptRequest& request, int argc, char** argv, const WindowProbe& probe);

} // namespace tarq
