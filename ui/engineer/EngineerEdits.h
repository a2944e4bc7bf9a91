// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The engineer tab's own edit rules: each fire macro colour edit (edt_FireMacroColor1R ...
// edt_FireMacroColor10B) keeps 0-255, and each Y-offset edit (edt_YOffset1 ... edt_YOffset10)
// keeps a signed byte, -128..127. The rules run on every change of the text, whoever made it.

class QObject;

namespace tarq {

struct EngineerTabControls;

class EngineerEdits {
public:
    explicit EngineerEdits(const EngineerTabControls& tab);

    // Connect before the settings bindings, so that the model takes the corrected text.
    void Wire();

    // edt_FireMacroColor<macro><R|G|B>Change; macro 1-10, channel 0 red, 1 green, 2 blue.
    void edt_FireMacroColorChange(int macro, int channel);
    // The change handler of every Y-offset edit: the edit is the one that sent the change.
    void TLRefreshYOffset(const QObject* sender);

private:
    const EngineerTabControls& tab_;
};

} // namespace tarq
