#pragma once
// The program's command line for scripts: runs one command of cli/ScriptArguments.h against
// the real mouse or the demo's emulated one, without a window and without a display.

#include "app/SingleInstance.h"
#include "cli/ScriptArguments.h"

#include <functional>

namespace tarq {

// Whether the window is running, learnt within the deadline and without raising it.
using WindowProbe = std::function<InstanceProbe(int deadlineMs)>;

// Returns the exit code (cli/ExitCodes.h). `probe` tells whether the window owns the mouse; a
// window that does not answer in time is taken to own it.
int RunCommandLine(const cli::ScriptRequest& request, int argc, char** argv, const WindowProbe& probe);

} // namespace tarq
