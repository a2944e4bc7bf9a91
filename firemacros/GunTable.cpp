// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/GunTable.h"

#include <algorithm>
#include <cstdio>

namespace tarq {

namespace {

constexpr std::array<GunPreset, kGunCount> kGuns{{
    {600, {1, 0, 0}, {0, 0, 0}},
    {601, {2, 0, 0}, {0, 0, 0}},
    {602, {3, 0, 0}, {0, 0, 0}},
    {603, {4, 0, 0}, {0, 0, 0}},
    {604, {5, 0, 0}, {0, 0, 0}},
    {605, {6, 7, 0}, {1, 2, 0}},
    {606, {8, 9, 10}, {3, 4, 5}},
}};

constexpr int kGun6FirstRecord = 6;
constexpr int kGun7FirstRecord = 8;

bool ValidGun(int gun)
{
    return gun >= 1 && gun <= kGunCount;
}

} // namespace

const GunPreset& GunPresetOf(int gun)
{
    return kGuns[size_t(ValidGun(gun) ? gun - 1 : 0)];
}

int GunColumnCount(int gun)
{
    const auto& records = GunPresetOf(gun).records;
    return int(std::count_if(records.begin(), records.end(), [](int r) { return r != 0; }));
}

int GunColumnRecord(int gun, int column)
{
    if (!ValidGun(gun) || column < 1 || column > kGunMaxColumns)
        return 0;
    return GunPresetOf(gun).records[size_t(column - 1)];
}

int Gun6LastRecord(int gun6Num)
{
    return kGun6FirstRecord - 1 + std::clamp(gun6Num, 1, 2);
}

int Gun7LastRecord(int gun7Num)
{
    return kGun7FirstRecord - 1 + std::clamp(gun7Num, 1, 3);
}

std::string GunKeyCode(int gun, int gun6Num, int gun7Num)
{
    const GunPreset& preset = GunPresetOf(gun);
    const int first = preset.records[0];
    int last = first;
    if (ValidGun(gun) && gun == 6)
        last = Gun6LastRecord(gun6Num);
    else if (ValidGun(gun) && gun == 7)
        last = Gun7LastRecord(gun7Num);
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", unsigned(kGunKeyCodeType), unsigned(first),
                  unsigned(last));
    return text;
}

} // namespace tarq
