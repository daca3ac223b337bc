#include "InstallLayout.h"

#include <QDir>
#include <QFileInfo>

QString InstallLayout::dataFolder(const QString &applicationDir)
{
    const QDir executableDir(applicationDir);
    if (QFileInfo(executableDir.filePath(QStringLiteral("maps"))).isDir())
        return QString();
    // The command in <prefix>/bin, or the player in <prefix>/lib/vantrel.
    const bool player = QDir::cleanPath(applicationDir).endsWith(QStringLiteral("/lib/vantrel"));
    const QString installed = QDir::cleanPath(executableDir.filePath(player ? QStringLiteral("../../share/vantrel")
                                                                            : QStringLiteral("../share/vantrel")));
    return QFileInfo(installed + QStringLiteral("/maps")).isDir() ? installed : QString();
}

QString InstallLayout::playerProgram(const QString &applicationDir)
{
    const QDir executableDir(applicationDir);
    const QString beside = executableDir.filePath(QStringLiteral("vantrel-player"));
    if (QFileInfo(beside).isFile())
        return beside;
    return QDir::cleanPath(executableDir.filePath(QStringLiteral("../lib/vantrel/vantrel-player")));
}
