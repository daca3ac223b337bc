#pragma once

#include "ExportClip.h"

#include <QString>
#include <QVector>

enum class ExportLayout { MainOnly, SideBySide, PictureInPicture };
// Named presets; the dialog shows tr() names, the argument builder maps them
// to encoder settings.
enum class ExportQuality { Compact, Standard, High };

// Everything one export needs to know: the clips of the stretch and how the
// user wants the video.
struct ExportRequest
{
    QVector<ExportClip> clips;  // consecutive clips of one trip, in recording order
    QString outputPath;         // final .mp4 path; .gpx and .srt go beside it under the same base name
    ExportLayout layout = ExportLayout::MainOnly;
    bool overlay = true;        // burn in camera date/time, speed, coordinates
    bool sound = true;          // main camera's sound
    ExportQuality quality = ExportQuality::Standard;
    bool milesPerHour = false;  // speed unit of the overlay and the .srt

    // Sum of the clips' shares.
    int durationSeconds() const;
    // One clip, no overlay, main camera only: cut without re-encoding.
    bool isStreamCopy() const;
    // The .gpx and .srt written beside the video.
    QString gpxPath() const;
    QString srtPath() const;

    // A file name after the trip's start and the range, e.g.
    // "Trip_2026-12-06_10-15-00_00-01-20_00-02-20.mp4" (trip start in UTC,
    // the camera's time, range as hours-minutes-seconds into the trip).
    static QString defaultFileName(qint64 tripStartUtcMsecs, int fromTripSecond, int toTripSecond);
};
