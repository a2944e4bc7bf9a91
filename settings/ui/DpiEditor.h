#pragma once
// The DPI page's editing handlers: the level sliders (slider_DPI1MouseUp .. slider_DPI7MouseUp),
// the level marks and colour swatches, and the level count, which write the chosen values into
// DataBuf. Showing the levels stays in DpiDisplay (reached through SettingsMapping::Dpi()),
// which never writes DataBuf.

namespace tarq {

class Controls;
class SettingsMapping;
class WindowServices;
struct FormState;

class DpiEditor {
public:
    DpiEditor(FormState& state, Controls& controls, WindowServices& window, SettingsMapping& settings);

    // Connects this editor's controls.
    void Wire();

private:
    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
    SettingsMapping& settings_;
};

} // namespace tarq
