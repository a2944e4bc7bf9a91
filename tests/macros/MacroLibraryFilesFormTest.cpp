// SPDX-License-Identifier: GPL-2.0-or-later
// The macro library files on the real form when they are not what the program expects: Import
// All of a file that is not a library, a library file that cannot be read, a link in its place,
// a damaged file kept aside once, a driver library over its limit, and the base macro import
// that writes past Apply.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "app/Main.h"
#include "device/ui/DeviceCommands.h"
#include "macros/MacroFiles.h"
#include "macros/ui/MacroImportExport.h"
#include "macros/ui/MacroLibraryStore.h"
#include "platform/AtomicSave.h"
#include "support/FormWithMouse.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace tarq;
using tarq::testing::PromptsOf;

namespace {

const MacroBody kBody = [] {
    MacroBody body{};
    const uint8_t bytes[] = {0x00, 0x05, 0xA1, 0xFE, 0x03, 0x21, 0x92};
    std::copy(std::begin(bytes), std::end(bytes), body.begin());
    return body;
}();

MacroRecord Named(const char16_t* name) { return {MacroNameFromUtf16(name), kBody}; }

struct LibraryForm {
    explicit LibraryForm(bool driverMode = false) : device(driverMode), form(device.form.get())
    {
        form->ShowDialogMessage = [this](const QString& text) { messages << text; };
        form->ShowStandardMessage = [this](const QString& text) { messages << text; };
        PromptsOf(*form).confirm = [this](const QString& text) {
            questions << text;
            return answer;
        };
        form->State().DataFolder = dir.path() + QLatin1Char('/');
        PromptsOf(*form).file = ([this](UserPrompts::FileUse) { return nextFile; });
    }
    MacroLibraryStore& store() { return form->MacroLibrary(); }
    QString LibraryPath() { return (form->State().Home.Mode() == ConfigurationMode::Eeprom) ? store().MacroFilePath() : store().DriverMacroFilePath(); }
    void Load()
    {
        store().LoadMacroLibrary();
        QTest::qWait(1); // start-up messages are shown from the event loop
    }
    QString Write(const QString& name, const std::vector<uint8_t>& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }
    static std::vector<uint8_t> Contents(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QByteArray a = f.readAll();
        return {a.begin(), a.end()};
    }
    QString Text(int id) { return form->State().Text(id); }

    tarq::testing::FormWithMouse device;
    TForm1* form;
    QTemporaryDir dir;
    QStringList messages, questions;
    bool answer = false;
    QString nextFile;
};

} // namespace

class MacroLibraryFilesFormTest : public QObject {
    Q_OBJECT
private slots:
    void importAllChecksAsksKeepsTheOldLibraryThenReplaces();
    void unreadableLibraryIsNeverWrittenOver();
    void linkInPlaceOfTheLibraryIsNotWrittenThrough();
    void damagedLibraryIsKeptAsideOnce();
    void driverLibraryOverItsLimitIsKeptAside();
    void importsRefuseSpecialFilesAtOnce();
    void baseMacroImportSaysWhatItDidAndKeepsApplyFast();
};

void MacroLibraryFilesFormTest::importAllChecksAsksKeepsTheOldLibraryThenReplaces()
{
    LibraryForm f;
    f.Load();
    f.form->State().PcMacros[0] = Named(u"Keep");
    f.form->State().PcMacros[1] = Named(u"Also");
    QVERIFY(f.store().RefreshPCMacro());
    const std::vector<uint8_t> before = f.Contents(f.LibraryPath());

    // A 2048-byte profile chosen by mistake: refused before any question.
    std::vector<uint8_t> profile(DefaultImage(1).begin(), DefaultImage(1).end());
    f.nextFile = f.Write("profile.bin", profile);
    f.form->MacroFiles().Btn_ImportClick();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY2(f.messages[0].startsWith(f.Text(710).section('(', 0, 0)), qPrintable(f.messages[0]));
    QVERIFY(f.questions.isEmpty());
    QCOMPARE(f.Contents(f.LibraryPath()), before);

    // A library: the question names what is lost and where the old one goes; No changes nothing.
    PcMacroLibrary incoming{};
    incoming[0] = Named(u"New");
    f.nextFile = f.Write("library.bin", WriteMacroLibraryFile(incoming));
    f.form->MacroFiles().Btn_ImportClick();
    QCOMPARE(f.questions.size(), 1);
    QVERIFY2(f.questions[0].contains("Keep, Also") && f.questions[0].contains(f.store().ImportBackupPath()),
             qPrintable(f.questions[0]));
    QCOMPARE(f.Contents(f.LibraryPath()), before);
    QVERIFY(!QFileInfo::exists(f.store().ImportBackupPath()));

    // Yes: the old library is kept aside, then replaced.
    f.answer = true;
    f.form->MacroFiles().Btn_ImportClick();
    QCOMPARE(f.Contents(f.store().ImportBackupPath()), before);
    QCOMPARE(f.Contents(f.LibraryPath()), WriteMacroLibraryFile(incoming));
    QCOMPARE(f.form->State().PcMacros, incoming);
    // One backup: the next import replaces it with the library before that import.
    f.form->MacroFiles().Btn_ImportClick();
    QCOMPARE(f.Contents(f.store().ImportBackupPath()), WriteMacroLibraryFile(incoming));
    QCOMPARE(QDir(f.dir.path()).entryList({"Macro.bin*"}).size(), 2);
}

