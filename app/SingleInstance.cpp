#include "app/SingleInstance.h"

#include <QLocalSocket>
#include <QRegularExpression>

namespace tarq {

namespace {

constexpr char kShowRequest[] = "show\n";
constexpr char kShowAnswer[] = "ok\n";

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent)
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == kShowRequest) {
                    socket->write(kShowAnswer);
                    socket->flush();
                    if (onShowRequest_)
                        onShowRequest_();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

QString SingleInstance::ServerName(const QString& windowTitle)
{
    QString name = windowTitle;
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return user.isEmpty() ? name : name + QLatin1Char('.') + user;
}

bool SingleInstance::AskRunningToShow(const QString& name, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kShowRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The running copy answers once it has taken the request.
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    return socket.readLine() == kShowAnswer;
}

bool SingleInstance::Listen(const QString& name, std::function<void()> onShowRequest)
{
    onShowRequest_ = std::move(onShowRequest);
    if (server_.listen(name))
        return true;
    // Nobody answered on this name (the caller asked first), so the socket is a leftover.
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

} // namespace tarq
