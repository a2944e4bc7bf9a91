// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Byte formats of the macro files. None of them has a header:
//   "Macro.bin"          100 records of 256 bytes (25 600 bytes), record i at offset 256 i
//   "Driver_Macro.bin"   driver records of 2048 bytes; a trailing partial record is ignored
//   single-macro export  one record (256 or 2048 bytes)
//   base macro file      1024 bytes: pages 1-4 as the image block 0x100-0x4FF
// Reading never fails: missing bytes read as zero, surplus bytes are ignored. The caller reads
// and writes the files themselves (through the platform's atomic save).

#include "macros/MacroLibrary.h"
#include "macros/MacroPages.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarq {

constexpr std::string_view kMacroFileName = "Macro.bin";
constexpr std::string_view kDriverMacroFileName = "Driver_Macro.bin";
constexpr size_t kMacroFileSize = kPcMacroLibraryRows * kMacroRecordSize;
static_assert(kMacroFileSize == 25600);
// The built-in library resource is longer than a library file; only its first 25 600 bytes
// are records.
constexpr size_t kBuiltInMacroDataSize = 27200;
constexpr size_t kBaseMacroFileSize = kBaseMacroBlockSize;
static_assert(kBaseMacroFileSize == 1024);

// The macro file path: the folder text of the org key "Path" followed directly by the file
// name (the key's value is expected to end with a separator), or the program folder when the
// key is empty.
std::string MacroFilePath(std::string_view pathKey, std::string_view appFolder,
                          std::string_view fileName);

// The name an export is written to: the chosen name with ".bin" added unless it already ends
// with it (in any case).
std::string ExportFileName(std::string_view chosen);

// "Macro.bin", an "Import All" file or the built-in library. Rows beyond the file's end stay
// empty; present records are moved up over empty rows.
PcMacroLibrary ReadMacroLibraryFile(std::span<const uint8_t> file);
std::vector<uint8_t> WriteMacroLibraryFile(const PcMacroLibrary& library);

// "Driver_Macro.bin" or a driver "Import All" file: every whole 2048-byte record, in order.
DriverMacroLibrary ReadDriverMacroFile(std::span<const uint8_t> file);
std::vector<uint8_t> WriteDriverMacroFile(const DriverMacroLibrary& library);

// Single-macro files: the first record of the file.
MacroRecord ReadSingleMacroFile(std::span<const uint8_t> file);
std::vector<uint8_t> WriteSingleMacroFile(const MacroRecord& record);
DriverMacroRecord ReadSingleDriverMacroFile(std::span<const uint8_t> file);
std::vector<uint8_t> WriteSingleDriverMacroFile(const DriverMacroRecord& record);

enum class MacroImportStatus {
    Imported,
    Duplicate,     // a record of that name exists ("This macro already exists")
    LibraryFull,   // the list is at its import limit; nothing happens
    NoName,        // the file holds no named record
};

struct MacroImportResult {
    MacroImportStatus status;
    int row = -1;   // with Imported: the library row (or list index) of the new record
};

// The import limits: fewer than 99 names in EEPROM mode, fewer than 9999 in driver mode.
constexpr int kPcMacroImportLimit = 99;
constexpr size_t kDriverMacroImportLimit = 9999;

// "Import One": the file's record goes to the first empty row unless its name exists.
MacroImportResult ImportOneMacro(PcMacroLibrary& library, std::span<const uint8_t> file);
MacroImportResult ImportOneDriverMacro(DriverMacroLibrary& library, std::span<const uint8_t> file);

// Whether a file chosen for an import holds at least one whole record (256 bytes, or 2048 for
// a driver record, or the 1024-byte base macro block). An empty or shorter file is refused
// before anything changes: its missing bytes would read as zero and make a nameless or
// truncated macro.
enum class ImportFileSize { Empty, Short, Ok };
ImportFileSize CheckImportFileSize(size_t fileSize, size_t recordSize);

// The bytes of the whole records of an "Import All" file: a partial trailing record is left out.
std::span<const uint8_t> WholeRecords(std::span<const uint8_t> file, size_t recordSize);

// Whether the whole records of a file chosen for "Import All" are a macro library: every
// record that is not all zero has a name and a body that is empty or whose length and checksum
// hold (256-byte records: the PC layout; 2048-byte records: the driver layout), and at least
// one record is named. A profile or any other file chosen by mistake fails.
struct LibraryFileCheck {
    int damagedRecord = -1;     // the first record that fails (0-based), or -1
    bool noNamedRecord = false; // no record has a name
    bool ok() const { return damagedRecord < 0 && !noNamedRecord; }
};
LibraryFileCheck CheckMacroLibraryFile(std::span<const uint8_t> records, size_t recordSize);

// The engineering import: copies the file's first 1024 bytes over image 0x100-0x4FF. A
// shorter file leaves the bytes it does not reach as they were. Returns the bytes copied.
size_t ApplyBaseMacroFile(std::span<const uint8_t> file, std::span<uint8_t, kDeviceImageSize> image);

} // namespace tarq
