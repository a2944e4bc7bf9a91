// SPDX-License-Identifier: GPL-2.0-or-later
// The window's own frame while the pages are covered: without a mouse, and during a transfer,
// the close, minimise and language buttons take a person's clicks and the window can be
// dragged; a close asked for during a transfer waits for the transfer to end.

#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "app/Main.h"
#include "device/ui/DeviceCommands.h"
#include "support/BareForm.h"
#include "support/FormWithMouse.h"

using namespace tarq;

namespace {

// What a person's click at the middle of `control` lands on: the topmost control there.
QWidget* UnderThePointer(TForm1& form, const QString& control)
{
    QWidget* w = form.control(control);
    if (!w || !w->isVisible())
        return nullptr;
    QWidget* page = w->parentWidget();
    return page->childAt(w->geometry().center());
}

void ClickAsAPerson(TForm1& form, const QString& control)
{
    QWidget* target = UnderThePointer(form, control);
    QVERIFY2(target, qPrintable(control));
    QCOMPARE(target->objectName(), control);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

} // namespace

class WindowFrameFormTest : public QObject {
    Q_OBJECT
private slots:
    void frameStaysUsableWithoutAMouse();
    void closeDuringATransferWaitsForItsEnd();
};

void WindowFrameFormTest::frameStaysUsableWithoutAMouse()
{
    testing::BareForm form;
    QStringList messages;
    form.ShowDialogMessage = [&](const QString& text) { messages << text; };
    form.ShowStandardMessage = [&](const QString& text) { messages << text; };
    form.show();
    form.move(200, 100);
    form.Commands().DevTimerTimer();   // the device check finds no mouse
    auto* overlay = form.control<QLabel>("Disable_All_1");
    QVERIFY(overlay->isVisible());
    QCOMPARE(overlay->text(), form.State().Text(100));
    // The pages stay covered.
    QCOMPARE(UnderThePointer(form, "Key1"), overlay);

    // The language buttons switch the language, and the note on the cover follows.
    ClickAsAPerson(form, "Btn_Lang2_1");
    QCOMPARE(form.State().LanguageIndex, 2);
    QCOMPARE(overlay->text(), form.State().Text(100));
    QVERIFY(overlay->text() != QStringLiteral("Please Connect the USB Device"));
    ClickAsAPerson(form, "Btn_Lang1_1");
    QCOMPARE(form.State().LanguageIndex, 1);
    QVERIFY(overlay->isVisible());

    // The cover drags the window like the background.
    const QPoint grab(20, 600);
    QTest::mousePress(overlay, Qt::LeftButton, {}, grab);
    QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(35, 25)),
                     QPointF(overlay->mapToGlobal(grab) + QPoint(35, 25)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(overlay, &move);
    QTest::mouseRelease(overlay, Qt::LeftButton, {}, grab + QPoint(35, 25));
    QCOMPARE(form.pos(), QPoint(235, 125));

    ClickAsAPerson(form, "Btn_Mini_1");
    QTRY_VERIFY(form.isMinimized());
    form.showNormal();
    QTRY_VERIFY(!form.isMinimized());
    ClickAsAPerson(form, "Btn_Exit_1");
    QVERIFY(!form.isVisible());
}

void WindowFrameFormTest::closeDuringATransferWaitsForItsEnd()
{
    testing::FormWithMouse device;
    TForm1& form = *device.form;
    QStringList messages;
    form.ShowDialogMessage = [&](const QString& text) { messages << text; };
    form.ShowStandardMessage = [&](const QString& text) { messages << text; };
    form.show();
    form.Commands().DevTimerTimer();   // the mouse is found and read
    QVERIFY(!form.control("Disable_All_1")->isVisible());

    // Apply; part-way through the write the person clicks close.
    int reports = 0;
    bool clicked = false;
    device.mouse->faults.latencyMs = 1;
    device.mouse->sleeper = [&](int ms) {
        device.waiter.sleep(ms);
        if (++reports == 200 && !clicked) {
            clicked = true;
            QVERIFY(form.control("Disable_All_1")->isVisible());
            ClickAsAPerson(form, "Btn_Exit_1");
            QVERIFY(form.isVisible());   // not yet
        }
    };
    form.Commands().Btn_Apply_0Click();
    QVERIFY(clicked);
    // The write ended whole and verified; then the window closed.
    QVERIFY(!form.isVisible());
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    QVERIFY2(reports > 300, qPrintable(QString::number(reports)));
    QVERIFY(std::equal(form.State().DeviceImage.begin(), form.State().DeviceImage.end(),
                       device.mouse->memory().begin()));
}

QTEST_MAIN(WindowFrameFormTest)
#include "WindowFrameFormTest.moc"
