// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The DPI page's editing handlers and their engineer-page partners: the level count
// (cbb_DPICount, cb_CPIStep, the level labels), the current level (the level marks,
// cb_CurrentCPI), the level values (the sliders and cb_CPI1 .. cb_CPI7), the level colours
// (the swatches with the colour dialog, edt_CPI1R .. edt_CPI7B) and the AIM value
// (slider_DPI8, cb_AIMKeyValue). The values go into the settings model (SettingsMapping::Model())
// that the next Apply packs; only the AIM buttons' codes are written into DataBuf at once.
// Showing the levels stays in DpiDisplay (reached through SettingsMapping::Dpi()).

#include <QColor>
#include <QObject>

#include <functional>
#include <optional>

class QLabel;
class QSlider;

namespace tarq {

class SettingsMapping;
class WindowServices;
struct DpiPageControls;
struct EngineerSettingsControls;
struct ConfigurationState;
struct AppContext;

class DpiEditor : public QObject {
public:
    // `engineer`: the engineer page's partners of the DPI page.
    DpiEditor(ConfigurationState& config, const AppContext& app, const EngineerSettingsControls& engineer, WindowServices& window,
              SettingsMapping& settings, const DpiPageControls& page);

    // Connects this editor's controls.
    void Wire();

    // ---- handlers, level n = 1..7 ----
    void cbb_DPICountChange();
    void DPILevel_OnClick(int level);
    void CurrentDPI_OnClick(int level);
    void cb_CurrentCPIChange();
    void cb_CPIChange(int level);                 // cb_CPI1Change .. cb_CPI7Change
    void slider_DPIChange(int level);             // slider_DPI1Change .. slider_DPI8Change
    void slider_DPIMouseUp(int level, int x);     // slider_DPI1MouseUp .. slider_DPI7MouseUp
    void slider_DPI8MouseUp(int x);
    void cb_AIMKeyValueChange();
    void edt_CPIColourChange(int level, int channel); // edt_CPI1RChange .. edt_CPI7BChange
    void lbl_DPIColClick(int level);              // lbl_DPI1ColClick .. lbl_DPI7ColClick

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The level count c (2-7) written back to both count boxes and applied.
    void ApplyLevelCount(int count);
    // Every AIM button of either key mode takes the AIM value index; false when there is none.
    bool WriteAimButtons(int index);
    void NoAimButton();
    // The AIM value the slider came to rest on: shown, kept and written into the AIM buttons.
    void AimValueChosen(int index);
    void RepaintSwatch(int level);
    // The DPI page's slider 1-8 (8: AIM) and the value label beside it.
    QSlider* SliderOf(int level) const;
    QLabel* ValueLabelOf(int level) const;
    // Level n's value (a kDpiValues position; -1 for none) into the model.
    void SetLevelValue(int level, int index);

    ConfigurationState& config_;
    const AppContext& app_;
    const EngineerSettingsControls& engineer_;
    WindowServices& window_;
    SettingsMapping& settings_;
    const DpiPageControls& page_;
    QObject* pressedSlider_ = nullptr;   // the slider under a mouse press, until its release
    bool aimMovedByKeys_ = false;        // the AIM slider's next value change came from keys or wheel
};

} // namespace tarq
