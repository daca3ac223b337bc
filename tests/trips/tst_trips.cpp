#include "ClipInput.h"
#include "EventDetector.h"
#include "TripBuilder.h"

#include <QtTest>

#include <cmath>

namespace {

const qint64 morning = QDateTime(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC).toMSecsSinceEpoch();
// Metres per degree of a meridian on the earth's mean sphere (radius 6371.0088 km).
const double metresPerDegree = 6371008.8 * M_PI / 180.0;

// `seconds` points from `startSecond` seconds after the morning's start, driving north along a meridian at `kmh`.
ClipInput clip(const QString &path, int startSecond, int seconds, double kmh = 36.0,
               double latitude = 45.0)
{
    ClipInput input;
    input.path = path;
    input.durationSeconds = seconds;
    const double step = kmh / 3.6 / metresPerDegree;
    for (int s = 0; s < seconds; ++s)
        input.track.append({s, morning + (qint64(startSecond) + s) * 1000, true, true, latitude + step * s, 7.0, float(kmh), 0, 0, 0, 1.0f});
    return input;
}

// A clip without telemetry, placed by its fallback start.
ClipInput bare(const QString &path, int startSecond, int seconds)
{
    ClipInput input;
    input.path = path;
    input.durationSeconds = seconds;
    input.hasFallbackStart = true;
    input.fallbackStartUtcMsecs = morning + qint64(startSecond) * 1000;
    return input;
}

// Trips as lists of clip paths, for comparing at a glance.
QList<QStringList> groups(const QVector<Trip> &trips, const QVector<ClipInput> &inputs)
{
    QList<QStringList> groups;
    for (const Trip &trip : trips) {
        QStringList paths;
        for (const TripClip &clip : trip.clips)
            paths << inputs[clip.input].path;
        groups << paths;
    }
    return groups;
}

TelemetryTrack gTrack(const QVector<QVector<float>> &axes)
{
    TelemetryTrack track;
    for (int s = 0; s < axes.size(); ++s)
        track.append({s, 0, false, false, 0, 0, 0, 0, axes[s][0], axes[s][1], axes[s][2]});
    return track;
}

}  // namespace

Q_DECLARE_METATYPE(QVector<ClipInput>)

class tst_Trips : public QObject
{
    Q_OBJECT

private slots:
    void grouping_data()
    {
        QTest::addColumn<QVector<ClipInput>>("inputs");
        QTest::addColumn<int>("gapSeconds");
        QTest::addColumn<QList<QStringList>>("trips");

        QTest::newRow("three in a row, one an hour later, given out of order")
            << QVector<ClipInput>{clip("d", 3780, 60), clip("b", 60, 60), clip("c", 120, 60), clip("a", 0, 60)}
            << 60 << QList<QStringList>{{"a", "b", "c"}, {"d"}};
        QTest::newRow("a gap of exactly the setting joins")
            << QVector<ClipInput>{clip("a", 0, 60), clip("b", 120, 60)} << 60 << QList<QStringList>{{"a", "b"}};
        QTest::newRow("one second more splits")
            << QVector<ClipInput>{clip("a", 0, 60), clip("b", 121, 60)} << 60 << QList<QStringList>{{"a"}, {"b"}};
        QTest::newRow("no telemetry inside a trip, by its fallback start")
            << QVector<ClipInput>{clip("a", 0, 60), clip("c", 120, 60), bare("b", 60, 60)}
            << 60 << QList<QStringList>{{"a", "b", "c"}};
        ClipInput timeless = bare("x", 0, 60);
        timeless.hasFallbackStart = false;
        QTest::newRow("no time at all: a trip of its own, last")
            << QVector<ClipInput>{timeless, clip("a", 0, 60), clip("b", 60, 60)}
            << 60 << QList<QStringList>{{"a", "b"}, {"x"}};
        // The camera time wins over a fallback that disagrees with it.
        ClipInput misnamed = clip("b", 60, 60);
        misnamed.hasFallbackStart = true;
        misnamed.fallbackStartUtcMsecs = morning - 86400000;
        QTest::newRow("camera time before fallback")
            << QVector<ClipInput>{clip("a", 0, 60), misnamed} << 60 << QList<QStringList>{{"a", "b"}};
        // A clip longer than its video (records after the last frame) ends later.
        ClipInput shortVideo = clip("a", 0, 90);
        shortVideo.durationSeconds = 30;
        // A GPS clock that jumps an hour inside a clip moves neither it nor the next (the end: tst_exportertrips).
        ClipInput jumpy = clip("b", 60, 60);
        for (int s = 30; s < 60; ++s)
            jumpy.track[s].utcMsecs += 3600000;
        QTest::newRow("clock jump inside a clip") << QVector<ClipInput>{clip("a", 0, 60), jumpy, clip("c", 120, 60)} << 60
                                                  << QList<QStringList>{{"a", "b", "c"}};
        QTest::newRow("track longer than video")
            << QVector<ClipInput>{shortVideo, clip("b", 95, 60)} << 10 << QList<QStringList>{{"a", "b"}};
    }

