#include "CommandLineFiles.h"

#include "PlayAreaManager.h"
#include "VideoFile.h"

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
// Whatever exists under a recording's name goes on, so that the opener can
// say why a named pipe or a folder is not played.
bool CommandLineFiles::isVideoFile(const QUrl &url)
{
    return url.isLocalFile() && QFileInfo::exists(VideoFile::localPath(url))
           && PlayAreaManager::passesDropTest(url);
}
