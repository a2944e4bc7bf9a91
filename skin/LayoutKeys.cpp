// SPDX-License-Identifier: GPL-2.0-or-later
#include "skin/LayoutKeys.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string_view>

namespace tarq {
namespace {

using Suffixes = std::span<const std::string_view>;
using std::string_view_literals::operator""sv;

constexpr std::array kPos = {"_X"sv, "_Y"sv};
constexpr std::array kPosD = {"_X"sv, "_Y"sv, "_D"sv};
constexpr std::array kPosH = {"_X"sv, "_Y"sv, "_H"sv};
constexpr std::array kPosW = {"_X"sv, "_Y"sv, "_W"sv};
constexpr std::array kPosHW = {"_X"sv, "_Y"sv, "_H"sv, "_W"sv};
constexpr std::array kPosWidth = {"_X"sv, "_Y"sv, "_Width"sv};
constexpr std::array kButton = {"_Enable"sv, "_X"sv, "_Y"sv};
constexpr std::array kVisiblePos = {"_Visible"sv, "_X"sv, "_Y"sv};
constexpr std::array kRgb = {"_R"sv, "_G"sv, "_B"sv};
constexpr std::array kRgbSize = {"_R"sv, "_G"sv, "_B"sv, "_Size"sv};
constexpr std::array kRgbSizeWidth = {"_R"sv, "_G"sv, "_B"sv, "_Size"sv, "_Width"sv};
constexpr std::array kCaption = {"_X"sv, "_Y"sv, "_R"sv, "_G"sv, "_B"sv, "_Size"sv, "_Width"sv};

class KeyList {
public:
    KeyList& Add(std::string_view key)
    {
        keys_.emplace_back(key);
        return *this;
    }
    KeyList& Add(std::string_view family, Suffixes suffixes)
    {
        for (std::string_view s : suffixes)
            keys_.push_back(std::string(family) + std::string(s));
        return *this;
    }
    KeyList& Add(std::initializer_list<std::string_view> families, Suffixes suffixes)
    {
        for (std::string_view f : families)
            Add(f, suffixes);
        return *this;
    }
    // prefix + n + suffix for n = first..last, each with the suffixes: ("DPI", 1, 7, "_Check").
    KeyList& Numbered(std::string_view prefix, int first, int last, std::string_view infix,
                      Suffixes suffixes)
    {
        for (int n = first; n <= last; ++n)
            Add(std::string(prefix) + std::to_string(n) + std::string(infix), suffixes);
        return *this;
    }
    std::vector<std::string> Take() { return std::move(keys_); }

private:
    std::vector<std::string> keys_;
};

} // namespace

std::vector<std::string> LayoutKeyNames(LayoutFamily family)
{
    KeyList k;
    switch (family) {
    case LayoutFamily::FrameButtons:
        k.Add("Size_A").Add("Color_A", kRgb).Numbered("Btn_A", 1, 8, "", kButton);
        break;
    case LayoutFamily::PageButtons:
        k.Add("Size_B").Add("Color_B", kRgb).Add("Btn_Space_F").Add("Btn_Space_B");
        k.Add({"Btn_B1", "Btn_B2", "Btn_B4", "Btn_B5", "Btn_B11"}, kButton);
        k.Numbered("Btn_B", 6, 10, "", kButton);
        break;
    case LayoutFamily::ButtonPage:
        k.Add("Size_C").Add("Color_C", kRgb).Add("P1", kPos);
        k.Numbered("Key", 1, 9, "", kButton).Numbered("ComboKey", 1, 3, "", kButton);
        k.Add("Combox_Width").Add("ComboKey_D").Add("ComboKey_H");
        break;
    case LayoutFamily::Menus:
        k.Add("Size_G");
        k.Add({"Color_G", "Color_G_Back", "Color_G_Border", "Color_G_SF", "Color_G_SP"}, kRgb);
        k.Add("M_L_W").Add("SP_L_W").Add("O_L_W");
        break;
    case LayoutFamily::AdvancedPage:
        k.Add("Size_D");
        k.Add({"Color_D_Selected", "Color_D_notSelected", "Color_D_Back", "Color_D_Border"},
              kRgb);
        k.Add("P2", kPos).Add({"FKCnt", "FKDelay", "IsFireContinue"}, kPos);
        k.Add("Spd", kPosD).Add({"IsControl", "DbSpd", "ScrSpd", "IsScreen"}, kPos);
        for (int n = 1; n <= 7; ++n) {
            const std::string level = "DPI" + std::to_string(n);
            k.Add(level + "_Check", kPos).Add(level, kPos).Add(level + "_Value", kPos);
            k.Add(level + "_Steps", kPosD).Add(level + "_Color", kPos);
        }
        k.Add({"AIMKey", "AIMKey_Value"}, kPos).Add("AIMKey_Steps", kPosD);
        k.Add("DPI_Count", kVisiblePos);
        k.Add({"Fire_Key_Lable", "Fire_Key_Count_Lable", "Fire_Key_Time_Lable",
               "Fire_Key_Continue_Lable", "Mouse_Speed_Lable", "Mouse_IsControl_Lable",
               "Mouse_Double_Click_Lable", "Mouse_Roller_Speed_Lable",
               "Mouse_Roll_All_Screen_Lable", "DPI_Setting_Lable", "DPI_Value_Lable",
               "DPI_Note_Lable"},
              kCaption);
        k.Add("DPI_Lable", kRgbSizeWidth).Add("Color_BG_Slider", kRgb);
        break;
    case LayoutFamily::LightPage:
        k.Add("Size_E").Add("Color_E", kRgb).Add("P3", kPos);
        k.Add({"LEDOn", "LEDOff", "B4CPIOn", "B4CPIOff", "LEDSwitchOn", "LEDSwitchOff",
               "SaveKeyMode", "NoSaveKeyMode", "LED3Control", "LED6Control"},
              kPos);
        k.Numbered("MCULEDMode", 1, 7, "", kPos).Numbered("RBLEDMode", 1, 7, "", kPos);
        k.Add({"MCULEDStep", "MCULEDNum"}, kPosD);
        k.Add({"LED_Status_Lable", "LED_On_Lable", "LED_Off_Lable", "LCPI_Status_Lable",
               "LCPI_On_Lable", "LCPI_Off_Lable", "MCPI_Status_Lable", "MCPI_On_Lable",
               "MCPI_Off_Lable", "LED_Light_Status_Lable", "LED_Light_All_Lable",
               "LED_Light_Half_Lable", "LED_Mode_Lable", "LED_Effect_Setting_Lable",
               "LED_Effect_Slow_Lable", "LED_Effect_Fast_Lable"},
              kCaption);
        k.Add({"LED_Mode_Option_Lable", "LED_Step_Option_Lable"}, kRgbSize);
        k.Numbered("LED_Mode_", 1, 7, "_Lable", kPosWidth);
        k.Numbered("LED_Step_", 1, 8, "_Lable", kPosWidth);
        break;
    case LayoutFamily::MacroPage:
        k.Add("Size_F");
        k.Add({"Color_F", "Color_F_LBack", "Color_F_LBorder", "Color_F_Font", "Color_F_Back"},
              kRgb);
        k.Add("P4", kPos).Add("MacroNameHeight").Add("PCMacroName", kPosHW);
        k.Add("MacroContent", kPosW).Add({"BtnNew", "BtnStart", "DelayTime"}, kPos);
        k.Add("RecDelay", kPosH);
        k.Add({"DelayEdit", "ReleaseStop", "ReleaseContinue", "Insert", "InsertList"}, kPos);
        k.Add("InsertRecDelay", kPosH);
        k.Add({"InsertDelayEdit", "InsertAxisEdit", "InsertBtnStart", "InsertBtnOK",
               "InsertBtnCancel"},
              kPos);
        k.Add({"Marco_List_Lable", "Marco_Content_Lable", "Marco_Record_Delay_Lable",
               "Marco_Delay_Setting_Lable", "Marco_No_Delay_Lable", "Marco_MS_Lable",
               "Marco_Stop_Release_Lable", "Marco_Stop_Over_Lable"},
              kCaption);
        k.Add("Color_MACRO", kRgb).Add("Edit_PCMarco_Width").Add("Key_Width");
        break;
    case LayoutFamily::GunPage:
        k.Add("Size_J").Add({"Color_J_Font", "Color_J_Back", "Color_J_Border"}, kRgb);
        k.Add("P5", kPos).Numbered("Fire", 1, 7, "", kPos).Numbered("GunMode", 1, 5, "", kPos);
        k.Numbered("RKFS", 1, 3, "", kPos).Numbered("FireCnt", 1, 3, "", kPos);
        k.Numbered("FireX", 1, 3, "", kPos).Numbered("FireY", 1, 3, "", kPos);
        k.Numbered("FireY", 1, 3, "_Offset", kPos).Numbered("FireTime", 1, 3, "", kPos);
        k.Numbered("FireColor", 1, 3, "", kPos).Add({"FireConfirm", "FireCancel"}, kPos);
        k.Add({"Gun_Marco_Stop_Release_Lable", "Gun_Marco_Fire_Count_Lable",
               "Gun_Marco_Fire_Y_Lable", "Gun_Marco_Y_Offset_Lable",
               "Gun_Marco_Fire_Delay_Lable", "Gun_Marco_Fire_Color_Lable"},
              kCaption);
        break;
    case LayoutFamily::Dialogs:
        k.Add({"Color_K", "Color_K_AK"}, kRgb).Add("AKT", kPos).Add("AKC", kPosW);
        k.Add({"MK_A", "MK_C", "MK_S", "MK_W", "AK_Cfm", "AK_Clear", "AK_Close"}, kPos);
        k.Add("Size_L").Add({"Color_L", "Color_L_MN"}, kRgb).Add("MNT", kPos);
        k.Add("MNC", kPosW).Add({"MN_Cfm", "MN_Clear", "MN_Close"}, kPos);
        break;
    }
    return k.Take();
}

std::vector<std::string> AllLayoutKeyNames()
{
    std::vector<std::string> all;
    for (int f = static_cast<int>(LayoutFamily::FrameButtons);
         f <= static_cast<int>(LayoutFamily::Dialogs); ++f) {
        auto keys = LayoutKeyNames(static_cast<LayoutFamily>(f));
        all.insert(all.end(), keys.begin(), keys.end());
    }
    return all;
}

} // namespace tarq
