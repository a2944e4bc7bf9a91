// SPDX-License-Identifier: GPL-2.0-or-later
// The gun key list file and the fire macro area import on the real main form: missing, exact,
// short and long list files, Add Gun and Delect Gun with the file written at once, a folder
// that cannot be written, the names KeyCodeToName gives, assigning a gun key on the engineer
// page, and the import of a fire macro area file.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "config/ImageLayout.h"
#include "config/ui/SettingsMapping.h"
#include "device/ui/DeviceCommands.h"
#include "firemacros/FireMacro.h"
#include "firemacros/ui/GunKeyListEditor.h"
#include "support/FormWithMouse.h"
#include "support/UserActions.h"
#include "settings/ui/AssignmentEditor.h"
#include "ui/Navigation.h"
#include "ui/SkinLabel.h"

using namespace tarq;
using tarq::testing::PromptsOf;

namespace {

QByteArray Hex(const char* text) { return QByteArray::fromHex(QByteArray(text).replace(' ', "")); }

struct ListForm {
    ListForm()
    {
        form.ShowStandardMessage = [this](const QString& text) { messages << text; };
        form.ShowDialogMessage = [this](const QString& text) { messages << text; };
        form.Commands().DevTimerTimer();
        form.State().NoDeviceView = false;
        form.State().AppFolder = dir.path() + QLatin1Char('/');
    }

    // The engineer page, whose unlock lets its engineer tab take input.
    void OpenEngineerPage()
    {
        form.show();
        form.Nav().ChangeView(View::Engineer);
        QVERIFY(form.control("ts_Engineer")->isEnabled());
    }

    QString FilePath() const { return dir.path() + "/TARQ362A Fire Macro.bin"; }
    void WriteList(const QByteArray& bytes)
    {
        QFile f(FilePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray FileBytes() const
    {
        QFile f(FilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Items(const char* list)
    {
        QStringList items;
        auto* w = form.control<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i)
            items << w->item(i)->text();
        return items;
    }
    QString KeyName(const char* code)
    {
        form.State().GameKeyCodes[3] = code;
        form.Settings().RefreshProfile2Keys();
        return form.control<QLabel>("Key4")->text();
    }

    tarq::testing::FormWithMouse device;
    TForm1& form = *device.form;
    QTemporaryDir dir;
    QStringList messages;
};

} // namespace

class GunKeyListFormTest : public QObject {
    Q_OBJECT
private slots:
    void listFilesAsFound_data();
    void listFilesAsFound();
    void addAndDeleteWriteTheFileAtOnce();
    void aFolderThatCannotBeWrittenIsNamed();
    void engineerButtonTakesAGunKey();
    void importReplacesTheAreaAndWritesIt();
    void importRefusesEmptyAndLargeFiles();
};

void GunKeyListFormTest::listFilesAsFound_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("nameOf0C0203");
    QTest::addColumn<QString>("nameOf0C0101");
    QTest::addColumn<QString>("note");   // part of the start-up note, empty for none

    const QByteArray exact = Hex("0C0101 0C0203 000000 0C0A0A") + QByteArray(18, '\0');
    QTest::newRow("missing") << false << QByteArray() << QStringList{} << QString() << QStringLiteral("AKM") << QString();
    QTest::newRow("exact") << true << exact << QStringList{"Fire Macro1", "Fire Macro2", "Fire Macro4"}
                           << QStringLiteral("Fire Macro2") << QStringLiteral("Fire Macro1") << QString();
    QTest::newRow("short") << true << Hex("0C0203 0C") << QStringList{"Fire Macro1", "Fire Macro2"}
                           << QStringLiteral("Fire Macro1") << QString() << QStringLiteral("holds only 4 of its 30 bytes");
    QTest::newRow("long") << true << exact + Hex("0C0101 0C0101") << QStringList{"Fire Macro1", "Fire Macro2", "Fire Macro4"}
                          << QStringLiteral("Fire Macro2") << QStringLiteral("Fire Macro1")
                          << QStringLiteral("only its first 30 bytes are used");
}

void GunKeyListFormTest::listFilesAsFound()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, items);
    QFETCH(QString, nameOf0C0203);
    QFETCH(QString, nameOf0C0101);
    QFETCH(QString, note);
    ListForm f;
    if (exists)
        f.WriteList(file);
    f.form.State().StartupProblems.clear();
    f.form.GunKeys().LoadFireMacroFile();
    QCOMPARE(f.Items("LB_ScriptName"), items);
    QCOMPARE(f.Items("LB_Script"), items);
    QCOMPARE(f.form.State().GunKeyFileLoaded, exists);
    if (exists)
        QCOMPARE(f.KeyName("0C0203"), nameOf0C0203);
    QCOMPARE(f.KeyName("0C0101"), nameOf0C0101);
    const QStringList problems = f.form.State().StartupProblems;
    if (note.isEmpty())
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    else
        QVERIFY2(problems.size() == 1 && problems[0].contains(note), qPrintable(problems.join('\n')));
    // Reading never changes the file.
    QCOMPARE(f.FileBytes(), file);
    QVERIFY(f.messages.isEmpty());
}

