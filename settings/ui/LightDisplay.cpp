// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/LightDisplay.h"

#include "app/FormState.h"

#include <algorithm>
#include <array>

#include "settings/ui/ShownControls.h"

namespace tarq {

namespace {

using shown::Numbered;

struct LedTypeEntry {
    LedType type;
    const char* name;   // LedTypeName, and the radio button "rb_" + name
};

constexpr std::array<LedTypeEntry, 4> kLedTypes{{
    {LedType::Mcu, "MCULED"},
    {LedType::RedBlue, "RBLED"},
    {LedType::SevenColourSync, "SyncLED"},
    {LedType::SevenColourBreathing, "BreLED"},
}};

constexpr int kSliderStep = 100;

const QString kLit = QStringLiteral("Bar1_E");
const QString kDark = QStringLiteral("Bar1_D");

// Light page elements by what offers them.
constexpr const char* kModeChordElements[] = {"gbLCPI", "lbl_LLED_Status", "Img_LCPIOn", "lbl_LCPIOn",
                                              "Img_LCPIOff", "lbl_LCPIOff"};
constexpr const char* kMcuOnlyElements[] = {
    // engineer page: brightness, current mode and speed, per-level colours
    "gbMCULEDControlMode", "gbMCULEDCurrent", "gbMCULEDCPIColor",
    // Light page: brightness with its heading and its ALL and HALF texts, and the breathing
    // speed. (The key-mode memory pictures have places of their own, off the shipped skins.)
    "lbl_Led_Light", "Img_MCULED3Control", "lbl_MCULED3Control", "lbl_SaveKeyMode",
    "Img_MCULED6Control", "lbl_MCULED6Control", "lbl_NoSaveKeyMode",
    "lbl_LED_Effect_Setting", "lbl_LED_Effect_Slow", "slider_Breath_Speed", "lbl_LED_Effect_Fast"};
// What driver mode does not carry to the driver or the mouse: the chords, the brightness (with
// its texts) and the key-mode memory, and the LED count. Driver mode keeps the current DPI
// level and the LED record's mode, on/off and step.
constexpr const char* kEepromOnlyElements[] = {
    "lbl_LLED_Status", "Img_LCPIOn", "lbl_LCPIOn", "Img_LCPIOff", "lbl_LCPIOff",
    "lbl_MCPI_Status", "Img_B4CPIOn", "lbl_B4CPIOn", "Img_B4CPIOff", "lbl_B4CPIOff",
    "lbl_Led_Light", "Img_MCULED3Control", "lbl_MCULED3Control", "Img_MCULED6Control", "lbl_MCULED6Control",
    "lbl_SaveKeyMode", "lbl_NoSaveKeyMode", "Img_SaveKeyMode", "Img_NoSaveKeyMode"};

} // namespace

LightDisplay::LightDisplay(FormState& state, Controls& controls, WindowServices& window)
    : state_(state), controls_(controls), window_(window)
{
}

std::optional<LedType> LightDisplay::LedTypeFromName(const QString& name)
{
    for (const LedTypeEntry& entry : kLedTypes)
        if (name == QLatin1String(entry.name))
            return entry.type;
    return std::nullopt;
}

QString LightDisplay::LedTypeName(LedType type)
{
    for (const LedTypeEntry& entry : kLedTypes)
        if (entry.type == type)
            return QLatin1String(entry.name);
    return {};
}

bool LightDisplay::McuShown() const { return state_.LedTypeName == LedTypeName(LedType::Mcu); }

void LightDisplay::ShowLedTypeControls(LedType type)
{
    const bool mcu = type == LedType::Mcu;
    const bool rb = type == LedType::RedBlue;

    shown::SetVisible(controls_, "gbRBLEDMode", rb);
    for (const char* name : kModeChordElements)
        shown::SetVisible(controls_, name, mcu || rb);
    for (const char* name : kMcuOnlyElements)
        shown::SetVisible(controls_, name, mcu);
    shown::SetVisible(controls_, "lbl_Led_Mode", mcu || rb);

    // The MCU and RB mode pictures share their places: only the type's own set is shown, and
    // of the MCU modes only those offered.
    for (int m = 1; m <= kModes; ++m) {
        const bool offered = shown::IsChecked(controls_, Numbered("cb_Mode", m));
        for (const char* part : {"Img_MCULEDMode", "lbl_MCULEDMode"})
            shown::SetVisible(controls_, Numbered(part, m), mcu && offered);
        for (const char* part : {"Img_RBLEDMode", "lbl_RBLEDMode"})
            shown::SetVisible(controls_, Numbered(part, m), rb);
    }
    for (int k = 1; k <= kSpeedSegments; ++k)
        for (const char* part : {"Img_MCULEDStep_", "lbl_MCULEDStep_"})
            shown::SetVisible(controls_, Numbered(part, k), mcu);
    for (int k = 1; k <= kCountSegments; ++k)
        for (const char* part : {"Img_MCULEDNum_", "lbl_MCULEDNum_"})
            shown::SetVisible(controls_, Numbered(part, k), mcu && (state_.Home.Mode() == ConfigurationMode::Eeprom));
    shown::SetVisible(controls_, "lbl_LED_Count", mcu && (state_.Home.Mode() == ConfigurationMode::Eeprom));
    if (!(state_.Home.Mode() == ConfigurationMode::Eeprom))
        for (const char* name : kEepromOnlyElements)
            shown::SetVisible(controls_, name, false);

    if (mcu)
        cb_MCULEDCurrentModeChange();
    else if (rb)
        cb_RBLEDCurrentModeChange();
}

void LightDisplay::ShowModePictures(const QString& family, int index)
{
    for (int m = 1; m <= kModes; ++m)
        window_.SetPicture(Numbered(family, m), shown::RadioPicture(m == index + 1));
}

void LightDisplay::cb_MCULEDCurrentModeChange()
{
    ShowModePictures("Img_MCULEDMode", shown::IndexOf(controls_, "cb_MCULEDCurrentMode"));
}

void LightDisplay::cb_RBLEDCurrentModeChange()
{
    ShowModePictures("Img_RBLEDMode", shown::IndexOf(controls_, "cb_RBLEDCurrentMode"));
}

void LightDisplay::ShowMcuModeOffered(int mode, bool offered)
{
    const bool visible = offered && McuShown();
    for (const char* part : {"Img_MCULEDMode", "lbl_MCULEDMode"})
        shown::SetVisible(controls_, Numbered(part, mode), visible);
}

void LightDisplay::ShowLedOnOff(bool on)
{
    shown::ShowRadioPictures(window_, on, "Img_LEDOn", "Img_LEDOff");
}

void LightDisplay::ShowSwitches(const DataBuf& buf)
{
    const uint8_t flags = buf[databuf::kFlags0];
    ShowLedOnOff((buf[databuf::kLedState] & ledstate::kLedOff) == 0);
    shown::ShowRadioPictures(window_, flags & flags0::kChordLedOnOff, "Img_B4CPIOn", "Img_B4CPIOff");
    shown::ShowRadioPictures(window_, flags & flags0::kChordLedMode, "Img_LCPIOn", "Img_LCPIOff");
    shown::ShowRadioPictures(window_, (flags & flags0::kKeyModeNotKept) == 0, "Img_SaveKeyMode",
                             "Img_NoSaveKeyMode");
    shown::ShowRadioPictures(window_, buf[databuf::kMcuLed] & mculed::kFullBrightness,
                             "Img_MCULED3Control", "Img_MCULED6Control");
}

void LightDisplay::ShowBar(const QString& prefix, int segments, int position, bool fillsDownward)
{
    // Dial style lights only the chosen segment; progress style lights all up to it, from the
    // bar's first segment or, for a bar that fills downward, from its last.
    const bool dial = state_.Org.dpiLedStatus;
    for (int k = 1; k <= segments; ++k) {
        const bool lit = dial ? k == position : fillsDownward ? k >= position : k <= position;
        window_.SetPicture(Numbered(prefix, k), lit ? kLit : kDark);
    }
}

void LightDisplay::ShowSpeedStep(int step)
{
    step = std::clamp(step, 0, kMaxSpeedStep);
    shownSpeedStep_ = step;
    // The slider runs from slow (step 7) at its left end to fast (step 0) at its right, and the
    // bar under it the same way: its segment 8 (step 7) sits at the left, so it fills from there.
    ShowBar("Img_MCULEDStep_", kSpeedSegments, step + 1, true);
    shown::SetSlider(controls_, "slider_Breath_Speed", (kMaxSpeedStep - step) * kSliderStep);
}

void LightDisplay::ShowLedCount(int count)
{
    count = std::clamp(count, kMinLedCount, kMaxLedCount);
    shownLedCountPosition_ = count - (kMinLedCount - 1);
    ShowBar("Img_MCULEDNum_", kCountSegments, shownLedCountPosition_);
}

void LightDisplay::ShowLedElements(const DataBuf& buf)
{
    const std::optional<LedType> type = LedTypeFromName(state_.LedTypeName);
    if (type == LedType::Mcu)
        cb_MCULEDCurrentModeChange();
    else if (type == LedType::RedBlue)
        cb_RBLEDCurrentModeChange();
    // The LED count edit already shows the image's count, or kept its own for a count the
    // image cannot express.
    ShowLedCount(shown::NumberOf(controls_, "edt_MCULEDNum"));
    ShowSpeedStep(buf[databuf::kLedState] >> ledstate::kSpeedShift);
}

} // namespace tarq
