// SPDX-License-Identifier: GPL-2.0-or-later
// What the macro page shows in its states, on the real form: the macro list's context panel
// greys the entries that need a selected macro when none is, the insert panel locks the macro
// list and the list shows it, and the insert panel carries a title like the page's other cards;
// its title and the recording note speak both languages.

#include <QComboBox>
#include <QEnterEvent>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/Main.h"
#include <QApplication>

#include "macros/MacroBody.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/Unit3.h"
#include "ui/language/LanguageSwitch.h"
#include "support/MacroPageForm.h"
#include "support/UserActions.h"
#include "ui/SkinLabel.h"

using namespace tarq;

namespace {

using tarq::testing::Click;

// The lightest pixel of a control as drawn: text shows as the lightest part of a dark page.
int Lightest(QWidget* w)
{
    const QImage image = w->grab().toImage();
    int lightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lightest = std::max(lightest, QColor(image.pixel(x, y)).lightness());
    return lightest;
}

struct MacroPage : testing::MacroPageForm {
    // The colour the list paints at the left edge of a row.
    QColor RowBackground(int row)
    {
        QListWidget* l = List("LB_PCMacroName");
        const QRect rect = l->visualItemRect(l->item(row));
        return QColor(l->viewport()->grab().toImage().pixel(rect.left() + 1, rect.center().y()));
    }
};

const MacroScript kTap = {"00", "1 A CODE:8204", "0 24", "2 A CODE:0204"};

} // namespace

class MacroPageStatesFormTest : public QObject {
    Q_OBJECT
private slots:
    void listEntriesNeedASelectedMacro();
    void insertPanelLocksTheListVisibly();
    void panelTextsInBothLanguages();
};

void MacroPageStatesFormTest::listEntriesNeedASelectedMacro()
{
    MacroPage p;
    p.MakeMacro("One", kTap);
    p.MakeMacro("Two", kTap);
    const QStringList needSelection = {"Btn_NewName", "Btn_DelPCMacro", "Btn_ExportOne"};
    const QStringList always = {"Btn_NewMacro", "Btn_ImportOne", "Btn_Import", "Btn_Export"};

    // Below the rows: nothing is selected, so the entries for one macro are greyed and a click
    // on them does nothing; the others stay usable.
    p.RightClick("LB_PCMacroName", 99);
    QVERIFY(p.form->control("Pnl_PCMacro")->isVisible());
    QCOMPARE(p.List("LB_PCMacroName")->currentRow(), -1);
    for (const QString& entry : needSelection)
        QVERIFY2(!p.form->control(entry)->isEnabled(), qPrintable(entry));
    for (const QString& entry : always)
        QVERIFY2(p.form->control(entry)->isEnabled(), qPrintable(entry));
    const int greyedLightest = Lightest(p.form->control("Btn_DelPCMacro"));
    QVERIFY(greyedLightest < Lightest(p.form->control("Btn_NewMacro")));
    // The pointer over a greyed entry does not light it up; over a usable one it does.
    const auto hover = [&p](const char* entry) {
        QWidget* w = p.form->control(entry);
        QEnterEvent enter(QPointF(w->rect().center()), QPointF(w->rect().center()),
                          QPointF(w->mapToGlobal(w->rect().center())));
        QApplication::sendEvent(w, &enter);
        const QRgb lit = w->grab().toImage().pixel(2, 2);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w, &leave);
        return lit;
    };
    const QRgb greyedBack = p.form->control("Btn_DelPCMacro")->grab().toImage().pixel(2, 2);
    QCOMPARE(hover("Btn_DelPCMacro"), greyedBack);
    QVERIFY(Lightest(p.form->control("Btn_DelPCMacro")) < Lightest(p.form->control("Btn_NewMacro")));
    QVERIFY(hover("Btn_NewMacro") != greyedBack);
    Click(p.form->control("Btn_DelPCMacro"));
    QCOMPARE(p.List("LB_PCMacroName")->count(), 2);

    // On a row the entries act on that macro again.
    p.RightClick("LB_PCMacroName", 1);
    for (const QString& entry : needSelection)
        QVERIFY2(p.form->control(entry)->isEnabled(), qPrintable(entry));
    // As light as a usable entry: two captions' lightest smoothed pixels differ by a few levels
    // with the face, far less than the grey differs from the usable colour.
    const int usableLightest = Lightest(p.form->control("Btn_DelPCMacro"));
    QVERIFY2(usableLightest > greyedLightest + 40, qPrintable(QString::number(usableLightest)));
    QVERIFY2(qAbs(usableLightest - Lightest(p.form->control("Btn_NewMacro"))) <= 8, qPrintable(QString::number(usableLightest)));
    Click(p.form->control("Btn_DelPCMacro"));
    QCOMPARE(p.List("LB_PCMacroName")->count(), 1);
    QCOMPARE(p.List("LB_PCMacroName")->item(0)->text(), QStringLiteral("One"));
    QVERIFY(!p.form->control("Pnl_PCMacro")->isVisible());
}

