#pragma once

#include "TrackPoint.h"

#include <QStringList>

// The texts shown for one second of a recording: camera date and time,
// speed in the chosen unit and the position. Plain text; each subtitle
// format escapes what it would otherwise interpret.
class TelemetryCaption
{
public:
    static QStringList lines(const TrackPoint &point, bool milesPerHour);
    static QString speedText(float kmh, bool milesPerHour);
    static QString positionText(double latitude, double longitude);
};
