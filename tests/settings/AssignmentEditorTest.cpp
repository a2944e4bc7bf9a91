// SPDX-License-Identifier: GPL-2.0-or-later
// The assignment menu, the two key dialogs, macro assignment and the long-press options, on the
// real main form with the emulated mouse: driven by pointer entry, clicks and typed keys, and
// checked in the mouse's memory after Apply.

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/Main.h"
#include "config/ConfigImage.h"
#include "config/ImageLayout.h"
#include "device/ui/DeviceCommands.h"
#include "macros/MacroFiles.h"
#include "macros/ui/MacroLibraryStore.h"
#include "settings/FixedKeyCodes.h"
#include "settings/ui/AssignmentEditor.h"
#include "settings/ui/Unit2.h"
#include "settings/ui/Unit5.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

using namespace tarq;

namespace {

struct Fixture : testing::FormWithMouse {
    explicit Fixture(bool driverMode = false) : FormWithMouse(driverMode)
    {
        form->ShowStandardMessage = [this](const QString& text) { messages << text; };
        form->ShowDialogMessage = [this](const QString& text) { messages << text; };
        form->State().DataFolder = dir.path() + QLatin1Char('/');
        form->show();
        form->Commands().DevTimerTimer();   // finds and reads the mouse
        form->Nav().ChangeView(View::Office);
    }

    FormState& state() { return form->State(); }
    template <class T = QWidget> T* control(const char* name) { return form->control<T>(name); }
    QString text(int id) { return state().Text(id); }
    std::vector<uint8_t> memory() const { return {mouse->memory().begin(), mouse->memory().end()}; }

    // Opens the menu at a button label (1-9) or an engineer key button (101-209).
    void OpenMenu(int button)
    {
        if (button < 100) {
            QTest::mouseClick(form->control<TSkinLabel>(QStringLiteral("Key%1").arg(button)), Qt::LeftButton);
        } else {
            form->control<QPushButton>(QStringLiteral("btn_Key%1").arg(button))->click();
        }
        QVERIFY(control("Pnl_Main")->isVisible());
    }
    void Enter(const QString& entry)
    {
        QWidget* w = form->control(entry);
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(w, &event);
    }
    void Click(const QString& entry) { testing::Click(form->control(entry)); }
    void ClickRow(const char* list, int row)
    {
        auto* w = form->control<QListWidget>(list);
        QVERIFY(w->isVisible());
        testing::ClickRow(w, row);
    }
    QString Caption(int button)
    {
        if (button < 100)
            return form->control<QLabel>(QStringLiteral("Key%1").arg(button))->text();
        return form->control<QPushButton>(QStringLiteral("btn_Key%1").arg(button))->text();
    }
    void Apply()
    {
        messages.clear();
        form->Commands().Btn_Apply_0Click();
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('|')));
    }

    QTemporaryDir dir;
    QStringList messages;
};

// Image address of a button's code: key mode 1 or 2, button 1-9.
size_t CodeAddress(int keyMode, int button)
{
    return layout::kProfile.image.address + databuf::KeyCodeOffset(keyMode, button) - layout::kProfile.dataBufOffset;
}

// After Apply only the three code bytes and the profile checksum may differ, and every section
// still passes its check.
void CheckOnlyCodeChanged(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after, size_t at,
                          const KeyCode& code)
{
    QCOMPARE(after[at], code.type);
    QCOMPARE(after[at + 1], code.data1);
    QCOMPARE(after[at + 2], code.data2);
    const size_t checksum = layout::kProfile.image.address + layout::kProfile.image.length - 1;
    for (size_t i = 0; i < before.size(); ++i)
        if (before[i] != after[i] && (i < at || i > at + 2) && i != checksum)
            QFAIL(qPrintable(QStringLiteral("byte 0x%1 changed").arg(i, 0, 16)));
    DeviceImage image{};
    std::copy(after.begin(), after.end(), image.begin());
    DataBuf buf{};
    ImageMacroAreas areas;
    QVERIFY(UnpackImage(image, buf, areas).AllKept());
}

