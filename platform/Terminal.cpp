// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Terminal.h"

#if defined(_WIN32)
#include <io.h>
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

} // namespace tarq
