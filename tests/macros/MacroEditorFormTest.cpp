// SPDX-License-Identifier: GPL-2.0-or-later
// The macro editor on the real main form, driven as a person would: right clicks open the
// context panels, dialogs are answered by typing and clicking, the insert panel's fields take
// typed text. Each step is checked in the script, in the body (against a body the core builds
// from the expected script) and in Macro.bin.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Main.h"
#include "ui/language/LanguageSwitch.h"
#include "ui/Navigation.h"
#include "macros/MacroBody.h"
#include "macros/MacroFiles.h"
#include "macros/ui/MacroEditor.h"
#include "macros/ui/MacroImportExport.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/MacroRecording.h"
#include "macros/ui/Unit3.h"
#include "macros/ui/Unit6.h"
#include "macros/ui/Unit7.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"
#include "settings/ui/Unit5.h"
#include "support/MacroPageForm.h"
#include "support/UserActions.h"
#include "ui/HexEdit.h"
#include "ui/SkinLabel.h"

#include <memory>

using namespace tarq;
using tarq::testing::PromptsOf;

namespace {

using tarq::testing::Click;

// Answers the single-key dialog with one key.
void AnswerKeyDialog(Qt::Key key)
{
    testing::WhenDialogOpens<TForm5>([key](TForm5* dialog) {
        QTest::keyClick(dialog->findChild<QLineEdit*>("Edt_EditKey"), key);
        Click(dialog->findChild<QWidget*>("IB_Confirm"));
    });
}

struct EditorForm : testing::MacroPageForm {
    using MacroPageForm::MacroPageForm;

    const MacroScript& Script() { return form->Recording().Script(); }
    MacroScript Events()
    {
        const MacroScript& script = Script();
        return script.empty() ? MacroScript{} : MacroScript(script.begin() + 1, script.end());
    }

    // The selected macro's body in memory and in the file equal the one built from `script`.
    void ExpectBody(const MacroScript& script, ReleaseMode mode = ReleaseMode::PlayToEnd)
    {
        // Line 0 is the delay header the page chose; the events follow it.
        QCOMPARE(Events(), MacroScript(script.begin() + 1, script.end()));
        const int row = List("LB_PCMacroName")->currentRow();
        QVERIFY(row >= 0);
        const std::vector<uint8_t> file = SavedFile();
        if (Driver()) {
            const DriverMacroBody expected = BuildDriverMacroBody(script, mode).body;
            QCOMPARE(form->State().DriverMacros[size_t(row)].body, expected);
            QCOMPARE(ReadDriverMacroFile(file).at(size_t(row)).body, expected);
        } else {
            const BuiltMacroBody built = BuildMacroBody(script, mode);
            QVERIFY(built.ok());
            QCOMPARE(form->State().PcMacros[size_t(row)].body, built.body);
            QCOMPARE(ReadMacroLibraryFile(file)[size_t(row)].body, built.body);
        }
    }

    QString WriteFile(const QString& name, const std::vector<uint8_t>& bytes)
    {
        const QString path = dir.path() + QLatin1Char('/') + name;
        SaveFileAtomically(path, bytes);
        return path;
    }
};

const MacroScript kTap = {"00", "1 A CODE:8204", "0 24", "2 A CODE:0204"};

} // namespace

class MacroEditorFormTest : public QObject {
    Q_OBJECT
private slots:
    void newRenameAndDelete();
    void contextPanelsFollowTheSelection();
    void editEachKindOfEvent();
    void deleteEventsWithTheirPartner();
    void insertPanelAddsLinesInFrontAndBehind();
    void insertKeysByRecordingFrontAndBack();
    void cancelAfterAFullInsertRecordingAllowsAnother();
    void releaseModeIsStoredAtOnce();
    void tooLongEditIsRefused();
    void driverModeEditsTheDriverRecord();
    void exportOneImportOneRoundTrip();
    void importAllTakesWholeRecordsAndClosesGaps();
    void shortOrEmptyFilesAreRefused();
    void baseMacroImportWritesPagesOneToFour();
    void assignedMacroChangesAreTold();
};

