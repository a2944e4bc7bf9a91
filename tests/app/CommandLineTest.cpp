// SPDX-License-Identifier: GPL-2.0-or-later
// The program's command line, run as a script runs it: a copy of the program in a folder of its
// own, no display, the demo's emulated mouse. The fault paths of the device steps are covered
// by tests/cli against the emulated mouse; these check what only the whole program shows.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/AppFolders.h"
#include "app/SingleInstance.h"
#include "cli/ExitCodes.h"
#include "config/DefaultImages.h"
#include "device/emulator/DemoDevices.h"
#include "platform/InstanceLock.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <sys/stat.h>

#include <tuple>

using namespace tarq;
using cli::ExitCode;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void helpRunsWithoutADisplayAndListsEveryExitCode();
    void wrongArgumentsAreAUsageError();
    void demoReadThenApplyRoundTripsBesideACopiedProgram();
    void damagedProfileWritesNothing();
    void mouseHeldByAnotherProgramIsWaitedForThenRefused();
    void foreignCodesNeedForceAndResetIsTheWayBack();
    void badFilesAreRefusedWithoutWaiting();
    void demoFilesAreReadBoundedAndNeverWrittenThroughLinks();
    void installedLayoutIsRecognised();

private:
    struct Run {
        int code = -1;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QStringList& args);
    QByteArray memoryFile() const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QTemporaryDir> runtime_; // private to the user, as the single-instance guard wants
    QString program_;
};

void CommandLineTest::init()
{
    // A copied program keeps its files beside it, so each test has its own demo memory.
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    program_ = dir_->filePath(QStringLiteral("tarq362a"));
    QVERIFY(QFile::copy(QStringLiteral(TARQ_PROGRAM), program_));
    // A run-time folder of its own: the window of whoever runs the tests is neither seen nor raised.
    runtime_ = std::make_unique<QTemporaryDir>();
    QVERIFY(runtime_->isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_->path()));
}

