// SPDX-License-Identifier: GPL-2.0-or-later
// In --demo the emulated mouse holds the buttons pressed over the main window. A press that
// opens a pop-up is released over the pop-up, and a press may be released while another
// program has the focus: neither may leave the button held, or the key test flashes forever.

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include "app/DemoPointerButtons.h"
#include "app/Main.h"
#include "device/emulator/EmulatedMouse.h"
#include "support/FormWithMouse.h"
#include "ui/Navigation.h"

using namespace tarq;

class DemoPointerButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void releasedButtonsAreNotHeld();
};

void DemoPointerButtonsTest::releasedButtonsAreNotHeld()
{
    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    device.OpenMouse();
    form.State().NoDeviceView = false;
    form.show();
    EmulatedMouse& mouse = *device.mouse;
    new DemoPointerButtons(&form, mouse);

    // A combo box opens its list on the press; the release lands on the list.
    auto* combo = new QComboBox(form.control("Img_Base_1")->parentWidget());
    combo->addItems({"one", "two"});
    combo->setGeometry(10, 10, 120, 24);
    combo->show();
    QTest::mousePress(combo, Qt::LeftButton, {}, combo->rect().center());
    QCOMPARE(mouse.buttonState.load(), uint16_t(0x001));
    QTRY_VERIFY(combo->view()->isVisible());
    QVERIFY(combo->view()->window() != &form);
    QTest::mouseRelease(combo->view()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(mouse.buttonState.load(), uint16_t(0));
    combo->hidePopup();

    // Held when the program loses the focus: let go.
    QTest::mousePress(form.control("Img_Base_1"), Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(mouse.buttonState.load(), uint16_t(0x004));
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QApplication::sendEvent(qApp, &deactivate);
    QCOMPARE(mouse.buttonState.load(), uint16_t(0));
}

QTEST_MAIN(DemoPointerButtonsTest)
#include "DemoPointerButtonsTest.moc"
