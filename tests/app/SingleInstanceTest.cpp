// SPDX-License-Identifier: GPL-2.0-or-later
// One running copy per user: the private folder of the lock and socket, the first and second
// start, the probe that does not raise the window, recovery from leftovers at the endpoint, the
// overall deadline against a copy that does not answer, and the real program started twice.

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/Main.h"
#include "support/BareForm.h"
#include "app/SingleInstance.h"

using namespace tarq;

namespace {

InstancePaths PathsIn(const QTemporaryDir& dir)
{
    return {dir.filePath("copy.lock"), dir.filePath("copy.socket")};
}

// Runs `work` on its own thread, as a second copy runs in its own process, while this thread
// keeps serving events; returns how long the work took.
qint64 OnOtherThread(const std::function<void()>& work)
{
    std::atomic<bool> done = false;
    QElapsedTimer clock;
    clock.start();
    std::thread other([&] {
        work();
        done = true;
    });
    while (!done)
        QTest::qWait(10);
    other.join();
    return clock.elapsed();
}

SingleInstance::Outcome StartOnOtherThread(const InstancePaths& paths, int deadlineMs, qint64* elapsed = nullptr)
{
    SingleInstance::Outcome outcome{};
    const qint64 took = OnOtherThread([&] {
        SingleInstance second;
        outcome = second.Start(paths, deadlineMs, {});
    });
    if (elapsed)
        *elapsed = took;
    return outcome;
}

// A socket file that nobody listens on any more, as a copy that was killed leaves it.
void LeaveDeadSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path - 1);
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    ::listen(fd, 1);
    ::close(fd);
}

mode_t ModeOf(const QString& path)
{
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 0777;
}

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

QProcessEnvironment ProgramEnvironment(const QString& runtimeFolder)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtimeFolder);
    return env;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void runtimeFolderIsPrivateToTheUser_data();
    void runtimeFolderIsPrivateToTheUser();
    void secondStartRaisesTheFirstWindow();
    void probeLearnsOfTheWindowWithoutRaisingIt();
    void leftoversAtTheEndpointAreRecoveredFrom_data();
    void leftoversAtTheEndpointAreRecoveredFrom();
    void copyThatDoesNotAnswerDelaysAStartByAtMostTheDeadline_data();
    void copyThatDoesNotAnswerDelaysAStartByAtMostTheDeadline();
    void endpointThatCannotBeSetUpIsReported();
    void twoProgramStartsTogetherOpenOneWindow();
    void programThatFindsAnUnresponsiveCopySaysSoAndOpensNoWindow();
};

void SingleInstanceTest::runtimeFolderIsPrivateToTheUser_data()
{
    // runtime: what XDG_RUNTIME_DIR names ("" unset); own: what is at <TMPDIR>/tarq362a-<uid>.
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("expected");   // "runtime", "own" or "" (refused)
    QTest::newRow("private runtime folder") << "private" << "missing" << "runtime";
    QTest::newRow("runtime folder others may enter") << "open" << "missing" << "own";
    QTest::newRow("no runtime folder") << "" << "missing" << "own";
    QTest::newRow("own folder left open is closed") << "" << "open" << "own";
    QTest::newRow("link planted at the own folder") << "" << "link" << "";
    QTest::newRow("file planted at the own folder") << "" << "file" << "";
    if (::geteuid() == 0)
        QTest::newRow("own folder of another user") << "" << "foreign" << "";
}

void SingleInstanceTest::runtimeFolderIsPrivateToTheUser()
{
    QFETCH(QString, runtime);
    QFETCH(QString, own);
    QFETCH(QString, expected);
    QTemporaryDir root;
    const QString runtimePath = root.filePath("run");
    const QString tmp = root.filePath("tmp");
    QVERIFY(QDir().mkpath(runtimePath) && QDir().mkpath(tmp));
    QFile::setPermissions(runtimePath, runtime == "open" ? QFile::Permissions(0x7755) : QFile::Permissions(0x7700));
    const QString ownPath = tmp + "/tarq362a-" + QString::number(::geteuid());
    if (own == "open" || own == "foreign") {
        QVERIFY(QDir().mkdir(ownPath));
        ::chmod(QFile::encodeName(ownPath).constData(), 0755);
        if (own == "foreign")
            QVERIFY(::chown(QFile::encodeName(ownPath).constData(), 65534, 65534) == 0);
    } else if (own == "link") {
        QVERIFY(QDir().mkdir(root.filePath("elsewhere")));
        QVERIFY(QFile::link(root.filePath("elsewhere"), ownPath));
    } else if (own == "file") {
        QFile file(ownPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.isEmpty() ? QByteArray() : QFile::encodeName(runtimePath));
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(tmp));
    QString error;
    const InstancePaths paths = FindInstancePaths(&error);
    if (expected.isEmpty()) {
        QVERIFY(!paths.Valid());
        QVERIFY2(error.contains(ownPath), qPrintable(error));
        // The program still starts, saying why no other copy is kept out.
        SingleInstance instance;
        QCOMPARE(instance.Start(paths, 100, {}), SingleInstance::Outcome::Unavailable);
        return;
    }
    const QString folder = expected == "runtime" ? runtimePath : ownPath;
    QVERIFY2(paths.Valid(), qPrintable(error));
    QCOMPARE(QFileInfo(paths.socket).path(), folder);
    QCOMPARE(QFileInfo(paths.lock).path(), folder);
    QCOMPARE(ModeOf(folder), mode_t(0700));
}

