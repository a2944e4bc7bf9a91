// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The controls of the gun page (page 5) and of its fire macro editor, as BuildGunPage creates
// them. The gun page's subsystems reach their controls through this struct only; the names stay
// on the controls for the layout, caption and skin passes.

#include <array>

#include "ui/pages/SkinControls.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace tarq {

class TRectShape;
class TSkinLabel;

// One parameter column of the selected gun (columns 1-3).
struct GunColumnControls {
    TSkinLabel* number = nullptr;           // lbl_FireColumn<n>
    TSkinLabel* releasePicture = nullptr;   // Img_FireRKFS<n>
    TSkinLabel* releaseArea = nullptr;      // lbl_FireRKFS<n>
    QCheckBox* release = nullptr;           // cb_FireRKFS<n>
    QLineEdit* count = nullptr;             // Edt_FireCnt<n>
    QLineEdit* x = nullptr;                 // Edt_FireX<n>
    QLineEdit* y = nullptr;                 // Edt_FireY<n>
    QLineEdit* yOffset = nullptr;           // Edt_FireY<n>Offset
    QLineEdit* interval = nullptr;          // Edt_FireTime<n>
    TSkinLabel* colourFrame = nullptr;      // Img_FireColor<n>
    TRectShape* colour = nullptr;           // cs_FireColor<n>
    TSkinLabel* colourArea = nullptr;       // IB_FireColor<n>
};

struct FireMacroEditorControls {
    QFrame* card = nullptr;                 // Gb_FireEditor
    QListWidget* names = nullptr;           // LB_FireMacroName
    QListWidget* events = nullptr;          // LB_FireMacro
    SkinButtonControls start;               // FireStart
    // The recording panel: the delay modes and the release choice.
    TSkinLabel* delayPicture = nullptr;     // Img_FireDelay
    QFrame* delayPanel = nullptr;           // GB_FireDelay
    std::array<SkinChoiceControls, 3> delayModes;   // recorded, fixed, none
    QLineEdit* delay = nullptr;             // Edt_FireDelay
    SkinChoiceControls releaseStop;         // FireReleaseStop
    SkinChoiceControls releaseContinue;     // FireReleaseContinue
    // The insert panel.
    TSkinLabel* insertPicture = nullptr;    // Img_FireInsert
    QFrame* insertPanel = nullptr;          // Gb_InsertFire
    QComboBox* insertItem = nullptr;        // CB_InsertFire
    TSkinLabel* delayCaption = nullptr;     // lbl_FireDelay
    QLineEdit* insertDelay = nullptr;       // Edt_InsertFireDelay
    TSkinLabel* delayUnit = nullptr;        // lbl_Fires_A
    TSkinLabel* repeatCaption = nullptr;    // lbl_FireRepeat
    QLineEdit* repeat = nullptr;            // edt_FireRepeat
    TSkinLabel* xCaption = nullptr;         // lbl_FireXAxisValue
    QLineEdit* x = nullptr;                 // edt_FireXAxisValue
    TSkinLabel* yCaption = nullptr;         // lbl_FireYAxisValue
    QLineEdit* y = nullptr;                 // edt_FireYAxisValue
    SkinButtonControls ok;                  // FireOK
    SkinButtonControls cancel;              // FireCancel
    // The pop-up of the event list, on the form.
    QFrame* popup = nullptr;                // Pnl_DevFireContent
    TSkinLabel* edit = nullptr;             // Btn_FireEdit
    TSkinLabel* remove = nullptr;           // Btn_FireDel
    TSkinLabel* insert = nullptr;           // Btn_FireInsert
};

struct GunPageControls {
    static constexpr int kGuns = 7;
    static constexpr int kColumns = 3;
    static constexpr int kModeIcons = 5;
    static constexpr int kRowCaptions = 6;

    TSkinLabel* base = nullptr;                          // Img_Base_5
    std::array<TSkinLabel*, kGuns> gunButtons{};         // Btn_Fire1..7
    std::array<TSkinLabel*, kGuns> gunPictures{};        // Img_Fire1..7
    std::array<QRadioButton*, kGuns> gunRadios{};        // rb_Fire1..7
    std::array<TSkinLabel*, kModeIcons> modeIcons{};     // Img_GunMode1..5
    // Release, count, Y, Y offset, interval, colour.
    std::array<TSkinLabel*, kRowCaptions> rowCaptions{};
    std::array<GunColumnControls, kColumns> columns{};
    SkinButtonControls confirm;                          // FireConfirm
    SkinButtonControls exit;                             // FireExit
    SkinButtonControls editorButton;                     // FireEditor
    SkinButtonControls basic;                            // FireBasic
    TSkinLabel* emptyNote = nullptr;                     // lbl_FireEmpty
    FireMacroEditorControls editor;
};

} // namespace tarq
