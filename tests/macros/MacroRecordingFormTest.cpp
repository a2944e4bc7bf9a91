// SPDX-License-Identifier: GPL-2.0-or-later
// Recording on the real main form, driven as a person would: New Macro with the name dialog,
// Record, input, Stop; then what LB_macro shows and what Macro.bin holds. The scripted cases
// feed a capture source of the test's own; the end-to-end case runs the X11 capture against a
// private Xvfb and types through XTEST.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifndef TARQ_NO_XTEST
#include "support/XTestInput.h"
#endif
#include "support/XvfbServer.h"

#include "app/Main.h"
#include "support/MacroPageForm.h"
#include "support/UserActions.h"
#include "macros/MacroBody.h"
#include "macros/MacroFiles.h"
#include "support/ScriptedCapture.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/MacroRecording.h"
#include "macros/ui/Unit3.h"
#include "platform/ReadFileBytes.h"
#include "ui/HexEdit.h"
#include "ui/SkinLabel.h"

#include <memory>

using namespace tarq;
using tarq::testing::ScriptedCapture;
using tarq::testing::PromptsOf;

namespace {

using tarq::testing::Click;

// A form whose recording listens to the source the test hands in.
struct RecordingForm : testing::MacroPageForm {
    explicit RecordingForm(std::function<PlatformCapture()> capture) : MacroPageForm(false, std::move(capture)) {}
    QStringList Rows() { return Names("LB_macro"); }
};

std::vector<uint8_t> EventBytesWithoutDelays(const MacroBody& body)
{
    std::vector<uint8_t> events;
    const size_t n = size_t(body[1]) - 1;
    for (size_t i = 2; i < 2 + n;) {
        const uint8_t code = body[i];
        const size_t size = MacroEventSize(code);
        if (code != macro_event::kDelay)
            events.insert(events.end(), body.begin() + long(i), body.begin() + long(i + size));
        i += size ? size : 1;
    }
    return events;
}

} // namespace

class MacroRecordingFormTest : public QObject {
    Q_OBJECT
private slots:
    void newMacroIsListedAndSavedAndDuplicatesAreRefused();
    void recordingFillsTheListLiveAndStopSavesTheBody();
    void recordNeedsASelectedMacro();
    void delayTimeModeRecordsTheFixedDelay();
    void windowOnlyCaptureShowsTheHint();
    void waylandSessionGetsTheWindowCapture();
    void fullBodyEndsTheRecordingAndSavesIt();
    void macroListTakesNoInputWhileRecording();
    void insertRecordingPutsKeysBehindTheSelectedEvent();
    void endToEndOnXvfbWithXTest();
};

void MacroRecordingFormTest::newMacroIsListedAndSavedAndDuplicatesAreRefused()
{
    testing::ScriptedCaptures scripted;
    RecordingForm f(scripted.Factory());
    f.NewMacro("Reload");
    QCOMPARE(f.List("LB_PCMacroName")->count(), 1);
    QCOMPARE(f.List("LB_PCMacroName")->currentRow(), 0);
    QCOMPARE(f.List("LB_Name")->item(0)->text(), QStringLiteral("Reload"));
    QCOMPARE(f.SavedRecord(0).name, MacroNameFromUtf16(u"Reload"));

    f.NewMacro("Reload");
    QCOMPARE(f.messages, QStringList{"This macro already exists"});
    QCOMPARE(f.List("LB_PCMacroName")->count(), 1);

    // Names are cut at 16 characters by the field itself.
    f.NewMacro("Seventeen chars!!");
    QCOMPARE(f.List("LB_PCMacroName")->item(1)->text(), QStringLiteral("Seventeen chars!"));
}

