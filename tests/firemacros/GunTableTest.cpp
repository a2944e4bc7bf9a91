// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/GunKeyList.h"
#include "firemacros/GunTable.h"
#include "tests/macros/TestHex.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

using test::Hex;

TEST(GunTableTest, ColumnsRecordsAndCodes)
{
    struct Row {
        int gun;
        int columns;
        std::array<int, 3> records;
        int strId;
        const char* code;   // with Gun6_Num 1 and Gun7_Num 1
    };
    const Row rows[] = {{1, 1, {1, 0, 0}, 600, "0C0101"}, {2, 1, {2, 0, 0}, 601, "0C0202"},
                        {3, 1, {3, 0, 0}, 602, "0C0303"}, {4, 1, {4, 0, 0}, 603, "0C0404"},
                        {5, 1, {5, 0, 0}, 604, "0C0505"}, {6, 2, {6, 7, 0}, 605, "0C0606"},
                        {7, 3, {8, 9, 10}, 606, "0C0808"}};
    for (const Row& r : rows) {
        EXPECT_EQ(GunColumnCount(r.gun), r.columns) << r.gun;
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(GunColumnRecord(r.gun, c), r.records[size_t(c - 1)]) << r.gun;
        EXPECT_EQ(GunPresetOf(r.gun).nameStrId, r.strId);
        EXPECT_EQ(GunKeyCode(r.gun, 1, 1), r.code);
    }
    EXPECT_EQ(GunKeyCode(6, 2, 1), "0C0607");
    EXPECT_EQ(GunKeyCode(7, 1, 2), "0C0809");
    EXPECT_EQ(GunKeyCode(7, 1, 3), "0C080A");
    // Values outside the keys' ranges never name another gun's records.
    EXPECT_EQ(GunKeyCode(6, 5, 1), "0C0607");
    EXPECT_EQ(GunKeyCode(7, 1, 0), "0C0808");
    EXPECT_EQ(GunColumnRecord(8, 1), 0);
    EXPECT_EQ(GunPresetOf(7).modeIcons, (std::array<int, 3>{3, 4, 5}));
}

TEST(GunKeyListTest, ReadsListsAndWritesThirtyBytes)
{
    const auto file = Hex("0C 01 03 0C 04 04 00 00 00 0C 0A 0A");
    GunKeyList list = ReadGunKeyListFile(file);
    EXPECT_EQ(GunKeyEntryCode(list[0]), "0C0103");
    EXPECT_EQ(GunKeyEntryCode(list[2]), "000000");
    const auto items = GunKeyListItems(list);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].name, "Fire Macro2");
    EXPECT_EQ(items[2].name, "Fire Macro4");
    EXPECT_EQ(items[2].entry, 3);

    auto written = WriteGunKeyListFile(list);
    ASSERT_EQ(written.size(), 30u);
    EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.begin() + 12), file);

    // Adding fills the first empty entry, never one that holds a code.
    EXPECT_EQ(AddGunKey(list, 2, 5), 2);
    EXPECT_EQ(GunKeyEntryCode(list[2]), "0C0205");
    EXPECT_EQ(GunKeyEntryCode(list[3]), "0C0A0A");
    EXPECT_EQ(AddGunKey(list, 0, 5), std::nullopt);
    EXPECT_EQ(AddGunKey(list, 1, 11), std::nullopt);

    RemoveGunKey(list, 0);
    EXPECT_EQ(GunKeyEntryCode(list[0]), "0C0404");
    EXPECT_EQ(GunKeyEntryCode(list[9]), "000000");

    GunKeyList full{};
    for (int i = 0; i < kGunKeyListEntries; ++i)
        ASSERT_TRUE(AddGunKey(full, 1, 2));
    EXPECT_EQ(AddGunKey(full, 1, 2), std::nullopt);
    // Bytes beyond 30 are not read.
    std::vector<uint8_t> longer(40, 0x0C);
    EXPECT_EQ(WriteGunKeyListFile(ReadGunKeyListFile(longer)), std::vector<uint8_t>(30, 0x0C));
}

} // namespace
} // namespace tarq
