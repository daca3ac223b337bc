#pragma once

#include <QFile>
#include <QTemporaryDir>

// A scratch folder for the recordings a test writes; removed with the object.
struct SampleDir
{
    QString path(const QString &name) const { return dir.filePath(name); }
    // A new file's path, empty on failure (rewriting a cut one makes loops crawl).
    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile::remove(path(name));
        QFile out(path(name));
        const bool written = out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
        return written ? path(name) : QString();
    }
    QTemporaryDir dir;
};
