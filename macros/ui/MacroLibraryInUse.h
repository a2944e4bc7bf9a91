// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro library the macro page edits, whichever it is: the PC library's rows
// (MacroLibraries::PcMacros, "Macro.bin") or the driver library's records
// (MacroLibraries::DriverMacros, "Driver_Macro.bin"). The configuration's home hands out the one
// it keeps (ConfigurationHome::LibraryInUse) over the form's libraries, for one use, so the page
// works on the one library that MacroLibraryStore loads and saves and never asks which it is.

#include "macros/MacroBody.h"
#include "macros/MacroLibrary.h"
#include "macros/MacroName.h"
#include "macros/MacroScript.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tarq {

class MacroLibraryInUse {
public:
    virtual ~MacroLibraryInUse() = default;

    // Present macros: the PC library's rows up to its first empty one, or the driver list's length.
    virtual int Count() const = 0;
    virtual const MacroName& NameBytes(int row) const = 0;
    virtual void SetName(int row, const MacroName& name) = 0;
    QString Name(int row) const
    {
        const std::u16string text = MacroNameToUtf16(NameBytes(row));
        return QString::fromUtf16(text.data(), qsizetype(text.size()));
    }
    // A new macro with this name and an empty body after the last one (the caller checked
    // that the library has room).
    virtual void Append(const MacroName& name) = 0;
    // The macro of `row` goes; the ones after it move up.
    virtual void Remove(int row) = 0;

    // Byte 0 of the body: the release mode, outside the checksum.
    virtual uint8_t ModeByte(int row) const = 0;
    virtual void SetModeByte(int row, uint8_t mode) = 0;
    virtual void ClearBody(int row) = 0;
    // The events the body holds; nothing when its length field is not valid.
    virtual std::optional<size_t> EventCount(int row) const = 0;
    // The script built into the body of `row`, which keeps it only when it fits.
    virtual MacroBuildResult Build(int row, const MacroScript& script, ReleaseMode mode) = 0;
    // The body of `row` as a script with its hex dump; nothing when the body is empty.
    struct Shown {
        LoadedMacroScript macro;
        std::string hexDump;
    };
    virtual std::optional<Shown> Load(int row) const = 0;
};

std::unique_ptr<MacroLibraryInUse> PcLibraryInUse(PcMacroLibrary& library);
std::unique_ptr<MacroLibraryInUse> DriverLibraryInUse(DriverMacroLibrary& library);

} // namespace tarq
