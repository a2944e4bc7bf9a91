// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/DpiDisplay.h"
#include "config/SettingsModel.h"

#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"

#include <QComboBox>
#include <QPalette>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

#include "config/ParameterFields.h"
#include "settings/ui/ShownControls.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"
#include "ui/pages/DpiPageControls.h"
#include "ui/pages/EngineerPageControls.h"

namespace tarq {

namespace {

constexpr int kFirstValueText = 300;   // Str300-Str311: "500" ... "8000"
constexpr int kSliderStep = 100;       // a slider value v means value index v / 100
constexpr int kFirstOptionalLevel = 3; // levels 1 and 2 are always in use

// The skin's palette gives disabled controls the colours of enabled ones; a level out of use
// takes the layout's not-in-use colour instead, so it reads as greyed.
void DimWhenDisabled(QWidget* w, const QColor& colour)
{
    if (!w || !colour.isValid())
        return;
    QPalette palette = w->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::Highlight, QPalette::Button})
        palette.setColor(QPalette::Disabled, role, colour.darker(role == QPalette::Button ? 200 : 100));
    w->setPalette(palette);
}

} // namespace

DpiDisplay::DpiDisplay(ConfigurationState& config, const AppContext& app, const EngineerSettingsControls& engineer,
                       const DpiPageControls& page)
    : config_(config), app_(app), engineer_(engineer), page_(page)
{
}

QString DpiDisplay::DpiText(int index) const
{
    if (index < 0 || index >= static_cast<int>(kDpiValues.size()))
        return {};
    return app_.Text(kFirstValueText + index);
}

void DpiDisplay::SetLevelInUse(int level, bool inUse)
{
    // Engineer page: the level's value box and colour edits exist only while it is in use.
    const size_t i = static_cast<size_t>(level - 1);
    engineer_.levels[i]->setVisible(inUse);
    engineer_.levelCaptions[i]->setVisible(inUse);
    for (size_t c = 0; c < 3; ++c) {
        engineer_.levelColours[i][c]->setVisible(inUse);
        engineer_.levelColourCaptions[i][c]->setVisible(inUse);
    }

    // DPI page: a level out of use stays in place, greyed.
    DimWhenDisabled(page_.sliders[i], app_.Style.dpiNotSelected);
    DimWhenDisabled(page_.values[i], app_.Style.dpiNotSelected);
    for (QWidget* w : {static_cast<QWidget*>(page_.sliders[i]), static_cast<QWidget*>(page_.values[i]),
                       static_cast<QWidget*>(page_.marks[i]), static_cast<QWidget*>(page_.swatchTargets[i])})
        w->setEnabled(inUse);
    // The last level's ruler goes with its slider.
    if (level == kDpiLevelSlots)
        for (TSkinLabel* tick : page_.ruler)
            tick->setEnabled(inUse);
    if (app_.Style.dpiCountVisible)
        page_.marks[i]->setVisible(inUse);
    else
        shown::SetTextColour(page_.names[i], inUse ? app_.Style.dpiSelected : app_.Style.dpiNotSelected);
}

void DpiDisplay::TLEnableLEDCPIParam(int level)
{
    if (level >= kFirstOptionalLevel && level <= kDpiLevelSlots)
        SetLevelInUse(level, true);
}

void DpiDisplay::TLDisableLEDCPIParam(int level)
{
    if (level >= kFirstOptionalLevel && level <= kDpiLevelSlots)
        SetLevelInUse(level, false);
}

void DpiDisplay::ShowCurrentLevel(int index)
{
    for (int n = 1; n <= kDpiLevelSlots; ++n)
        page_.marks[static_cast<size_t>(n - 1)]->setPicture(shown::CheckPicture(n == index + 1));
    if (index >= 0 && index < kDpiLevelSlots)
        shown::SetChecked(engineer_.levelMarks[static_cast<size_t>(index)], true);
}

void DpiDisplay::ShowLevelCount()
{
    const SettingsModel& model = config_.Settings;
    const int count = model.DpiLevelCount();
    shown::SetIndex(page_.levelCount, model.dpiLevelCountIndex);
    // The current-level list offers the levels in use.
    QComboBox* current = engineer_.currentLevel;
    {
        const QSignalBlocker quiet(current);
        current->clear();
        for (int n = 1; n <= count; ++n)
            current->addItem(QString::number(n));
        current->setCurrentIndex(model.currentDpiLevel >= 0 && model.currentDpiLevel < count ? model.currentDpiLevel : -1);
    }
    for (int n = kFirstOptionalLevel; n <= kDpiLevelSlots; ++n)
        SetLevelInUse(n, n <= count);
    levelCount_ = count;
}

void DpiDisplay::cb_CPIStepChange()
{
    // A new count always makes its highest level current.
    SettingsModel& model = config_.Settings;
    model.currentDpiLevel = model.DpiLevelCount() - 1;
    ShowLevelCount();
    SetCurrentDpiLevel(model.currentDpiLevel);
}

void DpiDisplay::ShowLevels(const DataBuf& buf)
{
    levelCount_ = std::clamp<int>(buf[databuf::kDpiLevelCount], kMinLevels, kDpiLevelSlots);
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        const size_t i = static_cast<size_t>(n - 1);
        if (n >= kFirstOptionalLevel)
            SetLevelInUse(n, n <= levelCount_);
        else if (!app_.Style.dpiCountVisible)
            shown::SetTextColour(page_.names[i], app_.Style.dpiSelected);

        const int value = buf[databuf::kDpiValues + i];
        if (value < static_cast<int>(kDpiValues.size())) {
            shown::SetSlider(page_.sliders[i], value * kSliderStep);
            page_.values[i]->setText(DpiText(value));
        } else if (value == kNoDpiValue) {
            // A level without a value reads as the lowest value; its slider stays put.
            page_.values[i]->setText(DpiText(0));
        } else {
            page_.values[i]->clear();
        }
    }

    SetCurrentDpiLevel(buf[databuf::kCurrentDpiLevel]);
}

void DpiDisplay::SetCurrentDpiLevel(int index)
{
    ShowCurrentLevel(index);
    currentLevel_ = index;
}

void DpiDisplay::ShowSwatchesVisible(bool visible)
{
    for (size_t i = 0; i < kDpiLevelSlots; ++i) {
        page_.swatches[i]->setVisible(visible);
        page_.swatchFrames[i]->setVisible(visible);
        page_.swatchTargets[i]->setVisible(visible);
    }
}

void DpiDisplay::ShowSwatches(const DataBuf& buf, bool mcuLed)
{
    // The colours are filled whatever the type, so a type reported later by the mouse shows
    // the image's colours.
    ShowSwatchesVisible(mcuLed);
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        const size_t at = databuf::kDpiColours + 3 * static_cast<size_t>(n - 1);
        page_.swatches[static_cast<size_t>(n - 1)]->setColorValue(buf[at] + 256 * buf[at + 1] + 65536 * buf[at + 2]);
    }
}

} // namespace tarq
