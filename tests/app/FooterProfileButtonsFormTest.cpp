// SPDX-License-Identifier: GPL-2.0-or-later
// Read, Save Profile and Load Profile in the footer band of every user page, in both languages,
// on the real main form with the emulated mouse: where a person sees them, and what their clicks
// do to the mouse and to the profile file.

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "app/Main.h"
#include "device/ui/DeviceCommands.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

using namespace tarq;
using tarq::testing::PromptsOf;

namespace {

using tarq::testing::Click;

constexpr int kFooterBand = 72;   // the band under the rule at the window's bottom

QByteArray Bytes(std::span<const uint8_t> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

struct FooterForm {
    FooterForm()
    {
        form.ShowStandardMessage = [this](const QString& text) { messages << text; };
        form.ShowDialogMessage = [this](const QString& text) { messages << text; };
        PromptsOf(form).confirm = [this](const QString& text) {
            messages << text;
            return true;
        };
        form.State().DataFolder = dir.path() + QLatin1Char('/');
        form.Commands().DevTimerTimer();
        form.State().NoDeviceView = false;
        form.show();
        form.Nav().ChangeView(View::Office);
    }

    // Where a control sits in the window.
    QRect InWindow(const char* name, int page)
    {
        QWidget* w = form.control(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(page));
        return w ? QRect(w->mapTo(&form, QPoint(0, 0)), w->size()) : QRect();
    }

    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    QTemporaryDir dir;
    QStringList messages;
};

} // namespace

class FooterProfileButtonsFormTest : public QObject {
    Q_OBJECT
private slots:
    void shownInTheFooterOfEveryUserPage();
    void saveLoadAndReadWorkFromTheFooter();
};

void FooterProfileButtonsFormTest::shownInTheFooterOfEveryUserPage()
{
    FooterForm f;
    const char* const pageButtons[] = {"Btn_Main_", "Btn_Adv_", "Btn_Breath_", "Btn_Macro_"};
    for (const char* language : {"Btn_Lang2_", "Btn_Lang1_"}) {
        Click(f.form.control(QStringLiteral("%1%2").arg(QLatin1String(language)).arg(1)));
        for (int page = 1; page <= 4; ++page) {
            Click(f.form.control(QStringLiteral("%1%2").arg(QLatin1String(pageButtons[page - 1])).arg(page == 1 ? 1 : page - 1)));
            QVERIFY2(f.form.control(QStringLiteral("gbPage%1").arg(page))->isVisible(), qPrintable(QString::number(page)));
            const QRect footerText = f.InWindow("lbl_Footer_", page);
            QRect previous = footerText;
            for (const char* button : {"Btn_Read_", "Btn_Save_", "Btn_Load_", "Btn_Confirm1_", "Btn_Apply_"}) {
                const QString what = QStringLiteral("%1%2 in language %3").arg(QLatin1String(button)).arg(page).arg(f.form.State().LanguageIndex);
                auto* label = f.form.control<TSkinLabel>(QStringLiteral("%1%2").arg(QLatin1String(button)).arg(page));
                QVERIFY2(label && label->isVisible(), qPrintable(what));
                QVERIFY2(!label->text().isEmpty(), qPrintable(what));
                const QRect at = f.InWindow(button, page);
                // Inside the window, in the footer band under the pages' cards, right of what
                // comes before (the footer text first).
                QVERIFY2(f.form.rect().contains(at), qPrintable(what));
                QVERIFY2(at.top() >= f.form.height() - kFooterBand, qPrintable(what));
                QVERIFY2(at.left() > previous.right(), qPrintable(what));
                previous = at;
            }
        }
        Click(f.form.control("Btn_Main_4"));
    }
    QVERIFY(f.messages.isEmpty());
}

void FooterProfileButtonsFormTest::saveLoadAndReadWorkFromTheFooter()
{
    FooterForm f;
    Click(f.form.control("Btn_Adv_1"));
    const QString saved = f.dir.filePath("mine");
    PromptsOf(f.form).file = [&](UserPrompts::FileUse) { return saved; };
    Click(f.form.control("Btn_Save_2"));
    // Saving reads the mouse first, and a read shows the button page again.
    QVERIFY(f.form.control("gbPage1")->isVisible());
    QFile file(saved + ".bin");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray profile = file.readAll();
    QCOMPARE(profile, Bytes(f.device.mouse->memory()));

    // The mouse changes; Load puts the saved profile back into it and on the pages.
    f.device.mouse->memory()[0x10] ^= 0x01;
    PromptsOf(f.form).file = [&](UserPrompts::FileUse) { return saved + ".bin"; };
    Click(f.form.control("Btn_Load_1"));
    QCOMPARE(Bytes(f.device.mouse->memory()), profile);
    QCOMPARE(Bytes(f.form.State().DeviceImage), profile);

    // Read takes what the mouse holds again.
    f.device.mouse->memory()[0x10] ^= 0x01;
    const QByteArray changed = Bytes(f.device.mouse->memory());
    Click(f.form.control("Btn_Read_1"));
    QCOMPARE(Bytes(f.form.State().DeviceImage), changed);
}

QTEST_MAIN(FooterProfileButtonsFormTest)
#include "FooterProfileButtonsFormTest.moc"