void MacroLibraryFilesFormTest::unreadableLibraryIsNeverWrittenOver()
{
    // A library file the program cannot read: a pipe (always), and one without read permission
    // (which binds only a user who is not root).
    for (const bool pipe : {true, false}) {
        if (!pipe && ::geteuid() == 0)
            continue;
        LibraryForm f;
        const QString path = f.LibraryPath();
        if (pipe) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            f.Write("Macro.bin", WriteMacroLibraryFile(PcMacroLibrary{Named(u"One"), Named(u"Two"), Named(u"Three")}));
            QFile::setPermissions(path, QFileDevice::WriteOwner);
        }
        QElapsedTimer took;
        took.start();
        f.Load();
        QVERIFY(took.elapsed() < 2000);
        QVERIFY(f.store().Unreadable());
        QCOMPARE(f.messages.size(), 1);
        QVERIFY2(f.messages[0].contains(path), qPrintable(f.messages[0]));

        // A change: the user is asked; No undoes it and leaves the file alone.
        f.form->State().PcMacros[0] = Named(u"Change");
        QVERIFY(!f.store().RefreshPCMacro());
        QCOMPARE(f.questions.size(), 1);
        QCOMPARE(MacroLibraryCount(f.form->State().PcMacros), 0);
        if (pipe)
            QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile()); // still the pipe
        else
            QCOMPARE(MacroLibraryCount(ReadMacroLibraryFile(LibraryForm::Contents(path))), 3);
        QCOMPARE(QFileInfo(path + ".bak").exists(), false);
        if (!pipe) {
            // Readable again: it is loaded, and the change is to be made again.
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            f.form->State().PcMacros[3] = Named(u"Change");
            QVERIFY(!f.store().RefreshPCMacro());
            QCOMPARE(MacroLibraryCount(f.form->State().PcMacros), 3);
            QVERIFY(!f.store().Unreadable());
            continue;
        }
        // Yes: a new library; the unreadable file is kept aside, untouched.
        f.answer = true;
        f.form->State().PcMacros[0] = Named(u"Change");
        QVERIFY(f.store().RefreshPCMacro());
        QFileInfo kept(path + ".bak");
        QVERIFY(kept.exists() && !kept.isFile()); // the pipe itself, moved aside
        QCOMPARE(ReadMacroLibraryFile(f.Contents(path))[0], Named(u"Change"));
    }
}

void MacroLibraryFilesFormTest::linkInPlaceOfTheLibraryIsNotWrittenThrough()
{
    LibraryForm f;
    QTemporaryDir outside;
    const QString target = outside.filePath("elsewhere.bin");
    const std::vector<uint8_t> theirs = WriteMacroLibraryFile(PcMacroLibrary{Named(u"Theirs")});
    {
        QFile t(target);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write(reinterpret_cast<const char*>(theirs.data()), qint64(theirs.size()));
    }
    QVERIFY(QFile::link(target, f.LibraryPath()));
    f.Load();
    QCOMPARE(MacroLibraryCount(f.form->State().PcMacros), 1); // read through the link
    f.form->State().PcMacros[1] = Named(u"Mine");
    QVERIFY(!f.store().RefreshPCMacro());
    QTest::qWait(1);
    QVERIFY(!f.messages.isEmpty());
    QVERIFY2(f.messages.last().contains(f.LibraryPath()) && f.messages.last().contains("symbolic link"),
             qPrintable(f.messages.last()));
    QCOMPARE(LibraryForm::Contents(target), theirs);
    QVERIFY(QFileInfo(f.LibraryPath()).isSymLink());
}

