// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The fire key setting of the Advanced page and its engineer-page partners: the shot count
// (Edt_Repeat1, cb_FireCount), the interval (Edt_DelayTime1, edt_FireTime) and continuous fire
// (Img_FireContinue / lbl_FireContinue over the hidden cb_IsFireContinue). The values go into
// the settings model (SettingsMapping::Model()) that the next Apply packs; showing them from an
// image stays in SettingsMapping.

#include <QObject>

namespace tarq {

class SettingsMapping;
struct EngineerSettingsControls;
struct FireKeyControls;

class FireKeyEditor : public QObject {
public:
    // `engineer`: the engineer page's fire key controls.
    FireKeyEditor(const EngineerSettingsControls& engineer, SettingsMapping& settings, const FireKeyControls& page);

    // Connects this setting's controls.
    void Wire();

    void Edt_Repeat1Change();
    void Edt_DelayTime1Change();
    void edt_FireTimeChange();
    void cb_FireCountChange();
    void lbl_FireContinueClick();

private:
    void SetContinuous(bool on);

    const EngineerSettingsControls& engineer_;
    SettingsMapping& settings_;
    const FireKeyControls& page_;
};

} // namespace tarq
