#include "RecordingFiles.h"

#include "CameraTime.h"
#include "VideoFile.h"

#include <QDir>

#include <algorithm>

namespace {

void collect(const QDir &dir, const QString &prefix, int depthLeft, QStringList &found)
{
    // Symbolic links to folders are not followed: a link to a parent would
    // never end.
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Readable);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            if (depthLeft > 0)
                collect(QDir(entry.filePath()), prefix + entry.fileName() + QLatin1Char('/'), depthLeft - 1, found);
        } else if (VideoFile::isVideoFileName(entry.fileName())) {
            found << prefix + entry.fileName();
        }
    }
}

QStringList relativePaths(const QString &folder, bool recursive)
{
    QStringList found;
    collect(QDir(folder), QString(), recursive ? RecordingFiles::maxDepth : 0, found);
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

QStringList RecordingFiles::inFolder(const QString &folder, bool recursive)
{
    const QDir dir(folder);
    QStringList paths;
    for (const QString &relative : relativePaths(folder, recursive))
        paths << dir.filePath(relative);
    return paths;
}

QStringList RecordingFiles::byRecordingTime(const QString &folder)
{
    struct Recording {
        QDateTime began;
        QString path;
    };
    QVector<Recording> recordings;
    for (const QString &path : inFolder(folder, true))
        recordings.append({recordingTime(QFileInfo(path)), path});
    // Front and rear clips of one moment, in sibling folders, differ only
    // in the camera letter at the end of their names.
    std::stable_sort(recordings.begin(), recordings.end(), [](const Recording &a, const Recording &b) {
        if (a.began != b.began)
            return a.began < b.began;
        return QFileInfo(a.path).fileName() < QFileInfo(b.path).fileName();
    });
    QStringList paths;
    for (const Recording &recording : recordings)
        paths << recording.path;
    return paths;
}

QDateTime RecordingFiles::recordingTime(const QFileInfo &file)
{
    QString digits;
    for (const QChar c : file.completeBaseName()) {
        if (c.isDigit())
            digits += c;
        else if (!digits.isEmpty() && c != QLatin1Char('_') && c != QLatin1Char('-'))
            break;
        if (digits.size() == 14)
            break;
    }
    // Named in the camera's GPS time, which is UTC (never a local time that
    // a clock change skips or repeats).
    const QDateTime named = digits.size() == 14 ? CameraTime::parse(digits.toLatin1().constData()) : QDateTime();
    return named.isValid() ? named : file.lastModified();
}
