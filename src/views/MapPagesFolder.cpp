#include "MapPagesFolder.h"

#include "InstallLayout.h"

#include <QCoreApplication>
#include <QDir>

QString MapPagesFolder::path()
{
    return pathFor(QCoreApplication::applicationDirPath());
}

QString MapPagesFolder::pathFor(const QString &applicationDir)
{
    const QString dataFolder = InstallLayout::dataFolder(applicationDir);
    return QDir(dataFolder.isEmpty() ? applicationDir : dataFolder).filePath(QStringLiteral("maps"));
}
