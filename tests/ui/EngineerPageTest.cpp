// SPDX-License-Identifier: GPL-2.0-or-later
// The engineer page on the real main form: the three ways in, the unlock, the edit rules of its
// numeric edits, and the key test against the emulated mouse on a virtual clock (the countdown
// ticks are the test's own calls of TestTimerTimer; the flash waits run on the form's waiter).

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/DemoPointerButtons.h"
#include "app/Main.h"
#include "config/ImageLayout.h"
#include "config/ui/SettingsMapping.h"
#include "device/FeatureProtocol.h"
#include "device/MouseIdentity.h"
#include "language/EngineerCaptions.h"
#include "support/FormWithMouse.h"
#include "macros/ui/MacroRecording.h"
#include "support/MacroPageForm.h"
#include "ui/HexEdit.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "ui/engineer/EngineerPage.h"
#include "ui/engineer/KeyTest.h"

using namespace tarq;

namespace {

const QString kFinding = QStringLiteral("Finding the specified device");   // Str020

bool OnEngineerPage(TForm1& form)
{
    return form.Nav().CurrentView() == View::Engineer && form.control("gbPage6")->isVisible()
           && form.size() == QSize(1000, 600);
}

// A form with the mouse open, shown in office view.
struct Connected {
    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    QStringList messages;
    explicit Connected(bool open = true)
    {
        form.ShowStandardMessage = [this](const QString& text) { messages << text; };
        form.ShowDialogMessage = [this](const QString& text) { messages << text; };
        if (open)
            device.OpenMouse();
        form.State().NoDeviceView = false;
        form.show();
        if (open)
            form.Nav().ChangeView(View::Office);
    }
};

// Every named control below the page: shown (to the page) and enabled by its own flag.
QHash<QString, QPair<bool, bool>> Snapshot(QWidget* page)
{
    QHash<QString, QPair<bool, bool>> states;
    for (QWidget* w : page->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            states.insert(w->objectName(), {!w->isHidden(), !w->testAttribute(Qt::WA_ForceDisabled)});
    return states;
}

QStringList Changed(const QHash<QString, QPair<bool, bool>>& before, const QHash<QString, QPair<bool, bool>>& after)
{
    QStringList changed;
    for (auto it = after.begin(); it != after.end(); ++it) {
        const auto old = before.value(it.key());
        if (old.first != it.value().first)
            changed << it.key() + (it.value().first ? " shown" : " hidden");
        if (old.second != it.value().second)
            changed << it.key() + (it.value().second ? " enabled" : " disabled");
    }
    changed.sort();
    return changed;
}

// Hide and show steps of the key buttons, with the virtual time they happened at. A callback
// may act on the first step (releasing the buttons, a countdown tick during the flash).
class FlashRecorder : public QObject {
public:
    struct Step {
        QString button;
        bool shown;
        long long atMs;
    };
    FlashRecorder(TForm1& form, VirtualWaiter& clock) : clock_(clock)
    {
        for (int mode = 1; mode <= 2; ++mode)
            for (int k = 1; k <= 9; ++k)
                form.control(QStringLiteral("btn_Key%1").arg(mode * 100 + k))->installEventFilter(this);
    }
    QList<Step> steps;
    std::function<void()> onFirstStep;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Show) {
            steps.append({watched->objectName(), event->type() == QEvent::Show, clock_.elapsedMs()});
            if (steps.size() == 1 && onFirstStep)
                onFirstStep();
        }
        return false;
    }

private:
    VirtualWaiter& clock_;
};

// The engineer page with the key test ready; the countdown timer is far too slow to tick on its
// own during a test.
struct KeyTestForm : Connected {
    explicit KeyTestForm(bool open = true) : Connected(open)
    {
        if (open)
            form.Nav().ChangeView(View::Engineer);
        else {
            form.Nav().ShowView(View::Engineer);   // no page change without a mouse
        }
        keys().TestTimer().setInterval(3600 * 1000);
        form.State().DevTimer.start();   // the device check, as it runs after start-up
        button = form.control<QPushButton>("btn_TestKeys");
    }
    KeyTest& keys() { return form.Engineer().Keys(); }
    void Tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            keys().TestTimerTimer();
    }
    QString Caption() const
    {
        const std::string_view text = EngineerCaptions(form.State().EngineerCaptionLocale).CaptionText(8);
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    QPushButton* button = nullptr;
};

