// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/engineer/EngineerPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "device/ui/DeviceTimers.h"
#include "macros/ui/MacroRecording.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"
#include "ui/engineer/KeyTest.h"
#include "ui/pages/EngineerPageControls.h"

namespace tarq {

namespace {

constexpr Qt::KeyboardModifiers kChordModifiers = Qt::ControlModifier | Qt::ShiftModifier;

} // namespace

QPushButton* EngineerKeyButton(const EngineerSettingsControls& settings, int number)
{
    const int keyMode = number / 100;
    const int key = number % 100;
    if (keyMode < 1 || keyMode > int(settings.keys.size()) || key < 1 || key > EngineerSettingsControls::kKeysPerMode)
        return nullptr;
    return settings.keys[size_t(keyMode - 1)][size_t(key - 1)];
}

EngineerPage::EngineerPage(DeviceTimers& timers, const AppContext& app, EngineerPageControls& page,
                           const FrameCopies& frames, WindowServices& window, const MacroRecording& recording,
                           Hooks givenHooks)
    : hooks(std::move(givenHooks)), timers_(timers), page_(page), frames_(frames), window_(window), recording_(recording),
      keyTest_(std::make_unique<KeyTest>(timers, app, page, window, [this] { return hooks.protocol(); }))
{
    Q_ASSERT_X(hooks.protocol, "EngineerPage", "the protocol hook is required");
    connect(keyTest_.get(), &KeyTest::menusHideRequested, this, &EngineerPage::menusHideRequested);
}

EngineerPage::~EngineerPage() = default;

void EngineerPage::Wire()
{
    connect(page_.banner, &TSkinLabel::doubleClicked, this, &EngineerPage::Img_Logo4DblClick);
    keyTest_->Wire();
    // The chord is seen before the control with the focus takes the key.
    qApp->installEventFilter(this);
}

void EngineerPage::Img_Logo4DblClick()
{
    // The engineer tab takes input once unlocked: the gun key list and the fire macro colours
    // are edited there.
    QWidget* engineer = page_.engineerTab.tab;
    page_.tabs->setTabVisible(page_.tabs->indexOf(engineer), true);
    engineer->setEnabled(true);
    page_.defaults->show();
    page_.importGunMacro->show();
    const EngineerSettingsControls& settings = page_.settings;
    settings.ledTypeGroup->setEnabled(true);
    for (QRadioButton* type : settings.ledTypes)
        type->setEnabled(true);
    settings.orientationCaption->setEnabled(true);
    settings.orientation->setEnabled(true);
    // The key test is offered once unlocked; a test under way keeps its button disabled.
    page_.testKeys->show();
    if (!keyTest_->Running())
        page_.testKeys->setEnabled(true);
}

void EngineerPage::ShowEngineerButtons(bool shown)
{
    for (const FrameControls& frame : frames_) {
        frame.engineer.button->setVisible(shown);
        frame.engineer.picture->setVisible(shown);
    }
    page_.engineer->setVisible(shown);
}

void EngineerPage::OpenWhenDeviceCheckActed()
{
    auto open = [this] { emit pageRequested(); };
    QTimer& first = timers_.DevTimerFirst;
    if (!first.isActive()) {
        QTimer::singleShot(0, this, open);
        return;
    }
    // The device check connected itself to the timer first, so this runs after each check;
    // the check stops the timer once it has acted.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(&first, &QTimer::timeout, this, [this, connection, open] {
        if (timers_.DevTimerFirst.isActive())
            return;
        disconnect(*connection);
        open();
    });
}

bool EngineerPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_E || (key->modifiers() & ~Qt::KeypadModifier) != kChordModifiers)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_.Window())
        return false;
    if (recording_.Recording())
        return false;   // the keys belong to the recording
    if (!key->isAutoRepeat())
        emit pageRequested();
    return true;
}

// Called by the assignment editor, which shows a button's function on its key button.
QString EngineerPage::KeyCaption(int number) const
{
    QPushButton* button = EngineerKeyButton(page_.settings, number);
    return button ? button->text() : QString();
}

void EngineerPage::SetKeyCaption(int number, const QString& caption)
{
    if (QPushButton* button = EngineerKeyButton(page_.settings, number))
        button->setText(caption);
}

} // namespace tarq
