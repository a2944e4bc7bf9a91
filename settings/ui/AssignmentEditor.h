// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Button assignment: the function menu's entries (Pnl_Main and its sub-menus) put a key
// function on the button the navigation opened the menu for (Navigation::MenuKeyNumber on the
// button page, EngineerKeyNumber and Origin on the engineer page), into OfficeKeyCodes or
// GameKeyCodes and DataBuf, and its name on the button's caption (the button page's label, or
// the engineer page's key button through EngineerPage). The combination key comes from the
// dialog TForm2 (settings/ui/Unit2). Macros are assigned from the menu's macro list LB_Name
// where the configuration's home puts them (ConfigurationHome::PlaceLibraryMacro: a base macro
// page in EEPROM mode, an assigned driver record in driver mode); the macro page's list of
// assigned macros shows the name (MacroEditor). The button
// page's long-press options toggle the settings model's long-press fields
// (SettingsMapping::SetLongPress shows them on both pages).

#include <QObject>
#include <QPointer>
#include <QString>

#include <initializer_list>
#include <string>

#include "settings/ui/Unit2.h"

namespace tarq {

class EngineerPage;
class GunPage;
class MacroEditor;
class Navigation;
class SettingsMapping;
class TForm2;
class TSkinLabel;
class WindowServices;
struct AppContext;
struct ButtonPageControls;
struct ConfigurationState;
struct MacroLibraries;
struct MenuControls;

class AssignmentEditor : public QObject {
    Q_OBJECT
public:
    // The subsystems are built before this editor; none is owned.
    struct Peers {
        Navigation& nav;
        SettingsMapping& settings;   // the long-press options of the settings model
        EngineerPage& engineer;      // the engineer page's key buttons
        GunPage& gun;                // the Fire Macro entry
        MacroEditor& macros;         // the macro page's list of assigned macros
    };
    // `config`: the key codes, DataBuf, the macro areas and the assigned driver macros it
    // writes, and where the configuration lives; `libraries`: the macros the menu offers;
    // `app`: texts, layout style and skin size.
    AssignmentEditor(ConfigurationState& config, const MacroLibraries& libraries, const AppContext& app,
                     ButtonPageControls& page, MenuControls& menus, WindowServices& window, Peers peers);
    ~AssignmentEditor() override;

    // Connects this editor's controls.
    void Wire();

    // --- menu entries ---
    void KeyByTagMouseEnter(TSkinLabel* entry);
    void KeyByTagMouseLeave(TSkinLabel* entry) { Highlight(entry, false); }
    void KeyStatusMouseEnter(TSkinLabel* entry) { Highlight(entry, true); }
    void KeyStatusMouseLeave(TSkinLabel* entry) { Highlight(entry, false); }
    void KeyStatus_AMouseEnter(TSkinLabel* entry);
    void KeyStatus_BMouseEnter(TSkinLabel* entry);
    void KeyStatusOnClick(TSkinLabel* entry);

    // --- the Fire Macro entry: the gun page for the button being edited ---
    void Key_FireMacroClick();

    // --- the combination-key dialog ---
    void Key_AssemblyClick();
    void ApplyCombinationKey();
    TForm2* CombinationKeyDialog() const { return form2_; }

    // --- macros: the library macro of a row of LB_Name ---
    void LB_NameClick(int row);

    // --- long-press options ---
    void IB_ComboKey1Click() { ToggleLongPress(1); }
    void IB_ComboKey2Click() { ToggleLongPress(2); }
    void IB_ComboKey3Click() { ToggleLongPress(3); }

private:
    // The button the menu was opened for: its caption control, key mode (1, 2) and number.
    struct Target {
        bool engineerPage = false;   // the engineer page's key buttons, else the button page's labels
        int keyMode = 1;
        int button = 0;              // 1..9; 0 when there is none
    };
    Target CurrentTarget() const;
    // The caption is set first; with `keepLeft`, a caption change that leaves no sibling with
    // the left-click name is undone with Str108 and nothing is stored. True when stored.
    bool Assign(const Target& t, const QString& name, const std::string& code, bool keepLeft);
    QString CaptionOf(const Target& t, int button) const;
    void SetCaption(const Target& t, const QString& name);
    bool LeftClickShown(const Target& t) const;
    void RefuseForLeftClick(const Target& t);
    void StoreCode(const Target& t, const std::string& code);
    std::string& CodeOf(const Target& t);

    void Highlight(TSkinLabel* entry, bool on);
    QWidget* SubmenuOf(int tag) const;
    void HideMenus(std::initializer_list<QWidget*> menus);
    void ShowSubmenu(TSkinLabel* entry, int tag);
    void ToggleLongPress(int option);

    ConfigurationState& config_;
    const MacroLibraries& libraries_;
    const AppContext& app_;
    ButtonPageControls& page_;
    MenuControls& menus_;
    WindowServices& window_;
    Peers peers_;
    Navigation& nav_;
    QPointer<TForm2> form2_;
};

} // namespace tarq
