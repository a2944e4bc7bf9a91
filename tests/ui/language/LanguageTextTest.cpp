// SPDX-License-Identifier: GPL-2.0-or-later
#include "language/LanguageText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarq {
namespace {

// The bytes of a UTF-16LE text with its byte-order mark, as the language resources hold it.
std::vector<uint8_t> Utf16LeWithBom(std::u16string_view text)
{
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return bytes;
}

std::vector<uint8_t> Bytes(std::string_view text)
{
    return {text.begin(), text.end()};
}

struct SplitCase {
    const char* name;
    std::string_view text;
    std::vector<std::string> items;
};

TEST(SplitLanguageItems, QuotesSpacesAndLineBreaks)
{
    const SplitCase cases[] = {
        {"quoted items keep their spaces", R"("Str700=Press 'Middle Click' 3sec" "Str001=Apply")",
         {"Str700=Press 'Middle Click' 3sec", "Str001=Apply"}},
        {"a doubled quote stands for one", R"("Str001=Say ""Hi"" now")", {R"(Str001=Say "Hi" now)"}},
        {"a value that is only a quote", R"("Str002=""""")", {R"(Str002="")"}},
        {"spaces, tabs and line breaks separate", "a b\r\nc\td\n\n e", {"a", "b", "c", "d", "e"}},
        {"an unterminated quote takes the rest", "x \"abc def\r\nghi", {"x", "abc def\r\nghi"}},
        {"an empty quoted item stays an item", R"(a "" b)", {"a", "", "b"}},
        {"a quote inside an unquoted item is literal", R"(ab"cd ef)", {R"(ab"cd)", "ef"}},
        {"text after a closing quote starts a new item", R"("a b"c)", {"a b", "c"}},
        {"nothing but separators", " \r\n\t ", {}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(SplitLanguageItems(c.text), c.items) << c.name;
}

TEST(ReadLanguageText, ReadsUtf16WithTheByteOrderMarkAsUnicode)
{
    const auto bytes = Utf16LeWithBom(
        u"[lang2]\r\n"
        u"\"FontName=WenQuanYi Micro Hei\"\r\n"
        u"\"Title=USB 游戏鼠标\"\r\n"
        u"\"Str210=左键\"\r\n"
        u"\"Str401=停止\"\r\n"
        u"\"Str815=LED Mode Switch Enable（L+DPI)\"\r\n");
    const LanguageTexts texts = ReadLanguageText(bytes, 2);
    EXPECT_EQ(texts.fontName, "WenQuanYi Micro Hei");
    EXPECT_EQ(texts.title, "USB 游戏鼠标");
    EXPECT_EQ(texts.Str(210), "左键");
    EXPECT_EQ(texts.Str(401), "停止");
    EXPECT_EQ(texts.Str(815), "LED Mode Switch Enable（L+DPI)");
}

TEST(ReadLanguageText, MissingKeysReadAsEmptyText)
{
    const auto bytes = Utf16LeWithBom(u"[lang1] \"Str000=Confirm\" \"Str002=RESET\"");
    const LanguageTexts texts = ReadLanguageText(bytes, 1);
    EXPECT_EQ(texts.Str(0), "Confirm");
    EXPECT_EQ(texts.Str(1), "");
    EXPECT_FALSE(texts.Has(1));
    EXPECT_EQ(texts.Str(2), "RESET");
    EXPECT_EQ(texts.fontName, "");
    EXPECT_EQ(texts.title, "");
}

TEST(ReadLanguageText, OnlyTheLanguagesOwnSectionCounts)
{
    const auto bytes = Utf16LeWithBom(
        u"\"Str000=before any section\" "
        u"[lang1] \"Str000=One\" "
        u"[LANG2] \"Str000=Two\" \"str001 = Spaced\" \"STR001=second wins not\" "
        u"\";Str002=comment\" \"//heading\" \"Str0003=too long\" \"Strabc=x\" "
        u"[lang3] \"Str000=Three\"");
    EXPECT_EQ(ReadLanguageText(bytes, 1).Str(0), "One");
    const LanguageTexts two = ReadLanguageText(bytes, 2);
    EXPECT_EQ(two.Str(0), "Two");
    EXPECT_EQ(two.Str(1), "Spaced");
    EXPECT_FALSE(two.Has(2));
    EXPECT_EQ(two.strings.size(), 2u);
    EXPECT_EQ(ReadLanguageText(bytes, 3).Str(0), "Three");
    EXPECT_TRUE(ReadLanguageText(bytes, 4).strings.empty());
}

TEST(ReadLanguageText, TextWithoutByteOrderMarkIsUtf8)
{
    const LanguageTexts texts = ReadLanguageText(Bytes("[lang2]\n\"Str210=左键\"\n\"Title=Maus\""), 2);
    EXPECT_EQ(texts.Str(210), "左键");
    EXPECT_EQ(texts.title, "Maus");

    const LanguageTexts withUtf8Mark = ReadLanguageText(Bytes("\xEF\xBB\xBF[lang1] \"Str000=OK\""), 1);
    EXPECT_EQ(withUtf8Mark.Str(0), "OK");
}

struct DecodeCase {
    const char* name;
    std::vector<uint8_t> bytes;
    std::string text;
};

TEST(DecodeLanguageBytes, DamagedTextBecomesReplacementCharacters)
{
    const DecodeCase cases[] = {
        {"surrogate pair", {0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}, "\xF0\x9F\x98\x80"},
        {"lone high surrogate", {0xFF, 0xFE, 0x3D, 0xD8, 0x41, 0x00}, "\xEF\xBF\xBD" "A"},
        {"lone low surrogate at the end", {0xFF, 0xFE, 0x41, 0x00, 0x00, 0xDE}, "A\xEF\xBF\xBD"},
        {"dangling odd byte", {0xFF, 0xFE, 0x41, 0x00, 0x42}, "A\xEF\xBF\xBD"},
        {"big-endian mark", {0xFE, 0xFF, 0x5D, 0xE6}, "左"},
        {"mark only", {0xFF, 0xFE}, ""},
        {"truncated UTF-8", {'a', 0xE5, 0xB7}, "a\xEF\xBF\xBD"},
        {"overlong UTF-8", {0xC0, 0xAF, 'b'}, "\xEF\xBF\xBD" "b"},
        {"UTF-8 surrogate", {0xED, 0xA0, 0x80}, "\xEF\xBF\xBD"},
    };
    for (const DecodeCase& c : cases)
        EXPECT_EQ(DecodeLanguageBytes(c.bytes), c.text) << c.name;
}

TEST(ReadLanguageText, EveryTruncationOfAValidTextReadsSafely)
{
    const auto full = Utf16LeWithBom(u"[lang1]\r\n\"Str000=Confirm\"\r\n\"Str401=Stop \"\"now\"\"\"\r\n");
    for (size_t length = 0; length <= full.size(); ++length) {
        const LanguageTexts texts = ReadLanguageText(std::span(full).first(length), 1);
        EXPECT_LE(texts.strings.size(), 2u) << "length " << length;
        // A cut value is a start of the full one, ending in U+FFFD where a character was split.
        std::string value = texts.Str(0);
        if (value.ends_with("\xEF\xBF\xBD"))
            value.resize(value.size() - 3);
        EXPECT_TRUE(std::string_view("Confirm").starts_with(value)) << "length " << length;
    }
    EXPECT_EQ(ReadLanguageText(full, 1).Str(401), R"(Stop "now")");
}

TEST(StrIdNames, RoundTripAndRejectOtherKeys)
{
    EXPECT_EQ(StrIdName(7), "Str007");
    EXPECT_EQ(StrIdName(858), "Str858");
    EXPECT_EQ(ParseStrId("Str858"), 858);
    EXPECT_EQ(ParseStrId("sTR000"), 0);
    EXPECT_EQ(StrIdName(1030), "Str1030");
    EXPECT_EQ(ParseStrId("Str1030"), 1030);
    for (const char* key : {"Str0999", "Str1100"})
        EXPECT_EQ(ParseStrId(key), std::nullopt) << key;
    for (const char* key : {"Str85", "Str8588", "Str-12", "Stx100", "FontName", ""})
        EXPECT_EQ(ParseStrId(key), std::nullopt) << key;
}

// Three small languages in which "Stop" is Str251, Str264 and Str401 like in the shipped ones.
std::vector<LanguageTexts> StopLanguages()
{
    std::vector<LanguageTexts> languages(3);
    languages[0].strings = {{210, "Left Click"}, {251, "Stop"}, {264, "Stop"}, {401, "Stop"},
                            {420, "OK"}, {701, "Press 'DPI' 3sec"}, {11, "Chinese"}};
    languages[1].strings = {{210, "左键"}, {251, "停止"}, {264, "停止"}, {401, "停止"}, {511, "OK"}};
    return languages;
}

struct FindCase {
    const char* text;
    std::optional<int> id;
};

TEST(FindStrId, LastMatchOfTheLastLanguageWins)
{
    const auto languages = StopLanguages();
    const FindCase cases[] = {
        {"Left Click", 210},
        {"左键", 210},
        {"Stop", 401},   // Str251 and Str264 match too; the highest ID wins
        {"停止", 401},
        {"OK", 511},     // Str420 of language 1, then Str511 of language 2
        {"My Macro 1", std::nullopt},
        {"Press 'DPI' 3sec", std::nullopt},   // Str701 lies above the searched range
        {"Chinese", std::nullopt},            // Str011 lies below it
        {"", std::nullopt},                   // language 3 is empty: missing keys never match
        {"left click", std::nullopt},         // texts compare exactly
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(FindStrId(c.text, languages), c.id) << c.text;
}

} // namespace
} // namespace tarq
