#pragma once

#include "MapPoint.h"
#include "TimelineTrip.h"
#include "TrackPoint.h"
#include "Trip.h"

#include <QStringList>
#include <QVector>

// What the trip views show of a trip, in trip seconds: the timeline's
// value and the map's route. `clipTracks` and `clipNames` follow the trip's
// clips in order; a clip without telemetry has an empty track.
namespace TripPresentation {

TimelineTrip timeline(const Trip &trip, const QVector<TelemetryTrack> &clipTracks, const QStringList &clipNames);
// Every point with a position, in trip order.
QVector<MapPoint> route(const Trip &trip, const QVector<TelemetryTrack> &clipTracks);

} // namespace TripPresentation
