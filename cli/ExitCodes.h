// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The exit codes of the command line. Scripts rely on them: never renumber one.

#include <array>

namespace tarq::cli {

enum class ExitCode : int {
    Ok = 0,
    Failed = 1,           // the mouse did not answer, or stopped answering part-way
    Usage = 2,            // the command line was not understood
    NoMouse = 3,          // no mouse with this build's USB identity is plugged in
    PermissionDenied = 4, // the mouse is there but this user may not open it
    BadFile = 5,          // the file is not a profile (or fails its check), or cannot be read or written
    VerifyFailed = 6,     // the mouse kept other bytes than were written
    MouseInUse = 7,       // another program (the window, another command) holds the mouse's lock
    MouseRefused = 8,     // the mouse answered but cannot do it (memory not ready, other chip, foreign codes)
};

struct ExitCodeText {
    ExitCode code;
    const char* meaning;
};

// Every exit code with its meaning, in order, as --help lists them.
inline constexpr std::array<ExitCodeText, 9> kExitCodes{{
    {ExitCode::Ok, "done"},
    {ExitCode::Failed, "the mouse did not answer or stopped answering (unplugged part-way)"},
    {ExitCode::Usage, "the command line was not understood"},
    {ExitCode::NoMouse, "no mouse found"},
    {ExitCode::PermissionDenied, "permission denied on the mouse's hidraw node"},
    {ExitCode::BadFile, "bad file: not a profile or it fails its check (see --force), or it cannot be read or written"},
    {ExitCode::VerifyFailed, "verify failure: the mouse kept other bytes than were written"},
    {ExitCode::MouseInUse, "another program is using the mouse (the window, or another command)"},
    {ExitCode::MouseRefused, "the mouse cannot do it (memory not ready, another chip, foreign codes)"},
}};

constexpr int ToInt(ExitCode code) { return static_cast<int>(code); }

} // namespace tarq::cli