void MacroRecordingFormTest::recordingFillsTheListLiveAndStopSavesTheBody()
{
    testing::ScriptedCaptures scripted;
    RecordingForm f(scripted.Factory());
    f.NewMacro("Shift A");
    auto* start = f.form->control<TSkinLabel>("Btn_Start");
    Click(start);
    QVERIFY(f.form->Recording().Recording());
    QCOMPARE(start->text(), QStringLiteral("Stop"));
    QVERIFY(!f.form->control("Gb_Delay")->isEnabled());
    QVERIFY(!f.List("LB_PCMacroName")->isEnabled());
    QVERIFY(!f.form->control("Btn_New")->isEnabled());

    ScriptedCapture& in = *scripted.source;
    in.Play(InputEvent::Key(0x10, true, 1000));
    in.Play(InputEvent::Key(0x10, true, 1030));   // auto-repeat: not recorded
    in.Play(InputEvent::Key(0x41, true, 1040));
    QTRY_COMPARE(f.Rows(), (QStringList{"Shift", "40 ms", "A"}));
    QCOMPARE(f.List("LB_macro")->currentRow(), 2);
    in.Play(InputEvent::Key(0x41, false, 1056));
    in.Play(InputEvent::Key(0x10, false, 1080));
    in.Play(InputEvent::Button(MouseButton::Right, true, 6080));
    in.Play(InputEvent::Button(MouseButton::Right, false, 6080));
    QTRY_COMPARE(f.List("LB_macro")->count(), 12);

    Click(start);
    QVERIFY(!f.form->Recording().Recording());
    QCOMPARE(start->text(), QStringLiteral("Record"));
    QVERIFY(f.form->control("Gb_Delay")->isEnabled());
    QVERIFY(f.List("LB_PCMacroName")->isEnabled());
    QCOMPARE(f.form->Recording().Script(),
             (MacroScript{"10", "1 Shift CODE:8102", "0 40", "1 A CODE:8204", "0 16", "2 A CODE:0204",
                          "0 24", "2 Shift CODE:0102", "0 2040", "0 2040", "0 920",
                          "1 RightKey CODE:00A2", "2 RightKey CODE:0022"}));
    // 81 02, FE 05, 82 04, FE 02, 02 04, FE 03, 01 02, FE FF, FE FF, FE 73, A2, 22: 22 bytes.
    const MacroRecord saved = f.SavedRecord(0);
    QCOMPARE(saved.name, MacroNameFromUtf16(u"Shift A"));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(saved.body.data()), 26).toHex(' ').toUpper(),
             QByteArray("00 17 81 02 FE 05 82 04 FE 02 02 04 FE 03 01 02 FE FF FE FF FE 73 A2 22 06 00"));
    QVERIFY(MacroBodyChecksumOk(saved.body));
}

void MacroRecordingFormTest::recordNeedsASelectedMacro()
{
    testing::ScriptedCaptures scripted;
    RecordingForm f(scripted.Factory());
    Click(f.form->control("Btn_Start"));
    QVERIFY(!f.form->Recording().Recording());
    QCOMPARE(scripted.source->starts, 0);
}

void MacroRecordingFormTest::delayTimeModeRecordsTheFixedDelay()
{
    testing::ScriptedCaptures scripted;
    RecordingForm f(scripted.Factory());
    auto* delay = f.form->control<TIntEdit>("Edt_Delay");
    QVERIFY(delay->isReadOnly());
    Click(f.form->control("IB_DelayTime"));
    QVERIFY(f.form->control<QRadioButton>("rb_DelayTime")->isChecked());
    QCOMPARE(f.form->control<TSkinLabel>("Img_DelayTime")->picture(), QStringLiteral("RdS_E"));
    QCOMPARE(f.form->control<TSkinLabel>("Img_RecDelay")->picture(), QStringLiteral("RdS_D"));
    QVERIFY(!delay->isReadOnly());
    delay->selectAll();
    QTest::keyClicks(delay, "120");
    QCOMPARE(delay->text(), QStringLiteral("120"));
    delay->clear();
    QCOMPARE(delay->text(), QStringLiteral("0"));   // an empty field reads 0
    QTest::keyClicks(delay, "80");

    f.NewMacro("Fixed");
    Click(f.form->control("Btn_Start"));
    for (uint32_t t : {100u, 5000u, 5001u})
        scripted.source->Play(InputEvent::Key(0x20, true, t)).Play(InputEvent::Key(0x20, false, t + 1));
    QTRY_COMPARE(f.List("LB_macro")->count(), 11);
    Click(f.form->control("Btn_Start"));
    QCOMPARE(f.form->Recording().Script(),
             (MacroScript{"0180", "1 Space bar CODE:822C", "0 80", "2 Space bar CODE:022C", "0 80",
                          "1 Space bar CODE:822C", "0 80", "2 Space bar CODE:022C", "0 80",
                          "1 Space bar CODE:822C", "0 80", "2 Space bar CODE:022C"}));

    // Showing the macro again picks its delay mode from the stored delays.
    Click(f.form->control("IB_NoDelay"));
    f.List("LB_PCMacroName")->setCurrentRow(-1);
    f.List("LB_PCMacroName")->setCurrentRow(0);
    QVERIFY(f.form->control<QRadioButton>("rb_DelayTime")->isChecked());
    QCOMPARE(f.form->control<TIntEdit>("Edt_Delay")->text(), QStringLiteral("80"));
    QCOMPARE(f.Rows().mid(0, 3), (QStringList{"Space bar", "80 ms", "Space bar"}));
}

void MacroRecordingFormTest::windowOnlyCaptureShowsTheHint()
{
    testing::ScriptedCaptures scripted;
    RecordingForm whole(scripted.Factory(true));
    QVERIFY(!whole.form->control("lbl_RecordScope")->isVisible());
    RecordingForm window(scripted.Factory(false));
    QVERIFY(window.form->control("lbl_RecordScope")->isVisible());
}

