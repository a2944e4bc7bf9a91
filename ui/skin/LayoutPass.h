// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The layout pass: applies a layout configuration (resource "ORG1".."ORG3", section
// "org1".."org3") to the window: positions, sizes, visibility, fonts and colours of every
// skinned page, family by family. Controls are found below the root by object name; a control
// the tree does not have is skipped silently, so the pass also runs on a partial tree.
//
// A key that is missing or not a number does not stop the pass: the control that needed it
// is left as it was, the problem is recorded, and every later control is still laid out.

#include <QColor>
#include <QString>
#include <QStringList>

#include <vector>

#include "skin/ConfigText.h"
#include "skin/OrgConfiguration.h"

class QWidget;

namespace tarq {

// Marks the controls of the window frame that pages 1-4 each carry (frame, page and language
// buttons, background, busy overlay). Their own keys style all four copies alike, so the size
// and colour keys of a page group pass over them.
inline constexpr char kFrameControlProperty[] = "tarqFrameControl";

struct LayoutOptions {
    int languageIndex = 1;     // 1..3: which pictures, resource and section
    int currentPage = 1;       // 1..6: the page group whose page picture is refreshed
    bool gameMode = false;     // the game view is current (third long-press option)
    OrgConfiguration org;      // GD_Enable, Num_Order, DPI_Count, Web_X, Web_Y
};

// Layout values that other parts of the window read after the pass (menus, lists, the DPI
// sliders, the text buttons).
struct LayoutStyle {
    QColor menuFont;            // Color_G: menu entry at rest
    QColor menuBack;            // Color_G_Back
    QColor menuBorder;          // Color_G_Border
    QColor menuHoverFont;       // Color_G_SF: entry under the pointer
    QColor menuHoverBack;       // Color_G_SP
    int menuWidth1 = 190;       // M_L_W: Pnl_Main
    int menuWidth2 = 166;       // SP_L_W: Pnl_Special
    int menuWidth3 = 154;       // O_L_W: the other submenus
    QColor dpiSelected;         // Color_D_Selected: level label in use
    QColor dpiNotSelected;      // Color_D_notSelected
    QColor dpiBack;             // Color_D_Back
    QColor dpiBorder;           // Color_D_Border
    QColor sliderBack;          // Color_BG_Slider
    bool dpiCountVisible = false;   // DPI_Count_Visible = 1
    int dpiSliderMaximum = 1000;    // (DPI_Count - 1) x 100
    QColor macroFont;           // Color_F
    QColor macroListBack;       // Color_F_LBack
    QColor macroListBorder;     // Color_F_LBorder
    QColor textButtonFont;      // Color_F_Font: text buttons and edits at rest
    QColor textButtonBack;      // Color_F_Back
    QColor macroSelected;       // Color_MACRO: selected list line, hovered text button
    int macroNameHeight = 20;   // MacroNameHeight: item height of the macro lists
    int editPCMacroWidth = 0;   // Edit_PCMarco_Width: width of Pnl_PCMacro
    int keyWidth = 0;           // Key_Width
    QColor gunFont;             // Color_J_Font
    QColor gunBack;             // Color_J_Back
    QColor gunBorder;           // Color_J_Border
    QColor disabledText{114, 113, 113};   // text of a control that takes no input, on every page
};

// The selected row of a list that is locked for now: still shown, but faded most of the way
// into the list's background.
QColor LockedSelection(const QColor& selected, const QColor& back);

struct LayoutResult {
    LayoutStyle style;
    std::vector<ConfigProblem> problems;

    bool Ok() const { return problems.empty(); }
    // One line per problem: "ORG1 [org1] M_L_W: missing".
    QStringList ProblemLines() const;
};

// The org configuration from the resource "ORG" (ReadOrgConfiguration over its text); a
// missing resource is reported and gives the built-in values.
OrgReadResult ReadOrgConfigurationResource();

// The pass over an already parsed layout text; `resource` and `section` name it in problems.
LayoutResult ApplyLayout(QWidget* root, const ConfigText& layout, const QString& resource,
                         const QString& section, const LayoutOptions& options);

// The pass for options.languageIndex: resource "ORG<n>", section "org<n>". A missing resource
// or section is reported and leaves every control as it was.
LayoutResult ApplyLayout(QWidget* root, const LayoutOptions& options);

} // namespace tarq
