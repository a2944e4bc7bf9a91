// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/ui/ConfigurationHome.h"

#include <algorithm>
#include <array>

#include "config/ImageLayout.h"
#include "device/DriverChannel.h"
#include "macros/MacroBody.h"
#include "macros/MacroEdits.h"
#include "macros/MacroFiles.h"
#include "macros/MacroLibrary.h"
#include "macros/MacroPages.h"
#include "macros/MacroRecorder.h"
#include "macros/ui/MacroLibraryInUse.h"
#include "settings/KeyCode.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"

namespace tarq {

namespace {

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

QString NameText(const MacroName& name) { return QString::fromStdU16String(MacroNameToUtf16(name)); }

// The name at the start of a stored record (a base macro page, an assigned driver record).
std::string RecordName(std::span<const uint8_t> record)
{
    MacroName name{};
    std::copy_n(record.begin(), std::min(record.size(), name.size()), name.begin());
    return NameText(name).toStdString();
}

// A base macro page of the image areas as a macro record, and back.
MacroRecord PageRecord(const std::array<uint8_t, layout::kBaseMacroPageSize>& page)
{
    MacroRecord record;
    std::copy_n(page.begin(), record.name.size(), record.name.begin());
    std::copy_n(page.begin() + record.name.size(), record.body.size(), record.body.begin());
    return record;
}

void WritePage(const MacroRecord& record, std::array<uint8_t, layout::kBaseMacroPageSize>& page)
{
    std::copy(record.name.begin(), record.name.end(), page.begin());
    std::copy(record.body.begin(), record.body.end(), page.begin() + record.name.size());
}

// The assigned driver record of a library macro, found by its name; the count of records when
// it has none yet.
size_t AssignedRecordOf(const std::vector<std::vector<uint8_t>>& assigned, const MacroName& name)
{
    size_t j = 0;
    for (; j < assigned.size(); ++j)
        if (assigned[j].size() >= kMacroNameSize && std::equal(name.begin(), name.end(), assigned[j].begin()))
            break;
    return j;
}

// The mouse's memory holds the configuration.
class EepromHome final : public ConfigurationHome {
public:
    // ---- transfers ----
    void Read(Transfers& steps) const override { steps.ReadMouseDevInfo(); }
    bool Apply(Transfers& steps) const override { return steps.DownloadParameter(); }
    // Every reset takes a file of the numbered image (the built-in image when it is missing).
    void Reset(Transfers& steps, int number) const override
    {
        steps.TLDefaultParameter(QStringLiteral("TARQ54xData_Cfg%1.bin").arg(number == 0 ? 1 : number));
    }
    bool SaveProfile(Transfers& steps, const QString& target, QString* error) const override
    {
        return steps.SaveImageProfile(target, error);
    }
    void LoadProfile(Transfers& steps, const QByteArray& file, const QString& chosen) const override
    {
        steps.LoadImageProfile(file, chosen);
    }
    qint64 ProfileReadLimit() const override { return kDeviceImageSize; }
    qint64 ProfileShortest() const override { return kDeviceImageSize; }

    // ---- macro library ----
    QString LibraryFileName() const override { return Latin1(kMacroFileName); }
    qint64 LibraryFileMaxBytes() const override { return qint64(kMacroFileSize); }
    size_t MacroRecordSize() const override { return kMacroRecordSize; }
    size_t MacroImportLimit() const override { return size_t(kPcMacroImportLimit); }
    bool ScriptFits(const MacroScript& script) const override { return CheckScriptFits(script, false) == ScriptFit::Fits; }
    int RecordingCapacity() const override { return recording_capacity::kEeprom; }
    int BodyEventLimit() const override { return int(macro_body::kMaxEvents); }
    std::vector<uint8_t> WriteLibrary(const MacroLibraries& l) const override { return WriteMacroLibraryFile(l.PcMacros); }
    void ReadLibrary(MacroLibraries& l, std::span<const uint8_t> file) const override { l.PcMacros = ReadMacroLibraryFile(file); }
    std::vector<uint8_t> WriteOneMacro(const MacroLibraries& l, int row) const override
    {
        return WriteSingleMacroFile(l.PcMacros[size_t(row)]);
    }
    MacroImportResult ImportMacro(MacroLibraries& l, std::span<const uint8_t> file) const override
    {
        return ImportOneMacro(l.PcMacros, file);
    }
    std::unique_ptr<MacroLibraryInUse> LibraryInUse(MacroLibraries& l) const override { return PcLibraryInUse(l.PcMacros); }
    void LoadLibrary(LibraryFiles& files) const override { files.LoadPcLibrary(); }
    bool SaveLibrary(LibraryFiles& files) const override { return files.RefreshPCMacro(); }
    // A base macro page that a button plays keeps the copy placed there.
    bool ButtonKeepsCopy(const MacroName& name, bool, const ConfigurationState& config) const override
    {
        std::vector<std::string> codes(config.OfficeKeyCodes.begin(), config.OfficeKeyCodes.end());
        codes.insert(codes.end(), config.GameKeyCodes.begin(), config.GameKeyCodes.end());
        std::array<MacroName, kBaseMacroPageCount> pageNames{};
        for (size_t p = 0; p < pageNames.size(); ++p)
            std::copy_n(config.MacroAreas.basePages[p].begin(), kMacroNameSize, pageNames[p].begin());
        return PlayedPagesNamed(codes, pageNames, name).any();
    }
    std::string MacroNameAt(uint16_t address, const ConfigurationState& config) const override
    {
        const std::optional<int> page = BaseMacroPageFromCode(address);
        return page ? RecordName(config.MacroAreas.basePages[size_t(*page - 1)]) : std::string{};
    }

