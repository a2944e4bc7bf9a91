#pragma once
// The macro page: the macro library (LoadMacroLibrary at start-up), the macro name and event
// lists, the delay and insert panels (MacroInsertMode) and writing a macro into a macro page.
// Recording key and mouse input goes through macros/ui/MacroRecording.

namespace tarq {

class Controls;
class WindowServices;
struct FormState;

class MacroEditor {
public:
    MacroEditor(FormState& state, Controls& controls, WindowServices& window);

    // Connects this editor's controls.
    void Wire();

private:
    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
};

} // namespace tarq
