#include "TripPresentation.h"

#include <algorithm>

namespace {

// Calls `use(tripSecond, point)` for each point that lies inside its clip's
// video: the camera also records a second before and after a clip, which
// belong to the neighbours' time.
template<class Use>
void forEachPoint(const Trip &trip, const QVector<TelemetryTrack> &clipTracks, Use use)
{
    const int clips = std::min(trip.clips.size(), clipTracks.size());
    for (int i = 0; i < clips; ++i) {
        const TripClip &clip = trip.clips[i];
        for (const TrackPoint &point : clipTracks[i]) {
            if (point.second < 0 || (clip.durationSeconds > 0 && point.second >= clip.durationSeconds))
                continue;
            use(clip.offsetSeconds + point.second, point);
        }
    }
}

} // namespace

TimelineTrip TripPresentation::timeline(const Trip &trip, const QVector<TelemetryTrack> &clipTracks,
                                        const QStringList &clipNames)
{
    TimelineTrip value;
    value.durationSeconds = trip.durationSeconds;
    value.startUtcMsecs = trip.startUtcMsecs;
    value.hasStartTime = trip.hasTime;
    for (int i = 0; i < trip.clips.size(); ++i) {
        const TripClip &clip = trip.clips[i];
        value.clips.append({clip.offsetSeconds, clip.durationSeconds, clipNames.value(i)});
        value.durationSeconds = std::max(value.durationSeconds, clip.offsetSeconds + clip.durationSeconds);
    }
    forEachPoint(trip, clipTracks, [&value](int second, const TrackPoint &point) {
        value.speeds.append({second, point.speedKmh});
    });
    // Overlapping clips would leave the seconds out of order.
    std::stable_sort(value.speeds.begin(), value.speeds.end(),
                     [](const TimelineTrip::Speed &a, const TimelineTrip::Speed &b) { return a.second < b.second; });
    for (const TelemetryEvent &event : trip.events) {
        if (event.clip < 0 || event.clip >= trip.clips.size())
            continue;
        value.events.append({trip.clips[event.clip].offsetSeconds + event.second,
                             event.kind == TelemetryEvent::Vertical ? TimelineTrip::Event::Vertical
                                                                    : TimelineTrip::Event::Horizontal,
                             event.g});
    }
    return value;
}

QVector<MapPoint> TripPresentation::route(const Trip &trip, const QVector<TelemetryTrack> &clipTracks)
{
    QVector<MapPoint> points;
    forEachPoint(trip, clipTracks, [&points](int second, const TrackPoint &point) {
        if (point.hasFix)
            points.append(MapPoint{second, point.longitude, point.latitude});
    });
    std::stable_sort(points.begin(), points.end(),
                     [](const MapPoint &a, const MapPoint &b) { return a.second < b.second; });
    return points;
}
