#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QUrl>

// Which local files the programs take as recordings, and how they open
// them: every front end (the player's dialog, drops and command line, the
// exporter, the parse worker) asks here.
class VideoFile
{
public:
    // Names ending in .mp4, .mov or .avi, in any case.
    static bool isVideoFileName(const QString &name);
    // The same test as patterns for a file dialog.
    static QStringList nameFilters();

    // Why `path` cannot be read as a recording, or an empty text when it
    // can. Only regular files (after following links) are read: opening a
    // named pipe waits for a writer that may never come, and a device may
    // never end.
    static QString checkOpenable(const QString &path);
    // Opens `file` read-only (with `extraMode`) for `path` without ever
    // blocking, refusing all but regular files; returns the reason on
    // failure, with the file left closed.
    static QString open(QFile &file, const QString &path,
                        QIODevice::OpenMode extraMode = QIODevice::NotOpen);

    // The local path of a file URL, byte for byte: a URL may carry a name
    // that is not UTF-8 as percent-encoded bytes, which QUrl::toLocalFile
    // would turn into U+FFFD. Empty for a URL that is not a local file.
    static QString localPath(const QUrl &url);
    // The URL of a local path whose encoded form holds the name's own bytes,
    // as the media framework needs to find it.
    static QUrl fileUrl(const QString &path);
};