void MacroPageStatesFormTest::insertPanelLocksTheListVisibly()
{
    MacroPage p;
    p.MakeMacro("One", kTap);
    p.MakeMacro("Two", kTap);
    QListWidget* names = p.List("LB_PCMacroName");
    const QColor selected = p.RowBackground(1);
    const int textAtRest = Lightest(names->viewport());

    p.RightClick("LB_macro", 0);
    Click(p.form->control("Btn_Insert"));
    QVERIFY(p.form->control("Gb_Insert")->isVisible());
    QVERIFY(!names->isEnabled());
    // The selection still shows which macro is edited, but faded, and the names are greyed.
    const QColor locked = p.RowBackground(1);
    QCOMPARE(names->currentRow(), 1);
    QVERIFY(locked != selected);
    QVERIFY(locked.lightness() < selected.lightness());
    QVERIFY(locked != p.RowBackground(0));
    QVERIFY(Lightest(names->viewport()) < textAtRest);
    for (const char* button : {"Btn_New", "Btn_Start"}) {
        QVERIFY2(!p.form->control(button)->isEnabled(), button);
        QCOMPARE(p.form->control(button)->palette().color(QPalette::Disabled, QPalette::WindowText),
                 QColor(114, 113, 113));
    }

    Click(p.form->control("Btn_Cancel"));
    QVERIFY(names->isEnabled());
    QCOMPARE(p.RowBackground(1), selected);
    QCOMPARE(Lightest(names->viewport()), textAtRest);
}

void MacroPageStatesFormTest::panelTextsInBothLanguages()
{
    MacroPage p;
    p.MakeMacro("One", kTap);
    auto windowPos = [&p](const char* name) {
        QWidget* w = p.form->control(name);
        return w->mapTo(p.form, QPoint(0, 0));
    };
    const struct {
        int language;
        QString title;
        QString recordingScope;
    } cases[] = {
        {1, QStringLiteral("Insert"),
         QStringLiteral("Recording sees only this window: keys and clicks in other programs are not recorded.")},
        {2, QStringLiteral("插入"), QStringLiteral("录制只能捕获本窗口：其他程序中的按键和点击不会被录制。")},
    };
    for (const auto& c : cases) {
        p.form->Language().Switch(c.language);
        QCOMPARE(p.form->control<TSkinLabel>("lbl_RecordScope")->text(), c.recordingScope);
        p.RightClick("LB_macro", 0);
        Click(p.form->control("Btn_Insert"));
        auto* title = p.form->control<TSkinLabel>("lbl_Insert_Title");
        QVERIFY(title->isVisible());
        QCOMPARE(title->text(), c.title);
        // On the row of the other cards' titles, in their font and colour, and inside the panel.
        QCOMPARE(windowPos("lbl_Insert_Title").y(), windowPos("lbl_Marco_List").y());
        QCOMPARE(title->font(), p.form->control("lbl_Marco_List")->font());
        QCOMPARE(title->palette().color(QPalette::WindowText),
                 p.form->control("lbl_Marco_List")->palette().color(QPalette::WindowText));
        QVERIFY(p.form->control("Gb_Insert")->rect().contains(title->geometry()));
        QVERIFY(title->fontMetrics().horizontalAdvance(title->text()) <= title->width());
        QVERIFY(p.form->control("Img_InsertTitleMark")->isVisible());
        // Each item's field caption starts at the item list's left edge and is not cut.
        auto* combo = p.form->control<QComboBox>("CB_Insert");
        for (int item : {0, 4, 6, 8}) {
            combo->setCurrentIndex(item);
            emit combo->activated(item);
            int shown = 0;
            for (const char* name : {"lbl_Delay", "lbl_Repeat", "lbl_XAxisValue", "lbl_YAxisValue"}) {
                auto* caption = p.form->control<TSkinLabel>(name);
                if (!caption->isVisible())
                    continue;
                ++shown;
                QCOMPARE(caption->x(), combo->x());
                QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width(), name);
            }
            QCOMPARE(shown, 1);
        }
        Click(p.form->control("Btn_Cancel"));
        QVERIFY(!title->isVisible());
    }
}

QTEST_MAIN(MacroPageStatesFormTest)
#include "MacroPageStatesFormTest.moc"
