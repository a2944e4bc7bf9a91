// SPDX-License-Identifier: GPL-2.0-or-later
// The real main form as a person uses it, against the emulated mouse: Read, an assignment made
// in the combination-key dialog, a DPI edit, Apply, a macro recorded through the window's own
// capture, a profile saved and loaded through the file choice. Each checks what reaches the
// mouse (or the file) byte for byte. Built for Linux (offscreen) and for Windows, where it runs
// under Wine on the Windows platform plugin; there it also changes the pointer settings through
// the form and reads them back from the registry and from SystemParametersInfo.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "config/ConfigImage.h"
#include "config/ImageLayout.h"
#include "config/ImageSections.h"
#include "config/ParameterFields.h"
#include "device/ui/DeviceCommands.h"
#include "macros/MacroBody.h"
#include "macros/MacroFiles.h"
#include "macros/MacroScript.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/MacroRecording.h"
#include "macros/ui/Unit3.h"
#include "macros/ui/WindowInputCapture.h"
#include "platform/ReadFileBytes.h"
#include "settings/KeyCode.h"
#include "settings/ui/AssignmentEditor.h"
#include "settings/ui/Unit2.h"
#include "support/FormWithMouse.h"
#include "support/ImageAfterEdit.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

#ifdef Q_OS_WIN
#include "settings/win/WinPointerSettingsStore.h"
#include <windows.h>
// The system's macro of that name would hide the form's DialogBox.
#undef DialogBox
#endif

using namespace tarq;

namespace {

using tarq::testing::SendClick;

// The form with its messages collected, its data folder in a temporary folder, shown, and the
// mouse read by the first device check. Recording takes the window's own key events.
struct Walkthrough {
    explicit Walkthrough(PointerSettingsStore* pointer = nullptr)
        : device(false, pointer, [] { return PlatformCapture{std::make_unique<WindowInputCapture>(), "test"}; }),
          form(*device.form)
    {
        form.ShowStandardMessage = [this](const QString& text) { messages << text; };
        form.ShowDialogMessage = [this](const QString& text) { messages << text; };
        device.prompts.confirm = [this](const QString& text) {
            messages << text;
            return false;
        };
        device.prompts.UseOwnNameAndDelayDialogs(form.OwnPrompts());
        form.State().DataFolder = dir.path() + QLatin1Char('/');
        form.MacroLibrary().LoadMacroLibrary();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Commands().DevTimerTimer();
    }

    QWidget* w(const char* name) { return form.control(QLatin1String(name)); }
    std::vector<uint8_t> memory() const { return {device.mouse->memory().begin(), device.mouse->memory().end()}; }
    void ReleaseSlider(const char* name, int x)
    {
        auto* s = form.control<QSlider>(QLatin1String(name));
        QTest::mousePress(s, Qt::LeftButton, {}, QPoint(x, s->height() / 2));
        QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(x, s->height() / 2));
    }

    testing::FormWithMouse device;
    TForm1& form;
    QTemporaryDir dir;
    QStringList messages;
};

QString FirstDifference(const std::vector<uint8_t>& got, const std::vector<uint8_t>& want)
{
    if (got.size() != want.size())
        return QStringLiteral("%1 bytes, expected %2").arg(got.size()).arg(want.size());
    for (size_t i = 0; i < got.size(); ++i)
        if (got[i] != want[i])
            return QStringLiteral("byte 0x%1 is %2, expected %3").arg(i, 3, 16, QLatin1Char('0')).arg(got[i]).arg(want[i]);
    return {};
}

} // namespace

class FormWalkthroughTest : public QObject {
    Q_OBJECT
private slots:
    void readEditAndApplyReachTheMouse();
    void recordingInTheWindowIsSavedByteForByte();
    void profileSavedAndLoadedThroughTheFileChoice();
    void messageButtonsWearTheLanguageFace();
#ifdef Q_OS_WIN
    void pointerSettingsReachTheRegistryAndTheSystem();
#endif
};

