// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/DpiEditor.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>

#include <optional>
#include <utility>

#include "device/ui/BusyScope.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "config/AimKeys.h"
#include "config/ui/SettingsMapping.h"
#include "settings/EditorRules.h"
#include "settings/ui/ShownControls.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"
#include "ui/pages/DpiPageControls.h"
#include "ui/pages/EngineerPageControls.h"

namespace tarq {

namespace {

constexpr int kLevels = kDpiLevelSlots;
constexpr int kAimSlider = kLevels + 1;   // slider_DPI8
constexpr int kSliderStep = 100;          // a slider value v means value index v / 100
constexpr int kFirstOptionalLevel = 3;
constexpr int kAimTextId = 222;           // "AIM"
constexpr int kNoAimButtonTextId = 859;   // "Please select a AIM Key in Profile!"

} // namespace

DpiEditor::DpiEditor(ConfigurationState& config, const AppContext& app, const EngineerSettingsControls& engineer,
                     WindowServices& window, SettingsMapping& settings, const DpiPageControls& page)
    : config_(config), app_(app), engineer_(engineer), window_(window), settings_(settings), page_(page)
{
}

void DpiEditor::Wire()
{
    connect(page_.levelCount, &QComboBox::activated, this, [this] { cbb_DPICountChange(); });
    connect(engineer_.currentLevel, &QComboBox::activated, this, [this] { cb_CurrentCPIChange(); });
    connect(engineer_.aimLevel, &QComboBox::activated, this, [this] { cb_AIMKeyValueChange(); });

    for (int n = 1; n <= kLevels; ++n) {
        const size_t i = static_cast<size_t>(n - 1);
        connect(page_.names[i], &TSkinLabel::clicked, this, [this, n] { DPILevel_OnClick(n); });
        connect(page_.marks[i], &TSkinLabel::clicked, this, [this, n] { CurrentDPI_OnClick(n); });
        connect(engineer_.levels[i], &QComboBox::activated, this, [this, n] { cb_CPIChange(n); });
        connect(page_.swatchTargets[i], &TSkinLabel::clicked, this, [this, n] { lbl_DPIColClick(n); });
        for (int c = 0; c < 3; ++c)
            connect(engineer_.levelColours[i][size_t(c)], &QLineEdit::textChanged, this, [this, n, c] { edt_CPIColourChange(n, c); });
    }
    for (int n = 1; n <= kAimSlider; ++n)
        if (QSlider* slider = SliderOf(n)) {
            slider->setProperty("dpiLevel", n);
            slider->installEventFilter(this);
            connect(slider, &QSlider::valueChanged, this, [this, n] { slider_DPIChange(n); });
            // The keys and the wheel move a slider through an action; a value set by the
            // program does not.
            if (n == kAimSlider)
                connect(slider, &QAbstractSlider::actionTriggered, this, [this, slider] {
                    aimMovedByKeys_ = !slider->isSliderDown() && pressedSlider_ != slider
                                      && slider->sliderPosition() != slider->value();
                });
        }
}

QSlider* DpiEditor::SliderOf(int level) const
{
    return level == kAimSlider ? page_.aimSlider : page_.sliders.at(static_cast<size_t>(level - 1));
}

QLabel* DpiEditor::ValueLabelOf(int level) const
{
    return level == kAimSlider ? static_cast<QLabel*>(page_.aimValue) : page_.values.at(static_cast<size_t>(level - 1));
}

// ---------------------------------------------------------------- level count

void DpiEditor::ApplyLevelCount(int count)
{
    count = std::clamp(count, DpiDisplay::kMinLevels, kLevels);
    settings_.Model().dpiLevelCountIndex = count - DpiDisplay::kMinLevels;
    settings_.Dpi().cb_CPIStepChange();
    settings_.ShowModel();
}

void DpiEditor::cbb_DPICountChange()
{
    const int index = page_.levelCount->currentIndex();
    if (index < 0 || index == settings_.Model().dpiLevelCountIndex)
        return;
    ApplyLevelCount(index + DpiDisplay::kMinLevels);
}

void DpiEditor::DPILevel_OnClick(int level)
{
    // With the count box shown, the count is chosen there.
    if (app_.Style.dpiCountVisible)
        return;
    int count = settings_.Dpi().DpiLevelCount();
    if (level == count + 1 && level <= kLevels)
        ++count;
    else if (level == count && level >= kFirstOptionalLevel)
        --count;
    // Any count change, and any other click, leaves the highest level in use current.
    ApplyLevelCount(count);
}

// ---------------------------------------------------------------- current level

void DpiEditor::CurrentDPI_OnClick(int level)
{
    const int count = page_.levelCount->currentIndex() + DpiDisplay::kMinLevels;
    if (level < 1 || level > count)
        return;
    settings_.Dpi().SetCurrentDpiLevel(level - 1);
    settings_.Model().currentDpiLevel = level - 1;
    settings_.ShowModel();
}

void DpiEditor::cb_CurrentCPIChange()
{
    settings_.Dpi().SetCurrentDpiLevel(settings_.Model().currentDpiLevel);
}

// ---------------------------------------------------------------- level values

void DpiEditor::cb_CPIChange(int level)
{
    const int index = settings_.Model().dpiValueIndexes[level - 1];
    if (index < 0)
        return;
    shown::SetSlider(SliderOf(level), index * kSliderStep);
    ValueLabelOf(level)->setText(settings_.Dpi().DpiText(index));
}

void DpiEditor::slider_DPIChange(int level)
{
    QSlider* slider = SliderOf(level);
    if (!slider)
        return;
    const int index = slider->value() / kSliderStep;
    ValueLabelOf(level)->setText(settings_.Dpi().DpiText(index));
    // A slider moved by the keyboard or the wheel holds its value like one moved by the mouse:
    // the value box (and for AIM the buttons' codes) follows it, so that Apply writes what the
    // page shows. A press of the mouse is settled by its release.
    if (level == kAimSlider) {
        if (std::exchange(aimMovedByKeys_, false))
            AimValueChosen(index);
        return;
    }
    if (!slider->isSliderDown() && pressedSlider_ != slider)
        SetLevelValue(level, index);
}

void DpiEditor::slider_DPIMouseUp(int level, int x)
{
    const int index = DpiSliderPosition(x, app_.Org.dpiCount);
    shown::SetSlider(SliderOf(level), index * kSliderStep);
    ValueLabelOf(level)->setText(settings_.Dpi().DpiText(index));
    SetLevelValue(level, index);
}

void DpiEditor::SetLevelValue(int level, int index)
{
    settings_.Model().dpiValueIndexes[level - 1] = index >= 0 && index < static_cast<int>(kDpiValues.size()) ? index : -1;
    settings_.ShowModel();
}

bool DpiEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        pressedSlider_ = watched;
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    pressedSlider_ = nullptr;
    auto* slider = qobject_cast<QSlider*>(watched);
    const int level = watched->property("dpiLevel").toInt();
    if (!slider || level < 1)
        return false;
    // The slider ends its own drag first; the ruler then decides where it stays.
    const int x = qRound(static_cast<QMouseEvent*>(event)->position().x());
    slider->event(event);
    if (level == kAimSlider)
        slider_DPI8MouseUp(x);
    else
        slider_DPIMouseUp(level, x);
    return true;
}

