// SPDX-License-Identifier: GPL-2.0-or-later
// The main form as the program starts it: start-up state, the application icon, the
// loading screen, the busy overlays, the window commands and the program's folders.

#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStatusTipEvent>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>

#include "app/AppFolders.h"
#include "app/FormLoading.h"
#include "app/Main.h"
#include "support/BareForm.h"
#include "support/FormWithMouse.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

using namespace tarq;

namespace {

void Press(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(w, button, {}, at);
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void startUpLeavesPageOneAtSkinSize();
    void startUpKeepsDeviceSearchForTheLoadingScreen();
    void windowAndTrayShowTheApplicationIcon();
    void loadingScreenIsPlacedOverTheWindow();
    void busyOverlaysSwallowClicks();
    void draggingTheBackgroundMovesTheWindow();
    void hintOfTheControlUnderThePointerShowsInTheHintLine();
    void exitAndMinimise();
    void appFolderFallsBackWhenTheProgramFolderIsNotWritable();
    void dataFilesResolveInDataFolderOrAppFolder();
};

void MainFormTest::startUpLeavesPageOneAtSkinSize()
{
    tarq::testing::BareForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("TARQ362A Gaming Mouse v1.0"));
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);

    auto* background = form.control<QLabel>("Img_Base_1");
    QVERIFY(background && !background->pixmap().isNull());
    QCOMPARE(QSize(form.State().SkinWidth, form.State().SkinHeight), background->pixmap().size());
    QCOMPARE(form.size(), QSize(form.State().SkinWidth, form.State().SkinHeight));
    QCOMPARE(form.control("Disable_All_3")->size(), form.size());

    QVERIFY(form.control("gbPage1")->isVisibleTo(&form));
    for (int page = 2; page <= 6; ++page)
        QVERIFY2(!form.control(QStringLiteral("gbPage%1").arg(page))->isVisibleTo(&form), qPrintable(QString::number(page)));
    QCOMPARE(form.control("gbPage6")->size(), QSize(1000, 600));

    // The no-device state: office button selected, shown page 1, the default values in place.
    QVERIFY(form.State().NoDeviceView);
    QCOMPARE(form.control<TSkinLabel>("Img_Main_2")->picture(), QStringLiteral("SetS_03"));
    QCOMPARE(form.control<TSkinLabel>("Img_Macro_2")->picture(), QStringLiteral("SetS_01"));
    QVERIFY((form.State().Home.Mode() == ConfigurationMode::Eeprom));
    QCOMPARE(form.State().LanguageIndex, 1);
    QVERIFY(form.control<QRadioButton>("rb_Lang1")->isChecked());
    QCOMPARE(form.State().Text(20), QStringLiteral("Finding the specified device"));
    QVERIFY(!form.State().AppFolder.isEmpty() && form.State().AppFolder.endsWith('/'));
    QVERIFY2(form.State().StartupProblems.isEmpty(), qPrintable(form.State().StartupProblems.join('\n')));

    // Centred on the screen; the numeric edits centre their text.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(form.x(), screen.left() + (screen.width() - form.State().SkinWidth) / 2);
    QCOMPARE(form.control<QLineEdit>("Edt_FireY2Offset")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

void MainFormTest::startUpKeepsDeviceSearchForTheLoadingScreen()
{
    tarq::testing::BareForm form;
    QVERIFY(!form.State().DevTimer.isActive());
    QVERIFY(!form.State().DevTimerFirst.isActive());
    QCOMPARE(form.State().DevTimer.interval(), 3000);
    form.CreateLoadingScreen();
    QVERIFY(form.State().DevTimerFirst.isActive());
    QCOMPARE(form.State().DevTimerFirst.interval(), 20);
}

void MainFormTest::windowAndTrayShowTheApplicationIcon()
{
    tarq::testing::BareForm form;
    auto* tray = form.findChild<QSystemTrayIcon*>("CoolTrayIcon1");
    QVERIFY(tray);
    QVERIFY(!tray->icon().isNull());
    QCOMPARE(form.windowIcon().cacheKey(), tray->icon().cacheKey());
    // Every drawn size is carried and decodes at its own size, so no place scales a picture.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage picture(QStringLiteral(":/icons/tarq362a-%1.png").arg(size));
        QCOMPARE(picture.size(), QSize(size, size));
        QCOMPARE(tray->icon().pixmap(size).size(), QSize(size, size));
    }
}

