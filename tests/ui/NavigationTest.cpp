// SPDX-License-Identifier: GPL-2.0-or-later
// Pages and navigation on the real main form: pointer feedback of every button family, the
// rolling caption, page changes with and without a mouse, menu placement and closing.

#include <QComboBox>
#include <QDesktopServices>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/Main.h"
#include "support/BareForm.h"
#include "support/FormWithMouse.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

using namespace tarq;

namespace {

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

QString Picture(TForm1& form, const QString& control)
{
    auto* label = form.control<TSkinLabel>(control);
    return label ? label->picture() : QStringLiteral("<missing %1>").arg(control);
}

QStringList Pictures(TForm1& form, const QString& base)   // the four copies
{
    QStringList pictures;
    for (int copy = 1; copy <= 4; ++copy)
        pictures << Picture(form, QStringLiteral("Img_%1%2").arg(base).arg(copy));
    return pictures;
}

QStringList Four(const QString& picture) { return {picture, picture, picture, picture}; }

// A form with the mouse open and the connected state shown, in the given view.
struct Connected {
    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    explicit Connected(View view = View::Office)
    {
        device.OpenMouse();
        form.State().NoDeviceView = false;
        form.show();
        form.Nav().ChangeView(view);
    }
};

// Receives the addresses the web button hands to the system.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void familiesWithFourCopiesChangeEveryCopy_data();
    void familiesWithFourCopiesChangeEveryCopy();
    void familiesWithOnePictureChangeOnlyIt_data();
    void familiesWithOnePictureChangeOnlyIt();
    void pageButtonLeaveMarksTheCurrentView();
    void languageButtonLeaveMarksTheCurrentLanguage();
    void textButtonsChangeColours();
    void webButtonFollowsTheMouseAndOpensItsAddress();
    void rollingCaptionScrollsAndIsRestored();
    void rollingCaptionStaysWithoutTextRolling();
    void pageButtonWithoutMouseShowsStr020AndChangesNothing();
    void pageButtonInNoDeviceStateDoesNothing();
    void pageChangesShowTheViewsPage_data();
    void pageChangesShowTheViewsPage();
    void gameViewOffersTheGunEntriesOnlyWithGunDisplay();
    void engineerViewUnlocksAndResizes();
    void refreshShowsPageOneInTheNoDeviceState();
    void menuOpensBesideTheButtonLabel_data();
    void menuOpensBesideTheButtonLabel();
    void menuOnTheEngineerPageOpensAboveTheButton();
    void hideAllMenuClosesEveryPopup();
    void backgroundsAndEngineerControlsCloseThePopups();
    void messageDialogTurnsCarriageReturnsIntoLines();
    void escapeClosesAnOpenMenu();
    void insertPanelButtonsRollTheirCaptionsAndLockedOnesStayStill();
};

void NavigationTest::familiesWithFourCopiesChangeEveryCopy_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("over");
    QTest::addColumn<QString>("rest");
    QTest::newRow("A Apply") << "Btn_Apply_2" << "Apply_" << "BtnS_02" << "BtnS_01";
    QTest::newRow("A default 3") << "Btn_Confirm3_4" << "Confirm3_" << "BtnS_02" << "BtnS_01";
    QTest::newRow("A load profile") << "Btn_Load_1" << "Load_" << "BtnS_02" << "BtnS_01";
    QTest::newRow("I exit") << "Btn_Exit_3" << "Exit_" << "ExitS_02" << "ExitS_01";
    QTest::newRow("J minimise") << "Btn_Mini_1" << "Mini_" << "MiniS_02" << "MiniS_01";
}

void NavigationTest::familiesWithFourCopiesChangeEveryCopy()
{
    QFETCH(QString, label);
    QFETCH(QString, base);
    QFETCH(QString, over);
    QFETCH(QString, rest);
    Connected c;
    QWidget* w = c.form.control(label);
    QVERIFY(w);
    Enter(w);
    QCOMPARE(Pictures(c.form, base), Four(over));
    Leave(w);
    QCOMPARE(Pictures(c.form, base), Four(rest));
}

