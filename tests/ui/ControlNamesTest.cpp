// SPDX-License-Identifier: GPL-2.0-or-later
// Every control the pages are addressed by exists on the real main form, once, with the kind
// its name promises; the menus carry their entries, tags, heights and widths.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "app/Main.h"
#include "support/BareForm.h"
#include "ui/HexEdit.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"

using namespace tarq;

namespace {

// "Img_DPI" 1..7 -> Img_DPI1 .. Img_DPI7, with an optional suffix after the number.
QStringList Range(const QString& prefix, int first, int last, const QString& suffix = {})
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names << prefix + QString::number(n) + suffix;
    return names;
}

QStringList RgbNames(const QString& prefix, int count)
{
    QStringList names;
    for (int n = 1; n <= count; ++n)
        for (const char* c : {"R", "G", "B"})
            names << prefix + QString::number(n) + c;
    return names;
}

QStringList FrameAndPageButtons()
{
    QStringList names;
    for (const char* button : {"Confirm_", "Apply_", "Confirm1_", "Exit_", "Confirm2_", "Confirm3_",
                               "Mini_", "Read_", "Main_", "Second_", "Adv_", "Breath_", "Macro_",
                               "Save_", "Load_", "Lang1_", "Lang2_", "Lang3_", "Engineer_", "Web_"})
        for (const char* kind : {"Img_", "Btn_"})
            names << Range(QLatin1String(kind) + QLatin1String(button), 1, 4);
    return names;
}

QStringList ShellAndNavigation()
{
    return QStringList{"gbPage1", "gbPage2", "gbPage3", "gbPage4", "gbPage5", "gbPage6",
                       "rb_1", "rb_2", "rb_4", "rb_5", "rb_6", "rb_7", "rb_Lang1", "rb_Lang2",
                       "rb_Lang3", "lbl_Notes", "lbl_Content", "Btn_Close"}
           + Range("Disable_All_", 1, 4) + Range("Img_Base_", 1, 5) + Range("Img_P", 1, 5)
           + FrameAndPageButtons();
}

QStringList ButtonPage()
{
    return Range("Key", 1, 9) + Range("Img_Key", 1, 9) + Range("IB_ComboKey", 1, 3)
           + Range("Img_ComboKey", 1, 3);
}

QStringList AdvancedPage()
{
    return QStringList{"lbl_FireKey", "lbl_Fire_Count", "lbl_Fire_Time", "lbl_Fire_Continue",
                       "Edt_Repeat1", "Edt_DelayTime1", "Img_FireContinue", "lbl_FireContinue",
                       "cb_IsFireContinue", "lbl_Mouse_Speed", "lbl_Is_Control", "lbl_Double_Click",
                       "lbl_Roller_Speed", "lbl_Roll_All_Screen", "slider_Spd", "slider_DbSpd",
                       "slider_SrcSpd", "Img_IsControl", "Img_IsScreen", "lbl_IsControl",
                       "lbl_IsScreen", "cb_IsControl", "cb_IsScreen", "lbl_DPI_Setting",
                       "lbl_DPI_Value", "lbl_DPI_Note", "cbb_DPICount", "slider_DPI8",
                       "lbl_AIMKeyValue"}
           + Range("lbl_Spd", 1, 11) + Range("lbl_DbSpd", 1, 11) + Range("lbl_ScrSpd", 1, 11)
           + Range("lbl_DPI", 1, 7) + Range("Img_DPI", 1, 7) + Range("lbl_DPI", 1, 7, "Value")
           + Range("slider_DPI", 1, 7) + Range("cs_DPI", 1, 7, "Col") + Range("Img_DPI", 1, 7, "Col")
           + Range("lbl_DPI", 1, 7, "Col") + Range("Img_DPI7_", 1, 11);
}

QStringList LightPage()
{
    QStringList names{"lbl_LED_Status", "lbl_LLED_Status", "lbl_MCPI_Status", "lbl_Led_Light",
                      "lbl_Led_Mode", "lbl_LED_Effect_Setting", "lbl_LED_Effect_Slow",
                      "lbl_LED_Effect_Fast", "slider_Breath_Speed"};
    for (const char* choice : {"LEDOn", "LEDOff", "LCPIOn", "LCPIOff", "B4CPIOn", "B4CPIOff",
                               "MCULED3Control", "MCULED6Control", "SaveKeyMode", "NoSaveKeyMode"})
        names << QStringLiteral("Img_%1").arg(choice) << QStringLiteral("lbl_%1").arg(choice);
    return names + Range("Img_MCULEDMode", 1, 7) + Range("lbl_MCULEDMode", 1, 7)
           + Range("Img_RBLEDMode", 1, 7) + Range("lbl_RBLEDMode", 1, 7)
           + Range("Img_MCULEDStep_", 1, 8) + Range("Img_MCULEDNum_", 1, 10)
           + Range("lbl_MCULEDStep_", 1, 8) + Range("lbl_MCULEDNum_", 1, 10);
}

