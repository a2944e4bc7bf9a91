#pragma once
// The engineer page (page 6): what the logo's double click unlocks (Img_Logo4DblClick: the
// engineer tab, the default and gun-macro import buttons, the LED type and sensor orientation
// controls). The key test (btn_TestKeys with TestTimer's countdown) and the page's remaining
// handlers belong here. Its settings controls are read and set by SettingsMapping.

namespace tarq {

class Controls;
struct FormState;

class EngineerPage {
public:
    EngineerPage(FormState& state, Controls& controls);

    // Connects the double click on the logo.
    void Wire();

    void Img_Logo4DblClick();

private:
    FormState& state_;
    Controls& controls_;
};

} // namespace tarq
