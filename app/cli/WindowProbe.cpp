#include "app/cli/WindowProbe.h"

#include "app/Main.h"
#include "app/SingleInstance.h"

#include <QLocalSocket>

namespace tarq {

QString WindowEndpointName()
{
    return qEnvironmentVariableIsEmpty("TARQ_INSTANCE_NAME")
        ? SingleInstance::ServerName(QString::fromLatin1(TForm1::kWindowTitle))
        : qEnvironmentVariable("TARQ_INSTANCE_NAME");
}

WindowState ProbeWindowEndpoint(const QString& name, int deadlineMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.waitForConnected(deadlineMs)) {
        socket.abort();
        return WindowState::Running;
    }
    switch (socket.error()) {
    case QLocalSocket::ServerNotFoundError:
    case QLocalSocket::ConnectionRefusedError:
        return WindowState::None;
    default:
        return WindowState::Unresponsive;
    }
}

} // namespace tarq