void MacroLibraryFilesFormTest::damagedLibraryIsKeptAsideOnce()
{
    // A small file of the wrong size is copied once; further starts make no second copy.
    {
        LibraryForm f;
        std::vector<uint8_t> bytes = WriteMacroLibraryFile(PcMacroLibrary{Named(u"One")});
        bytes.resize(3 * kMacroRecordSize + 10);
        f.Write("Macro.bin", bytes);
        for (int start = 0; start < 3; ++start)
            f.Load();
        QCOMPARE(QDir(f.dir.path()).entryList({"Macro.bin.bak*"}), QStringList{"Macro.bin.bak"});
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(LibraryForm::Contents(f.LibraryPath() + ".bak"), bytes);
    }
    // A file over 1 MiB is moved aside, and the library it held is written in its place.
    {
        LibraryForm f;
        std::vector<uint8_t> bytes = WriteMacroLibraryFile(PcMacroLibrary{Named(u"One")});
        bytes.resize(3 << 20, 0x41);
        f.Write("Macro.bin", bytes);
        f.Load();
        f.Load();
        QCOMPARE(QDir(f.dir.path()).entryList({"Macro.bin.bak*"}), QStringList{"Macro.bin.bak"});
        QCOMPARE(QFileInfo(f.LibraryPath() + ".bak").size(), qint64(bytes.size()));
        QCOMPARE(QFileInfo(f.LibraryPath()).size(), qint64(kMacroFileSize));
        QCOMPARE(f.form->State().PcMacros[0], Named(u"One"));
        QCOMPARE(f.messages.size(), 1);
    }
}

void MacroLibraryFilesFormTest::driverLibraryOverItsLimitIsKeptAside()
{
    LibraryForm f(true);
    const qint64 records = qint64(kDriverMacroImportLimit) + 3;
    DriverMacroRecord first{MacroNameFromUtf16(u"First"), {}};
    std::vector<uint8_t> head = WriteDriverMacroFile({first});
    const QString path = f.Write("Driver_Macro.bin", head);
    QVERIFY(QFile::resize(path, records * qint64(kDriverMacroRecordSize)));
    f.Load();
    QCOMPARE(f.form->State().DriverMacros.size(), kDriverMacroImportLimit);
    QCOMPARE(f.messages.size(), 1);
    QVERIFY2(f.messages[0].contains(QString::number(records)) && f.messages[0].contains(path + ".bak"),
             qPrintable(f.messages[0]));
    QCOMPARE(QFileInfo(path + ".bak").size(), records * qint64(kDriverMacroRecordSize));
    QCOMPARE(QFileInfo(path).size(), qint64(kDriverMacroImportLimit) * qint64(kDriverMacroRecordSize));
    f.Load();
    QCOMPARE(f.messages.size(), 1); // told once
}

void MacroLibraryFilesFormTest::importsRefuseSpecialFilesAtOnce()
{
    LibraryForm f;
    f.Load();
    const QString fifo = f.dir.filePath("pipe.bin");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = f.dir.filePath("zero.bin");
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero));
    for (const QString& bad : {fifo, zero}) {
        f.nextFile = bad;
        for (void (MacroImportExport::*import)() : {&MacroImportExport::Btn_ImportOneClick, &MacroImportExport::Btn_ImportClick,
                                                   &MacroImportExport::Btn_ImportBaseMacroClick}) {
            f.messages.clear();
            QElapsedTimer took;
            took.start();
            (f.form->MacroFiles().*import)();
            QVERIFY(took.elapsed() < 2000);
            QCOMPARE(f.messages.size(), 1);
            QVERIFY2(f.messages[0].contains("not a regular file"), qPrintable(f.messages[0]));
        }
    }
}

void MacroLibraryFilesFormTest::baseMacroImportSaysWhatItDidAndKeepsApplyFast()
{
    LibraryForm f;
    f.form->Commands().DevTimerTimer(); // finds and reads the mouse
    QVERIFY(f.form->Device().Link.mouseOpen());
    std::vector<uint8_t> pages(kBaseMacroFileSize);
    for (size_t i = 0; i < pages.size(); ++i)
        pages[i] = uint8_t(i * 7 + 3);
    f.nextFile = f.Write("base.bin", pages);
    f.form->MacroFiles().Btn_ImportBaseMacroClick();
    QCOMPARE(f.messages, QStringList{f.Text(718)});

    // The next Apply writes what differs and verifies without byte-by-byte rewrites.
    f.device.mouse->log.clear();
    f.form->Commands().Btn_Apply_0Click();
    int windows = 0;
    for (const auto& r : f.device.mouse->requestsSent())
        windows += r[1] == CmdWriteWindow;
    QVERIFY2(windows < 10, qPrintable(QString::number(windows)));
    const DeviceImage& image = f.form->State().DeviceImage;
    QVERIFY(std::equal(image.begin(), image.end(), f.device.mouse->memory().begin()));

    // Unplugged during the import: one message, which says the write did not complete.
    f.messages.clear();
    f.device.mouse->faults.unplugAfterReports = f.device.mouse->reportsSeen() + 20;
    f.form->MacroFiles().Btn_ImportBaseMacroClick();
    QCOMPARE(f.messages.size(), 1);
    QVERIFY2(f.messages[0].contains(f.Text(720)), qPrintable(f.messages[0]));
    f.form->Commands().DevTimerTimer();
    f.form->Commands().DevTimerTimer();
    QCOMPARE(f.messages.size(), 1);
}

QTEST_MAIN(MacroLibraryFilesFormTest)
#include "MacroLibraryFilesFormTest.moc"
