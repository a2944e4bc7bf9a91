// SPDX-License-Identifier: GPL-2.0-or-later
// The engineer page's typed controls point at the controls of the names the skin, the layout
// and the captions use: a member mixed up with its neighbour (the two chord switches, a level's
// channels) would show one setting in another's place.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/SkinLabel.h"
#include <QWidget>

#include "ui/pages/EngineerPageControls.h"
#include "ui/pages/Pages.h"

using namespace tarq;

namespace {

struct Expect {
    const QObject* control;
    const char* name;
};

QString Named(const QObject* control) { return control ? control->objectName() : QStringLiteral("<none>"); }

TEST(EngineerPageControls, EveryMemberIsTheControlOfItsName)
{
    ASSERT_TRUE(qApp);
    QWidget page;
    const EngineerPageControls c = pages::BuildEngineerPage(&page);
    const EngineerSettingsControls& s = c.settings;
    const EngineerTabControls& t = c.engineerTab;
    const Expect table[] = {
        {c.banner, "Img_Logo4"}, {c.close, "Btn_Close"}, {c.result, "Img_Result"}, {c.error, "Img_Error"},
        {c.office, "Btn_Main_6"}, {c.game, "Btn_Switch_6"}, {c.advanced, "Btn_Adv_6"},
        {c.light, "Btn_Breath_6"}, {c.macro, "Btn_Macro_6"}, {c.engineer, "Btn_Engineer_6"},
        {c.testKeys, "btn_TestKeys"}, {c.load, "Btn_Load_6"}, {c.save, "Btn_Save_6"}, {c.write, "btn_Write"},
        {c.importBaseMacro, "Btn_ImportBaseMacro"}, {c.importGunMacro, "Btn_ImportGunMacro"},
        {c.defaults, "Btn_Default"}, {c.tabs, "Pg_Parameter"}, {c.operatorTab, "ts_Operator"},
        {c.notesCaption, "lbl_Notes"}, {c.notes, "lbl_Content"},
        {s.ledTypeGroup, "gbLEDType"}, {s.ledTypes[0], "rb_MCULED"}, {s.ledTypes[3], "rb_BreLED"},
        {s.ledOn.on, "rb_LEDOn"}, {s.ledOn.off, "rb_LEDOff"},
        {s.ledOnOffChord.on, "rb_B4CPIOn"}, {s.ledOnOffChord.off, "rb_B4CPIOff"},
        {s.ledModeChordGroup, "gbLCPI"}, {s.ledModeChord.on, "rb_LCPIOn"}, {s.ledModeChord.off, "rb_LCPIOff"},
        {s.keepKeyMode.on, "rb_Save"}, {s.keepKeyMode.off, "rb_NoSave"},
        {s.fireFn.on, "rb_FireFnOn"}, {s.fireFn.off, "rb_FireFnOff"},
        {s.fireCount, "cb_FireCount"}, {s.fireTime, "edt_FireTime"},
        {s.brightnessGroup, "gbMCULEDControlMode"},
        {s.fullBrightness.on, "rb_MCULED3Control"}, {s.fullBrightness.off, "rb_MCULED6Control"},
        {s.keyCount.on, "rb_6Keys"}, {s.keyCount.off, "rb_9Keys"},
        {s.longPress[0], "cb_MidPress"}, {s.longPress[1], "cb_CPIPress"}, {s.longPress[2], "cb_GunPress"},
        {s.mcuCurrentGroup, "gbMCULEDCurrent"}, {s.mcuLedCount, "edt_MCULEDNum"},
        {s.mcuCurrentMode, "cb_MCULEDCurrentMode"}, {s.mcuLedStep, "edt_MCULEDCrtStep"},
        {s.rbModeGroup, "gbRBLEDMode"}, {s.rbCurrentMode, "cb_RBLEDCurrentMode"},
        {s.levelColourGroup, "gbMCULEDCPIColor"}, {s.levelColours[0][0], "edt_CPI1R"},
        {s.levelColours[6][2], "edt_CPI7B"}, {s.levelColourCaptions[2][1], "lbl_CPI3G"},
        {s.levelCount, "cb_CPIStep"}, {s.currentLevel, "cb_CurrentCPI"},
        {s.levelCaptions[4], "lbl_CPI5"}, {s.levels[4], "cb_CPI5"}, {s.levelMarks[6], "rb_DPI7"},
        {s.vendorCode, "edt_VendorID"}, {s.productCode, "edt_ProductID"},
        {s.orientationCaption, "lbl_SensorOri"}, {s.orientation, "cb_SensorOri"},
        {s.aimLevel, "cb_AIMKeyValue"}, {s.keyMode, "cb_KeyMode"}, {s.smooth, "cb_Smooth"},
        {s.keyModeGroups[1], "gbKeyMode2"}, {s.keys[0][0], "btn_Key101"}, {s.keys[1][8], "btn_Key209"},
        {t.tab, "ts_Engineer"}, {t.scriptNames, "LB_ScriptName"}, {t.sosStart, "cb_SOSStartIndex"},
        {t.sosCount, "cb_SOSNumber"}, {t.addScript, "btn_AddScript"}, {t.deleteScript, "btn_DelScript"},
        {t.vendorRead, "edt_VendorID_Rd"}, {t.productRead, "edt_ProductID_Rd"},
        {t.mcuModes[6], "cb_Mode7"}, {t.fireColours[9][2], "edt_FireMacroColor10B"},
        {t.fireColours[2][1], "edt_FireMacroColor3G"}, {t.yOffsets[9], "edt_YOffset10"},
    };
    for (const Expect& e : table)
        EXPECT_EQ(Named(e.control).toStdString(), e.name);

    // Every array slot is filled.
    for (const auto& rgb : s.levelColours)
        for (QLineEdit* edit : rgb)
            EXPECT_NE(edit, nullptr);
    for (const auto& row : s.keys)
        for (QPushButton* key : row)
            EXPECT_NE(key, nullptr);
    for (const auto& rgb : t.fireColours)
        for (QLineEdit* edit : rgb)
            EXPECT_NE(edit, nullptr);
    for (QCheckBox* mode : t.mcuModes)
        EXPECT_NE(mode, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
