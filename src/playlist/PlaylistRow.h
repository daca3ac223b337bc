#pragma once

#include "TrackPoint.h"
#include "VideoParser.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QUrl>

// One opened file of the playlist. Rows are created and destroyed by the
// playlist model only; a pointer to a row stays valid for the model's life,
// so the main window and the play area may keep one.
struct PlaylistRow
{
    int id = 0;              // position in the list, carried by telemetry signals
    QString fileName;        // name without folder
    int duration = 0;        // whole seconds, 0 until the VideoInfo arrives
    QDateTime createDate;    // file system birth time
    qint64 size = 0;         // bytes
    QSize resolution{0, 0};  // 0 x 0 until the VideoInfo arrives
    // Why the file cannot be read or played, in the system's or the media
    // framework's words where there are some; worded at display time.
    enum Failure { NoFailure, CannotOpen, NoVideo, CannotPlay };
    Failure failure = NoFailure;
    QString failureDetail;
    // The file was cut short (a card pulled while the camera wrote); so many
    // seconds of its telemetry can be read, some perhaps found by a scan.
    bool truncated = false;
    bool telemetryRecovered = false;
    int telemetrySeconds = -1; // seconds with a telemetry record; -1 until the VideoInfo arrives
    QDateTime creationTime;  // the video track's, as the camera wrote it (UTC); invalid when none
    TelemetryTrack track;    // every record of the file, once the worker has decoded them
    bool trackKnown = false;
    int trip = -1;           // the trip of the row's recording; -1: none (yet)
    VideoParser parser;      // the row's own parse worker, lives and dies with it
    QUrl url;                // as added, unchanged
};
