// SPDX-License-Identifier: GPL-2.0-or-later
// Build step: turns a language text kept as UTF-8 in the source tree into the form the program
// carries, UTF-16LE with the byte-order mark FF FE.
//
//   tarq_make_language_resource <input.txt> <output>
//
// Stops with a message naming the line when the input is not valid UTF-8, so a badly saved
// file fails the build instead of shipping broken captions.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

void Put16(std::string& out, uint32_t unit)
{
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <input.txt> <output>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    std::string out = "\xFF\xFE";
    int line = 1;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<uint8_t>(text[i]);
        const size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
        uint32_t cp = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length != 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<uint8_t>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        constexpr uint32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && cp >= kMinimum[length] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (!valid) {
            std::cerr << argv[1] << ":" << line << ": not valid UTF-8\n";
            return 1;
        }
        if (cp == '\n')
            ++line;
        if (cp >= 0x10000) {
            Put16(out, 0xD800 + ((cp - 0x10000) >> 10));
            Put16(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            Put16(out, cp);
        }
        i += length;
    }

    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
