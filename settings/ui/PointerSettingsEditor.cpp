// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/PointerSettingsEditor.h"

#include <QCheckBox>
#include <QGraphicsOpacityEffect>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>

#include "ui/state/AppContext.h"
#include "settings/PointerSettingsStore.h"
#include "ui/SkinLabel.h"
#include "ui/pages/PointerSettingsControls.h"

namespace tarq {
namespace {

constexpr int kHintGap = 6;
constexpr int kHintWidth = 400;
const QString kOnPicture = QStringLiteral("CbS_E");
const QString kOffPicture = QStringLiteral("CbS_D");
constexpr qreal kUnavailableOpacity = 0.35;
// The language texts of the reasons a store gives.
constexpr int kNoWheelSettingText = 881;
constexpr int kNoSharedSettingsText = 882;

// The controls of a setting, value labels included, for showing it unavailable.
QList<QWidget*> ControlsOf(const PointerSettingsControls::Scale& scale)
{
    QList<QWidget*> widgets{scale.slider, scale.caption};
    for (TSkinLabel* value : scale.values)
        widgets << value;
    return widgets;
}

QList<QWidget*> ControlsOf(const PointerSettingsControls::Check& check)
{
    return {check.mark, check.clickArea, check.caption};
}

void ShowCheck(const PointerSettingsControls::Check& check, bool checked)
{
    check.mark->setPicture(checked ? kOnPicture : kOffPicture);
    const QSignalBlocker quiet(check.box);
    check.box->setChecked(checked);
}

void SetSilently(QSlider* slider, int value)
{
    const QSignalBlocker quiet(slider);
    slider->setValue(value);
}

} // namespace

PointerSettingsEditor::PointerSettingsEditor(const AppContext& app, PointerSettingsControls& controls,
                                             PointerSettingsStore& store)
    : app_(app), controls_(controls), store_(store)
{
}

void PointerSettingsEditor::Wire()
{
    for (QSlider* slider : {controls_.speed.slider, controls_.doubleClick.slider, controls_.wheel.slider}) {
        // Only a release sets a level: keys and the wheel would move it without one.
        slider->setFocusPolicy(Qt::NoFocus);
        slider->installEventFilter(this);
    }
    connect(controls_.precision.clickArea, &TSkinLabel::clicked, this, &PointerSettingsEditor::lbl_IsControlClick);
    connect(controls_.oneScreen.clickArea, &TSkinLabel::clicked, this, &PointerSettingsEditor::lbl_IsScreenClick);
    ShowAvailability();
    ShowOneScreen();
}

bool PointerSettingsEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == controls_.oneScreen.mark) {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            PlaceHint();
        return false;
    }
    if (event->type() == QEvent::Wheel || event->type() == QEvent::KeyPress)
        return true;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const int x = qRound(mouse->position().x());
            // The slider ends its own drag first; then the release snaps it.
            watched->event(event);
            if (watched == controls_.speed.slider)
                slider_SpdMouseUp(x);
            else if (watched == controls_.doubleClick.slider)
                slider_DbSpdMouseUp(x);
            else if (watched == controls_.wheel.slider)
                slider_SrcSpdMouseUp(x);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------- reading

void PointerSettingsEditor::RefreshMouseSystemParameterA()
{
    if (!state_.ReadMouse(store_))
        return;
    SetSilently(controls_.speed.slider, PointerSettings::SliderValue(state_.PointerSpeedLevel));
    ShowPrecision();
    SetSilently(controls_.doubleClick.slider, PointerSettings::SliderValue(state_.DoubleClickLevel));
}

void PointerSettingsEditor::RefreshMouseSystemParameterB()
{
    if (!state_.ReadWheel(store_))
        return;
    ShowOneScreen();
}

// ---------------------------------------------------------------- writing

void PointerSettingsEditor::ChangedMouseSystemParameterA() { state_.WriteMouse(store_); }
void PointerSettingsEditor::ChangedMouseSystemParameterB() { state_.WriteWheel(store_); }

void PointerSettingsEditor::ApplyMouseSystemParameters()
{
    ChangedMouseSystemParameterA();
    ChangedMouseSystemParameterB();
    store_.apply({state_.PointerSpeedValue, state_.Precision, state_.DoubleClickTime, state_.WheelLines});
}