void SingleInstanceTest::secondStartRaisesTheFirstWindow()
{
    QTemporaryDir dir;
    tarq::testing::BareForm form;
    form.show();
    SingleInstance first;
    QCOMPARE(first.Start(PathsIn(dir), 1000, [&form] { form.BringToFront(); }), SingleInstance::Outcome::First);
    form.showMinimized();
    QTRY_VERIFY(form.isMinimized());

    QCOMPARE(StartOnOtherThread(PathsIn(dir), 3000), SingleInstance::Outcome::ShownRunning);
    QTRY_VERIFY(!form.isMinimized());
    QVERIFY(form.isVisible());
}

void SingleInstanceTest::probeLearnsOfTheWindowWithoutRaisingIt()
{
    QTemporaryDir dir;
    QCOMPARE(ProbeRunningInstance(PathsIn(dir), 1000), InstanceProbe::None);

    int showRequests = 0;
    {
        SingleInstance first;
        QCOMPARE(first.Start(PathsIn(dir), 1000, [&] { ++showRequests; }), SingleInstance::Outcome::First);
        InstanceProbe probe = InstanceProbe::None;
        OnOtherThread([&] { probe = ProbeRunningInstance(PathsIn(dir), 3000); });
        QCOMPARE(probe, InstanceProbe::Running);
        QTest::qWait(50);
        QCOMPARE(showRequests, 0);
    }
    // The copy has ended: its lock went with it.
    QCOMPARE(ProbeRunningInstance(PathsIn(dir), 1000), InstanceProbe::None);
}

void SingleInstanceTest::leftoversAtTheEndpointAreRecoveredFrom_data()
{
    QTest::addColumn<QString>("leftover");
    QTest::newRow("socket of a copy that was killed") << "dead socket";
    QTest::newRow("plain file at the socket path") << "file";
    QTest::newRow("lock file of a copy that was killed") << "lock file";
}

