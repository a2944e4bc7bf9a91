#pragma once
// Button assignment: the function menu's entries (Pnl_Main and its sub-menus) put a key
// function on the button the navigation opened the menu for (Navigation::MenuKeyNumber on the
// button page, EngineerKeyNumber and Origin on the engineer page), into OfficeKeyCodes or
// GameKeyCodes and DataBuf. Its two key dialogs are TForm2 (settings/ui/Unit2) and TForm5
// (settings/ui/Unit5).

namespace tarq {

class Controls;
class Navigation;
class SettingsMapping;
class WindowServices;
struct FormState;

class AssignmentEditor {
public:
    AssignmentEditor(FormState& state, Controls& controls, WindowServices& window, Navigation& nav, SettingsMapping& settings);

    // Connects this editor's controls.
    void Wire();

private:
    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
    Navigation& nav_;
    SettingsMapping& settings_;
};

} // namespace tarq
