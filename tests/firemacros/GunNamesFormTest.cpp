// The gun page's gun names come from the language file: switching the language on the form
// renames every gun button, the two that differ between the languages included.

#include <QTemporaryDir>
#include <QTest>

#include "app/Main.h"
#include "ui/SkinLabel.h"
#include "support/FormWithMouse.h"

using namespace tarq;

namespace {

void Click(QWidget* w)
{
    QVERIFY2(w, "control missing");
    QVERIFY2(w->isVisible(), qPrintable(w->objectName() + " is not visible"));
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace

class GunNamesFormTest : public QObject {
    Q_OBJECT
private slots:
    void gunNamesFollowTheLanguage();
};

void GunNamesFormTest::gunNamesFollowTheLanguage()
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

QTEST_MAIN(GunNamesFormTest)
#include "GunNamesFormTest.moc"
