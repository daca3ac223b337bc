#pragma once

#include "TrackPoint.h"

#include <QString>

// One clip's share of an exported stretch: which seconds of which files.
// Plain value, built by the window from the playlist's trip.
struct ExportClip
{
    QString mainPath;       // local path of the main-camera file
    QString companionPath;  // second camera's file, empty when there is none
    int fromSecond = 0;     // first second of the clip in the range (within the clip)
    int toSecond = 0;       // end second, exclusive; toSecond > fromSecond
    TelemetryTrack track;   // the clip's whole decoded track (may be empty: no overlay texts then)

    int durationSeconds() const { return toSecond > fromSecond ? toSecond - fromSecond : 0; }
};
