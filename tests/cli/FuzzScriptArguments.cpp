// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the command line's argument parser: the input split at zero bytes is the argument
// list. Any list gives a request or a usage error, never a crash; an error always comes
// with a text, and a request that names a file has one.

#include "cli/ScriptArguments.h"

#include <cstdlib>
#include <string>
#include <vector>

using namespace tarq::cli;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += char(data[i]);
    }
    const ScriptRequest request = ParseScriptArguments(args);
    if (!request.error.empty())
        return 0;
    if ((request.command == Command::Read || request.command == Command::Apply) && request.file.empty())
        std::abort();
    if (request.command == Command::Reset && (request.resetNumber < 1 || request.resetNumber > kResetCount))
        std::abort();
    if (request.force && request.command != Command::Apply)
        std::abort();
    return 0;
}
