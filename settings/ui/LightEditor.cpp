// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/LightEditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <array>

#include "config/ui/SettingsMapping.h"
#include "settings/EditorRules.h"
#include "settings/ui/ShownControls.h"
#include "ui/SkinLabel.h"
#include "ui/pages/EngineerPageControls.h"

namespace tarq {

namespace {

constexpr int kSliderStep = 100;

// A switch: its Light page pictures, the engineer radio buttons of its two sides and the
// model field they set. The key-mode memory has no Switch on the page; its pictures are
// keepKeyMode / forgetKeyMode.
struct SwitchPair {
    LightPageControls::Switch LightPageControls::*page;   // null: the key-mode memory
    RadioPair EngineerSettingsControls::*radios;
    std::optional<bool> SettingsModel::*field;
};

constexpr int kKeyModeMemory = 4;
constexpr std::array<SwitchPair, 5> kSwitches{{
    {&LightPageControls::led, &EngineerSettingsControls::ledOn, &SettingsModel::ledOn},
    {&LightPageControls::onOffChord, &EngineerSettingsControls::ledOnOffChord, &SettingsModel::ledOnOffChord},
    {&LightPageControls::modeChord, &EngineerSettingsControls::ledModeChord, &SettingsModel::ledModeChord},
    {&LightPageControls::brightness, &EngineerSettingsControls::fullBrightness, &SettingsModel::mcuLedFullBrightness},
    {nullptr, &EngineerSettingsControls::keepKeyMode, &SettingsModel::keepKeyMode},
}};


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

LightEditor::LightEditor(const EngineerSettingsControls& engineer, SettingsMapping& settings, const LightPageControls& page)
    : engineer_(engineer), settings_(settings), page_(page)
{
}

void LightEditor::Wire()
{
    const auto onClick = [this](TSkinLabel* target, auto handler) { connect(target, &TSkinLabel::clicked, this, handler); };

    for (int n = 0; n < static_cast<int>(kSwitches.size()); ++n) {
        const SwitchPair& pair = kSwitches[static_cast<size_t>(n)];
        for (bool first : {true, false}) {
            const RadioPair& radios = engineer_.*pair.radios;
            connect(first ? radios.on : radios.off, &QAbstractButton::clicked, this, [this, n, first] { RadioClick(n, first); });
            if (!pair.page)
                continue;
            // The labels beside the switch pictures take the clicks of their pictures.
            const LightPageControls::Choice& side = first ? (page_.*pair.page).on : (page_.*pair.page).off;
            for (TSkinLabel* target : {side.picture, side.caption})
                onClick(target, [this, n, first] { SwitchClick(n, first); });
        }
    }
    for (bool first : {true, false})
        onClick(first ? page_.keepKeyMode : page_.forgetKeyMode, [this, first] { SwitchClick(kKeyModeMemory, first); });
    // On this skin lbl_SaveKeyMode and lbl_NoSaveKeyMode carry the brightness texts ("ALL",
    // "HALF") beside the brightness pictures, so they choose the brightness; the key-mode memory
    // has its pictures and the engineer page.
    const int brightness = 3;
    onClick(page_.fullText, [this] { SwitchClick(brightness, true); });
    onClick(page_.halfText, [this] { SwitchClick(brightness, false); });

    // The engineer page's LED type, offered once the page is unlocked: a click changes the
    // type, and the Light page shows that type's settings as it does for an image of it.
    for (size_t t = 0; t < LightDisplay::kLedTypeOrder.size(); ++t) {
        const QString name = LightDisplay::LedTypeName(LightDisplay::kLedTypeOrder[t]);
        connect(engineer_.ledTypes[t], &QAbstractButton::clicked, this, [this, name] { settings_.ShowLedType(name); });
    }

    const auto onChoice = [&onClick](const LightPageControls::Choice& choice, auto handler) {
        onClick(choice.picture, handler);
        onClick(choice.caption, handler);
    };
    for (int m = 1; m <= LightDisplay::kModes; ++m) {
        onChoice(page_.mcuModes[static_cast<size_t>(m - 1)], [this, m] { lbl_MCULEDModeClick(m); });
        onChoice(page_.rbModes[static_cast<size_t>(m - 1)], [this, m] { lbl_RBLEDModeClick(m); });
    }
    for (int k = 1; k <= LightDisplay::kSpeedSegments; ++k)
        onChoice(page_.speedBar[static_cast<size_t>(k - 1)], [this, k] { MCULEDStep_OnClick(k); });
    for (int k = 1; k <= LightDisplay::kCountSegments; ++k)
        onChoice(page_.countBar[static_cast<size_t>(k - 1)], [this, k] { MCULEDNum_OnClick(k); });

    connect(engineer_.mcuLedStep, &QLineEdit::textChanged, this, [this] { edt_MCULEDCrtStepChange(); });
    connect(engineer_.mcuLedCount, &QLineEdit::textChanged, this, [this] { edt_MCULEDNumChange(); });
    connect(engineer_.mcuLedCount, &QLineEdit::editingFinished, this, [this] { edt_MCULEDNumExit(); });
    if (QSlider* slider = page_.breathSpeed) {
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

void LightEditor::SwitchClick(int pair, bool first)
{
    settings_.Model().*(kSwitches.at(static_cast<size_t>(pair)).field) = first;
    settings_.ShowModel();
    RadioClick(pair, first);
}

void LightEditor::RadioClick(int pair, bool first)
{
    const SwitchPair& p = kSwitches.at(static_cast<size_t>(pair));
    if (p.page) {
        (page_.*p.page).on.picture->setPicture(shown::RadioPicture(first));
        (page_.*p.page).off.picture->setPicture(shown::RadioPicture(!first));
    } else {
        page_.keepKeyMode->setPicture(shown::RadioPicture(first));
        page_.forgetKeyMode->setPicture(shown::RadioPicture(!first));
        KeyModeKept(first);
    }
}

void LightEditor::KeyModeKept(bool kept)
{
    // A mouse that does not remember its key mode always starts in key mode 1.
    if (!kept) {
        settings_.Model().keyModeIndex = 0;
        settings_.ShowModel();
    }
    engineer_.keyMode->setEnabled(kept);
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
    QLineEdit* edit = engineer_.mcuLedStep;
    const int step = Correct(edit, CorrectSpeedStep(edit->text().toStdString())).trimmed().toInt();
    settings_.Model().mcuLedStep = step;
    settings_.Light().ShowSpeedStep(step);
}

void LightEditor::edt_MCULEDNumChange()
{
    QLineEdit* edit = engineer_.mcuLedCount;
    const int count = Correct(edit, CorrectLedCount(edit->text().toStdString(), false)).trimmed().toInt();
    settings_.Model().mcuLedCount = count;
    // A lone "1" on its way to 10-13 leaves the bar as it was.
    if (count >= LightDisplay::kMinLedCount)
        settings_.Light().ShowLedCount(count);
}

void LightEditor::edt_MCULEDNumExit()
{
    QLineEdit* edit = engineer_.mcuLedCount;
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
