// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The seven gun presets of the gun page. Each gun shows one to three columns, each column
// one of the ten fire macro records, and binds a gun key code to the button on Confirm: type
// 0x0C, then the first and the last fire macro number the button steps through.
//
//   gun  name (Str)  records   code
//   1    600 AKM     1         0C0101
//   2    601 M16     2         0C0202
//   3    602 M4      3         0C0303
//   4    603 UMP9    4         0C0404
//   5    604 SCAR-L  5         0C0505
//   6    605 5.56mm  6, 7      0C0606 / 0C0607 for Gun6_Num 1 / 2
//   7    606 7.62mm  8, 9, 10  0C0808 / 0C0809 / 0C080A for Gun7_Num 1 / 2 / 3
//
// Gun6_Num and Gun7_Num change only the code, never the number of columns.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tarq {

constexpr int kGunCount = 7;
constexpr int kGunMaxColumns = 3;
constexpr uint8_t kGunKeyCodeType = 0x0C;

struct GunPreset {
    int nameStrId;                               // the language entry of the gun's name
    std::array<int, kGunMaxColumns> records;     // the record of each column, 0 for none
    std::array<int, kGunMaxColumns> modeIcons;   // the Img_GunMode numbers shown, 0 for none
};

// Gun 1..7; any other number gives gun 1.
const GunPreset& GunPresetOf(int gun);

// The number of columns (records) a gun shows.
int GunColumnCount(int gun);

// The record of a column (1..3) of a gun; 0 when the gun has no such column.
int GunColumnRecord(int gun, int column);

// The gun key code written on Confirm. Gun6_Num is kept within 1..2 and Gun7_Num within
// 1..3: a value outside would name records of another gun.
std::string GunKeyCode(int gun, int gun6Num, int gun7Num);

// The last record a gun key code steps through for gun 6 and 7, from the org keys.
int Gun6LastRecord(int gun6Num);
int Gun7LastRecord(int gun7Num);

} // namespace tarq