QStringList MacroPage()
{
    return {"LB_PCMacroName", "LB_MacroName", "LB_macro", "lbl_Marco_List", "lbl_Marco_Content",
            "Pnl_PCMacro", "Btn_NewMacro", "Btn_NewName", "Btn_DelPCMacro", "Btn_ImportOne",
            "Btn_Import", "Btn_ExportOne", "Btn_Export", "Btn_New", "Img_New", "Btn_Start",
            "Img_Start", "Pnl_DevContent", "Btn_Edit", "Btn_Del", "Btn_Insert", "Gb_Delay",
            "IB_RecDelay", "IB_DelayTime", "IB_NoDelay", "rb_RecDelay", "rb_DelayTime",
            "rb_NoDelay", "Edt_Delay", "IB_ReleaseStop", "IB_ReleaseContiue", "Img_ReleaseStop",
            "Img_ReleaseContiue", "rb_ReleaseStop", "rb_ReleaseContinue", "lbl_Record_Delay",
            "lbl_Delay_Setting", "lbl_No_Delay", "lbl_MS", "lbl_Stop_Release", "lbl_Stop_Over",
            "Gb_Insert", "Img_InsertBase", "CB_Insert", "lbl_Delay", "Edt_InsertDelay", "lbl_s_A",
            "IB_InsertRecDelay", "IB_InsertDelayTime", "IB_InsertNoDelay", "rb_InsertRecDelay",
            "rb_InsertDelayTime", "rb_InsertNoDelay", "Btn_InsertStart", "Img_InsertStart",
            "lbl_Repeat", "edt_Repeat", "lbl_XAxisValue", "edt_XAxisValue", "lbl_YAxisValue",
            "edt_YAxisValue", "Btn_OK", "Img_OK", "Btn_Cancel", "Img_Cancel", "mmo_macro",
            "mmo_wrscript"};
}

QStringList GunPageNames()
{
    QStringList names{"Btn_FireConfirm", "Img_FireConfirm", "Btn_FireExit", "Img_FireExit",
                      "lbl_Fire_Marco_Stop_Release", "lbl_Fire_Marco_Count", "lbl_Fire_Marco_Y",
                      "lbl_Fire_Marco_Y_Offset", "lbl_Fire_Marco_Delay", "lbl_Fire_Marco_Color",
                      "LB_FireMacroName", "LB_FireMacro", "Btn_FireStart", "Img_FireStart",
                      "GB_FireDelay", "Img_FireDelay", "IB_FireRecDelay", "IB_FireDelayTime",
                      "IB_FireNoDelay", "LED_FireRecDelay", "LED_FireDelayTime", "LED_FireNoDelay",
                      "rb_FireRecDelay", "rb_FireDelayTime", "rb_FireNoDelay", "Edt_FireDelay",
                      "IB_FireReleaseStop", "IB_FireReleaseContiue", "Img_FireReleaseStop",
                      "Img_FireReleaseContiue", "rb_FireReleaseStop", "rb_FireReleaseContinue",
                      "Pnl_DevFireContent", "Btn_FireEdit", "Btn_FireDel", "Btn_FireInsert",
                      "Gb_InsertFire", "Img_FireInsert", "CB_InsertFire", "lbl_FireDelay",
                      "Edt_InsertFireDelay", "lbl_Fires_A", "lbl_FireRepeat", "edt_FireRepeat",
                      "lbl_FireXAxisValue", "edt_FireXAxisValue", "lbl_FireYAxisValue",
                      "edt_FireYAxisValue", "Btn_FireOK", "Img_FireOK", "Btn_FireCancel",
                      "Img_FireCancel"};
    names += Range("Btn_Fire", 1, 7) + Range("Img_Fire", 1, 7) + Range("rb_Fire", 1, 7)
             + Range("Img_GunMode", 1, 5);
    for (const char* prefix : {"Edt_FireCnt", "Edt_FireX", "Edt_FireY", "Edt_FireTime", "cs_FireColor",
                               "IB_FireColor", "Img_FireColor", "cb_FireRKFS", "Img_FireRKFS",
                               "lbl_FireRKFS"})
        names += Range(prefix, 1, 3);
    return names + Range("Edt_FireY", 1, 3, "Offset");
}