void MacroEditorFormTest::newRenameAndDelete()
{
    EditorForm f;
    for (const char* name : {"One", "Two", "Three"})
        f.NewMacro(name);
    QCOMPARE(f.Names(), (QStringList{"One", "Two", "Three"}));

    // Rename through the list's panel: an empty name changes nothing, the macro's own name and
    // another macro's name are refused, a long name is cut at 16 characters by the field.
    f.List("LB_PCMacroName")->setCurrentRow(1);
    testing::TypeIntoDialog<TForm3>("Edt_MacroName", "", true);
    f.Menu("LB_PCMacroName", 1, "Btn_NewName");
    QCOMPARE(f.Names(), (QStringList{"One", "Two", "Three"}));
    for (const char* taken : {"Two", "One"}) {
        testing::TypeIntoDialog<TForm3>("Edt_MacroName", taken, true);
        f.Menu("LB_PCMacroName", 1, "Btn_NewName");
    }
    QCOMPARE(f.messages, (QStringList{"This macro already exists", "This macro already exists"}));
    testing::TypeIntoDialog<TForm3>("Edt_MacroName", "A name far too long", true);
    f.Menu("LB_PCMacroName", 1, "Btn_NewName");
    QCOMPARE(f.Names(), (QStringList{"One", "A name far too l", "Three"}));
    QCOMPARE(f.Names("LB_Name"), f.Names());
    QCOMPARE(f.List("LB_PCMacroName")->currentRow(), 1);
    QCOMPARE(ReadMacroLibraryFile(f.SavedFile())[1].name, MacroNameFromUtf16(u"A name far too l"));

    // Delete asks first, naming the macro; No keeps the library and its file as they are.
    const std::vector<uint8_t> beforeDelete = f.SavedFile();
    f.answer = false;
    f.Menu("LB_PCMacroName", 1, "Btn_DelPCMacro");
    QCOMPARE(f.questions, QStringList{f.form->State().Text(863).arg("A name far too l")});
    QCOMPARE(f.Names(), (QStringList{"One", "A name far too l", "Three"}));
    QCOMPARE(f.SavedFile(), beforeDelete);
    f.answer = true;

    // Delete the middle one: rows move up, the row before is selected, the file follows.
    f.Menu("LB_PCMacroName", 1, "Btn_DelPCMacro");
    QCOMPARE(f.Names(), (QStringList{"One", "Three"}));
    QCOMPARE(f.Names("LB_Name"), f.Names());
    QCOMPARE(f.List("LB_PCMacroName")->currentRow(), 0);
    const PcMacroLibrary saved = ReadMacroLibraryFile(f.SavedFile());
    QCOMPARE(saved[1].name, MacroNameFromUtf16(u"Three"));
    QVERIFY(MacroNameIsEmpty(saved[2].name));
    QCOMPARE(f.SavedFile().size(), kMacroFileSize);
    // Deleting the first row selects the new first row.
    f.Menu("LB_PCMacroName", 0, "Btn_DelPCMacro");
    QCOMPARE(f.Names(), QStringList{"Three"});
    QCOMPARE(f.List("LB_PCMacroName")->currentRow(), 0);
}

void MacroEditorFormTest::contextPanelsFollowTheSelection()
{
    EditorForm f;
    f.MakeMacro("Tap", kTap);
    QCOMPARE(f.List("LB_macro")->count(), 3);
    f.RightClick("LB_macro", 2);
    QVERIFY(f.Control("Pnl_DevContent")->isVisible());
    QCOMPARE(f.List("LB_macro")->currentRow(), 2);
    // A left click closes it; a press below the rows deselects and opens nothing.
    f.LeftClick("LB_macro", 0);
    QVERIFY(!f.Control("Pnl_DevContent")->isVisible());
    f.RightClick("LB_macro", 99);
    QVERIFY(!f.Control("Pnl_DevContent")->isVisible());
    QCOMPARE(f.List("LB_macro")->currentRow(), -1);
    // The list's panel opens on an empty list too (New, Import); a press below the rows
    // clears the macro's selection and its events.
    f.RightClick("LB_PCMacroName", 99);
    QVERIFY(f.Control("Pnl_PCMacro")->isVisible());
    QCOMPARE(f.List("LB_PCMacroName")->currentRow(), -1);
    QCOMPARE(f.List("LB_macro")->count(), 0);
}

