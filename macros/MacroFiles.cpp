#include "macros/MacroFiles.h"

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

} // namespace tarq
