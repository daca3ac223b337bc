#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// What the trip timeline draws: one trip laid out in trip seconds (second 0
// is the trip's start). Plain values, built by whoever knows the trip.
struct TimelineTrip
{
    struct Clip
    {
        int offsetSeconds = 0;   // clip start in the trip
        int durationSeconds = 0;
        QString name;            // shown when the pointer is over the clip
    };
    struct Speed
    {
        int second = 0;          // trip second
        float kmh = 0;
    };
    struct Event
    {
        enum Kind { Horizontal, Vertical };
        int second = 0;          // trip second
        Kind kind = Horizontal;
        float g = 0;             // beyond the usual, in g
    };

    int durationSeconds = 0;     // 0: no trip, nothing to draw
    qint64 startUtcMsecs = 0;    // camera time of second 0
    bool hasStartTime = false;
    QVector<Clip> clips;         // in trip order
    QVector<Speed> speeds;       // in second order; seconds without a record are left out
    QVector<Event> events;
};

Q_DECLARE_METATYPE(TimelineTrip)
