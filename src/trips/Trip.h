#pragma once

#include "TelemetryEvent.h"

#include <QMetaType>
#include <QVector>

struct TripClip
{
    int input = 0;            // index into the ClipInput vector given to buildTrips
    qint64 startUtcMsecs = 0; // start of the clip (camera time of first record, else fallback)
    int offsetSeconds = 0;    // clip start minus trip start, in seconds (gaps between clips stay gaps)
    int durationSeconds = 0;
};

// Clips recorded one after the other, as one drive.
struct Trip
{
    QVector<TripClip> clips;  // in recording order
    qint64 startUtcMsecs = 0, endUtcMsecs = 0;
    int durationSeconds = 0;  // end - start
    double distanceMetres = 0;       // great-circle steps, steps implying > 300 km/h ignored
    double maxSpeedKmh = 0, averageMovingSpeedKmh = 0;
    QVector<TelemetryEvent> events;
    // False for a trip of one clip that carries no time at all: its start
    // and end are then 0 and mean nothing.
    bool hasTime = true;
};

Q_DECLARE_METATYPE(Trip)
