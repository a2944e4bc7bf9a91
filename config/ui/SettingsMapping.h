// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The settings controls and DataBuf: the engineer page's controls are the working model of
// parameter sections A and B and of the fire tables. UIToDataBuf reads them before every
// write; DataBufToUI sets them, and the user pages they drive, after every read. The byte
// rules are in config/EngineerSettings.h; this class only moves values between controls and
// that struct, and runs the DPI and lighting display steps (settings/ui/DpiDisplay.h,
// settings/ui/LightDisplay.h) that showing an image needs. Showing never writes DataBuf.

#include "config/AimKeys.h"
#include "config/EngineerSettings.h"
#include "device/CpiAndLedRecord.h"
#include "settings/ui/DpiDisplay.h"
#include "settings/KeyCodeNames.h"
#include "settings/ui/LightDisplay.h"

#include <QColor>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace tarq {

class Controls;
class WindowServices;
struct FormState;

class SettingsMapping {
public:
    SettingsMapping(FormState& state, Controls& controls, WindowServices& window);
    ~SettingsMapping();

    // Connects the user's changes of the controls whose handlers live here: the MCU modes
    // offered (TLRefreshMCULEDMode), the current-mode boxes, the level count box. Call once the
    // controls exist.
    void Wire();

    // Steps of the navigation that showing an image runs (the navigation holds this class, so
    // it is reached through a hook).
    struct Hooks {
        // The page buttons drawn plain, then the view of key mode 2 (game) or 1 (office).
        std::function<void(bool game)> showKeyModeView;
    };
    Hooks hooks;

    // ---- controls to DataBuf ----
    EngineerSettings ReadControls() const;
    void UIToDataBuf();
    void AIMKeyToDataBuf();
    // Driver mode: the shorter refresh before Apply (key mode, current level, fire key, DPI
    // values and level count, AIM and fire-key buttons), with fresh checksums.
    void DriverModeRefresh();

    // ---- DataBuf to controls ----
    void DataBufToUI();
    // The whole display refresh, in order: the engineer-page controls (switches, LED type, DPI
    // levels, MCU LED, LED state, AIM and key buttons, fire tables), then the DPI page, the fire
    // key, the Light page, the AIM slider, the long-press options and the key mode page.
    void RefreshUI();
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
    // What the controls say for the record of a driver-mode Apply.
    CpiAndLedInputs RecordInputs() const;

    // Names of key-function codes in the current language, over the form's state.
    const KeyCodeNameSource& Names() const;
    ButtonNames NamesOf(const ButtonKeyCodes& codes) const;

    // The DPI levels and the lighting controls, with the form-level display state they keep
    // (level count, current level, shown speed step and LED count).
    DpiDisplay& Dpi() { return dpi_; }
    LightDisplay& Light() { return light_; }

private:
    // Parts of RefreshUI, grouped by the controls they set.
    void ShowSwitchControls(const EngineerSettings& s);     // chords, orientation, long presses
    void ShowLedTypeFromImage(const EngineerSettings& s);   // LED type radio and its controls
    void ShowDpiLevelCount(int countIndex);                 // both level count boxes
    void ShowMcuLedControls(const EngineerSettings& s);     // MCU LED count, modes, brightness
    void ShowDpiControls(const EngineerSettings& s);        // level values, colours, current level
    void ShowLedStateControls(const EngineerSettings& s);   // LED on/off, current modes and step
    void ShowFireTables(const EngineerSettings& s);         // fire key, colours and Y offsets
    void ShowAdvancedFireKey();                             // the Advanced page's fire key
    void ShowLongPressPictures();                           // the button page's long-press boxes
    void ShowKeyModePage();                                 // the key mode's view
    // The LED type radio button's click handler: that type's controls, and the DPI colour
    // swatches for the MCU LED only.
    void RunLedTypeClick(LedType type);
    std::optional<int> AimDpiIndexOfProfile() const;
    void ShowKeyNames(const ButtonKeyCodes& codes, const QString& prefix, int firstNumber);

    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
    std::unique_ptr<KeyCodeNameSource> names_;
    DpiDisplay dpi_;
    LightDisplay light_;

public:
    // What the gun page reads and changes on the pages this class shows: the caption of button
    // `k` (1-9) on the button page, and the engineer page's copies of fire macro record
    // `record`'s colour and Y offset.
    QString ButtonCaption(int k) const;
    void SetButtonCaption(int k, const QString& text);
    QColor FireColour(int record) const;
    void SetFireColour(int record, const QColor& colour);
    void SetYOffset(int record, int offset);
};

} // namespace tarq
