// SPDX-License-Identifier: GPL-2.0-or-later
// The gun page as a new user meets it with the default images, on the real main form with the
// emulated mouse: every fire macro is empty, so the page offers the basic pattern and a visible
// way to the fire macro editor; the editor follows an import of the fire macro area; Confirm
// says why the fire data did not reach the mouse.

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/Main.h"
#include "device/ui/DeviceCommands.h"
#include "firemacros/BasicFirePattern.h"
#include "firemacros/FireMacro.h"
#include "firemacros/ui/FireMacroEditor.h"
#include "firemacros/ui/GunKeyListEditor.h"
#include "firemacros/GunForm.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

using namespace tarq;
using tarq::testing::PromptsOf;

namespace {

using tarq::testing::Click;
using tarq::testing::ClickRow;


// The gun page's form whose mouse memory is the first default image: no fire macro holds
// anything.
struct DefaultGunForm : tarq::testing::GunForm {
    explicit DefaultGunForm(bool driverMode = false) : GunForm({}, false, driverMode) {}

    // Button k's function menu, then its Fire Macro entry.
    void OpenGunPageFor(int k)
    {
        GunForm::OpenGunPageFor(k);
        QVERIFY(form.control("gbPage5")->isVisible());
    }
    QLineEdit* Edit(const char* name) { return form.control<QLineEdit>(name); }
    FireMacroRecord Record(int m)
    {
        FireMacroRecord r{};
        const auto bytes = FireMacroRecordOf(std::span<const uint8_t>(form.State().FireMacroWork), m);
        std::copy(bytes.begin(), bytes.end(), r.begin());
        return r;
    }
    FireMacroRecord InMouse(int m)
    {
        FireMacroRecord r{};
        std::copy_n(device.mouse->memory().begin() + 0x500 + FireMacroOffset(m), r.size(), r.begin());
        return r;
    }
};

} // namespace

class GunPageWayInFormTest : public QObject {
    Q_OBJECT
private slots:
    void emptyFireMacroStartsFromTheBasicPattern();
    void everyEmptyColumnOfAGunIsStarted();
    void editorButtonOpensTheEditor();
    void editorShowsAnImportedFireMacro();
    void confirmSaysWhyNothingWasWritten_data();
    void confirmSaysWhyNothingWasWritten();
};

void GunPageWayInFormTest::emptyFireMacroStartsFromTheBasicPattern()
{
    DefaultGunForm f;
    f.OpenGunPageFor(4);
    QCOMPARE(f.Record(1), FireMacroRecord{});
    QVERIFY(!f.Edit("Edt_FireCnt1")->isEnabled());
    QVERIFY(f.form.control("lbl_FireEmpty")->isVisible());
    QCOMPARE(f.form.control<TSkinLabel>("Btn_FireBasic")->text(), f.form.State().Text(891));

    Click(f.form.control("Btn_FireBasic"));
    QCOMPARE(f.Record(1), BasicFireMacro());
    QVERIFY(!f.form.control("Btn_FireBasic")->isVisible());
    QVERIFY(!f.form.control("lbl_FireEmpty")->isVisible());
    for (const char* edit : {"Edt_FireCnt1", "Edt_FireY1", "Edt_FireTime1"})
        QVERIFY2(f.Edit(edit)->isEnabled(), edit);
    QCOMPARE(f.Edit("Edt_FireCnt1")->text(), QStringLiteral("30"));
    QCOMPARE(f.Edit("Edt_FireY1")->text(), QStringLiteral("4"));
    QCOMPARE(f.Edit("Edt_FireTime1")->text(), QStringLiteral("96"));

    // A person tunes it and confirms: the mouse gets the record byte for byte.
    f.Edit("Edt_FireCnt1")->selectAll();
    QTest::keyClicks(f.Edit("Edt_FireCnt1"), "12");
    FireMacroRecord tuned = BasicFireMacro({12, 4, 96, ReleaseMode::StopOnRelease});
    QCOMPARE(f.Record(1), tuned);
    Click(f.form.control("Btn_FireConfirm"));
    QCOMPARE(f.InMouse(1), tuned);
    QCOMPARE(f.device.mouse->memory()[0x80], uint8_t{0x0E});   // pointer kind: stops on release
    QVERIFY(f.messages.isEmpty());
}