void NavigationTest::familiesWithOnePictureChangeOnlyIt_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("over");
    QTest::addColumn<QString>("rest");
    QTest::newRow("C button label") << "Key3" << "Img_Key3" << "KeyS_02" << "KeyS_01";
    QTest::newRow("G OK") << "Btn_OK" << "Img_OK" << "MacroBtnS_02" << "MacroBtnS_01";
    QTest::newRow("G fire cancel") << "Btn_FireCancel" << "Img_FireCancel" << "MacroBtnS_02" << "MacroBtnS_01";
    QTest::newRow("new macro") << "Btn_New" << "Img_New" << "MacroS_02" << "MacroS_01";
    QTest::newRow("insert record") << "Btn_InsertStart" << "Img_InsertStart" << "MacroS_02" << "MacroS_01";
}

void NavigationTest::familiesWithOnePictureChangeOnlyIt()
{
    QFETCH(QString, label);
    QFETCH(QString, picture);
    QFETCH(QString, over);
    QFETCH(QString, rest);
    Connected c;
    Enter(c.form.control(label));
    QCOMPARE(Picture(c.form, picture), over);
    QCOMPARE(Picture(c.form, "Img_Key1"), QStringLiteral("KeyS_01"));   // nothing else changes
    Leave(c.form.control(label));
    QCOMPARE(Picture(c.form, picture), rest);
}

void NavigationTest::pageButtonLeaveMarksTheCurrentView()
{
    Connected c(View::Macro);
    QWidget* light = c.form.control("Btn_Breath_2");
    Enter(light);
    QCOMPARE(Picture(c.form, "Img_Breath_2"), QStringLiteral("SetS_02"));
    QCOMPARE(Picture(c.form, "Img_Breath_1"), QStringLiteral("SetS_01"));   // only the hovered copy
    Leave(light);
    QCOMPARE(Picture(c.form, "Img_Breath_2"), QStringLiteral("SetS_01"));
    QCOMPARE(Pictures(c.form, "Macro_"), Four("SetS_03"));

    // In the no-device state the leave does not mark a view.
    c.form.Nav().ButtonTypeB_1IconInit();
    c.form.State().NoDeviceView = true;
    Enter(light);
    Leave(light);
    QCOMPARE(Pictures(c.form, "Macro_"), Four("SetS_01"));
}

void NavigationTest::languageButtonLeaveMarksTheCurrentLanguage()
{
    Connected c;
    QWidget* second = c.form.control("Btn_Lang2_3");
    Enter(second);
    QCOMPARE(Picture(c.form, "Img_Lang2_3"), QStringLiteral("SetS_02"));
    Leave(second);
    QCOMPARE(Picture(c.form, "Img_Lang2_3"), QStringLiteral("SetS_01"));
    QCOMPARE(Pictures(c.form, "Lang1_"), Four("SetS_03"));
}

void NavigationTest::textButtonsChangeColours()
{
    Connected c;
    auto* del = c.form.control<QLabel>("Btn_Del");
    Enter(del);
    QCOMPARE(del->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(del->palette().color(QPalette::Window), c.form.State().Style.macroSelected);
    Leave(del);
    QCOMPARE(del->palette().color(QPalette::WindowText), c.form.State().Style.textButtonFont);
    QCOMPARE(del->palette().color(QPalette::Window), c.form.State().Style.textButtonBack);
    QVERIFY(!c.form.Nav().LabelRun().isActive());   // text buttons do not roll
}

void NavigationTest::webButtonFollowsTheMouseAndOpensItsAddress()
{
    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QWidget* web = form.control("Btn_Web_2");

    // No mouse: the pointer changes nothing, a click still shows the pressed picture.
    Enter(web);
    QCOMPARE(Pictures(form, "Web_"), Four("WebS_01"));
    form.State().Org.webEnable = false;
    QTest::mouseClick(web, Qt::LeftButton);
    QCOMPARE(Pictures(form, "Web_"), Four("WebS_02"));
    QVERIFY(catcher.opened.isEmpty());

    form.State().Org.webEnable = true;
    form.State().Org.web = "https://example.org/mouse";
    QTest::mouseClick(web, Qt::LeftButton);
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl("https://example.org/mouse")});

    QVERIFY(device.OpenMouse());
    Enter(web);
    QCOMPARE(Pictures(form, "Web_"), Four("WebS_03"));
    Leave(web);
    QCOMPARE(Pictures(form, "Web_"), Four("WebS_01"));
    QDesktopServices::unsetUrlHandler("https");
}

