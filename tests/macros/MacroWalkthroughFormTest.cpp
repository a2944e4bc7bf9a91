// SPDX-License-Identifier: GPL-2.0-or-later
// What a person meets on the macro page beyond the single edits: creating a macro from the
// list's menu next to a selected one, and recording keys into a macro through the insert panel
// while other macros sit in the list. Driven on the real main form with a scripted capture.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
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

struct WalkForm : testing::MacroPageForm {
    PcMacroLibrary Saved() { return ReadMacroLibraryFile(SavedFile()); }
};

const MacroScript kTap = {"00", "1 A CODE:8204", "0 24", "2 A CODE:0204"};
const MacroScript kOther = {"00", "1 B CODE:8205", "0 30", "2 B CODE:0205"};

} // namespace

class MacroWalkthroughFormTest : public QObject {
    Q_OBJECT
private slots:
    void newMacroFromTheMenuLeavesTheSelectedMacroAlone();
    void insertPanelKeepsToTheMacroItOpenedOn();
};

void MacroWalkthroughFormTest::newMacroFromTheMenuLeavesTheSelectedMacroAlone()
{
    WalkForm f;
    f.AddMacro("Held", kTap, ReleaseMode::StopOnRelease);
    const MacroBody held = f.form->State().PcMacros[0].body;
    f.LeftClick("LB_PCMacroName", 0);
    QVERIFY(f.form->control<QRadioButton>("rb_ReleaseStop")->isChecked());

    // The menu's New Macro, closed without a name: nothing changes, the choice still shows the
    // selected macro's mode.
    testing::AnswerNameDialog({});
    f.RightClick("LB_PCMacroName", 0);
    Click(f.Control("Btn_NewMacro"));
    QCOMPARE(f.List("LB_PCMacroName")->count(), 1);
    QVERIFY(f.form->control<QRadioButton>("rb_ReleaseStop")->isChecked());
    QCOMPARE(f.form->State().PcMacros[0].body, held);

    // With a name: the new macro starts as "Stop after the macro is over"; the selected one
    // keeps "Stop until the key release", in memory and in Macro.bin.
    testing::AnswerNameDialog(QStringLiteral("Fresh"));
    f.RightClick("LB_PCMacroName", 0);
    Click(f.Control("Btn_NewMacro"));
    QCOMPARE(f.List("LB_PCMacroName")->count(), 2);
    QCOMPARE(f.List("LB_PCMacroName")->currentRow(), 1);
    QVERIFY(f.form->control<QRadioButton>("rb_ReleaseContinue")->isChecked());
    QCOMPARE(f.form->State().PcMacros[0].body, held);
    QCOMPARE(f.Saved()[0].body, held);
    QCOMPARE(f.Saved()[1].name, MacroNameFromUtf16(u"Fresh"));
}

void MacroWalkthroughFormTest::insertPanelKeepsToTheMacroItOpenedOn()
{
    WalkForm f;
    f.AddMacro("First", kTap, ReleaseMode::PlayToEnd);
    f.AddMacro("Second", kOther, ReleaseMode::PlayToEnd);
    const MacroBody second = f.form->State().PcMacros[1].body;
    f.LeftClick("LB_PCMacroName", 0);
    QCOMPARE(f.List("LB_macro")->count(), 3);

    // Keys recorded in front of the first event, with a click on the other macro meanwhile.
    f.RightClick("LB_macro", 0);
    Click(f.Control("Btn_Insert"));
    auto* combo = f.form->control<QComboBox>("CB_Insert");
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    Click(f.Control("IB_InsertNoDelay"));
    Click(f.Control("Btn_InsertStart"));
    QVERIFY(f.form->Recording().Inserting());
    QVERIFY(!f.List("LB_PCMacroName")->isEnabled());
    f.LeftClick("LB_PCMacroName", 1);
    QCOMPARE(f.List("LB_PCMacroName")->currentRow(), 0);
    f.scripted.source->Play(InputEvent::Key(0x31, true, 10)).Play(InputEvent::Key(0x31, false, 11));
    QTRY_COMPARE(f.form->Recording().Script().size(), kTap.size() + 2);
    Click(f.Control("Btn_InsertStart"));
    Click(f.Control("Btn_OK"));

    // The lines went into the first macro; the second is as it was; the list takes clicks again.
    const MacroScript expected = {"00", "1 1 CODE:821E", "2 1 CODE:021E", "1 A CODE:8204", "0 24", "2 A CODE:0204"};
    QCOMPARE(f.form->State().PcMacros[0].body, BuildMacroBody(expected, ReleaseMode::PlayToEnd).body);
    QCOMPARE(f.form->State().PcMacros[1].body, second);
    QCOMPARE(f.Saved()[1].body, second);
    QVERIFY(f.List("LB_PCMacroName")->isEnabled());
    f.LeftClick("LB_PCMacroName", 1);
    QCOMPARE(f.List("LB_macro")->count(), 3);
    QCOMPARE(f.List("LB_macro")->item(0)->text(), QStringLiteral("B"));

    // Cancel gives the list back too.
    f.RightClick("LB_macro", 0);
    Click(f.Control("Btn_Insert"));
    QVERIFY(!f.List("LB_PCMacroName")->isEnabled());
    Click(f.Control("Btn_Cancel"));
    QVERIFY(f.List("LB_PCMacroName")->isEnabled());
}

QTEST_MAIN(MacroWalkthroughFormTest)
#include "MacroWalkthroughFormTest.moc"
