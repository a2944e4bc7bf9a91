// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/MacroPages.h"
#include "tests/macros/TestHex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarq {
namespace {

using test::Filled;

// Key-function codes of both profiles that play the given pages, padded with other codes.
std::vector<std::string> CodesUsing(std::initializer_list<int> pages)
{
    std::vector<std::string> codes(18, "010100");
    size_t i = 0;
    for (int p : pages) {
        codes[i] = MacroKeyCode(p, uint8_t(i % 2));   // both code types count
        ++i;
    }
    return codes;
}

std::array<MacroName, kBaseMacroPageCount> PageNames()
{
    std::array<MacroName, kBaseMacroPageCount> names{};
    for (int p = 0; p < kBaseMacroPageCount; ++p)
        names[size_t(p)] = MacroNameFromUtf16(u"Page" + std::u16string(1, char16_t(u'1' + p)));
    return names;
}

TEST(MacroPagesTest, PageCodesAndKeyCodes)
{
    const std::vector<uint16_t> codes{0x0121, 0x0221, 0x0321, 0x0421, 0x0621, 0x0721};
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(BaseMacroPageCode(p), codes[size_t(p - 1)]);
        EXPECT_EQ(BaseMacroPageFromCode(codes[size_t(p - 1)]), p);
    }
    EXPECT_EQ(BaseMacroPageFromCode(0x0521), std::nullopt);   // the fire macro area
    EXPECT_EQ(MacroKeyCode(3, 1), "0E0321");
    EXPECT_EQ(MacroKeyCode(6, 0), "060721");
    EXPECT_EQ(MacroCodeType(0xFF), 0x06);
}

TEST(MacroPagesTest, CountsPagesFromBothCodeTypes)
{
    const std::vector<std::string> codes{"0E0321", "060121", "0e0221", "070421", "0600F0",
                                         "0E0521", "000000", "06072", "0607211"};
    EXPECT_EQ(BaseMacroPagesInUse(codes).to_string(), "000111");
}

struct PageChoice {
    std::vector<int> used;
    int namedPage;                 // the page whose name the macro shares, 0 for none
    std::optional<int> sixPages;   // FindBaseMacroCount
    std::optional<int> fourPages;  // FindBaseMacroIndex
};

class PageChoiceTest : public ::testing::TestWithParam<PageChoice> {};

TEST_P(PageChoiceTest, ChoosesThePage)
{
    const PageChoice& c = GetParam();
    std::vector<std::string> codes(18, "010100");
    for (size_t i = 0; i < c.used.size(); ++i)
        codes[i] = MacroKeyCode(c.used[i], uint8_t(i % 2));
    codes[17] = "000000";   // the button being assigned
    const auto names = PageNames();
    const MacroName name = c.namedPage ? names[size_t(c.namedPage - 1)] : MacroNameFromUtf16(u"New");
    EXPECT_EQ(FindBaseMacroCount(codes, names, name), c.sixPages);
    EXPECT_EQ(FindBaseMacroIndex(codes, names, name), c.fourPages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageChoiceTest,
    ::testing::Values(
        PageChoice{{}, 0, 1, 1},
        PageChoice{{1, 2, 4}, 0, 3, 3},                  // the gap before a used page
        PageChoice{{1, 2, 3, 4, 5, 6}, 0, std::nullopt, std::nullopt},
        PageChoice{{1, 2, 3, 4, 5, 6}, 5, 5, std::nullopt},   // the name reuses page 5
        PageChoice{{1, 2, 3, 4}, 2, 2, 2},
        PageChoice{{1, 2}, 6, 6, 3},                     // a free page of the same name
        PageChoice{{1, 1, 2}, 0, 3, 3},
        PageChoice{{3}, 0, 1, 4},
        PageChoice{{2, 3, 4, 5, 6}, 0, 1, 1},
        PageChoice{{1, 3, 5}, 0, 2, 2},
        PageChoice{{1, 2, 3, 5}, 0, 4, 4},
        PageChoice{{1, 2, 3, 4, 6}, 0, 5, std::nullopt},
        PageChoice{{1, 6}, 0, 2, 2},                     // the page numbered by the count
        PageChoice{{1, 4, 5, 6}, 0, 2, 2},               // that page is used: the lowest free
        PageChoice{{5, 6}, 0, 2, 1}));                   // pages 5 and 6 do not count on four

TEST(MacroPagesTest, TwoPagesOfTheSameNameAreNoMatch)
{
    auto names = PageNames();
    names[3] = names[1];
    EXPECT_EQ(FindBaseMacroCount(CodesUsing({1, 2, 3, 4, 5, 6}), names, names[1]), std::nullopt);
    // An empty macro name never matches an empty page name.
    names[4] = MacroName{};
    EXPECT_EQ(FindBaseMacroCount(CodesUsing({1, 2}), names, MacroName{}), 3);
}

TEST(MacroPagesTest, UnpackClearsDamagedBodiesOfPagesOneToFour)
{
    std::array<uint8_t, kDeviceImageSize> image{};
    image.fill(0xEE);
    auto put = [&](int page, std::u16string_view name, const char* body) {
        MacroRecord record{MacroNameFromUtf16(name), Filled<MacroBody>(body)};
        std::copy(record.name.begin(), record.name.end(), image.begin() + BaseMacroPageAddress(page));
        std::copy(record.body.begin(), record.body.end(),
                  image.begin() + BaseMacroPageAddress(page) + kMacroNameSize);
    };
    put(1, u"Good", "00 05 A1 FE 03 21 92");
    put(2, u"OffByOne", "00 05 A1 FE 03 21 93");
    put(3, u"Empty", "");
    put(4, u"Erased", "FF FF FF");
    put(5, u"Five", "00 05 A1 FE 03 21 93");   // pages 5 and 6 are taken as read
    put(6, u"Six", "01 02 FC 58");

    BaseMacroPages pages = UnpackBaseMacroPages(image);
    EXPECT_EQ(pages[0].body, Filled<MacroBody>("00 05 A1 FE 03 21 92"));
    EXPECT_EQ(pages[1].body, MacroBody{});
    EXPECT_EQ(MacroNameToUtf16(pages[1].name), u"OffByOne");
    EXPECT_EQ(pages[3].body, MacroBody{});
    EXPECT_EQ(pages[4].body, Filled<MacroBody>("00 05 A1 FE 03 21 93"));
    EXPECT_EQ(pages[5].body, Filled<MacroBody>("01 02 FC 58"));
    const BaseMacroPages checked = pages;
    CheckMacroContentBuf(pages);   // a cleared body stays cleared: a second check changes nothing
    EXPECT_EQ(pages, checked);

    // Packing writes the six records back and nothing else.
    std::array<uint8_t, kDeviceImageSize> packed{};
    packed.fill(0x11);
    PackBaseMacroPages(pages, packed);
    EXPECT_EQ(UnpackBaseMacroPages(packed), pages);
    EXPECT_EQ(packed[0x0FF], 0x11);
    EXPECT_EQ(packed[0x500], 0x11);
    EXPECT_EQ(packed[0x5FF], 0x11);
}

} // namespace
} // namespace tarq