void NavigationTest::rollingCaptionScrollsAndIsRestored()
{
    Connected c;
    c.form.State().Org.trEnable = true;
    auto* apply = c.form.control<QLabel>("Btn_Apply_1");
    QCOMPARE(apply->text(), QStringLiteral("Apply"));
    Enter(apply);
    QVERIFY(c.form.Nav().LabelRun().isActive());
    QCOMPARE(c.form.Nav().LabelRun().interval(), 200);
    QTRY_COMPARE(apply->text(), QStringLiteral("pply    A"));   // the timer's first tick
    c.form.Nav().LabelRun().stop();
    c.form.Nav().LabelRunTimer();
    QCOMPARE(apply->text(), QStringLiteral("ply    Ap"));
    for (int tick = 0; tick < 40; ++tick)   // the gap is put in once per hover
        c.form.Nav().LabelRunTimer();
    QCOMPARE(apply->text().count(' '), 4);
    Leave(apply);
    QCOMPARE(apply->text(), QStringLiteral("Apply"));
    QVERIFY(!c.form.Nav().LabelRun().isActive());

    // A disabled caption does not start rolling.
    apply->setEnabled(false);
    Enter(apply);
    QVERIFY(!c.form.Nav().LabelRun().isActive());
}

void NavigationTest::rollingCaptionStaysWithoutTextRolling()
{
    Connected c;
    c.form.State().Org.trEnable = false;
    auto* apply = c.form.control<QLabel>("Btn_Apply_3");
    Enter(apply);
    for (int tick = 0; tick < 5; ++tick)
        c.form.Nav().LabelRunTimer();
    QCOMPARE(apply->text(), QStringLiteral("Apply"));
    // A caption-less button (exit) rolls nothing and breaks nothing.
    c.form.State().Org.trEnable = true;
    Enter(c.form.control("Btn_Exit_1"));
    c.form.Nav().LabelRunTimer();
    QCOMPARE(c.form.control<QLabel>("Btn_Exit_1")->text(), QString());
}

void NavigationTest::pageButtonWithoutMouseShowsStr020AndChangesNothing()
{
    tarq::testing::BareForm form;
    QStringList messages;
    form.ShowStandardMessage = [&messages](const QString& text) { messages << text; };
    form.show();
    const View before = form.Nav().CurrentView();
    QTest::mouseClick(form.control("Btn_Adv_1"), Qt::LeftButton);
    qobject_cast<QPushButton*>(form.control("Btn_Macro_6"))->click();
    QCOMPARE(messages, QStringList({"Finding the specified device", "Finding the specified device"}));
    QVERIFY(form.control("gbPage1")->isVisible());
    QVERIFY(!form.control("gbPage2")->isVisible());
    QVERIFY(form.Nav().CurrentView() == before);
    QCOMPARE(Pictures(form, "Main_"), Four("SetS_03"));
    QCOMPARE(Pictures(form, "Adv_"), Four("SetS_01"));
}

void NavigationTest::pageButtonInNoDeviceStateDoesNothing()
{
    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    QStringList messages;
    form.ShowStandardMessage = [&messages](const QString& text) { messages << text; };
    QVERIFY(device.OpenMouse());   // open, but its identification was refused
    form.State().NoDeviceView = true;
    form.show();
    QTest::mouseClick(form.control("Btn_Breath_4"), Qt::LeftButton);
    QVERIFY(messages.isEmpty());
    QVERIFY(form.control("gbPage1")->isVisible());
    QVERIFY(!form.control("gbPage3")->isVisible());
}

void NavigationTest::pageChangesShowTheViewsPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("own");
    QTest::newRow("office") << "Btn_Main_3" << int(View::Office) << 1 << "Main_";
    QTest::newRow("game") << "Btn_Second_2" << int(View::Game) << 1 << "Second_";
    QTest::newRow("advanced") << "Btn_Adv_1" << int(View::Advanced) << 2 << "Adv_";
    QTest::newRow("light") << "Btn_Breath_4" << int(View::Light) << 3 << "Breath_";
    QTest::newRow("macro") << "Btn_Macro_2" << int(View::Macro) << 4 << "Macro_";
}

