// SPDX-License-Identifier: GPL-2.0-or-later
// The gun page's arrangement on the real main form: the column numbers follow the selected
// gun, the fire macro editor leaves every column of the table in reach while it is open (also
// after a language change), closing it gives the table its places back, and the record list
// shows all ten records.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "device/ui/DeviceCommands.h"
#include "firemacros/FireMacro.h"
#include "firemacros/FirePatch.h"
#include "firemacros/GunForm.h"
#include "firemacros/GunTable.h"
#include "firemacros/ui/GunPage.h"
#include "firemacros/ui/GunSlotEdits.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"
#include "ui/language/LanguageSwitch.h"

using namespace tarq;

namespace {

using tarq::testing::SendClick;

// The controls a person uses in column c (edits, the release mark's click area, the colour's).
QStringList ColumnTargets(int c)
{
    const QString n = QString::number(c);
    return {"Edt_FireCnt" + n, "Edt_FireY" + n, "Edt_FireY" + n + "Offset", "Edt_FireTime" + n,
            "lbl_FireRKFS" + n, "IB_FireColor" + n};
}

struct LayoutForm : tarq::testing::GunForm {
    LayoutForm() { OpenGunPageFor(4); }

    // Every control of every shown column is the topmost one at its centre and lies inside the
    // page: nothing covers it.
    void ExpectColumnsInReach(int columns)
    {
        QWidget* page = form.control("gbPage5");
        for (int c = 1; c <= columns; ++c)
            for (const QString& name : ColumnTargets(c)) {
                QWidget* w = form.control(name);
                QVERIFY2(w->isVisibleTo(page), qPrintable(name));
                QVERIFY2(page->rect().contains(w->geometry()), qPrintable(name));
                QCOMPARE(page->childAt(w->geometry().center()), w);
            }
    }

};

std::map<QString, QRect> Geometries(TForm1& form)
{
    std::map<QString, QRect> out;
    for (int c = 1; c <= kGunMaxColumns; ++c)
        for (const QString& name : ColumnTargets(c) + QStringList{"lbl_FireColumn" + QString::number(c)})
            out[name] = form.control(name)->geometry();
    for (const char* caption : {"lbl_Fire_Marco_Stop_Release", "lbl_Fire_Marco_Count", "lbl_Fire_Marco_Color"})
        out[caption] = form.control(caption)->geometry();
    return out;
}

} // namespace

class GunPageLayoutFormTest : public QObject {
    Q_OBJECT
private slots:
    void columnNumbersShowOnlyForSeveralColumns();
    void openEditorLeavesEveryColumnInReach();
    void recordListShowsAllTenRecords();
    void editsOfStepsARecordLacksTakeNoInput();
};

void GunPageLayoutFormTest::columnNumbersShowOnlyForSeveralColumns()
{
    LayoutForm g;
    for (int gun = 1; gun <= kGunCount; ++gun) {
        SendClick(g.form.control(QStringLiteral("Btn_Fire%1").arg(gun)));
        const int columns = GunColumnCount(gun);
        for (int c = 1; c <= kGunMaxColumns; ++c) {
            const bool shown = columns > 1 && c <= columns;
            QVERIFY2(g.form.control(QStringLiteral("lbl_FireColumn%1").arg(c))->isVisible() == shown,
                     qPrintable(QStringLiteral("gun %1 column %2").arg(gun).arg(c)));
        }
        // Each number stands over its column.
        for (int c = 1; c <= columns && columns > 1; ++c) {
            const QRect number = g.form.control(QStringLiteral("lbl_FireColumn%1").arg(c))->geometry();
            const QRect edit = g.form.control(QStringLiteral("Edt_FireCnt%1").arg(c))->geometry();
            QVERIFY(number.bottom() < edit.top());
            QVERIFY(qAbs(number.center().x() - edit.center().x()) <= 2);
        }
    }
}

