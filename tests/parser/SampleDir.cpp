#include "SampleDir.h"

#include <QFile>

QString SampleDir::write(const QString &name, const QByteArray &bytes) const
{
    const QString filePath = path(name);
    // A new file rather than a truncated one: the file system flushes files
    // that are truncated and rewritten, which makes rewriting loops crawl.
    QFile::remove(filePath);
    QFile out(filePath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        return QString();
    return filePath;
}
