#include "VideoFile.h"

#include "FileNameCodec.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QStringList extensions = {QStringLiteral(".mp4"), QStringLiteral(".mov"),
                                QStringLiteral(".avi")};

// The reasons are shown to the user, in the user's language.
QString notRegularFile()
{
    return QCoreApplication::translate("VideoFile", "not a regular file (a named pipe, device or socket)");
}

QString folder()
{
    return QCoreApplication::translate("VideoFile", "is a folder");
}

#ifdef Q_OS_UNIX
// O_NONBLOCK makes the open itself return at once even for a named pipe; the
// type is then read from the open descriptor, so nothing swapped in between
// a check and the open can slip through.
QString openRegularFile(QFile &file, const QString &path, QIODevice::OpenMode extraMode)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat status {};
    QString reason;
    if (::fstat(fd, &status) != 0)
        reason = qt_error_string(errno);
    else if (S_ISDIR(status.st_mode))
        reason = folder();
    else if (!S_ISREG(status.st_mode))
        reason = notRegularFile();
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        reason = qt_error_string(errno);
    else if (!file.open(fd, QIODevice::ReadOnly | extraMode, QFileDevice::AutoCloseHandle))
        reason = file.errorString();
    else
        return {};
    ::close(fd);
    return reason;
}
#else
QString openRegularFile(QFile &file, const QString &path, QIODevice::OpenMode extraMode)
{
    const QFileInfo info(path);
    if (info.isDir())
        return folder();
    if (info.exists() && !info.isFile())
        return notRegularFile();
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly | extraMode) ? QString() : file.errorString();
}
#endif

} // namespace

bool VideoFile::isVideoFileName(const QString &name)
{
    for (const QString &extension : extensions) {
        if (name.endsWith(extension, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QStringList VideoFile::nameFilters()
{
    QStringList filters;
    for (const QString &extension : extensions)
        filters << QLatin1Char('*') + extension;
    return filters;
}

QString VideoFile::checkOpenable(const QString &path)
{
    QFile file;
    return open(file, path);
}

QString VideoFile::open(QFile &file, const QString &path, QIODevice::OpenMode extraMode)
{
    if (path.isEmpty())
        return QCoreApplication::translate("VideoFile", "not a local file");
    return openRegularFile(file, path, extraMode);
}

QString VideoFile::localPath(const QUrl &url)
{
    const QString path = url.toLocalFile();
    if (!path.contains(QChar::ReplacementCharacter) || !url.host().isEmpty())
        return path;
    return QFile::decodeName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QUrl VideoFile::fileUrl(const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    if (!FileNameCodec::holdsRawBytes(path))
        return url;
    // QUrl would write the stand-ins for raw bytes as UTF-8; the URL must
    // hold the bytes themselves.
    const QByteArray bytes = QFile::encodeName(url.path(QUrl::FullyDecoded));
    QUrl raw = url;
    raw.setPath(QString::fromLatin1(bytes.toPercentEncoding("/")), QUrl::StrictMode);
    return raw;
}