void MacroEditorFormTest::editEachKindOfEvent()
{
    EditorForm f;
    f.MakeMacro("Kinds", {"00", "1 A CODE:8204", "0 24", "3 FB05", "6 FAF4", "7 FD02", "2 A CODE:0204", "8 00FC"});

    testing::TypeIntoDialog<TForm6>("Edt_EditTime", "99999", true);   // kept at 2040
    f.Menu("LB_macro", 1, "Btn_Edit");
    f.ExpectBody({"00", "1 A CODE:8204", "0 2040", "3 FB05", "6 FAF4", "7 FD02", "2 A CODE:0204", "8 00FC"});
    QCOMPARE(f.List("LB_macro")->currentRow(), 1);
    QCOMPARE(f.List("LB_macro")->item(1)->text(), QStringLiteral("2040 ms"));

    testing::TypeIntoDialog<TForm7>("Edt_EditTime", "-12", true);
    f.Menu("LB_macro", 2, "Btn_Edit");
    testing::TypeIntoDialog<TForm7>("Edt_EditTime", "200", true);    // kept at 127
    f.Menu("LB_macro", 3, "Btn_Edit");
    testing::TypeIntoDialog<TForm7>("Edt_EditTime", "0", true);      // a repeat count of 0 reads 1
    f.Menu("LB_macro", 4, "Btn_Edit");
    AnswerKeyDialog(Qt::Key_B);
    f.Menu("LB_macro", 5, "Btn_Edit");
    f.ExpectBody({"00", "1 A CODE:8204", "0 2040", "4 FBF4", "5 FA7F", "7 FD00", "2 B CODE:0205", "8 00FC"});
    QCOMPARE(f.List("LB_macro")->item(2)->text(), QStringLiteral("X-Axis  -12"));
    QCOMPARE(f.List("LB_macro")->item(4)->text(), QStringLiteral("Rep-Start  1"));

    // Closing a dialog without OK changes nothing.
    testing::AnswerDialog(QStringLiteral("IB_Close"));
    f.Menu("LB_macro", 1, "Btn_Edit");
    QCOMPARE(f.Script()[2], std::string("0 2040"));
}

void MacroEditorFormTest::deleteEventsWithTheirPartner()
{
    EditorForm f;
    const MacroScript script{"00", "1 A CODE:8204", "1 A CODE:8204", "0 40", "2 A CODE:0204", "1 LeftKey CODE:00A1",
                             "2 LeftKey CODE:0021"};
    f.MakeMacro("Pairs", script);
    // The release of the left button takes its press; the row above them is selected.
    f.Menu("LB_macro", 5, "Btn_Del");
    f.ExpectBody({"00", "1 A CODE:8204", "1 A CODE:8204", "0 40", "2 A CODE:0204"});
    QCOMPARE(f.List("LB_macro")->currentRow(), 3);
    // The first press of A takes the second press, not the release.
    f.Menu("LB_macro", 0, "Btn_Del");
    f.ExpectBody({"00", "0 40", "2 A CODE:0204"});
    QCOMPARE(f.List("LB_macro")->currentRow(), 0);
    f.Menu("LB_macro", 1, "Btn_Del");
    f.Menu("LB_macro", 0, "Btn_Del");
    f.ExpectBody({"00"});
    QCOMPARE(f.List("LB_macro")->count(), 0);
    QCOMPARE(int(f.form->State().PcMacros[0].body[1]), 0);
}

