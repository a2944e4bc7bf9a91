// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The advanced page's system pointer settings: the speed, double-click and wheel sliders and
// the precision and one-screen check pictures. It reads the settings from the system's store
// into its controls, and writes and applies them whenever the user changes one.
//
// Controls a store cannot change (wheel lines on a Linux desktop; everything on a desktop
// without a known settings schema) are disabled, and lbl_PointerHint says why.

#include <QList>
#include <QObject>
#include <QString>


#include "settings/PointerSettings.h"

class QSlider;

namespace tarq {

class PointerSettingsStore;
struct AppContext;
struct PointerSettingsControls;

class PointerSettingsEditor : public QObject {
    Q_OBJECT
public:
    // None is owned; `app` gives the language texts.
    PointerSettingsEditor(const AppContext& app, PointerSettingsControls& controls, PointerSettingsStore& store);

    // Connects the sliders and check labels and shows which settings the store can change.
    void Wire();
    // Reads speed, precision and double-click time into the state and the controls.
    void RefreshMouseSystemParameterA();
    // Reads the wheel lines and one-screen scrolling.
    void RefreshMouseSystemParameterB();
    // Writes speed, precision and double-click time to the store.
    void ChangedMouseSystemParameterA();
    // Writes the wheel lines.
    void ChangedMouseSystemParameterB();
    // Both writers, then the values to the running system.
    void ApplyMouseSystemParameters();

    // Mouse released on a slider, x pixels from its left edge: snap, take the level, apply.
    void slider_SpdMouseUp(int x);
    void slider_DbSpdMouseUp(int x);
    void slider_SrcSpdMouseUp(int x);
    // Click on a check picture: toggle, apply.
    void lbl_IsControlClick();
    void lbl_IsScreenClick();

    const PointerSettings& State() const { return state_; }

    // Words why settings are missing in the current language (after each language change).
    void ShowHintText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int Snap(QSlider* slider, int x);
    void ShowPrecision();
    void ShowOneScreen();
    void ShowAvailability();
    void PlaceHint();

    const AppContext& app_;
    PointerSettingsControls& controls_;
    PointerSettingsStore& store_;
    PointerSettings state_;
    QList<QWidget*> unavailable_;   // the controls of the settings the store lacks
};

} // namespace tarq
