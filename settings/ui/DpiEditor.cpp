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
#include "app/FormState.h"
#include "config/AimKeys.h"
#include "config/ui/SettingsMapping.h"
#include "settings/EditorRules.h"
#include "settings/ui/ShownControls.h"
#include "ui/Shapes.h"
#include "ui/SkinLabel.h"

namespace tarq {

namespace {

using shown::Numbered;

constexpr int kLevels = kDpiLevelSlots;
constexpr int kAimSlider = kLevels + 1;   // slider_DPI8
constexpr int kSliderStep = 100;          // a slider value v means value index v / 100
constexpr int kFirstOptionalLevel = 3;
constexpr int kAimTextId = 222;           // "AIM"
constexpr int kNoAimButtonTextId = 859;   // "Please select a AIM Key in Profile!"
constexpr char kChannels[] = {'R', 'G', 'B'};

QString ColourEdit(int level, int channel)
{
    return Numbered("edt_CPI", level) + QLatin1Char(kChannels[channel]);
}

QString Level(const char* prefix, int level, const char* suffix = "")
{
    return QLatin1String(prefix) + QString::number(level) + QLatin1String(suffix);
}

} // namespace

DpiEditor::DpiEditor(FormState& state, Controls& controls, WindowServices& window, SettingsMapping& settings)
    : state_(state), controls_(controls), window_(window), settings_(settings)
{
}

void DpiEditor::Wire()
{
    if (auto* box = controls_.get<QComboBox>("cbb_DPICount"))
        connect(box, &QComboBox::activated, this, [this] { cbb_DPICountChange(); });
    if (auto* box = controls_.get<QComboBox>("cb_CurrentCPI"))
        connect(box, &QComboBox::activated, this, [this] { cb_CurrentCPIChange(); });
    if (auto* box = controls_.get<QComboBox>("cb_AIMKeyValue"))
        connect(box, &QComboBox::activated, this, [this] { cb_AIMKeyValueChange(); });

    for (int n = 1; n <= kLevels; ++n) {
        if (auto* label = controls_.get<TSkinLabel>(Numbered("lbl_DPI", n)))
            connect(label, &TSkinLabel::clicked, this, [this, n] { DPILevel_OnClick(n); });
        if (auto* mark = controls_.get<TSkinLabel>(Numbered("Img_DPI", n)))
            connect(mark, &TSkinLabel::clicked, this, [this, n] { CurrentDPI_OnClick(n); });
        if (auto* box = controls_.get<QComboBox>(Numbered("cb_CPI", n)))
            connect(box, &QComboBox::activated, this, [this, n] { cb_CPIChange(n); });
        if (auto* target = controls_.get<TSkinLabel>(Level("lbl_DPI", n, "Col")))
            connect(target, &TSkinLabel::clicked, this, [this, n] { lbl_DPIColClick(n); });
        for (int c = 0; c < 3; ++c)
            if (auto* edit = controls_.get<QLineEdit>(ColourEdit(n, c)))
                connect(edit, &QLineEdit::textChanged, this, [this, n, c] { edt_CPIColourChange(n, c); });
    }
    for (int n = 1; n <= kAimSlider; ++n)
        if (auto* slider = controls_.get<QSlider>(Numbered("slider_DPI", n))) {
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

// ---------------------------------------------------------------- level count

void DpiEditor::ApplyLevelCount(int count)
{
    count = std::clamp(count, DpiDisplay::kMinLevels, kLevels);
    shown::SetIndex(controls_, "cb_CPIStep", count - DpiDisplay::kMinLevels);
    shown::SetIndex(controls_, "cbb_DPICount", count - DpiDisplay::kMinLevels);
    settings_.Dpi().cb_CPIStepChange();
}

void DpiEditor::cbb_DPICountChange()
{
    const int index = shown::IndexOf(controls_, "cbb_DPICount");
    if (index < 0 || index == shown::IndexOf(controls_, "cb_CPIStep"))
        return;
    ApplyLevelCount(index + DpiDisplay::kMinLevels);
}

void DpiEditor::DPILevel_OnClick(int level)
{
    // With the count box shown, the count is chosen there.
    if (state_.Style.dpiCountVisible)
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
    const int count = shown::IndexOf(controls_, "cbb_DPICount") + DpiDisplay::kMinLevels;
    if (level < 1 || level > count)
        return;
    settings_.Dpi().SetCurrentDpiLevel(level - 1);
    shown::SetIndex(controls_, "cb_CurrentCPI", level - 1);
}

void DpiEditor::cb_CurrentCPIChange()
{
    settings_.Dpi().SetCurrentDpiLevel(shown::IndexOf(controls_, "cb_CurrentCPI"));
}

// ---------------------------------------------------------------- level values

void DpiEditor::cb_CPIChange(int level)
{
    const int index = shown::IndexOf(controls_, Numbered("cb_CPI", level));
    if (index < 0)
        return;
    shown::SetSlider(controls_, Numbered("slider_DPI", level), index * kSliderStep);
    shown::SetText(controls_, Level("lbl_DPI", level, "Value"), settings_.Dpi().DpiText(index));
}

void DpiEditor::slider_DPIChange(int level)
{
    auto* slider = controls_.get<QSlider>(Numbered("slider_DPI", level));
    if (!slider)
        return;
    const int index = slider->value() / kSliderStep;
    const QString label = level == kAimSlider ? QStringLiteral("lbl_AIMKeyValue") : Level("lbl_DPI", level, "Value");
    shown::SetText(controls_, label, settings_.Dpi().DpiText(index));
    // A slider moved by the keyboard or the wheel holds its value like one moved by the mouse:
    // the value box (and for AIM the buttons' codes) follows it, so that Apply writes what the
    // page shows. A press of the mouse is settled by its release.
    if (level == kAimSlider) {
        if (std::exchange(aimMovedByKeys_, false))
            AimValueChosen(index);
        return;
    }
    if (!slider->isSliderDown() && pressedSlider_ != slider)
        shown::SetIndex(controls_, Numbered("cb_CPI", level), index);
}

void DpiEditor::slider_DPIMouseUp(int level, int x)
{
    const int index = DpiSliderPosition(x, state_.Org.dpiCount);
    shown::SetSlider(controls_, Numbered("slider_DPI", level), index * kSliderStep);
    shown::SetText(controls_, Level("lbl_DPI", level, "Value"), settings_.Dpi().DpiText(index));
    shown::SetIndex(controls_, Numbered("cb_CPI", level), index);
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
    const ButtonNames office = settings_.NamesOf(state_.OfficeKeyCodes);
    const ButtonNames game = settings_.NamesOf(state_.GameKeyCodes);
    const std::string aimText = state_.Text(kAimTextId).toStdString();
    if (!AimDpiIndexOfButtons(state_.DataBuf, office, game, aimText))
        return false;
    AimKeyInputs in;
    in.officeNames = office;
    in.gameNames = game;
    in.aimText = aimText;
    in.aimDpiIndex = static_cast<uint8_t>(index);
    AimKeysToDataBuf(in, state_.DataBuf);
    return true;
}

void DpiEditor::NoAimButton()
{
    shown::SetIndex(controls_, "cb_AIMKeyValue", 0);
    if (window_.ShowStandardMessage)
        window_.ShowStandardMessage(state_.Text(kNoAimButtonTextId));
}

void DpiEditor::cb_AIMKeyValueChange()
{
    const int index = std::max(0, shown::IndexOf(controls_, "cb_AIMKeyValue"));
    if (!WriteAimButtons(index))
        NoAimButton();
    const int shownIndex = std::max(0, shown::IndexOf(controls_, "cb_AIMKeyValue"));
    state_.AimDpiIndex = shownIndex;
    shown::SetSlider(controls_, "slider_DPI8", shownIndex * kSliderStep);
    shown::SetText(controls_, "lbl_AIMKeyValue", settings_.Dpi().DpiText(shownIndex));
}

void DpiEditor::slider_DPI8MouseUp(int x)
{
    AimValueChosen(DpiSliderPosition(x, state_.Org.dpiCount));
}

void DpiEditor::AimValueChosen(int index)
{
    if (!WriteAimButtons(std::max(0, shown::IndexOf(controls_, "cb_AIMKeyValue")))) {
        NoAimButton();
        state_.AimDpiIndex = 0;
        shown::SetText(controls_, "lbl_AIMKeyValue", settings_.Dpi().DpiText(0));
        shown::SetSlider(controls_, "slider_DPI8", 0);
        return;
    }
    shown::SetSlider(controls_, "slider_DPI8", index * kSliderStep);
    shown::SetText(controls_, "lbl_AIMKeyValue", settings_.Dpi().DpiText(index));
    shown::SetIndex(controls_, "cb_AIMKeyValue", index);
    // The engineer box lists values up to 6400 only; the value the slider shows is the one kept.
    state_.AimDpiIndex = index;
    WriteAimButtons(index);
}

// ---------------------------------------------------------------- level colours

void DpiEditor::RepaintSwatch(int level)
{
    int value = 0;
    for (int c = 2; c >= 0; --c)
        value = value * 256 + (shown::NumberOf(controls_, ColourEdit(level, c)) & 0xFF);
    if (auto* swatch = controls_.get<TRectShape>(Level("cs_DPI", level, "Col")))
        swatch->setColorValue(value);
}

void DpiEditor::edt_CPIColourChange(int level, int channel)
{
    auto* edit = controls_.get<QLineEdit>(ColourEdit(level, channel));
    if (!edit)
        return;
    const QString corrected = QString::fromStdString(CorrectColourChannel(edit->text().toStdString()));
    if (corrected != edit->text()) {
        const QSignalBlocker quiet(edit);
        edit->setText(corrected);
    }
    RepaintSwatch(level);
}

void DpiEditor::lbl_DPIColClick(int level)
{
    // Only the MCU LED shows a colour per level.
    if (state_.LedTypeName != LightDisplay::LedTypeName(LedType::Mcu))
        return;
    QColor initial;
    if (auto* swatch = controls_.get<TRectShape>(Level("cs_DPI", level, "Col"))) {
        const int v = swatch->colorValue();
        initial = QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    }
    const std::optional<QColor> chosen = window_.Prompts().ChooseColour(initial);
    if (!chosen)
        return;
    const int parts[] = {chosen->red(), chosen->green(), chosen->blue()};
    for (int c = 0; c < 3; ++c)
        shown::SetNumber(controls_, ColourEdit(level, c), parts[c]);
    RepaintSwatch(level);
}

} // namespace tarq