std::array<uint8_t, 8> Request(uint8_t command) { return {kConfigReportId, command, 0, 0, 0, 0, 0, 0}; }

} // namespace

class EngineerPageTest : public QObject {
    Q_OBJECT
private slots:
    void commandLineOpensThePageOnceTheFirstCheckActed_data();
    void commandLineOpensThePageOnceTheFirstCheckActed();
    void chordOpensThePageExceptDuringARecording();
    void orgKeyButtonOpensThePageAndFirstRowGoesBack();
    void unlockShowsAndEnablesExactlyItsList();
    void numericEditsRefuseTypedLetters();
    void colourAndYOffsetEditsKeepTheirRange();
    void keyTestFlashesInBitOrderAndEndsAfterSixQuietTicks_data();
    void keyTestFlashesInBitOrderAndEndsAfterSixQuietTicks();
    void pressDuringTheCountdownRestartsIt();
    void keyTestClosesTheMenusAndLocksThePageCommandsUntilItEnds();
    void keyTestWithoutMouseFlashesNothingAndSendsNothing();
    void closingTheWindowStopsARunningTest();
    void demoReportsButtonsPressedOverTheWindow();
};

void EngineerPageTest::commandLineOpensThePageOnceTheFirstCheckActed_data()
{
    QTest::addColumn<bool>("plugged");
    QTest::newRow("mouse plugged") << true;
    QTest::newRow("no mouse: what a click does") << false;
}

void EngineerPageTest::commandLineOpensThePageOnceTheFirstCheckActed()
{
    QFETCH(bool, plugged);
    Connected c(false);
    c.device.mouse->setPlugged(plugged);
    c.form.State().DevTimerFirst.start();   // as the loading screen does at start-up
    c.form.Engineer().OpenWhenDeviceCheckActed();
    QVERIFY(!c.form.control("gbPage6")->isVisible());   // not before the check
    QTRY_VERIFY(!c.form.State().DevTimerFirst.isActive());
    QCoreApplication::processEvents();
    if (plugged) {
        QTRY_VERIFY(OnEngineerPage(c.form));
        QVERIFY(!c.messages.contains(kFinding));
    } else {
        QTRY_VERIFY(c.messages.contains(kFinding));
        QVERIFY(!c.form.control("gbPage6")->isVisible());
    }
}

