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
    void runningWindowOwnsTheMouseAndIsNotRaised();
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

void CommandLineTest::runningWindowOwnsTheMouseAndIsNotRaised()
{
    // The window's end of the single-instance guard, in this process: it counts show requests.
    QString error;
    const InstancePaths paths = FindInstancePaths(&error);
    QVERIFY2(paths.Valid(), qPrintable(error));
    int showRequests = 0;
    SingleInstance window;
    QCOMPARE(window.Start(paths, kInstanceDeadlineMs, [&showRequests] { ++showRequests; }), SingleInstance::Outcome::First);

    auto runServing = [&](const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(env);
        process.start(program_, args);
        // The event loop keeps running, so the window's end answers the probe.
        QDeadlineTimer deadline(20000);
        while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(20);
        return std::make_pair(process.exitCode(), process.readAllStandardOutput() + process.readAllStandardError());
    };
    const QString profile = dir_->filePath("p.bin");
    QFile out(profile);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray(2048, '\0'));
    out.close();

    for (const QStringList& args : {QStringList{"--demo", "--apply", profile}, QStringList{"--demo", "--read", profile},
                                    QStringList{"--demo", "--reset", "1"}}) {
        const auto [code, output] = runServing(args);
        QCOMPARE(code, cli::ToInt(ExitCode::WindowRunning));
        QVERIFY2(output.contains("window is running"), output.constData());
        // It says where the window keeps the same commands.
        QVERIFY2(output.contains("Save Profile, Load Profile and Apply buttons at the bottom"), output.constData());
    }
    QVERIFY(memoryFile().isEmpty());
    // Listing still works, without asking the mouse for its chip.
    const auto [code, output] = runServing({"--demo", "--list"});
    QCOMPARE(code, 0);
    QVERIFY2(output.contains("chip not asked"), output.constData());
    QTest::qWait(50);
    QCOMPARE(showRequests, 0); // the window was left as it was
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