void NavigationTest::pageChangesShowTheViewsPage()
{
    QFETCH(QString, button);
    QFETCH(int, view);
    QFETCH(int, page);
    QFETCH(QString, own);
    Connected c(View::Light);
    c.form.Nav().ShowPnlMain_OnClick(c.form.control<TSkinLabel>("Key1"));
    QTest::mouseClick(c.form.control(button), Qt::LeftButton);

    QCOMPARE(int(c.form.Nav().CurrentView()), view);
    for (int p = 1; p <= 6; ++p)
        QCOMPARE(c.form.control(QStringLiteral("gbPage%1").arg(p))->isVisible(), p == page);
    QCOMPARE(c.form.size(), QSize(c.form.State().SkinWidth, c.form.State().SkinHeight));
    QVERIFY(!c.form.control("Pnl_Main")->isVisible());
    for (const char* base : {"Main_", "Second_", "Adv_", "Breath_", "Macro_"})
        QCOMPARE(Pictures(c.form, base), Four(QLatin1String(base) == own ? "SetS_03" : "SetS_01"));
    QCOMPARE(Picture(c.form, QStringLiteral("Img_P%1").arg(page)), QStringLiteral("L1_Back%1").arg(page));
    if (page == 4) {
        QVERIFY(c.form.control("Gb_Delay")->isVisible());
        QVERIFY(c.form.control("lbl_Stop_Over")->isVisible());
        QVERIFY(!c.form.control("Gb_Insert")->isVisible());
    }
}

void NavigationTest::gameViewOffersTheGunEntriesOnlyWithGunDisplay()
{
    Connected c;
    auto* keyMode = c.form.control<QComboBox>("cb_KeyMode");
    for (const bool gun : {false, true}) {
        c.form.State().Org.gdEnable = gun;
        c.form.State().ComboKey3Enable = true;
        c.form.Nav().Btn_Second_0Click();
        QCOMPARE(keyMode->currentIndex(), 1);
        QCOMPARE(c.form.control("Pnl_Main")->height(), gun ? 194 : 170);
        QCOMPARE(c.form.control("Pnl_Special")->height(), gun ? 194 : 170);
        QCOMPARE(c.form.control("IB_ComboKey3")->isVisible(), gun);
        QCOMPARE(c.form.control("Img_ComboKey3")->isVisible(), gun);
    }
    // Without the layout's third option it stays hidden even with gun display.
    c.form.State().ComboKey3Enable = false;
    c.form.Nav().Btn_Second_0Click();
    QVERIFY(!c.form.control("IB_ComboKey3")->isVisible());
    // The office view cuts the fire macro entry off.
    c.form.Nav().Btn_Main_0Click();
    QCOMPARE(keyMode->currentIndex(), 0);
    QCOMPARE(c.form.control("Pnl_Main")->height(), 170);
    QVERIFY(c.form.control("Key_FireMacro")->y() + 24 > 170);
    QVERIFY(!c.form.control("IB_ComboKey3")->isVisible());
}

void NavigationTest::engineerViewUnlocksAndResizes()
{
    Connected c;
    auto* tabs = c.form.control<QTabWidget>("Pg_Parameter");
    QVERIFY(!tabs->isTabVisible(1));
    c.form.Nav().Btn_Engineer_0Click();
    QVERIFY(c.form.Nav().CurrentView() == View::Engineer);
    QVERIFY(c.form.control("gbPage6")->isVisible());
    QCOMPARE(c.form.size(), QSize(1000, 600));
    QVERIFY(tabs->isTabVisible(1));
    QVERIFY(c.form.control("Btn_Default")->isVisibleTo(&c.form));
    QVERIFY(c.form.control("gbLEDType")->isEnabled());
    QVERIFY(!c.form.control("LB_FireMacroName")->isHidden());   // fire editor shown
    QCOMPARE(c.form.control("Pnl_Main")->height(), 194);
    QCOMPARE(Pictures(c.form, "Engineer_"), Four("SetS_03"));

    qobject_cast<QPushButton*>(c.form.control("Btn_Main_6"))->click();
    QCOMPARE(c.form.size(), QSize(c.form.State().SkinWidth, c.form.State().SkinHeight));
    QVERIFY(c.form.control("gbPage1")->isVisible());
}

