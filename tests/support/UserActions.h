// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a person does to the window, for the widget tests: a left click on a control, a click or
// a right-click on a list row, and the answer to a modal dialog or message box that a step
// opens. Each checks first that a person could do it (the control exists and is shown, the row
// exists, a dialog is open) and fails the running test when not.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tarq::testing {

// A left click at the centre of a shown control: a button, an edit, a skinned picture or label.
inline void Click(QWidget* w)
{
    QVERIFY2(w, "control missing");
    QVERIFY2(w->isVisible(), qPrintable(w->objectName() + " is not visible"));
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// The same click on a control of a window or pop-up the test has not shown: what the
// control's handlers see of a click, for tests that drive a form they never show.
inline void SendClick(QWidget* w)
{
    QVERIFY2(w, "control missing");
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A left click on a list row, scrolled into view first.
inline void ClickRow(QListWidget* list, int row)
{
    QVERIFY2(list, "list missing");
    QVERIFY2(row >= 0 && row < list->count(), qPrintable(QStringLiteral("%1 has no row %2").arg(list->objectName()).arg(row)));
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// A right press and release on a list row; a row past the last one clicks the empty space
// under the rows.
inline void RightClickRow(QListWidget* list, int row)
{
    QVERIFY2(list, "list missing");
    const QPoint at = row < list->count() ? list->visualItemRect(list->item(row)).center()
                                          : QPoint(10, list->viewport()->height() - 4);
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, at);
}

// Answers the modal dialog the next step opens: `answer` runs on it from a single-shot timer,
// once the step's own event loop runs. Call it before the step. The dialog must be a `D`.
template <class D = QWidget>
void WhenDialogOpens(std::function<void(D*)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "the dialog is not open");
        answer(dialog);
    });
}

// The button of a shown dialog with this text or object name: a push button, or a skinned
// label that takes the click.
inline QWidget* ButtonOf(QWidget* dialog, const QString& button)
{
    for (auto* w : dialog->findChildren<QAbstractButton*>())
        if (w->isVisible() && (w->text() == button || w->objectName() == button))
            return w;
    for (auto* w : dialog->findChildren<QLabel*>())
        if (w->isVisible() && (w->text() == button || w->objectName() == button))
            return w;
    return nullptr;
}

// Answers the modal dialog or message box the next step opens by pressing its button with
// this text or object name, or with Escape when `button` is empty.
inline void AnswerDialog(const QString& button = {})
{
    WhenDialogOpens<QWidget>([button](QWidget* dialog) {
        if (button.isEmpty()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        QWidget* target = ButtonOf(dialog, button);
        QVERIFY2(target, qPrintable("no button " + button));
        Click(target);
    });
}

} // namespace tarq::testing
