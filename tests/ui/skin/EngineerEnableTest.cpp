// SPDX-License-Identifier: GPL-2.0-or-later
// The org key that shows the engineer page button: optional, off unless exactly 1.

#include "skin/OrgConfiguration.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

const std::string kBase =
    "Web_Enable=0\nWeb=https://example.org/\nWeb_X=50\nWeb_Y=9480\nRev_Manu_ID=0\nRev_Pro_ID=0\n"
    "Path=\nTR_Enable=0\nGD_Enable=0\nDPILED_Status=1\nGun6_Num=2\nGun7_Num=3\nNum_Order=0\n"
    "Ap_Mode=0\nDPI_Count=11\n";

TEST(EngineerEnable, ShowsTheButtonOnlyWhenSet)
{
    struct Case { const char* line; bool shown; };
    const Case cases[] = {{"", false}, {"Engineer_Enable=0\n", false}, {"Engineer_Enable=1\n", true},
                          {"Engineer_Enable=2\n", false}};
    for (const Case& c : cases) {
        const OrgReadResult result = ReadOrgConfiguration("[org]\n" + std::string(c.line) + kBase);
        EXPECT_EQ(result.org.engineerEnable, c.shown) << c.line;
        // An org configuration without the key is complete.
        EXPECT_TRUE(result.problems.empty()) << c.line;
    }
}

} // namespace
} // namespace tarq