// ---------------------------------------------------------------- the user's changes

int PointerSettingsEditor::Snap(QSlider* slider, int x)
{
    const int position = PointerSliderPositionAt(x);
    SetSilently(slider, kPointerSliderStep * position);
    return position + 1;
}

void PointerSettingsEditor::slider_SpdMouseUp(int x)
{
    state_.SetSpeedLevel(Snap(controls_.speed.slider, x));
    ApplyMouseSystemParameters();
}

void PointerSettingsEditor::slider_DbSpdMouseUp(int x)
{
    state_.SetDoubleClickLevel(Snap(controls_.doubleClick.slider, x));
    ApplyMouseSystemParameters();
}

void PointerSettingsEditor::slider_SrcSpdMouseUp(int x)
{
    state_.SetWheelLevel(Snap(controls_.wheel.slider, x));
    ApplyMouseSystemParameters();
}

void PointerSettingsEditor::lbl_IsControlClick()
{
    state_.TogglePrecision();
    ShowPrecision();
    ApplyMouseSystemParameters();
}

void PointerSettingsEditor::lbl_IsScreenClick()
{
    state_.ToggleOneScreen();
    ShowOneScreen();
    ApplyMouseSystemParameters();
}

// ---------------------------------------------------------------- showing

void PointerSettingsEditor::ShowPrecision() { ShowCheck(controls_.precision, state_.PrecisionChecked); }

void PointerSettingsEditor::ShowOneScreen()
{
    ShowCheck(controls_.oneScreen, state_.OneScreenChecked);
    // The slider shows the level that turning one screen off gives back.
    QSlider* slider = controls_.wheel.slider;
    SetSilently(slider, PointerSettings::SliderValue(state_.SavedWheelLevel));
    slider->setEnabled(!state_.OneScreenChecked && store_.available().wheel);
}

void PointerSettingsEditor::ShowAvailability()
{
    const PointerSettingSet offered = store_.available();
    unavailable_.clear();
    const auto show = [&](const QList<QWidget*>& widgets, bool available) {
        if (available)
            return;
        for (QWidget* w : widgets) {
            unavailable_ << w;
            w->setEnabled(false);
            auto* dim = new QGraphicsOpacityEffect(w);
            dim->setOpacity(kUnavailableOpacity);
            w->setGraphicsEffect(dim);
        }
    };
    show(ControlsOf(controls_.speed), offered.speed);
    show(ControlsOf(controls_.precision), offered.precision);
    show(ControlsOf(controls_.doubleClick), offered.doubleClick);
    show(ControlsOf(controls_.wheel) << ControlsOf(controls_.oneScreen), offered.wheel);
    // The hint sits under the one-screen check wherever the layout puts it.
    controls_.oneScreen.mark->installEventFilter(this);
    ShowHintText();
}

void PointerSettingsEditor::ShowHintText()
{
    QString hint;
    const PointerSettingsGap reason = store_.unavailableReason();
    if (reason != PointerSettingsGap::None)
        hint = app_.Text(reason == PointerSettingsGap::NoWheelSetting ? kNoWheelSettingText : kNoSharedSettingsText);
    if (hint.isEmpty())
        hint = QString::fromStdString(store_.unavailableHint());
    for (QWidget* w : unavailable_)
        w->setToolTip(hint);
    controls_.hint->setText(hint);
    controls_.hint->setVisible(!store_.available().all() && !hint.isEmpty());
    PlaceHint();
}

void PointerSettingsEditor::PlaceHint()
{
    QWidget* anchor = controls_.oneScreen.mark;
    TSkinLabel* label = controls_.hint;
    // A note, not a setting: a size smaller than the captions and a muted colour.
    const QWidget* caption = controls_.oneScreen.caption;
    QFont font = caption->font();
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() - 1);
    else
        font.setPointSizeF(font.pointSizeF() - 1);
    label->setFont(font);
    QPalette palette = label->palette();
    const QColor text = caption->palette().color(QPalette::WindowText);
    palette.setColor(QPalette::WindowText, QColor(text.red(), text.green(), text.blue(), 170));
    label->setPalette(palette);
    label->setFixedWidth(kHintWidth);
    label->adjustSize();
    label->move(anchor->x(), anchor->y() + anchor->height() + kHintGap);
}

} // namespace tarq
