// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ConfigImage.h"
#include "config/DefaultImages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarq {
namespace {

std::vector<uint8_t> Hex(const std::string& text)
{
    std::vector<uint8_t> out;
    std::string digits;
    for (char c : text)
        if (std::isxdigit(static_cast<unsigned char>(c)))
            digits += c;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        out.push_back(static_cast<uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return out;
}

std::vector<uint8_t> At(const DeviceImage& image, size_t address, size_t length)
{
    return {image.begin() + address, image.begin() + address + length};
}

// Every byte of the first 256, written block by block as the layout tables give them.
TEST(DefaultImages, HoldEveryByteOfTheTables)
{
    const std::string profile = "010100 010400 010200 010800 011000 050000 070000 080000 0600F0";
    const struct {
        size_t address;
        std::string bytes;
    } rows[] = {
        {0x000, "45 F8 06 38 FF 00  01 04 06 07 09 0A 07  01 04 03 00 02 05 06 FF 00 7F FF FF FF"
                "00 FF 00 FF 00 FF 00 00 FF FF 00 00 00 FF FF FF FF 00 FF FF FF  70"},
        {0x030, "01 FE 42 BD 00 FF FF FF"},
        {0x038, "FF FF FF FF FE FF FF FF"},
        {0x040, profile + profile + "06"},
        {0x077, "FF FE FF FF FF FF FF FE 99"},
        {0x080, "0E0501 0E0519 0E0531 0E0549 0E0561 0E0579 0E0591 0E05A9 0E05C1 0E05D9"},
        {0x09E, "FF FF FF FF FF FF FF FF FF FF FE FF FF FF FF FF FD FF"},
        {0x0B0, "00FF 00FF 00FF 00FF 00FF 00FF 00FF 00FF 00FF 00FF"},
        {0x0C4, "FF FF FE FF FF FF FF FF FD FF FF FF"},
        {0x0D0, "FF0000 00FF00 0000FF FFFF00 FF00FF 00FFFF FF8000 FF0080 00FF80 FFFFFF"},
        {0x0EE, "FF FF"},
        {0x0F0, "0A FD 02 A1 FE 03 21 FE 06 FC 96"},
        {0x0FB, "FF FD FF FF FF"},
    };
    size_t covered = 0;
    for (const auto& row : rows) {
        const auto want = Hex(row.bytes);
        EXPECT_EQ(At(DefaultImage(1), row.address, want.size()), want)
            << "at 0x" << std::hex << row.address;
        covered += want.size();
    }
    EXPECT_EQ(covered, 0x100u);
    EXPECT_EQ(At(DefaultImage(1), 0x100, 0x700), std::vector<uint8_t>(0x700, 0x00));
}

TEST(DefaultImages, ThreeIdenticalImagesWithValidChecksums)
{
    for (int n = 1; n <= kDefaultImageCount; ++n) {
        EXPECT_EQ(DefaultImage(n), DefaultImage(1));
        EXPECT_EQ(DefaultImageResourceName(n), "TARQ54XData_Cfg" + std::to_string(n));
        DataBuf buf{};
        EXPECT_TRUE(ImageToDataBuf(DefaultImage(n), buf).AllKept());
    }
}

TEST(DefaultImages, EmptyMacroLibraryIsAllZero)
{
    const auto library = EmptyMacroLibrary();
    EXPECT_EQ(library.size(), 27200u);
    EXPECT_EQ(std::count(library.begin(), library.end(), 0), 27200);
    EXPECT_EQ(kEmptyMacroLibraryResourceName, "PCMacroData");
}

} // namespace
} // namespace tarq