QStringList EngineerPageNames()
{
    QStringList names{"Img_Logo4", "Img_Result", "Img_Error", "Btn_Main_6", "Btn_Switch_6",
                      "Btn_Adv_6", "Btn_Breath_6", "Btn_Macro_6", "Btn_Engineer_6", "btn_TestKeys",
                      "Btn_Load_6", "Btn_Save_6", "btn_Write", "Btn_ImportBaseMacro",
                      "Btn_ImportGunMacro", "Btn_Default", "Pg_Parameter", "ts_Operator",
                      "ts_Engineer", "gbLEDType", "rb_MCULED", "rb_RBLED", "rb_SyncLED",
                      "rb_BreLED", "gbLEDStatus", "gbB4CPI", "gbLCPI", "rb_LEDOn", "rb_LEDOff",
                      "rb_B4CPIOn", "rb_B4CPIOff", "rb_LCPIOn", "rb_LCPIOff", "gbFireFn",
                      "rb_FireFnOn", "rb_FireFnOff", "gbFireMode", "cb_FireCount", "edt_FireTime",
                      "lbl_FireCount", "lbl_FireTime", "gbMCULEDControlMode", "rb_MCULED3Control",
                      "rb_MCULED6Control", "gbMCULEDCPIColor", "lbl_VendorID", "edt_VendorID",
                      "lbl_ProductID", "edt_ProductID", "gbMCULEDCurrent", "edt_MCULEDNum",
                      "cb_MCULEDCurrentMode", "edt_MCULEDCrtStep", "gbRBLEDMode",
                      "cb_RBLEDCurrentMode", "gbSwitchFn", "cb_MidPress", "cb_CPIPress",
                      "cb_GunPress", "gbSaveKeyMode", "rb_Save", "rb_NoSave", "lbl_SensorOri",
                      "cb_SensorOri", "gbKeys", "rb_6Keys", "rb_9Keys", "gbCPI", "cb_CPIStep",
                      "cb_CurrentCPI", "lbl_TLAIMKey", "cb_AIMKeyValue", "lbl_KeyMode",
                      "cb_KeyMode", "gbKeyMode1", "gbKeyMode2", "cb_Smooth", "gbGunParam",
                      "LB_ScriptName", "cb_SOSStartIndex", "cb_SOSNumber", "btn_AddScript",
                      "btn_DelScript", "lbl_VendorID_Rd", "edt_VendorID_Rd", "lbl_ProductID_Rd",
                      "edt_ProductID_Rd", "gbMCULEDMode", "gbFireMacroColor", "gbFireMacroYOffset"};
    return names + RgbNames("edt_CPI", 7) + RgbNames("lbl_CPI", 7) + Range("lbl_CPI", 3, 7)
           + Range("cb_CPI", 1, 7) + Range("rb_DPI", 1, 7) + Range("btn_Key", 101, 109)
           + Range("btn_Key", 201, 209) + Range("lbl_Key", 101, 109) + Range("lbl_Key", 201, 209)
           + Range("cb_Mode", 1, 7) + RgbNames("edt_FireMacroColor", 10) + RgbNames("lbl_FireMacroColor", 10)
           + Range("edt_YOffset", 1, 10) + Range("lbl_YOffset", 1, 10);
}

QStringList Menus()
{
    return {"Pnl_Main", "Pnl_MseKey", "Pnl_Special", "Pnl_CPIKey", "Pnl_Media", "Pnl_WWW",
            "Pnl_MyPC", "LB_Name", "LB_Script", "ST_Standard", "ST_Special", "ST_Media", "ST_WWW",
            "ST_MyPC", "ST_Macro", "ST_TLFireMacro", "ST_CPIKey"};
}

struct MenuEntry {
    const char* panel;
    const char* entry;
    int tag;
    const char* text;
};