void NavigationTest::refreshShowsPageOneInTheNoDeviceState()
{
    Connected c(View::Light);
    c.form.State().NoDeviceView = true;
    c.form.Nav().RefreshAPPage();
    QVERIFY(c.form.control("gbPage1")->isVisible());
    QVERIFY(!c.form.control("gbPage3")->isVisible());
    c.form.State().NoDeviceView = false;
    c.form.Nav().RefreshAPPage();
    QVERIFY(c.form.control("gbPage3")->isVisible());
    QVERIFY(!c.form.control("gbPage1")->isVisible());
}

void NavigationTest::menuOpensBesideTheButtonLabel_data()
{
    QTest::addColumn<QPoint>("labelPos");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("up");
    QTest::newRow("top left") << QPoint(160, 138) << false << false;
    QTest::newRow("near right edge") << QPoint(700, 138) << true << false;
    QTest::newRow("near bottom edge") << QPoint(160, 470) << false << true;
    QTest::newRow("bottom right") << QPoint(760, 500) << true << true;
}

void NavigationTest::menuOpensBesideTheButtonLabel()
{
    QFETCH(QPoint, labelPos);
    QFETCH(bool, left);
    QFETCH(bool, up);
    Connected c;
    auto* key = c.form.control<TSkinLabel>("Key4");
    key->move(labelPos);
    QTest::mouseClick(key, Qt::LeftButton);

    QWidget* menu = c.form.control("Pnl_Main");
    QVERIFY(menu->isVisible());
    QCOMPARE(c.form.Nav().MenuKeyNumber, 4);
    QVERIFY(c.form.Nav().Origin == MenuOrigin::ButtonPage);
    QVERIFY(c.form.control("Key_FireMacro")->isVisibleTo(menu));
    QVERIFY(!c.form.control("Key_TLFireMacro")->isVisibleTo(menu));
    QCOMPARE(Picture(c.form, "Img_Key4"), QStringLiteral("KeyS_01"));

    const QRect r = key->geometry();
    const int cx = r.left() + r.width() / 2;
    const int cy = r.top() + r.height() / 2;
    QCOMPARE(menu->x(), left ? cx - menu->width() : cx);
    QCOMPARE(menu->y(), up ? cy - menu->height() : cy);
    // The rule: the menu reaches the edge only when it opens away from it.
    QCOMPARE(r.left() + r.width() + menu->width() >= c.form.State().SkinWidth, left);
    QCOMPARE(r.top() + r.height() + menu->height() >= c.form.State().SkinHeight, up);
}

void NavigationTest::menuOnTheEngineerPageOpensAboveTheButton()
{
    Connected c(View::Engineer);
    auto* tabs = c.form.control<QTabWidget>("Pg_Parameter");
    QWidget* menu = c.form.control("Pnl_Main");
    for (const char* name : {"btn_Key205", "btn_Key109", "btn_Key101"}) {
        auto* button = c.form.control<QPushButton>(name);
        button->click();
        QVERIFY(menu->isVisible());
        QCOMPARE(c.form.Nav().EngineerKeyNumber, QString(name).right(3).toInt());
        QVERIFY(c.form.Nav().Origin == MenuOrigin::EngineerPage);
        QVERIFY(!c.form.control("Key_FireMacro")->isVisibleTo(menu));
        QVERIFY(c.form.control("Key_TLFireMacro")->isVisibleTo(menu));
        QVERIFY(c.form.control("ST_TLFireMacro")->isVisibleTo(menu));

        const QRect b = button->geometry();
        const int left = b.left() + menu->width() > tabs->width() ? b.left() + b.width() - menu->width() + 10
                                                                  : b.left() + 10;
        QWidget* group = button->parentWidget();
        QCOMPARE(group->objectName(), QString(name).right(3).toInt() < 200 ? "gbKeyMode1" : "gbKeyMode2");
        QCOMPARE(menu->pos(), QPoint(left, b.top() + tabs->y() + group->y() - menu->height() + 38));
        // Above the button: its bottom edge is no lower than just below the button's top.
        QVERIFY(menu->geometry().bottom() < button->mapTo(&c.form, QPoint(0, button->height())).y());
    }
}

void NavigationTest::hideAllMenuClosesEveryPopup()
{
    Connected c;
    const QStringList popups = {"Pnl_Main", "Pnl_MseKey", "Pnl_Special", "Pnl_CPIKey", "Pnl_Media",
                                "Pnl_WWW", "Pnl_MyPC", "LB_Name", "LB_Script", "Pnl_PCMacro",
                                "Pnl_DevContent"};
    for (const QString& name : popups)
        c.form.control(name)->show();
    c.form.Nav().HideAllMenu();
    for (const QString& name : popups)
        QVERIFY2(!c.form.control(name)->isVisible(), qPrintable(name));
}