void MacroEditorFormTest::insertPanelAddsLinesInFrontAndBehind()
{
    EditorForm f;
    f.MakeMacro("Insert", kTap);
    auto insert = [&f](int row, int item, const char* field, const QString& text) {
        f.Menu("LB_macro", row, "Btn_Insert");
        QVERIFY(f.Control("Gb_Insert")->isVisible());
        QVERIFY(!f.Control("Gb_Delay")->isVisible());
        QVERIFY(!f.Control("Btn_Start")->isEnabled());
        auto* combo = f.form->control<QComboBox>("CB_Insert");
        combo->setCurrentIndex(item);
        emit combo->activated(item);
        if (field) {
            auto* edit = f.form->control<QLineEdit>(field);
            QVERIFY2(edit->isVisible(), field);
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        Click(f.Control("Btn_OK"));
    };
    insert(0, 0, "Edt_InsertDelay", "16");        // delay in front of row 0
    QVERIFY(!f.Control("Gb_Insert")->isVisible());
    QVERIFY(f.Control("Gb_Delay")->isVisible());
    QVERIFY(f.Control("Btn_Start")->isEnabled());
    QCOMPARE(f.List("LB_macro")->currentRow(), 0);
    insert(3, 1, "Edt_InsertDelay", "5000");      // behind the last row: appended, kept at 2040
    QCOMPARE(f.List("LB_macro")->currentRow(), 4);
    insert(1, 4, "edt_Repeat", "3");              // repeat start in front of row 1
    insert(3, 5, nullptr, {});                    // repeat end behind row 3
    insert(0, 6, "edt_XAxisValue", "-1");
    insert(0, 9, "edt_YAxisValue", "0");
    f.ExpectBody({"00", "4 FBFF", "5 FA00", "0 16", "7 FD02", "1 A CODE:8204", "0 24", "8 00FC", "2 A CODE:0204",
                  "0 2040"});
    QCOMPARE(f.List("LB_macro")->item(3)->text(), QStringLiteral("Rep-Start  3"));

    // Cancel puts back the macro as stored, with its selection.
    f.Menu("LB_macro", 2, "Btn_Insert");
    Click(f.Control("Btn_Cancel"));
    QVERIFY(!f.Control("Gb_Insert")->isVisible());
    QCOMPARE(f.List("LB_macro")->currentRow(), 2);
    QCOMPARE(f.Script().size(), size_t(10));
}

void MacroEditorFormTest::insertKeysByRecordingFrontAndBack()
{
    EditorForm f;
    f.MakeMacro("Keys", kTap);
    auto record = [&f](int row, int item, uint16_t vk) {
        f.Menu("LB_macro", row, "Btn_Insert");
        auto* combo = f.form->control<QComboBox>("CB_Insert");
        combo->setCurrentIndex(item);
        emit combo->activated(item);
        QCOMPARE(f.form->control<TSkinLabel>("Img_InsertBase")->picture(), QStringLiteral("InsertKeyBase"));
        Click(f.Control("IB_InsertNoDelay"));
        Click(f.Control("Btn_InsertStart"));
        QVERIFY(f.form->Recording().Inserting());
        QVERIFY(!f.Control("Btn_OK")->isEnabled());
        const size_t before = f.Script().size();
        f.scripted.source->Play(InputEvent::Key(vk, true, 10)).Play(InputEvent::Key(vk, false, 11));
        QTRY_COMPARE(f.Script().size(), before + 2);
        Click(f.Control("Btn_InsertStart"));
        Click(f.Control("Btn_OK"));
        QVERIFY(!f.Control("Gb_Insert")->isVisible());
    };
    record(0, 2, 0x31);   // "1" in front of the A press
    record(3, 3, 0x32);   // "2" behind the delay
    f.ExpectBody({"00", "1 1 CODE:821E", "2 1 CODE:021E", "1 A CODE:8204", "0 24", "1 2 CODE:821F", "2 2 CODE:021F",
                  "2 A CODE:0204"});

    // Recorded keys are dropped by Cancel.
    f.Menu("LB_macro", 0, "Btn_Insert");
    auto* combo = f.form->control<QComboBox>("CB_Insert");
    combo->setCurrentIndex(3);
    emit combo->activated(3);
    Click(f.Control("Btn_InsertStart"));
    f.scripted.source->Play(InputEvent::Key(0x33, true, 10));
    QTRY_COMPARE(f.Script().size(), size_t(9));
    Click(f.Control("Btn_InsertStart"));
    Click(f.Control("Btn_Cancel"));
    QCOMPARE(f.Script().size(), size_t(8));
}

void MacroEditorFormTest::cancelAfterAFullInsertRecordingAllowsAnother()
{
    EditorForm f;
    MacroScript moves{"00"};
    for (int i = 0; i < 90; ++i)
        moves.push_back("3 FB01");   // 180 event bytes: one more key tap fits, a second does not
    f.MakeMacro("Nearly full", moves);
    auto startInsertRecording = [&f] {
        f.Menu("LB_macro", 0, "Btn_Insert");
        auto* combo = f.form->control<QComboBox>("CB_Insert");
        combo->setCurrentIndex(3);
        emit combo->activated(3);
        Click(f.Control("IB_InsertNoDelay"));
        Click(f.Control("Btn_InsertStart"));
    };
    startInsertRecording();
    QVERIFY(f.form->Recording().Inserting());
    for (uint16_t vk : {0x41, 0x42})
        f.scripted.source->Play(InputEvent::Key(vk, true, 10)).Play(InputEvent::Key(vk, false, 11));
    // Stop lets the queued events through first: the B press finds the body full.
    Click(f.Control("Btn_InsertStart"));
    QVERIFY(f.form->Recording().StopFlag());
    QCOMPARE(f.Script().size(), size_t(93));
    Click(f.Control("Btn_Cancel"));
    QCOMPARE(f.Script().size(), size_t(91));
    startInsertRecording();
    QVERIFY(f.form->Recording().Inserting());
    Click(f.Control("Btn_InsertStart"));
    Click(f.Control("Btn_Cancel"));
}

void MacroEditorFormTest::releaseModeIsStoredAtOnce()
{
    EditorForm f;
    f.MakeMacro("Mode", kTap);
    Click(f.Control("IB_ReleaseStop"));
    QVERIFY(f.form->control<QRadioButton>("rb_ReleaseStop")->isChecked());
    QCOMPARE(f.form->control<TSkinLabel>("Img_ReleaseStop")->picture(), QStringLiteral("RdS_E"));
    QCOMPARE(f.form->control<TSkinLabel>("Img_ReleaseContiue")->picture(), QStringLiteral("RdS_D"));
    f.ExpectBody(kTap, ReleaseMode::StopOnRelease);
    // Later edits keep it.
    f.Menu("LB_macro", 1, "Btn_Del");
    f.ExpectBody({"00", "1 A CODE:8204", "2 A CODE:0204"}, ReleaseMode::StopOnRelease);
    Click(f.Control("IB_ReleaseContiue"));
    f.ExpectBody({"00", "1 A CODE:8204", "2 A CODE:0204"}, ReleaseMode::PlayToEnd);
}

void MacroEditorFormTest::tooLongEditIsRefused()
{
    EditorForm f;
    MacroScript full{"00"};
    for (int i = 0; i < 110; ++i)
        full.push_back("3 FB01");   // 220 event bytes: one more byte fits, two do not
    f.MakeMacro("Full", full);
    const std::vector<uint8_t> before = f.SavedFile();
    f.Menu("LB_macro", 0, "Btn_Insert");
    Click(f.Control("Btn_OK"));   // a delay: two more bytes
    QCOMPARE(f.messages, QStringList{"The macro would be too long for the mouse. The change was not made."});
    QCOMPARE(f.Events(), MacroScript(full.begin() + 1, full.end()));
    QCOMPARE(f.SavedFile(), before);
    QVERIFY(f.Control("Gb_Insert")->isVisible());
    Click(f.Control("Btn_Cancel"));

    // A one-byte repeat end still fits.
    f.Menu("LB_macro", 0, "Btn_Insert");
    auto* combo = f.form->control<QComboBox>("CB_Insert");
    combo->setCurrentIndex(5);
    emit combo->activated(5);
    Click(f.Control("Btn_OK"));
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(int(f.form->State().PcMacros[0].body[1]), 222);

    // The refusal speaks the chosen language.
    f.form->Language().Switch(2);
    f.Menu("LB_macro", 0, "Btn_Insert");
    Click(f.Control("Btn_OK"));
    QCOMPARE(f.messages.last(), QStringLiteral("宏将超出鼠标可存储的长度，未做更改。"));
}

void MacroEditorFormTest::driverModeEditsTheDriverRecord()
{
    EditorForm f(true);
    QVERIFY(f.Driver());
    f.MakeMacro("Driver", {"00", "1 A CODE:8204", "0 5000", "2 A CODE:0204"});
    f.Menu("LB_macro", 0, "Btn_Insert");
    auto* combo = f.form->control<QComboBox>("CB_Insert");
    combo->setCurrentIndex(8);
    emit combo->activated(8);
    auto* y = f.form->control<QLineEdit>("edt_YAxisValue");
    y->selectAll();
    QTest::keyClicks(y, "-5");
    Click(f.Control("Btn_OK"));
    f.ExpectBody({"00", "6 FAFB", "1 A CODE:8204", "0 5000", "2 A CODE:0204"});
    testing::TypeIntoDialog<TForm7>("Edt_EditTime", "-128", true);
    f.Menu("LB_macro", 0, "Btn_Edit");
    f.Menu("LB_macro", 2, "Btn_Del");
    f.ExpectBody({"00", "6 FA80", "1 A CODE:8204", "2 A CODE:0204"});
}

void MacroEditorFormTest::exportOneImportOneRoundTrip()
{
    for (const bool driver : {false, true}) {
        EditorForm f(driver);
        f.MakeMacro("Trip", kTap, ReleaseMode::StopOnRelease);
        f.MakeMacro("Other", {"00", "3 FB01"});
        f.List("LB_PCMacroName")->setCurrentRow(0);
        f.nextFile = f.dir.path() + "/one";   // the dialog's name without the extension
        f.Menu("LB_PCMacroName", 0, "Btn_ExportOne");
        const auto exported = ReadFileBytes(f.dir.path() + "/one.bin", 1 << 20);
        QVERIFY(exported);
        const std::vector<uint8_t> file = f.SavedFile();
        const size_t record = driver ? kDriverMacroRecordSize : kMacroRecordSize;
        QCOMPARE(exported->size(), record);
        QVERIFY(std::equal(exported->begin(), exported->end(), file.begin()));

        // The same macro again is a duplicate; after deleting it, it comes back byte for byte.
        f.nextFile = f.dir.path() + "/one.bin";
        f.Menu("LB_PCMacroName", 0, "Btn_ImportOne");
        QCOMPARE(f.messages, QStringList{"This macro already exists"});
        f.Menu("LB_PCMacroName", 0, "Btn_DelPCMacro");
        QCOMPARE(f.Names(), QStringList{"Other"});
        f.Menu("LB_PCMacroName", 0, "Btn_ImportOne");
        QCOMPARE(f.Names(), (QStringList{"Other", "Trip"}));
        QCOMPARE(f.List("LB_PCMacroName")->currentRow(), 1);
        const std::vector<uint8_t> after = f.SavedFile();
        QVERIFY(std::equal(exported->begin(), exported->end(), after.begin() + long(record)));
        QCOMPARE(f.Events(), MacroScript(kTap.begin() + 1, kTap.end()));

        // Export All writes the library file as it is.
        f.nextFile = f.dir.path() + "/all.bin";
        f.Menu("LB_PCMacroName", 0, "Btn_Export");
        QCOMPARE(ReadFileBytes(f.dir.path() + "/all.bin", 1 << 24).value(), after);
    }
}

void MacroEditorFormTest::importAllTakesWholeRecordsAndClosesGaps()
{
    // EEPROM mode: rows 0 and 2 named (a gap at 1), a duplicate name at 3 and half a record.
    {
        EditorForm f;
        f.NewMacro("Old");
        PcMacroLibrary library{};
        library[0].name = MacroNameFromUtf16(u"First");
        library[0].body = BuildMacroBody(kTap, ReleaseMode::PlayToEnd).body;
        library[2].name = MacroNameFromUtf16(u"Second");
        library[3].name = MacroNameFromUtf16(u"First");
        std::vector<uint8_t> bytes = WriteMacroLibraryFile(library);
        bytes.resize(4 * kMacroRecordSize + 100, 0x41);
        f.nextFile = f.WriteFile("lib.bin", bytes);
        PromptsOf(*f.form).confirm = [](const QString&) { return true; }; // "Old" is replaced
        f.Menu("LB_PCMacroName", 0, "Btn_Import");
        QCOMPARE(f.Names(), (QStringList{"First", "Second", "First"}));
        QCOMPARE(f.Names("LB_Name"), f.Names());
        PcMacroLibrary expected = library;
        CompactMacroLibrary(expected);
        QCOMPARE(ReadMacroLibraryFile(f.SavedFile()), expected);
        QCOMPARE(f.form->State().PcMacros, expected);
    }
    // Driver mode: every whole 2048-byte record, the partial one left out.
    {
        EditorForm f(true);
        DriverMacroLibrary library(2);
        library[0].name = MacroNameFromUtf16(u"D1");
        library[1].name = MacroNameFromUtf16(u"D2");
        library[1].body = BuildDriverMacroBody(kTap, ReleaseMode::PlayToEnd).body;
        std::vector<uint8_t> bytes = WriteDriverMacroFile(library);
        bytes.resize(bytes.size() + 2047, 0x41);
        f.nextFile = f.WriteFile("lib.bin", bytes);
        f.Menu("LB_PCMacroName", 0, "Btn_Import");
        QCOMPARE(f.Names(), (QStringList{"D1", "D2"}));
        QCOMPARE(f.SavedFile(), WriteDriverMacroFile(library));
    }
}

void MacroEditorFormTest::shortOrEmptyFilesAreRefused()
{
    for (const bool driver : {false, true}) {
        EditorForm f(driver);
        f.MakeMacro("Keep", kTap);
        const std::vector<uint8_t> before = f.SavedFile();
        const size_t record = driver ? kDriverMacroRecordSize : kMacroRecordSize;
        std::vector<uint8_t> shortFile = WriteSingleMacroFile({MacroNameFromUtf16(u"Short"), {}});
        shortFile.resize(record - 1);
        for (const auto& bytes : {std::vector<uint8_t>{}, shortFile}) {
            f.nextFile = f.WriteFile("short.bin", bytes);
            for (const char* item : {"Btn_ImportOne", "Btn_Import"}) {
                f.messages.clear();
                f.Menu("LB_PCMacroName", 0, item);
                QCOMPARE(f.messages, QStringList{"This file is empty or shorter than one macro. Nothing was imported."});
                QCOMPARE(f.Names(), QStringList{"Keep"});
                QCOMPARE(f.SavedFile(), before);
                QCOMPARE(f.Events(), MacroScript(kTap.begin() + 1, kTap.end()));
            }
        }
        // A file that cannot be read, or written, is named in the message; nothing changes.
        f.messages.clear();
        f.nextFile = f.dir.path() + "/missing/none.bin";
        f.Menu("LB_PCMacroName", 0, "Btn_Import");
        f.Menu("LB_PCMacroName", 0, "Btn_Export");
        QCOMPARE(f.messages.size(), 2);
        QVERIFY(f.messages[0].startsWith("The file could not be read:\n"));
        QVERIFY(f.messages[1].startsWith("The file could not be written:\n"));
        QVERIFY(f.messages[1].contains("none.bin"));
        QCOMPARE(f.SavedFile(), before);

        // No file chosen: nothing at all.
        f.messages.clear();
        f.nextFile.clear();
        f.Menu("LB_PCMacroName", 0, "Btn_Import");
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(f.Names(), QStringList{"Keep"});
    }

    // With 99 names Import One does nothing, not even ask.
    EditorForm f;
    for (int i = 0; i < 99; ++i)
        f.form->State().PcMacros[size_t(i)].name = MacroNameFromUtf16(QString::number(i).toStdU16String());
    f.form->MacroLibrary().RefreshPCMacroName();
    bool asked = false;
    PromptsOf(*f.form).file = ([&asked](UserPrompts::FileUse) {
        asked = true;
        return QString();
    });
    f.Menu("LB_PCMacroName", 0, "Btn_ImportOne");
    QVERIFY(!asked);
}

void MacroEditorFormTest::baseMacroImportWritesPagesOneToFour()
{
    EditorForm f;
    std::vector<uint8_t> pages(kBaseMacroFileSize);
    for (size_t i = 0; i < pages.size(); ++i)
        pages[i] = uint8_t(i * 7 + 3);
    const auto before = f.device.mouse->memory();
    f.nextFile = f.WriteFile("base.bin", pages);
    f.form->MacroFiles().Btn_ImportBaseMacroClick();
    QCOMPARE(f.messages, QStringList{f.form->State().Text(718)});
    f.messages.clear();
    const auto& after = f.device.mouse->memory();
    for (size_t a = 0; a < after.size(); ++a) {
        const bool inBlock = a >= kBaseMacroBlockAddress && a < kBaseMacroBlockAddress + kBaseMacroFileSize;
        QCOMPARE(after[a], inBlock ? pages[a - kBaseMacroBlockAddress] : before[a]);
    }

    // A short file writes nothing; a silent mouse is told.
    f.nextFile = f.WriteFile("short.bin", std::vector<uint8_t>(1023, 0x55));
    f.form->MacroFiles().Btn_ImportBaseMacroClick();
    QCOMPARE(f.messages, QStringList{"This file is shorter than four macro pages (1024 bytes). Nothing was written."});
    f.messages.clear();
    f.device.mouse->faults.noAnswer = true;
    f.nextFile = f.WriteFile("base2.bin", std::vector<uint8_t>(1024, 0x66));
    f.form->MacroFiles().Btn_ImportBaseMacroClick();
    QCOMPARE(f.messages, QStringList{"The mouse did not answer. Nothing was written."});
    QCOMPARE(f.device.mouse->memory()[kBaseMacroBlockAddress], pages[0]);
}

void MacroEditorFormTest::assignedMacroChangesAreTold()
{
    EditorForm f;
    f.MakeMacro("Played", kTap);
    f.MakeMacro("Free", kTap);
    // Page 1 holds a copy of "Played" and button 4 plays it.
    const MacroName name = MacroNameFromUtf16(u"Played");
    std::copy(name.begin(), name.end(), f.form->State().MacroAreas.basePages[0].begin());
    f.form->State().OfficeKeyCodes[3] = "060121";
    const QString told = "A button plays a copy of this macro. It keeps that copy until the macro is assigned to it again.";

    // Edits of a macro no button plays say nothing.
    f.Menu("LB_macro", 1, "Btn_Del");
    QVERIFY(f.messages.isEmpty());
    // The played one: told once per shown macro for edits, every time for rename and delete.
    f.LeftClick("LB_PCMacroName", 0);
    f.Menu("LB_macro", 1, "Btn_Del");
    f.Menu("LB_macro", 0, "Btn_Del");
    QCOMPARE(f.messages, QStringList{told});
    testing::TypeIntoDialog<TForm3>("Edt_MacroName", "Renamed", true);
    f.Menu("LB_PCMacroName", 0, "Btn_NewName");
    QCOMPARE(f.messages, (QStringList{told, told}));

    // Another macro takes the old name; assigning it to button 5 reuses page 1 by that name, so
    // button 4 plays it too: the user is told.
    testing::TypeIntoDialog<TForm3>("Edt_MacroName", "Played", true);
    f.Menu("LB_PCMacroName", 1, "Btn_NewName");
    QCOMPARE(f.messages.size(), 2);
    f.form->Nav().ChangeView(View::Office);
    Click(f.form->control("Key5"));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(f.Control("Key_Macro"), &enter);
    QListWidget* menu = f.List("LB_Name");
    QVERIFY(menu->isVisible());
    testing::ClickRow(menu, 1);
    QCOMPARE(f.form->State().OfficeKeyCodes[4], std::string("060121"));
    QCOMPARE(f.messages.last(), QStringLiteral("Other buttons played an older macro of this name. They play this one from now on."));
    QCOMPARE(f.messages.size(), 3);
}

QTEST_MAIN(MacroEditorFormTest)
#include "MacroEditorFormTest.moc"