    void grouping()
    {
        QFETCH(QVector<ClipInput>, inputs);
        QFETCH(int, gapSeconds);
        TripSettings settings;
        settings.gapSeconds = gapSeconds;
        QTEST(groups(buildTrips(inputs, settings), inputs), "trips");
    }

    // Starts, offsets and lengths of a trip with a 20 s gap whose first records carry no time yet.
    void timeline()
    {
        ClipInput first = clip("a", 0, 60);
        for (int s = 0; s < 3; ++s)
            first.track[s].hasTime = false;
        first.track[3].utcMsecs += 1000;  // one second late: the start follows the first timed record
        const QVector<Trip> trips = buildTrips({clip("b", 80, 50), first});
        QCOMPARE(trips.size(), 1);
        const Trip &trip = trips.first();
        QCOMPARE(QList<qint64>({trip.startUtcMsecs - morning, trip.endUtcMsecs - morning, trip.durationSeconds}),
                 QList<qint64>({1000, 130000, 129}));
        QStringList clips; // input, start, offset, length
        for (const TripClip &c : trip.clips)
            clips << QString("%1 %2 %3 %4").arg(c.input).arg(c.startUtcMsecs - morning).arg(c.offsetSeconds).arg(c.durationSeconds);
        QCOMPARE(clips, QStringList({"1 1000 0 60", "0 80000 79 50"}));
    }

    void summary_data()
    {
        QTest::addColumn<QVector<ClipInput>>("inputs");
        QTest::addColumn<double>("metres");
        QTest::addColumn<double>("maxKmh");
        QTest::addColumn<double>("averageKmh");

        // 36 km/h is 10 m/s: 59 steps in each clip and one across the 1 s gap between them.
        ClipInput second = clip("b", 60, 60, 36.0, 45.0 + 600.0 / metresPerDegree);
        QTest::newRow("two clips at 10 m/s") << QVector<ClipInput>{clip("a", 0, 60), second}
                                             << 1190.0 << 36.0 << 36.0;
        // A fix thrown 1 degree off for one second is no drive, nor is its 999 km/h.
        ClipInput glitch = clip("a", 0, 60);
        glitch.track[20].latitude += 1.0;
        glitch.track[20].speedKmh = 999;
        QTest::newRow("one glitch") << QVector<ClipInput>{glitch} << 590.0 << 36.0 << 36.0;
        // A fix that really moved (after an outage) goes on from its new place.
        ClipInput moved = clip("a", 0, 60);
        for (int s = 30; s < 60; ++s)
            moved.track[s].latitude += 1.0;
        QTest::newRow("relocated after an outage") << QVector<ClipInput>{moved} << 580.0 << 36.0 << 36.0;
        // Seconds without a fix are skipped; the step over them still counts.
        ClipInput tunnel = clip("a", 0, 60);
        for (int s = 10; s < 20; ++s) {
            tunnel.track[s].hasFix = false;
            tunnel.track[s].latitude = tunnel.track[s].longitude = 0.0;
            tunnel.track[s].speedKmh = 0;
        }
        QTest::newRow("tunnel") << QVector<ClipInput>{tunnel} << 590.0 << 36.0 << 36.0;
        // Standing seconds (below 3 km/h) do not pull the moving average down.
        ClipInput stopAndGo = clip("a", 0, 4);
        const float speeds[] = {0.0f, 2.0f, 50.0f, 70.0f};
        for (int s = 0; s < 4; ++s)
            stopAndGo.track[s].speedKmh = speeds[s];
        QTest::newRow("stop and go") << QVector<ClipInput>{stopAndGo} << 30.0 << 70.0 << 60.0;
        QTest::newRow("no telemetry") << QVector<ClipInput>{bare("a", 0, 60)} << 0.0 << 0.0 << 0.0;
        // Over the equator at 30 m/s eastwards, across the date line.
        ClipInput east = clip("a", 0, 11);
        for (int s = 0; s < 11; ++s) {
            east.track[s].latitude = 0.0;
            east.track[s].longitude = std::remainder(179.9999 + s * 30.0 / metresPerDegree, 360.0);
        }
        QTest::newRow("across the date line") << QVector<ClipInput>{east} << 300.0 << 36.0 << 36.0;
    }

