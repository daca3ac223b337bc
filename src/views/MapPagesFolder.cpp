#include "MapPagesFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString MapPagesFolder::path()
{
    return pathFor(QCoreApplication::applicationDirPath());
}

QString MapPagesFolder::pathFor(const QString &applicationDir)
{
    const QDir executableDir(applicationDir);
    const QString besideExecutable = executableDir.filePath(QStringLiteral("maps"));
    if (QFileInfo(besideExecutable).isDir())
        return besideExecutable;
    const QString installed =
        QDir::cleanPath(executableDir.filePath(QStringLiteral("../share/vantrel/maps")));
    if (QFileInfo(installed).isDir())
        return installed;
    return besideExecutable;
}
