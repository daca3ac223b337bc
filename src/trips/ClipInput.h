#pragma once

#include "TrackPoint.h"
#include "VideoInfo.h"

#include <QString>

// What trip building needs of one main-camera clip. Second-camera companions
// are no inputs: they follow their main clip.
struct ClipInput
{
    QString path;
    TelemetryTrack track;             // may be empty (no telemetry)
    // When the track has no time: the time in the file name, else the video
    // track's creation time.
    qint64 fallbackStartUtcMsecs = 0;
    bool hasFallbackStart = false;
    int durationSeconds = 0;          // video duration

    // The input of a clip from its file's path, track and video information.
    static ClipInput of(const QString &path, const TelemetryTrack &track, const VideoInfo &info);
};
