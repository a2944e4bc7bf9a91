// SPDX-License-Identifier: GPL-2.0-or-later
// Corners of the macro page a new user runs into, on the real main form with a scripted capture:
// the insert panel's record button saying what it does once the pointer has left it, a
// recording that ends when the page is left, names made only of spaces, and the event list of
// a long macro opening at its first event.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Main.h"
#include "macros/MacroBody.h"
#include "macros/MacroFiles.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/MacroRecording.h"
#include "macros/ui/Unit3.h"
#include "platform/ReadFileBytes.h"
#include "support/MacroPageForm.h"
#include "support/UserActions.h"
#include "ui/SkinLabel.h"

#include <memory>

using namespace tarq;

namespace {

using tarq::testing::Click;

// The pointer coming onto a control and going away again.
void Enter(QWidget* w)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w, &event);
}
void Leave(QWidget* w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

struct CornersForm : testing::MacroPageForm {
    // Opens the insert panel on `row` at "Insert Key Back", as the pop-up and the item list do.
    void OpenKeyInsert(int row)
    {
        RightClick("LB_macro", row);
        Click(Control("Btn_Insert"));
        auto* combo = form->control<QComboBox>("CB_Insert");
        combo->setCurrentIndex(3);
        emit combo->activated(3);
        Click(Control("IB_InsertNoDelay"));
    }
};

const MacroScript kTap = {"00", "1 A CODE:8204", "0 24", "2 A CODE:0204"};

} // namespace

class MacroPageCornersFormTest : public QObject {
    Q_OBJECT
private slots:
    void insertRecordButtonSaysStopWhileItRecords();
    void leavingThePageEndsARecording();
    void leavingThePageEndsAnInsertRecording();
    void namesOfSpacesAreRefused();
    void eventListOpensAtTheFirstEvent();
};

void MacroPageCornersFormTest::insertRecordButtonSaysStopWhileItRecords()
{
    CornersForm f;
    f.AddMacro("Tap", kTap);
    f.LeftClick("LB_PCMacroName", 0);
    f.OpenKeyInsert(0);
    auto* start = f.form->control<TSkinLabel>("Btn_InsertStart");
    const QString record = f.form->State().Text(400);
    const QString stop = f.form->State().Text(401);
    QCOMPARE(start->text(), record);

    // Pointer on, click, pointer off: the button stops the recording, so it says so.
    Enter(start);
    Click(start);
    QVERIFY(f.form->Recording().Inserting());
    Leave(start);
    QCOMPARE(start->text(), stop);
    // Passing over it again and leaving keeps it.
    Enter(start);
    Leave(start);
    QCOMPARE(start->text(), stop);

    // The click that stops: back to Record once the pointer has gone.
    Enter(start);
    Click(start);
    QVERIFY(!f.form->Recording().Recording());
    Leave(start);
    QCOMPARE(start->text(), record);
}

void MacroPageCornersFormTest::leavingThePageEndsARecording()
{
    CornersForm f;
    testing::AnswerNameDialog(QStringLiteral("Walk"), testing::NameTyping::Characters);
    Click(f.Control("Btn_New"));
    Click(f.Control("IB_NoDelay"));
    Click(f.Control("Btn_Start"));
    QVERIFY(f.form->Recording().Recording());
    f.scripted.source->Play(InputEvent::Key(0x41, true, 1)).Play(InputEvent::Key(0x41, false, 2));
    QTRY_COMPARE(f.List("LB_macro")->count(), 2);

    // The Light page button: the recording ends as Stop ends it, the macro is kept and saved.
    Click(f.Control("Btn_Breath_4"));
    QVERIFY(f.Control("gbPage3")->isVisible());
    QVERIFY(!f.form->Recording().Recording());
    QVERIFY(f.scripted.source == nullptr || !f.scripted.source->Running());
    const MacroScript expected = {"00", "1 A CODE:8204", "2 A CODE:0204"};
    QCOMPARE(f.form->State().PcMacros[0].body, BuildMacroBody(expected, ReleaseMode::PlayToEnd).body);
    QCOMPARE(f.SavedRecord(0).body, f.form->State().PcMacros[0].body);

    // Back on the macro page everything takes clicks again and Record starts afresh.
    Click(f.Control("Btn_Macro_3"));
    QCOMPARE(f.form->control<TSkinLabel>("Btn_Start")->text(), f.form->State().Text(400));
    QVERIFY(f.List("LB_PCMacroName")->isEnabled());
    QVERIFY(f.Control("Gb_Delay")->isEnabled());
}

