#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// How a second start of the player reaches the window already open for the
// same user on the same display: the first start listens on a local socket,
// a later one hands its working folder and arguments over and ends. A socket
// file left behind by a crash answers no connection; it is replaced.
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    explicit InstanceChannel(const QString &name, QObject *parent = nullptr);

    // The socket for the user's runtime folder and the display.
    static QString nameFor(const QString &runtimeDir, const QString &display);
    // The name for this process's user and display; empty when there is no
    // folder only this user can enter.
    static QString defaultName();
    // The user's own folder in the temporary folder, used without a runtime
    // folder; empty when it is missing, not private, or not the user's.
    static QString privateTempFolder();

    // Hands the arguments to the instance that listens; true once it has
    // taken them. An instance still starting answers once its window is
    // up, so the answer may take a few seconds.
    bool handOver(const QString &workingDir, const QStringList &arguments, int timeoutMs = 8000);
    // Listens for later starts; false when another instance listens already
    // or the socket cannot be made.
    bool listen();
    // Why listen() failed, in the system's words.
    QString errorString() const;

    // The most a request may carry: arguments of some thousand files.
    static constexpr int maxRequestBytes = 4 << 20;

signals:
    void received(const QString &workingDir, const QStringList &arguments);

private:
    void readRequest(QLocalSocket *socket);

    QString mName;
    QLocalServer *mServer = nullptr;
};
