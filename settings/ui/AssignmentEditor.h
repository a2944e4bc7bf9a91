// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Button assignment: the function menu's entries (Pnl_Main and its sub-menus) put a key
// function on the button the navigation opened the menu for (Navigation::MenuKeyNumber on the
// button page, EngineerKeyNumber and Origin on the engineer page), into OfficeKeyCodes or
// GameKeyCodes and DataBuf. Its two key dialogs are TForm2 (settings/ui/Unit2) and TForm5
// (settings/ui/Unit5). Macros are assigned from the menu's macro list LB_Name: through a free
// base macro page in EEPROM mode, through the assigned driver macros in driver mode.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

#include "settings/ui/Unit2.h"

namespace tarq {

class Controls;
class Navigation;
class SettingsMapping;
class TForm2;
class TSkinLabel;
class WindowServices;
struct FormState;

class AssignmentEditor : public QObject {
    Q_OBJECT
public:
    AssignmentEditor(FormState& state, Controls& controls, WindowServices& window, Navigation& nav, SettingsMapping& settings);
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
    // Filled by the form: opens the gun page (built before this editor).
    std::function<void()> openGunPage;

    // --- the combination-key dialog ---
    void Key_AssemblyClick();
    void ApplyCombinationKey();
    TForm2* CombinationKeyDialog() const { return form2_; }

    // --- macros ---
    void LB_NameClick(int row);
    void ChangeProfile1StringForDriverMode(int row);

    // --- long-press options ---
    void IB_ComboKey1Click() { ToggleLongPress(1); }
    void IB_ComboKey2Click() { ToggleLongPress(2); }
    void IB_ComboKey3Click() { ToggleLongPress(3); }

private:
    // The button the menu was opened for: its caption control, key mode (1, 2) and number.
    struct Target {
        QString caption;
        QString siblingPrefix;   // "Key" or "btn_Key"
        int firstSibling = 1;    // 1, 101 or 201
        int keyMode = 1;
        int button = 0;          // 1..9; 0 when there is none
    };
    Target CurrentTarget() const;
    // The caption is set first; with `keepLeft`, a caption change that leaves no sibling with
    // the left-click name is undone with Str108 and nothing is stored. True when stored.
    bool Assign(const Target& t, const QString& name, const std::string& code, bool keepLeft);
    bool LeftClickShown(const Target& t) const;
    void RefuseForLeftClick(const Target& t);
    void StoreCode(const Target& t, const std::string& code);
    std::string& CodeOf(const Target& t);

    void Highlight(TSkinLabel* entry, bool on);
    void ShowSubmenu(TSkinLabel* entry, int tag);
    void ToggleLongPress(int option);
    void SetLongPress(int option, bool on);
    void AssignBaseMacro(int row);

    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
    Navigation& nav_;
    SettingsMapping& settings_;
    QPointer<TForm2> form2_;
};

} // namespace tarq
