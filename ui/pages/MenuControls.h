// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The button-function menus, as their builder creates them on the form: the first level
// Pnl_Main, its submenus, and the two pop-up lists (macros and gun keys).

#include <QFrame>
#include <QListWidget>

#include <array>

namespace tarq {

class TSkinLabel;

struct MenuControls {
    QFrame* main = nullptr;          // Pnl_Main
    QFrame* mouseKeys = nullptr;     // Pnl_MseKey
    QFrame* special = nullptr;       // Pnl_Special
    QFrame* dpiKeys = nullptr;       // Pnl_CPIKey, opened from the special keys
    QFrame* media = nullptr;         // Pnl_Media
    QFrame* web = nullptr;           // Pnl_WWW
    QFrame* myComputer = nullptr;    // Pnl_MyPC
    QListWidget* macros = nullptr;   // LB_Name: the macro library's names
    QListWidget* gunKeys = nullptr;  // LB_Script: the gun key list, from the engineer page

    TSkinLabel* assembly = nullptr;           // Key_Assembly: the combination-key dialog
    TSkinLabel* fireMacro = nullptr;          // Key_FireMacro: the gun page
    TSkinLabel* engineerFireMacro = nullptr;  // Key_TLFireMacro: its place on the engineer page
    QWidget* engineerFireMacroMarker = nullptr;   // ST_TLFireMacro: the submenu mark beside it

    // The panels that hold entries assigning a fixed key code.
    std::array<QFrame*, 6> FixedCodePanels() const { return {mouseKeys, dpiKeys, media, web, special, myComputer}; }
};

} // namespace tarq