CommandLineTest::Run CommandLineTest::run(const QStringList& args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(display));
    env.insert(QStringLiteral("HOME"), dir_->filePath(QStringLiteral("home")));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir_->path());
    process.start(program_, args);
    Run result;
    // The window's event loop would keep the process alive; the command line must end by itself.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QByteArray CommandLineTest::memoryFile() const
{
    QFile file(dir_->filePath(QStringLiteral("Demo_Mouse_Memory.bin")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CommandLineTest::helpRunsWithoutADisplayAndListsEveryExitCode()
{
    const Run help = run({QStringLiteral("--help")});
    QCOMPARE(help.code, 0);
    for (const char* command : {"--list", "--read FILE", "--apply FILE", "--reset N", "Exit codes:"})
        QVERIFY2(help.out.contains(command), command);
    for (const cli::ExitCodeText& entry : cli::kExitCodes)
        QVERIFY2(help.out.contains(QByteArray("  ") + QByteArray::number(cli::ToInt(entry.code)) + "  " + entry.meaning),
                 entry.meaning);
}

void CommandLineTest::wrongArgumentsAreAUsageError()
{
    // Without a display: an option the window does not know ends before the toolkit starts.
    for (const QStringList& args : {QStringList{"--reset", "7"}, QStringList{"--list", "--quit-after-show"},
                                    QStringList{"--bogus"}, QStringList{"--demo", "--render-pages"},
                                    QStringList{"--engineer", "profile.bin"}}) {
        const Run r = run(args);
        QVERIFY2(r.code == cli::ToInt(ExitCode::Usage), qPrintable(args.join(' ') + ": " + QString::number(r.code)));
        QVERIFY2(r.err.contains("--help"), r.err.constData());
        QVERIFY(r.out.isEmpty());
    }
}

void CommandLineTest::demoReadThenApplyRoundTripsBesideACopiedProgram()
{
    const Run list = run({"--demo", "--list"});
    QCOMPARE(list.code, 0);
    QVERIFY2(list.out.contains("configuration interface  can be opened  chip 0x98"), list.out.constData());

    const QString first = dir_->filePath("first.bin");
    const Run read = run({"--demo", "--read", first});
    QCOMPARE(read.code, 0);
    QFile firstFile(first);
    QVERIFY(firstFile.open(QIODevice::ReadOnly));
    const QByteArray image = firstFile.readAll();
    const DeviceImage& defaults = DefaultImage(1);
    QCOMPARE(image, QByteArray(reinterpret_cast<const char*>(defaults.data()), static_cast<qsizetype>(defaults.size())));

    // A changed profile goes into the mouse and comes back out unchanged.
    QByteArray changed = image;
    for (int i = 0x100; i < 0x500; ++i)
        changed[i] = static_cast<char>(i * 13);
    const QString profile = dir_->filePath("changed.bin");
    QFile out(profile);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(changed);
    out.close();
    const Run apply = run({"--demo", "--apply", profile});
    QVERIFY2(apply.code == 0, apply.err.constData());
    QCOMPARE(memoryFile(), changed); // beside the copied program: its folder is writable

    const QString second = dir_->filePath("second.bin");
    QCOMPARE(run({"--demo", "--read=" + second}).code, 0);
    QFile secondFile(second);
    QVERIFY(secondFile.open(QIODevice::ReadOnly));
    QCOMPARE(secondFile.readAll(), changed);
}

void CommandLineTest::damagedProfileWritesNothing()
{
    const QString shortFile = dir_->filePath("short.bin");
    QFile file(shortFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2047, '\x42'));
    file.close();
    for (const QString& bad : {shortFile, dir_->filePath("missing.bin")}) {
        const Run r = run({"--demo", "--apply", bad});
        QCOMPARE(r.code, cli::ToInt(ExitCode::BadFile));
        QVERIFY(!r.err.isEmpty());
        QVERIFY2(memoryFile().isEmpty(), "the emulated mouse was written");
    }
}

void CommandLineTest::mouseHeldByAnotherProgramIsWaitedForThenRefused()
{
    // The window's end of the single-instance guard, in this process: it counts show requests.
    QString error;
    const InstancePaths paths = FindInstancePaths(&error);
    QVERIFY2(paths.Valid(), qPrintable(error));
    int showRequests = 0;
    SingleInstance window;
    QCOMPARE(window.Start(paths, kInstanceDeadlineMs, [&showRequests] { ++showRequests; }), SingleInstance::Outcome::First);
    // ... and the lock a window holds while it has the emulated mouse open.
    InstanceLock mouseLock;
    QCOMPARE(mouseLock.TryAcquire(QString::fromStdString(DemoLockFile(dir_->filePath("Demo_Mouse_Memory.bin").toStdString())),
                                  &error),
             InstanceLock::State::Acquired);

    auto runServing = [&](const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        // Without a run-time folder (sudo, cron, ssh) the lock still keeps the two apart.
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        process.setProcessEnvironment(env);
        QElapsedTimer took;
        took.start();
        process.start(program_, args);
        QDeadlineTimer deadline(20000);
        while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(20);
        return std::make_tuple(process.exitCode(), process.readAllStandardOutput() + process.readAllStandardError(),
                               took.elapsed());
    };
    const QString profile = dir_->filePath("p.bin");
    QFile out(profile);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char*>(DefaultImage(2).data()), qint64(kDeviceImageSize));
    out.close();

    for (const QStringList& args : {QStringList{"--demo", "--apply", profile}, QStringList{"--demo", "--reset", "1"}}) {
        const auto [code, output, ms] = runServing(args);
        QCOMPARE(code, cli::ToInt(ExitCode::MouseInUse));
        QVERIFY2(output.contains("another program is using the mouse"), output.constData());
        // It says where the window keeps the same commands.
        QVERIFY2(output.contains("Save Profile, Load Profile and Apply buttons at the bottom"), output.constData());
        QVERIFY2(ms >= 4900, qPrintable(QString::number(ms)));
    }
    QVERIFY(memoryFile().isEmpty());
    // Listing still works, without asking the mouse for its chip.
    const auto [code, output, ms] = runServing({"--demo", "--list"});
    QCOMPARE(code, 0);
    QVERIFY2(output.contains("in use by another program (chip not asked)"), output.constData());

    // Once the holder lets go, the command goes through.
    mouseLock.Release();
    QCOMPARE(std::get<0>(runServing({"--demo", "--apply", profile})), 0);
    QTest::qWait(50);
    QCOMPARE(showRequests, 0); // the window was left as it was
}

void CommandLineTest::foreignCodesNeedForceAndResetIsTheWayBack()
{
    // A file of random bytes fails every check; it is refused, and written only with --force.
    QByteArray random(2048, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 7919 + 13) % 251);
    const QString file = dir_->filePath("random.bin");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(random);
    out.close();

    Run r = run({"--demo", "--apply", file});
    QCOMPARE(r.code, cli::ToInt(ExitCode::BadFile));
    QVERIFY2(r.err.contains("parameter section A checksum") && r.err.contains("--force"), r.err.constData());
    QVERIFY(memoryFile().isEmpty());

    r = run({"--demo", "--apply", file, "--force"});
    QVERIFY2(r.code == 0, r.err.constData());
    QCOMPARE(memoryFile(), random);

    // The mouse now carries foreign codes: a read saves it and names what fails ...
    const QString saved = dir_->filePath("saved.bin");
    r = run({"--demo", "--read", saved});
    QVERIFY2(r.code == 0, r.err.constData());
    QVERIFY2(r.out.contains("manufacturer/product codes"), r.out.constData());
    // ... and a reset brings it back.
    r = run({"--demo", "--reset", "1"});
    QVERIFY2(r.code == 0, r.err.constData());
    const DeviceImage& defaults = DefaultImage(1);
    QCOMPARE(memoryFile(), QByteArray(reinterpret_cast<const char*>(defaults.data()), qsizetype(defaults.size())));
}

