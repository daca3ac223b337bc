#pragma once

#include "ClipInput.h"
#include "Trip.h"
#include "TripSettings.h"

#include <QVector>

// Clips into trips, as pure functions of their tracks.
//
// A clip starts at the camera time of its first record that has one (less
// that record's second), else at its fallback start. Clips are sorted by
// start (then by path) and a clip joins the trip before it when it starts at
// most gapSeconds after that trip's last record ends. A clip's length is its
// video duration, or the seconds its track covers when longer; times within
// a clip follow its playback seconds, so a GPS clock that jumps inside a
// clip moves nothing. Clips with no time at all make a trip each, after the
// others.
namespace TripBuilder {

// Above this, a step between two fixes is a GPS glitch and is not driven.
constexpr double maxPlausibleSpeedKmh = 300.0;
// Below this, a vehicle stands (GPS drift at a standstill reads a few km/h).
constexpr double movingSpeedKmh = 3.0;

} // namespace TripBuilder

QVector<Trip> buildTrips(const QVector<ClipInput> &clips, const TripSettings &settings = {});