void GunKeyListFormTest::addAndDeleteWriteTheFileAtOnce()
{
    ListForm f;
    f.OpenEngineerPage();
    f.form.GunKeys().LoadFireMacroFile();
    auto* start = f.form.control<QComboBox>("cb_SOSStartIndex");
    auto* stop = f.form.control<QComboBox>("cb_SOSNumber");
    auto* add = f.form.control<QPushButton>("btn_AddScript");
    const std::pair<int, int> added[] = {{3, 5}, {1, 1}, {10, 10}};
    for (const auto& [first, last] : added) {
        start->setCurrentIndex(first - 1);
        stop->setCurrentIndex(last - 1);
        QTest::mouseClick(add, Qt::LeftButton);
    }
    QCOMPARE(f.Items("LB_ScriptName"), (QStringList{"Fire Macro1", "Fire Macro2", "Fire Macro3"}));
    QCOMPARE(f.Items("LB_Script"), f.Items("LB_ScriptName"));
    QCOMPARE(f.FileBytes(), Hex("0C0305 0C0101 0C0A0A") + QByteArray(21, '\0'));
    QCOMPARE(f.KeyName("0C0A0A"), QStringLiteral("Fire Macro3"));

    // Selecting an entry shows its indexes; deleting it moves the later ones up.
    auto* names = f.form.control<QListWidget>("LB_ScriptName");
    names->setCurrentRow(0);
    testing::ClickRow(names, 0);
    QCOMPARE(start->currentIndex(), 2);
    QCOMPARE(stop->currentIndex(), 4);
    QTest::mouseClick(f.form.control<QPushButton>("btn_DelScript"), Qt::LeftButton);
    QCOMPARE(f.Items("LB_ScriptName"), (QStringList{"Fire Macro1", "Fire Macro2"}));
    QCOMPARE(names->currentRow(), 0);
    QCOMPARE(f.FileBytes(), Hex("0C0101 0C0A0A") + QByteArray(24, '\0'));

    // Ten entries fill the list; an eleventh is not taken.
    for (int i = 0; i < 9; ++i)
        QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(f.Items("LB_ScriptName").size(), 10);
    QCOMPARE(f.FileBytes().size(), 30);
    QVERIFY(f.messages.isEmpty());
}

void GunKeyListFormTest::aFolderThatCannotBeWrittenIsNamed()
{
    ListForm f;
    f.OpenEngineerPage();
    f.form.State().AppFolder = f.dir.path() + "/missing/folder/";
    f.form.GunKeys().LoadFireMacroFile();
    QTest::mouseClick(f.form.control<QPushButton>("btn_AddScript"), Qt::LeftButton);
    QTRY_COMPARE(f.messages.size(), 1);
    QVERIFY2(f.messages[0].contains(f.form.State().Text(945)), qPrintable(f.messages[0]));
    // The entry stays listed for this run.
    QCOMPARE(f.Items("LB_ScriptName"), QStringList{"Fire Macro1"});
}

