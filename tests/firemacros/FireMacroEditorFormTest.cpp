// SPDX-License-Identifier: GPL-2.0-or-later
// The fire macro editor on the real main form: recording left clicks through a scripted
// capture source with a virtual clock, the delay modes, a recording that does not fit, and
// inserting and deleting events, each checked against the record in FireMacroWork.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "device/ui/DeviceCommands.h"
#include "firemacros/FireMacro.h"
#include "firemacros/FireScriptEdits.h"
#include "firemacros/ui/FireMacroEditor.h"
#include "firemacros/ui/GunPage.h"
#include "support/ScriptedCapture.h"
#include "macros/TestHex.h"
#include "firemacros/GunForm.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

using namespace tarq;
using tarq::testing::PromptsOf;

namespace {

using tarq::testing::SendClick;
using tarq::testing::ClickRow;
using tarq::testing::RightClickRow;


struct EditorForm : tarq::testing::GunForm {
    EditorForm()
        : GunForm([this] { return scripted.Factory()(); })
    {
        OpenGunPageFor(4);
        OpenEditor();
    }

    QListWidget* List(const char* name) { return form.control<QListWidget>(name); }
    FireMacroRecord Record(int m)
    {
        FireMacroRecord r{};
        const auto bytes = FireMacroRecordOf(std::span<const uint8_t>(form.State().FireMacroWork), m);
        std::copy(bytes.begin(), bytes.end(), r.begin());
        return r;
    }
    QStringList Rows()
    {
        QStringList rows;
        for (int i = 0; i < List("LB_FireMacro")->count(); ++i)
            rows << List("LB_FireMacro")->item(i)->text();
        return rows;
    }
    // Record, the events on the virtual clock, Stop.
    void Record(const tarq::testing::VirtualInput& input)
    {
        SendClick(form.control("Btn_FireStart"));
        QVERIFY(form.FireMacros().Recording());
        QVERIFY(scripted.source && scripted.source->Running());
        for (const InputEvent& e : input.events)
            scripted.source->Play(e);
        SendClick(form.control("Btn_FireStart"));
        QVERIFY(!form.FireMacros().Recording());
    }

    // The editor's recording makes its capture after construction.
    tarq::testing::ScriptedCaptures scripted;
};

} // namespace

class FireMacroEditorFormTest : public QObject {
    Q_OBJECT
private slots:
    void editorShowsAndHidesWithTheGunPage();
    void recordingLeftClicksGivesTheRecord();
    void delayModesShapeTheRecording();
    void aFullRecordingStopsAndKeepsWhatFits();
    void recordListTakesNoInputWhileRecording();
    void theRecordShownIsTheRecordSelected();
    void aPressBelowTheEventsSelectsNothing();
    void insertAndDeleteReencodeTheRecord();
    void anInsertThatDoesNotFitIsRefused();
};

void FireMacroEditorFormTest::editorShowsAndHidesWithTheGunPage()
{
    EditorForm e;
    for (const char* name : {"LB_FireMacroName", "LB_FireMacro", "Btn_FireStart", "GB_FireDelay"})
        QVERIFY2(e.form.control(name)->isVisible(), name);
    ClickRow(e.List("LB_FireMacroName"), 0);
    // Record 1 of the image is shown as its events and hex dump.
    const FireMacroRecord r = e.Record(1);
    QCOMPARE(e.Rows(), (QStringList{"Rep-Start  1", "LeftKey \u2193", "X-Axis  -4", "Y-Axis  11", "40 ms",
                                    "LeftKey \u2191", "Rep-Stop"}));
    const QString dump = e.form.FireMacros().HexDump();
    QCOMPARE(dump, QString::fromStdString(HexBytes(std::span(r).first(size_t(r[1]) + 2))));
    SendClick(e.form.control("Btn_FireExit"));
    QVERIFY(!e.form.control("LB_FireMacro")->isVisibleTo(e.form.control("gbPage5")));
}

