#pragma once

#include "ExportRequest.h"
#include "TrackPoint.h"

#include <QString>
#include <QVector>

class PlaylistModel;

// Which clips of a trip a marked stretch covers, and each one's share of it.
// The trip's clips come from the playlist; the shares are plain arithmetic
// on trip seconds, apart from the playlist so that they can be tested alone.
class ExportPlanner
{
public:
    // One clip of a trip as the export needs it.
    struct Source
    {
        QString mainPath;
        QString companionPath;   // empty when the second camera's file is not listed
        int offsetSeconds = 0;   // clip start in the trip
        int durationSeconds = 0;
        TelemetryTrack track;
    };

    // The trip's clips in recording order, with their files and tracks.
    static QVector<Source> tripSources(const PlaylistModel &model, int trip);
    // The clips that [fromTripSecond, toTripSecond) touches, cut to it; a
    // gap between clips is left out, so the video joins the clips.
    static QVector<ExportClip> clipsForRange(const QVector<Source> &sources, int fromTripSecond, int toTripSecond);
    // The request for the stretch with the clips filled in and the rest as
    // the request's defaults.
    static ExportRequest request(const PlaylistModel &model, int trip, int fromTripSecond, int toTripSecond);
    // True when every clip has its second camera's file, which the two-camera
    // layouts need.
    static bool hasCompanions(const QVector<ExportClip> &clips);
};