void GunKeyListFormTest::engineerButtonTakesAGunKey()
{
    ListForm f;
    f.WriteList(Hex("0C0101 0C0608") + QByteArray(24, '\0'));
    f.form.GunKeys().LoadFireMacroFile();
    f.OpenEngineerPage();
    QTest::mouseClick(f.form.control<QPushButton>("btn_Key202"), Qt::LeftButton);
    QCOMPARE(f.form.Nav().EngineerKeyNumber, 202);
    // The pointer on the menu's Fire Macro entry opens the gun key list beside it.
    f.form.Assignment().KeyByTagMouseEnter(f.form.control<TSkinLabel>("Key_TLFireMacro"));
    auto* list = f.form.control<QListWidget>("LB_Script");
    QVERIFY(list->isVisible());
    testing::ClickRow(list, 1);
    QCOMPARE(f.form.control<QPushButton>("btn_Key202")->text(), QStringLiteral("Fire Macro2"));
    QCOMPARE(f.form.State().GameKeyCodes[1], std::string("0C0608"));
    const size_t at = databuf::KeyCodeOffset(2, 2);
    QCOMPARE(f.form.State().DataBuf[at], uint8_t{0x0C});
    QCOMPARE(f.form.State().DataBuf[at + 1], uint8_t{0x06});
    QCOMPARE(f.form.State().DataBuf[at + 2], uint8_t{0x08});
}

void GunKeyListFormTest::importReplacesTheAreaAndWritesIt()
{
    ListForm f;
    const std::vector<uint8_t> before(f.device.mouse->memory().begin(), f.device.mouse->memory().end());
    QByteArray file(100, '\0');
    for (int i = 0; i < file.size(); ++i)
        file[i] = char(i + 1);
    const QString path = f.dir.path() + "/area.bin";
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();
    PromptsOf(f.form).file = [path](UserPrompts::FileUse) { return path; };
    QTest::mouseClick(f.form.control<QPushButton>("Btn_ImportGunMacro"), Qt::LeftButton);
    QVERIFY(f.messages.isEmpty());

    std::vector<uint8_t> expected(before.begin() + 0x500, before.begin() + 0x600);
    std::copy(file.begin(), file.end(), expected.begin());
    const auto& area = f.form.State().MacroAreas.fireMacroArea;
    QCOMPARE(std::vector<uint8_t>(area.begin(), area.end()), expected);
    QVERIFY(std::equal(expected.begin(), expected.begin() + kFireMacroWorkSize, f.form.State().FireMacroWork.begin()));
    std::vector<uint8_t> memory(f.device.mouse->memory().begin(), f.device.mouse->memory().end());
    QCOMPARE(std::vector<uint8_t>(memory.begin() + 0x500, memory.begin() + 0x600), expected);
    std::copy(before.begin() + 0x500, before.begin() + 0x600, memory.begin() + 0x500);
    QCOMPARE(memory, before);
}

void GunKeyListFormTest::importRefusesEmptyAndLargeFiles()
{
    ListForm f;
    const auto area = f.form.State().MacroAreas.fireMacroArea;
    const auto work = f.form.State().FireMacroWork;
    const std::vector<uint8_t> before(f.device.mouse->memory().begin(), f.device.mouse->memory().end());
    const std::pair<int, int> cases[] = {{0, 942}, {257, 943}};
    for (const auto& [size, text] : cases) {
        const QString path = f.dir.path() + QStringLiteral("/%1.bin").arg(size);
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(size, '\x11'));
        out.close();
        f.messages.clear();
        PromptsOf(f.form).file = [path](UserPrompts::FileUse) { return path; };
        QTest::mouseClick(f.form.control<QPushButton>("Btn_ImportGunMacro"), Qt::LeftButton);
        QCOMPARE(f.messages, QStringList{f.form.State().Text(text)});
        QCOMPARE(f.form.State().MacroAreas.fireMacroArea, area);
        QCOMPARE(f.form.State().FireMacroWork, work);
        QVERIFY(std::equal(before.begin(), before.end(), f.device.mouse->memory().begin()));
    }
}

QTEST_MAIN(GunKeyListFormTest)
#include "GunKeyListFormTest.moc"
