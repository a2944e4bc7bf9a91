// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the fire record decoders and patches (any 24 bytes and any edit text) and the
// readers of the gun key list and fire macro area files.

#include "firemacros/FirePatch.h"
#include "firemacros/GunKeyList.h"

#include <cstdlib>
#include <string>
#include <vector>

using namespace tarq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The record in a heap block of exactly 24 bytes, so that a read or write past it is caught.
    std::vector<uint8_t> record(fire_record::kSize);
    for (size_t i = 0; i < record.size() && i < size; ++i)
        record[i] = data[i];
    const std::span<uint8_t, fire_record::kSize> r(record.data(), record.size());

    // Whatever a record shows fits a record again, but for one byte when its last record took
    // the checksum as operand.
    const DecodedFireMacro decoded = DecodeFireMacro(r);
    const EncodedFireMacro again = EncodeFireMacro(decoded.script, ReleaseMode::PlayToEnd);
    if (!again.ok() && again.eventBytes > fire_record::kMaxEvents + 1)
        std::abort();

    const std::string text(reinterpret_cast<const char*>(data), std::min<size_t>(size, 12));
    for (int column = 1; column <= 3; ++column) {
        const FireParameters p = LoadFireParameters(r, column);
        EditFireCount(r, p.positions, text);
        EditFireX(r, p.positions, text);
        EditFireY(r, p.positions, text);
        EditFireInterval(r, p.positions, text);
        EditFireYOffset(text, int(int8_t(size)));
    }

    const std::span<const uint8_t> file(data, size);
    GunKeyListItems(ReadGunKeyListFile(file));
    FireMacroArea area{};
    ImportFireMacroAreaFile(file, area);
    return 0;
}
