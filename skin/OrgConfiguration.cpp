// SPDX-License-Identifier: GPL-2.0-or-later
#include "skin/OrgConfiguration.h"

#include <algorithm>

namespace tarq {
namespace {

constexpr std::string_view kOrgSection = "org";

// The DPI value list has twelve entries (500 .. 8000); a count outside 1..12 would give the
// sliders a negative maximum or positions without a value.
constexpr int kDpiValueCount = 12;

} // namespace

OrgReadResult ReadOrgConfiguration(std::string_view text, std::string_view resource)
{
    const ConfigText config = ConfigText::Parse(text);
    ConfigReader reader(config, std::string(resource), std::string(kOrgSection));
    OrgReadResult result;
    OrgConfiguration& org = result.org;

    const auto flag = [&](std::string_view key, bool& field) {
        if (const auto value = reader.Flag(key))
            field = *value;
    };
    const auto number = [&](std::string_view key, int& field) {
        if (const auto value = reader.Int(key))
            field = *value;
    };

    flag("Web_Enable", org.webEnable);
    if (reader.Has("Web"))
        org.web = reader.Text("Web");
    else
        reader.AddProblem("Web", "missing");
    number("Web_X", org.webX);
    number("Web_Y", org.webY);
    number("Rev_Manu_ID", org.revManuId);
    number("Rev_Pro_ID", org.revProId);
    // An absent Path is the same as an empty one: the data files live beside the program.
    org.path = reader.Text("Path");
    flag("TR_Enable", org.trEnable);
    flag("GD_Enable", org.gdEnable);
    flag("DPILED_Status", org.dpiLedStatus);
    number("Gun6_Num", org.gun6Num);
    number("Gun7_Num", org.gun7Num);
    number("Num_Order", org.numOrder);
    number("Ap_Mode", org.apMode);
    number("DPI_Count", org.dpiCount);
    // Optional: org configurations written before the key existed do not name it.
    if (reader.Has("Engineer_Enable"))
        flag("Engineer_Enable", org.engineerEnable);

    org.gun6Num = std::clamp(org.gun6Num, 1, 2);
    org.gun7Num = std::clamp(org.gun7Num, 1, 3);
    org.numOrder = std::clamp(org.numOrder, 0, 1);
    org.dpiCount = std::clamp(org.dpiCount, 1, kDpiValueCount);
    // The driver keeps no gun display.
    if (org.apMode == 1)
        org.gdEnable = false;

    result.problems = reader.Problems();
    return result;
}

} // namespace tarq
