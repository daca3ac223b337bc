#include "TripBuilder.h"

#include "EventDetector.h"
#include "GreatCircle.h"

#include <algorithm>

using namespace TripBuilder;

namespace {

struct PlacedClip
{
    int input = 0;
    bool hasStart = false;
    qint64 start = 0;
    int length = 0; // seconds
    qint64 end() const { return start + qint64(length) * 1000; }
};

PlacedClip place(const ClipInput &clip, int input)
{
    PlacedClip placed;
    placed.input = input;
    const int covered = clip.track.isEmpty() ? 0 : clip.track.last().second + 1;
    placed.length = qMax(clip.durationSeconds, covered);
    const auto timed = std::find_if(clip.track.cbegin(), clip.track.cend(),
                                    [](const TrackPoint &point) { return point.hasTime; });
    if (timed != clip.track.cend()) {
        placed.hasStart = true;
        placed.start = timed->utcMsecs - qint64(timed->second) * 1000;
    } else if (clip.hasFallbackStart) {
        placed.hasStart = true;
        placed.start = clip.fallbackStartUtcMsecs;
    }
    return placed;
}

// Sums great-circle steps between fixes. A step faster than the limit is a
// glitch: the point is skipped and the next step is taken from the last good
// fix; when the point after it agrees with the skipped one, the position
// really moved (a fix after a long outage) and the walk goes on from there.
class DistanceWalk
{
public:
    // Each step's length is worked out once: a card's tracks are walked
    // again whenever the trips are built anew.
    void add(const TrackPoint &point, qint64 tripSecond)
    {
        if (!point.hasFix)
            return;
        const Fix fix{point.latitude, point.longitude, tripSecond};
        if (!mHasAnchor) {
            mAnchor = fix;
            mHasAnchor = true;
            return;
        }
        const double fromAnchor = metres(mAnchor, fix);
        if (plausible(fromAnchor, mAnchor, fix))
            return step(fromAnchor, fix);
        if (mHasPending) {
            const double fromPending = metres(mPending, fix);
            if (plausible(fromPending, mPending, fix))
                return step(fromPending, fix);
        }
        mPending = fix;
        mHasPending = true;
    }
    double metresDriven() const { return mMetres; }

private:
    struct Fix { double latitude, longitude; qint64 second; };
    static double metres(const Fix &a, const Fix &b)
    {
        return GreatCircle::metres(a.latitude, a.longitude, b.latitude, b.longitude);
    }
    static bool plausible(double stepMetres, const Fix &from, const Fix &to)
    {
        const double seconds = double(qMax<qint64>(1, to.second - from.second));
        return stepMetres / seconds <= maxPlausibleSpeedKmh / 3.6;
    }
    void step(double stepMetres, const Fix &to)
    {
        mMetres += stepMetres;
        mAnchor = to;
        mHasPending = false;
    }

    Fix mAnchor{}, mPending{};
    bool mHasAnchor = false, mHasPending = false;
    double mMetres = 0;
};

void summarise(Trip &trip, const QVector<ClipInput> &inputs, const TripSettings &settings)
{
    DistanceWalk walk;
    double movingSum = 0;
    int movingSeconds = 0;
    for (int c = 0; c < trip.clips.size(); ++c) {
        const TripClip &clip = trip.clips[c];
        const TelemetryTrack &track = inputs[clip.input].track;
        for (const TrackPoint &point : track) {
            walk.add(point, qint64(clip.offsetSeconds) + point.second);
            if (!point.hasFix || point.speedKmh > maxPlausibleSpeedKmh)
                continue;
            trip.maxSpeedKmh = qMax(trip.maxSpeedKmh, double(point.speedKmh));
            if (point.speedKmh >= movingSpeedKmh) {
                movingSum += point.speedKmh;
                ++movingSeconds;
            }
        }
        for (TelemetryEvent event : detectEvents(track, settings)) {
            event.clip = c;
            trip.events.append(event);
        }
    }
    trip.distanceMetres = walk.metresDriven();
    trip.averageMovingSpeedKmh = movingSeconds > 0 ? movingSum / movingSeconds : 0.0;
}

Trip startTrip(const PlacedClip &clip)
{
    Trip trip;
    trip.hasTime = clip.hasStart;
    trip.startUtcMsecs = trip.endUtcMsecs = clip.start;
    return trip;
}

void addClip(Trip &trip, const PlacedClip &clip)
{
    const int offset = static_cast<int>((clip.start - trip.startUtcMsecs) / 1000);
    trip.clips.append({clip.input, clip.start, offset, clip.length});
    trip.endUtcMsecs = qMax(trip.endUtcMsecs, clip.end());
    trip.durationSeconds = static_cast<int>((trip.endUtcMsecs - trip.startUtcMsecs) / 1000);
}

} // namespace

QVector<Trip> buildTrips(const QVector<ClipInput> &clips, const TripSettings &settings)
{
    QVector<PlacedClip> placed;
    placed.reserve(clips.size());
    for (int i = 0; i < clips.size(); ++i)
        placed.append(place(clips[i], i));
    std::stable_sort(placed.begin(), placed.end(), [&clips](const PlacedClip &a, const PlacedClip &b) {
        if (a.hasStart != b.hasStart)
            return a.hasStart;
        if (a.hasStart && a.start != b.start)
            return a.start < b.start;
        return clips[a.input].path < clips[b.input].path;
    });

    const qint64 gap = qint64(settings.gapSeconds) * 1000;
    QVector<Trip> trips;
    for (const PlacedClip &clip : qAsConst(placed)) {
        const bool joins = clip.hasStart && !trips.isEmpty() && trips.last().hasTime
                           && clip.start - trips.last().endUtcMsecs <= gap;
        if (!joins)
            trips.append(startTrip(clip));
        addClip(trips.last(), clip);
    }
    for (Trip &trip : trips)
        summarise(trip, clips, settings);
    return trips;
}
