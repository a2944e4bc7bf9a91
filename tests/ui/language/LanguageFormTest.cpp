// SPDX-License-Identifier: GPL-2.0-or-later
// The language buttons on the real main form: button labels, text fields, title, and captions
// that fit their controls in every language the program carries.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/Main.h"
#include "support/BareForm.h"
#include "ui/language/LanguageSwitch.h"
#include "app/PageRenderer.h"
#include "ui/SkinLabel.h"
#include "ui/language/LanguageApply.h"
#include "ui/pages/Pages.h"

using namespace tarq;

namespace {

QString Caption(TForm1& form, const char* name)
{
    auto* label = form.control<QLabel>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

// Shown when its page is shown: neither it nor a parent below the page is hidden, and it lies
// inside the window (the layout parks controls a model lacks far outside).
bool ShownOnItsPage(QWidget* w, const TForm1& form)
{
    const QRect inWindow(w->mapTo(&form, QPoint(0, 0)), w->size());
    if (!QRect(QPoint(0, 0), QSize(form.State().SkinWidth, form.State().SkinHeight)).intersects(inWindow))
        return false;
    for (QWidget* p = w; p && p != &form; p = p->parentWidget()) {
        if (p->isHidden() && !p->objectName().startsWith("gbPage"))
            return false;
    }
    return true;
}

// Captions wider than their control on the skinned pages (1-5) and the menus.
QStringList CutCaptions(TForm1& form, int* checked)
{
    QStringList cut;
    *checked = 0;
    for (QLabel* label : form.findChildren<QLabel*>()) {
        const QString text = label->text();
        if (text.isEmpty() || label->wordWrap() || !label->pixmap().isNull()
            || label->textFormat() == Qt::RichText || !ShownOnItsPage(label, form))
            continue;
        QWidget* page = label;
        while (page && !page->objectName().startsWith("gbPage"))
            page = page->parentWidget();
        if (page && page->objectName() == "gbPage6")
            continue;   // the engineer page follows the locale, not the language
        ++*checked;
        const int needed = QFontMetrics(label->font()).horizontalAdvance(text);
        const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
        if (needed > room)
            cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(label->objectName(), text)
                       .arg(needed).arg(room);
    }
    return cut;
}

// Shown on the engineer page: nothing between it and the page is hidden, except the tab
// pages, of which only the current one is shown at a time.
bool ShownOnEngineerPage(QWidget* w, QWidget* page)
{
    for (QWidget* p = w; p && p != page; p = p->parentWidget()) {
        if (p->isHidden() && !qobject_cast<QStackedWidget*>(p->parentWidget()))
            return false;
    }
    return true;
}

// Captions of the engineer page wider than the room their control gives the text.
QStringList CutEngineerCaptions(QWidget* page, int* checked)
{
    QStringList cut;
    *checked = 0;
    auto check = [&](QWidget* w, const QString& text, int room) {
        if (text.isEmpty() || !ShownOnEngineerPage(w, page))
            return;
        ++*checked;
        const int needed = QFontMetrics(w->font()).horizontalAdvance(text);
        if (needed > room)
            cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(w->objectName(), text)
                       .arg(needed).arg(room);
    };
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->pixmap().isNull())
            check(label, label->text(), label->contentsRect().width());
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        // The text area the style draws in: inside a push button's frame, or beside the mark of
        // a radio button or check box.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<QRadioButton*>(button))
            contents = QStyle::SE_RadioButtonContents;
        else if (qobject_cast<QCheckBox*>(button))
            contents = QStyle::SE_CheckBoxContents;
        check(button, button->text(), button->style()->subElementRect(contents, &option, button).width());
    }
    for (QGroupBox* group : page->findChildren<QGroupBox*>())
        check(group, group->title(), group->width());
    return cut;
}

// The caption of the message box that `show` opens, read off the open box, which is then closed
// as a person would with its button.
QString CaptionOfMessage(const std::function<void()>& show)
{
    QString caption = QStringLiteral("<no message box>");
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        }
    });
    poll.start();
    show();
    return caption;
}

} // namespace

