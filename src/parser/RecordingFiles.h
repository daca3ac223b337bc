#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// Which files are recordings, and the recordings a folder holds. A camera's
// card keeps them in folders such as DCIM/Movie/F and DCIM/Movie/R, one per
// camera, each file named after the moment its recording began.
class RecordingFiles
{
public:
    // The recordings directly in `folder` (with `recursive`, in every folder
    // below it too), sorted by their path inside `folder`.
    static QStringList inFolder(const QString &folder, bool recursive);
    // Every recording in `folder` and below, in the order they were recorded;
    // a front and a rear clip of one moment keep their names' order.
    static QStringList byRecordingTime(const QString &folder);
    // When the recording began: the date and time its name starts with
    // (yyyyMMdd and hhmmss, separators allowed) as UTC, else its last change.
    static QDateTime recordingTime(const QFileInfo &file);

    // How deep below the chosen folder recordings are looked for; a card's
    // deepest layout is three levels.
    static constexpr int maxDepth = 6;
};