void NavigationTest::backgroundsAndEngineerControlsCloseThePopups()
{
    Connected c;
    QWidget* menu = c.form.control("Pnl_Main");
    auto openMenu = [&] { c.form.Nav().ShowPnlMain_OnClick(c.form.control<TSkinLabel>("Key2")); };

    openMenu();
    QTest::mouseClick(c.form.control("Img_P1"), Qt::LeftButton);
    QVERIFY(!menu->isVisible());
    openMenu();
    QTest::mouseClick(c.form.control("gbPage1"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!menu->isVisible());

    c.form.Nav().Btn_Engineer_0Click();
    c.form.Nav().TLShowPnlMain_OnClick(c.form.control<QPushButton>("btn_Key102"));
    QVERIFY(menu->isVisible());
    QTest::mouseClick(c.form.control("gbCPI"), Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(!menu->isVisible());
    c.form.Nav().TLShowPnlMain_OnClick(c.form.control<QPushButton>("btn_Key102"));
    c.form.control<QTabWidget>("Pg_Parameter")->setCurrentIndex(1);
    QVERIFY(!menu->isVisible());
    c.form.Nav().TLShowPnlMain_OnClick(c.form.control<QPushButton>("btn_Key102"));
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(c.form.control("cb_KeyMode"), &focus);
    QVERIFY(!menu->isVisible());
}

void NavigationTest::messageDialogTurnsCarriageReturnsIntoLines()
{
    tarq::testing::BareForm form;
    QString shown;
    form.ShowDialogMessage = [&shown](const QString& text) { shown = text; };
    form.Nav().RefreshFormMessagDialog(form.State().Text(100) + "\r\r" + form.State().Text(101));
    QCOMPARE(shown, QStringLiteral("Please Connect the USB Device\n\nPlease check your device is attached to USB port"));
}

void NavigationTest::escapeClosesAnOpenMenu()
{
    Connected c;
    QWidget* menu = c.form.control("Pnl_Main");
    QTest::mouseClick(c.form.control("Key2"), Qt::LeftButton);
    QVERIFY(menu->isVisible());
    // The key reaches whatever has the focus in the window, and the window when nothing does.
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &c.form;
    QTest::keyClick(focus, Qt::Key_Escape);
    QVERIFY(!menu->isVisible());

    // The second level closes with the first.
    QTest::mouseClick(c.form.control("Key2"), Qt::LeftButton);
    c.form.control("Pnl_MseKey")->show();
    QTest::keyClick(&c.form, Qt::Key_Escape);
    QVERIFY(!menu->isVisible());
    QVERIFY(!c.form.control("Pnl_MseKey")->isVisible());
    // With no menu open Escape changes nothing on the page.
    QTest::keyClick(&c.form, Qt::Key_Escape);
    QVERIFY(c.form.control("gbPage1")->isVisible());
}

// The insert panels' OK and Cancel change their pictures by themselves and roll their captions
// through the navigation; New and the record button, locked while the insert panel is open,
// neither light up nor roll.
void NavigationTest::insertPanelButtonsRollTheirCaptionsAndLockedOnesStayStill()
{
    Connected c(View::Macro);
    for (const char* name : {"Btn_OK", "Btn_FireOK"}) {
        QWidget* button = c.form.control(name);
        Enter(button);
        QVERIFY2(c.form.Nav().LabelRun().isActive(), name);
        Leave(button);
        QVERIFY2(!c.form.Nav().LabelRun().isActive(), name);
    }

    for (const char* name : {"Btn_New", "Btn_InsertStart"}) {
        QWidget* button = c.form.control(name);
        const QString picture = QStringLiteral("Img_") + QString::fromLatin1(name).mid(4);
        button->setEnabled(false);
        Enter(button);
        QCOMPARE(Picture(c.form, picture), QStringLiteral("MacroS_01"));
        QVERIFY2(!c.form.Nav().LabelRun().isActive(), name);
        Leave(button);
        QCOMPARE(Picture(c.form, picture), QStringLiteral("MacroS_01"));
    }
}

QTEST_MAIN(NavigationTest)
#include "NavigationTest.moc"
