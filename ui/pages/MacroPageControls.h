// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro page's controls as its builder made them, for the macro page's subsystems
// (MacroEditor, MacroRecording, MacroImportExport, MacroLibraryStore). Names in comments are the
// controls' objectNames, which the skin, layout and caption passes use.

#include <array>

#include "ui/pages/SkinControls.h"

class QComboBox;
class QFrame;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tarq {

class TIntEdit;
class TKVRNEdit;
class TSkinLabel;

struct MacroPageControls {
    QWidget* page = nullptr;               // gbPage4
    // ---- the lists ----
    QListWidget* macroNames = nullptr;     // LB_PCMacroName
    QListWidget* pageNames = nullptr;      // LB_MacroName (hidden twin of the macro list)
    QListWidget* events = nullptr;         // LB_macro

    // ---- record and new macro ----
    TSkinLabel* newButton = nullptr;       // Btn_New
    SkinButtonControls start;              // Btn_Start over Img_Start

    // ---- the delay and release box ----
    QFrame* delayBox = nullptr;            // Gb_Delay
    std::array<SkinChoiceControls, 3> delayChoices{};   // rec delay, fixed delay, no delay
    TIntEdit* delay = nullptr;             // Edt_Delay
    SkinChoiceControls releaseStop;        // Img/IB/rb_ReleaseStop
    SkinChoiceControls releaseContinue;    // Img/IB_ReleaseContiue, rb_ReleaseContinue
    TSkinLabel* recordScope = nullptr;     // lbl_RecordScope
    // The box's captions on the page (hidden with it while the insert panel is open).
    std::array<TSkinLabel*, 6> delayCaptions{};

    // ---- the insert panel ----
    TSkinLabel* insertBase = nullptr;      // Img_InsertBase
    QFrame* insertPanel = nullptr;         // Gb_Insert
    QComboBox* insertKind = nullptr;       // CB_Insert
    TSkinLabel* insertDelayLabel = nullptr;   // lbl_Delay
    TIntEdit* insertDelay = nullptr;       // Edt_InsertDelay
    TSkinLabel* insertDelayUnit = nullptr;    // lbl_s_A
    std::array<SkinChoiceControls, 3> insertChoices{};  // rec delay, fixed delay, no delay
    SkinButtonControls insertStart;        // Btn_InsertStart over Img_InsertStart
    TSkinLabel* repeatLabel = nullptr;     // lbl_Repeat
    TIntEdit* repeat = nullptr;            // edt_Repeat
    TSkinLabel* xLabel = nullptr;          // lbl_XAxisValue
    TKVRNEdit* x = nullptr;                // edt_XAxisValue
    TSkinLabel* yLabel = nullptr;          // lbl_YAxisValue
    TKVRNEdit* y = nullptr;                // edt_YAxisValue
    TSkinLabel* ok = nullptr;              // Btn_OK
    TSkinLabel* cancel = nullptr;          // Btn_Cancel

    // ---- hidden views of the macro script and its hex dump ----
    QPlainTextEdit* scriptMemo = nullptr;  // mmo_macro
    QPlainTextEdit* writeMemo = nullptr;   // mmo_wrscript

    // ---- context panels (on the form) ----
    QFrame* macroMenu = nullptr;           // Pnl_PCMacro
    TSkinLabel* newMacro = nullptr;        // Btn_NewMacro
    TSkinLabel* newName = nullptr;         // Btn_NewName
    TSkinLabel* deleteMacro = nullptr;     // Btn_DelPCMacro
    TSkinLabel* importOne = nullptr;       // Btn_ImportOne
    TSkinLabel* importAll = nullptr;       // Btn_Import
    TSkinLabel* exportOne = nullptr;       // Btn_ExportOne
    TSkinLabel* exportAll = nullptr;       // Btn_Export
    QFrame* eventMenu = nullptr;           // Pnl_DevContent
    TSkinLabel* editEvent = nullptr;       // Btn_Edit
    TSkinLabel* deleteEvent = nullptr;     // Btn_Del
    TSkinLabel* insertEvent = nullptr;     // Btn_Insert

    // ---- controls of other pages that follow the macro library, handed in by the window ----
    QWidget* fireEventMenu = nullptr;      // Pnl_DevFireContent, closed with the panels above
    QListWidget* assignmentNames = nullptr;   // LB_Name: the macro names of the button menus
    QPushButton* importBaseMacro = nullptr;   // Btn_ImportBaseMacro on the engineer page
};

} // namespace tarq