void CommandLineTest::badFilesAreRefusedWithoutWaiting()
{
    const QString fifo = dir_->filePath("pipe.bin");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir_->filePath("folder.bin");
    QVERIFY(QDir().mkpath(folder));
    const QString zeroLink = dir_->filePath("zero.bin");
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zeroLink));
    const QString shortFile = dir_->filePath("short.bin");
    QFile s(shortFile);
    QVERIFY(s.open(QIODevice::WriteOnly));
    s.write(QByteArray(100, '\1'));
    s.close();
    const QString shortLink = dir_->filePath("short-link.bin");
    QVERIFY(QFile::link(shortFile, shortLink));

    for (const QString& bad : {fifo, folder, zeroLink, shortFile, shortLink}) {
        const Run r = run({"--demo", "--apply", bad});
        QVERIFY2(r.code == cli::ToInt(ExitCode::BadFile), qPrintable(bad + ": " + QString::number(r.code)));
        QVERIFY2(memoryFile().isEmpty(), qPrintable(bad));
    }
    // --read to a pipe or a folder is refused too, and says so.
    for (const QString& bad : {fifo, folder}) {
        const Run r = run({"--demo", "--read", bad});
        QVERIFY2(r.code == cli::ToInt(ExitCode::BadFile), qPrintable(bad));
        QVERIFY2(r.err.contains("not a regular file"), r.err.constData());
    }
}

void CommandLineTest::demoFilesAreReadBoundedAndNeverWrittenThroughLinks()
{
    const QString memory = dir_->filePath("Demo_Mouse_Memory.bin");
    const DeviceImage& defaults = DefaultImage(1);
    const QByteArray defaultBytes(reinterpret_cast<const char*>(defaults.data()), qsizetype(defaults.size()));

    // A 1 GB sparse memory file: only its first 2048 bytes are read.
    {
        QFile big(memory);
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(defaultBytes);
        QVERIFY(big.resize(qint64(1) << 30));
    }
    QElapsedTimer took;
    took.start();
    const QString saved = dir_->filePath("saved.bin");
    QCOMPARE(run({"--demo", "--read", saved}).code, 0);
    QVERIFY2(took.elapsed() < 3000, qPrintable(QString::number(took.elapsed())));
    QFile::remove(memory);

    // A link to /dev/zero in the memory file's place: not read (the built-in image is the
    // memory), and not written through.
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), memory));
    QCOMPARE(run({"--demo", "--read", saved}).code, 0);
    QFile savedFile(saved);
    QVERIFY(savedFile.open(QIODevice::ReadOnly));
    QCOMPARE(savedFile.readAll(), defaultBytes);
    QFile::remove(memory);

    // A link to a file outside: the write through it is refused with the link named, and the
    // file it points to keeps its bytes.
    QTemporaryDir outside;
    const QString target = outside.filePath("victim.bin");
    QFile victim(target);
    QVERIFY(victim.open(QIODevice::WriteOnly));
    victim.write(defaultBytes);
    victim.write("tail that must survive");
    victim.close();
    QVERIFY(QFile::link(target, memory));
    const QString profile = dir_->filePath("p.bin");
    QFile out(profile);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QByteArray changed = defaultBytes;
    changed[0x300] = '\x5A';
    out.write(changed);
    out.close();
    const Run r = run({"--demo", "--apply", profile});
    QVERIFY2(r.err.contains("symbolic link") && r.err.contains(memory.toUtf8()), r.err.constData());
    QVERIFY(QFileInfo(memory).isSymLink());
    QVERIFY(victim.open(QIODevice::ReadOnly));
    QCOMPARE(victim.readAll(), defaultBytes + "tail that must survive");
}

void CommandLineTest::installedLayoutIsRecognised()
{
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath("bin"));
    QVERIFY(QDir(prefix.path()).mkpath("tools"));
    const QString bin = prefix.filePath("bin");
    QVERIFY(!IsInstalledLayout(bin)); // a bin folder alone is a copied program
    QVERIFY(QDir(prefix.path()).mkpath("share/applications"));
    QFile entry(prefix.filePath("share/applications/org.tarq362a.configurator.desktop"));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.close();
    QVERIFY(IsInstalledLayout(bin));
    QVERIFY(IsInstalledLayout(bin + "/"));
    QVERIFY(!IsInstalledLayout(prefix.filePath("tools")));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