void MacroRecordingFormTest::waylandSessionGetsTheWindowCapture()
{
    const QByteArray session = qgetenv("XDG_SESSION_TYPE");
    qputenv("XDG_SESSION_TYPE", "wayland");
    const PlatformCapture platform = CreatePlatformInputCapture();
    qputenv("XDG_SESSION_TYPE", session);
    QVERIFY(platform.capture);
    QVERIFY(!platform.capture->SeesWholeDesktop());
    QCOMPARE(platform.note, std::string("Wayland session"));
}

void MacroRecordingFormTest::fullBodyEndsTheRecordingAndSavesIt()
{
    testing::ScriptedCaptures scripted;
    RecordingForm f(scripted.Factory());
    Click(f.form->control("IB_NoDelay"));
    f.NewMacro("Long");
    Click(f.form->control("Btn_Start"));
    ScriptedCapture& in = *scripted.source;
    // 45 taps take 180 bytes; X held takes 2 and keeps 2 for its release. Y held as well would
    // leave no room for both releases: the recording stops there, says so, and ends with X's
    // release.
    for (int i = 0; i < 45; ++i)
        in.Play(InputEvent::Key(0x41, true, uint32_t(i))).Play(InputEvent::Key(0x41, false, uint32_t(i)));
    in.Play(InputEvent::Key(0x58, true, 100)).Play(InputEvent::Key(0x59, true, 101));
    in.Play(InputEvent::Key(0x58, false, 102)).Play(InputEvent::Key(0x59, false, 103));
    QTRY_VERIFY(!f.form->Recording().Recording());
    QCOMPARE(f.messages, QStringList{f.form->State().Text(860)});
    QCOMPARE(f.form->control<TSkinLabel>("Btn_Start")->text(), QStringLiteral("Record"));
    QCOMPARE(f.List("LB_macro")->count(), 92);
    const MacroScript& script = f.form->Recording().Script();
    QCOMPARE(MacroScript(script.end() - 2, script.end()), (MacroScript{"1 X CODE:821B", "2 X CODE:021B"}));
    const MacroRecord saved = f.SavedRecord(0);
    QCOMPARE(int(saved.body[1]), 184 + 1);
    QVERIFY(MacroBodyChecksumOk(saved.body));
}

// While a recording runs the macro list takes no input: a right click on another macro neither
// selects it nor opens the list's menu, and Stop writes into the macro the recording started in.
void MacroRecordingFormTest::macroListTakesNoInputWhileRecording()
{
    testing::ScriptedCaptures scripted;
    RecordingForm f(scripted.Factory());
    PromptsOf(*f.form).confirm = [](const QString&) { return true; };
    Click(f.form->control("IB_NoDelay"));
    f.NewMacro("Fourth");
    Click(f.form->control("Btn_Start"));
    scripted.source->Play(InputEvent::Key(0x46, true, 1)).Play(InputEvent::Key(0x46, false, 2));
    QTRY_COMPARE(f.List("LB_macro")->count(), 2);
    Click(f.form->control("Btn_Start"));
    const MacroRecord fourth = f.SavedRecord(0);
    QCOMPARE(int(fourth.body[1]), 5);

    f.NewMacro("zz");
    QCOMPARE(f.List("LB_PCMacroName")->currentRow(), 1);
    Click(f.form->control("Btn_Start"));
    for (uint16_t key : {0x48, 0x45, 0x4C, 0x4C, 0x4F})   // "hello"
        scripted.source->Play(InputEvent::Key(key, true, 10)).Play(InputEvent::Key(key, false, 11));
    QTRY_COMPARE(f.List("LB_macro")->count(), 10);
    QListWidget* names = f.List("LB_PCMacroName");
    testing::RightClickRow(names, 0);
    testing::ClickRow(names, 0);
    QTest::keyClick(names, Qt::Key_Up);
    QCOMPARE(names->currentRow(), 1);
    QVERIFY(!f.form->control("Pnl_PCMacro")->isVisible());
    Click(f.form->control("Btn_Start"));

    QCOMPARE(f.SavedRecord(0), fourth);
    const MacroRecord zz = f.SavedRecord(1);
    QCOMPARE(zz.name, MacroNameFromUtf16(u"zz"));
    QCOMPARE(int(zz.body[1]), 5 * 4 + 1);
    QCOMPARE(f.form->Recording().Script()[1], std::string("1 H CODE:820B"));
}

