#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The video files a desktop hands the player when the user opens recordings
// with it ("Open with", a double click in a file manager): paths, relative or
// absolute, or file URLs after the program's own name. They are taken like
// files dropped on the video area: existing .mov, .mp4 and .avi files only.
class CommandLineFiles
{
public:
    // `arguments` as the application object leaves them, the program first.
    static QList<QUrl> videoUrls(const QStringList &arguments, const QString &workingDir);

private:
    static bool isVideoFile(const QUrl &url);
};
