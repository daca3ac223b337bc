#pragma once

#include <QFile>
#include <QTemporaryDir>

// A scratch folder for the recordings a test writes; removed with the object.
class SampleDir
{
public:
    QString path(const QString &name) const { return mDir.filePath(name); }
    // Writes a new file and gives its path, empty on failure. (Rewriting a
    // truncated file makes the file system flush it, and loops crawl.)
    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile::remove(path(name));
        QFile out(path(name));
        const bool written = out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
        return written ? path(name) : QString();
    }

private:
    QTemporaryDir mDir;
};
