// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the body decoders (any 224 or 2016 bytes) and the script encoders (any text).
// A script loaded from a body must build again within the same capacity (plus the one byte a
// last record may take from the checksum).

#include "macros/MacroBody.h"

#include <cstdlib>
#include <string>
#include <vector>

using namespace tarq;

namespace {

// The bytes in a heap block of exactly the body's size, so that a read past it is caught.
template <size_t N>
std::vector<uint8_t> Exactly(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> v(N);
    for (size_t i = 0; i < N && i < size; ++i)
        v[i] = data[i];
    return v;
}

MacroScript LinesOf(const uint8_t* data, size_t size)
{
    MacroScript lines(1, "10");
    std::string line;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(char(data[i]));
        }
    }
    lines.push_back(line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto body = Exactly<macro_body::kSize>(data, size);
    const std::span<const uint8_t, macro_body::kSize> bodySpan(body.data(), body.size());
    const LoadedMacroScript loaded = LoadMacroScript(bodySpan);
    MacroBodyChecksumOk(bodySpan);
    MacroBodyHexDump(bodySpan);
    // A loaded script builds again, but for one byte when the last record took the checksum
    // as operand.
    const BuiltMacroBody again = BuildMacroBody(loaded.script, ReleaseMode::PlayToEnd);
    if (!again.ok() && again.eventBytes > macro_body::kMaxEvents + 1)
        std::abort();

    const auto driver = Exactly<driver_macro_body::kSize>(data, size);
    const std::span<const uint8_t, driver_macro_body::kSize> driverSpan(driver.data(), driver.size());
    const LoadedMacroScript loadedDriver = LoadDriverMacroScript(driverSpan);
    DriverMacroBodyHexDump(driverSpan);
    const BuiltDriverMacroBody driverAgain =
        BuildDriverMacroBody(loadedDriver.script, ReleaseMode::StopOnRelease);
    if (!driverAgain.ok() && driverAgain.eventBytes > driver_macro_body::kMaxEvents + 1)
        std::abort();

    const MacroScript text = LinesOf(data, size);
    const BuiltMacroBody built = BuildMacroBody(text, ReleaseMode::PlayToEnd);
    // An empty script builds the all-zero body, which the page check clears to itself; any
    // other built body must pass the check.
    if (built.ok() && built.body != MacroBody{} && !MacroBodyChecksumOk(built.body))
        std::abort();
    BuildDriverMacroBody(text, ReleaseMode::PlayToEnd);
    return 0;
}
