// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/MacroLibraryInUse.h"

namespace tarq {

namespace {

// What both libraries' records share: a name, and a body whose byte `kModeOffset` is the
// release mode and which `kBuild` builds from a script.
template <class Records, size_t kModeOffset, auto kBuild>
class RecordsInUse : public MacroLibraryInUse {
public:
    explicit RecordsInUse(Records& records) : records_(records) {}

    const MacroName& NameBytes(int row) const override { return records_[size_t(row)].name; }
    void SetName(int row, const MacroName& name) override { records_[size_t(row)].name = name; }
    uint8_t ModeByte(int row) const override { return records_[size_t(row)].body[kModeOffset]; }
    void SetModeByte(int row, uint8_t mode) override { records_[size_t(row)].body[kModeOffset] = mode; }
    void ClearBody(int row) override { records_[size_t(row)].body = {}; }
    MacroBuildResult Build(int row, const MacroScript& script, ReleaseMode mode) override
    {
        auto built = kBuild(script, mode);
        if (built.ok())
            records_[size_t(row)].body = built.body;
        return built;
    }

protected:
    Records& records_;
};

// The 100 rows of Macro.bin: 224-byte bodies, the first empty name ends the library.
class PcLibrary final : public RecordsInUse<PcMacroLibrary, macro_body::kModeOffset, &BuildMacroBody> {
public:
    using RecordsInUse::RecordsInUse;

    int Count() const override { return MacroLibraryCount(records_); }
    void Append(const MacroName& name) override { records_[size_t(Count())].name = name; }
    void Remove(int row) override { RemoveMacroRecord(records_, row); }
    std::optional<size_t> EventCount(int row) const override { return MacroBodyEventCount(records_[size_t(row)].body); }
    std::optional<Shown> Load(int row) const override
    {
        const MacroBody& body = records_[size_t(row)].body;
        if (body[macro_body::kLengthOffset] == 0 || body[macro_body::kLengthOffset] == 0xFF)
            return std::nullopt;
        return Shown{LoadMacroScript(body), MacroBodyHexDump(body)};
    }
};

// The records of Driver_Macro.bin: 2016-byte bodies with a two-byte length, as many as there are.
class DriverLibrary final : public RecordsInUse<DriverMacroLibrary, driver_macro_body::kModeOffset, &BuildDriverMacroBody> {
public:
    using RecordsInUse::RecordsInUse;

    int Count() const override { return int(records_.size()); }
    void Append(const MacroName& name) override
    {
        DriverMacroRecord record{};
        record.name = name;
        records_.push_back(record);
    }
    void Remove(int row) override { records_.erase(records_.begin() + row); }
    std::optional<size_t> EventCount(int row) const override
    {
        return DriverMacroBodyEventCount(records_[size_t(row)].body);
    }
    std::optional<Shown> Load(int row) const override
    {
        const DriverMacroBody& body = records_[size_t(row)].body;
        const uint8_t hi = body[driver_macro_body::kLengthHighOffset];
        const uint8_t lo = body[driver_macro_body::kLengthLowOffset];
        if ((hi == 0 && lo == 0) || (hi == 0xFF && lo == 0xFF))
            return std::nullopt;
        return Shown{LoadDriverMacroScript(body), DriverMacroBodyHexDump(body)};
    }
};

} // namespace

std::unique_ptr<MacroLibraryInUse> PcLibraryInUse(PcMacroLibrary& library) { return std::make_unique<PcLibrary>(library); }

std::unique_ptr<MacroLibraryInUse> DriverLibraryInUse(DriverMacroLibrary& library)
{
    return std::make_unique<DriverLibrary>(library);
}

} // namespace tarq
