// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro page of the real main form, driven as a person drives it, for the macro page's
// tests: the emulated mouse open, the macro library in a folder of the test, the page shown.
// Recording listens to scripted input (`scripted.source`, made when the page first records)
// unless the test hands in another source. Messages land in `messages`; every question lands
// in `questions` and is answered with `answer`; a file dialog answers `nextFile`. The name and
// delay questions open the program's own dialogs, answered as a person answers them
// (AnswerNameDialog, TypeIntoDialog).

#include "app/Main.h"
#include "macros/MacroBody.h"
#include "macros/MacroFiles.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/Unit3.h"
#include "platform/ReadFileBytes.h"
#include "support/FormWithMouse.h"
#include "support/ScriptedCapture.h"
#include "support/UserActions.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <vector>

namespace tarq::testing {

// Answers the next modal dialog of type D: types `text` into its field `field` (after its
// Clear button when `clearFirst`) and clicks "OK".
template <class D>
void TypeIntoDialog(const char* field, const QString& text, bool clearFirst = false)
{
    WhenDialogOpens<D>([field, text, clearFirst](D* dialog) {
        auto* edit = dialog->template findChild<QLineEdit*>(field);
        QVERIFY(edit);
        if (clearFirst)
            Click(dialog->template findChild<QWidget*>("IB_Cancel"));
        QTest::keyClicks(edit, text);
        Click(dialog->template findChild<QWidget*>("IB_Confirm"));
    });
}

// How a name reaches the name dialog: as key presses, or as characters alone, the way an input
// method sends them (spaces of other scripts included).
enum class NameTyping { Keys, Characters };

// Answers the next name dialog with `name` and "OK"; closes it when `name` is empty.
inline void AnswerNameDialog(const QString& name, NameTyping typing = NameTyping::Keys)
{
    if (typing == NameTyping::Keys && !name.isEmpty()) {
        TypeIntoDialog<TForm3>("Edt_MacroName", name);
        return;
    }
    WhenDialogOpens<TForm3>([name](TForm3* dialog) {
        if (name.isEmpty()) {
            Click(dialog->findChild<QWidget*>("IB_Close"));
            return;
        }
        auto* edit = dialog->findChild<QLineEdit*>("Edt_MacroName");
        for (const QChar c : name) {
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        Click(dialog->findChild<QWidget*>("IB_Confirm"));
    });
}

struct MacroPageForm {
    explicit MacroPageForm(bool driverMode = false, std::function<PlatformCapture()> capture = {})
        : device(driverMode, nullptr, capture ? std::move(capture) : scripted.Factory()), form(device.form.get())
    {
        device.prompts.UseOwnNameAndDelayDialogs(form->OwnPrompts());
        device.OpenMouse();
        form->State().NoDeviceView = false;
        form->ShowDialogMessage = [this](const QString& text) { messages << text; };
        form->ShowStandardMessage = [this](const QString& text) { messages << text; };
        device.prompts.confirm = [this](const QString& text) {
            questions << text;
            return answer;
        };
        device.prompts.file = [this](UserPrompts::FileUse) { return nextFile; };
        form->State().DataFolder = dir.path() + QLatin1Char('/');
        form->MacroLibrary().LoadMacroLibrary();
        form->show();
        Click(form->control("Btn_Macro_1"));
    }

    // Whether the form keeps its configuration in the driver.
    bool Driver() const { return form->State().Home.Mode() == ConfigurationMode::Driver; }
    QListWidget* List(const char* name) { return form->control<QListWidget>(name); }
    QWidget* Control(const char* name) { return form->control(name); }

    // A left or right click on a row of a list (below the rows when `row` is past the end).
    void LeftClick(const char* list, int row) { ClickRow(List(list), row); }
    void RightClick(const char* list, int row) { RightClickRow(List(list), row); }
    // An item of a context panel, opened by a right click on `row`.
    void Menu(const char* list, int row, const char* item)
    {
        RightClick(list, row);
        Click(Control(item));
    }

    // New Macro with the name typed into its dialog; the new macro's row (selected).
    int NewMacro(const QString& name, NameTyping typing = NameTyping::Keys)
    {
        AnswerNameDialog(name, typing);
        Click(Control("Btn_New"));
        return List("LB_PCMacroName")->currentRow();
    }
    // The body of the macro of `row` built from `script`, in memory only.
    void PutBody(int row, const MacroScript& script, ReleaseMode mode = ReleaseMode::PlayToEnd)
    {
        if (Driver())
            form->State().DriverMacros[size_t(row)].body = BuildDriverMacroBody(script, mode).body;
        else
            form->State().PcMacros[size_t(row)].body = BuildMacroBody(script, mode).body;
    }
    // A library macro made from a script, as if it had been recorded and saved, left unselected.
    int AddMacro(const QString& name, const MacroScript& script, ReleaseMode mode = ReleaseMode::PlayToEnd)
    {
        const int row = NewMacro(name);
        PutBody(row, script, mode);
        form->MacroLibrary().SaveLibrary();
        List("LB_PCMacroName")->setCurrentRow(-1);
        return row;
    }

    // A library macro made from a script in memory (not saved, as if just recorded), then shown
    // by a click on its row.
    int MakeMacro(const QString& name, const MacroScript& script, ReleaseMode mode = ReleaseMode::PlayToEnd)
    {
        const int row = NewMacro(name);
        PutBody(row, script, mode);
        List("LB_PCMacroName")->setCurrentRow(-1);
        LeftClick("LB_PCMacroName", row);
        return row;
    }

    QStringList Names(const char* list = "LB_PCMacroName")
    {
        QStringList names;
        for (int i = 0; i < List(list)->count(); ++i)
            names << List(list)->item(i)->text();
        return names;
    }

    // The library file as saved.
    std::vector<uint8_t> SavedFile()
    {
        const QString path = Driver() ? form->MacroLibrary().DriverMacroFilePath() : form->MacroLibrary().MacroFilePath();
        return ReadFileBytes(path, 1 << 24).value_or(std::vector<uint8_t>{});
    }
    MacroRecord SavedRecord(int row) { return ReadMacroLibraryFile(SavedFile())[size_t(row)]; }

    ScriptedCaptures scripted;
    FormWithMouse device;
    TForm1* form;
    QTemporaryDir dir;
    QStringList messages;
    QStringList questions;
    bool answer = true;   // the answer to every question
    QString nextFile;
};

} // namespace tarq::testing
