// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Display names of key-function codes in the current language. The texts and the macro names
// come from the caller through KeyCodeNameSource, so this stays free of any user interface.

#include "settings/KeyCode.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarq {

inline constexpr size_t kGunKeyListSize = 10;
using GunKeyCodes = std::array<KeyCode, kGunKeyListSize>;

// What a name may need from the program's state. Every call asks again, so a change of
// language, mode or macro name shows at the next call.
class KeyCodeNameSource {
public:
    virtual ~KeyCodeNameSource() = default;

    // Text of language entry `strId` in the current language; empty when the entry is missing.
    virtual std::string LanguageText(int strId) const = 0;

    // Name of the macro that a macro code with this address plays (a base macro page's, or a
    // driver macro's, as the configuration in use keeps them: BaseMacroPageFromCode,
    // DriverMacroIndexAt); empty when the address plays none.
    virtual std::string MacroNameAt(uint16_t address) const = 0;

    // The ten fire macro codes of the loaded gun key list; nothing when none was loaded.
    virtual std::optional<GunKeyCodes> LoadedGunKeyList() const = 0;
};

// The name of a code text. Codes outside the tables give empty text, never an error:
// whole-code matches of the fixed codes, any "0A" code as AIM, then by type: key combinations
// ("Ctrl+Shift+A"), macro names by address, fire macro names.
std::string KeyCodeToName(std::string_view codeText, const KeyCodeNameSource& source);

// "Fire Macro3" for entry 3 of a loaded gun key list.
std::string FireMacroName(int number);

// "Ctrl+Shift+Alt+Win+" as the mask says, then the key name of the usage (none for 0).
std::string KeyCombinationName(uint8_t modifiers, uint8_t usage);

} // namespace tarq
