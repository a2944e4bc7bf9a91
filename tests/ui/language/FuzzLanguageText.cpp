// SPDX-License-Identifier: GPL-2.0-or-later
// Feeds arbitrary bytes to the language-text reader and to FindStrId: neither may crash, read
// past the input or hand out malformed UTF-8.
#include "language/LanguageText.h"

#include <cstdlib>
#include <span>

namespace {

bool IsWellFormedUtf8(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const size_t length = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || i + length > s.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    const int language = size > 0 ? 1 + data[0] % 3 : 1;
    const tarq::LanguageTexts texts = tarq::ReadLanguageText(bytes, language);
    if (!IsWellFormedUtf8(texts.fontName) || !IsWellFormedUtf8(texts.title))
        std::abort();
    for (const auto& [id, text] : texts.strings) {
        if (id < 0 || id > tarq::kMaxStrId || !IsWellFormedUtf8(text))
            std::abort();
        tarq::FindStrId(text, std::span(&texts, 1));
    }
    return 0;
}