void FireMacroEditorFormTest::recordingLeftClicksGivesTheRecord()
{
    EditorForm e;
    ClickRow(e.List("LB_FireMacroName"), 2);
    SendClick(e.form.control("IB_FireReleaseStop"));
    tarq::testing::VirtualInput input;
    input.Down(0x41).Press(MouseButton::Right).Release(MouseButton::Right);   // not recorded
    input.Wait(100).Press(MouseButton::Left).Wait(5000).Release(MouseButton::Left);
    e.Record(input);
    QCOMPARE(e.Record(3), test::Filled<FireMacroRecord>("01 09 A1 FE FF FE FF FE 73 21 6C"));
    QCOMPARE(e.form.FireMacros().HexDump(), QStringLiteral("0109A1FEFFFEFFFE73216C"));
    QCOMPARE(e.Rows(), (QStringList{"LeftKey \u2193", "2040 ms", "2040 ms", "920 ms", "LeftKey \u2191"}));
    QVERIFY(e.messages.isEmpty());
}

void FireMacroEditorFormTest::delayModesShapeTheRecording()
{
    EditorForm e;
    ClickRow(e.List("LB_FireMacroName"), 4);
    SendClick(e.form.control("IB_FireReleaseContiue"));
    SendClick(e.form.control("IB_FireDelayTime"));
    auto* delay = e.form.control<QLineEdit>("Edt_FireDelay");
    QVERIFY(!delay->isReadOnly());
    delay->selectAll();
    QTest::keyClicks(delay, "9999");
    QCOMPARE(delay->text(), QStringLiteral("2040"));
    delay->selectAll();
    QTest::keyClicks(delay, "50");
    tarq::testing::VirtualInput input;
    input.Press(MouseButton::Left).Wait(3).Release(MouseButton::Left).Wait(700).Press(MouseButton::Left);
    e.Record(input);
    // Stopped with the button held: its release, after the fixed delay, ends the record.
    QCOMPARE(e.Record(5), test::Filled<FireMacroRecord>("00 0B A1 FE 06 21 FE 06 A1 FE 06 21 C1"));

    // Edit on a delay row asks for the milliseconds and re-encodes.
    PromptsOf(e.form).delay = [](const QString& current) {
        return current == QStringLiteral("50") ? QStringLiteral("96") : QString();
    };
    ClickRow(e.List("LB_FireMacro"), 3);
    SendClick(e.form.control("Btn_FireEdit"));
    QCOMPARE(e.List("LB_FireMacro")->item(3)->text(), QStringLiteral("96 ms"));
    QCOMPARE(e.Record(5), test::Filled<FireMacroRecord>("00 0B A1 FE 06 21 FE 0C A1 FE 06 21 FB"));

    SendClick(e.form.control("IB_FireNoDelay"));
    QVERIFY(delay->isReadOnly());
    e.Record(input);
    QCOMPARE(e.Record(5), test::Filled<FireMacroRecord>("00 05 A1 21 A1 21 D3"));
}

// A recording that fills the record stops by itself, says so, and keeps the clicks that fit,
// the last one released.
void FireMacroEditorFormTest::aFullRecordingStopsAndKeepsWhatFits()
{
    EditorForm e;
    ClickRow(e.List("LB_FireMacroName"), 1);
    SendClick(e.form.control("IB_FireReleaseContiue"));
    SendClick(e.form.control("IB_FireNoDelay"));
    SendClick(e.form.control("Btn_FireStart"));
    QVERIFY(e.scripted.source && e.scripted.source->Running());
    tarq::testing::VirtualInput input;
    for (int i = 0; i < 11; ++i)
        input.Press(MouseButton::Left).Release(MouseButton::Left);   // 22 event bytes
    for (const InputEvent& ev : input.events)
        e.scripted.source->Play(ev);
    QTRY_VERIFY(!e.form.FireMacros().Recording());
    QCOMPARE(e.messages, QStringList{e.form.State().Text(861)});
    QCOMPARE(e.form.control<TSkinLabel>("Btn_FireStart")->text(), e.form.State().Text(400));
    QCOMPARE(e.List("LB_FireMacro")->count(), 20);
    QCOMPARE(e.Record(2), test::Filled<FireMacroRecord>(
                              "00 15 A1 21 A1 21 A1 21 A1 21 A1 21 A1 21 A1 21 A1 21 A1 21 A1 21 F3"));
    // Stopped while the button is held: the release ends the record.
    ClickRow(e.List("LB_FireMacroName"), 2);
    SendClick(e.form.control("IB_FireReleaseContiue"));
    tarq::testing::VirtualInput held;
    held.Press(MouseButton::Left).Release(MouseButton::Left).Press(MouseButton::Left);
    e.Record(held);
    QCOMPARE(e.Record(3), test::Filled<FireMacroRecord>("00 05 A1 21 A1 21 D3"));
}

