// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The org configuration: the behaviour switches carried with the program (resource "ORG",
// section "org"), read once at start-up.

#include <string>
#include <string_view>
#include <vector>

#include "skin/ConfigText.h"

namespace tarq {

// The address the web button opens unless the org configuration names another one.
inline constexpr std::string_view kDefaultWebAddress = "https://tarq362a.example.org/";

// Every key of the org configuration, with its built-in value and already normalised.
struct OrgConfiguration {
    bool webEnable = false;          // Web_Enable: the web button opens `web` only when set
    std::string web{kDefaultWebAddress};  // Web
    int webX = 50;                   // Web_X: left edge of the web button
    int webY = 9480;                 // Web_Y: top edge; 9480 keeps it outside the window
    int revManuId = 0;               // Rev_Manu_ID: a second accepted manufacturer code
    int revProId = 0;                // Rev_Pro_ID: a second accepted product code
    std::string path;                // Path: folder of the data files; empty = program folder
    bool trEnable = false;           // TR_Enable: hovered captions roll
    bool gdEnable = false;           // GD_Enable: gun display; always off in driver mode
    bool dpiLedStatus = true;        // DPILED_Status: true = only the chosen step is lit
    int gun6Num = 2;                 // Gun6_Num: 1..2 fire macros for gun 6
    int gun7Num = 3;                 // Gun7_Num: 1..3 fire macros for gun 7
    int numOrder = 0;                // Num_Order: 0 numbers the LED count 1..10, 1 counts down
    int apMode = 0;                  // Ap_Mode: 0 EEPROM, 1 driver, 2 EEPROM and driver
    int dpiCount = 11;               // DPI_Count: 1..12 DPI values offered
    bool engineerEnable = false;     // Engineer_Enable: the engineer page button is shown

    // Every mode but the driver mode keeps the settings in the mouse.
    bool EepromMode() const { return apMode != 1; }
};

struct OrgReadResult {
    OrgConfiguration org;
    // Keys that were absent or not numbers; each of them kept its built-in value.
    std::vector<ConfigProblem> problems;
};

// Reads section "org" of an org configuration text. A key that is missing or not a number
// keeps its built-in value and is reported; the others are still read.
OrgReadResult ReadOrgConfiguration(std::string_view text, std::string_view resource = "ORG");

} // namespace tarq
