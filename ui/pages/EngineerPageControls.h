// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The engineer page (page 6) as BuildEngineerPage creates it: the banner and its marks, the two
// button rows, the operator tab with the settings controls (a view of the settings model, see
// config/ui/SettingsBindings) and the engineer tab. Numbered controls are arrays: number n is
// index n - 1.

#include "config/EngineerSettings.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace tarq {

class TSkinLabel;

// Two radio buttons that show one setting, the first for "on".
struct RadioPair {
    QRadioButton* on = nullptr;
    QRadioButton* off = nullptr;
};

// The operator tab's settings: lighting, fire key, switch functions, DPI levels, codes and the
// key buttons of the two key modes.
struct EngineerSettingsControls {
    static constexpr int kKeysPerMode = 9;
    static constexpr int kLongPressOptions = 3;
    using Rgb = std::array<QLineEdit*, 3>;   // R, G, B

    QGroupBox* ledTypeGroup = nullptr;                      // gbLEDType
    std::array<QRadioButton*, 4> ledTypes{};                // rb_MCULED, rb_RBLED, rb_SyncLED, rb_BreLED
    RadioPair ledOn;                                        // rb_LEDOn, rb_LEDOff
    RadioPair ledOnOffChord;                                // rb_B4CPIOn, rb_B4CPIOff
    QGroupBox* ledModeChordGroup = nullptr;                 // gbLCPI
    RadioPair ledModeChord;                                 // rb_LCPIOn, rb_LCPIOff
    RadioPair keepKeyMode;                                  // rb_Save, rb_NoSave
    RadioPair fireFn;                                       // rb_FireFnOn, rb_FireFnOff
    QComboBox* fireCount = nullptr;                         // cb_FireCount
    QLineEdit* fireTime = nullptr;                          // edt_FireTime
    QGroupBox* brightnessGroup = nullptr;                   // gbMCULEDControlMode
    RadioPair fullBrightness;                               // rb_MCULED3Control, rb_MCULED6Control
    RadioPair keyCount;                                     // rb_6Keys, rb_9Keys
    std::array<QCheckBox*, kLongPressOptions> longPress{};  // cb_MidPress, cb_CPIPress, cb_GunPress

    QGroupBox* mcuCurrentGroup = nullptr;                   // gbMCULEDCurrent
    QLineEdit* mcuLedCount = nullptr;                       // edt_MCULEDNum
    QComboBox* mcuCurrentMode = nullptr;                    // cb_MCULEDCurrentMode
    QLineEdit* mcuLedStep = nullptr;                        // edt_MCULEDCrtStep
    QGroupBox* rbModeGroup = nullptr;                       // gbRBLEDMode
    QComboBox* rbCurrentMode = nullptr;                     // cb_RBLEDCurrentMode

    QGroupBox* levelColourGroup = nullptr;                  // gbMCULEDCPIColor
    std::array<Rgb, kDpiLevelSlots> levelColours{};         // edt_CPI1R .. edt_CPI7B
    std::array<std::array<QLabel*, 3>, kDpiLevelSlots> levelColourCaptions{};   // lbl_CPI1R ..
    QComboBox* levelCount = nullptr;                        // cb_CPIStep, items "2"-"7"
    QComboBox* currentLevel = nullptr;                      // cb_CurrentCPI, items "1"-"7"
    std::array<QLabel*, kDpiLevelSlots> levelCaptions{};    // lbl_CPI1 .. 7
    std::array<QComboBox*, kDpiLevelSlots> levels{};        // cb_CPI1 .. 7
    std::array<QRadioButton*, kDpiLevelSlots> levelMarks{}; // rb_DPI1 .. 7 (hidden)

    QLineEdit* vendorCode = nullptr;                        // edt_VendorID
    QLineEdit* productCode = nullptr;                       // edt_ProductID
    QLabel* orientationCaption = nullptr;                   // lbl_SensorOri
    QComboBox* orientation = nullptr;                       // cb_SensorOri
    QComboBox* aimLevel = nullptr;                          // cb_AIMKeyValue
    QComboBox* keyMode = nullptr;                           // cb_KeyMode
    QCheckBox* smooth = nullptr;                            // cb_Smooth

    std::array<QGroupBox*, 2> keyModeGroups{};              // gbKeyMode1, gbKeyMode2
    // btn_Key101 .. 109 (key mode 1), btn_Key201 .. 209 (key mode 2)
    std::array<std::array<QPushButton*, kKeysPerMode>, 2> keys{};
};

// The engineer tab, offered once the page is unlocked.
struct EngineerTabControls {
    static constexpr int kFireMacros = 10;
    static constexpr int kMcuModes = 7;
    using Rgb = std::array<QLineEdit*, 3>;   // R, G, B

    QWidget* tab = nullptr;                                 // ts_Engineer
    QListWidget* scriptNames = nullptr;                     // LB_ScriptName: the gun key list
    QComboBox* sosStart = nullptr;                          // cb_SOSStartIndex
    QComboBox* sosCount = nullptr;                          // cb_SOSNumber
    QPushButton* addScript = nullptr;                       // btn_AddScript
    QPushButton* deleteScript = nullptr;                    // btn_DelScript
    QLineEdit* vendorRead = nullptr;                        // edt_VendorID_Rd
    QLineEdit* productRead = nullptr;                       // edt_ProductID_Rd
    std::array<QCheckBox*, kMcuModes> mcuModes{};           // cb_Mode1 .. 7: the MCU modes offered
    std::array<Rgb, kFireMacros> fireColours{};             // edt_FireMacroColor1R .. 10B
    std::array<QLineEdit*, kFireMacros> yOffsets{};         // edt_YOffset1 .. 10
};

struct EngineerPageControls {
    TSkinLabel* banner = nullptr;                           // Img_Logo4 (double click unlocks)
    TSkinLabel* close = nullptr;                            // Btn_Close
    TSkinLabel* result = nullptr;                           // Img_Result
    TSkinLabel* error = nullptr;                            // Img_Error

    // First row: the view buttons, then the key test.
    QPushButton* office = nullptr;                          // Btn_Main_6
    QPushButton* game = nullptr;                            // Btn_Switch_6
    QPushButton* advanced = nullptr;                        // Btn_Adv_6
    QPushButton* light = nullptr;                           // Btn_Breath_6
    QPushButton* macro = nullptr;                           // Btn_Macro_6
    QPushButton* engineer = nullptr;                        // Btn_Engineer_6 (hidden until wanted)
    QPushButton* testKeys = nullptr;                        // btn_TestKeys
    // Second row: the commands.
    QPushButton* load = nullptr;                            // Btn_Load_6
    QPushButton* save = nullptr;                            // Btn_Save_6
    QPushButton* write = nullptr;                           // btn_Write
    QPushButton* importBaseMacro = nullptr;                 // Btn_ImportBaseMacro
    QPushButton* importGunMacro = nullptr;                  // Btn_ImportGunMacro
    QPushButton* defaults = nullptr;                        // Btn_Default

    QTabWidget* tabs = nullptr;                             // Pg_Parameter
    QWidget* operatorTab = nullptr;                         // ts_Operator
    EngineerSettingsControls settings;
    EngineerTabControls engineerTab;

    TSkinLabel* notesCaption = nullptr;                     // lbl_Notes
    TSkinLabel* notes = nullptr;                            // lbl_Content: the hint line
};

} // namespace tarq
