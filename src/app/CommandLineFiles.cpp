#include "CommandLineFiles.h"

#include "PlayAreaManager.h"

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

// The drop test of the video area, for existing local files only: a desktop
// may hand over anything, and a missing file would only make an empty row.
bool CommandLineFiles::isVideoFile(const QUrl &url)
{
    return url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()
           && PlayAreaManager::passesDropTest(url);
}