void FormWalkthroughTest::readEditAndApplyReachTheMouse()
{
    Walkthrough f;
    QVERIFY(f.form.Device().Link.mouseOpen());
    QCOMPARE(std::vector<uint8_t>(f.form.State().DeviceImage.begin(), f.form.State().DeviceImage.end()), f.memory());
    const std::vector<uint8_t> before = f.memory();

    // Button 2 becomes Ctrl+Shift+A in the combination-key dialog, typed as keys.
    f.form.Nav().ChangeView(View::Office);
    SendClick(f.w("Key2"));
    QVERIFY(f.w("Pnl_Main")->isVisible());
    SendClick(f.w("Key_Assembly"));
    TForm2* dialog = f.form.Assignment().CombinationKeyDialog();
    QVERIFY(dialog && dialog->isVisible());
    auto* edit = dialog->findChild<QLineEdit*>("Edt_Assembly");
    SendClick(dialog->findChild<QCheckBox*>("CB_Ctrl"));
    SendClick(dialog->findChild<QCheckBox*>("CB_Shift"));
    QTest::keyClick(edit, Qt::Key_A);
    QCOMPARE(edit->text(), QStringLiteral("Ctrl+Shift+A"));
    SendClick(dialog->findChild<QWidget*>("IB_Confirm"));
    QCOMPARE(f.form.State().OfficeKeyCodes[1], std::string("020304"));

    // The game mode page (the mouse switches to game mode), DPI level 3 at the right end of its
    // slider: 6400.
    SendClick(f.w("Btn_Second_1"));
    f.ReleaseSlider("slider_DPI3", 239);
    QCOMPARE(f.form.control<QLabel>("lbl_DPI3Value")->text(), QStringLiteral("6400"));

    SendClick(f.w("Btn_Apply_1"));
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.join('|')));
    const std::vector<uint8_t> expected = testing::ImageAfterEdit(before, [](DataBuf& b) {
        QVERIFY(WriteButtonKeyCode(b, 1, 2, "020304"));
        b[databuf::kDpiValues + 2] = 10;
        WriteComplementPair(b, databuf::kKeyMode, kGameModeBit);
    });
    QVERIFY2(f.memory() == expected, qPrintable(FirstDifference(f.memory(), expected)));

    // Read brings back what was written, and a second Apply writes the same bytes.
    SendClick(f.w("Btn_Read_1"));
    QCOMPARE(f.form.control<QLabel>("lbl_DPI3Value")->text(), QStringLiteral("6400"));
    QCOMPARE(f.form.State().OfficeKeyCodes[1], std::string("020304"));
    SendClick(f.w("Btn_Apply_1"));
    QVERIFY2(f.memory() == expected, qPrintable(FirstDifference(f.memory(), expected)));
}

void FormWalkthroughTest::recordingInTheWindowIsSavedByteForByte()
{
    Walkthrough f;
    SendClick(f.w("Btn_Macro_1"));
    QTimer::singleShot(0, [] {
        auto* names = qobject_cast<TForm3*>(QApplication::activeModalWidget());
        QVERIFY2(names, "the name dialog is not open");
        QTest::keyClicks(names->findChild<QLineEdit*>("Edt_MacroName"), QStringLiteral("Reload"));
        SendClick(names->findChild<QWidget*>("IB_Confirm"));
    });
    SendClick(f.w("Btn_New"));
    QCOMPARE(f.form.control<QListWidget>("LB_PCMacroName")->item(0)->text(), QStringLiteral("Reload"));

    auto* start = f.form.control<TSkinLabel>("Btn_Start");
    SendClick(start);
    QVERIFY(f.form.Recording().Recording());
    // Input reaches the window as the system delivers it: through the window, not the widget.
    QWindow* window = f.form.windowHandle();
    QTest::keyClick(window, Qt::Key_R, Qt::ShiftModifier);   // Shift down, R, Shift up
    QTest::mouseClick(window, Qt::RightButton, {}, f.w("LB_macro")->mapTo(&f.form, QPoint(5, 5)));
    QTRY_VERIFY(!f.form.Recording().Script().empty() && f.form.Recording().Script().back().ends_with("CODE:0022"));
    SendClick(start);
    QVERIFY(!f.form.Recording().Recording());

    // The events as recorded, the waits left out: Shift, R, R up, Shift up, right button.
    const auto bytes = ReadFileBytes(f.form.MacroLibrary().MacroFilePath(), 1 << 20);
    QVERIFY(bytes);
    const MacroRecord saved = ReadMacroLibraryFile(*bytes)[0];
    QCOMPARE(saved.name, MacroNameFromUtf16(u"Reload"));
    QVERIFY(MacroBodyChecksumOk(saved.body));
    std::vector<uint8_t> events;
    for (size_t i = 2; i < 1 + size_t(saved.body[1]);) {
        const size_t size = std::max<size_t>(1, MacroEventSize(saved.body[i]));
        if (saved.body[i] != macro_event::kDelay)
            events.insert(events.end(), saved.body.begin() + long(i), saved.body.begin() + long(i + size));
        i += size;
    }
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(events.data()), qsizetype(events.size())).toHex(' ').toUpper(),
             QByteArray("81 02 82 15 02 15 01 02 A2 22"));
}

