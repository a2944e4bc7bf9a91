// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Terminal.h"

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#include <cstdio>
#else
#include <unistd.h>
#endif

namespace tarq {

bool StandardErrorIsTerminal()
{
#if defined(_WIN32)
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}

void UseStartingConsole()
{
#if defined(_WIN32)
    const auto unset = [](DWORD which) {
        const HANDLE h = GetStdHandle(which);
        return h == nullptr || h == INVALID_HANDLE_VALUE;
    };
    const bool out = unset(STD_OUTPUT_HANDLE), err = unset(STD_ERROR_HANDLE);
    if ((!out && !err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (out)
        std::freopen("CONOUT$", "w", stdout);
    if (err)
        std::freopen("CONOUT$", "w", stderr);
#endif
}

} // namespace tarq
