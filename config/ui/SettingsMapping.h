// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The settings model (config/SettingsModel.h, held in the form's state) and the pages that
// show it. UIToDataBuf packs DataBuf from the model before every write; DataBufToUI fills the
// model from DataBuf after every read, reset or load and shows it: the engineer page's
// controls through the binding table (config/ui/SettingsBindings.h), the user pages through the
// DPI and lighting display steps (settings/ui/DpiDisplay.h, settings/ui/LightDisplay.h) and
// the button page's key captions and long-press marks. Each page is reached through its typed
// controls (ShownPages). The editors change the model and call ShowModel. Showing never writes
// DataBuf.

#include "config/AimKeys.h"
#include "config/SettingsModel.h"
#include "config/ui/SettingsBindings.h"
#include "device/CpiAndLedRecord.h"
#include "settings/ui/DpiDisplay.h"
#include "settings/KeyCodeNames.h"
#include "settings/ui/LightDisplay.h"
#include "ui/engineer/EngineerEdits.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace tarq {

struct ButtonPageControls;
struct EngineerSettingsControls;
struct EngineerTabControls;
struct FireKeyControls;
struct ConfigurationState;
struct AppContext;

class SettingsMapping {
public:
    // The controls of the pages that show the model.
    struct ShownPages {
        const EngineerSettingsControls& engineer;   // the engineer page's operator tab
        const EngineerTabControls& engineerTab;     // the MCU modes offered, fire colours, Y offsets
        const ButtonPageControls& buttons;          // the key captions and the long-press marks
        const DpiPageControls& dpi;
        const LightPageControls& light;
        const FireKeyControls& fireKey;
    };

    SettingsMapping(ConfigurationState& config, const AppContext& app, const ShownPages& pages);
    ~SettingsMapping();

    // Connects the user's changes of the controls whose handlers live here: the MCU modes
    // offered (TLRefreshMCULEDMode), the current-mode boxes, the level count box. Call once the
    // controls exist.
    void Wire();

    // Steps of the navigation that showing an image runs (the navigation holds this class, so
    // it is reached through a hook). Required: the form fills it before the first image.
    struct Hooks {
        // The page buttons drawn plain, then the view of key mode 2 (game) or 1 (office).
        std::function<void(bool game)> showKeyModeView;
    };
    Hooks hooks;

    // The model the pages show and the editors change.
    SettingsModel& Model();
    // The engineer page's controls from the model, after an editor changed it.
    void ShowModel();
    // The engineer tab's edit rules, then the connection from the engineer page's controls to
    // the model; call after every other Wire, so that an edit's own rule has corrected its text
    // before the model takes it.
    void WireBindings();

    // ---- model to DataBuf ----
    void UIToDataBuf();
    // The AIM buttons' codes for a write of the image.
    void AIMKeyToDataBuf();
    // Driver mode: the shorter refresh before Apply (key mode, current level, fire key, DPI
    // values and level count, AIM and fire-key buttons), with fresh checksums.
    void DriverModeRefresh();

    // ---- DataBuf to model and pages ----
    void DataBufToUI();
    // The whole display refresh, in order: the engineer-page controls (switches, LED type, DPI
    // levels, MCU LED, LED state, AIM and key buttons, fire tables), then the DPI page, the fire
    // key, the Light page, the AIM slider, the long-press options and the key mode page.
    void RefreshUI();
    // The MCU modes offered changed: the current-mode list names only those, and mode 1 is
    // current.
    void TLRefreshMCULEDMode();
    void TLRefreshAIMKey();
    void TLRefreshProfile1Keys();
    void TLRefreshProfile2Keys();
    void RefreshAIMKey();
    void RefreshProfile1Keys();
    void RefreshProfile2Keys();

    // Driver-mode read: tick the LED type's radio button and run its click handler. Sets
    // LedTypeName; a name that is no LED type changes nothing else.
    void ShowLedType(const QString& ledTypeName);
    // Driver-mode read: the DPI and LED controls from the record (current level, smoothing,
    // LED mode, on/off, step and the breathing slider).
    void ShowCpiAndLedRecord(const CpiAndLedRecord& record);
    // What the model says for the record of a driver-mode Apply.
    CpiAndLedInputs RecordInputs() const;

    // Names of key-function codes in the current language, over the form's state.
    const KeyCodeNameSource& Names() const;
    ButtonNames NamesOf(const ButtonKeyCodes& codes) const;

    // The DPI levels and the lighting controls, with the form-level display state they keep
    // (level count, current level, shown speed step and LED count).
    DpiDisplay& Dpi() { return dpi_; }
    LightDisplay& Light() { return light_; }

    // The long-press options 1-3 (middle button, DPI button, gun key) of the model. Setting one
    // shows it on the engineer page's switch boxes and the button page's marks; a click on a
    // switch box reaches the marks through the binding table.
    bool LongPress(int option) const;
    void SetLongPress(int option, bool on);

private:
    // The AIM buttons' codes from the AIM value; with the fire key's kind in the fire key
    // buttons' codes for the driver.
    void AimKeysInto(bool withFireKeyType);
    // The LED type the pages show for the model (the configuration's home decides between
    // the type the mouse reported and the image's).
    LedType ShownLedType(const SettingsModel& s) const;
    // The MCU current-mode list: the names of the modes offered, "------" for the others.
    void ShowMcuModeList();
    void ShowAdvancedFireKey();                             // the Advanced page's fire key
    void ShowLongPressPictures();                           // the button page's long-press marks
    void ShowKeyModePage();                                 // the key mode's view
    // The LED type radio button's click handler: that type's controls, and the DPI colour
    // swatches for the MCU LED only.
    void RunLedTypeClick(LedType type);
    std::optional<int> AimDpiIndexOfProfile() const;
    template <class Caption, size_t N>
    void ShowKeyNames(const ButtonKeyCodes& codes, const std::array<Caption*, N>& captions);

    ConfigurationState& config_;
    const AppContext& app_;
    ShownPages pages_;
    std::unique_ptr<KeyCodeNameSource> names_;
    EngineerEdits engineerEdits_;
    SettingsBindings bindings_;
    DpiDisplay dpi_;
    LightDisplay light_;
};

} // namespace tarq