MacroRecord Macro(const char16_t* name, std::vector<uint8_t> events, uint8_t release = 0)
{
    MacroRecord record;
    record.name = MacroNameFromUtf16(name);
    record.body[0] = release;
    record.body[1] = static_cast<uint8_t>(events.size() + 1);
    uint32_t sum = record.body[1];
    for (size_t i = 0; i < events.size(); ++i) {
        record.body[2 + i] = events[i];
        sum += events[i];
    }
    record.body[2 + events.size()] = static_cast<uint8_t>((sum & 0xFF) ^ 0x5A);
    return record;
}

} // namespace

class AssignmentEditorTest : public QObject {
    Q_OBJECT
private slots:
    void everyFixedEntryReachesTheMouse();
    void theLastLeftClickIsKept();
    void combinationKeyDialog();
    void combinationKeyKeepsALeftClickAndEmptyConfirmCancels();
    void singleKeyDialog();
    void macroFromTheListTakesAFreePage();
    void noFreePageAssignsNothingAndSaysSo();
    void driverModeSharesOneAssignedRecord();
    void macroFileOfAnotherSizeIsKeptAside();
    void missingMacroFileIsCreatedEmpty();
    void longPressOptions();
};

// Every assignable entry once, on the button page in both key modes and on the engineer page.
void AssignmentEditorTest::everyFixedEntryReachesTheMouse()
{
    Fixture f;
    const std::map<QString, QStringList> openers = {
        {"Pnl_MseKey", {"Key_Standard"}}, {"Pnl_Special", {"Key_Special"}},
        {"Pnl_CPIKey", {"Key_Special", "Key_CPIKey"}}, {"Pnl_Media", {"Key_Media"}},
        {"Pnl_WWW", {"Key_WWW"}}, {"Pnl_MyPC", {"Key_MyPC"}},
    };
    // Button page labels 2-6 (button 1 keeps the left click), then engineer buttons.
    const int targets[] = {2, 3, 4, 5, 6, 102, 103, 104, 105, 106, 107, 108, 109, 202, 203, 204, 205, 206, 207, 208, 209};
    int i = 0;
    for (const FixedKeyCode& fixed : kFixedKeyCodes) {
        const QString entry = QString::fromLatin1(fixed.entry.data(), fixed.entry.size());
        if (entry == "Key_EMail")   // below its panel's height: never offered
            continue;
        // The gun key entry is cut off at the office height: give it to the engineer page.
        const int slot = i++;
        int button = entry == "Key_FnFire" ? 209 : targets[slot % std::size(targets)];
        const bool game = button > 200 || (button < 10 && slot / 5 % 2 == 1);
        if (button < 10)
            f.form->Nav().ChangeView(game ? View::Game : View::Office);
        else
            f.form->Nav().ChangeView(View::Engineer);
        const int keyMode = game ? 2 : 1;
        const int k = button % 100;
        QString context = QStringLiteral("%1 on %2").arg(entry).arg(button);

        f.Apply();   // the key mode of the view reaches the mouse first
        const std::vector<uint8_t> before = f.memory();
        f.OpenMenu(button);
        QWidget* panel = f.control(qPrintable(entry))->parentWidget();
        for (const QString& opener : openers.at(panel->objectName()))
            f.Enter(opener);
        QVERIFY2(panel->isVisible(), qPrintable(context));
        f.Enter(entry);
        f.Click(entry);
        QVERIFY2(!f.control("Pnl_Main")->isVisible(), qPrintable(context));

        KeyCode code = fixed.code;
        if (fixed.tag == kAimTag)
            code.data1 = static_cast<uint8_t>(f.state().AimDpiIndex);
        QCOMPARE(f.Caption(button), f.text(fixed.strId));
        const auto& codes = keyMode == 1 ? f.state().OfficeKeyCodes : f.state().GameKeyCodes;
        QCOMPARE(QString::fromStdString(codes[k - 1]), QString::fromStdString(KeyCodeText(code)));

        f.Apply();
        CheckOnlyCodeChanged(before, f.memory(), CodeAddress(keyMode, k), code);
        if (QTest::currentTestFailed())
            qWarning("%s", qPrintable(context));
    }

    // A read shows the same names on both pages, in either language.
    for (int language : {2, 1}) {
        f.form->Nav().ChangeView(View::Office);
        QTest::mouseClick(f.control<TSkinLabel>(qPrintable(QStringLiteral("Btn_Lang%1_1").arg(language))), Qt::LeftButton);
        f.form->Commands().Btn_Read_0Click();
        const int engineer = f.control<QRadioButton>("rb_2")->isChecked() ? 200 : 100;
        for (int k = 1; k <= 6; ++k) {
            const QString shown = f.Caption(k);
            QCOMPARE(f.Caption(engineer + k), shown);
            QVERIFY(!shown.isEmpty());
        }
        QCOMPARE(f.Caption(101), f.text(210));
    }
}

