// SPDX-License-Identifier: GPL-2.0-or-later
// What the gun page shows in its states: the gun names come from the language file (switching
// the language renames every gun button, the two that differ between the languages included),
// and the fire macro editor's record list shows that its insert panel locks it.

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/Main.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"
#include "device/ui/DeviceCommands.h"
#include "firemacros/GunForm.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"

using namespace tarq;

namespace {

using tarq::testing::Click;

} // namespace

class GunPageStatesFormTest : public QObject {
    Q_OBJECT
private slots:
    void gunNamesFollowTheLanguage();
    void lockedRecordListShowsGreyed();
};

void GunPageStatesFormTest::gunNamesFollowTheLanguage()
{
    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    QTemporaryDir dir;
    form.State().DataFolder = dir.path() + QLatin1Char('/');
    form.ShowStandardMessage = [](const QString&) {};
    form.ShowDialogMessage = [](const QString&) {};
    form.State().NoDeviceView = false;
    form.show();

    const QStringList english = {"AKM", "M16", "M4", "UMP9", "SCAR-L", "5.56mm Fire", "7.62mm Fire"};
    QStringList chinese = english;
    chinese[5] = QStringLiteral("5.56mm 压枪");
    chinese[6] = QStringLiteral("7.62mm 压枪");
    const auto names = [&form] {
        QStringList shown;
        for (int gun = 1; gun <= 7; ++gun)
            shown << form.control<TSkinLabel>(QStringLiteral("Btn_Fire%1").arg(gun))->text();
        return shown;
    };

    QCOMPARE(names(), english);
    Click(form.control("Btn_Lang2_1"));
    QCOMPARE(form.State().LanguageIndex, 2);
    QCOMPARE(names(), chinese);
    Click(form.control("Btn_Lang1_1"));
    QCOMPARE(names(), english);
}

void GunPageStatesFormTest::lockedRecordListShowsGreyed()
{
    tarq::testing::GunForm gun;
    TForm1& form = gun.form;
    Click(form.control("Key4"));
    Click(form.control("Key_FireMacro"));
    gun.OpenEditor();

    auto* names = form.control<QListWidget>("LB_FireMacroName");
    auto* events = form.control<QListWidget>("LB_FireMacro");
    testing::ClickRow(names, 0);
    QVERIFY(events->count() > 1);
    const auto selectedBack = [names] {
        const QRect row = names->visualItemRect(names->item(0));
        return QColor(names->viewport()->grab().toImage().pixel(row.left() + 2, row.top() + 2));
    };
    const QColor atRest = selectedBack();

    // The event list's pop-up, by a right click on an event, and its Insert.
    testing::RightClickRow(events, 1);
    Click(form.control("Btn_FireInsert"));
    QVERIFY(form.control("Gb_InsertFire")->isVisible());
    QVERIFY(!names->isEnabled());
    QCOMPARE(names->currentRow(), 0);
    QVERIFY(selectedBack().lightness() < atRest.lightness());

    Click(form.control("Btn_FireCancel"));
    QVERIFY(names->isEnabled());
    QCOMPARE(selectedBack(), atRest);
}

QTEST_MAIN(GunPageStatesFormTest)
#include "GunPageStatesFormTest.moc"
