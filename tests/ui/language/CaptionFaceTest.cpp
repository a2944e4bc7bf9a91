// SPDX-License-Identifier: GPL-2.0-or-later
// The faces the captions are set in: the English captions in Calibri or its metric twin
// Carlito, the Chinese ones in the face the Chinese language file names, and a face that falls
// back to anything else told once on the log.

#include <QLabel>
#include <QFontInfo>
#include <QTest>

#include "support/BareForm.h"
#include "ui/language/FaceCheck.h"
#include "ui/language/LanguageSwitch.h"

using namespace tarq;

namespace {

QStringList g_logged;

void Collect(QtMsgType, const QMessageLogContext&, const QString& text)
{
    g_logged << text;
}

// Collects the log from construction to destruction.
struct LogCapture {
    QtMessageHandler previous = qInstallMessageHandler(Collect);
    LogCapture() { g_logged.clear(); }
    ~LogCapture() { qInstallMessageHandler(previous); }
    QStringList Notices() const { return g_logged.filter(QStringLiteral("is not installed")); }
};

// Captions of the frame, a page, the button list and the long-press options.
constexpr const char* kCaptions[] = {"Btn_Main_1", "Btn_Apply_1", "Key1", "IB_ComboKey1"};

} // namespace

class CaptionFaceTest : public QObject {
    Q_OBJECT
private slots:
    // The machine set up by scripts/setup.sh has Carlito; fontconfig maps Calibri to it.
    void captionsAreSetInTheFacesTheLayoutsWereDrawnFor()
    {
        const LogCapture log;
        testing::BareForm form;
        struct Expect {
            int language;
            QString named;
            QStringList accepted;
        };
        const Expect expects[] = {
            {1, QStringLiteral("Calibri"), {QStringLiteral("Calibri"), QStringLiteral("Carlito")}},
            {2, QStringLiteral("WenQuanYi Micro Hei"), {QStringLiteral("WenQuanYi Micro Hei")}},
        };
        for (const Expect& e : expects) {
            QVERIFY(form.Language().Switch(e.language));
            QCOMPARE(form.State().FontName, e.named);
            for (const char* name : kCaptions) {
                auto* label = form.control<QLabel>(name);
                QVERIFY2(label, name);
                QCOMPARE(label->font().family(), e.named);
                const QString used = QFontInfo(label->font()).family();
                QVERIFY2(e.accepted.contains(used), qPrintable(QStringLiteral("%1 is set in %2").arg(name, used)));
            }
        }
        QVERIFY2(log.Notices().isEmpty(), qPrintable(log.Notices().join('\n')));
        QVERIFY(form.State().MissingFacesTold.isEmpty());
    }

    void aMissingFaceIsToldOnce()
    {
        const LogCapture log;
        QSet<QString> told;
        const QString missing = QStringLiteral("Tarq Face That Is Nowhere");
        QVERIFY(TellMissingFace(missing, told));
        QVERIFY(!TellMissingFace(missing, told));   // a language switch back and forth
        QVERIFY(!TellMissingFace(QStringLiteral("DejaVu Sans"), told));   // installed: nothing to tell
        QVERIFY(!TellMissingFace(QString(), told));
        QCOMPARE(log.Notices().size(), 1);
        const QString notice = log.Notices().first();
        QVERIFY2(notice.startsWith(QStringLiteral("tarq362a: ")), qPrintable(notice));
        QVERIFY2(notice.contains(missing) && notice.contains(FaceInUse(missing)), qPrintable(notice));
    }
};

QTEST_MAIN(CaptionFaceTest)
#include "CaptionFaceTest.moc"
