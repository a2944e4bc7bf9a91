// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroFiles.h"
#include "tests/macros/TestHex.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

using test::Filled;

MacroRecord Named(std::u16string_view name, const char* body = "00 05 A1 FE 03 21 92")
{
    return {MacroNameFromUtf16(name), Filled<MacroBody>(body)};
}

DriverMacroRecord DriverNamed(std::u16string_view name, uint8_t fill)
{
    DriverMacroRecord record{MacroNameFromUtf16(name), {}};
    record.body.fill(fill);
    return record;
}

TEST(MacroFilesTest, MacroBinHoldsOneHundredRecordsInRowOrder)
{
    PcMacroLibrary library{};
    library[0] = Named(u"One");
    library[1] = Named(u"Two", "01 03 FE 00 5B");
    const auto file = WriteMacroLibraryFile(library);
    ASSERT_EQ(file.size(), 25600u);
    EXPECT_EQ(file[256 + 1], 'T');
    EXPECT_EQ(file[256 + 32], 0x01);
    EXPECT_EQ(ReadMacroLibraryFile(file), library);
    EXPECT_EQ(MacroLibraryCount(library), 2);

    // The built-in library is 27 200 zero bytes: an empty library.
    EXPECT_EQ(ReadMacroLibraryFile(std::vector<uint8_t>(kBuiltInMacroDataSize)), PcMacroLibrary{});
}

TEST(MacroFilesTest, ShortFilesAndGaps)
{
    PcMacroLibrary library{};
    library[0] = Named(u"One");
    library[1] = Named(u"Two");
    auto file = WriteMacroLibraryFile(library);
    file.resize(256 + 40);   // row 1 is cut inside its body
    const PcMacroLibrary read = ReadMacroLibraryFile(file);
    EXPECT_EQ(read[0], library[0]);
    EXPECT_EQ(read[1].name, library[1].name);
    EXPECT_EQ(read[1].body[7], 0x00);   // beyond the file
    EXPECT_EQ(read[1].body[0], library[1].body[0]);
    EXPECT_EQ(MacroLibraryCount(read), 2);

    // An imported library with empty rows between its records lists them without gaps.
    PcMacroLibrary gaps{};
    gaps[0] = Named(u"A");
    gaps[5] = Named(u"B");
    gaps[99] = Named(u"C");
    const PcMacroLibrary compact = ReadMacroLibraryFile(WriteMacroLibraryFile(gaps));
    EXPECT_EQ(MacroLibraryCount(compact), 3);
    EXPECT_EQ(compact[2], gaps[99]);
    EXPECT_EQ(ReadMacroLibraryFile({}), PcMacroLibrary{});
}

TEST(MacroFilesTest, DriverFilesHoldWholeRecordsOnly)
{
    const DriverMacroLibrary library{DriverNamed(u"One", 0x11), DriverNamed(u"Two", 0x22)};
    auto file = WriteDriverMacroFile(library);
    ASSERT_EQ(file.size(), 4096u);
    EXPECT_EQ(ReadDriverMacroFile(file), library);
    file.pop_back();
    ASSERT_EQ(ReadDriverMacroFile(file).size(), 1u);
    EXPECT_EQ(ReadDriverMacroFile(file)[0], library[0]);
    EXPECT_TRUE(ReadDriverMacroFile(std::vector<uint8_t>(2047)).empty());
}

