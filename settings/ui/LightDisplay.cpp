// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/LightDisplay.h"

#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"

#include <QGroupBox>

#include <algorithm>
#include <array>

#include "settings/ui/ShownControls.h"
#include "ui/SkinLabel.h"
#include "ui/pages/EngineerPageControls.h"

namespace tarq {

namespace {

struct LedTypeEntry {
    LedType type;
    const char* name;   // LedTypeName
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

using Choice = LightPageControls::Choice;

void SetVisible(const Choice& choice, bool visible)
{
    choice.picture->setVisible(visible);
    choice.caption->setVisible(visible);
}

void SetVisible(const LightPageControls::Switch& pair, bool visible)
{
    pair.heading->setVisible(visible);
    for (const Choice* side : {&pair.on, &pair.off})
        SetVisible(*side, visible);
}

void ShowRadioPictures(const LightPageControls::Switch& pair, bool first)
{
    pair.on.picture->setPicture(shown::RadioPicture(first));
    pair.off.picture->setPicture(shown::RadioPicture(!first));
}

} // namespace

LightDisplay::LightDisplay(ConfigurationState& config, const AppContext& app, const EngineerSettingsControls& engineer,
                           const LightPageControls& page)
    : config_(config), app_(app), engineer_(engineer), page_(page)
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

bool LightDisplay::McuShown() const { return config_.LedTypeName == LedTypeName(LedType::Mcu); }

void LightDisplay::ShowLedTypeControls(LedType type)
{
    const bool mcu = type == LedType::Mcu;
    const bool rb = type == LedType::RedBlue;
    const LightPageControls& p = page_;

    // Engineer page: the groups the type offers; brightness, the current mode and speed, and
    // the colour per level belong to the MCU LED.
    engineer_.rbModeGroup->setVisible(rb);
    engineer_.ledModeChordGroup->setVisible(mcu || rb);
    SetVisible(p.modeChord, mcu || rb);
    for (QWidget* group : std::initializer_list<QWidget*>{engineer_.brightnessGroup, engineer_.mcuCurrentGroup,
                                                          engineer_.levelColourGroup})
        group->setVisible(mcu);
    // Light page: brightness with its heading and its ALL and HALF texts, and the breathing
    // speed. (The key-mode memory pictures have places of their own, off the shipped skins.)
    for (QWidget* w : std::initializer_list<QWidget*>{p.brightness.heading, p.brightness.on.picture, p.brightness.on.caption,
                                                      p.fullText, p.brightness.off.picture, p.brightness.off.caption,
                                                      p.halfText, p.speedHeading, p.slow, p.breathSpeed, p.fast})
        w->setVisible(mcu);
    p.modeHeading->setVisible(mcu || rb);

    // The MCU and RB mode pictures share their places: only the type's own set is shown, and
    // of the MCU modes only those offered.
    for (size_t i = 0; i < kModes; ++i) {
        SetVisible(p.mcuModes[i], mcu && config_.Settings.mcuModesOffered[i]);
        SetVisible(p.rbModes[i], rb);
    }
    for (const Choice& segment : p.speedBar)
        SetVisible(segment, mcu);
    // What does not reach the mouse from where the configuration lives is not offered.
    const ConfigurationHome::CarriedLighting carried = config_.Home->LightingCarried();
    for (const Choice& segment : p.countBar)
        SetVisible(segment, mcu && carried.ledCount);
    p.countHeading->setVisible(mcu && carried.ledCount);
    if (!carried.chords) {
        SetVisible(p.modeChord, false);
        SetVisible(p.onOffChord, false);
    }
    if (!carried.brightness) {
        SetVisible(p.brightness, false);
        p.fullText->setVisible(false);
        p.halfText->setVisible(false);
    }
    if (!carried.keyModeMemory) {
        // lbl_SaveKeyMode and lbl_NoSaveKeyMode carry the brightness texts on this skin.
        for (QWidget* w : std::initializer_list<QWidget*>{p.keepKeyMode, p.forgetKeyMode, p.fullText, p.halfText})
            w->setVisible(false);
    }

    if (mcu)
        cb_MCULEDCurrentModeChange();
    else if (rb)
        cb_RBLEDCurrentModeChange();
}

void LightDisplay::ShowModePictures(const std::array<Choice, kModes>& modes, int index)
{
    for (size_t i = 0; i < kModes; ++i)
        modes[i].picture->setPicture(shown::RadioPicture(static_cast<int>(i) == index));
}

void LightDisplay::cb_MCULEDCurrentModeChange()
{
    ShowModePictures(page_.mcuModes, config_.Settings.mcuLedCurrentMode);
}

void LightDisplay::cb_RBLEDCurrentModeChange()
{
    ShowModePictures(page_.rbModes, config_.Settings.rbLedCurrentMode);
}

void LightDisplay::ShowMcuModeOffered(int mode, bool offered)
{
    SetVisible(page_.mcuModes.at(static_cast<size_t>(mode - 1)), offered && McuShown());
}

void LightDisplay::ShowLedOnOff(bool on)
{
    ShowRadioPictures(page_.led, on);
}

void LightDisplay::ShowSwitches(const DataBuf& buf)
{
    const uint8_t flags = buf[databuf::kFlags0];
    ShowLedOnOff((buf[databuf::kLedState] & ledstate::kLedOff) == 0);
    ShowRadioPictures(page_.onOffChord, flags & flags0::kChordLedOnOff);
    ShowRadioPictures(page_.modeChord, flags & flags0::kChordLedMode);
    const bool kept = (flags & flags0::kKeyModeNotKept) == 0;
    page_.keepKeyMode->setPicture(shown::RadioPicture(kept));
    page_.forgetKeyMode->setPicture(shown::RadioPicture(!kept));
    ShowRadioPictures(page_.brightness, buf[databuf::kMcuLed] & mculed::kFullBrightness);
}

template <size_t N>
void LightDisplay::ShowBar(const std::array<Choice, N>& bar, int position, bool fillsDownward)
{
    // Dial style lights only the chosen segment; progress style lights all up to it, from the
    // bar's first segment or, for a bar that fills downward, from its last.
    const bool dial = app_.Org.dpiLedStatus;
    for (int k = 1; k <= static_cast<int>(N); ++k) {
        const bool lit = dial ? k == position : fillsDownward ? k >= position : k <= position;
        bar[static_cast<size_t>(k - 1)].picture->setPicture(lit ? kLit : kDark);
    }
}

void LightDisplay::ShowSpeedStep(int step)
{
    step = std::clamp(step, 0, kMaxSpeedStep);
    shownSpeedStep_ = step;
    // The slider runs from slow (step 7) at its left end to fast (step 0) at its right, and the
    // bar under it the same way: its segment 8 (step 7) sits at the left, so it fills from there.
    ShowBar(page_.speedBar, step + 1, true);
    shown::SetSlider(page_.breathSpeed, (kMaxSpeedStep - step) * kSliderStep);
}

void LightDisplay::ShowLedCount(int count)
{
    count = std::clamp(count, kMinLedCount, kMaxLedCount);
    shownLedCountPosition_ = count - (kMinLedCount - 1);
    ShowBar(page_.countBar, shownLedCountPosition_);
}

void LightDisplay::ShowLedElements(const DataBuf& buf)
{
    const std::optional<LedType> type = LedTypeFromName(config_.LedTypeName);
    if (type == LedType::Mcu)
        cb_MCULEDCurrentModeChange();
    else if (type == LedType::RedBlue)
        cb_RBLEDCurrentModeChange();
    // The model holds the image's count, or kept its own for a count the image cannot express.
    ShowLedCount(config_.Settings.mcuLedCount);
    ShowSpeedStep(buf[databuf::kLedState] >> ledstate::kSpeedShift);
}

} // namespace tarq
