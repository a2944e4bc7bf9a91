// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/LightEditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>

#include <array>

#include "app/FormState.h"
#include "config/ui/SettingsMapping.h"
#include "settings/EditorRules.h"
#include "settings/ui/ShownControls.h"
#include "ui/SkinLabel.h"

namespace tarq {

namespace {

using shown::Numbered;

constexpr int kSliderStep = 100;

// A switch: its two Light page sides (pictures "Img_" + side with their labels "lbl_" + side)
// and the engineer radio buttons they stand for.
struct SwitchPair {
    const char* on;
    const char* off;
    const char* rbOn;
    const char* rbOff;
    std::optional<bool> SettingsModel::*field;
};

const std::array<SwitchPair, 5> kSwitches{{
    {"LEDOn", "LEDOff", "rb_LEDOn", "rb_LEDOff", &SettingsModel::ledOn},
    {"B4CPIOn", "B4CPIOff", "rb_B4CPIOn", "rb_B4CPIOff", &SettingsModel::ledOnOffChord},
    {"LCPIOn", "LCPIOff", "rb_LCPIOn", "rb_LCPIOff", &SettingsModel::ledModeChord},
    {"MCULED3Control", "MCULED6Control", "rb_MCULED3Control", "rb_MCULED6Control", &SettingsModel::mcuLedFullBrightness},
    {"SaveKeyMode", "NoSaveKeyMode", "rb_Save", "rb_NoSave", &SettingsModel::keepKeyMode},
}};

const SwitchPair* PairOf(const QString& name, bool* first)
{
    for (const SwitchPair& pair : kSwitches) {
        if (name == QLatin1String(pair.on) || name == QLatin1String(pair.rbOn)) {
            *first = true;
            return &pair;
        }
        if (name == QLatin1String(pair.off) || name == QLatin1String(pair.rbOff)) {
            *first = false;
            return &pair;
        }
    }
    return nullptr;
}

QString Correct(QLineEdit* edit, const std::string& corrected)
{
    const QString text = QString::fromStdString(corrected);
    if (text != edit->text()) {
        const QSignalBlocker quiet(edit);
        edit->setText(text);
    }
    return text;
}

} // namespace

LightEditor::LightEditor(FormState& state, Controls& controls, WindowServices& window, SettingsMapping& settings)
    : state_(state), controls_(controls), window_(window), settings_(settings)
{
}

void LightEditor::Wire()
{
    const auto onClick = [this](const QString& name, auto handler) {
        if (auto* target = controls_.get<TSkinLabel>(name))
            connect(target, &TSkinLabel::clicked, this, handler);
    };

    for (const SwitchPair& pair : kSwitches)
        for (const char* side : {pair.on, pair.off}) {
            const QString name = QLatin1String(side);
            onClick("Img_" + name, [this, name] { SwitchClick(name); });
            if (auto* rb = controls_.get<QAbstractButton>(QLatin1String(side == pair.on ? pair.rbOn : pair.rbOff))) {
                const QString rbName = rb->objectName();
                connect(rb, &QAbstractButton::clicked, this, [this, rbName] { RadioClick(rbName); });
            }
        }
    // The labels beside the switch pictures take the clicks of their pictures. On this skin
    // lbl_SaveKeyMode and lbl_NoSaveKeyMode carry the brightness texts ("ALL", "HALF") beside
    // the brightness pictures, so they choose the brightness; the key-mode memory has its
    // pictures and the engineer page.
    for (const char* side : {"LEDOn", "LEDOff", "B4CPIOn", "B4CPIOff", "LCPIOn", "LCPIOff", "MCULED3Control",
                             "MCULED6Control"}) {
        const QString name = QLatin1String(side);
        onClick("lbl_" + name, [this, name] { SwitchClick(name); });
    }
    onClick("lbl_SaveKeyMode", [this] { SwitchClick("MCULED3Control"); });
    onClick("lbl_NoSaveKeyMode", [this] { SwitchClick("MCULED6Control"); });

    // The engineer page's LED type, offered once the page is unlocked: a click changes the
    // type, and the Light page shows that type's settings as it does for an image of it.
    for (LedType type : {LedType::Mcu, LedType::RedBlue, LedType::SevenColourSync, LedType::SevenColourBreathing}) {
        const QString name = LightDisplay::LedTypeName(type);
        if (auto* rb = controls_.get<QAbstractButton>(QStringLiteral("rb_") + name))
            connect(rb, &QAbstractButton::clicked, this, [this, name] { settings_.ShowLedType(name); });
    }

    for (int m = 1; m <= LightDisplay::kModes; ++m) {
        for (const char* part : {"Img_MCULEDMode", "lbl_MCULEDMode"})
            onClick(Numbered(part, m), [this, m] { lbl_MCULEDModeClick(m); });
        for (const char* part : {"Img_RBLEDMode", "lbl_RBLEDMode"})
            onClick(Numbered(part, m), [this, m] { lbl_RBLEDModeClick(m); });
    }
    for (int k = 1; k <= LightDisplay::kSpeedSegments; ++k)
        for (const char* part : {"Img_MCULEDStep_", "lbl_MCULEDStep_"})
            onClick(Numbered(part, k), [this, k] { MCULEDStep_OnClick(k); });
    for (int k = 1; k <= LightDisplay::kCountSegments; ++k)
        for (const char* part : {"Img_MCULEDNum_", "lbl_MCULEDNum_"})
            onClick(Numbered(part, k), [this, k] { MCULEDNum_OnClick(k); });

    if (auto* edit = controls_.get<QLineEdit>("edt_MCULEDCrtStep"))
        connect(edit, &QLineEdit::textChanged, this, [this] { edt_MCULEDCrtStepChange(); });
    if (auto* edit = controls_.get<QLineEdit>("edt_MCULEDNum")) {
        connect(edit, &QLineEdit::textChanged, this, [this] { edt_MCULEDNumChange(); });
        connect(edit, &QLineEdit::editingFinished, this, [this] { edt_MCULEDNumExit(); });
    }
    if (auto* slider = controls_.get<QSlider>("slider_Breath_Speed")) {
        slider->installEventFilter(this);
        // Moved by the keyboard, the slider sets the step as a mouse release would.
        connect(slider, &QSlider::valueChanged, this, [this, slider] {
            if (slider->isSliderDown())
                return;
            SpeedStepChosen(LightDisplay::kMaxSpeedStep - slider->value() / kSliderStep);
        });
    }
}

// ---------------------------------------------------------------- switches

void LightEditor::SwitchClick(const QString& side)
{
    bool first = false;
    const SwitchPair* pair = PairOf(side, &first);
    if (!pair)
        return;
    settings_.Model().*(pair->field) = first;
    settings_.ShowModel();
    RadioClick(QLatin1String(first ? pair->rbOn : pair->rbOff));
}

void LightEditor::RadioClick(const QString& rb)
{
    bool first = false;
    const SwitchPair* pair = PairOf(rb, &first);
    if (!pair)
        return;
    shown::ShowRadioPictures(window_, first, "Img_" + QLatin1String(pair->on), "Img_" + QLatin1String(pair->off));
    if (pair == &kSwitches.back())
        KeyModeKept(first);
}

void LightEditor::KeyModeKept(bool kept)
{
    // A mouse that does not remember its key mode always starts in key mode 1.
    if (!kept) {
        settings_.Model().keyModeIndex = 0;
        settings_.ShowModel();
    }
    shown::SetEnabled(controls_, "cb_KeyMode", kept);
}

// ---------------------------------------------------------------- modes

void LightEditor::lbl_MCULEDModeClick(int mode)
{
    settings_.Model().mcuLedCurrentMode = mode - 1;
    settings_.Model().rbLedCurrentMode = mode - 1;
    settings_.ShowModel();
    settings_.Light().cb_MCULEDCurrentModeChange();
}

void LightEditor::lbl_RBLEDModeClick(int mode)
{
    settings_.Model().rbLedCurrentMode = mode - 1;
    settings_.ShowModel();
    settings_.Light().cb_RBLEDCurrentModeChange();
}

// ---------------------------------------------------------------- speed and LED count

void LightEditor::edt_MCULEDCrtStepChange()
{
    auto* edit = controls_.get<QLineEdit>("edt_MCULEDCrtStep");
    if (!edit)
        return;
    const int step = Correct(edit, CorrectSpeedStep(edit->text().toStdString())).trimmed().toInt();
    settings_.Model().mcuLedStep = step;
    settings_.Light().ShowSpeedStep(step);
}

void LightEditor::edt_MCULEDNumChange()
{
    auto* edit = controls_.get<QLineEdit>("edt_MCULEDNum");
    if (!edit)
        return;
    const int count = Correct(edit, CorrectLedCount(edit->text().toStdString(), false)).trimmed().toInt();
    settings_.Model().mcuLedCount = count;
    // A lone "1" on its way to 10-13 leaves the bar as it was.
    if (count >= LightDisplay::kMinLedCount)
        settings_.Light().ShowLedCount(count);
}

void LightEditor::edt_MCULEDNumExit()
{
    auto* edit = controls_.get<QLineEdit>("edt_MCULEDNum");
    if (!edit)
        return;
    const int count = Correct(edit, CorrectLedCount(edit->text().toStdString(), true)).trimmed().toInt();
    settings_.Model().mcuLedCount = count;
    settings_.Light().ShowLedCount(count);
}

void LightEditor::MCULEDStep_OnClick(int segment)
{
    settings_.Model().mcuLedStep = segment - 1;
    settings_.ShowModel();
    settings_.Light().ShowSpeedStep(segment - 1);
}

void LightEditor::MCULEDNum_OnClick(int segment)
{
    const int count = segment + LightDisplay::kMinLedCount - 1;
    settings_.Model().mcuLedCount = count;
    settings_.ShowModel();
    settings_.Light().ShowLedCount(count);
}

void LightEditor::slider_Breath_SpeedMouseUp(int x)
{
    // The left end is the slowest step (7), the right end the fastest (0).
    SpeedStepChosen(LightDisplay::kMaxSpeedStep - BreathSpeedSliderPosition(x));
}

void LightEditor::SpeedStepChosen(int step)
{
    settings_.Model().mcuLedStep = step;
    settings_.ShowModel();
    settings_.Light().ShowSpeedStep(step);
}

bool LightEditor::eventFilter(QObject* watched, QEvent* event)
{
    auto* slider = qobject_cast<QSlider*>(watched);
    if (!slider || event->type() != QEvent::MouseButtonRelease)
        return false;
    const int x = qRound(static_cast<QMouseEvent*>(event)->position().x());
    slider->event(event);   // the slider ends its own drag first
    slider_Breath_SpeedMouseUp(x);
    return true;
}

} // namespace tarq
