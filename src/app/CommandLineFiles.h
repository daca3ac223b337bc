#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The recordings a desktop or a user hands the player on its command line
// ("Open with", a double click in a file manager): paths, relative or
// absolute, or file URLs. Files are taken like files dropped on the video
// area: existing .mov, .mp4 and .avi files only; a folder stands for the
// recordings directly in it, sorted by name.
class CommandLineFiles
{
public:
    // `arguments`: the files and folders only, relative to `workingDir`.
    static QList<QUrl> videoUrls(const QStringList &arguments, const QString &workingDir);
    // The arguments, as given, that name local files which do not exist, so
    // that the user hears of them instead of losing them without a word.
    static QStringList missingFiles(const QStringList &arguments, const QString &workingDir);

private:
    static bool isVideoFile(const QUrl &url);
};