// ---------------------------------------------------------------- AIM value

bool DpiEditor::WriteAimButtons(int index)
{
    const ButtonNames office = settings_.NamesOf(config_.OfficeKeyCodes);
    const ButtonNames game = settings_.NamesOf(config_.GameKeyCodes);
    const std::string aimText = app_.Text(kAimTextId).toStdString();
    if (!AimDpiIndexOfButtons(config_.DataBuf, office, game, aimText))
        return false;
    AimKeyInputs in;
    in.officeNames = office;
    in.gameNames = game;
    in.aimText = aimText;
    in.aimDpiIndex = static_cast<uint8_t>(index);
    AimKeysToDataBuf(in, config_.DataBuf);
    return true;
}

void DpiEditor::NoAimButton()
{
    shown::SetIndex(engineer_.aimLevel, 0);
    window_.ShowStandardMessage(app_.Text(kNoAimButtonTextId));
}

void DpiEditor::cb_AIMKeyValueChange()
{
    const int index = std::max(0, engineer_.aimLevel->currentIndex());
    if (!WriteAimButtons(index))
        NoAimButton();
    const int shownIndex = std::max(0, engineer_.aimLevel->currentIndex());
    config_.AimDpiIndex = shownIndex;
    shown::SetSlider(page_.aimSlider, shownIndex * kSliderStep);
    page_.aimValue->setText(settings_.Dpi().DpiText(shownIndex));
}

void DpiEditor::slider_DPI8MouseUp(int x)
{
    AimValueChosen(DpiSliderPosition(x, app_.Org.dpiCount));
}

void DpiEditor::AimValueChosen(int index)
{
    if (!WriteAimButtons(std::max(0, engineer_.aimLevel->currentIndex()))) {
        NoAimButton();
        config_.AimDpiIndex = 0;
        page_.aimValue->setText(settings_.Dpi().DpiText(0));
        shown::SetSlider(page_.aimSlider, 0);
        return;
    }
    shown::SetSlider(page_.aimSlider, index * kSliderStep);
    page_.aimValue->setText(settings_.Dpi().DpiText(index));
    shown::SetIndex(engineer_.aimLevel, index);
    // The engineer box lists values up to 6400 only; the value the slider shows is the one kept.
    config_.AimDpiIndex = index;
    WriteAimButtons(index);
}

// ---------------------------------------------------------------- level colours

void DpiEditor::RepaintSwatch(int level)
{
    int value = 0;
    for (int c = 2; c >= 0; --c)
        value = value * 256 + (settings_.Model().dpiColours[level - 1][c] & 0xFF);
    page_.swatches[static_cast<size_t>(level - 1)]->setColorValue(value);
}

void DpiEditor::edt_CPIColourChange(int level, int channel)
{
    QLineEdit* edit = engineer_.levelColours[size_t(level - 1)][size_t(channel)];
    const QString corrected = QString::fromStdString(CorrectColourChannel(edit->text().toStdString()));
    if (corrected != edit->text()) {
        const QSignalBlocker quiet(edit);
        edit->setText(corrected);
    }
    settings_.Model().dpiColours[level - 1][channel] = corrected.trimmed().toInt();
    RepaintSwatch(level);
}

void DpiEditor::lbl_DPIColClick(int level)
{
    // Only the MCU LED shows a colour per level.
    if (config_.LedTypeName != LightDisplay::LedTypeName(LedType::Mcu))
        return;
    const int v = page_.swatches[static_cast<size_t>(level - 1)]->colorValue();
    const QColor initial(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    const std::optional<QColor> chosen = window_.Prompts().ChooseColour(initial);
    if (!chosen)
        return;
    settings_.Model().dpiColours[level - 1] = {chosen->red(), chosen->green(), chosen->blue()};
    settings_.ShowModel();
    RepaintSwatch(level);
}

} // namespace tarq
