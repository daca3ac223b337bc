#include "InstanceChannel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A request is a 4-byte big-endian length, then the working folder and each
// argument in the file system's encoding, each ended by a zero byte (which
// no path can hold). The listener answers with one byte once it has them.
constexpr int lengthBytes = 4;
const char acknowledgement = '\x06';

QByteArray encodeRequest(const QString &workingDir, const QStringList &arguments)
{
    QByteArray payload = QFile::encodeName(workingDir) + '\0';
    for (const QString &argument : arguments)
        payload += QFile::encodeName(argument) + '\0';
    QByteArray request(lengthBytes, '\0');
    qToBigEndian<quint32>(quint32(payload.size()), request.data());
    return request + payload;
}

} // namespace

InstanceChannel::InstanceChannel(const QString &name, QObject *parent)
    : QObject(parent)
    , mName(name)
{
}

QString InstanceChannel::nameFor(const QString &runtimeDir, const QString &display)
{
    QString safeDisplay = display;
    safeDisplay.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return QDir(runtimeDir).filePath(QStringLiteral("vantrel-%1.socket").arg(safeDisplay));
}

QString InstanceChannel::defaultName()
{
    // The runtime folder is the user's own; without one, a folder of the
    // user's own in the shared temporary folder, so that no other user can
    // take the name first and swallow the files handed over.
    QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    if (runtimeDir.isEmpty() || !QFileInfo(runtimeDir).isDir())
        runtimeDir = privateTempFolder();
    return runtimeDir.isEmpty() ? QString() : nameFor(runtimeDir, display);
}

// Empty when the folder cannot be made, or is not a folder only this user
// can enter (made by someone else first): then no window is shared.
QString InstanceChannel::privateTempFolder()
{
    const QString path = QDir::temp().filePath(QStringLiteral("vantrel-%1").arg(::getuid()));
    const QByteArray name = QFile::encodeName(path);
    ::mkdir(name.constData(), 0700);
    struct stat info;
    if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()
        || (info.st_mode & 077) != 0)
        return {};
    return path;
}

bool InstanceChannel::handOver(const QString &workingDir, const QStringList &arguments, int timeoutMs)
{
    if (mName.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(mName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(encodeRequest(workingDir, arguments));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(timeoutMs))
            return false;
    }
    return socket.waitForReadyRead(timeoutMs) && socket.read(1) == QByteArray(1, acknowledgement);
}

bool InstanceChannel::listen()
{
    if (mName.isEmpty())
        return false;
    if (!mServer) {
        // Qt's access options would put the socket in place by renaming,
        // over one that a running instance listens on; the runtime folder
        // is the user's own anyway.
        mServer = new QLocalServer(this);
        connect(mServer, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = mServer->nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    if (mServer->isListening() || mServer->listen(mName))
        return true;
    // A socket file that takes no connection is what a crashed instance
    // leaves behind; one that does belongs to a running instance.
    QLocalSocket probe;
    probe.connectToServer(mName);
    if (probe.waitForConnected(100))
        return false;
    QLocalServer::removeServer(mName);
    return mServer->listen(mName);
}

QString InstanceChannel::errorString() const
{
    if (mName.isEmpty())
        return tr("there is no folder only this user can enter for its socket");
    return mServer ? mServer->errorString() : QString();
}

void InstanceChannel::readRequest(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < lengthBytes)
        return;
    char header[lengthBytes];
    socket->peek(header, lengthBytes);
    const quint32 length = qFromBigEndian<quint32>(header);
    if (length > quint32(maxRequestBytes)) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < lengthBytes + qint64(length))
        return;
    socket->skip(lengthBytes);
    const QByteArray payload = socket->read(length);
    QStringList fields;
    for (const QByteArray &field : payload.split('\0'))
        fields << QFile::decodeName(field);
    // The last zero byte ends the last field; a request without the working
    // folder is no request.
    fields.removeLast();
    if (fields.isEmpty()) {
        socket->abort();
        return;
    }
    socket->write(QByteArray(1, acknowledgement));
    socket->flush();
    const QString workingDir = fields.takeFirst();
    emit received(workingDir, fields);
}
