#pragma once

#include "GpsData.h"

#include <QDateTime>
#include <QMetaType>
#include <QVector>

#include <type_traits>

// One second of a file's track: what trips, maps and track formats need of a
// sample, with a signed position and the camera time as UTC. Plain data, so
// a whole track crosses threads by value and stays small (a day of driving
// is a few megabytes).
struct TrackPoint
{
    qint32 second = 0;      // playback second in the file
    qint64 utcMsecs = 0;    // camera time (the camera writes GPS time = UTC), ms since the epoch
    bool hasTime = false;   // false when the record's digits are no date
    bool hasFix = false;    // false when the camera says it has no fix (both coordinates exactly 0)
    double latitude = 0;    // signed degrees, south negative
    double longitude = 0;   // signed degrees, west negative
    float speedKmh = 0;
    // Degrees in [0, 360), computed exactly as the samples served during
    // playback; a double like theirs, so track formats write the same value.
    double course = 0;
    float gX = 0, gY = 0, gZ = 0; // G-sensor axes in g, stored order (gZ is the vertical axis)

    // The point of a decoded sample.
    static TrackPoint fromSample(const GpsData &data);

    // Camera time as a UTC date-time; invalid without one.
    QDateTime time() const;
    double speedMetresPerSecond() const { return speedKmh / 3.6; }
};

static_assert(std::is_trivially_copyable<TrackPoint>::value,
              "TrackPoint crosses threads as plain bytes");

using TelemetryTrack = QVector<TrackPoint>;

Q_DECLARE_METATYPE(TrackPoint)
Q_DECLARE_METATYPE(TelemetryTrack)
