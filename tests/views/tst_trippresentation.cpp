#include "TripPresentation.h"

#include <QtTest>

namespace {

TrackPoint point(int second, double latitude, double longitude, float kmh, bool fix = true)
{
    return {second, 0, false, fix, latitude, longitude, kmh};
}

// Two clips of 3 s, the second starting 65 s into the trip, and a third clip
// without telemetry. The first clip's track holds the record after its end;
// the second has a second without a fix.
Trip sampleTrip(QVector<TelemetryTrack> *tracks)
{
    Trip trip;
    trip.startUtcMsecs = 1000;
    trip.durationSeconds = 68;
    trip.clips = {{0, 1000, 0, 3}, {1, 66000, 65, 3}, {2, 80000, 79, 5}};
    trip.events = {{1, 2, TelemetryEvent::Vertical, 0.7f}, {0, 1, TelemetryEvent::Horizontal, 0.4f},
                   {7, 1, TelemetryEvent::Vertical, 1.0f}};
    *tracks = {{point(0, 40.0, -73.0, 10), point(1, 40.1, -73.1, 20), point(2, 40.2, -73.2, 30),
                point(3, 40.3, -73.3, 99)},
               {point(0, 41.0, -74.0, 40), point(1, 0, 0, 0, false), point(2, 41.2, -74.2, 60)},
               {}};
    return trip;
}

} // namespace

// The timeline and the route in trip seconds: clip offsets added, the
// record after a clip's end left to the next, no-fix seconds off the map.
class TripPresentationTest : public QObject
{
    Q_OBJECT
private slots:
    void timeline()
    {
        QVector<TelemetryTrack> tracks;
        const Trip trip = sampleTrip(&tracks);
        const TimelineTrip value = TripPresentation::timeline(trip, tracks, {"a.MP4", "b.MP4"});
        QCOMPARE(value.durationSeconds, 84); // the third clip ends after the trip's last record
        QCOMPARE(value.clips.size(), 3);
        QCOMPARE(value.clips[1].offsetSeconds, 65);
        QCOMPARE(value.clips[1].name + '|' + value.clips[2].name, QStringLiteral("b.MP4|"));
        QList<QPair<int, float>> speeds;
        for (const TimelineTrip::Speed &speed : value.speeds)
            speeds.append({speed.second, speed.kmh});
        QCOMPARE(speeds, (QList<QPair<int, float>>{{0, 10}, {1, 20}, {2, 30}, {65, 40}, {66, 0}, {67, 60}}));
        QList<QPair<int, int>> events;
        for (const TimelineTrip::Event &event : value.events)
            events.append({event.second, int(event.kind)});
        QCOMPARE(events, (QList<QPair<int, int>>{{67, TimelineTrip::Event::Vertical}, {1, TimelineTrip::Event::Horizontal}}));
    }

    void route()
    {
        QVector<TelemetryTrack> tracks;
        const Trip trip = sampleTrip(&tracks);
        QList<QVector<double>> points;
        for (const MapPoint &p : TripPresentation::route(trip, tracks))
            points.append({double(p.second), p.latitude, p.longitude});
        QCOMPARE(points, (QList<QVector<double>>{{0, 40.0, -73.0}, {1, 40.1, -73.1}, {2, 40.2, -73.2},
                                                 {65, 41.0, -74.0}, {67, 41.2, -74.2}}));
        // Fewer tracks than clips (the rest not decoded yet): what there is.
        tracks.removeLast();
        tracks.removeLast();
        QCOMPARE(TripPresentation::route(trip, tracks).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TripPresentationTest)
#include "tst_trippresentation.moc"