class LanguageFormTest : public QObject {
    Q_OBJECT
private slots:
    void keyLabelsAndTextFieldsFollowTheLanguage()
    {
        tarq::testing::BareForm form;
        QCOMPARE(form.State().LanguageIndex, 1);
        form.control<QLabel>("Key3")->setText("Left Click");
        form.control<QLabel>("Key4")->setText("Stop");
        form.control<QLabel>("Key5")->setText("Recoil Macro");

        form.Language().Btn_Lang2_0Click();
        QCOMPARE(form.State().LanguageIndex, 2);
        QCOMPARE(Caption(form, "Key3"), "左键");
        QCOMPARE(Caption(form, "Key4"), form.State().Text(401));
        QCOMPARE(Caption(form, "Key5"), "Recoil Macro");
        QCOMPARE(Caption(form, "Btn_Apply_2"), "应用");
        QCOMPARE(form.State().Text(20), "正在查找指定设备");
        QCOMPARE(form.State().Title, "USB 游戏鼠标");
        QCOMPARE(form.State().FontName, "WenQuanYi Micro Hei");
        QVERIFY(form.control<QRadioButton>("rb_Lang2")->isChecked());
        QCOMPARE(form.control<TSkinLabel>("Img_Lang2_3")->picture(), "SetS_03");
        QCOMPARE(form.control<TSkinLabel>("Img_Lang1_3")->picture(), "SetS_01");
        // The engineer page keeps the captions of the system's locale.
        QCOMPARE(form.control<QAbstractButton>("Btn_Main_6")->text(),
                 ToQString(EngineerCaptions(SystemLocaleId()).CaptionText(0)));

        form.Language().Btn_Lang1_0Click();
        QCOMPARE(form.State().LanguageIndex, 1);
        QCOMPARE(Caption(form, "Key3"), "Left Click");
        QCOMPARE(Caption(form, "Key4"), "Stop");
        QCOMPARE(Caption(form, "Key5"), "Recoil Macro");
        QCOMPARE(form.State().Text(401), "Stop");
        QCOMPARE(form.State().Title, "USB Gaming Mouse");
        QVERIFY(form.control<QRadioButton>("rb_Lang1")->isChecked());
    }

    // The program's message dialog carries the current language's title as its caption.
    void messageDialogIsCaptionedWithTheLanguageTitle()
    {
        tarq::testing::BareForm form;
        form.UseOwnMessageBoxes();
        const auto dialog = [&] { form.ShowDialogMessage(form.State().Text(109)); };
        QCOMPARE(CaptionOfMessage(dialog), "USB Gaming Mouse");
        form.Language().Btn_Lang2_0Click();
        QCOMPARE(CaptionOfMessage(dialog), "USB 游戏鼠标");
        form.Language().Btn_Lang1_0Click();
        QCOMPARE(CaptionOfMessage(dialog), "USB Gaming Mouse");
        // The plain message box has no caption of its own.
        QCOMPARE(CaptionOfMessage([&] { form.ShowStandardMessage(form.State().Text(20)); }), QString());
    }