TEST(MacroFilesTest, SingleMacroExportAndImport)
{
    const MacroRecord record = Named(u"Burst");
    const auto file = WriteSingleMacroFile(record);
    EXPECT_EQ(file.size(), 256u);
    EXPECT_EQ(WriteSingleDriverMacroFile(DriverNamed(u"D", 1)).size(), 2048u);

    PcMacroLibrary library{};
    library[0] = Named(u"One");
    const MacroImportResult ok = ImportOneMacro(library, file);
    EXPECT_EQ(ok.status, MacroImportStatus::Imported);
    EXPECT_EQ(ok.row, 1);
    EXPECT_EQ(library[1], record);

    const PcMacroLibrary before = library;
    EXPECT_EQ(ImportOneMacro(library, file).status, MacroImportStatus::Duplicate);
    EXPECT_EQ(ImportOneMacro(library, std::vector<uint8_t>(256)).status, MacroImportStatus::NoName);
    EXPECT_EQ(library, before);

    // A short file gives a record whose missing bytes are zero; a longer one is read only as
    // far as one record.
    auto shortFile = file;
    shortFile.resize(40);
    auto longFile = WriteSingleMacroFile(Named(u"Long"));
    longFile.resize(1000, 0xAB);
    EXPECT_EQ(ImportOneMacro(library, shortFile).status, MacroImportStatus::Duplicate);
    EXPECT_EQ(ImportOneMacro(library, longFile).row, 2);
    EXPECT_EQ(library[2], Named(u"Long"));

    PcMacroLibrary full{};
    for (int i = 0; i < 99; ++i)
        full[size_t(i)] = Named(u"M" + std::u16string(1, char16_t(0x100 + i)));
    EXPECT_EQ(ImportOneMacro(full, WriteSingleMacroFile(Named(u"New"))).status,
              MacroImportStatus::LibraryFull);

    DriverMacroLibrary drivers{DriverNamed(u"One", 1)};
    EXPECT_EQ(ImportOneDriverMacro(drivers, WriteSingleDriverMacroFile(DriverNamed(u"Two", 2))).row, 1);
    EXPECT_EQ(ImportOneDriverMacro(drivers, WriteSingleDriverMacroFile(DriverNamed(u"One", 3))).status,
              MacroImportStatus::Duplicate);
    EXPECT_EQ(drivers.size(), 2u);
}

TEST(MacroFilesTest, DeletingMovesLaterRowsUp)
{
    PcMacroLibrary library{};
    library[0] = Named(u"A");
    library[1] = Named(u"B");
    library[2] = Named(u"C");
    library[99] = Named(u"Z");
    RemoveMacroRecord(library, 1);
    EXPECT_EQ(library[1], Named(u"C"));
    EXPECT_EQ(library[98], Named(u"Z"));
    EXPECT_EQ(library[99], MacroRecord{});
    EXPECT_EQ(FindMacroByName(library, MacroNameFromUtf16(u"C")), 1);
    EXPECT_EQ(FindMacroByName(library, MacroName{}), std::nullopt);
}

TEST(MacroFilesTest, AssignedDriverMacrosFollowTheLibrary)
{
    const DriverMacroLibrary library{DriverNamed(u"One", 0x11), DriverNamed(u"Two", 0x22)};
    std::vector<DriverMacroRecord> assigned{DriverNamed(u"Two", 0x00), DriverNamed(u"Gone", 0x33)};
    EXPECT_EQ(RefreshDriverWriteMacro(assigned, library), 1);
    EXPECT_EQ(assigned[0], library[1]);
    EXPECT_EQ(assigned[1], DriverNamed(u"Gone", 0x33));
}

TEST(MacroFilesTest, PathsAndExportNames)
{
    EXPECT_EQ(MacroFilePath("", "/opt/tarq/", kMacroFileName), "/opt/tarq/Macro.bin");
    EXPECT_EQ(MacroFilePath("D:\\Macros\\", "C:\\App\\", kDriverMacroFileName),
              "D:\\Macros\\Driver_Macro.bin");
    // The key's folder is joined without a separator, as the key's comment asks for one.
    EXPECT_EQ(MacroFilePath("C:\\Macros", "C:\\App\\", kMacroFileName), "C:\\MacrosMacro.bin");
    EXPECT_EQ(ExportFileName("burst"), "burst.bin");
    EXPECT_EQ(ExportFileName("burst.BIN"), "burst.BIN");
    EXPECT_EQ(ExportFileName("bin"), "bin.bin");
}