void FormWalkthroughTest::profileSavedAndLoadedThroughTheFileChoice()
{
    Walkthrough f;
    // A folder name with a space and a non-ASCII letter, as Windows users have them.
    const QString folder = f.dir.filePath(QStringLiteral("My Profiles \u00e9"));
    QVERIFY(QDir().mkpath(folder));
    const QString chosen = folder + QStringLiteral("/fps");
    f.device.prompts.file = [&](UserPrompts::FileUse) { return chosen; };
    SendClick(f.w("Btn_Save_1"));
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.join('|')));
    QFile saved(chosen + QStringLiteral(".bin"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray file = saved.readAll();
    saved.close();
    QCOMPARE(file, QByteArray(reinterpret_cast<const char*>(f.memory().data()), qsizetype(f.memory().size())));

    // The same profile with DPI level 1 at 1000, loaded back: the mouse holds it exactly.
    const std::vector<uint8_t> profile = testing::ImageAfterEdit({file.begin(), file.end()},
                                                               [](DataBuf& b) { b[databuf::kDpiValues] = 1; });
    QVERIFY(saved.open(QIODevice::WriteOnly | QIODevice::Truncate));
    saved.write(reinterpret_cast<const char*>(profile.data()), qsizetype(profile.size()));
    saved.close();
    f.device.prompts.file = [&](UserPrompts::FileUse) { return chosen + QStringLiteral(".bin"); };
    SendClick(f.w("Btn_Load_1"));
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.join('|')));
    QVERIFY2(f.memory() == profile, qPrintable(FirstDifference(f.memory(), profile)));
}

// Windows gives push buttons a font of their own: the message box's buttons must still be set
// in the language's face, as its text is.
void FormWalkthroughTest::messageButtonsWearTheLanguageFace()
{
    Walkthrough f;
    for (bool question : {true, false}) {
        const auto box = f.form.DialogBox(QStringLiteral("Reset the mouse?"), question);
        QVERIFY(!box->buttons().isEmpty());
        for (QAbstractButton* button : box->buttons())
            QCOMPARE(button->font().family(), f.form.State().FontName);
    }
}

#ifdef Q_OS_WIN
namespace {

void SetUserValue(const char* key, const char* name, const char* value)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, key, name, REG_SZ, value, DWORD(std::strlen(value) + 1));
}

QString UserValue(const char* key, const char* name)
{
    char buffer[64] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return QStringLiteral("(missing)");
    return QString::fromLatin1(buffer);
}

} // namespace

void FormWalkthroughTest::pointerSettingsReachTheRegistryAndTheSystem()
{
    // The user's settings as Windows keeps them: speed 10, precision off, 500 ms, 3 lines.
    for (auto [name, value] : {std::pair{"MouseSensitivity", "10"}, {"MouseSpeed", "0"}, {"MouseThreshold1", "0"},
                               {"MouseThreshold2", "0"}, {"DoubleClickSpeed", "500"}})
        SetUserValue("Control Panel\\Mouse", name, value);
    SetUserValue("Control Panel\\Desktop", "WheelScrollLines", "3");

    WinPointerSettingsStore store;
    Walkthrough f(&store);
    SendClick(f.w("Btn_Adv_1"));
    QCOMPARE(f.form.control<QSlider>("slider_Spd")->value(), 500);
    QCOMPARE(f.form.control<QSlider>("slider_DbSpd")->value(), 600);
    QCOMPARE(f.form.control<TSkinLabel>("Img_IsControl")->picture(), QStringLiteral("CbS_D"));

    f.ReleaseSlider("slider_Spd", 300);      // past the end: speed 20
    f.ReleaseSlider("slider_DbSpd", 270);    // level 11: 200 ms
    f.ReleaseSlider("slider_SrcSpd", 220);   // level 9: 9 lines
    SendClick(f.w("lbl_IsControl"));             // enhanced precision on
    QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.join('|')));

    QCOMPARE(UserValue("Control Panel\\Mouse", "MouseSensitivity"), QStringLiteral("20"));
    QCOMPARE(UserValue("Control Panel\\Mouse", "DoubleClickSpeed"), QStringLiteral("200"));
    QCOMPARE(UserValue("Control Panel\\Mouse", "MouseSpeed"), QStringLiteral("1"));
    QCOMPARE(UserValue("Control Panel\\Mouse", "MouseThreshold1"), QStringLiteral("6"));
    QCOMPARE(UserValue("Control Panel\\Mouse", "MouseThreshold2"), QStringLiteral("10"));
    QCOMPARE(UserValue("Control Panel\\Desktop", "WheelScrollLines"), QStringLiteral("9"));

    // What the system itself now answers.
    int speed = 0;
    QVERIFY(SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &speed, 0));
    QCOMPARE(speed, 20);
    int mouse[3] = {};
    QVERIFY(SystemParametersInfoA(SPI_GETMOUSE, 0, mouse, 0));
    QCOMPARE((std::array<int, 3>{mouse[0], mouse[1], mouse[2]}), (std::array<int, 3>{6, 10, 1}));
    UINT lines = 0;
    QVERIFY(SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    QCOMPARE(lines, 9u);
    QCOMPARE(GetDoubleClickTime(), 200u);

    // A new form reads them back from the registry.
    Walkthrough again(&store);
    QCOMPARE(again.form.control<QSlider>("slider_Spd")->value(), 1000);
    QCOMPARE(again.form.control<TSkinLabel>("Img_IsControl")->picture(), QStringLiteral("CbS_E"));
}
#endif

QTEST_MAIN(FormWalkthroughTest)
#include "FormWalkthroughTest.moc"
