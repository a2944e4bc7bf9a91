#pragma once
// The lighting page's editing handlers: LED mode pictures, on/off, breathing speed slider and
// step bar, which write the chosen values into DataBuf. Showing them stays in LightDisplay
// (reached through SettingsMapping::Light()).

namespace tarq {

class Controls;
class SettingsMapping;
class WindowServices;
struct FormState;

class LightEditor {
public:
    LightEditor(FormState& state, Controls& controls, WindowServices& window, SettingsMapping& settings);

    // Connects this editor's controls.
    void Wire();

private:
    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
    SettingsMapping& settings_;
};

} // namespace tarq
