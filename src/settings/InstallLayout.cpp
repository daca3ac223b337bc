#include "InstallLayout.h"

#include <QDir>
#include <QFileInfo>

QString InstallLayout::dataFolder(const QString &applicationDir)
{
    const QDir executableDir(applicationDir);
    if (QFileInfo(executableDir.filePath(QStringLiteral("maps"))).isDir())
        return QString();
    const QString installed = QDir::cleanPath(executableDir.filePath(QStringLiteral("../share/vantrel")));
    return QFileInfo(installed + QStringLiteral("/maps")).isDir() ? installed : QString();
}
