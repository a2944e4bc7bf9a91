// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/KeyboardHook.h"
#include "macros/KeysymToVirtualKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarq {
namespace {

struct Received {
    uint16_t key;
    TKeyboardHookState state;
    int count;
    bool operator==(const Received&) const = default;
};

TEST(KeyboardHook, PressCounterGivesOnRepeatAndOff)
{
    TKeyboardHook hook;
    hook.Enabled = true;
    std::vector<Received> got;
    hook.OnReceive = [&](uint16_t k, TKeyboardHookState s, int n) { got.push_back({k, s, n}); };
    // Shift held with two repeats, A pressed and released, Shift repeats once more, released.
    for (auto [vk, down] : std::vector<std::pair<uint16_t, bool>>{
             {0x10, true}, {0x10, true}, {0x41, true}, {0x41, false}, {0x10, true}, {0x10, false}})
        hook.KeyMessage(vk, down);
    const std::vector<Received> expected{{0x10, kh_On, 1},     {0x10, kh_Repeat, 2},
                                         {0x41, kh_Repeat, 3}, {0x41, kh_Off, 0},
                                         {0x10, kh_On, 1},     {0x10, kh_Off, 0}};
    EXPECT_EQ(got, expected);
}

TEST(KeyboardHook, DisabledHookCountsButReportsNothing)
{
    TKeyboardHook hook;
    int calls = 0;
    hook.OnReceive = [&](uint16_t, TKeyboardHookState, int) { ++calls; };
    hook.OnKeyCombination = [&](const TKeyCombination&, TKeyboardHookShiftState) { ++calls; };
    hook.KeyMessage(0x41, true);
    hook.KeyMessage(0x41, true);
    EXPECT_EQ(hook.PressCounter(), 2);
    hook.KeyMessage(0x41, false);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(hook.HeldKeyCount(), 0u);   // the finished combination is cleared all the same
}

TEST(KeyboardHook, CombinationIsReportedWhenEveryHeldKeyIsReleased)
{
    TKeyboardHook hook;
    hook.Enabled = true;
    std::vector<TKeyCombination> combos;
    std::vector<TKeyboardHookShiftState> shifts;
    hook.OnKeyCombination = [&](const TKeyCombination& c, TKeyboardHookShiftState s) {
        combos.push_back(c);
        shifts.push_back(s);
    };
    // Ctrl + Shift + A + B, released in another order; Ctrl repeats.
    for (auto [vk, down] : std::vector<std::pair<uint16_t, bool>>{
             {0x11, true}, {0x11, true}, {0x10, true}, {0x41, true}, {0x42, true},
             {0x41, false}, {0x11, false}, {0x42, false}})
        hook.KeyMessage(vk, down);
    EXPECT_TRUE(combos.empty());
    hook.KeyMessage(0x10, false);
    ASSERT_EQ(combos.size(), 1u);
    EXPECT_EQ(combos[0], (TKeyCombination{kh_A, kh_B}));
    EXPECT_EQ(shifts[0], (TKeyboardHookShiftState{true, true, false}));
    EXPECT_EQ(hook.HeldKeyCount(), 0u);
}

TEST(KeysymToVirtualKey, TableRows)
{
    struct Row {
        uint32_t keysym;
        uint16_t vk;
    };
    const std::vector<Row> rows{
        {0x61, 0x41}, {0x41, 0x41}, {0x7A, 0x5A}, {0x30, 0x30}, {0x39, 0x39}, {0x20, 0x20},
        {0xFFE1, 0x10}, {0xFFE2, 0x10}, {0xFFE3, 0x11}, {0xFFE4, 0x11}, {0xFFE9, 0x12},
        {0xFFEA, 0x12}, {0xFE03, 0x12}, {0xFFEB, 0x5B}, {0xFFEC, 0x5C}, {0xFF0D, 0x0D},
        {0xFF8D, 0x0D}, {0xFF1B, 0x1B}, {0xFF08, 0x08}, {0xFF09, 0x09}, {0xFE20, 0x09},
        {0xFF51, 0x25}, {0xFF54, 0x28}, {0xFF55, 0x21}, {0xFF56, 0x22}, {0xFF57, 0x23}, {0xFF9B, 0x22}, {0xFF63, 0x2D}, {0xFFFF, 0x2E}, {0xFFBE, 0x70},
        {0xFFD5, 0x87}, {0xFFB0, 0x60}, {0xFFB9, 0x69}, {0xFFAA, 0x6A}, {0xFFAF, 0x6F},
        {0xFF95, 0x24}, {0xFF7F, 0x90}, {0xFF14, 0x91}, {0xFF13, 0x13}, {0xFFE5, 0x14},
        {0xFF61, 0x2C}, {0xFF67, 0x5D}, {0x3B, 0xBA}, {0x3D, 0xBB}, {0x2C, 0xBC}, {0x2D, 0xBD},
        {0x2E, 0xBE}, {0x2F, 0xBF}, {0x60, 0xC0}, {0x5B, 0xDB}, {0x5C, 0xDC}, {0x5D, 0xDD},
        {0x27, 0xDE}, {0x21, 0x31}, {0x40, 0x32}, {0x1008FF12, 0xAD}, {0x1008FF17, 0xB0},
        {0x1008FF26, 0xA6},
        // No key: unknown keysyms, wheel-less gaps, the dead keys.
        {0, 0}, {0xFE50, 0}, {0xFF00, 0}, {0x10000FF, 0}};
    for (const Row& r : rows)
        EXPECT_EQ(VirtualKeyFromKeysym(r.keysym), r.vk) << std::hex << "keysym 0x" << r.keysym;
}

} // namespace
} // namespace tarq
