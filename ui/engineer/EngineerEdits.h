// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The engineer tab's own edit rules: each fire macro colour edit (edt_FireMacroColor1R ...
// edt_FireMacroColor10B) keeps 0-255, and each Y-offset edit (edt_YOffset1 ... edt_YOffset10)
// keeps a signed byte, -128..127. The rules run on every change of the text, whoever made it.

#include <QString>

class QObject;

namespace tarq {

class Controls;

class EngineerEdits {
public:
    explicit EngineerEdits(Controls& controls);

    void Wire();

    // edt_FireMacroColor<macro><R|G|B>Change; channel 0 red, 1 green, 2 blue.
    void edt_FireMacroColorChange(int macro, int channel);
    // The change handler of every Y-offset edit: the edit is the one whose number follows
    // "edt_YOffset" in the sender's name.
    void TLRefreshYOffset(const QObject* sender);

private:
    Controls& controls_;
};

} // namespace tarq