void GunPageWayInFormTest::everyEmptyColumnOfAGunIsStarted()
{
    DefaultGunForm f;
    f.OpenGunPageFor(4);
    Click(f.form.control("Btn_Fire7"));
    QVERIFY(f.form.control("Btn_FireBasic")->isVisible());
    Click(f.form.control("Btn_FireBasic"));
    for (int m : {8, 9, 10})
        QCOMPARE(f.Record(m), BasicFireMacro());
    QCOMPARE(f.Record(1), FireMacroRecord{});   // other guns' fire macros stay as they were
    QCOMPARE(f.Edit("Edt_FireCnt3")->text(), QStringLiteral("30"));
    // A gun whose fire macro is not empty is not offered the pattern.
    Click(f.form.control("Btn_Fire1"));
    QVERIFY(f.form.control("Btn_FireBasic")->isVisible());
    Click(f.form.control("Btn_Fire7"));
    QVERIFY(!f.form.control("Btn_FireBasic")->isVisible());
}

void GunPageWayInFormTest::editorButtonOpensTheEditor()
{
    DefaultGunForm f;
    f.OpenGunPageFor(4);
    auto* button = f.form.control<TSkinLabel>("Btn_FireEditor");
    QCOMPARE(button->text(), f.form.State().Text(890));
    QVERIFY(!f.form.control("LB_FireMacroName")->isVisible());
    Click(button);
    QVERIFY(f.form.control("LB_FireMacroName")->isVisible());
    ClickRow(f.form.control<QListWidget>("LB_FireMacroName"), 0);
    QCOMPARE(f.form.control<QListWidget>("LB_FireMacro")->count(), 0);

    // The pattern started while the editor shows that fire macro: the editor shows it too.
    Click(f.form.control("Btn_FireBasic"));
    QCOMPARE(f.form.control<QListWidget>("LB_FireMacro")->count(), 6);
    QCOMPARE(f.form.FireMacros().Script(), BasicFireScript());

    // In the other language the button speaks it.
    Click(f.form.control("Btn_FireExit"));
    Click(f.form.control("Btn_Lang2_1"));
    f.OpenGunPageFor(4);
    QCOMPARE(button->text(), f.form.State().Text(890));
    QVERIFY(button->text() != QLatin1String("Fire Macro Editor"));
}

void GunPageWayInFormTest::editorShowsAnImportedFireMacro()
{
    DefaultGunForm f;
    f.form.Nav().ChangeView(View::Engineer);
    ClickRow(f.form.control<QListWidget>("LB_FireMacroName"), 0);
    QCOMPARE(f.form.control<QListWidget>("LB_FireMacro")->count(), 0);

    QByteArray file(256, '\0');
    const FireMacroRecord basic = BasicFireMacro();
    std::copy(basic.begin(), basic.end(), file.begin());
    const QString path = f.dir.filePath("area.bin");
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();
    PromptsOf(f.form).file = [path](UserPrompts::FileUse) { return path; };
    QTest::mouseClick(f.form.control<QPushButton>("Btn_ImportGunMacro"), Qt::LeftButton);
    QCOMPARE(f.Record(1), basic);
    QCOMPARE(f.form.control<QListWidget>("LB_FireMacro")->count(), 6);
    QCOMPARE(f.form.FireMacros().Script(), BasicFireScript());
}

void GunPageWayInFormTest::confirmSaysWhyNothingWasWritten_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("text");
    QTest::newRow("no answer") << "noAnswer" << 893;
    QTest::newRow("not ready") << "status" << 893;
    QTest::newRow("unplugged") << "unplugged" << 893;
    QTest::newRow("memory does not store") << "chip" << 895;
    QTest::newRow("driver mode") << "driver" << 894;
}

void GunPageWayInFormTest::confirmSaysWhyNothingWasWritten()
{
    QFETCH(QString, fault);
    QFETCH(int, text);
    DefaultGunForm f(fault == QLatin1String("driver"));
    f.OpenGunPageFor(4);
    Click(f.form.control("Btn_FireBasic"));
    const auto before = f.device.mouse->memory();
    if (fault == QLatin1String("noAnswer"))
        f.device.mouse->faults.noAnswer = true;
    else if (fault == QLatin1String("status"))
        f.device.mouse->faults.statusState = 0x55;
    else if (fault == QLatin1String("unplugged"))
        f.device.mouse->setPlugged(false);
    else if (fault == QLatin1String("chip"))
        f.device.mouse->chipByte = 0x35;   // a chip whose memory keeps no writes
    f.messages.clear();
    Click(f.form.control("Btn_FireConfirm"));
    QCOMPARE(f.messages, QStringList{f.form.State().Text(text)});
    QVERIFY(f.device.mouse->memory() == before);
    // The gun is bound all the same.
    QCOMPARE(f.form.control<TSkinLabel>("Key4")->text(), f.form.State().Text(600));
}

QTEST_MAIN(GunPageWayInFormTest)
#include "GunPageWayInFormTest.moc"
