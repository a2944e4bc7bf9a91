// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The lighting settings of the model shown on the Light page and the engineer page: which
// controls the LED type offers, the mode pictures, the switch pictures, the speed and LED count
// bars and the breathing speed slider. None of this writes DataBuf or the model.

#include "config/ImageLayout.h"
#include "config/ParameterFields.h"
#include "ui/pages/LightPageControls.h"

#include <QString>

#include <array>
#include <optional>

namespace tarq {

struct ConfigurationState;
struct EngineerSettingsControls;
struct AppContext;

class LightDisplay {
public:
    static constexpr int kModes = 7;
    static constexpr int kSpeedSegments = 8;    // steps 0-7
    static constexpr int kCountSegments = 10;   // 4-13 LEDs
    static constexpr int kMinLedCount = 4;
    static constexpr int kMaxLedCount = 13;
    static constexpr int kMaxSpeedStep = 7;
    // The LED types in the order of the engineer page's radio buttons
    // (EngineerSettingsControls::ledTypes).
    static constexpr std::array<LedType, 4> kLedTypeOrder{LedType::Mcu, LedType::RedBlue, LedType::SevenColourSync,
                                                          LedType::SevenColourBreathing};

    // `engineer`: the engineer page's lighting groups.
    LightDisplay(ConfigurationState& config, const AppContext& app, const EngineerSettingsControls& engineer,
                 const LightPageControls& page);

    // "MCULED", "RBLED", "SyncLED", "BreLED" and back; nothing for any other name.
    static std::optional<LedType> LedTypeFromName(const QString& name);
    static QString LedTypeName(LedType type);

    // The click handlers of the four LED type radio buttons: show the controls of the type,
    // hide those of the others, then show the type's current mode.
    void ShowLedTypeControls(LedType type);
    void rb_MCULEDClick() { ShowLedTypeControls(LedType::Mcu); }
    void rb_RBLEDClick() { ShowLedTypeControls(LedType::RedBlue); }
    void rb_SyncLEDClick() { ShowLedTypeControls(LedType::SevenColourSync); }
    void rb_BreLEDClick() { ShowLedTypeControls(LedType::SevenColourBreathing); }

    // The model's current mode of the type: its picture shows the chosen picture, the others
    // not; no mode leaves all of them dark.
    void cb_MCULEDCurrentModeChange();
    void cb_RBLEDCurrentModeChange();

    // MCU mode n (1-7) on the Light page, shown only when it is offered and the MCU LED is the
    // type shown.
    void ShowMcuModeOffered(int mode, bool offered);

    // The switch pictures: LED on/off, the two chords, key-mode memory and brightness.
    void ShowSwitches(const DataBuf& buf);
    void ShowLedOnOff(bool on);

    // The elements of the LED type in the form's LedTypeName: mode pictures with the current
    // mode, the speed and LED count bars, the breathing slider at 700 - 100 x step.
    void ShowLedElements(const DataBuf& buf);

    // The speed bar at step + 1 and the breathing slider; step 0-7.
    void ShowSpeedStep(int step);
    // The LED count bar at count - 3; count 4-13.
    void ShowLedCount(int count);

    int ShownSpeedStep() const { return shownSpeedStep_; }
    int ShownLedCountPosition() const { return shownLedCountPosition_; }

private:
    void ShowModePictures(const std::array<LightPageControls::Choice, kModes>& modes, int index);
    // A bar of segments lit at `position` (1-based) in the org configuration's style.
    template <size_t N>
    void ShowBar(const std::array<LightPageControls::Choice, N>& bar, int position, bool fillsDownward = false);
    bool McuShown() const;

    ConfigurationState& config_;
    const AppContext& app_;
    const EngineerSettingsControls& engineer_;
    const LightPageControls& page_;
    int shownSpeedStep_ = 0;
    int shownLedCountPosition_ = 1;
};

} // namespace tarq
