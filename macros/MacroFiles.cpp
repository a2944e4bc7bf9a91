// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroFiles.h"

#include "config/SectionChecksum.h"

#include <algorithm>

namespace tarq {

namespace {

// Copies as many bytes as the source has into the destination; the rest stays as it is.
void CopyAvailable(std::span<const uint8_t> from, std::span<uint8_t> to)
{
    std::copy_n(from.begin(), std::min(from.size(), to.size()), to.begin());
}

MacroRecord RecordAt(std::span<const uint8_t> file, size_t offset)
{
    MacroRecord record;
    if (offset >= file.size())
        return record;
    const auto bytes = file.subspan(offset);
    CopyAvailable(bytes, record.name);
    if (bytes.size() > kMacroNameSize)
        CopyAvailable(bytes.subspan(kMacroNameSize), record.body);
    return record;
}

DriverMacroRecord DriverRecordAt(std::span<const uint8_t> file, size_t offset)
{
    DriverMacroRecord record;
    if (offset >= file.size())
        return record;
    const auto bytes = file.subspan(offset);
    CopyAvailable(bytes, record.name);
    if (bytes.size() > kMacroNameSize)
        CopyAvailable(bytes.subspan(kMacroNameSize), record.body);
    return record;
}

template <typename Record>
void AppendRecord(std::vector<uint8_t>& out, const Record& record)
{
    out.insert(out.end(), record.name.begin(), record.name.end());
    out.insert(out.end(), record.body.begin(), record.body.end());
}

template <typename Records>
std::vector<uint8_t> RecordsToBytes(const Records& records, size_t recordSize)
{
    std::vector<uint8_t> out;
    out.reserve(std::size(records) * recordSize);
    for (const auto& record : records)
        AppendRecord(out, record);
    return out;
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

} // namespace

std::string MacroFilePath(std::string_view pathKey, std::string_view appFolder,
                          std::string_view fileName)
{
    std::string path(pathKey.empty() ? appFolder : pathKey);
    path += fileName;
    return path;
}

std::string ExportFileName(std::string_view chosen)
{
    constexpr std::string_view kExtension = ".bin";
    const bool hasExtension =
        chosen.size() >= kExtension.size()
        && std::equal(kExtension.begin(), kExtension.end(), chosen.end() - kExtension.size(),
                      [](char a, char b) { return a == Lower(b); });
    std::string name(chosen);
    if (!hasExtension)
        name += kExtension;
    return name;
}

PcMacroLibrary ReadMacroLibraryFile(std::span<const uint8_t> file)
{
    PcMacroLibrary library{};
    for (size_t row = 0; row < library.size(); ++row)
        library[row] = RecordAt(file, row * kMacroRecordSize);
    CompactMacroLibrary(library);
    return library;
}

std::vector<uint8_t> WriteMacroLibraryFile(const PcMacroLibrary& library)
{
    return RecordsToBytes(library, kMacroRecordSize);
}

DriverMacroLibrary ReadDriverMacroFile(std::span<const uint8_t> file)
{
    DriverMacroLibrary library;
    const size_t count = file.size() / kDriverMacroRecordSize;
    library.reserve(count);
    for (size_t i = 0; i < count; ++i)
        library.push_back(DriverRecordAt(file, i * kDriverMacroRecordSize));
    return library;
}

std::vector<uint8_t> WriteDriverMacroFile(const DriverMacroLibrary& library)
{
    return RecordsToBytes(library, kDriverMacroRecordSize);
}

MacroRecord ReadSingleMacroFile(std::span<const uint8_t> file)
{
    return RecordAt(file, 0);
}

std::vector<uint8_t> WriteSingleMacroFile(const MacroRecord& record)
{
    return RecordsToBytes(std::span(&record, 1), kMacroRecordSize);
}

DriverMacroRecord ReadSingleDriverMacroFile(std::span<const uint8_t> file)
{
    return DriverRecordAt(file, 0);
}

std::vector<uint8_t> WriteSingleDriverMacroFile(const DriverMacroRecord& record)
{
    return RecordsToBytes(std::span(&record, 1), kDriverMacroRecordSize);
}

MacroImportResult ImportOneMacro(PcMacroLibrary& library, std::span<const uint8_t> file)
{
    const int count = MacroLibraryCount(library);
    if (count >= kPcMacroImportLimit)
        return {MacroImportStatus::LibraryFull};
    MacroRecord record = ReadSingleMacroFile(file);
    if (MacroNameIsEmpty(record.name))
        return {MacroImportStatus::NoName};
    if (FindMacroByName(library, record.name))
        return {MacroImportStatus::Duplicate};
    library[size_t(count)] = record;
    return {MacroImportStatus::Imported, count};
}

MacroImportResult ImportOneDriverMacro(DriverMacroLibrary& library, std::span<const uint8_t> file)
{
    if (library.size() >= kDriverMacroImportLimit)
        return {MacroImportStatus::LibraryFull};
    DriverMacroRecord record = ReadSingleDriverMacroFile(file);
    if (MacroNameIsEmpty(record.name))
        return {MacroImportStatus::NoName};
    if (FindDriverMacroByName(library, record.name))
        return {MacroImportStatus::Duplicate};
    library.push_back(record);
    return {MacroImportStatus::Imported, int(library.size() - 1)};
}

ImportFileSize CheckImportFileSize(size_t fileSize, size_t recordSize)
{
    if (fileSize == 0)
        return ImportFileSize::Empty;
    return fileSize < recordSize ? ImportFileSize::Short : ImportFileSize::Ok;
}

std::span<const uint8_t> WholeRecords(std::span<const uint8_t> file, size_t recordSize)
{
    return file.first(recordSize ? file.size() / recordSize * recordSize : 0);
}

size_t ApplyBaseMacroFile(std::span<const uint8_t> file, std::span<uint8_t, kDeviceImageSize> image)
{
    const size_t n = std::min(file.size(), kBaseMacroFileSize);
    std::copy_n(file.begin(), n, image.begin() + kBaseMacroBlockAddress);
    return n;
}

namespace {

bool AllZero(std::span<const uint8_t> bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; });
}

// The driver body's checksum covers the two length bytes and the events; it follows them.
bool DriverBodyChecksumOk(std::span<const uint8_t, driver_macro_body::kSize> body)
{
    using namespace driver_macro_body;
    const size_t length = size_t(body[kLengthHighOffset]) << 8 | body[kLengthLowOffset];
    const size_t checksumAt = kEventsOffset + length - 1;
    if (length == 0 || checksumAt >= kSize)
        return false;
    return SectionChecksum(body.subspan(kLengthHighOffset, length)) == body[checksumAt];
}

bool RecordHolds(std::span<const uint8_t> record)
{
    MacroName name{};
    std::copy_n(record.begin(), kMacroNameSize, name.begin());
    if (MacroNameIsEmpty(name))
        return false;
    const auto body = record.subspan(kMacroNameSize);
    if (AllZero(body))
        return true; // a named macro with nothing recorded yet
    if (record.size() == kMacroRecordSize) {
        const auto fixed = std::span<const uint8_t, macro_body::kSize>(body.data(), macro_body::kSize);
        return MacroBodyEventCount(fixed).has_value() && MacroBodyChecksumOk(fixed);
    }
    const auto fixed = std::span<const uint8_t, driver_macro_body::kSize>(body.data(), driver_macro_body::kSize);
    return DriverMacroBodyEventCount(fixed).has_value() && DriverBodyChecksumOk(fixed);
}

} // namespace

LibraryFileCheck CheckMacroLibraryFile(std::span<const uint8_t> records, size_t recordSize)
{
    LibraryFileCheck check;
    bool named = false;
    for (size_t at = 0, index = 0; at + recordSize <= records.size(); at += recordSize, ++index) {
        const auto record = records.subspan(at, recordSize);
        if (AllZero(record))
            continue;
        if (!RecordHolds(record)) {
            check.damagedRecord = int(index);
            return check;
        }
        named = true;
    }
    check.noNamedRecord = !named;
    return check;
}

} // namespace tarq
