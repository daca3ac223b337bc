#include "CommandLineFiles.h"

#include "PlayAreaManager.h"
#include "RecordingFiles.h"
#include "VideoFile.h"

#include <QFileInfo>

QList<QUrl> CommandLineFiles::videoUrls(const QStringList &arguments, const QString &workingDir)
{
    QList<QUrl> urls;
    for (const QString &argument : arguments) {
        const QUrl url = QUrl::fromUserInput(argument, workingDir, QUrl::AssumeLocalFile);
        const QString folder = url.isLocalFile() ? VideoFile::localPath(url) : QString();
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            for (const QString &path : RecordingFiles::inFolder(folder, false))
                urls << VideoFile::fileUrl(path);
        } else if (isVideoFile(url)) {
            urls << url;
        }
    }
    return urls;
}

QStringList CommandLineFiles::missingFiles(const QStringList &arguments, const QString &workingDir)
{
    QStringList missing;
    for (const QString &argument : arguments) {
        const QUrl url = QUrl::fromUserInput(argument, workingDir, QUrl::AssumeLocalFile);
        if (url.isLocalFile() && !QFileInfo::exists(VideoFile::localPath(url)))
            missing << argument;
    }
    return missing;
}

// The drop test of the video area, for existing local files only: a desktop
// may hand over anything, and a missing file would only make an empty row.
// Whatever else exists under a recording's name goes on, so that the opener
// can say why a named pipe is not played.
bool CommandLineFiles::isVideoFile(const QUrl &url)
{
    return url.isLocalFile() && QFileInfo::exists(VideoFile::localPath(url))
           && PlayAreaManager::passesDropTest(url);
}