    // ---- fire data ----
    void WriteFireData(const std::function<void()>& writeToMouse) const override { writeToMouse(); }

    // ---- settings and pages ----
    LedType LedTypeShown(std::optional<LedType>, LedType inImage) const override { return inImage; }
    CarriedLighting LightingCarried() const override { return {}; }

    // A base macro page of the mouse's memory: a free one, or one that holds a macro of the
    // same name.
    MacroPlacement PlaceLibraryMacro(const MacroTarget& target, const ConfigurationState& config,
                                     const MacroLibraries& libraries) const override
    {
        MacroPlacement place;
        if (target.row < 0 || target.row >= kPcMacroLibraryRows)
            return place;
        const MacroRecord& macro = libraries.PcMacros[size_t(target.row)];
        if (MacroNameIsEmpty(macro.name))
            return place;

        BaseMacroPages pages;
        for (int p = 0; p < kBaseMacroPageCount; ++p)
            pages[size_t(p)] = PageRecord(config.MacroAreas.basePages[size_t(p)]);
        const auto names = BaseMacroPageNames(pages);
        const std::vector<std::string>& codes = target.codesWithTargetFree;
        const std::optional<int> page = target.fromEngineerPage ? FindBaseMacroIndex(codes, names, macro.name)
                                                                : FindBaseMacroCount(codes, names, macro.name);
        if (!page) {
            place.outcome = MacroPlacement::Outcome::NoRoom;
            return place;
        }
        const size_t index = size_t(*page - 1);
        place.outcome = MacroPlacement::Outcome::Placed;
        place.name = NameText(macro.name);
        place.code = MacroKeyCode(*page, macro.body[macro_body::kModeOffset]);
        place.slot = int(index);
        place.slotCount = kBaseMacroPageCount;
        // A page reused for its name may hold another macro of that name that other buttons play.
        place.replacesPlayedCopy = BaseMacroPagesInUse(codes)[index] && pages[index].name == macro.name
                                   && pages[index].body != macro.body;
        return place;
    }

    void KeepPlacedMacro(const MacroPlacement& placement, int row, ConfigurationState& config,
                         const MacroLibraries& libraries) const override
    {
        WritePage(libraries.PcMacros[size_t(row)], config.MacroAreas.basePages[size_t(placement.slot)]);
    }
};

// The companion driver holds the configuration.
class DriverHome final : public ConfigurationHome {
public:
    // ---- transfers ----
    void Read(Transfers& steps) const override { steps.ReadDriverDevInfo(); }
    bool Apply(Transfers& steps) const override
    {
        steps.DownloadDriverParameter();
        return true;
    }
    // The engineer page's Default takes the driver's factory store.
    void Reset(Transfers& steps, int number) const override
    {
        steps.TLDefaultDriverParameter(number == 0 ? QStringLiteral("default_config1.bin")
                                                   : QStringLiteral("Driver_TARQ54xData_Cfg%1.bin").arg(number));
    }
    bool SaveProfile(Transfers& steps, const QString& target, QString* error) const override
    {
        return steps.SaveDriverProfile(target, error);
    }
    void LoadProfile(Transfers& steps, const QByteArray& file, const QString&) const override
    {
        steps.LoadDriverProfile(file);
    }
    qint64 ProfileReadLimit() const override { return store::kResetFileSize; }
    qint64 ProfileShortest() const override { return store::kProfileFileSize; }

