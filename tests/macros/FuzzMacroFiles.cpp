// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the readers of the macro files and the check before Import All: any bytes give a
// library (or a reason to refuse it), never a crash.

#include "macros/MacroFiles.h"

#include <cstdlib>

using namespace tarq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> file(data, size);

    PcMacroLibrary library = ReadMacroLibraryFile(file);
    if (WriteMacroLibraryFile(library).size() != kMacroFileSize)
        std::abort();
    for (const MacroRecord& record : library)
        LoadMacroScript(record.body);
    ImportOneMacro(library, file);

    DriverMacroLibrary drivers = ReadDriverMacroFile(file);
    if (drivers.size() != size / kDriverMacroRecordSize)
        std::abort();
    for (const DriverMacroRecord& record : drivers)
        LoadDriverMacroScript(record.body);
    ImportOneDriverMacro(drivers, file);

    // The check before Import All walks every record of both layouts.
    for (const size_t recordSize : {kMacroRecordSize, kDriverMacroRecordSize}) {
        const LibraryFileCheck check = CheckMacroLibraryFile(WholeRecords(file, recordSize), recordSize);
        if (check.damagedRecord >= int(size / recordSize))
            std::abort();
    }

    std::array<uint8_t, kDeviceImageSize> image{};
    ApplyBaseMacroFile(file, image);
    BaseMacroPages pages = UnpackBaseMacroPages(image);
    for (const MacroRecord& page : pages)
        LoadMacroScript(page.body);
    return 0;
}