void GunPageLayoutFormTest::openEditorLeavesEveryColumnInReach()
{
    LayoutForm g;
    SendClick(g.form.control("Btn_Fire7"));
    const auto placed = Geometries(g.form);
    g.OpenEditor();
    QVERIFY(g.form.control("Gb_FireEditor")->isVisible());
    g.ExpectColumnsInReach(3);
    // The row captions stay left of the first column.
    QVERIFY(g.form.control("lbl_Fire_Marco_Count")->geometry().right() < g.form.control("Edt_FireCnt1")->x());

    // Column 3 takes typed input while the editor is open, and it reaches the record.
    const int m = g.form.Gun().Slots().RecordOf(3);
    FireMacroRecord expected{};
    {
        const auto was = FireMacroRecordOf(std::span<const uint8_t>(g.form.State().FireMacroWork), m);
        std::copy(was.begin(), was.end(), expected.begin());
        const auto r = std::span<uint8_t, fire_record::kSize>(expected);
        EditFireCount(r, LoadFireParameters(r, 3).positions, "42");
    }
    auto* count = g.form.control<QLineEdit>("Edt_FireCnt3");
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, "42");
    QCOMPARE(count->text(), QStringLiteral("42"));
    const auto record = FireMacroRecordOf(std::span<const uint8_t>(g.form.State().FireMacroWork), m);
    QVERIFY(std::equal(record.begin(), record.end(), expected.begin()));

    // A language change lays the page out anew (and shows the buttons page); the open editor
    // still leaves room.
    g.form.Language().Switch(2);
    g.ExpectColumnsInReach(3);
    g.form.Language().Switch(1);
    g.ExpectColumnsInReach(3);

    // Leaving the page closes the editor and gives every control its place back.
    SendClick(g.form.control("Btn_FireExit"));
    QVERIFY(!g.form.control("Gb_FireEditor")->isVisible());
    QVERIFY(placed == Geometries(g.form));
    QVERIFY(!g.form.control<QLabel>("lbl_Fire_Marco_Stop_Release")->wordWrap());
    QVERIFY(g.messages.isEmpty());
}

void GunPageLayoutFormTest::recordListShowsAllTenRecords()
{
    LayoutForm g;
    g.OpenEditor();
    auto* names = g.form.control<QListWidget>("LB_FireMacroName");
    QCOMPARE(names->count(), kFireMacroCount);
    QVERIFY(!names->verticalScrollBar()->isVisible());
    for (int row = 0; row < names->count(); ++row)
        QVERIFY(names->viewport()->rect().contains(names->visualItemRect(names->item(row))));
    // The editor's parts stay inside its card and clear of Confirm and Cancel.
    const QRect card = g.form.control("Gb_FireEditor")->geometry();
    for (const char* part : {"LB_FireMacroName", "LB_FireMacro", "Btn_FireStart", "GB_FireDelay"})
        QVERIFY2(card.contains(g.form.control(part)->geometry()), part);
    for (const char* button : {"Btn_FireConfirm", "Btn_FireExit"})
        QVERIFY2(!card.intersects(g.form.control(button)->geometry()), button);
}

void GunPageLayoutFormTest::editsOfStepsARecordLacksTakeNoInput()
{
    LayoutForm g;
    // Gun 2's record emptied, as in the shipped image; gun 3's keeps its loop, move and wait.
    const int empty = GunColumnRecord(2, 1);
    auto record = FireMacroRecordOf(std::span<uint8_t>(g.form.State().FireMacroWork), empty);
    std::fill(record.begin(), record.end(), uint8_t{0});
    const FireMacroWork before = g.form.State().FireMacroWork;

    SendClick(g.form.control("Btn_Fire2"));
    for (const char* name : {"Edt_FireCnt1", "Edt_FireY1", "Edt_FireTime1"}) {
        auto* edit = g.form.control<QLineEdit>(name);
        QVERIFY2(!edit->isEnabled(), name);
        QCOMPARE(edit->toolTip(), g.form.State().Text(950));
        QTest::keyClicks(edit, "9");
        QCOMPARE(edit->text(), QStringLiteral("0"));
    }
    QVERIFY(before == g.form.State().FireMacroWork);

    SendClick(g.form.control("Btn_Fire3"));
    for (const char* name : {"Edt_FireCnt1", "Edt_FireY1", "Edt_FireTime1"}) {
        QVERIFY2(g.form.control(name)->isEnabled(), name);
        QVERIFY(g.form.control(name)->toolTip().isEmpty());
    }
    QVERIFY(g.messages.isEmpty());
}

QTEST_MAIN(GunPageLayoutFormTest)
#include "GunPageLayoutFormTest.moc"