    // ---- macro library ----
    QString LibraryFileName() const override { return Latin1(kDriverMacroFileName); }
    // A driver library of as many records as an import takes.
    qint64 LibraryFileMaxBytes() const override { return qint64(kDriverMacroImportLimit) * qint64(kDriverMacroRecordSize); }
    size_t MacroRecordSize() const override { return kDriverMacroRecordSize; }
    size_t MacroImportLimit() const override { return kDriverMacroImportLimit; }
    bool ScriptFits(const MacroScript& script) const override { return CheckScriptFits(script, true) == ScriptFit::Fits; }
    int RecordingCapacity() const override { return recording_capacity::kDriver; }
    int BodyEventLimit() const override { return int(driver_macro_body::kMaxEvents); }
    std::vector<uint8_t> WriteLibrary(const MacroLibraries& l) const override { return WriteDriverMacroFile(l.DriverMacros); }
    void ReadLibrary(MacroLibraries& l, std::span<const uint8_t> file) const override { l.DriverMacros = ReadDriverMacroFile(file); }
    std::vector<uint8_t> WriteOneMacro(const MacroLibraries& l, int row) const override
    {
        return WriteSingleDriverMacroFile(l.DriverMacros[size_t(row)]);
    }
    MacroImportResult ImportMacro(MacroLibraries& l, std::span<const uint8_t> file) const override
    {
        return ImportOneDriverMacro(l.DriverMacros, file);
    }
    std::unique_ptr<MacroLibraryInUse> LibraryInUse(MacroLibraries& l) const override
    {
        return DriverLibraryInUse(l.DriverMacros);
    }
    void LoadLibrary(LibraryFiles& files) const override { files.LoadDriverLibrary(); }
    bool SaveLibrary(LibraryFiles& files) const override { return files.RefreshDriverPCMacro(); }
    bool ButtonKeepsCopy(const MacroName& name, bool renamedOrRemoved, const ConfigurationState& config) const override
    {
        return renamedOrRemoved && AssignedRecordOf(config.AssignedDriverMacros, name) < config.AssignedDriverMacros.size();
    }
    std::string MacroNameAt(uint16_t address, const ConfigurationState& config) const override
    {
        const std::optional<int> index = DriverMacroIndexAt(address);
        const auto& assigned = config.AssignedDriverMacros;
        return index && size_t(*index) < assigned.size() ? RecordName(assigned[size_t(*index)]) : std::string{};
    }

    // ---- fire data ----
    void WriteFireData(const std::function<void()>&) const override {}

    // ---- settings and pages ----
    // The driver's store does not override the type the mouse itself reports.
    LedType LedTypeShown(std::optional<LedType> reported, LedType inImage) const override
    {
        return reported.value_or(inImage);
    }
    // The driver carries the current DPI level and the LED record's mode, on/off and step, but
    // not the chords, the brightness, the key-mode memory or the LED count.
    CarriedLighting LightingCarried() const override { return {false, false, false, false}; }

    // ChangeProfile1StringForDriverMode: one assigned driver record per library macro, found by
    // its name, appended when there is none; the button plays it from its address.
    MacroPlacement PlaceLibraryMacro(const MacroTarget& target, const ConfigurationState& config,
                                     const MacroLibraries& libraries) const override
    {
        MacroPlacement place;
        if (target.row < 0 || target.row >= static_cast<int>(libraries.DriverMacros.size()))
            return place;
        const DriverMacroRecord& macro = libraries.DriverMacros[size_t(target.row)];
        const auto& assigned = config.AssignedDriverMacros;
        const size_t j = AssignedRecordOf(assigned, macro.name);
        // A record already assigned keeps its own release mode.
        const uint8_t release = j < assigned.size() ? assigned[j][kMacroNameSize + driver_macro_body::kModeOffset]
                                                    : macro.body[driver_macro_body::kModeOffset];
        place.outcome = MacroPlacement::Outcome::Placed;
        place.name = NameText(macro.name);
        place.code = KeyCodeText(MacroKeyCode(DriverMacroCodeAddress(int(j)), release == 1));
        place.slot = int(j);
        place.slotCount = int(j) + 1;
        return place;
    }

    void KeepPlacedMacro(const MacroPlacement& placement, int row, ConfigurationState& config,
                         const MacroLibraries& libraries) const override
    {
        auto& assigned = config.AssignedDriverMacros;
        if (placement.slot < static_cast<int>(assigned.size()))
            return;
        const DriverMacroRecord& macro = libraries.DriverMacros[size_t(row)];
        std::vector<uint8_t> record(kDriverMacroRecordSize);
        std::copy(macro.name.begin(), macro.name.end(), record.begin());
        std::copy(macro.body.begin(), macro.body.end(), record.begin() + kMacroNameSize);
        assigned.push_back(std::move(record));
    }
};

} // namespace

std::unique_ptr<ConfigurationHome> MakeConfigurationHome(ConfigurationMode mode)
{
    if (mode == ConfigurationMode::Driver)
        return std::make_unique<DriverHome>();
    return std::make_unique<EepromHome>();
}

} // namespace tarq