// Every entry of the menus with the tag that names its function and its language-1 text.
const MenuEntry kEntries[] = {
    {"Pnl_Main", "Key_Standard", 1, "Standard Mouse Keys"}, {"Pnl_Main", "Key_Special", 2, "Special Keys"},
    {"Pnl_Main", "Key_Media", 3, "Media"}, {"Pnl_Main", "Key_WWW", 4, "Web"},
    {"Pnl_Main", "Key_MyPC", 5, "Others"}, {"Pnl_Main", "Key_Assembly", 0, "User-defined"},
    {"Pnl_Main", "Key_Macro", 7, "Base Macro"}, {"Pnl_Main", "Key_FireMacro", 11, "Fire Macro"},
    {"Pnl_Main", "Key_TLFireMacro", 13, "Fire Macro"},
    {"Pnl_MseKey", "Key_Left", 900, "Left Click"}, {"Pnl_MseKey", "Key_Right", 901, "Right Click"},
    {"Pnl_MseKey", "Key_Middle", 902, "Middle Click"}, {"Pnl_MseKey", "Key_B4", 903, "Back"},
    {"Pnl_MseKey", "Key_B5", 904, "Forward"},
    {"Pnl_Special", "Key_CPIKey", 6, "DPI"}, {"Pnl_Special", "Key_Fire", 1000, "Fire Key"},
    {"Pnl_Special", "Key_AIMKey", 1002, "AIM"}, {"Pnl_Special", "Key_LEDMode", 1006, "LED Mode"},
    {"Pnl_Special", "Key_LEDSwitch", 1001, "LED ON/OFF"}, {"Pnl_Special", "Key_KeyMode", 1005, "Key Mode Switch"},
    {"Pnl_Special", "Key_KeyOff", 1004, "Key Off"}, {"Pnl_Special", "Key_FnFire", 1003, "Gun Key Fn"},
    {"Pnl_CPIKey", "Key_CPI", 2000, "DPI Loop"}, {"Pnl_CPIKey", "Key_CPII", 2001, "DPI +"},
    {"Pnl_CPIKey", "Key_CPID", 2002, "DPI -"},
    {"Pnl_Media", "Key_PlayPause", 1300, "Play/Pause"}, {"Pnl_Media", "Key_Stop", 1301, "Stop"},
    {"Pnl_Media", "Key_PreviousTrack", 1302, "Previous Track"}, {"Pnl_Media", "Key_NextTrack", 1303, "Next Track"},
    {"Pnl_Media", "Key_VolumePlus", 1304, "Volume +"}, {"Pnl_Media", "Key_VolumeMinus", 1305, "Volume -"},
    {"Pnl_Media", "Key_Mute", 1306, "Mute"},
    {"Pnl_WWW", "Key_WWWHome", 1400, "Home"}, {"Pnl_WWW", "Key_WWWSearch", 1401, "Search"},
    {"Pnl_WWW", "Key_WWWBack", 1402, "Web Back"}, {"Pnl_WWW", "Key_WWWForward", 1403, "Web Forward"},
    {"Pnl_WWW", "Key_WWWStop", 1404, "Stop"}, {"Pnl_WWW", "Key_WWWRefresh", 1405, "Refresh"},
    {"Pnl_WWW", "Key_WWWFavorites", 1406, "Favorites"},
    {"Pnl_MyPC", "Key_Computer", 1100, "My Computer"}, {"Pnl_MyPC", "Key_Calculator", 1101, "Calculator"},
    {"Pnl_MyPC", "Key_Desktop", 1103, "Desktop"}, {"Pnl_MyPC", "Key_EMail", 1102, "E-Mail"},
};

} // namespace

class ControlNamesTest : public QObject {
    Q_OBJECT
private slots:
    void everyNamedControlExistsOnce_data();
    void everyNamedControlExistsOnce();
    void controlsAreOfTheirKind();
    void menusCarryTheirEntries();
};

void ControlNamesTest::everyNamedControlExistsOnce_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("shell and navigation") << ShellAndNavigation();
    QTest::newRow("button page") << ButtonPage();
    QTest::newRow("advanced page") << AdvancedPage();
    QTest::newRow("light page") << LightPage();
    QTest::newRow("macro page") << MacroPage();
    QTest::newRow("gun page") << GunPageNames();
    QTest::newRow("engineer page") << EngineerPageNames();
    QStringList entries;
    for (const MenuEntry& e : kEntries)
        entries << e.entry;
    QTest::newRow("menus") << Menus() + entries;
}

void ControlNamesTest::everyNamedControlExistsOnce()
{
    QFETCH(QStringList, names);
    tarq::testing::BareForm form;
    QStringList missing;
    QStringList doubled;
    for (const QString& name : names) {
        const auto found = form.findChildren<QWidget*>(name);
        if (found.isEmpty())
            missing << name;
        else if (found.size() > 1)
            doubled << name;
    }
    QVERIFY2(missing.isEmpty(), qPrintable("missing: " + missing.join(' ')));
    QVERIFY2(doubled.isEmpty(), qPrintable("more than once: " + doubled.join(' ')));
}