    // The frame, page and language buttons look the same on pages 1-4, in every language.
    void frameCaptionsAreAlikeOnAllFourPages_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= kLanguageCount; ++language) {
            if (LanguageShipped(language))
                QTest::addRow("language %d", language) << language;
        }
    }

    void frameCaptionsAreAlikeOnAllFourPages()
    {
        QFETCH(int, language);
        tarq::testing::BareForm form;
        if (language != 1)
            QTest::mouseClick(form.control(QStringLiteral("Btn_Lang%1_1").arg(language)), Qt::LeftButton);
        QCOMPARE(form.State().LanguageIndex, language);
        QStringList differing;
        for (int b = 0; b < pages::kFrameButtonCount; ++b) {
            const QString name = QStringLiteral("Btn_") + QLatin1String(pages::kFrameButtons[b]);
            const QLabel* first = form.control<QLabel>(name + '1');
            QVERIFY2(first, qPrintable(name + '1'));
            for (int copy = 2; copy <= 4; ++copy) {
                const QLabel* other = form.control<QLabel>(name + QString::number(copy));
                QVERIFY2(other, qPrintable(name + QString::number(copy)));
                if (other->font() != first->font()
                    || other->palette().color(QPalette::WindowText) != first->palette().color(QPalette::WindowText))
                    differing << QStringLiteral("%1%2: %3 pt %4, copy 1: %5 pt %6")
                                     .arg(name).arg(copy)
                                     .arg(other->font().pointSize()).arg(other->palette().color(QPalette::WindowText).name())
                                     .arg(first->font().pointSize()).arg(first->palette().color(QPalette::WindowText).name());
            }
        }
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join('\n')));
    }

    void insertListKeepsItsItem()
    {
        tarq::testing::BareForm form;
        auto* insert = form.control<QComboBox>("CB_Insert");
        QVERIFY(insert);
        insert->setCurrentIndex(5);
        form.Language().Btn_Lang2_0Click();
        QCOMPARE(insert->currentIndex(), 5);
        QCOMPARE(insert->currentText(), "插入循环结束");
    }

    void languageNotCarriedLeavesTheWindowAsItWas()
    {
        tarq::testing::BareForm form;
        form.Language().Btn_Lang3_0Click();
        QCOMPARE(form.State().LanguageIndex, 1);
        QCOMPARE(Caption(form, "Btn_Apply_1"), "Apply");
        QVERIFY(form.control<QRadioButton>("rb_Lang1")->isChecked());
    }

    // Every caption of the skinned pages fits its control in each shipped language. With
    // TARQ_RENDER_DIR set, the pages of each language are also saved there to be looked at.
    void captionsFitInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= kLanguageCount; ++language) {
            if (LanguageShipped(language))
                QTest::addRow("language %d", language) << language;
        }
    }

    void captionsFitInEveryLanguage()
    {
        QFETCH(int, language);
        tarq::testing::BareForm form;
        QStringList messages;
        form.ShowDialogMessage = [&](const QString& text) { messages << text; };
        form.ShowStandardMessage = form.ShowDialogMessage;
        if (language == 2)
            form.Language().Btn_Lang2_0Click();
        else if (language == 3)
            form.Language().Btn_Lang3_0Click();
        QCOMPARE(form.State().LanguageIndex, language);

        const QString folder = qEnvironmentVariable("TARQ_RENDER_DIR");
        if (!folder.isEmpty()) {
            QString error;
            RenderPages(form, QDir(folder).filePath(QStringLiteral("lang%1").arg(language)), &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
        for (const QString& message : messages)
            qInfo("%s", qPrintable(message));
        int checked = 0;
        const QStringList cut = CutCaptions(form, &checked);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        QVERIFY2(checked > 100, qPrintable(QString::number(checked)));
    }
    void engineerCaptionsFitInBothColumns_data()
    {
        QTest::addColumn<uint>("locale");
        QTest::newRow("English") << 1033u;
        QTest::newRow("Chinese (China)") << uint(kLocaleChineseChina);
    }

    void engineerCaptionsFitInBothColumns()
    {
        QFETCH(uint, locale);
        tarq::testing::BareForm form;
        const EngineerCaptions captions(locale);
        ApplyEngineerCaptions(&form, captions);
        QCOMPARE(form.control<QAbstractButton>("Btn_Main_6")->text(), ToQString(captions.CaptionText(0)));

        const QString folder = qEnvironmentVariable("TARQ_RENDER_DIR");
        if (!folder.isEmpty()) {
            QString error;
            RenderPages(form, QDir(folder).filePath(QStringLiteral("engineer%1").arg(locale)), &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
        int checked = 0;
        const QStringList cut = CutEngineerCaptions(form.control("gbPage6"), &checked);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        QVERIFY2(checked > 100, qPrintable(QString::number(checked)));
    }
};

QTEST_MAIN(LanguageFormTest)
#include "LanguageFormTest.moc"