void SingleInstanceTest::leftoversAtTheEndpointAreRecoveredFrom()
{
    QFETCH(QString, leftover);
    QTemporaryDir dir;
    const InstancePaths paths = PathsIn(dir);
    if (leftover == "dead socket") {
        LeaveDeadSocket(paths.socket);
        QVERIFY(QFileInfo::exists(paths.socket));
    } else {
        QFile file(leftover == "file" ? paths.socket : paths.lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("left behind");
    }

    int showRequests = 0;
    SingleInstance first;
    QCOMPARE(first.Start(paths, 1000, [&] { ++showRequests; }), SingleInstance::Outcome::First);
    QVERIFY2(first.ErrorText().isEmpty(), qPrintable(first.ErrorText()));
    // The next start finds this copy instead of opening another window.
    QCOMPARE(StartOnOtherThread(paths, 3000), SingleInstance::Outcome::ShownRunning);
    QTRY_COMPARE(showRequests, 1);
}

void SingleInstanceTest::copyThatDoesNotAnswerDelaysAStartByAtMostTheDeadline_data()
{
    QTest::addColumn<QString>("behaviour");
    QTest::newRow("listens but never answers") << "silent";
    QTest::newRow("trickles a byte every half second") << "trickle";
    QTest::newRow("answers something else") << "wrong";
    QTest::newRow("holds the lock but never listens") << "no server";
}

void SingleInstanceTest::copyThatDoesNotAnswerDelaysAStartByAtMostTheDeadline()
{
    QFETCH(QString, behaviour);
    QTemporaryDir dir;
    const InstancePaths paths = PathsIn(dir);
    // The stuck copy: it holds the lock, so it is alive, but it does not answer as it should.
    InstanceLock stuck;
    QCOMPARE(stuck.TryAcquire(paths.lock, nullptr), InstanceLock::State::Acquired);
    QLocalServer server;
    QList<QLocalSocket*> clients;
    QTimer trickle;
    if (behaviour != "no server") {
        QVERIFY(server.listen(paths.socket));
        connect(&server, &QLocalServer::newConnection, &server, [&] {
            QLocalSocket* client = server.nextPendingConnection();
            clients << client;
            if (behaviour == "wrong")
                client->write("no\n");
        });
        connect(&trickle, &QTimer::timeout, &server, [&] {
            if (behaviour == "trickle")
                for (QLocalSocket* client : clients)
                    client->write("o");
        });
        trickle.start(500);
    }

    constexpr int kDeadlineMs = 1000;
    qint64 elapsed = 0;
    QCOMPARE(StartOnOtherThread(paths, kDeadlineMs, &elapsed), SingleInstance::Outcome::Unresponsive);
    // Generous slack for a loaded machine; without an overall deadline these starts never end.
    QVERIFY2(elapsed < kDeadlineMs + 1500, qPrintable(QString::number(elapsed)));

    InstanceProbe probe = InstanceProbe::None;
    OnOtherThread([&] { probe = ProbeRunningInstance(paths, kDeadlineMs); });
    QCOMPARE(probe, InstanceProbe::Unresponsive);
}

void SingleInstanceTest::endpointThatCannotBeSetUpIsReported()
{
    QTemporaryDir dir;
    const InstancePaths paths = PathsIn(dir);
    // A folder where the socket belongs cannot be replaced by a socket.
    QVERIFY(QDir().mkdir(paths.socket));
    SingleInstance first;
    QCOMPARE(first.Start(paths, 500, {}), SingleInstance::Outcome::Unavailable);
    QVERIFY2(first.ErrorText().contains(paths.socket), qPrintable(first.ErrorText()));

    // A folder where the lock belongs cannot be locked.
    QTemporaryDir other;
    QVERIFY(QDir().mkdir(PathsIn(other).lock));
    SingleInstance second;
    QCOMPARE(second.Start(PathsIn(other), 500, {}), SingleInstance::Outcome::Unavailable);
    QVERIFY2(second.ErrorText().contains(PathsIn(other).lock), qPrintable(second.ErrorText()));

    // The program says so on standard error and still opens its window.
    QTemporaryDir tmp;
    QFile planted(tmp.filePath(QStringLiteral("tarq362a-%1").arg(::geteuid())));
    QVERIFY(planted.open(QIODevice::WriteOnly));
    planted.close();
    QProcessEnvironment env = ProgramEnvironment({});
    env.remove("XDG_RUNTIME_DIR");
    env.insert("TMPDIR", tmp.path());
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(TARQ_PROGRAM, {});
    QVERIFY(program.waitForStarted());
    QByteArray errors;
    QTRY_VERIFY_WITH_TIMEOUT((errors += program.readAllStandardError()).contains("could not be set up"), 15000);
    QVERIFY2(errors.contains(planted.fileName().toLocal8Bit()), errors.constData());
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
}

void SingleInstanceTest::twoProgramStartsTogetherOpenOneWindow()
{
    constexpr int kTrials = 20;
    int oneWindow = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        QTemporaryDir runtime;
        QProcess copies[2];
        for (QProcess& copy : copies)
            copy.setProcessEnvironment(ProgramEnvironment(runtime.path()));
        for (QProcess& copy : copies)
            copy.start(TARQ_PROGRAM, {});
        for (QProcess& copy : copies)
            QVERIFY(copy.waitForStarted());

        // The later start ends once the first copy answers; a copy that opened a window runs on.
        QElapsedTimer clock;
        clock.start();
        while (copies[0].state() == QProcess::Running && copies[1].state() == QProcess::Running &&
               clock.elapsed() < 20000)
            QTest::qWait(20);
        QTest::qWait(300);
        int windows = 0;
        for (QProcess& copy : copies) {
            if (copy.state() == QProcess::Running) {
                ++windows;
            } else {
                QCOMPARE(copy.exitCode(), 0);
                QVERIFY(copy.readAllStandardOutput().contains("already running"));
            }
        }
        if (windows == 1)
            ++oneWindow;
        for (QProcess& copy : copies) {
            copy.kill();
            copy.waitForFinished();
        }
    }
    qInfo("two starts together: one window in %d of %d trials", oneWindow, kTrials);
    QCOMPARE(oneWindow, kTrials);
}

void SingleInstanceTest::programThatFindsAnUnresponsiveCopySaysSoAndOpensNoWindow()
{
    QTemporaryDir runtime;
    QString error;
    ScopedEnv xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const InstancePaths paths = FindInstancePaths(&error);
    QVERIFY2(paths.Valid(), qPrintable(error));
    InstanceLock stuck;
    QCOMPARE(stuck.TryAcquire(paths.lock, nullptr), InstanceLock::State::Acquired);
    QLocalServer silent;
    QVERIFY(silent.listen(paths.socket));

    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(runtime.path()));
    QElapsedTimer clock;
    clock.start();
    second.start(TARQ_PROGRAM, {});
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, kInstanceDeadlineMs + 10000);
    QCOMPARE(second.exitCode(), 1);
    QVERIFY(second.readAllStandardError().contains("did not answer"));
    qInfo("an unresponsive copy held the start for %lld ms", static_cast<long long>(clock.elapsed()));
}

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
