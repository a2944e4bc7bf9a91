// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/engineer/EngineerPage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "device/ui/DeviceTimers.h"
#include "ui/state/AppContext.h"
#include "skin/LayoutKeys.h"
#include "ui/Controls.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"
#include "ui/engineer/KeyTest.h"

namespace tarq {

namespace {

constexpr Qt::KeyboardModifiers kChordModifiers = Qt::ControlModifier | Qt::ShiftModifier;

} // namespace

EngineerPage::EngineerPage(DeviceTimers& timers, const AppContext& app, Controls& controls, WindowServices& window, Hooks givenHooks)
    : hooks(std::move(givenHooks)), timers_(timers), app_(app), controls_(controls), window_(window),
      keyTest_(std::make_unique<KeyTest>(timers, app, controls, window, KeyTest::Hooks{this->hooks.protocol, this->hooks.hideAllMenu}))
{
    Q_ASSERT_X(hooks.protocol && hooks.hideAllMenu && hooks.openPage && hooks.recording, "EngineerPage",
               "every hook is required");
}

EngineerPage::~EngineerPage() = default;

void EngineerPage::Wire()
{
    if (auto* logo = controls_.get<TSkinLabel>("Img_Logo4"))
        connect(logo, &TSkinLabel::doubleClicked, this, &EngineerPage::Img_Logo4DblClick);
    keyTest_->Wire();
    // The chord is seen before the control with the focus takes the key.
    qApp->installEventFilter(this);
}

void EngineerPage::Img_Logo4DblClick()
{
    // The engineer tab takes input once unlocked: the gun key list and the fire macro colours
    // are edited there.
    if (auto* tabs = controls_.get<QTabWidget>("Pg_Parameter"))
        if (QWidget* engineer = controls_.get("ts_Engineer")) {
            tabs->setTabVisible(tabs->indexOf(engineer), true);
            engineer->setEnabled(true);
        }
    for (const char* name : {"Btn_Default", "Btn_ImportGunMacro"})
        if (QWidget* w = controls_.get(name))
            w->show();
    for (const char* name : {"gbLEDType", "rb_MCULED", "rb_RBLED", "rb_SyncLED", "rb_BreLED",
                             "lbl_SensorOri", "cb_SensorOri"})
        if (QWidget* w = controls_.get(name))
            w->setEnabled(true);
    // The key test is offered once unlocked; a test under way keeps its button disabled.
    if (auto* test = controls_.get<QPushButton>("btn_TestKeys")) {
        test->show();
        if (!keyTest_->Running())
            test->setEnabled(true);
    }
}

void EngineerPage::ShowEngineerButtons(bool shown)
{
    for (int copy = 1; copy <= kPageCopies; ++copy)
        for (const char* prefix : {"Btn_Engineer_", "Img_Engineer_"})
            if (QWidget* w = controls_.get(QLatin1String(prefix) + QString::number(copy)))
                w->setVisible(shown);
    if (QWidget* w = controls_.get("Btn_Engineer_6"))
        w->setVisible(shown);
}

void EngineerPage::OpenWhenDeviceCheckActed()
{
    auto open = [this] { hooks.openPage(); };
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
    if (hooks.recording())
        return false;   // the keys belong to the recording
    if (!key->isAutoRepeat())
        hooks.openPage();
    return true;
}

// Called by the assignment editor, which shows a button's function on its key button.
QString EngineerPage::KeyCaption(int number) const
{
    QPushButton* button = KeyButton(number);
    return button ? button->text() : QString();
}

void EngineerPage::SetKeyCaption(int number, const QString& caption)
{
    if (QPushButton* button = KeyButton(number))
        button->setText(caption);
}

QPushButton* EngineerPage::KeyButton(int number) const
{
    return controls_.get<QPushButton>(QStringLiteral("btn_Key") + QString::number(number));
}

} // namespace tarq
