#include "StaleTemporaries.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {
constexpr int staleAfterHours = 24;
}

void StaleTemporaries::remove(const QString &folder, const QString &pattern)
{
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-staleAfterHours * 3600);
    const QFileInfoList files = QDir(folder).entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &file : files) {
        if (file.lastModified().toUTC() < staleBefore)
            QFile::remove(file.filePath());
    }
}
