#pragma once
// The gun page's fire macro editor: the fire macro file (LoadFireMacroFile at start-up), the
// fire macro name and record lists, and writing a fire macro into the fire macro area.

namespace tarq {

class Controls;
class WindowServices;
struct FormState;

class FireMacroEditor {
public:
    FireMacroEditor(FormState& state, Controls& controls, WindowServices& window);

    // Connects this editor's controls.
    void Wire();

private:
    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
};

} // namespace tarq
