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
#include "macros/ScriptedCapture.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/MacroRecording.h"
#include "macros/ui/Unit3.h"
#include "platform/ReadFileBytes.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/SkinLabel.h"

#include <memory>

using namespace tarq;
using tarq::testing::ScriptedCapture;

namespace {

using tarq::testing::Click;

// Answers the next name dialog: types `text` and clicks "OK", or closes it when `text` is empty.
void AnswerName(const QString& text)
{
    testing::WhenDialogOpens<TForm3>([text](TForm3* dialog) {
        if (text.isEmpty()) {
            Click(dialog->findChild<QWidget*>("IB_Close"));
            return;
        }
        QTest::keyClicks(dialog->findChild<QLineEdit*>("Edt_MacroName"), text);
        Click(dialog->findChild<QWidget*>("IB_Confirm"));
    });
}

struct WalkForm {
    WalkForm()
        : device(false, nullptr,
                 [this] {
                     auto capture = std::make_unique<ScriptedCapture>();
                     source = capture.get();
                     return PlatformCapture{std::move(capture), ""};
                 }),
          form(device.form.get())
    {
        device.prompts.UseOwnNameAndDelayDialogs(device.form->OwnPrompts());
        device.OpenMouse();
        form->State().NoDeviceView = false;
        form->ShowDialogMessage = [this](const QString& text) { messages << text; };
        form->State().DataFolder = dir.path() + QLatin1Char('/');
        form->MacroLibrary().LoadMacroLibrary();
        form->show();
        Click(form->control("Btn_Macro_1"));
    }

    QListWidget* List(const char* name) { return form->control<QListWidget>(name); }
    QWidget* Control(const char* name) { return form->control(name); }

    void RightClick(const char* list, int row) { testing::RightClickRow(List(list), row); }
    void LeftClick(const char* list, int row) { testing::ClickRow(List(list), row); }

    // A library macro made from a script, as if it had been recorded and saved.
    void AddMacro(const QString& name, const MacroScript& script, ReleaseMode mode)
    {
        AnswerName(name);
        Click(Control("Btn_New"));
        const int row = List("LB_PCMacroName")->currentRow();
        form->State().PcMacros[size_t(row)].body = BuildMacroBody(script, mode).body;
        form->MacroLibrary().RefreshPCMacro();
        List("LB_PCMacroName")->setCurrentRow(-1);
    }

    PcMacroLibrary Saved()
    {
        return ReadMacroLibraryFile(
            ReadFileBytes(form->MacroLibrary().MacroFilePath(), 1 << 20).value_or(std::vector<uint8_t>{}));
    }

    ScriptedCapture* source = nullptr;
    tarq::testing::FormWithMouse device;
    TForm1* form;
    QTemporaryDir dir;
    QStringList messages;
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
    AnswerName({});
    f.RightClick("LB_PCMacroName", 0);
    Click(f.Control("Btn_NewMacro"));
    QCOMPARE(f.List("LB_PCMacroName")->count(), 1);
    QVERIFY(f.form->control<QRadioButton>("rb_ReleaseStop")->isChecked());
    QCOMPARE(f.form->State().PcMacros[0].body, held);

    // With a name: the new macro starts as "Stop after the macro is over"; the selected one
    // keeps "Stop until the key release", in memory and in Macro.bin.
    AnswerName(QStringLiteral("Fresh"));
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
    f.source->Play(InputEvent::Key(0x31, true, 10)).Play(InputEvent::Key(0x31, false, 11));
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