// While a fire macro recording runs, the record list takes no input: neither a click, a right
// press nor an arrow key chooses another record, and Stop writes into the record it cleared.
void FireMacroEditorFormTest::recordListTakesNoInputWhileRecording()
{
    EditorForm e;
    QListWidget* names = e.List("LB_FireMacroName");
    ClickRow(names, 2);
    const FireMacroRecord sixth = e.Record(6);
    SendClick(e.form.control("IB_FireNoDelay"));
    SendClick(e.form.control("Btn_FireStart"));
    e.scripted.source->Play(InputEvent::Button(MouseButton::Left, true, 1)).Play(InputEvent::Button(MouseButton::Left, false, 2));
    QTRY_COMPARE(e.List("LB_FireMacro")->count(), 2);
    RightClickRow(names, 5);
    ClickRow(names, 5);
    QTest::keyClick(names, Qt::Key_Down);
    QCOMPARE(names->currentRow(), 2);
    SendClick(e.form.control("Btn_FireStart"));
    QCOMPARE(e.Record(6), sixth);
    QCOMPARE(e.Record(3)[1], uint8_t{3});
    QVERIFY(names->isEnabled());
}

// However the selection of the record list moves (arrow key, right press), the events shown
// are that record's, and the pop-up's commands change that record only.
void FireMacroEditorFormTest::theRecordShownIsTheRecordSelected()
{
    EditorForm e;
    QListWidget* names = e.List("LB_FireMacroName");
    ClickRow(names, 0);
    const FireMacroRecord first = e.Record(1);
    const FireMacroRecord second = e.Record(2);
    names->setFocus();
    QTest::keyClick(names, Qt::Key_Down);
    QCOMPARE(names->currentRow(), 1);
    QCOMPARE(e.Rows().size(), int(DecodeFireMacro(second).script.size()) - 1);

    // Delete the first event of record 2 through the pop-up.
    QListWidget* events = e.List("LB_FireMacro");
    RightClickRow(events, 0);
    SendClick(e.form.control("Btn_FireDel"));
    MacroScript expected = DecodeFireMacro(second).script;
    QVERIFY(DeleteFireEvent(expected, 0));
    QCOMPARE(e.Record(2), EncodeFireMacro(expected, *DecodeFireMacro(second).releaseMode).record);
    QCOMPARE(e.Record(1), first);

    // A right press on record 4 shows record 4.
    RightClickRow(names, 3);
    QCOMPARE(names->currentRow(), 3);
    QCOMPARE(e.Rows().size(), int(DecodeFireMacro(e.Record(4)).script.size()) - 1);
}

// A press below the event rows deselects every row and closes the pop-up: no command acts on a
// row nobody sees selected.
void FireMacroEditorFormTest::aPressBelowTheEventsSelectsNothing()
{
    EditorForm e;
    ClickRow(e.List("LB_FireMacroName"), 0);
    const FireMacroRecord first = e.Record(1);
    QListWidget* events = e.List("LB_FireMacro");
    ClickRow(events, 1);
    QCOMPARE(events->currentRow(), 1);
    const QPoint below(10, events->viewport()->height() - 3);
    QVERIFY(!events->itemAt(below));
    QTest::mousePress(events->viewport(), Qt::RightButton, {}, below);
    QTest::mouseRelease(events->viewport(), Qt::RightButton, {}, below);
    QVERIFY(!e.form.control("Pnl_DevFireContent")->isVisible());
    QVERIFY(events->selectedItems().isEmpty());
    QCOMPARE(events->currentRow(), -1);
    e.form.FireMacros().Btn_FireDelClick();
    QCOMPARE(e.Record(1), first);
}

