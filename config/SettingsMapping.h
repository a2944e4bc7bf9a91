#pragma once
// The settings controls and DataBuf: the engineer page's controls are the working model of
// parameter sections A and B and of the fire tables. UIToDataBuf reads them before every
// write; DataBufToUI sets them, and the user pages they drive, after every read. The byte
// rules are in config/EngineerSettings.h; this class only moves values between controls and
// that struct.

#include "config/AimKeys.h"
#include "config/EngineerSettings.h"
#include "device/CpiAndLedRecord.h"
#include "settings/KeyCodeNames.h"

#include <QString>

#include <array>
#include <memory>

namespace tarq {

class TForm1;

class SettingsMapping {
public:
    explicit SettingsMapping(TForm1& form);
    ~SettingsMapping();

    // ---- controls to DataBuf ----
    EngineerSettings ReadControls() const;
    void UIToDataBuf();
    void AIMKeyToDataBuf();
    // Driver mode: the shorter refresh before Apply (key mode, current level, fire key, DPI
    // values and level count, AIM and fire-key buttons), with fresh checksums.
    void DriverModeRefresh();

    // ---- DataBuf to controls ----
    void DataBufToUI();
    void RefreshUI();
    void TLRefreshMCULEDMode();
    void TLRefreshAIMKey();
    void TLRefreshProfile1Keys();
    void TLRefreshProfile2Keys();
    void RefreshAIMKey();
    void RefreshProfile1Keys();
    void RefreshProfile2Keys();

    // Driver-mode read: tick the LED type's radio button and run its click handler.
    void ShowLedType(const QString& ledTypeName);
    // Driver-mode read: the DPI and LED controls from the record (current level, smoothing,
    // LED mode, on/off, step and the breathing slider).
    void ShowCpiAndLedRecord(const CpiAndLedRecord& record);
    // What the controls say for the record of a driver-mode Apply.
    CpiAndLedInputs RecordInputs() const;

    // Names of key-function codes in the current language, over the form's state.
    const KeyCodeNameSource& Names() const;
    ButtonNames NamesOf(const ButtonKeyCodes& codes) const;

private:
    void WriteControls(const EngineerSettings& s);

    TForm1& form_;
    std::unique_ptr<KeyCodeNameSource> names_;
    EngineerSettings shown_; // what the controls showed last, for bytes they cannot show
};

} // namespace tarq