void EngineerPageTest::chordOpensThePageExceptDuringARecording()
{
    {
        // While a recording runs the keys are the recording's; once it stops the chord acts.
        testing::MacroPageForm page;
        page.NewMacro(QStringLiteral("Chord"));
        testing::Click(page.Control("Btn_Start"));
        QVERIFY(page.form->Recording().Recording());
        QTest::keyClick(page.List("LB_PCMacroName"), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!page.Control("gbPage6")->isVisible());
        QVERIFY(page.form->Recording().Recording());
        testing::Click(page.Control("Btn_Start"));
        QVERIFY(!page.form->Recording().Recording());
        QTest::keyClick(page.List("LB_PCMacroName"), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(OnEngineerPage(*page.form));
    }

    Connected c;
    auto* edit = c.form.control<QLineEdit>("Edt_Repeat1");
    c.form.Nav().Btn_Adv_0Click();
    edit->setFocus();
    const QString before = edit->text();
    QTest::keyClick(edit, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(OnEngineerPage(c.form));
    QCOMPARE(edit->text(), before);   // the chord never reaches the control with the focus

    // Without a mouse the chord does what the button does.
    Connected none(false);
    QTest::keyClick(&none.form, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(none.messages, QStringList{kFinding});
}

void EngineerPageTest::orgKeyButtonOpensThePageAndFirstRowGoesBack()
{
    Connected c;
    for (const char* name : {"Btn_Engineer_1", "Img_Engineer_1", "Btn_Engineer_6"})
        QVERIFY2(c.form.control(name)->isHidden(), name);   // Engineer_Enable is 0 by default
    c.form.State().Org.engineerEnable = true;
    c.form.Engineer().ShowEngineerButtons(c.form.State().Org.engineerEnable);   // the start-up step
    QVERIFY(c.form.control("Btn_Engineer_1")->isVisible());
    QCOMPARE(c.form.control("Img_Engineer_1")->pos(), QPoint(10, 10));   // its fixed place
    QTest::mouseClick(c.form.control("Btn_Engineer_1"), Qt::LeftButton);
    QVERIFY(OnEngineerPage(c.form));
    QVERIFY(c.form.control("Btn_Engineer_6")->isVisible());

    // The first row goes back to the user pages at the skin's size.
    const QSize skin(c.form.State().SkinWidth, c.form.State().SkinHeight);
    QTest::mouseClick(c.form.control("Btn_Adv_6"), Qt::LeftButton);
    QVERIFY(c.form.control("gbPage2")->isVisible());
    QCOMPARE(c.form.size(), skin);
    QTest::mouseClick(c.form.control("Btn_Engineer_2"), Qt::LeftButton);
    QTest::mouseClick(c.form.control("Btn_Switch_6"), Qt::LeftButton);
    QVERIFY(c.form.Nav().CurrentView() == View::Game);
    QCOMPARE(c.form.size(), skin);
}

void EngineerPageTest::unlockShowsAndEnablesExactlyItsList()
{
    Connected c;
    QWidget* page = c.form.control("gbPage6");
    c.form.Nav().ShowOnlyPage(6);   // the page as it is before anything unlocks it
    auto* tabs = c.form.control<QTabWidget>("Pg_Parameter");
    QVERIFY(!tabs->isTabVisible(1));
    const auto before = Snapshot(page);

    QTest::mouseDClick(c.form.control("Img_Logo4"), Qt::LeftButton);
    QVERIFY(tabs->isTabVisible(1));
    QCOMPARE(Changed(before, Snapshot(page)),
             QStringList({"Btn_Default shown", "Btn_ImportGunMacro shown", "btn_TestKeys enabled",
                          "btn_TestKeys shown", "cb_SensorOri enabled", "gbLEDType enabled",
                          "lbl_SensorOri enabled", "ts_Engineer enabled"}));
    // The LED type buttons were only disabled through their group; the engineer tab takes
    // input once unlocked.
    for (const char* name : {"rb_MCULED", "rb_RBLED", "rb_SyncLED", "rb_BreLED"})
        QVERIFY2(c.form.control(name)->isEnabled(), name);
    QVERIFY(c.form.control("ts_Engineer")->isEnabled());

    // Nothing locks them again.
    const auto unlocked = Snapshot(page);
    c.form.Nav().Btn_Main_0Click();
    c.form.Nav().Btn_Engineer_0Click();
    QCOMPARE(Changed(unlocked, Snapshot(page)), QStringList());
    QVERIFY(tabs->isTabVisible(1));
}

void EngineerPageTest::numericEditsRefuseTypedLetters()
{
    Connected c;
    c.form.Nav().Btn_Engineer_0Click();
    QStringList names = {"edt_VendorID", "edt_ProductID", "edt_VendorID_Rd", "edt_ProductID_Rd",
                         "edt_FireTime", "edt_MCULEDNum", "edt_MCULEDCrtStep"};
    for (int n = 1; n <= 7; ++n)
        for (const char* ch : {"R", "G", "B"})
            names << QStringLiteral("edt_CPI%1%2").arg(n).arg(ch);
    for (int m = 1; m <= 10; ++m)
        for (const char* ch : {"R", "G", "B"})
            names << QStringLiteral("edt_FireMacroColor%1%2").arg(m).arg(ch);
    for (const QString& name : names) {
        auto* edit = c.form.control<TIntEdit>(name);
        QVERIFY2(edit, qPrintable(name + " is no TIntEdit"));
        edit->setReadOnly(false);
        edit->selectAll();
        const QString before = edit->text();
        QTest::keyClicks(edit, "ax-. ");
        QVERIFY2(edit->text() == before, qPrintable(name + ": " + edit->text()));
        QTest::keyClicks(edit, "5");   // a digit replaces the selection
        QVERIFY2(edit->text() == QStringLiteral("5"), qPrintable(name + ": " + edit->text()));
    }
}

void EngineerPageTest::colourAndYOffsetEditsKeepTheirRange()
{
    Connected c;
    // A Y-offset byte of 0xFB in the image is -5 (the pair's complement follows it).
    DataBuf& buf = c.form.State().DataBuf;
    buf[databuf::kYOffsets + databuf::kYOffsetSize * 2] = 0xFB;
    buf[databuf::kYOffsets + databuf::kYOffsetSize * 2 + 1] = 0x04;
    c.form.Settings().DataBufToUI();
    QCOMPARE(c.form.control<QLineEdit>("edt_YOffset3")->text(), QStringLiteral("-5"));

    struct Case { const char* edit; const char* text; const char* shown; };
    const Case cases[] = {
        {"edt_FireMacroColor1R", "300", "255"},
        {"edt_FireMacroColor10B", "999", "255"},
        {"edt_FireMacroColor5G", "", "0"},
        {"edt_FireMacroColor5G", "128", "128"},
        {"edt_YOffset1", "200", "127"},
        {"edt_YOffset10", "-300", "-128"},   // the number after the prefix has two digits
        {"edt_YOffset4", "-", "-"},
        {"edt_YOffset4", "", "0"},
        {"edt_YOffset7", "-128", "-128"},
    };
    for (const Case& k : cases) {
        auto* edit = c.form.control<QLineEdit>(k.edit);
        edit->setText(QString::fromLatin1(k.text));
        QVERIFY2(edit->text() == QString::fromLatin1(k.shown),
                 qPrintable(QStringLiteral("%1 \"%2\" shows \"%3\"").arg(k.edit, k.text, edit->text())));
    }
    // The rule of a colour edit is its own: the neighbour keeps its text.
    QCOMPARE(c.form.control<QLineEdit>("edt_FireMacroColor1G")->text(), QStringLiteral("0"));
}

void EngineerPageTest::keyTestFlashesInBitOrderAndEndsAfterSixQuietTicks_data()
{
    QTest::addColumn<uint32_t>("locale");
    QTest::newRow("English column") << uint32_t(1033);
    QTest::newRow("Chinese column") << uint32_t(kLocaleChineseChina);
}

void EngineerPageTest::keyTestFlashesInBitOrderAndEndsAfterSixQuietTicks()
{
    QFETCH(uint32_t, locale);
    KeyTestForm t;
    t.form.ApplyEngineerCaptions(locale);
    QVERIFY(t.button->isVisible());
    QVERIFY(t.button->isEnabled());
    QCOMPARE(t.button->text(), t.Caption());
    EmulatedMouse& mouse = *t.device.mouse;
    mouse.log.clear();
    FlashRecorder flashes(t.form, t.device.waiter);
    // Left and right pressed together, released while the first flash is shown.
    mouse.buttonState = 0x005;
    flashes.onFirstStep = [&mouse] { mouse.buttonState = 0; };

    QTest::mouseClick(t.button, Qt::LeftButton);
    QVERIFY(t.keys().Running());
    QVERIFY(!t.button->isEnabled());
    QVERIFY(!t.form.State().DevTimer.isActive());
    QVERIFY(t.keys().TestTimer().isActive());
    QVERIFY(!t.form.control("btn_Write")->isEnabled());   // nothing else talks to the mouse

    QTRY_COMPARE(flashes.steps.size(), 8);
    const long long t0 = flashes.steps.first().atMs;
    const QList<std::tuple<QString, bool, long long>> expected = {
        {"btn_Key101", false, 0}, {"btn_Key101", true, 500}, {"btn_Key101", false, 1000}, {"btn_Key101", true, 1500},
        {"btn_Key103", false, 1500}, {"btn_Key103", true, 2000}, {"btn_Key103", false, 2500}, {"btn_Key103", true, 3000}};
    for (int i = 0; i < expected.size(); ++i) {
        const auto& [name, shown, at] = expected[i];
        QCOMPARE(flashes.steps[i].button, name);
        QCOMPARE(flashes.steps[i].shown, shown);
        QCOMPARE(flashes.steps[i].atMs - t0, at);
    }
    QVERIFY(!t.keys().Flashing());

    const QStringList countdown = {"5...", "4...", "3...", "2...", "1..."};
    for (const QString& caption : countdown) {
        t.Tick();
        QCOMPARE(t.button->text(), caption);
        QVERIFY(t.keys().Running());
    }
    t.Tick();
    QVERIFY(!t.keys().Running());
    QCOMPARE(t.button->text(), t.Caption());
    QVERIFY(t.button->isEnabled());
    QVERIFY(t.form.control("btn_Write")->isEnabled());
    QVERIFY(!t.keys().TestTimer().isActive());
    QVERIFY(t.form.State().DevTimer.isActive());
    QCOMPARE(flashes.steps.size(), 8);   // nothing flashed after the release

    // Byte for byte: the exchange opens, the word is read, the mouse reloads and closes.
    const auto requests = mouse.requestsSent();
    QVERIFY(requests.size() >= 4);
    QCOMPARE(requests.front(), Request(CmdOpen));
    for (size_t i = 1; i + 2 < requests.size(); ++i)
        QCOMPARE(requests[i], Request(CmdStatus));
    QCOMPARE(requests[requests.size() - 2], Request(CmdReload));
    QCOMPARE(requests.back(), Request(CmdClose));
    QVERIFY(mouse.refused.empty());
}

void EngineerPageTest::pressDuringTheCountdownRestartsIt()
{
    KeyTestForm t;
    FlashRecorder flashes(t.form, t.device.waiter);
    QTest::mouseClick(t.button, Qt::LeftButton);
    t.Tick(3);
    QCOMPARE(t.button->text(), QStringLiteral("3..."));

    // The middle button; a tick arrives while its button is hidden.
    QString captionDuringFlash;
    flashes.onFirstStep = [&] {
        t.device.mouse->buttonState = 0;
        t.Tick();
        captionDuringFlash = t.button->text();
    };
    t.device.mouse->buttonState = 0x002;
    QTRY_COMPARE(flashes.steps.size(), 4);
    QCOMPARE(flashes.steps.first().button, QStringLiteral("btn_Key102"));
    QCOMPARE(captionDuringFlash, t.Caption());
    QVERIFY(!t.button->isEnabled());

    t.Tick();
    QCOMPARE(t.button->text(), QStringLiteral("5..."));
    t.Tick(5);
    QVERIFY(!t.keys().Running());
    QCOMPARE(t.button->text(), t.Caption());
}

void EngineerPageTest::keyTestClosesTheMenusAndLocksThePageCommandsUntilItEnds()
{
    KeyTestForm t;
    QWidget* page = t.form.control("gbPage6");
    QTest::mouseDClick(t.form.control("Img_Logo4"), Qt::LeftButton);
    // A command the page had disabled stays disabled after the test.
    t.form.control("Btn_ImportBaseMacro")->setEnabled(false);
    QTest::mouseClick(t.form.control("btn_Key101"), Qt::LeftButton);
    QWidget* menu = t.form.control("Pnl_Main");
    QVERIFY(menu->isVisible());
    const auto before = Snapshot(page);

    QTest::mouseClick(t.button, Qt::LeftButton);
    QVERIFY(!menu->isVisible());
    QCOMPARE(Changed(before, Snapshot(page)),
             QStringList({"Btn_Adv_6 disabled", "Btn_Breath_6 disabled", "Btn_Default disabled",
                          "Btn_Engineer_6 disabled", "Btn_ImportGunMacro disabled", "Btn_Load_6 disabled",
                          "Btn_Macro_6 disabled", "Btn_Main_6 disabled", "Btn_Save_6 disabled",
                          "Btn_Switch_6 disabled", "btn_TestKeys disabled", "btn_Write disabled"}));
    t.Tick(KeyTest::kCountdown + 1);
    QVERIFY(!t.keys().Running());
    QCOMPARE(Changed(before, Snapshot(page)), QStringList());
}

void EngineerPageTest::keyTestWithoutMouseFlashesNothingAndSendsNothing()
{
    KeyTestForm t(false);
    QTest::mouseDClick(t.form.control("Img_Logo4"), Qt::LeftButton);
    FlashRecorder flashes(t.form, t.device.waiter);
    t.device.mouse->buttonState = 0x001;
    QTest::mouseClick(t.button, Qt::LeftButton);
    QVERIFY(t.keys().Running());
    QTest::qWait(5 * KeyTest::kPollPauseMs);   // the worker has read the word a few times
    t.Tick(5);
    QVERIFY(t.keys().Running());
    t.Tick();
    QVERIFY(!t.keys().Running());
    QVERIFY(flashes.steps.isEmpty());
    QVERIFY(t.device.mouse->requestsSent().empty());
    QVERIFY(t.form.State().DevTimer.isActive());
    QCOMPARE(t.button->text(), t.Caption());
}

void EngineerPageTest::closingTheWindowStopsARunningTest()
{
    KeyTestForm t;
    QTest::mouseClick(t.button, Qt::LeftButton);
    QTest::qWait(3 * KeyTest::kPollPauseMs);
    t.form.close();
    QVERIFY(!t.keys().Running());
    const size_t sent = t.device.mouse->requestsSent().size();
    QTest::qWait(3 * KeyTest::kPollPauseMs);
    QCOMPARE(t.device.mouse->requestsSent().size(), sent);   // the worker has ended

    // A form destroyed without closing stops its worker before it lets the mouse go.
    KeyTestForm other;
    QTest::mouseClick(other.button, Qt::LeftButton);
    QTest::qWait(3 * KeyTest::kPollPauseMs);
    other.device.form.reset();
    const size_t after = other.device.mouse->requestsSent().size();
    QTest::qWait(3 * KeyTest::kPollPauseMs);
    QCOMPARE(other.device.mouse->requestsSent().size(), after);
}

void EngineerPageTest::demoReportsButtonsPressedOverTheWindow()
{
    Connected c;
    EmulatedMouse& mouse = *c.device.mouse;
    new DemoPointerButtons(&c.form, mouse);
    QWidget* key = c.form.control("Img_Base_1");
    struct Case { Qt::MouseButton button; uint16_t bit; };
    const Case cases[] = {{Qt::LeftButton, 0x001}, {Qt::MiddleButton, 0x002}, {Qt::RightButton, 0x004},
                          {Qt::BackButton, 0x008}, {Qt::ForwardButton, 0x010}};
    for (const Case& k : cases) {
        QTest::mousePress(key, k.button, {}, QPoint(300, 300));
        QCOMPARE(mouse.buttonState.load(), k.bit);
        QTest::mouseRelease(key, k.button, {}, QPoint(300, 300));
        QCOMPARE(mouse.buttonState.load(), uint16_t(0));
    }
    // Another window's presses are not the mouse's.
    QWidget other;
    other.show();
    QTest::mousePress(&other, Qt::LeftButton);
    QCOMPARE(mouse.buttonState.load(), uint16_t(0));
    QTest::mouseRelease(&other, Qt::LeftButton);
}

QTEST_MAIN(EngineerPageTest)
#include "EngineerPageTest.moc"