void FireMacroEditorFormTest::insertAndDeleteReencodeTheRecord()
{
    EditorForm e;
    ClickRow(e.List("LB_FireMacroName"), 5);
    SendClick(e.form.control("IB_FireReleaseContiue"));
    SendClick(e.form.control("IB_FireNoDelay"));
    tarq::testing::VirtualInput input;
    input.Press(MouseButton::Left).Release(MouseButton::Left).Press(MouseButton::Left).Release(MouseButton::Left);
    e.Record(input);

    // Insert X axis Back, -5, after row 2.
    ClickRow(e.List("LB_FireMacro"), 2);
    SendClick(e.form.control("Btn_FireInsert"));
    QVERIFY(e.form.control("Gb_InsertFire")->isVisible());
    QVERIFY(!e.form.control("LB_FireMacroName")->isEnabled());
    e.form.control<QComboBox>("CB_InsertFire")->setCurrentIndex(5);
    QVERIFY(e.form.control("edt_FireXAxisValue")->isVisible());
    auto* x = e.form.control<QLineEdit>("edt_FireXAxisValue");
    x->selectAll();
    QTest::keyClicks(x, "-5");
    SendClick(e.form.control("Btn_FireOK"));
    QVERIFY(!e.form.control("Gb_InsertFire")->isVisible());
    QCOMPARE(e.Rows()[3], QStringLiteral("X-Axis  -5"));
    QCOMPARE(e.List("LB_FireMacro")->currentRow(), 3);
    QCOMPARE(e.Record(6), test::Filled<FireMacroRecord>("00 07 A1 21 A1 FB FB 21 DB"));

    // A repeat start before row 0: the stored byte itself.
    ClickRow(e.List("LB_FireMacro"), 0);
    SendClick(e.form.control("Btn_FireInsert"));
    e.form.control<QComboBox>("CB_InsertFire")->setCurrentIndex(2);
    auto* repeat = e.form.control<QLineEdit>("edt_FireRepeat");
    repeat->selectAll();
    QTest::keyClicks(repeat, "3");
    SendClick(e.form.control("Btn_FireOK"));
    QCOMPARE(e.Rows()[0], QStringLiteral("Rep-Start  3"));

    // Deleting the second press takes its release with it; the pop-up opens where the right
    // button is released over the list.
    ClickRow(e.List("LB_FireMacro"), 3);
    QWidget* rows = e.List("LB_FireMacro")->viewport();
    const QPoint at = e.List("LB_FireMacro")->visualItemRect(e.List("LB_FireMacro")->item(3)).center();
    QTest::mouseRelease(rows, Qt::RightButton, {}, at);
    QWidget* popup = e.form.control("Pnl_DevFireContent");
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->pos(), rows->mapTo(&e.form, at));
    SendClick(e.form.control("Btn_FireDel"));
    QVERIFY(!popup->isVisible());
    QCOMPARE(e.Rows(), (QStringList{"Rep-Start  3", "LeftKey \u2193", "LeftKey \u2191", "X-Axis  -5"}));
    QCOMPARE(e.Record(6), test::Filled<FireMacroRecord>("00 07 FD 03 A1 21 FB FB E5"));
    QVERIFY(e.messages.isEmpty());
}

void FireMacroEditorFormTest::anInsertThatDoesNotFitIsRefused()
{
    EditorForm e;
    ClickRow(e.List("LB_FireMacroName"), 6);
    SendClick(e.form.control("IB_FireNoDelay"));
    tarq::testing::VirtualInput input;
    for (int i = 0; i < 10; ++i)
        input.Press(MouseButton::Left).Release(MouseButton::Left);   // 20 event bytes
    e.Record(input);
    const FireMacroRecord full = e.Record(7);
    QCOMPARE(full[1], uint8_t{21});
    ClickRow(e.List("LB_FireMacro"), 0);
    SendClick(e.form.control("Btn_FireInsert"));
    e.form.control<QComboBox>("CB_InsertFire")->setCurrentIndex(4);   // two more bytes
    SendClick(e.form.control("Btn_FireOK"));
    QCOMPARE(e.Record(7), full);
    QCOMPARE(e.messages, QStringList{e.form.State().Text(941).arg(22)});
    QCOMPARE(e.List("LB_FireMacro")->count(), 20);

    // A long delay typed into the panel: the message tells what the whole macro would need
    // (20 bytes and 9999 ms as four full delays and a rest), not where the encoder gave up.
    e.messages.clear();
    ClickRow(e.List("LB_FireMacro"), 0);
    SendClick(e.form.control("Btn_FireInsert"));
    e.form.control<QComboBox>("CB_InsertFire")->setCurrentIndex(0);
    auto* delay = e.form.control<QLineEdit>("Edt_InsertFireDelay");
    delay->selectAll();
    QTest::keyClicks(delay, "9999");
    SendClick(e.form.control("Btn_FireOK"));
    QCOMPARE(e.Record(7), full);
    QCOMPARE(e.messages, QStringList{e.form.State().Text(941).arg(30)});
    QVERIFY(e.messages.front().contains(QLatin1String("30")) && e.messages.front().contains(QLatin1String("21")));
}

QTEST_MAIN(FireMacroEditorFormTest)
#include "FireMacroEditorFormTest.moc"
