#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

// What the container says about the video as a whole. One per opened file,
// produced right after the container walk; all zero and a null time when the
// file could not be read or was not recognised.
struct VideoInfo
{
    qint32 width = 0;
    qint32 height = 0;
    quint32 duration = 0;   // whole seconds, truncated
    QDateTime creationTime; // video track creation time (MP4 only)
    // A box or chunk runs past the end of the file: the recording was cut
    // short, typically by a card pulled while the camera was writing.
    bool truncated = false;
    // Records whose fields lie wholly inside the file, of those the file's
    // index claims (or, when recovered, of those the scan found).
    quint32 readableRecords = 0;
    // The index of the records was missing or cut, and the records were
    // found by scanning the file for them.
    bool recovered = false;
    QString openError;      // why the file could not be opened; empty when it was
    quint32 telemetrySeconds = 0; // seconds that have a readable telemetry record; 0: none
};

Q_DECLARE_METATYPE(VideoInfo)