    void summary()
    {
        QFETCH(QVector<ClipInput>, inputs);
        QFETCH(double, metres);
        QFETCH(double, maxKmh);
        QFETCH(double, averageKmh);
        const QVector<Trip> trips = buildTrips(inputs);
        QCOMPARE(trips.size(), 1);
        QVERIFY2(qAbs(trips[0].distanceMetres - metres) < 0.01, qPrintable(QString::number(trips[0].distanceMetres, 'f', 3)));
        QCOMPARE(trips[0].maxSpeedKmh, maxKmh);
        QVERIFY(qAbs(trips[0].averageMovingSpeedKmh - averageKmh) < 1e-6);
    }

    void events_data()
    {
        QTest::addColumn<TelemetryTrack>("track");
        QTest::addColumn<double>("horizontalG");
        QTest::addColumn<double>("verticalG");
        QTest::addColumn<QString>("events");  // "second kind g" each

        // A mount tilted so that x reads 0.2 g and z 0.9 g at rest.
        QVector<QVector<float>> tilted(9, {0.2f, 0.0f, 0.9f});
        tilted[2] = {0.2f - 0.5f, 0.0f, 0.9f};   // hard brake: 0.5 g
        tilted[4] = {0.2f, 0.3f, 0.9f};          // swerve of 0.3 g: below 0.35
        tilted[5] = {0.2f + 0.3f, 0.3f, 0.9f};   // 0.3 and 0.3: 0.42 g together
        tilted[7] = {0.2f, 0.0f, 0.9f + 0.6f};   // pothole: 0.6 g up
        tilted[8] = {0.2f, 0.0f, 0.9f - 0.45f};  // 0.45 g down: below 0.5
        const TelemetryTrack track = gTrack(tilted);
        QTest::newRow("defaults") << track << 0.35 << 0.5 << "2 h 0.50; 5 h 0.42; 7 v 0.60";
        QTest::newRow("lower thresholds") << track << 0.25 << 0.4
                                          << "2 h 0.50; 4 h 0.30; 5 h 0.42; 7 v 0.60; 8 v 0.45";
        QVector<QVector<float>> both(5, {0.0f, 0.0f, 1.0f});
        both[3] = {0.0f, 0.4f, 1.7f};
        QTest::newRow("both in one second") << gTrack(both) << 0.35 << 0.5 << "3 h 0.40; 3 v 0.70";
        QTest::newRow("empty track") << TelemetryTrack() << 0.35 << 0.5 << "";
    }

    void events()
    {
        QFETCH(TelemetryTrack, track);
        TripSettings settings;
        QFETCH(double, horizontalG);
        QFETCH(double, verticalG);
        settings.horizontalThresholdG = horizontalG;
        settings.verticalThresholdG = verticalG;
        QStringList found;
        for (const TelemetryEvent &event : detectEvents(track, settings))
            found << QString("%1 %2 %3").arg(event.second).arg(event.kind == TelemetryEvent::Horizontal ? "h" : "v")
                         .arg(event.g, 0, 'f', 2);
        QTEST(found.join("; "), "events");
    }

    // A trip's events name the clip they happened in, in trip order.
    void eventsOfTrip()
    {
        ClipInput first = clip("a", 0, 60), second = clip("b", 60, 60);
        second.track[12].gX = 0.8f;
        first.track[40].gZ = 0.2f;
        const QVector<Trip> trips = buildTrips({second, first});
        QCOMPARE(trips.size(), 1);
        QStringList events; // clip, second, kind
        for (const TelemetryEvent &event : trips.first().events)
            events << QString("%1 %2 %3").arg(event.clip).arg(event.second).arg(event.kind == TelemetryEvent::Vertical ? "v" : "h");
        QCOMPARE(events, QStringList({"0 40 v", "1 12 h"}));
    }
};

QTEST_GUILESS_MAIN(tst_Trips)
#include "tst_trips.moc"
