// SPDX-License-Identifier: GPL-2.0-or-later
// The window's footer and the loading screen's caption are texts of the language files: they
// follow the language buttons, and the background picture carries no text of its own there.

#include <QImage>
#include <QLabel>
#include <QTest>

#include "app/FormLoading.h"
#include "app/Main.h"
#include "support/BareForm.h"
#include "ui/language/LanguageSwitch.h"

using namespace tarq;

class FooterAndLoadingTextTest : public QObject {
    Q_OBJECT
private slots:
    void footerAndLoadingCaptionFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("footer");
        QTest::addColumn<QString>("loading");
        QTest::newRow("English") << 1 << QStringLiteral("TARQ362A Gaming Mouse utility") << QStringLiteral("Loading...");
        QTest::newRow("Chinese") << 2 << QStringLiteral("TARQ362A 游戏鼠标设置工具") << QStringLiteral("加载中...");
    }

    void footerAndLoadingCaptionFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, footer);
        QFETCH(QString, loading);
        tarq::testing::BareForm form;
        // No mouse on the empty bus: the device check's message is collected, not waited for.
        QStringList messages;
        form.ShowDialogMessage = [&](const QString& text) { messages << text; };
        form.ShowStandardMessage = [&](const QString& text) { messages << text; };
        form.CreateLoadingScreen();
        // Switch away first, so a text that only the start-up set would show as wrong.
        if (language == 1) {
            form.Language().Btn_Lang2_0Click();
            form.Language().Btn_Lang1_0Click();
        } else {
            form.Language().Btn_Lang2_0Click();
        }
        QCOMPARE(form.State().LanguageIndex, language);
        for (int page = 1; page <= 5; ++page) {
            auto* label = form.control<QLabel>(QStringLiteral("lbl_Footer_%1").arg(page));
            QVERIFY(label);
            QCOMPARE(label->text(), footer);
        }
        form.ShowLoadingScreen();
        QCOMPARE(form.LoadingScreen()->Caption(), loading);
        form.HideLoadingScreen();
    }

    // The footer band of the background is plain: every row one colour (the body's gradient
    // runs top to bottom), so no text is drawn into the picture under the footer label.
    void backgroundHasNoFooterText()
    {
        const QImage background(QStringLiteral(":/skin/L1_BackGround.png"));
        QVERIFY(!background.isNull());
        for (int y = 592; y < background.height() - 20; ++y) {
            const QRgb first = background.pixel(20, y);
            for (int x = 20; x < 600; ++x)
                QVERIFY2(background.pixel(x, y) == first, qPrintable(QStringLiteral("mark at %1,%2").arg(x).arg(y)));
        }
    }
};

QTEST_MAIN(FooterAndLoadingTextTest)
#include "FooterAndLoadingTextTest.moc"
