#pragma once

#include "TelemetryEvent.h"
#include "TrackPoint.h"
#include "TripSettings.h"

#include <QVector>

// The events of one file's track, in second order (horizontal before
// vertical within a second); their clip index is 0. The file's median of
// each axis is taken away first, so that a tilted mount and gravity do not
// count.
QVector<TelemetryEvent> detectEvents(const TelemetryTrack &track, const TripSettings &settings);
