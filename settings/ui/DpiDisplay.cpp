// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/DpiDisplay.h"
#include "config/SettingsModel.h"

#include "app/FormState.h"

#include <QComboBox>
#include <QPalette>
#include <QSignalBlocker>

#include <algorithm>

#include "config/ParameterFields.h"
#include "settings/ui/ShownControls.h"
#include "ui/Shapes.h"

namespace tarq {

namespace {

using shown::Numbered;

constexpr int kFirstValueText = 300;   // Str300-Str311: "500" ... "8000"
constexpr int kSliderStep = 100;       // a slider value v means value index v / 100
constexpr int kFirstOptionalLevel = 3; // levels 1 and 2 are always in use
constexpr char kChannels[] = {'R', 'G', 'B'};
constexpr int kRulerTicks = 11;       // Img_DPI7_1 .. Img_DPI7_11 under the last level

QString LevelName(const char* prefix, int level, const char* suffix = "")
{
    return QLatin1String(prefix) + QString::number(level) + QLatin1String(suffix);
}

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

DpiDisplay::DpiDisplay(FormState& state, Controls& controls, WindowServices& window)
    : state_(state), controls_(controls), window_(window)
{
}

QString DpiDisplay::DpiText(int index) const
{
    if (index < 0 || index >= static_cast<int>(kDpiValues.size()))
        return {};
    return state_.Text(kFirstValueText + index);
}

void DpiDisplay::SetLevelInUse(int level, bool inUse)
{
    // Engineer page: the level's value box and colour edits exist only while it is in use.
    shown::SetVisible(controls_, LevelName("cb_CPI", level), inUse);
    shown::SetVisible(controls_, LevelName("lbl_CPI", level), inUse);
    for (char channel : kChannels) {
        const QString suffix(QLatin1Char{channel});
        shown::SetVisible(controls_, LevelName("edt_CPI", level) + suffix, inUse);
        shown::SetVisible(controls_, LevelName("lbl_CPI", level) + suffix, inUse);
    }

    // DPI page: a level out of use stays in place, greyed.
    DimWhenDisabled(controls_.get(LevelName("slider_DPI", level)), state_.Style.dpiNotSelected);
    DimWhenDisabled(controls_.get(LevelName("lbl_DPI", level, "Value")), state_.Style.dpiNotSelected);
    shown::SetEnabled(controls_, LevelName("slider_DPI", level), inUse);
    shown::SetEnabled(controls_, LevelName("lbl_DPI", level, "Value"), inUse);
    shown::SetEnabled(controls_, LevelName("Img_DPI", level), inUse);
    shown::SetEnabled(controls_, LevelName("lbl_DPI", level, "Col"), inUse);
    // The last level's ruler goes with its slider.
    if (level == kDpiLevelSlots)
        for (int t = 1; t <= kRulerTicks; ++t)
            shown::SetEnabled(controls_, LevelName("Img_DPI", level, "_") + QString::number(t), inUse);
    if (state_.Style.dpiCountVisible)
        shown::SetVisible(controls_, LevelName("Img_DPI", level), inUse);
    else
        shown::SetTextColour(controls_, LevelName("lbl_DPI", level),
                             inUse ? state_.Style.dpiSelected : state_.Style.dpiNotSelected);
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
        window_.SetPicture(Numbered("Img_DPI", n), shown::CheckPicture(n == index + 1));
    if (index >= 0 && index < kDpiLevelSlots)
        shown::SetChecked(controls_, Numbered("rb_DPI", index + 1), true);
}

void DpiDisplay::ShowLevelCount()
{
    const SettingsModel& model = state_.Settings;
    const int count = model.DpiLevelCount();
    shown::SetIndex(controls_, "cbb_DPICount", model.dpiLevelCountIndex);
    // The current-level list offers the levels in use.
    if (auto* current = controls_.get<QComboBox>("cb_CurrentCPI")) {
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
    SettingsModel& model = state_.Settings;
    model.currentDpiLevel = model.DpiLevelCount() - 1;
    ShowLevelCount();
    SetCurrentDpiLevel(model.currentDpiLevel);
}

void DpiDisplay::ShowLevels(const DataBuf& buf)
{
    levelCount_ = std::clamp<int>(buf[databuf::kDpiLevelCount], kMinLevels, kDpiLevelSlots);
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        if (n >= kFirstOptionalLevel)
            SetLevelInUse(n, n <= levelCount_);
        else if (!state_.Style.dpiCountVisible)
            shown::SetTextColour(controls_, Numbered("lbl_DPI", n), state_.Style.dpiSelected);

        const int value = buf[databuf::kDpiValues + n - 1];
        const QString label = LevelName("lbl_DPI", n, "Value");
        if (value < static_cast<int>(kDpiValues.size())) {
            shown::SetSlider(controls_, Numbered("slider_DPI", n), value * kSliderStep);
            shown::SetText(controls_, label, DpiText(value));
        } else if (value == kNoDpiValue) {
            // A level without a value reads as the lowest value; its slider stays put.
            shown::SetText(controls_, label, DpiText(0));
        } else {
            shown::SetText(controls_, label, {});
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
    for (int n = 1; n <= kDpiLevelSlots; ++n)
        for (const char* part : {"cs_DPI", "Img_DPI", "lbl_DPI"})
            shown::SetVisible(controls_, LevelName(part, n, "Col"), visible);
}

void DpiDisplay::ShowSwatches(const DataBuf& buf, bool mcuLed)
{
    // The colours are filled whatever the type, so a type reported later by the mouse shows
    // the image's colours.
    ShowSwatchesVisible(mcuLed);
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        const size_t at = databuf::kDpiColours + 3 * static_cast<size_t>(n - 1);
        if (auto* swatch = controls_.get<TRectShape>(LevelName("cs_DPI", n, "Col")))
            swatch->setColorValue(buf[at] + 256 * buf[at + 1] + 65536 * buf[at + 2]);
    }
}

} // namespace tarq