void AssignmentEditorTest::theLastLeftClickIsKept()
{
    Fixture f;
    const QString left = f.text(210);
    QCOMPARE(f.Caption(1), left);
    for (int k = 2; k <= 9; ++k)
        QVERIFY(f.state().OfficeKeyCodes[k - 1] != "010100");

    f.OpenMenu(1);
    f.Enter("Key_Standard");
    f.Click("Key_Right");
    QCOMPARE(f.messages, QStringList{f.text(108)});
    QCOMPARE(f.Caption(1), left);
    QCOMPARE(f.state().OfficeKeyCodes[0], std::string("010100"));
    QCOMPARE(f.state().DataBuf[databuf::KeyCodeOffset(1, 1) + 1], uint8_t{0x01});

    f.OpenMenu(3);
    f.Enter("Key_Standard");
    f.Click("Key_Left");
    f.OpenMenu(1);
    f.Enter("Key_Standard");
    f.Click("Key_Right");
    QCOMPARE(f.messages.size(), 1);
    QCOMPARE(f.state().OfficeKeyCodes[0], std::string("010200"));
    QCOMPARE(f.state().OfficeKeyCodes[2], std::string("010100"));
}

void AssignmentEditorTest::combinationKeyDialog()
{
    Fixture f;
    f.OpenMenu(2);
    f.Enter("Key_Assembly");
    f.Click("Key_Assembly");
    TForm2* dialog = f.form->Assignment().CombinationKeyDialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!f.control("Pnl_Main")->isVisible());
    auto* edit = dialog->findChild<QLineEdit*>("Edt_Assembly");
    auto box = [&](const char* name) { return dialog->findChild<QCheckBox*>(name); };
    QVERIFY(edit->isReadOnly());

    QTest::mouseClick(box("CB_Ctrl"), Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A);
    QCOMPARE(edit->text(), QStringLiteral("Ctrl+A"));
    QTest::mouseClick(box("CB_Shift"), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("Ctrl+Shift+A"));
    QTest::mouseClick(box("CB_Ctrl"), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("Shift+A"));
    // Held modifiers and the Windows keys never enter the edit; a new key replaces the old.
    QTest::keyClick(edit, Qt::Key_B, Qt::ShiftModifier);
    QCOMPARE(edit->text(), QStringLiteral("Shift"));
    QTest::keyClick(edit, Qt::Key_Super_L);
    QCOMPARE(edit->text(), QStringLiteral("Shift"));
    QTest::keyClick(edit, Qt::Key_B);
    QTest::keyClick(edit, Qt::Key_A);
    QCOMPARE(edit->text(), QStringLiteral("Shift+A"));
    QTest::mouseClick(box("CB_Ctrl"), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("Ctrl+Shift+A"));

    QTest::mouseClick(dialog->findChild<QWidget*>("IB_Confirm"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.Caption(2), QStringLiteral("Ctrl+Shift+A"));
    QCOMPARE(f.state().OfficeKeyCodes[1], std::string("020304"));
    const std::vector<uint8_t> before = f.memory();
    f.Apply();
    CheckOnlyCodeChanged(before, f.memory(), CodeAddress(1, 2), {0x02, 0x03, 0x04});

    // Clear forgets everything; close assigns nothing.
    f.OpenMenu(2);
    f.Click("Key_Assembly");
    dialog = f.form->Assignment().CombinationKeyDialog();
    edit = dialog->findChild<QLineEdit*>("Edt_Assembly");
    QTest::mouseClick(box("CB_Alt"), Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_F5);
    QCOMPARE(edit->text(), QStringLiteral("Alt+F5"));
    QTest::mouseClick(dialog->findChild<QWidget*>("IB_Cancel"), Qt::LeftButton);
    QVERIFY(edit->text().isEmpty());
    QVERIFY(!box("CB_Alt")->isChecked());
    QVERIFY(!dialog->Result());
    const std::string code2 = f.state().OfficeKeyCodes[1];
    QTest::mouseClick(dialog->findChild<QWidget*>("IB_Close"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.state().OfficeKeyCodes[1], code2);
}

// A combination key never takes the only left click, and a Confirm with neither key nor
// modifier assigns nothing (no button that does nothing).
void AssignmentEditorTest::combinationKeyKeepsALeftClickAndEmptyConfirmCancels()
{
    Fixture f;
    const QString left = f.text(210);
    auto open = [&f](int button) {
        f.OpenMenu(button);
        f.Enter("Key_Assembly");
        f.Click("Key_Assembly");
        TForm2* dialog = f.form->Assignment().CombinationKeyDialog();
        if (!dialog || !dialog->isVisible())
            qFatal("the combination-key dialog is not open");
        return dialog;
    };
    const std::vector<uint8_t> before = f.memory();
    TForm2* dialog = open(1);   // the only left click
    QTest::mouseClick(dialog->findChild<QCheckBox*>("CB_Ctrl"), Qt::LeftButton);
    QTest::keyClick(dialog->findChild<QLineEdit*>("Edt_Assembly"), Qt::Key_C);
    QTest::mouseClick(dialog->findChild<QWidget*>("IB_Confirm"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.messages, QStringList{f.text(108)});
    QCOMPARE(f.Caption(1), left);
    QCOMPARE(f.state().OfficeKeyCodes[0], std::string("010100"));

    f.messages.clear();
    const std::string code2 = f.state().OfficeKeyCodes[1];
    const QString caption2 = f.Caption(2);
    dialog = open(2);
    QTest::mouseClick(dialog->findChild<QWidget*>("IB_Confirm"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(f.messages.isEmpty());
    QCOMPARE(f.Caption(2), caption2);
    QCOMPARE(f.state().OfficeKeyCodes[1], code2);
    f.Apply();
    QCOMPARE(f.memory(), before);
}

void AssignmentEditorTest::singleKeyDialog()
{
    Fixture f;
    TForm5 dialog(f.state(), f.form.get());
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>("Edt_EditKey");
    using Event = TForm5::KeyEvent;
    struct Case {
        Event event;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        const char* result;
    };
    const Case cases[] = {
        {Event::Press, Qt::Key_A, {}, "A CODE:8204"},
        {Event::Release, Qt::Key_A, {}, "A CODE:0204"},
        {Event::Press, Qt::Key_Shift, Qt::ShiftModifier, "Shift CODE:82E1"},
        {Event::Release, Qt::Key_Super_L, {}, "Left Windows CODE:02E3"},
        {Event::Press, Qt::Key_7, Qt::KeypadModifier, "7 (numeric pad) CODE:825F"},
        {Event::Press, Qt::Key_Escape, {}, "Esc CODE:8229"},
    };
    for (const Case& c : cases) {
        dialog.SetKeyEvent(c.event);
        QTest::keyClick(edit, c.key, c.mods);
        QCOMPARE(dialog.ResultLine(), QString::fromLatin1(c.result));
        QCOMPARE(edit->text(), QString::fromLatin1(c.result).section(" CODE:", 0, 0));
    }
    QVERIFY(dialog.isVisible());   // Escape is a key to take, not a way out
    QTest::mouseClick(dialog.findChild<QWidget*>("IB_Cancel"), Qt::LeftButton);
    QVERIFY(edit->text().isEmpty());
    QTest::keyClick(edit, Qt::Key_Q);
    QVERIFY(!dialog.Confirmed());
    QTest::mouseClick(dialog.findChild<QWidget*>("IB_Confirm"), Qt::LeftButton);
    QVERIFY(dialog.Confirmed());
    QCOMPARE(dialog.KeyText(), QStringLiteral("Q"));
    QCOMPARE(dialog.ResultLine(), QStringLiteral("Q CODE:8214"));
    QVERIFY(!dialog.isVisible());
}

void AssignmentEditorTest::macroFromTheListTakesAFreePage()
{
    Fixture f;
    const MacroRecord macro = Macro(u"Reload", {0x82, 0x15, 0xFE, 0x03, 0x02, 0x15}, 1);
    f.state().PcMacros[0] = Macro(u"Other", {0xA1, 0x21});
    f.state().PcMacros[1] = macro;
    f.form->MacroLibrary().RefreshPCMacroName();
    const std::vector<uint8_t> before = f.memory();

    f.OpenMenu(5);
    f.Enter("Key_Macro");
    QVERIFY(f.control("LB_Name")->isVisible());
    f.ClickRow("LB_Name", 1);
    QVERIFY(!f.control("LB_Name")->isVisible());
    QCOMPARE(f.Caption(5), QStringLiteral("Reload"));
    QCOMPARE(f.state().OfficeKeyCodes[4], std::string("0E0121"));   // release mode 1, page 1

    f.Apply();
    const std::vector<uint8_t> after = f.memory();
    QCOMPARE(after[CodeAddress(1, 5)], uint8_t{0x0E});
    QCOMPARE(after[CodeAddress(1, 5) + 1], uint8_t{0x01});
    QCOMPARE(after[CodeAddress(1, 5) + 2], uint8_t{0x21});
    QVERIFY(std::equal(macro.name.begin(), macro.name.end(), after.begin() + 0x100));
    QVERIFY(std::equal(macro.body.begin(), macro.body.end(), after.begin() + 0x120));
    for (size_t i = 0; i < after.size(); ++i)
        if (before[i] != after[i] && !(i >= 0x100 && i < 0x200) && (i < CodeAddress(1, 5) || i > CodeAddress(1, 5) + 2)
            && i != layout::kProfile.image.address + layout::kProfile.image.length - 1)
            QFAIL(qPrintable(QStringLiteral("byte 0x%1 changed").arg(i, 0, 16)));
}

void AssignmentEditorTest::noFreePageAssignsNothingAndSaysSo()
{
    Fixture f;
    f.state().PcMacros[0] = Macro(u"New", {0xA1, 0x21});
    f.form->MacroLibrary().RefreshPCMacroName();
    const char* pages[] = {"060121", "060221", "060321", "060421", "060621", "060721"};
    for (int k = 0; k < 6; ++k)
        f.state().GameKeyCodes[k] = pages[k];
    const auto codes = f.state().OfficeKeyCodes;
    const DataBuf buf = f.state().DataBuf;
    const QString caption = f.Caption(4);

    f.OpenMenu(4);
    f.Enter("Key_Macro");
    f.ClickRow("LB_Name", 0);
    QCOMPARE(f.messages, QStringList{f.text(130)});
    QVERIFY(!f.text(130).isEmpty());
    QCOMPARE(f.Caption(4), caption);
    QVERIFY(f.state().OfficeKeyCodes == codes);
    QVERIFY(f.state().DataBuf == buf);
}

void AssignmentEditorTest::driverModeSharesOneAssignedRecord()
{
    Fixture f(true);
    QVERIFY(!(f.state().Home.Mode() == ConfigurationMode::Eeprom));
    f.state().AssignedDriverMacros.clear();
    DriverMacroRecord a, b;
    a.name = MacroNameFromUtf16(u"Combo");
    b.name = MacroNameFromUtf16(u"Burst");
    b.body[0] = 1;
    f.state().DriverMacros = {a, b};
    f.form->MacroLibrary().RefreshPCMacroName();

    for (int button : {4, 5}) {
        f.OpenMenu(button);
        f.Enter("Key_Macro");
        f.ClickRow("LB_Name", 0);
        QCOMPARE(f.Caption(button), QStringLiteral("Combo"));
    }
    f.OpenMenu(6);
    f.Enter("Key_Macro");
    f.ClickRow("LB_Name", 1);
    QCOMPARE(f.state().OfficeKeyCodes[3], std::string("060120"));
    QCOMPARE(f.state().OfficeKeyCodes[4], std::string("060120"));
    QCOMPARE(f.state().OfficeKeyCodes[5], std::string("0E0920"));
    QCOMPARE(f.state().AssignedDriverMacros.size(), size_t{2});
    QCOMPARE(f.state().DataBuf[databuf::KeyCodeOffset(1, 6) + 1], uint8_t{0x09});
}

void AssignmentEditorTest::macroFileOfAnotherSizeIsKeptAside()
{
    for (const int size : {256 * 3 + 100, static_cast<int>(kMacroFileSize) + 512}) {
        Fixture f;
        QByteArray bytes(size, '\0');
        const MacroRecord first = Macro(u"One", {0xA1, 0x21});
        const MacroRecord second = Macro(u"Two", {0xA2, 0x22});
        std::copy(first.name.begin(), first.name.end(), bytes.begin());
        std::copy(second.name.begin(), second.name.end(), bytes.begin() + 512);
        std::copy(second.body.begin(), second.body.end(), bytes.begin() + 512 + 32);
        if (size < static_cast<int>(kMacroFileSize))
            bytes[256 * 3] = 'X';   // a partial record at the end of the short file: not taken
        const QString path = f.form->MacroLibrary().MacroFilePath();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        f.messages.clear();
        f.form->MacroLibrary().LoadMacroLibrary();
        QTest::qWait(1);
        QCOMPARE(f.messages.size(), 1);
        const QString aside = f.form->MacroLibrary().KeptAsidePath();
        QVERIFY(f.messages[0].contains(aside));
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
        QCOMPARE(f.state().PcMacros[0].name, first.name);
        QCOMPARE(f.state().PcMacros[1], second);   // rows moved up over the empty one
        QCOMPARE(MacroLibraryCount(f.state().PcMacros), 2);
        QCOMPARE(f.control<QListWidget>("LB_Name")->count(), 2);
        // The user's file itself is untouched until the library changes.
        QCOMPARE(QFileInfo(path).size(), qint64(size));
    }
}

void AssignmentEditorTest::missingMacroFileIsCreatedEmpty()
{
    Fixture f;
    const QString path = f.form->MacroLibrary().MacroFilePath();
    QVERIFY(!QFile::exists(path));
    f.form->MacroLibrary().LoadMacroLibrary();
    QTest::qWait(1);
    QVERIFY(f.messages.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(static_cast<int>(kMacroFileSize), '\0'));
    QCOMPARE(f.control<QListWidget>("LB_Name")->count(), 0);
}

void AssignmentEditorTest::longPressOptions()
{
    Fixture f;
    auto checked = [&](const char* box) { return f.control<QCheckBox>(box)->isChecked(); };
    auto picture = [&](int n) { return f.form->control<TSkinLabel>(QStringLiteral("Img_ComboKey%1").arg(n))->picture(); };
    QVERIFY(!checked("cb_MidPress") && !checked("cb_CPIPress"));

    QTest::mouseClick(f.control("IB_ComboKey1"), Qt::LeftButton);
    QVERIFY(checked("cb_MidPress"));
    QCOMPARE(picture(1), QStringLiteral("CbS_E"));
    QTest::mouseClick(f.control("Img_ComboKey2"), Qt::LeftButton);   // turns option 1 off
    QVERIFY(checked("cb_CPIPress") && !checked("cb_MidPress"));
    QCOMPARE(picture(1), QStringLiteral("CbS_D"));
    QCOMPARE(picture(2), QStringLiteral("CbS_E"));
    f.control<QCheckBox>("cb_GunPress")->click();   // the engineer page's box moves the picture
    QCOMPARE(picture(3), QStringLiteral("CbS_E"));
    QVERIFY(checked("cb_CPIPress"));

    f.Apply();
    const uint8_t flags = f.mouse->memory()[layout::kSectionA.image.address + databuf::kFlags1];
    QCOMPARE(flags & 0x07, 0x06);
    QTest::mouseClick(f.control("IB_ComboKey2"), Qt::LeftButton);   // off leaves the others
    QVERIFY(!checked("cb_CPIPress") && !checked("cb_MidPress") && checked("cb_GunPress"));
}

QTEST_MAIN(AssignmentEditorTest)
#include "AssignmentEditorTest.moc"