void ControlNamesTest::controlsAreOfTheirKind()
{
    tarq::testing::BareForm form;
    // The numeric edits of the engineer page take digits only.
    QStringList intEdits{"edt_VendorID", "edt_ProductID", "edt_VendorID_Rd", "edt_ProductID_Rd",
                         "edt_FireTime", "edt_MCULEDNum", "edt_MCULEDCrtStep"};
    intEdits += RgbNames("edt_CPI", 7) + RgbNames("edt_FireMacroColor", 10);
    for (const QString& name : intEdits)
        QVERIFY2(form.control<TIntEdit>(name), qPrintable(name));
    for (const QString& name : Range("cs_DPI", 1, 7, "Col") + Range("cs_FireColor", 1, 3))
        QVERIFY2(form.control<TRectShape>(name) && !form.control<TRectShape>(name)->shadow(), qPrintable(name));
    for (const QString& name : QStringList{"rb_1", "rb_2", "rb_4", "rb_5", "rb_6", "rb_7"})
        QVERIFY(form.control<QRadioButton>(name) && !form.control(name)->isVisibleTo(&form));
    for (const QString& name : Range("btn_Key", 101, 109) + Range("btn_Key", 201, 209))
        QVERIFY2(form.control<QPushButton>(name), qPrintable(name));
    for (const QString& name : FrameAndPageButtons())
        QVERIFY2(form.control<TSkinLabel>(name), qPrintable(name));
    QVERIFY(form.control<QTabWidget>("Pg_Parameter"));
    QVERIFY(form.control<QListWidget>("LB_PCMacroName"));
    QVERIFY(form.control<QSlider>("slider_DPI8"));
    QVERIFY(form.control<QCheckBox>("cb_MidPress"));
    QVERIFY(form.control<QComboBox>("cb_KeyMode"));
    QVERIFY(form.control<QGroupBox>("gbKeyMode2"));
    // Hidden until wanted.
    for (const char* name : {"Btn_Engineer_1", "Btn_Engineer_6", "btn_TestKeys", "Btn_Default", "Btn_ImportGunMacro", "rb_9Keys"})
        QVERIFY2(!form.control(name)->isVisibleTo(&form), name);
    QVERIFY(!form.control("btn_TestKeys")->isEnabled());
    QCOMPARE(form.control("Pg_Parameter")->geometry(), QRect(6, 66, 979, 484));
    QCOMPARE(form.control("Btn_Close")->geometry(), QRect(955, 8, 15, 15));
    QCOMPARE(form.control("Img_Result")->geometry(), QRect(904, 8, 40, 40));
}

void ControlNamesTest::menusCarryTheirEntries()
{
    tarq::testing::BareForm form;
    struct Panel {
        const char* name;
        int height;
        int width;
    };
    // Widths from the layout (M_L_W, SP_L_W, O_L_W); heights as in the office view.
    const Panel panels[] = {{"Pnl_Main", 170, form.State().Style.menuWidth1}, {"Pnl_Special", 170, form.State().Style.menuWidth2},
                            {"Pnl_MseKey", 122, form.State().Style.menuWidth3}, {"Pnl_CPIKey", 74, form.State().Style.menuWidth3},
                            {"Pnl_Media", 170, form.State().Style.menuWidth3}, {"Pnl_WWW", 170, form.State().Style.menuWidth3},
                            {"Pnl_MyPC", 74, form.State().Style.menuWidth3}};
    QCOMPARE(form.State().Style.menuWidth1, 190);
    QCOMPARE(form.State().Style.menuWidth2, 166);
    QCOMPARE(form.State().Style.menuWidth3, 154);
    for (const Panel& p : panels) {
        QWidget* panel = form.control(p.name);
        QCOMPARE(panel->size(), QSize(p.width, p.height));
    }
    QHash<QString, int> nextTop;
    for (const MenuEntry& e : kEntries) {
        auto* entry = form.control<QLabel>(e.entry);
        QVERIFY2(entry, e.entry);
        QCOMPARE(entry->parentWidget()->objectName(), QString(e.panel));
        QCOMPARE(entry->property("tag").toInt(), e.tag);
        QCOMPARE(entry->text(), QStringLiteral(" * ") + e.text);
        QCOMPARE(entry->height(), 24);
        const QString entryName = e.entry;
        if (entryName == "Key_TLFireMacro")
            QCOMPARE(entry->y(), 169);   // shares the place of the button page's fire entry
        else if (entryName == "Key_EMail")
            QCOMPARE(entry->y(), 173);   // below the panel: never shown
        else {
            const int top = nextTop.value(e.panel, 1);
            QCOMPARE(entry->y(), top);
            nextTop[e.panel] = top + 24;
        }
    }
}

QTEST_MAIN(ControlNamesTest)
#include "ControlNamesTest.moc"
