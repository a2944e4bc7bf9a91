// SPDX-License-Identifier: GPL-2.0-or-later
// Feeds arbitrary text to the code and name decoders that read stored or typed text: code
// text parsing, display names and hexadecimal UTF-16 names. Nothing may crash or overrun.
#include "macros/MacroPages.h"
#include "settings/KeyCodeNames.h"
#include "settings/UnicodeHex.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

class FuzzSource : public tarq::KeyCodeNameSource {
public:
    bool eeprom = true;
    std::string LanguageText(int strId) const override { return std::to_string(strId); }
    std::string MacroNameAt(uint16_t address) const override
    {
        if (eeprom) {
            const std::optional<int> page = tarq::BaseMacroPageFromCode(address);
            if (page && (*page < 1 || *page > 6))
                std::abort();
            return page ? "page" : "";
        }
        const std::optional<int> index = tarq::DriverMacroIndexAt(address);
        if (index && (*index < 0 || *index > 31))
            std::abort();
        return index && *index < 4 ? "driver" : "";
    }
    std::optional<tarq::GunKeyCodes> LoadedGunKeyList() const override { return std::nullopt; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    FuzzSource source;
    (void)tarq::KeyCodeToName(text, source);
    source.eeprom = false;
    (void)tarq::KeyCodeToName(text, source);

    const std::string decoded = tarq::UnicodeHexToStr(text);
    const std::u16string units = tarq::UnicodeHexToU16(text);
    // Hexadecimal of decoded units decodes to the same units (up to the first zero unit).
    const std::string again = tarq::StrToUnicodeHex(std::u16string_view(units));
    const std::u16string back = tarq::UnicodeHexToU16(again);
    if (back != units.substr(0, back.size()))
        std::abort();
    (void)tarq::StrToUnicodeHex(text);
    return 0;
}
