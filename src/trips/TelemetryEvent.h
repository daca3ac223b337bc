#pragma once

#include <QMetaType>

// A second whose G-sensor values stand out from the file's usual ones: a
// hard brake, a swerve (horizontal) or a pothole (vertical).
struct TelemetryEvent
{
    enum Kind { Horizontal, Vertical };   // JSON: "horizontal", "vertical"
    int clip = 0;     // index into the trip's clips
    int second = 0;   // second within that clip
    Kind kind = Horizontal;
    float g = 0;      // magnitude beyond the median, in g
};

Q_DECLARE_METATYPE(TelemetryEvent)