void MainFormTest::loadingScreenIsPlacedOverTheWindow()
{
    tarq::testing::BareForm form;
    // Creating the loading screen starts the device check, whose first tick acts (no mouse
    // here): its message is collected instead of waiting for a click.
    QStringList messages;
    form.ShowDialogMessage = [&](const QString& text) { messages << text; };
    form.ShowStandardMessage = [&](const QString& text) { messages << text; };
    form.move(100, 50);
    form.CreateLoadingScreen();
    TFormLoadingUI* loading = form.LoadingScreen();
    QCOMPARE(loading->size(), QSize(206, 196));
    QVERIFY(loading->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(loading->windowFlags() & Qt::FramelessWindowHint);
    const QRect main = form.frameGeometry();
    // Created 40 pixels below the centred place; shown exactly centred.
    QCOMPARE(loading->pos(), QPoint(main.left() + (main.width() - 206) / 2,
                                    main.top() + (main.height() - 196) / 2 + 40));
    form.ShowLoadingScreen();
    QVERIFY(loading->isVisible());
    QCOMPARE(loading->pos(), QPoint(main.left() + (main.width() - 206) / 2,
                                    main.top() + (main.height() - 196) / 2));
    const int frame = loading->Frame();
    QTRY_VERIFY(loading->Frame() != frame);   // the animation runs
    form.HideLoadingScreen();
    QVERIFY(!loading->isVisible());
}

void MainFormTest::busyOverlaysSwallowClicks()
{
    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    form.show();
    QVERIFY(device.OpenMouse());
    QWidget* page = form.control("gbPage1");
    QWidget* key = form.control("Key1");
    const QPoint at = key->geometry().center();
    QCOMPARE(page->childAt(at), key);

    form.ShowBusyOverlays();
    for (int n = 1; n <= 4; ++n)
        QVERIFY(!form.control(QStringLiteral("Disable_All_%1").arg(n))->isHidden());
    QWidget* target = page->childAt(at);
    QCOMPARE(target->objectName(), QStringLiteral("Disable_All_1"));
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    QVERIFY(!form.control("Pnl_Main")->isVisible());
    // The same click without the overlays opens the button's menu.
    form.HideBusyOverlays();
    QTest::mouseClick(page->childAt(at), Qt::LeftButton, {}, key->rect().center());
    QVERIFY(form.control("Pnl_Main")->isVisible());
}

void MainFormTest::draggingTheBackgroundMovesTheWindow()
{
    tarq::testing::BareForm form;
    form.show();
    form.move(200, 100);
    form.Nav().ShowPnlMain_OnClick(form.control<TSkinLabel>("Key2"));
    QWidget* base = form.control("Img_Base_1");
    const QPoint grab(20, 600);
    Press(base, grab);
    QVERIFY(!form.control("Pnl_Main")->isVisible());   // a press on the background closes menus
    QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(35, 25)),
                     QPointF(base->mapToGlobal(grab) + QPoint(35, 25)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(base, &move);
    QTest::mouseRelease(base, Qt::LeftButton, {}, grab + QPoint(35, 25));
    QCOMPARE(form.pos(), QPoint(235, 125));

    // The loading screen follows the window to its new place.
    form.CreateLoadingScreen();
    form.ShowLoadingScreen();
    const QRect main = form.frameGeometry();
    QCOMPARE(form.LoadingScreen()->pos(), QPoint(main.left() + (main.width() - 206) / 2,
                                                 main.top() + (main.height() - 196) / 2));
}

void MainFormTest::hintOfTheControlUnderThePointerShowsInTheHintLine()
{
    tarq::testing::BareForm form;
    QWidget* testKeys = form.control("btn_TestKeys");
    QStatusTipEvent tip(testKeys->statusTip());
    QApplication::sendEvent(testKeys, &tip);
    QVERIFY(!testKeys->statusTip().isEmpty());
    QCOMPARE(form.control<QLabel>("lbl_Content")->text(), testKeys->statusTip());
}

void MainFormTest::exitAndMinimise()
{
    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    form.show();
    QVERIFY(device.OpenMouse());
    QTest::mouseClick(form.control("Btn_Mini_3"), Qt::LeftButton);
    QTRY_VERIFY(form.isMinimized());
    form.BringToFront();
    QTRY_VERIFY(!form.isMinimized());

    QTest::mouseClick(form.control("Btn_Exit_2"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.Device().Link.mouseOpen());   // the mouse is let go; nothing is written
}

void MainFormTest::appFolderFallsBackWhenTheProgramFolderIsNotWritable()
{
    QTemporaryDir program;
    QTemporaryDir user;
    QCOMPARE(ChooseAppFolder(program.path(), user.path()), program.path() + '/');

    // A folder below a plain file can be neither created nor written, even by root.
    QFile blocker(program.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = program.filePath("file/sub");
    QVERIFY(!FolderIsWritable(unwritable));
    QCOMPARE(ChooseAppFolder(unwritable, user.filePath("data")), user.filePath("data") + '/');
    QVERIFY(QDir(user.filePath("data")).exists());
}

void MainFormTest::dataFilesResolveInDataFolderOrAppFolder()
{
    QCOMPARE(DataFilePath({}, "/opt/tarq/", "Macro.bin"), QStringLiteral("/opt/tarq/Macro.bin"));
    // A Path is used as written, the name following it directly.
    QCOMPARE(DataFilePath("/data/mouse", "/opt/tarq/", "Macro.bin"), QStringLiteral("/data/mouseMacro.bin"));
}

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
