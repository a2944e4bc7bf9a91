#pragma once
// One running copy of the program. A second start finds the running one through a local
// socket named after the window title, asks it to restore and raise its window, and ends.

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

namespace tarq {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);

    // The socket name for a window title: the title, made safe for a socket name, and the user,
    // so two users of one machine each run their own copy.
    static QString ServerName(const QString& windowTitle);

    // Asks a running copy listening on `name` to show its window; true when one answered.
    static bool AskRunningToShow(const QString& name, int timeoutMs = 1000);

    // Listens for later starts and calls `onShowRequest` for each. A socket left behind by a
    // copy that crashed is replaced. False when listening fails.
    bool Listen(const QString& name, std::function<void()> onShowRequest);

private:
    QLocalServer server_;
    std::function<void()> onShowRequest_;
};

} // namespace tarq