void MacroPageCornersFormTest::leavingThePageEndsAnInsertRecording()
{
    CornersForm f;
    f.AddMacro("Tap", kTap);
    f.LeftClick("LB_PCMacroName", 0);
    f.OpenKeyInsert(0);
    Click(f.Control("Btn_InsertStart"));
    QVERIFY(f.form->Recording().Inserting());
    f.scripted.source->Play(InputEvent::Key(0x31, true, 10)).Play(InputEvent::Key(0x31, false, 11));
    QTRY_COMPARE(f.List("LB_macro")->count(), 5);

    Click(f.Control("Btn_Main_4"));
    QVERIFY(!f.form->Recording().Recording());
    QVERIFY(!f.form->Recording().Inserting());
    QCOMPARE(f.form->control<TSkinLabel>("Btn_InsertStart")->text(), f.form->State().Text(400));
    // What was recorded stays in the panel's script; the panel's OK still decides.
    QCOMPARE(f.form->Recording().Script().size(), kTap.size() + 2);
    Click(f.Control("Btn_Macro_1"));
    Click(f.Control("Btn_OK"));
    const MacroScript expected = {"00", "1 A CODE:8204", "1 1 CODE:821E", "2 1 CODE:021E", "0 24", "2 A CODE:0204"};
    QCOMPARE(f.form->State().PcMacros[0].body, BuildMacroBody(expected, ReleaseMode::PlayToEnd).body);
}

void MacroPageCornersFormTest::namesOfSpacesAreRefused()
{
    CornersForm f;
    testing::AnswerNameDialog(QStringLiteral("   "), testing::NameTyping::Characters);
    Click(f.Control("Btn_New"));
    QCOMPARE(f.Names(), QStringList{});

    f.AddMacro("Tap", kTap);
    testing::AnswerNameDialog(QString(3, QChar(0x3000)), testing::NameTyping::Characters);   // ideographic spaces
    f.RightClick("LB_PCMacroName", 0);
    Click(f.Control("Btn_NewName"));
    QCOMPARE(f.Names(), QStringList{"Tap"});
    QCOMPARE(MacroNameToUtf16(f.SavedRecord(0).name), std::u16string(u"Tap"));

    // A name with spaces around a letter is a name.
    testing::AnswerNameDialog(QStringLiteral(" B "), testing::NameTyping::Characters);
    f.RightClick("LB_PCMacroName", 0);
    Click(f.Control("Btn_NewName"));
    QCOMPARE(f.Names(), QStringList{" B "});
}

void MacroPageCornersFormTest::eventListOpensAtTheFirstEvent()
{
    CornersForm f;
    MacroScript taps = {"00"};
    for (int i = 0; i < 30; ++i)
        taps.insert(taps.end(), {"1 A CODE:8204", "2 A CODE:0204"});
    MacroScript other = taps;
    other[1] = "1 B CODE:8205";
    f.AddMacro("Long", taps);
    f.AddMacro("Other", other);
    QListWidget* events = f.List("LB_macro");
    auto firstShown = [events] {
        QTest::qWait(20);   // the list lays its rows out after the events of the click
        return events->indexAt(QPoint(2, 2)).row();
    };
    f.LeftClick("LB_PCMacroName", 0);
    QCOMPARE(events->count(), 60);
    QCOMPARE(firstShown(), 0);

    // Scrolled down in one long macro, then another long macro picked: it opens at its top.
    testing::ClickRow(events, 0);
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(events, Qt::Key_Down);
    QVERIFY(firstShown() > 0);
    f.LeftClick("LB_PCMacroName", 1);
    QCOMPARE(events->item(0)->text(), QStringLiteral("B"));
    QCOMPARE(firstShown(), 0);
    QCOMPARE(events->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(MacroPageCornersFormTest)
#include "MacroPageCornersFormTest.moc"