TEST(MacroFilesTest, BaseMacroFileFillsTheFirstFourPages)
{
    std::array<uint8_t, kDeviceImageSize> image{};
    image.fill(0x77);
    std::vector<uint8_t> file(1100, 0x01);
    EXPECT_EQ(ApplyBaseMacroFile(file, image), 1024u);
    EXPECT_EQ(image[0x0FF], 0x77);
    EXPECT_EQ(image[0x100], 0x01);
    EXPECT_EQ(image[0x4FF], 0x01);
    EXPECT_EQ(image[0x500], 0x77);

    EXPECT_EQ(ApplyBaseMacroFile(std::vector<uint8_t>(10, 0x02), image), 10u);
    EXPECT_EQ(image[0x109], 0x02);
    EXPECT_EQ(image[0x10A], 0x01);
}

} // namespace
} // namespace tarq

namespace tarq {
namespace {

// What "Import All" takes as a library, and what it refuses before anything is replaced.
TEST(MacroFilesTest, ImportAllTakesOnlyALibrary)
{
    auto pcFile = [](std::initializer_list<MacroRecord> records) {
        PcMacroLibrary library{};
        std::copy(records.begin(), records.end(), library.begin());
        return WriteMacroLibraryFile(library);
    };
    DriverMacroRecord driverMacro{MacroNameFromUtf16(u"Drv"), {}};
    const uint8_t driverBody[] = {0x00, 0x00, 0x05, 0xA1, 0xFE, 0x03, 0x21, 0xFD};
    std::copy(std::begin(driverBody), std::end(driverBody), driverMacro.body.begin());
    DriverMacroRecord badDriver = driverMacro;
    badDriver.body[7] ^= 1;
    MacroRecord badChecksum = Named(u"Bad");
    badChecksum.body[6] ^= 1;
    MacroRecord badLength = Named(u"Long");
    badLength.body[1] = 0xF0;
    MacroRecord nameless = Named(u"");
    std::vector<uint8_t> profile(2048);
    for (size_t i = 0; i < profile.size(); ++i)
        profile[i] = uint8_t(i * 37 + 11);

    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        size_t recordSize;
        int damaged;
        bool noName;
    };
    const Case cases[] = {
        {"a library", pcFile({Named(u"One"), Named(u"Two")}), kMacroRecordSize, -1, false},
        {"a named macro with nothing recorded", pcFile({MacroRecord{MacroNameFromUtf16(u"New"), {}}}), kMacroRecordSize, -1, false},
        {"an empty library", pcFile({}), kMacroRecordSize, -1, true},
        {"a bad checksum", pcFile({Named(u"One"), badChecksum}), kMacroRecordSize, 1, false},
        {"a length past the body", pcFile({badLength}), kMacroRecordSize, 0, false},
        {"a body without a name", pcFile({Named(u"One"), Named(u"Two"), nameless}), kMacroRecordSize, 2, false},
        {"a profile chosen by mistake", profile, kMacroRecordSize, 0, false},
        {"a driver library", WriteDriverMacroFile({driverMacro, driverMacro}), kDriverMacroRecordSize, -1, false},
        {"a driver record with a bad checksum", WriteDriverMacroFile({driverMacro, badDriver}), kDriverMacroRecordSize, 1, false},
        {"a profile as a driver library", profile, kDriverMacroRecordSize, 0, false},
    };
    for (const Case& c : cases) {
        const LibraryFileCheck check = CheckMacroLibraryFile(c.file, c.recordSize);
        EXPECT_EQ(check.damagedRecord, c.damaged) << c.name;
        EXPECT_EQ(check.noNamedRecord, c.noName) << c.name;
        EXPECT_EQ(check.ok(), c.damaged < 0 && !c.noName) << c.name;
    }
}

} // namespace
} // namespace tarq
