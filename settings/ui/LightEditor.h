// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Light page's editing handlers and their engineer-page partners: the switch pairs (LED
// on/off, the two chords, brightness, key-mode memory), the MCU and RB mode pictures, the
// breathing speed slider and speed bar (edt_MCULEDCrtStep), the LED count bar
// (edt_MCULEDNum). The values go into the settings model (SettingsMapping::Model()) that the
// next Apply packs.
// Showing them from an image stays in LightDisplay (reached through SettingsMapping::Light()).

#include <QObject>
#include <QString>

#include "ui/pages/LightPageControls.h"

namespace tarq {

class SettingsMapping;
struct EngineerSettingsControls;

class LightEditor : public QObject {
public:
    // `engineer`: the engineer page's partners of the Light page.
    LightEditor(const EngineerSettingsControls& engineer, SettingsMapping& settings, const LightPageControls& page);

    // Connects this editor's controls.
    void Wire();

    // Switch `pair` (LED on/off, the DPI button's on/off chord, its mode chord, brightness,
    // key-mode memory) set to its first or second side on the Light page: the model takes the
    // choice, and the engineer radio buttons and the pictures show it.
    void SwitchClick(int pair, bool first);
    // Its engineer radio button was clicked (the model took it): the pictures follow.
    void RadioClick(int pair, bool first);

    void lbl_MCULEDModeClick(int mode);   // modes 1-7
    void lbl_RBLEDModeClick(int mode);
    void edt_MCULEDCrtStepChange();
    void edt_MCULEDNumChange();
    void edt_MCULEDNumExit();
    void MCULEDStep_OnClick(int segment);   // 1-8
    void MCULEDNum_OnClick(int segment);    // 1-10
    void slider_Breath_SpeedMouseUp(int x);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeyModeKept(bool kept);
    // The breathing speed step (0-7) into the model, shown on both pages.
    void SpeedStepChosen(int step);

    const EngineerSettingsControls& engineer_;
    SettingsMapping& settings_;
    const LightPageControls& page_;
};

} // namespace tarq
