// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/HidUsageNames.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace tarq {
namespace {

// Every named usage, written out one by one so that a shifted run shows up as a wrong row.
const std::map<int, std::string>& ExpectedNames()
{
    static const std::map<int, std::string> names = [] {
        std::map<int, std::string> m;
        for (int i = 0; i < 26; ++i)
            m[0x04 + i] = std::string(1, static_cast<char>('A' + i));
        const char* digits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
        for (int i = 0; i < 10; ++i) {
            m[0x1E + i] = digits[i];
            m[0x59 + i] = std::string(digits[i]) + " (numeric pad)";
        }
        for (int i = 0; i < 12; ++i) {
            m[0x3A + i] = "F" + std::to_string(i + 1);
            m[0x68 + i] = "F" + std::to_string(i + 13);
        }
        const std::map<int, std::string> singles{
            {0x28, "Enter"}, {0x29, "Esc"}, {0x2A, "Backspace"}, {0x2B, "Tab"},
            {0x2C, "Space bar"}, {0x2D, "OEM_Minus"}, {0x2E, "OEM_Plus"}, {0x2F, "OEM_4"},
            {0x30, "OEM_6"}, {0x31, "OEM_5"}, {0x33, "OEM_1"}, {0x34, "OEM_7"},
            {0x35, "OEM_3"}, {0x36, "OEM_Comma"}, {0x37, "OEM_Period"}, {0x38, "OEM_2"},
            {0x39, "Caps Lock"}, {0x46, "Print Screen"}, {0x47, "Scroll Lock"},
            {0x48, "Pause"}, {0x49, "Insert"}, {0x4A, "Home"}, {0x4B, "Page Up"},
            {0x4C, "Delete"}, {0x4D, "End"}, {0x4E, "Page Down"}, {0x4F, "Right Arrow"},
            {0x50, "Left Arrow"}, {0x51, "Down Arrow"}, {0x52, "Up Arrow"},
            {0x53, "Num Lock"}, {0x54, "Divide (numeric pad)"},
            {0x55, "Multiply (numeric pad)"}, {0x56, "Subtract (numeric pad)"},
            {0x57, "Add (numeric pad)"}, {0x58, "Separator (numeric pad)"},
            {0x63, "Decimal (numeric pad)"}, {0x65, "Applications"}, {0x75, "Help"},
            {0x77, "Select"}, {0x9C, "Clear"}, {0xC0, "Media_Next_Track"},
            {0xC1, "Media_Prev_Track"}, {0xC2, "Media_Stop"}, {0xC3, "Media_Play_Pause"},
            {0xC4, "Volume_Mute"}, {0xC5, "Volume_Up"}, {0xC6, "Volume_Down"},
            {0xC7, "Launch_Mail"}, {0xC8, "Browser_Search"}, {0xC9, "Browser_Home"},
            {0xCA, "Browser_Back"}, {0xCB, "Browser_Forward"}, {0xCC, "Browser_Stop"},
            {0xCD, "Browser_Refresh"}, {0xCE, "Browser_Favorites"},
            {0xD1, "Launch_Media_Select"}, {0xE0, "Left Ctrl"}, {0xE1, "Left Shift"},
            {0xE2, "Left Alt"}, {0xE3, "Win"}, {0xE4, "Right Ctrl"}, {0xE5, "Right Shift"},
            {0xE6, "Right Alt"}, {0xE7, "Win"}};
        m.insert(singles.begin(), singles.end());
        return m;
    }();
    return names;
}

// All 256 usages: the named ones give their name, every other one gives empty text.
TEST(HidUsageNames, EveryUsageGivesItsTableNameOrEmpty)
{
    const auto& expected = ExpectedNames();
    for (int usage = 0; usage <= 0xFF; ++usage) {
        const auto it = expected.find(usage);
        const std::string want = it == expected.end() ? std::string{} : it->second;
        EXPECT_EQ(HidUsageToKeyName(static_cast<uint8_t>(usage)), want)
            << "usage 0x" << std::hex << usage;
    }
}

} // namespace
} // namespace tarq
