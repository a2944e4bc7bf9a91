// SPDX-License-Identifier: GPL-2.0-or-later
#include "language/EngineerCaptions.h"

#include <algorithm>
#include <iterator>

namespace tarq {

namespace {

// English, unused, Chinese. The typing errors of the English column ("Ligth", "Delect") are
// the captions the page has always shown and are kept.
constexpr EngineerCaption kTable[] = {
    {0, {"Office Mode", "", "办公模式"}},
    {1, {"Gaming Mode", "", "游戏模式"}},
    {2, {"Advanced", "", "高级设置"}},
    {3, {"Breathing Light", "", "呼吸灯"}},
    {4, {"Macro", "", "宏定义"}},
    {5, {"Engineer Mode", "", "工程模式"}},
    {6, {"Load", "", "载入"}},
    {7, {"Save", "", "保存"}},
    {8, {"Test Keys Position", "", "测试按键位置"}},
    {9, {"Default", "", "恢复默认"}},
    {10, {"Apply", "", "应用"}},
    {11, {"Import Base Macro", "", "导入基础宏"}},
    {12, {"Import Fire Macro", "", "导入压枪宏"}},
    {13, {"Operation", "", "操作人员界面"}},
    {14, {"Engineer", "", "工程人员界面"}},
    {15, {"LED Type", "", "灯光类型"}},
    {16, {"MCU LED", "", "流光灯"}},
    {17, {"RB LED", "", "RB双色灯"}},
    {18, {"Sync LED", "", "七彩同步灯"}},
    {19, {"Breath LED", "", "七彩呼吸灯"}},
    {20, {"LED Status", "", "灯光状态"}},
    {21, {"On", "", "开"}},
    {22, {"Off", "", "关"}},
    {23, {"LED Switch(M+CPI)", "", "灯光开关(中键+CPI)"}},
    {24, {"Fire Function", "", "压枪功能"}},
    {25, {"Fn+Left Key", "", "Fn+左键"}},
    {26, {"Left Key", "", "左键"}},
    {27, {"Fire Mode", "", "连发模式"}},
    {28, {"Fire Count:", "", "连发次数:"}},
    {29, {"Fire Time:", "", "连发间隔:"}},
    {30, {"LED Mode(L+CPI)", "", "灯光模式(左键+CPI)"}},
    {31, {"MCU LED Ligth Mode", "", "流光灯亮度模式"}},
    {32, {"All Ligth", "", "全亮"}},
    {33, {"Half Ligth", "", "半亮"}},
    {34, {"MCU LED CPI Color Setting", "", "流光灯CPI颜色设定"}},
    {37, {"MCU LED Setting", "", "流光灯设定"}},
    {38, {"LED Number:", "", "灯数量:"}},
    {39, {"Current Mode:", "", "当前模式:"}},
    {40, {"Mode 1", "", "模式1"}},
    {41, {"Mode 2", "", "模式2"}},
    {42, {"Mode 3", "", "模式3"}},
    {43, {"Mode 4", "", "模式4"}},
    {44, {"Mode 5", "", "模式5"}},
    {45, {"Mode 6", "", "模式6"}},
    {46, {"Mode 7", "", "模式7"}},
    {47, {"LED Step:", "", "灯光档位:"}},
    {48, {"RB LED Mode", "", "RB双色灯模式"}},
    {49, {"Current Mode:", "", "当前模式:"}},
    {50, {"Colors Breath Fast", "", "变换颜色快速呼吸"}},
    {51, {"Colors Breath Middle", "", "变换颜色中速呼吸"}},
    {52, {"Colors Breath Slow", "", "变换颜色慢速呼吸"}},
    {53, {"CPI Breath Fast", "", "CPI颜色快速呼吸"}},
    {54, {"CPI Breath Middle", "", "CPI颜色中速呼吸"}},
    {55, {"CPI Breath Slow", "", "CPI颜色慢速呼吸"}},
    {56, {"OFF", "", "关灯"}},
    {35, {"Vendor ID:", "", "厂商代码:"}},
    {36, {"Product ID:", "", "产品代码:"}},
    {57, {"Switch Key Mode", "", "切换按键模式"}},
    {58, {"Press Middle Key", "", "长按中键"}},
    {59, {"Press CPI Key", "", "长按CPI键"}},
    {60, {"Press Gun Key", "", "按枪键"}},
    {61, {"Is Save Key Mode", "", "是否保存按键模式"}},
    {62, {"Save", "", "保存"}},
    {63, {"No Save", "", "不保存"}},
    {64, {"Sensor Ori:", "", "传感器方向:"}},
    {65, {"0°", "", "0°"}},
    {66, {"90°", "", "90°"}},
    {67, {"180°", "", "180°"}},
    {68, {"270°", "", "270°"}},
    {69, {"X Reverse", "", "X反向"}},
    {70, {"Y Reverse", "", "Y反向"}},
    {71, {"XY Swap XY Reverse", "", "XY互换 XY反向"}},
    {72, {"XY Swap XY NoReverse", "", "XY互换 XY不反向"}},
    {73, {"Keys Number", "", "按键数量"}},
    {74, {"6-Keys", "", "6键"}},
    {75, {"9-Keys", "", "9键"}},
    {76, {"CPI", "", "CPI"}},
    {77, {"CPI Steps:", "", "CPI档数:"}},
    {78, {"Current CPI:", "", "当前CPI:"}},
    {79, {"CPI 1:", "", "CPI 1档:"}},
    {80, {"CPI 2:", "", "CPI 2档:"}},
    {81, {"CPI 3:", "", "CPI 3档:"}},
    {82, {"CPI 4:", "", "CPI 4档:"}},
    {83, {"CPI 5:", "", "CPI 5档:"}},
    {84, {"CPI 6:", "", "CPI 6档:"}},
    {85, {"CPI 7:", "", "CPI 7档:"}},
    {86, {"AIM Key:", "", "狙击键:"}},
    {87, {"Key Mode:", "", "按键模式:"}},
    {88, {"Key Mode1", "", "按键模式1"}},
    {89, {"Key Mode2", "", "按键模式2"}},
    {90, {"Gun Parameter Setting", "", "枪键参数配置"}},
    {91, {"Gun Start Index:", "", "枪键起始序号:"}},
    {92, {"Gun Stop Index:", "", "枪键结束序号:"}},
    {93, {"Add Gun", "", "新增枪键"}},
    {94, {"Delect Gun", "", "删除枪键"}},
    {95, {"MCU LED Mode Select", "", "流光灯模式选择"}},
    {96, {"Fire Macro Color Setting", "", "压枪宏定义颜色设定"}},
    {97, {"Macro1 R:", "", "宏1 红:"}},
    {98, {"Macro1 G:", "", "宏1 绿:"}},
    {99, {"Macro1 B:", "", "宏1 蓝:"}},
    {100, {"Macro2 R:", "", "宏2 红:"}},
    {101, {"Macro2 G:", "", "宏2 绿:"}},
    {102, {"Macro2 B:", "", "宏2 蓝:"}},
    {103, {"Macro3 R:", "", "宏3 红:"}},
    {104, {"Macro3 G:", "", "宏3 绿:"}},
    {105, {"Macro3 B:", "", "宏3 蓝:"}},
    {106, {"Macro4 R:", "", "宏4 红:"}},
    {107, {"Macro4 G:", "", "宏4 绿:"}},
    {108, {"Macro4 B:", "", "宏4 蓝:"}},
    {109, {"Macro5 R:", "", "宏5 红:"}},
    {110, {"Macro5 G:", "", "宏5 绿:"}},
    {111, {"Macro5 B:", "", "宏5 蓝:"}},
    {112, {"Macro6 R:", "", "宏6 红:"}},
    {113, {"Macro6 G:", "", "宏6 绿:"}},
    {114, {"Macro6 B:", "", "宏6 蓝:"}},
    {115, {"Macro7 R:", "", "宏7 红:"}},
    {116, {"Macro7 G:", "", "宏7 绿:"}},
    {117, {"Macro7 B:", "", "宏7 蓝:"}},
    {118, {"Macro8 R:", "", "宏8 红:"}},
    {119, {"Macro8 G:", "", "宏8 绿:"}},
    {120, {"Macro8 B:", "", "宏8 蓝:"}},
    {121, {"Macro9 R:", "", "宏9 红:"}},
    {122, {"Macro9 G:", "", "宏9 绿:"}},
    {123, {"Macro9 B:", "", "宏9 蓝:"}},
    {124, {"Macro10 R:", "", "宏10 红:"}},
    {125, {"Macro10 G:", "", "宏10 绿:"}},
    {126, {"Macro10 B:", "", "宏10 蓝:"}},
    {127, {"Fire Macro Y Offset", "", "压枪宏定义Y轴偏移量"}},
    {128, {"Macro1 Y Offset:", "", "宏1 Y轴偏移:"}},
    {129, {"Macro2 Y Offset:", "", "宏2 Y轴偏移:"}},
    {130, {"Macro3 Y Offset:", "", "宏3 Y轴偏移:"}},
    {131, {"Macro4 Y Offset:", "", "宏4 Y轴偏移:"}},
    {132, {"Macro5 Y Offset:", "", "宏5 Y轴偏移:"}},
    {133, {"Macro6 Y Offset:", "", "宏6 Y轴偏移:"}},
    {134, {"Macro7 Y Offset:", "", "宏7 Y轴偏移:"}},
    {135, {"Macro8 Y Offset:", "", "宏8 Y轴偏移:"}},
    {136, {"Macro9 Y Offset:", "", "宏9 Y轴偏移:"}},
    {137, {"Macro10 Y Offset:", "", "宏10 Y轴偏移:"}},
    {138, {"Notes: ", "", "提示: "}},
};
static_assert(std::size(kTable) == kEngineerCaptionCount);

// Position in kTable of each ID, built once; -1 marks an ID the table lacks.
constexpr std::array<int, kEngineerCaptionCount> kPositionById = [] {
    std::array<int, kEngineerCaptionCount> positions{};
    positions.fill(-1);
    for (int i = 0; i < kEngineerCaptionCount; ++i)
        positions[kTable[i].id] = i;
    return positions;
}();
static_assert(std::ranges::find(kPositionById, -1) == kPositionById.end(),
              "every ID from 0 to 138 has exactly one entry");

constexpr std::array<std::string_view, 3> kFontByColumn = {
    "MS Sans Serif", "Microsoft JhengHei", "MS Sans Serif"};

// Captions of the engineer page controls. Labels beside the edits of a group are listed with
// the group, in the order the page shows them.
constexpr EngineerCaptionBinding kBindings[] = {
    {"Btn_Main_6", 0}, {"Btn_Switch_6", 1}, {"Btn_Adv_6", 2}, {"Btn_Breath_6", 3},
    {"Btn_Macro_6", 4}, {"Btn_Engineer_6", 5}, {"btn_TestKeys", 8},
    {"Btn_Load_6", 6}, {"Btn_Save_6", 7}, {"btn_Write", 10}, {"Btn_ImportBaseMacro", 11},
    {"Btn_ImportGunMacro", 12}, {"Btn_Default", 9},
    {"ts_Operator", 13}, {"ts_Engineer", 14},
    {"lbl_Notes", 138},
    {"gbLEDType", 15}, {"rb_MCULED", 16}, {"rb_RBLED", 17}, {"rb_SyncLED", 18}, {"rb_BreLED", 19},
    {"gbLEDStatus", 20}, {"rb_LEDOn", 21}, {"rb_LEDOff", 22},
    {"gbB4CPI", 23}, {"rb_B4CPIOn", 21}, {"rb_B4CPIOff", 22},
    {"gbLCPI", 30}, {"rb_LCPIOn", 21}, {"rb_LCPIOff", 22},
    {"gbFireFn", 24}, {"rb_FireFnOn", 25}, {"rb_FireFnOff", 26},
    {"gbFireMode", 27}, {"lbl_FireCount", 28}, {"lbl_FireTime", 29},
    {"gbMCULEDControlMode", 31}, {"rb_MCULED3Control", 32}, {"rb_MCULED6Control", 33},
    {"gbMCULEDCPIColor", 34},
    {"lbl_VendorID", 35}, {"lbl_ProductID", 36}, {"lbl_VendorID_Rd", 35}, {"lbl_ProductID_Rd", 36},
    {"gbMCULEDCurrent", 37}, {"lbl_MCULEDNum", 38}, {"lbl_MCULEDCurrentMode", 39},
    {"lbl_MCULEDCrtStep", 47},
    {"gbRBLEDMode", 48}, {"lbl_RBLEDCurrentMode", 49},
    {"gbSwitchFn", 57}, {"cb_MidPress", 58}, {"cb_CPIPress", 59}, {"cb_GunPress", 60},
    {"gbSaveKeyMode", 61}, {"rb_Save", 62}, {"rb_NoSave", 63},
    {"lbl_SensorOri", 64},
    {"gbKeys", 73}, {"rb_6Keys", 74}, {"rb_9Keys", 75},
    {"gbCPI", 76}, {"lbl_CPIStep", 77}, {"lbl_CurrentCPI", 78},
    {"lbl_CPI1", 79}, {"lbl_CPI2", 80}, {"lbl_CPI3", 81}, {"lbl_CPI4", 82},
    {"lbl_CPI5", 83}, {"lbl_CPI6", 84}, {"lbl_CPI7", 85},
    {"lbl_TLAIMKey", 86}, {"lbl_KeyMode", 87},
    {"gbKeyMode1", 88}, {"gbKeyMode2", 89},
    {"gbGunParam", 90}, {"lbl_SOSStartIndex", 91}, {"lbl_SOSNumber", 92},
    {"btn_AddScript", 93}, {"btn_DelScript", 94},
    {"gbMCULEDMode", 95}, {"cb_Mode1", 40}, {"cb_Mode2", 41}, {"cb_Mode3", 42}, {"cb_Mode4", 43},
    {"cb_Mode5", 44}, {"cb_Mode6", 45}, {"cb_Mode7", 56},
    {"gbFireMacroColor", 96},
    {"lbl_FireMacroColor1R", 97}, {"lbl_FireMacroColor1G", 98}, {"lbl_FireMacroColor1B", 99},
    {"lbl_FireMacroColor2R", 100}, {"lbl_FireMacroColor2G", 101}, {"lbl_FireMacroColor2B", 102},
    {"lbl_FireMacroColor3R", 103}, {"lbl_FireMacroColor3G", 104}, {"lbl_FireMacroColor3B", 105},
    {"lbl_FireMacroColor4R", 106}, {"lbl_FireMacroColor4G", 107}, {"lbl_FireMacroColor4B", 108},
    {"lbl_FireMacroColor5R", 109}, {"lbl_FireMacroColor5G", 110}, {"lbl_FireMacroColor5B", 111},
    {"lbl_FireMacroColor6R", 112}, {"lbl_FireMacroColor6G", 113}, {"lbl_FireMacroColor6B", 114},
    {"lbl_FireMacroColor7R", 115}, {"lbl_FireMacroColor7G", 116}, {"lbl_FireMacroColor7B", 117},
    {"lbl_FireMacroColor8R", 118}, {"lbl_FireMacroColor8G", 119}, {"lbl_FireMacroColor8B", 120},
    {"lbl_FireMacroColor9R", 121}, {"lbl_FireMacroColor9G", 122}, {"lbl_FireMacroColor9B", 123},
    {"lbl_FireMacroColor10R", 124}, {"lbl_FireMacroColor10G", 125}, {"lbl_FireMacroColor10B", 126},
    {"gbFireMacroYOffset", 127},
    {"lbl_YOffset1", 128}, {"lbl_YOffset2", 129}, {"lbl_YOffset3", 130}, {"lbl_YOffset4", 131},
    {"lbl_YOffset5", 132}, {"lbl_YOffset6", 133}, {"lbl_YOffset7", 134}, {"lbl_YOffset8", 135},
    {"lbl_YOffset9", 136}, {"lbl_YOffset10", 137},
};

constexpr uint8_t kMcuModeItems[] = {40, 41, 42, 43, 44, 45, 46};
constexpr uint8_t kRbModeItems[] = {50, 51, 52, 53, 54, 55, 56};
constexpr uint8_t kSensorItems[] = {65, 66, 67, 68, 69, 70, 71, 72};
constexpr uint8_t kKeyModeItems[] = {88, 89};

constexpr EngineerListBinding kLists[] = {
    {"cb_MCULEDCurrentMode", kMcuModeItems},
    {"cb_RBLEDCurrentMode", kRbModeItems},
    {"cb_SensorOri", kSensorItems},
    {"cb_KeyMode", kKeyModeItems},
};

} // namespace

std::span<const EngineerCaption> EngineerCaptionTable()
{
    return kTable;
}

EngineerCaptions::EngineerCaptions(uint32_t localeId) : column_(ColumnForLocale(localeId)) {}

int EngineerCaptions::ColumnForLocale(uint32_t localeId)
{
    return localeId == kLocaleChineseChina ? kCaptionChinese : kCaptionEnglish;
}

std::string_view EngineerCaptions::FontName() const
{
    return kFontByColumn[column_];
}

std::string_view EngineerCaptions::CaptionText(int id) const
{
    if (id < 0 || id >= kEngineerCaptionCount)
        return {};
    return kTable[kPositionById[id]].texts[column_];
}

std::span<const EngineerCaptionBinding> EngineerCaptionBindings()
{
    return kBindings;
}

std::span<const EngineerListBinding> EngineerListBindings()
{
    return kLists;
}

} // namespace tarq
