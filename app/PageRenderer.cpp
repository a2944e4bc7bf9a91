// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/PageRenderer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QTabWidget>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include "app/FormLoading.h"
#include "app/Main.h"
#include "app/WindowPrompts.h"
#include "firemacros/FireMacro.h"
#include "firemacros/ui/FireMacroEditor.h"
#include "device/ui/DeviceCommands.h"
#include "firemacros/ui/GunPage.h"
#include "config/ui/SettingsMapping.h"
#include "ui/Navigation.h"
#include "ui/language/LanguageSwitch.h"
#include "ui/SkinLabel.h"

#include "macros/MacroBody.h"
#include "macros/ui/MacroEditor.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/MacroRecording.h"
#include "macros/ui/Unit3.h"
#include "macros/ui/Unit6.h"
#include "macros/ui/Unit7.h"
#include "settings/ui/AssignmentEditor.h"

#include <QComboBox>
#include "language/EngineerCaptions.h"
#include "ui/engineer/EngineerPage.h"
#include "ui/engineer/KeyTest.h"
#include "settings/ui/Unit2.h"
#include "settings/ui/Unit5.h"

namespace tarq {

namespace {

// The texts of the pictured dialogs that their owners keep to themselves: the event value
// dialog's title, the full macro library and fire macro record, and the macro delete question.

// Ten fire macro records as a user who has tuned the guns would have them: each a loop of shots
// (press, an X and a Y move, a wait, release), so the gun pages show real counts and moves.
FireMacroWork SampleFireRecords()
{
    FireMacroWork work{};
    for (int m = 1; m <= kFireMacroCount; ++m) {
        const uint8_t shots = uint8_t(20 + 5 * m);
        const auto x = uint8_t(int8_t(m % 3 - 1));
        const uint8_t y = uint8_t(3 + m % 5);
        const uint8_t wait = uint8_t(10 + m);   // units of 8 ms
        const std::vector<uint8_t> events{0xFD, shots, 0xA1, 0xFB, x, 0xFA, y, 0xFE, wait, 0x21, 0xFC};
        auto record = FireMacroRecordOf(std::span<uint8_t>(work), m);
        record[0] = uint8_t(m % 2);
        record[1] = uint8_t(events.size() + 1);
        std::copy(events.begin(), events.end(), record.begin() + 2);
        RenewFireMacroChecksum(record);
    }
    return work;
}

struct Shot {
    const char* file;
    std::function<void(TForm1&)> show;
    // The skinned pages follow the language; the engineer page has caption columns of its own.
    bool eachLanguage = true;
};

// A macro with an event of each kind, shown on the macro page in both languages: its events,
// the insert panel for a delay and for recorded keys, the two context panels, and the delay and
// value dialogs. The library is only shown, never saved, and is put back afterwards.
void RenderMacroEditor(TForm1& form, const QString& folder, QStringList& written)
{
    FormState& state = form.State();
    const PcMacroLibrary pcKept = state.PcMacros;
    const DriverMacroLibrary driverKept = state.DriverMacros;
    const MacroScript script{"10", "1 Left Ctrl CODE:82E0", "0 40", "1 A CODE:8204", "0 24", "2 A CODE:0204",
                             "2 Left Ctrl CODE:02E0", "7 FD02", "1 LeftKey CODE:00A1", "3 FB0C", "6 FAF4",
                             "0 120", "2 LeftKey CODE:0021", "8 00FC", "1 Forward CODE:00A8", "2 Forward CODE:0028"};
    MacroRecord demo;
    demo.name = MacroNameFromUtf16(u"Reload combo");
    demo.body = BuildMacroBody(script, ReleaseMode::StopOnRelease).body;
    MacroRecord second;
    second.name = MacroNameFromUtf16(u"Sprint");
    // Both libraries are filled: the pages show the one of the home in use.
    state.PcMacros = PcMacroLibrary{};
    state.PcMacros[0] = demo;
    state.PcMacros[1] = second;
    DriverMacroRecord d1, d2;
    d1.name = demo.name;
    d1.body = BuildDriverMacroBody(script, ReleaseMode::StopOnRelease).body;
    d2.name = second.name;
    state.DriverMacros = {d1, d2};
    form.MacroLibrary().RefreshPCMacroName();
    Navigation& nav = form.Nav();
    auto* names = form.control<QListWidget>("LB_PCMacroName");
    auto* events = form.control<QListWidget>("LB_macro");
    auto save = [&](QWidget* w, const QString& file) {
        QApplication::processEvents();
        const QString path = QDir(folder).filePath(file + ".png");
        if (w->grab().save(path, "PNG"))
            written << path;
    };
    auto place = [&form](const char* panel, QWidget* over, int row) {
        QWidget* p = form.control(panel);
        auto* list = qobject_cast<QListWidget*>(over);
        const QRect r = list->visualItemRect(list->item(row));
        p->move(over->mapTo(&form, r.center() + QPoint(20, 4)));
        p->raise();
        p->show();
    };
    for (int language : {1, 2}) {
        form.Language().Switch(language);
        const QString suffix = QStringLiteral("-lang%1").arg(language);
        nav.HideAllMenu();
        nav.ShowView(View::Macro);
        names->setCurrentRow(-1);
        names->setCurrentRow(0);
        events->setCurrentRow(8);
        save(&form, QStringLiteral("19-macro-events") + suffix);

        place("Pnl_PCMacro", names, 1);
        place("Pnl_DevContent", events, 8);
        save(&form, QStringLiteral("20-macro-context-panels") + suffix);
        form.MacroEdits().ClearMacro();

        events->setCurrentRow(8);
        form.MacroEdits().Btn_InsertClick();
        save(&form, QStringLiteral("21-macro-insert-delay") + suffix);
        for (int item : {3, 4, 6}) {
            form.control<QComboBox>("CB_Insert")->setCurrentIndex(item);
            form.MacroEdits().CB_InsertChange(item);
            save(&form, QStringLiteral("22-macro-insert-item%1").arg(item) + suffix);
        }
        form.MacroEdits().Btn_CancelClick();

        const QString ok = state.Text(MacroDialogFrame::kTextOk), clear = state.Text(MacroDialogFrame::kTextClear);
        TForm6 delay(&form, {state.Text(MacroDialogFrame::kTextDelay), ok, clear});
        delay.SetValue(QStringLiteral("120"));
        TForm7 value(&form, {state.Text(MacroDialogFrame::kTextInputValue), ok, clear}, TForm7::Kind::Move);
        value.SetValue(QStringLiteral("-12"));
        TForm3 name(&form, {state.Text(MacroDialogFrame::kTextMacroName), ok, clear});
        for (auto [dialog, file] : {std::pair<QDialog*, const char*>{&delay, "23-delay-dialog"},
                                    std::pair<QDialog*, const char*>{&value, "24-value-dialog"},
                                    std::pair<QDialog*, const char*>{&name, "24-name-dialog"}}) {
            dialog->show();
            save(dialog, QString::fromLatin1(file) + suffix);
            dialog->hide();
        }
    }
    form.Language().Switch(1);
    names->setCurrentRow(-1);
    state.PcMacros = pcKept;
    state.DriverMacros = driverKept;
    form.MacroLibrary().RefreshPCMacroName();
}

// The questions asked before something the user made is lost, and the messages of a recording
// that filled its macro, each in its dialog, in both languages.
void RenderQuestions(TForm1& form, const QString& folder, QStringList& written)
{
    const int language = form.State().LanguageIndex;
    const FormState& state = form.State();
    for (int shown : {1, 2}) {
        if (!form.Language().Switch(shown))
            continue;
        const struct {
            const char* file;
            QString text;
            bool question;
        } boxes[] = {
            {"29-question-reset", state.Text(DeviceCommands::kTextResetQuestion), true},
            {"29-question-delete-macro", state.Text(MacroEditor::kDeleteQuestionText).arg(QStringLiteral("Reload combo")), true},
            {"29-question-codes",
             state.Text(DeviceCommands::kTextCodesQuestion).arg(18).arg(state.ExpectedProductCode)
                 .arg(state.ExpectedVendorCode).arg(state.ExpectedProductCode),
             true},
            {"29-question-foreign-mouse",
             state.Text(DeviceCommands::kTextForeignQuestion).arg(18).arg(state.ExpectedProductCode), true},
            {"30-message-macro-full", state.Text(MacroRecording::kMacroFullText), false},
            {"30-message-fire-macro-full", state.Text(FireMacroEditor::kFullText), false},
        };
        for (const auto& b : boxes) {
            const std::unique_ptr<QMessageBox> box = form.DialogBox(b.text, b.question);
            box->show();
            QApplication::processEvents();
            const QString path = QDir(folder).filePath(QStringLiteral("%1-lang%2.png").arg(QLatin1String(b.file)).arg(shown));
            if (box->grab().save(path, "PNG"))
                written << path;
            box->hide();
        }
    }
    form.Language().Switch(language);
}

// In both languages: the Light page for a breathing LED, the window covered while no mouse is
// there, and the base macro list of the function menu with a few names. The form's state is
// put back afterwards.
void RenderLanguagePages(TForm1& form, const QString& folder, QStringList& written)
{
    FormState& state = form.State();
    Navigation& nav = form.Nav();
    const int language = state.LanguageIndex;
    const QString ledType = state.LedTypeName;
    const PcMacroLibrary pcKept = state.PcMacros;
    const DriverMacroLibrary driverKept = state.DriverMacros;
    const auto messageKept = form.ShowDialogMessage;
    auto show = [&nav](View view) {
        nav.HideAllMenu();
        nav.ButtonTypeB_1IconInit();
        nav.ShowView(view);
    };
    auto save = [&](QWidget* w, const QString& file) {
        QApplication::processEvents();
        const QString path = QDir(folder).filePath(file + ".png");
        if (w->grab().save(path, "PNG"))
            written << path;
    };
    const char* names[] = {"Reload combo", "Sprint", "Crouch jump", "Grenade"};
    for (int i = 0; i < 4; ++i) {
        const MacroName name = MacroNameFromUtf16(QString::fromLatin1(names[i]).toStdU16String());
        state.PcMacros[size_t(i)].name = name;
        state.DriverMacros.push_back({name, {}});
    }
    form.MacroLibrary().RefreshPCMacroName();

    for (int lang : {1, 2}) {
        form.Language().Switch(lang);
        const QString suffix = QStringLiteral("-lang%1").arg(lang);
        form.Settings().ShowLedType(QStringLiteral("BreLED"));
        show(View::Light);
        save(&form, QStringLiteral("41-light-breathing") + suffix);
        form.Settings().ShowLedType(QStringLiteral("MCULED"));

        show(View::Office);
        nav.ShowPnlMain_OnClick(form.control<TSkinLabel>("Key4"));
        form.Assignment().KeyByTagMouseEnter(form.control<TSkinLabel>("Key_Macro"));
        save(&form, QStringLiteral("42-base-macro-list") + suffix);
        nav.HideAllMenu();

        form.ShowDialogMessage = [](const QString&) {};
        form.Commands().DeviceLost();
        state.DevTimer.stop();   // the renderer looks for no mouse
        form.ShowDialogMessage = messageKept;
        save(&form, QStringLiteral("43-no-device") + suffix);
        form.HideBusyOverlays();
    }
    state.PcMacros = pcKept;
    state.DriverMacros = driverKept;
    form.MacroLibrary().RefreshPCMacroName();
    form.Settings().ShowLedType(ledType);
    form.Language().Switch(language);
}

} // namespace

QStringList RenderPages(TForm1& form, const QString& folder, QString* error)
{
    QStringList written;
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return written;
    }
    Navigation& nav = form.Nav();
    // A page change without the checks that need a mouse.
    auto change = [&nav](View view) {
        nav.HideAllMenu();
        nav.ButtonTypeB_1IconInit();
        nav.ShowView(view);
    };
    // The function menu at button 4 with the submenus of the given entries open.
    auto openSubmenu = [&](TForm1& f, View view, std::initializer_list<const char*> entries) {
        change(view);
        nav.ShowPnlMain_OnClick(f.control<TSkinLabel>("Key4"));
        // The pointer has left the entries of the shots before.
        for (const char* menu : {"Pnl_Main", "Pnl_Special"})
            for (TSkinLabel* entry : f.control(menu)->findChildren<TSkinLabel*>())
                f.Assignment().KeyStatusMouseLeave(entry);
        for (const char* entry : entries)
            f.Assignment().KeyByTagMouseEnter(f.control<TSkinLabel>(entry));
    };
    // The caption column the engineer page shows now, to put back at the end.
    const uint32_t chinese = kLocaleChineseChina;
    const uint32_t english = 1033;
    auto* mainButton = form.control<QAbstractButton>("Btn_Main_6");
    const std::string_view chineseMain = EngineerCaptions(chinese).CaptionText(0);
    const uint32_t shownColumn = mainButton && mainButton->text() == QString::fromUtf8(chineseMain.data(), qsizetype(chineseMain.size()))
                                     ? chinese : english;
    auto endKeyTest = [](TForm1& f) {
        KeyTest& keys = f.Engineer().Keys();
        if (keys.Flashing())
            keys.EndFlash(1);
        keys.Abandon();
    };
    auto column = [&](TForm1& f, bool zh) {
        endKeyTest(f);
        f.ApplyEngineerCaptions(zh ? chinese : english);
    };
    auto engineerLocked = [&](TForm1& f, bool zh) {
        column(f, zh);
        nav.ShowOnlyPage(6);
        f.SizeWindowForEngineer();
    };
    auto engineerTab = [&](TForm1& f, bool zh, int tab) {
        column(f, zh);
        change(View::Engineer);
        if (auto* tabs = f.control<QTabWidget>("Pg_Parameter"))
            tabs->setCurrentIndex(tab);
    };
    // Two ticks after the start: "4...".
    auto engineerCountdown = [&](TForm1& f, bool zh) {
        engineerTab(f, zh, 0);
        KeyTest& keys = f.Engineer().Keys();
        keys.btn_TestKeysClick();
        keys.TestTimerTimer();
        keys.TestTimerTimer();
    };
    // Key 1 hidden during its flash; the tick that comes meanwhile restores the caption.
    auto engineerFlash = [&](TForm1& f) {
        KeyTest& keys = f.Engineer().Keys();
        keys.BeginFlash(1);
        keys.TestTimerTimer();
    };
    const Shot shots[] = {
        {"01-buttons-office", [&](TForm1&) { change(View::Office); }},
        {"02-buttons-game", [&](TForm1&) { change(View::Game); }},
        {"03-buttons-menu", [&](TForm1& f) {
             change(View::Office);
             nav.ShowPnlMain_OnClick(f.control<TSkinLabel>("Key4"));
         }},
        {"04-advanced", [&](TForm1&) { change(View::Advanced); }},
        {"05-light", [&](TForm1&) { change(View::Light); }},
        {"06-macro", [&](TForm1&) { change(View::Macro); }},
        {"07-gun", [&](TForm1& f) { f.Gun().Key_FireMacroClick(); }},
        {"08-gun-editor", [&](TForm1& f) { f.Gun().Img_Base_5DblClick(); }},
        // The engineer page in both columns of its caption table: locked as it first shows,
        // then unlocked, with a key test counting down and flashing key 1.
        {"09-engineer-locked", [&](TForm1& f) { engineerLocked(f, false); }, false},
        {"09-engineer-locked-zh", [&](TForm1& f) { engineerLocked(f, true); }, false},
        {"09-engineer", [&](TForm1& f) { engineerTab(f, false, 0); }, false},
        {"09-engineer-zh", [&](TForm1& f) { engineerTab(f, true, 0); }, false},
        {"10-engineer-tab", [&](TForm1& f) { engineerTab(f, false, 1); }, false},
        {"10-engineer-tab-zh", [&](TForm1& f) { engineerTab(f, true, 1); }, false},
        {"10-engineer-countdown", [&](TForm1& f) { engineerCountdown(f, false); }, false},
        {"10-engineer-flash", [&](TForm1& f) { engineerFlash(f); }, false},
        {"10-engineer-countdown-zh", [&](TForm1& f) { engineerCountdown(f, true); }, false},
        {"10-engineer-flash-zh", [&](TForm1& f) { engineerFlash(f); }, false},
        {"11-menu-standard", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_Standard"}); }},
        {"12-menu-special-dpi", [&](TForm1& f) { openSubmenu(f, View::Game, {"Key_Special", "Key_CPIKey"}); }},
        {"13-menu-media", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_Media"}); }},
        {"14-menu-web", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_WWW"}); }},
        {"15-menu-others", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_MyPC"}); }},
        {"16-menu-macros", [&](TForm1& f) { openSubmenu(f, View::Office, {"Key_Macro"}); }},
    };

    // The pages are shown as they are without a mouse; the no-device flag would only keep the
    // renderer from changing pages, so it is lifted while the pictures are taken.
    const bool noDevice = form.State().NoDeviceView;
    form.State().NoDeviceView = false;
    form.show();
    // Every page in the first two languages: language 1 under the shot's own name, language 2
    // with "-lang2" added.
    const int language = form.State().LanguageIndex;
    bool failed = false;
    for (int lang = 1; lang <= 2 && !failed; ++lang) {
        form.Language().Switch(lang);
        for (const Shot& shot : shots) {
            if (lang > 1 && !shot.eachLanguage)
                continue;
            shot.show(form);
            QApplication::processEvents();
            const QString name = QString::fromLatin1(shot.file) + (lang > 1 ? QStringLiteral("-lang%1").arg(lang) : QString());
            const QString path = QDir(folder).filePath(name + ".png");
            if (!form.grab().save(path, "PNG")) {
                if (error)
                    *error = QStringLiteral("cannot write %1").arg(path);
                failed = true;
                break;
            }
            written << path;
        }
    }
    endKeyTest(form);
    form.ApplyEngineerCaptions(shownColumn);
    // The gun page with each gun selected, then with its fire macro editor open, in both
    // languages; the language shown before is restored.
    // Showing a gun also sets its records' kinds in DataBuf; both are put back afterwards.
    const FireMacroWork fireKept = form.State().FireMacroWork;
    const auto bufKept = form.State().DataBuf;
    for (int lang = 1; lang <= 2 && !written.isEmpty(); ++lang) {
        form.State().FireMacroWork = SampleFireRecords();
        form.Language().Switch(lang);
        change(View::Game);
        for (int gun = 1; gun <= 9; ++gun) {
            nav.ShowOnlyPage(5);
            if (gun <= 7) {
                form.Gun().HideFireEditor();
                form.Gun().Btn_FireClick(gun);
            } else if (gun == 9) {
                // Gun 7 with empty fire macros, as the default images have them, and the editor
                // open: the basic pattern offer beside it.
                form.State().FireMacroWork.fill(0);
                form.Gun().Btn_FireClick(7);
                form.Gun().Img_Base_5DblClick();
                form.FireMacros().LB_FireMacroNameClick();
            } else {
                form.Gun().Btn_FireClick(7);
                form.Gun().Img_Base_5DblClick();
                if (auto* names = form.control<QListWidget>("LB_FireMacroName")) {
                    names->setCurrentRow(0);
                    form.FireMacros().LB_FireMacroNameClick();
                }
            }
            QApplication::processEvents();
            const QString name = gun <= 7    ? QStringLiteral("19-gun%1-lang%2").arg(gun).arg(lang)
                                 : gun == 8 ? QStringLiteral("19-gun-editor-lang%1").arg(lang)
                                            : QStringLiteral("19-gun-empty-lang%1").arg(lang);
            const QString path = QDir(folder).filePath(name + ".png");
            if (form.grab().save(path, "PNG"))
                written << path;
        }
        form.Gun().HideFireEditor();
    }
    form.State().FireMacroWork = fireKept;
    form.State().DataBuf = bufKept;
    form.Language().Switch(language);

    // The two key dialogs, each on its own, in the first two languages.
    nav.HideAllMenu();
    for (int lang = 1; lang <= 2; ++lang) {
        form.Language().Switch(lang);
        TForm2 assembly(form.State(), &form);
        TForm5 oneKey(form.State(), &form);
        const std::pair<const char*, QDialog*> dialogs[] = {{"17-assembly-key", &assembly}, {"18-input-one-key", &oneKey}};
        for (const auto& [file, dialog] : dialogs) {
            dialog->show();
            QApplication::processEvents();
            const QString name = QString::fromLatin1(file) + (lang > 1 ? QStringLiteral("-lang%1").arg(lang) : QString());
            const QString path = QDir(folder).filePath(name + ".png");
            if (dialog->grab().save(path, "PNG"))
                written << path;
            dialog->hide();
        }
    }
    form.Language().Switch(language);
    RenderMacroEditor(form, folder, written);
    RenderQuestions(form, folder, written);
    RenderLanguagePages(form, folder, written);
    {
        // Page 1 with its footer, and the loading screen before and during a write, in the first
        // two languages; the form's own language is restored after.
        const int language = form.State().LanguageIndex;
        for (int shown : {1, 2}) {
            if (!form.Language().Switch(shown))
                continue;
            change(View::Office);
            TFormLoadingUI loading(&form);
            loading.SetCaption(form.State().Text(TFormLoadingUI::kLoadingStrId));
            loading.show();
            QApplication::processEvents();
            const QString suffix = QStringLiteral("-lang%1.png").arg(shown);
            const std::pair<QString, QWidget*> pictures[] = {
                {QStringLiteral("25-footer") + suffix, &form}, {QStringLiteral("26-loading") + suffix, &loading}};
            for (const auto& [file, widget] : pictures)
                if (widget->grab().save(QDir(folder).filePath(file), "PNG"))
                    written << QDir(folder).filePath(file);
            change(View::Game);
            form.Commands().ShowSuccess(DeviceCommands::kTextWritten);
            QApplication::processEvents();
            const QString saved = QDir(folder).filePath(QStringLiteral("28-saved-note") + suffix);
            if (form.grab().save(saved, "PNG"))
                written << saved;
            loading.ShowProgress(form.State().Text(DeviceCommands::kTextWriting), 1024, 2048);
            QApplication::processEvents();
            const QString progress = QDir(folder).filePath(QStringLiteral("27-loading-progress") + suffix);
            if (loading.grab().save(progress, "PNG"))
                written << progress;
        }
        form.Language().Switch(language);
    }
    form.State().NoDeviceView = noDevice;
    return written;
}

} // namespace tarq
