// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The builders of the window's pages. Each creates the controls of one page with their names
// (objectName), captions in language 1 and starting places; behaviour is connected elsewhere.

#include "ui/pages/DpiPageControls.h"
#include "ui/pages/FireKeyControls.h"
#include "ui/pages/LightPageControls.h"
#include "ui/pages/FrameControls.h"

class QTabWidget;
class QWidget;

namespace tarq {
struct ButtonPageControls;
struct MenuControls;
struct PointerSettingsControls;
struct GunPageControls;
struct MacroPageControls;
struct EngineerPageControls;
struct EngineerTabControls;
} // namespace tarq

namespace tarq::pages {

// The background, page picture, frame buttons, page buttons, web button and busy overlay that
// every one of pages 1-4 carries, with the copy number `copy` (1..4) as the name suffix.
FrameControls BuildFrame(QWidget* page, int copy);
// The footer text under the background's footer rule, "lbl_Footer_<copy>" (the frame builds it
// on pages 1-4; the gun page, which shares the background, gets it from the form).
void BuildFooter(QWidget* page, int copy);
constexpr int kFooterStrId = 980;

ButtonPageControls BuildButtonPage(QWidget* page);    // page 1: button labels, long-press options
FireKeyControls BuildFireKeyControls(QWidget* page);   // page 2: fire key (build before the next)
PointerSettingsControls BuildPointerSettings(QWidget* page);   // page 2: system pointer settings
DpiPageControls BuildDpiControls(QWidget* page);       // page 2: DPI levels and AIM
LightPageControls BuildLightPage(QWidget* page);       // page 3
MacroPageControls BuildMacroPage(QWidget* page, QWidget* form);   // page 4, pop-ups on the form
GunPageControls BuildGunPage(QWidget* page, QWidget* form);   // page 5 with the fire macro editor
EngineerPageControls BuildEngineerPage(QWidget* page);   // page 6: banner, buttons, both tabs
EngineerTabControls BuildEngineerTab(QTabWidget* tabs);  // page 6: the engineer tab
MenuControls BuildMenus(QWidget* form);                // the button-function menus and lists

// Every control name a builder creates with a copy suffix, without the suffix: the frame and
// page buttons ("Apply_", "Main_", ...), in layout order.
extern const char* const kFrameButtons[];
extern const int kFrameButtonCount;

} // namespace tarq::pages
