// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/ui/ConfigurationHome.h"

#include "macros/MacroBody.h"
#include "macros/MacroEdits.h"
#include "macros/MacroFiles.h"
#include "macros/MacroRecorder.h"
#include "ui/state/MacroLibraries.h"

namespace tarq {

namespace {

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// The mouse's memory holds the configuration.
class EepromHome final : public ConfigurationHome {
public:
    // ---- transfers ----

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

    // ---- fire data ----

    // ---- settings and pages ----
};

// The companion driver holds the configuration.
class DriverHome final : public ConfigurationHome {
public:
    // ---- transfers ----

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

    // ---- fire data ----

    // ---- settings and pages ----
};

} // namespace

std::unique_ptr<ConfigurationHome> MakeConfigurationHome(ConfigurationMode mode)
{
    if (mode == ConfigurationMode::Driver)
        return std::make_unique<DriverHome>();
    return std::make_unique<EepromHome>();
}

} // namespace tarq
