// SPDX-License-Identifier: GPL-2.0-or-later
// The Y-offset edits of the engineer page hold a signed byte; their text is corrected after
// every change.

#include <gtest/gtest.h>

#include "settings/EditorRules.h"

using namespace tarq;

TEST(YOffsetRule, KeepsASignedByte)
{
    struct Case { const char* text; const char* shown; };
    const Case cases[] = {
        {"-", "-"},          // a negative number is being entered
        {"", "0"},
        {"0", "0"},
        {"-5", "-5"},
        {"127", "127"},
        {"128", "127"},
        {"999", "127"},
        {"-128", "-128"},
        {"-129", "-128"},
        {"-999", "-128"},
        {"--5", "0"},        // not a number
        {"5-", "0"},
        {"x", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CorrectYOffset(c.text), c.shown) << "text \"" << c.text << "\"";
}
