// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/KeyCodeNames.h"

#include "settings/FixedKeyCodes.h"
#include "settings/HidUsageNames.h"

#include <algorithm>

namespace tarq {

namespace {

bool IsAimText(std::string_view codeText)
{
    return codeText.size() >= 2 && codeText[0] == '0' && (codeText[1] == 'A' || codeText[1] == 'a');
}

std::optional<int> FixedNameId(const KeyCode& code)
{
    for (const FixedKeyCode& fixed : kFixedKeyCodes) {
        if (fixed.tag != kAimTag && fixed.code == code)
            return fixed.strId;
    }
    return std::nullopt;
}

std::string FireMacroCodeName(const KeyCode& code, const KeyCodeNameSource& source)
{
    if (const std::optional<GunKeyCodes> list = source.LoadedGunKeyList()) {
        // Numbered by the first entry of the list that holds the code.
        const auto it = std::find(list->begin(), list->end(), code);
        return it == list->end() ? std::string{} : FireMacroName(static_cast<int>(it - list->begin()) + 1);
    }
    for (const FixedFireMacroName& fixed : kFixedFireMacroNames) {
        if (fixed.code == code)
            return source.LanguageText(fixed.strId);
    }
    return {};
}

} // namespace

std::string FireMacroName(int number)
{
    return "Fire Macro" + std::to_string(number);
}

std::string KeyCombinationName(uint8_t modifiers, uint8_t usage)
{
    std::string name;
    if (modifiers & modifier::kCtrl)
        name += "Ctrl+";
    if (modifiers & modifier::kShift)
        name += "Shift+";
    if (modifiers & modifier::kAlt)
        name += "Alt+";
    if (modifiers & modifier::kWin)
        name += "Win+";
    if (usage != 0)
        name += HidUsageToKeyName(usage);
    return name;
}

std::string KeyCodeToName(std::string_view codeText, const KeyCodeNameSource& source)
{
    // No fixed code has type 0x0A, so testing the fixed codes before or after the AIM type
    // gives the same names.
    const std::optional<KeyCode> code = ParseKeyCode(codeText);
    if (code) {
        if (const std::optional<int> strId = FixedNameId(*code))
            return source.LanguageText(*strId);
    }
    if (IsAimText(codeText))
        return source.LanguageText(kAimStrId);
    if (!code)
        return {};

    switch (static_cast<KeyCodeType>(code->type)) {
    case KeyCodeType::Keyboard:
        return KeyCombinationName(code->data1, code->data2);
    case KeyCodeType::Macro:
    case KeyCodeType::MacroUntilRelease:
        return source.MacroNameAt(code->Data16());
    case KeyCodeType::FireMacro:
        return FireMacroCodeName(*code, source);
    default:
        return {};
    }
}

} // namespace tarq
