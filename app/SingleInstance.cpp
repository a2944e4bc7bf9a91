// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include "app/Main.h"

namespace tarq {

namespace {

constexpr char kShowRequest[] = "show\n";   // raise the window
constexpr char kPingRequest[] = "ping\n";   // only say that the window runs
constexpr char kAnswer[] = "ok\n";
// Requests and answers are one short line; anything longer is not from this program.
constexpr qint64 kMaxLine = 16;
// How long a connection may stay without a request before the running copy drops it.
constexpr int kIdleConnectionMs = 5000;
// Pause between attempts while the lock holder is not listening yet.
constexpr unsigned long kRetryMs = 20;

enum class Reply { Answered, NotListening, NoAnswer };

// Sends one request and waits for the answer line, all within `deadline`.
Reply Ask(const QString& socketPath, const char* request, const QDeadlineTimer& deadline)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) {
        const auto error = socket.error();
        return error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError
                   ? Reply::NotListening
                   : Reply::NoAnswer;
    }
    socket.write(request);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return Reply::NoAnswer;
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > kMaxLine || deadline.hasExpired() ||
            !socket.waitForReadyRead(int(deadline.remainingTime())))
            return Reply::NoAnswer;
    }
    return socket.readLine(kMaxLine + 1) == kAnswer ? Reply::Answered : Reply::NoAnswer;
}

QString SafeFileName(const QString& text)
{
    QString name = text;
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return name;
}

} // namespace

InstancePaths FindInstancePaths(QString* error)
{
    const QString folder = PrivateRuntimeFolder(error);
    if (folder.isEmpty())
        return {};
    const QString base = folder + QLatin1Char('/') + SafeFileName(QString::fromLatin1(TForm1::kWindowTitle));
    return {base + QStringLiteral(".lock"), base + QStringLiteral(".socket")};
}

InstanceProbe ProbeRunningInstance(int deadlineMs)
{
    return ProbeRunningInstance(FindInstancePaths(nullptr), deadlineMs);
}

InstanceProbe ProbeRunningInstance(const InstancePaths& paths, int deadlineMs)
{
    if (!paths.Valid())
        return InstanceProbe::None;
    const QDeadlineTimer deadline(deadlineMs);
    for (;;) {
        switch (Ask(paths.socket, kPingRequest, deadline)) {
        case Reply::Answered:
            return InstanceProbe::Running;
        case Reply::NoAnswer:
            return InstanceProbe::Unresponsive;
        case Reply::NotListening:
            break;
        }
        // Nobody listens: either no copy runs, or one has taken the lock and is about to listen.
        InstanceLock probe;
        if (probe.TryAcquire(paths.lock, nullptr) != InstanceLock::State::HeldElsewhere)
            return InstanceProbe::None;
        if (deadline.hasExpired())
            return InstanceProbe::Unresponsive;
        QThread::msleep(kRetryMs);
    }
}

// The listening end: answers each request line and reports show requests.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    InstanceServer() : server_(new QLocalServer(this))
    {
        // The folder is private to the user, so the socket needs no permissions of its own
        // (and Qt's access options would rename the socket into place, over whatever is there).
        server_->setSocketOptions(QLocalServer::NoOptions);
        connect(server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* socket = server_->nextPendingConnection())
                Serve(socket);
        });
    }

    bool Listen(const QString& path, QString* error)
    {
        if (server_->listen(path))
            return true;
        *error = path + QStringLiteral(": ") + server_->errorString();
        return false;
    }

signals:
    void showRequested();

private:
    void Serve(QLocalSocket* socket)
    {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kIdleConnectionMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxLine)
                    socket->abort();
                return;
            }
            const QByteArray request = socket->readLine(kMaxLine + 1);
            const bool show = request == kShowRequest;
            if (show || request == kPingRequest) {
                socket->write(kAnswer);
                socket->flush();
            }
            socket->disconnectFromServer();
            if (show)
                emit showRequested();
        });
    }

    QLocalServer* server_;
};

SingleInstance::SingleInstance(QObject* parent) : QObject(parent)
{
    serverThread_.setObjectName(QStringLiteral("SingleInstance"));
}

SingleInstance::~SingleInstance()
{
    if (!serverThread_.isRunning())
        return;
    // The server and its sockets end on their own thread, as it finishes.
    connect(&serverThread_, &QThread::finished, server_, &QObject::deleteLater);
    serverThread_.quit();
    serverThread_.wait();
}

SingleInstance::Outcome SingleInstance::Start(const InstancePaths& paths, int deadlineMs,
                                              std::function<void()> onShowRequest)
{
    error_.clear();
    if (!paths.Valid()) {
        error_ = QStringLiteral("no private folder for the lock");
        return Outcome::Unavailable;
    }
    const QDeadlineTimer deadline(deadlineMs);
    for (;;) {
        switch (lock_.TryAcquire(paths.lock, &error_)) {
        case InstanceLock::State::Failed:
            return Outcome::Unavailable;
        case InstanceLock::State::Acquired:
            // Whatever is at the socket path (the socket of a copy that crashed, or a stray
            // file) belongs to no running copy now that the lock is ours.
            QLocalServer::removeServer(paths.socket);
            if (!Listen(paths.socket, std::move(onShowRequest))) {
                // The lock stays taken: later starts then report an unresponsive copy instead
                // of opening more windows.
                return Outcome::Unavailable;
            }
            return Outcome::First;
        case InstanceLock::State::HeldElsewhere:
            break;
        }
        switch (Ask(paths.socket, kShowRequest, deadline)) {
        case Reply::Answered:
            return Outcome::ShownRunning;
        case Reply::NoAnswer:
            return Outcome::Unresponsive;
        case Reply::NotListening:
            // The holder is still starting (or has just ended): try the lock again.
            break;
        }
        if (deadline.hasExpired())
            return Outcome::Unresponsive;
        QThread::msleep(kRetryMs);
    }
}

bool SingleInstance::Listen(const QString& socketPath, std::function<void()> onShowRequest)
{
    onShowRequest_ = std::move(onShowRequest);
    server_ = new InstanceServer;
    connect(server_, &InstanceServer::showRequested, this, [this] {
        if (onShowRequest_)
            onShowRequest_();
    });
    server_->moveToThread(&serverThread_);
    serverThread_.start();
    bool listening = false;
    QMetaObject::invokeMethod(server_, [&] { listening = server_->Listen(socketPath, &error_); },
                              Qt::BlockingQueuedConnection);
    return listening;
}

} // namespace tarq

#include "SingleInstance.moc"
