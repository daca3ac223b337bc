#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A scratch folder for the recordings a test writes; removed with the object.
class SampleDir
{
public:
    bool isValid() const { return mDir.isValid(); }
    QString path(const QString &name) const { return mDir.filePath(name); }
    // Writes `bytes` as `name`; returns the file's path, empty on failure.
    QString write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir mDir;
};
