// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/PointerSettingsEditor.h"

#include <QAbstractButton>
#include <QGraphicsOpacityEffect>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>

#include "settings/PointerSettingsStore.h"
#include "ui/Controls.h"
#include "ui/SkinLabel.h"

namespace tarq {
namespace {

const QString kSpeedSlider = QStringLiteral("slider_Spd");
const QString kDoubleClickSlider = QStringLiteral("slider_DbSpd");
const QString kWheelSlider = QStringLiteral("slider_SrcSpd");
const QString kHintAnchor = QStringLiteral("Img_IsScreen");
const QString kHint = QStringLiteral("lbl_PointerHint");
constexpr int kHintGap = 6;
constexpr int kHintWidth = 400;
const QString kOnPicture = QStringLiteral("CbS_E");
const QString kOffPicture = QStringLiteral("CbS_D");
constexpr qreal kUnavailableOpacity = 0.35;
// The language texts of the reasons a store gives.
constexpr int kNoWheelSettingText = 881;
constexpr int kNoSharedSettingsText = 882;

// The controls of each setting, value labels included, for showing it unavailable.
QStringList Scale(const QString& slider, const QString& labels, const QString& caption)
{
    QStringList names{slider, caption};
    for (int k = 1; k <= kPointerLevels; ++k)
        names << labels + QString::number(k);
    return names;
}

} // namespace

PointerSettingsEditor::PointerSettingsEditor(Controls& controls, PointerSettingsStore& store)
    : controls_(controls), store_(store)
{
}

void PointerSettingsEditor::Wire()
{
    for (const QString& name : {kSpeedSlider, kDoubleClickSlider, kWheelSlider}) {
        if (auto* slider = controls_.get<QSlider>(name)) {
            // Only a release sets a level: keys and the wheel would move it without one.
            slider->setFocusPolicy(Qt::NoFocus);
            slider->installEventFilter(this);
        }
    }
    if (auto* label = controls_.get<TSkinLabel>(QStringLiteral("lbl_IsControl")))
        connect(label, &TSkinLabel::clicked, this, &PointerSettingsEditor::lbl_IsControlClick);
    if (auto* label = controls_.get<TSkinLabel>(QStringLiteral("lbl_IsScreen")))
        connect(label, &TSkinLabel::clicked, this, &PointerSettingsEditor::lbl_IsScreenClick);
    ShowAvailability();
    ShowOneScreen();
}

bool PointerSettingsEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched->objectName() == kHintAnchor) {
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
            const QString name = watched->objectName();
            // The slider ends its own drag first; then the release snaps it.
            watched->event(event);
            if (name == kSpeedSlider)
                slider_SpdMouseUp(x);
            else if (name == kDoubleClickSlider)
                slider_DbSpdMouseUp(x);
            else if (name == kWheelSlider)
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
    if (auto* slider = controls_.get<QSlider>(kSpeedSlider)) {
        const QSignalBlocker quiet(slider);
        slider->setValue(PointerSettings::SliderValue(state_.PointerSpeedLevel));
    }
    ShowPrecision();
    if (auto* slider = controls_.get<QSlider>(kDoubleClickSlider)) {
        const QSignalBlocker quiet(slider);
        slider->setValue(PointerSettings::SliderValue(state_.DoubleClickLevel));
    }
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

int PointerSettingsEditor::Snap(const QString& name, int x)
{
    const int position = PointerSliderPositionAt(x);
    if (auto* slider = controls_.get<QSlider>(name)) {
        const QSignalBlocker quiet(slider);
        slider->setValue(kPointerSliderStep * position);
    }
    return position + 1;
}

void PointerSettingsEditor::slider_SpdMouseUp(int x)
{
    state_.SetSpeedLevel(Snap(kSpeedSlider, x));
    ApplyMouseSystemParameters();
}

void PointerSettingsEditor::slider_DbSpdMouseUp(int x)
{
    state_.SetDoubleClickLevel(Snap(kDoubleClickSlider, x));
    ApplyMouseSystemParameters();
}

void PointerSettingsEditor::slider_SrcSpdMouseUp(int x)
{
    state_.SetWheelLevel(Snap(kWheelSlider, x));
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

void PointerSettingsEditor::ShowPrecision()
{
    if (auto* picture = controls_.get<TSkinLabel>(QStringLiteral("Img_IsControl")))
        picture->setPicture(state_.PrecisionChecked ? kOnPicture : kOffPicture);
    if (auto* box = controls_.get<QAbstractButton>(QStringLiteral("cb_IsControl"))) {
        const QSignalBlocker quiet(box);
        box->setChecked(state_.PrecisionChecked);
    }
}

void PointerSettingsEditor::ShowOneScreen()
{
    if (auto* picture = controls_.get<TSkinLabel>(QStringLiteral("Img_IsScreen")))
        picture->setPicture(state_.OneScreenChecked ? kOnPicture : kOffPicture);
    if (auto* box = controls_.get<QAbstractButton>(QStringLiteral("cb_IsScreen"))) {
        const QSignalBlocker quiet(box);
        box->setChecked(state_.OneScreenChecked);
    }
    if (auto* slider = controls_.get<QSlider>(kWheelSlider)) {
        // The slider shows the level that turning one screen off gives back.
        const QSignalBlocker quiet(slider);
        slider->setValue(PointerSettings::SliderValue(state_.SavedWheelLevel));
        slider->setEnabled(!state_.OneScreenChecked && store_.available().wheel);
    }
}

void PointerSettingsEditor::ShowAvailability()
{
    const PointerSettingSet offered = store_.available();
    unavailable_.clear();
    const auto show = [&](const QStringList& names, bool available) {
        for (const QString& name : names) {
            QWidget* w = controls_.get(name);
            if (!w)
                continue;
            if (!available) {
                unavailable_ << w;
                w->setEnabled(false);
                auto* dim = new QGraphicsOpacityEffect(w);
                dim->setOpacity(kUnavailableOpacity);
                w->setGraphicsEffect(dim);
            }
        }
    };
    show(Scale(kSpeedSlider, QStringLiteral("lbl_Spd"), QStringLiteral("lbl_Mouse_Speed")), offered.speed);
    show({QStringLiteral("Img_IsControl"), QStringLiteral("lbl_IsControl"), QStringLiteral("lbl_Is_Control")},
         offered.precision);
    show(Scale(kDoubleClickSlider, QStringLiteral("lbl_DbSpd"), QStringLiteral("lbl_Double_Click")),
         offered.doubleClick);
    show(Scale(kWheelSlider, QStringLiteral("lbl_ScrSpd"), QStringLiteral("lbl_Roller_Speed"))
             << QStringLiteral("Img_IsScreen") << QStringLiteral("lbl_IsScreen") << QStringLiteral("lbl_Roll_All_Screen"),
         offered.wheel);
    if (QWidget* anchor = controls_.get(kHintAnchor))
        anchor->installEventFilter(this);
    ShowHintText();
}

void PointerSettingsEditor::ShowHintText()
{
    QString hint;
    const PointerSettingsGap reason = store_.unavailableReason();
    if (LanguageText && reason != PointerSettingsGap::None)
        hint = LanguageText(reason == PointerSettingsGap::NoWheelSetting ? kNoWheelSettingText : kNoSharedSettingsText);
    if (hint.isEmpty())
        hint = QString::fromStdString(store_.unavailableHint());
    for (QWidget* w : unavailable_)
        w->setToolTip(hint);
    if (auto* label = controls_.get<TSkinLabel>(kHint)) {
        label->setText(hint);
        label->setVisible(!store_.available().all() && !hint.isEmpty());
        PlaceHint();
    }
}

void PointerSettingsEditor::PlaceHint()
{
    QWidget* anchor = controls_.get(kHintAnchor);
    auto* label = controls_.get<TSkinLabel>(kHint);
    if (!anchor || !label)
        return;
    // A note, not a setting: a size smaller than the captions and a muted colour.
    if (auto* caption = controls_.get<QWidget>(QStringLiteral("lbl_Roll_All_Screen"))) {
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
    }
    label->setFixedWidth(kHintWidth);
    label->adjustSize();
    label->move(anchor->x(), anchor->y() + anchor->height() + kHintGap);
}

} // namespace tarq
