// SPDX-License-Identifier: GPL-2.0-or-later
#include "language/LanguageCaptions.h"
#include "settings/FixedKeyCodes.h"
#include "skin/LayoutKeys.h"

#include <string_view>

namespace tarq {

namespace {

constexpr int kMenuPrefixId = 200;

struct Binding {
    std::string_view control;
    int strId;
};

// Skinned buttons that exist once on each of pages 1-4: the caption label is the name plus
// the page number.
constexpr Binding kFourPageButtons[] = {
    {"Btn_Confirm_", 0}, {"Btn_Apply_", 1}, {"Btn_Confirm1_", 2}, {"Btn_Main_", 4},
    {"Btn_Second_", 5}, {"Btn_Adv_", 7}, {"Btn_Breath_", 8}, {"Btn_Save_", 9},
    {"Btn_Load_", 10}, {"Btn_Lang1_", 11}, {"Btn_Lang2_", 12}, {"Btn_Lang3_", 13},
    {"Btn_Macro_", 14}, {"Btn_Confirm2_", 15}, {"Btn_Confirm3_", 16}, {"Btn_Read_", 17},
};

// Entries of the button-function menus that open a submenu or a list, shown with the " * "
// prefix; the entries of fixed key functions follow the fixed key-code table.
constexpr Binding kMenuEntries[] = {
    {"Key_Standard", 201}, {"Key_Special", 202}, {"Key_Media", 203}, {"Key_WWW", 204},
    {"Key_Assembly", 205}, {"Key_Macro", 206}, {"Key_MyPC", 207}, {"Key_FireMacro", 208},
    {"Key_TLFireMacro", 208}, {"Key_CPIKey", 230},
};

// Single controls of the macro, gun, button, advanced and light pages.
constexpr Binding kPageCaptions[] = {
    // Macro page and fire macro editor
    {"Btn_Start", 400}, {"Btn_InsertStart", 400}, {"Btn_FireStart", 400},
    {"Btn_NewName", 402}, {"Btn_ExportOne", 404}, {"Btn_Export", 405},
    {"Btn_ImportOne", 406}, {"Btn_Import", 407}, {"Btn_Del", 408}, {"Btn_FireDel", 408},
    {"Btn_Insert", 409}, {"Btn_FireInsert", 409}, {"lbl_Insert_Title", 409},
    {"IB_InsertRecDelay", 414}, {"IB_FireRecDelay", 414},
    {"IB_InsertDelayTime", 415}, {"IB_FireDelayTime", 415},
    {"IB_InsertNoDelay", 416}, {"IB_FireNoDelay", 416},
    {"lbl_Delay", 417}, {"lbl_FireDelay", 417}, {"lbl_s_A", 418}, {"lbl_Fires_A", 418},
    {"Btn_OK", 420}, {"Btn_FireOK", 420}, {"Btn_Cancel", 422}, {"Btn_FireCancel", 422},
    {"Btn_New", 432}, {"Btn_NewMacro", 432}, {"Btn_DelPCMacro", 433},
    {"Btn_Edit", 435}, {"Btn_FireEdit", 435},
    {"IB_FireReleaseStop", 436}, {"IB_FireReleaseContiue", 437},
    {"lbl_XAxisValue", 444}, {"lbl_FireXAxisValue", 444},
    {"lbl_YAxisValue", 445}, {"lbl_FireYAxisValue", 445},
    {"lbl_Repeat", 448}, {"lbl_FireRepeat", 448},
    {"lbl_RecordScope", 970},
    // Gun page
    {"Btn_Fire1", 600}, {"Btn_Fire2", 601}, {"Btn_Fire3", 602}, {"Btn_Fire4", 603},
    {"Btn_Fire5", 604}, {"Btn_Fire6", 605}, {"Btn_Fire7", 606},
    {"Btn_FireConfirm", 620}, {"Btn_FireExit", 621}, {"Btn_FireEditor", 890}, {"Btn_FireBasic", 891},
    {"lbl_FireEmpty", 892},
    // Long-press options of the button page
    {"IB_ComboKey1", 700}, {"IB_ComboKey2", 701}, {"IB_ComboKey3", 702},
    // Advanced page
    {"lbl_FireKey", 800}, {"lbl_Fire_Count", 801}, {"lbl_Fire_Time", 802},
    {"lbl_Fire_Continue", 803}, {"lbl_Mouse_Speed", 804}, {"lbl_Is_Control", 805},
    {"lbl_Double_Click", 806}, {"lbl_Roller_Speed", 807}, {"lbl_Roll_All_Screen", 808},
    {"lbl_DPI_Setting", 809}, {"lbl_DPI_Value", 810}, {"lbl_DPI_Note", 811},
    {"lbl_DPI1", 849}, {"lbl_DPI2", 850}, {"lbl_DPI3", 851}, {"lbl_DPI4", 852},
    {"lbl_DPI5", 853}, {"lbl_DPI6", 854}, {"lbl_DPI7", 855},
    // Light page
    {"lbl_LED_Status", 812},
    {"lbl_LEDOn", 813}, {"lbl_LCPIOn", 813}, {"lbl_B4CPIOn", 813},
    {"lbl_LEDOff", 814}, {"lbl_LCPIOff", 814}, {"lbl_B4CPIOff", 814},
    {"lbl_LLED_Status", 815}, {"lbl_MCPI_Status", 816}, {"lbl_Led_Light", 817},
    {"lbl_SaveKeyMode", 818}, {"lbl_NoSaveKeyMode", 819}, {"lbl_Led_Mode", 820},
    {"lbl_MCULEDMode1", 821}, {"lbl_MCULEDMode2", 822}, {"lbl_MCULEDMode3", 823},
    {"lbl_MCULEDMode4", 824}, {"lbl_MCULEDMode5", 825}, {"lbl_MCULEDMode6", 826},
    {"lbl_MCULEDMode7", 827},
    {"lbl_RBLEDMode1", 828}, {"lbl_RBLEDMode2", 829}, {"lbl_RBLEDMode3", 830},
    {"lbl_RBLEDMode4", 831}, {"lbl_RBLEDMode5", 832}, {"lbl_RBLEDMode6", 833},
    {"lbl_RBLEDMode7", 834},
    {"lbl_LED_Effect_Setting", 856}, {"lbl_LED_Effect_Slow", 857}, {"lbl_LED_Effect_Fast", 858},
    {"lbl_LED_Count", 880},
    // Macro page and gun page captions
    {"lbl_Marco_List", 835}, {"lbl_Marco_Content", 836}, {"lbl_Record_Delay", 837},
    {"lbl_Delay_Setting", 838}, {"lbl_No_Delay", 839}, {"lbl_MS", 840},
    {"lbl_Stop_Release", 841}, {"lbl_Stop_Over", 842},
    {"lbl_Fire_Marco_Stop_Release", 843}, {"lbl_Fire_Marco_Count", 844},
    {"lbl_Fire_Marco_Y", 845}, {"lbl_Fire_Marco_Y_Offset", 846},
    {"lbl_Fire_Marco_Delay", 847}, {"lbl_Fire_Marco_Color", 848},
    // The footer of pages 1-5
    {"lbl_Footer_1", 980}, {"lbl_Footer_2", 980}, {"lbl_Footer_3", 980}, {"lbl_Footer_4", 980},
    {"lbl_Footer_5", 980},
};

constexpr int kInsertListIds[] = {410, 411, 412, 413, 446, 447, 440, 441, 442, 443};
constexpr int kFireInsertListIds[] = {410, 411, 446, 447, 440, 441, 442, 443};

constexpr std::string_view kListsWithLanguageFont[] = {
    "LB_PCMacroName", "LB_MacroName", "LB_macro", "LB_FireMacroName", "LB_FireMacro",
    "CB_Insert", "CB_InsertFire", "LB_Name", "LB_Script",
};

std::string PageCopy(std::string_view base, int page)
{
    return std::string(base) + std::to_string(page);
}

} // namespace

std::string MenuEntryCaption(const LanguageTexts& texts, int strId)
{
    return " " + texts.Str(kMenuPrefixId) + " " + texts.Str(strId);
}

std::vector<ControlCaption> LanguageCaptions(const LanguageTexts& texts)
{
    std::vector<ControlCaption> captions;
    for (const Binding& b : kFourPageButtons) {
        for (int page = 1; page <= kPageCopies; ++page)
            captions.push_back({PageCopy(b.control, page), texts.Str(b.strId)});
    }
    for (const Binding& b : kMenuEntries)
        captions.push_back({std::string(b.control), MenuEntryCaption(texts, b.strId)});
    for (const FixedKeyCode& k : kFixedKeyCodes)
        captions.push_back({std::string(k.entry), MenuEntryCaption(texts, k.strId)});
    for (const Binding& b : kPageCaptions)
        captions.push_back({std::string(b.control), texts.Str(b.strId)});
    return captions;
}

std::vector<ControlItems> LanguageListItems(const LanguageTexts& texts)
{
    std::vector<ControlItems> lists;
    lists.push_back({"CB_Insert", {}});
    for (int id : kInsertListIds)
        lists.back().items.push_back(texts.Str(id));
    lists.push_back({"CB_InsertFire", {}});
    for (int id : kFireInsertListIds)
        lists.back().items.push_back(texts.Str(id));
    return lists;
}

std::vector<std::string> LanguageFontControls()
{
    std::vector<std::string> controls;
    for (const ControlCaption& caption : LanguageCaptions(LanguageTexts{}))
        controls.push_back(caption.control);
    for (int key = 1; key <= 9; ++key)
        controls.push_back("Key" + std::to_string(key));
    for (int page = 1; page <= kPageCopies; ++page)
        controls.push_back(PageCopy("Btn_Engineer_", page));
    for (std::string_view list : kListsWithLanguageFont)
        controls.emplace_back(list);
    return controls;
}

} // namespace tarq