void MacroRecordingFormTest::insertRecordingPutsKeysBehindTheSelectedEvent()
{
    testing::ScriptedCaptures scripted;
    RecordingForm f(scripted.Factory());
    Click(f.form->control("IB_NoDelay"));
    f.NewMacro("Insert");
    Click(f.form->control("Btn_Start"));
    scripted.source->Play(InputEvent::Button(MouseButton::Left, true, 1))
        .Play(InputEvent::Button(MouseButton::Left, false, 2));
    QTRY_COMPARE(f.List("LB_macro")->count(), 2);
    Click(f.form->control("Btn_Start"));

    // The insert panel as the editor opens it, on "Insert Key Back" with row 0 selected.
    f.form->control("Gb_Insert")->show();
    f.form->control<QComboBox>("CB_Insert")->setCurrentIndex(3);
    f.List("LB_macro")->setCurrentRow(0);
    QWidget* noDelay = f.form->control("IB_InsertNoDelay");
    noDelay->show();
    Click(noDelay);
    QWidget* insertStart = f.form->control("Btn_InsertStart");
    insertStart->show();
    Click(insertStart);
    QVERIFY(f.form->Recording().Inserting());
    QVERIFY(!f.form->control("CB_Insert")->isEnabled());
    QVERIFY(!f.form->control("Btn_OK")->isEnabled());
    scripted.source->Play(InputEvent::Key(0x31, true, 10)).Play(InputEvent::Key(0x31, false, 11));
    QTRY_COMPARE(f.List("LB_macro")->count(), 4);
    QCOMPARE(f.List("LB_macro")->currentRow(), 2);
    Click(insertStart);
    QVERIFY(!f.form->Recording().Inserting());
    QVERIFY(f.form->control("Btn_OK")->isEnabled());
    QCOMPARE(f.form->Recording().Script(),
             (MacroScript{"00", "1 LeftKey CODE:00A1", "1 1 CODE:821E", "2 1 CODE:021E",
                          "2 LeftKey CODE:0021"}));
    // Inserted lines reach the body only through the panel's OK.
    QCOMPARE(int(f.SavedRecord(0).body[1]), 3);
    f.form->Recording().BuildMacroBody();
    QCOMPARE(int(f.form->State().PcMacros[0].body[1]), 7);
}

void MacroRecordingFormTest::endToEndOnXvfbWithXTest()
{
#ifdef TARQ_NO_XTEST
    QSKIP("this build has no X11 capture");
#else
    if (!tarq::testing::XvfbServer::Installed())
        QSKIP("Xvfb is not installed (scripts/setup.sh installs it)");
    tarq::testing::XvfbServer server;
    QVERIFY2(server.Running(), "Xvfb did not start");
    qputenv("DISPLAY", server.Display().c_str());
    qunsetenv("XDG_SESSION_TYPE");

    RecordingForm f(CreatePlatformInputCapture);   // the platform's own capture
    QVERIFY2(f.form->Recording().SeesWholeDesktop(), "the X11 capture did not open");
    f.NewMacro("abc");
    Click(f.form->control("Btn_Start"));
    QVERIFY(f.form->Recording().Recording());

    tarq::testing::XTestInput x(server.Display());
    QVERIFY(x.Ok());
    x.Type("abc");
    x.MoveTo(1000, 740);   // far from any window of the program
    x.Click(3);
    QTRY_VERIFY(f.form->Recording().Script().size() > 1 &&
                f.form->Recording().Script().back() == "2 RightKey CODE:0022");
    Click(f.form->control("Btn_Start"));

    const MacroScript& script = f.form->Recording().Script();
    MacroScript events;
    for (size_t i = 1; i < script.size(); ++i)
        if (ScriptLineType(script[i]) != 0)
            events.push_back(script[i]);
    QCOMPARE(script.front(), std::string("10"));
    QCOMPARE(events, (MacroScript{"1 A CODE:8204", "2 A CODE:0204", "1 B CODE:8205", "2 B CODE:0205",
                                  "1 C CODE:8206", "2 C CODE:0206", "1 RightKey CODE:00A2",
                                  "2 RightKey CODE:0022"}));
    const MacroRecord saved = f.SavedRecord(0);
    QCOMPARE(saved.name, MacroNameFromUtf16(u"abc"));
    QVERIFY(MacroBodyChecksumOk(saved.body));
    QCOMPARE(EventBytesWithoutDelays(saved.body),
             (std::vector<uint8_t>{0x82, 0x04, 0x02, 0x04, 0x82, 0x05, 0x02, 0x05, 0x82, 0x06, 0x02, 0x06,
                                   0xA2, 0x22}));
    // Real-time delays: one line before every key event after the first.
    QVERIFY(script.size() >= 1 + 8 + 5);
    qunsetenv("DISPLAY");
#endif
}

QTEST_MAIN(MacroRecordingFormTest)
#include "MacroRecordingFormTest.moc"
