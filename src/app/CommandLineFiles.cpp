#include "CommandLineFiles.h"

#include <QFileInfo>

QList<QUrl> CommandLineFiles::videoUrls(const QStringList &arguments, const QString &workingDir)
{
    QList<QUrl> urls;
    for (int i = 1; i < arguments.size(); ++i) {
        const QUrl url = QUrl::fromUserInput(arguments[i], workingDir, QUrl::AssumeLocalFile);
        if (isVideoFile(url))
            urls << url;
    }
    return urls;
}

bool CommandLineFiles::isVideoFile(const QUrl &url)
{
    if (!url.isLocalFile())
        return false;
    const QFileInfo file(url.toLocalFile());
    const QString suffix = file.suffix().toLower();
    return file.isFile()
        && (suffix == QLatin1String("mp4") || suffix == QLatin1String("mov")
            || suffix == QLatin1String("avi"));
}
