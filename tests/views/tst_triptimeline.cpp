#include "TripTimeline.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A drive of 10:15:00 to 10:17:30 UTC: clips A (0-60 s) and B (60-120 s), a
// gap, clip C (130-150 s); speed 2 km/h per second in A, 100 km/h in B, none
// in C; a vertical jolt at 90 s and a hard brake at 20 s.
TimelineTrip sampleTrip()
{
    TimelineTrip trip;
    trip.durationSeconds = 150;
    trip.startUtcMsecs = QDateTime(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC).toMSecsSinceEpoch();
    trip.hasStartTime = true;
    trip.clips = {{0, 60, "A.MP4"}, {60, 60, "B.MP4"}, {130, 20, "C.MP4"}};
    for (int second = 0; second < 120; ++second)
        trip.speeds.append({second, second < 60 ? 2.0f * second : 100.0f});
    trip.events = {{20, TimelineTrip::Event::Horizontal, 0.41f}, {90, TimelineTrip::Event::Vertical, 0.8f}};
    return trip;
}

void send(QWidget &widget, QEvent::Type type, int x, Qt::MouseButtons buttons)
{
    const QPoint pos(x, widget.height() / 2);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget.mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

QList<int> seconds(const QSignalSpy &spy)
{
    QList<int> result;
    for (const QList<QVariant> &call : spy)
        result << call.at(0).toInt();
    return result;
}

} // namespace

class TripTimelineTest : public QObject
{
    Q_OBJECT
    QScopedPointer<TripTimeline> mTimeline;

private slots:
    void init()
    {
        mTimeline.reset(new TripTimeline);
        mTimeline->resize(600, 40);
        mTimeline->show();
        QVERIFY(QTest::qWaitForWindowExposed(mTimeline.data()));
    }
    void cleanup() { mTimeline.reset(); }

    // Each second owns an equal share of the width, whatever the trip's length.
    void clickAsksForTheSecondUnderIt_data()
    {
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("second");
        QTest::newRow("last pixel") << 600 << 600 << 599 << 599;
        QTest::newRow("hour, five seconds a pixel") << 3600 << 720 << 361 << 1805;
        QTest::newRow("one second") << 1 << 300 << 299 << 0;
        QTest::newRow("long day on a narrow strip") << 86400 * 3 << 500 << 250 << 129600;
    }
    void clickAsksForTheSecondUnderIt()
    {
        QFETCH(int, duration);
        QFETCH(int, width);
        QFETCH(int, x);
        TimelineTrip trip;
        trip.durationSeconds = duration;
        mTimeline->setTrip(trip);
        mTimeline->resize(width, 40);
        QTRY_COMPARE(mTimeline->width(), width);
        QSignalSpy requests(mTimeline.data(), &TripTimeline::seekRequested);
        QTest::mouseClick(mTimeline.data(), Qt::LeftButton, {}, QPoint(x, 20));
        QCOMPARE(requests.count(), 1);
        QTEST(requests.at(0).at(0).toInt(), "second");
    }

    // A drag asks for each new second it passes, stays inside the trip past
    // either end, and stops at the release.
    void dragFollowsThePointer()
    {
        mTimeline->setTrip(sampleTrip());  // 150 s on 600 px: 4 px a second
        QSignalSpy requests(mTimeline.data(), &TripTimeline::seekRequested);
        send(*mTimeline, QEvent::MouseButtonPress, 40, Qt::LeftButton);
        send(*mTimeline, QEvent::MouseMove, 42, Qt::LeftButton);   // still second 10
        send(*mTimeline, QEvent::MouseMove, 200, Qt::LeftButton);
        send(*mTimeline, QEvent::MouseMove, 900, Qt::LeftButton);
        send(*mTimeline, QEvent::MouseMove, -30, Qt::LeftButton);
        send(*mTimeline, QEvent::MouseButtonRelease, -30, Qt::NoButton);
        send(*mTimeline, QEvent::MouseMove, 300, Qt::NoButton);
        QCOMPARE(seconds(requests), (QList<int>{10, 50, 149, 0}));
        // Another button does not seek.
        QTest::mouseClick(mTimeline.data(), Qt::RightButton, {}, QPoint(100, 20));
        QCOMPARE(requests.count(), 4);
    }

    void hoverTellsTimeSpeedAndClip_data()
    {
        QTest::addColumn<bool>("clock"); // else the trip has no clock time and lasts two hours
        QTest::addColumn<bool>("miles");
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("without clock time: the trip time") << false << true << 300 << "1:00:00 into the trip\nNo telemetry";
        QTest::newRow("first clip") << true << false << 122 << "10:15:30 (0:30 into the trip)\n60 km/h\nClip: A.MP4";
        QTest::newRow("first clip in miles") << true << true << 122 << "10:15:30 (0:30 into the trip)\n37 MPH\nClip: A.MP4";
        QTest::newRow("over the jolt") << true << false << 362
            << "10:16:30 (1:30 into the trip)\n100 km/h\nClip: B.MP4\nVertical jolt: 0.80 g";
        QTest::newRow("between clips") << true << false << 500 << "10:17:05 (2:05 into the trip)\nNo telemetry";
        QTest::newRow("clip without telemetry") << true << false << 560 << "10:17:20 (2:20 into the trip)\nNo telemetry\nClip: C.MP4";
    }
    void hoverTellsTimeSpeedAndClip()
    {
        QFETCH(bool, clock);
        QFETCH(bool, miles);
        QFETCH(int, x);
        TimelineTrip trip = sampleTrip();
        trip.hasStartTime = clock;
        trip.durationSeconds = clock ? 150 : 2 * 3600;
        mTimeline->setTrip(trip);
        mTimeline->setSpeedUnit(miles ? 1 : 0);
        QTEST(mTimeline->hoverText(x), "text");
        QHelpEvent help(QEvent::ToolTip, QPoint(x, 20), mTimeline->mapToGlobal(QPoint(x, 20)));
        QApplication::sendEvent(mTimeline.data(), &help);
        QTEST(QToolTip::text(), "text");
    }

    // Nothing is drawn without a trip; the trip, the playhead and a marked
    // stretch each change the picture. A stretch whose end is at or before
    // its start keeps only its start; clearing it restores the picture.
    void drawsTripAndMarks()
    {
        const auto picture = [this] { return mTimeline->grab().toImage(); };
        const QImage empty = picture();
        QCOMPARE(empty, QImage(empty.copy(0, 0, 1, 1).scaled(empty.size())));
        mTimeline->setTrip(sampleTrip());
        const QImage plain = picture();
        QVERIFY(plain != empty);
        mTimeline->setPlayheadSecond(100);
        QVERIFY(picture() != plain);
        mTimeline->setPlayheadSecond(-1);
        QCOMPARE(picture(), plain);

        QSignalSpy changes(mTimeline.data(), &TripTimeline::rangeChanged);
        mTimeline->setRange(50, 70);
        mTimeline->setRange(50, 70);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0), (QList<QVariant>{50, 70}));
        QVERIFY(picture() != plain);
        mTimeline->setRange(80, 80);
        QCOMPARE(mTimeline->rangeFrom(), 80);
        QCOMPARE(mTimeline->rangeTo(), -1);
        mTimeline->clearRange();
        QCOMPARE(changes.last(), (QList<QVariant>{-1, -1}));
        QCOMPARE(picture(), plain);
    }

    // An empty or nonsensical trip draws and answers without seeking anywhere.
    void badTripsAreHarmless_data()
    {
        QTest::addColumn<int>("duration");
        QTest::newRow("empty") << 0;
        QTest::newRow("values outside the trip") << 10;
    }
    void badTripsAreHarmless()
    {
        QFETCH(int, duration);
        TimelineTrip trip;
        trip.durationSeconds = duration;
        trip.speeds = {{-4, 30.0f}, {50, -2.0f}, {2000000000, 1e30f}};
        trip.events = {{-1, TimelineTrip::Event::Vertical, 9.0f}, {99999, TimelineTrip::Event::Horizontal, 1.0f}};
        trip.clips = {{-100, 1000000, "X"}};
        mTimeline->setTrip(trip);
        mTimeline->setPlayheadSecond(1 << 30);
        mTimeline->setRange(-7, 1 << 30);
        QVERIFY(!mTimeline->grab().isNull());
        QSignalSpy requests(mTimeline.data(), &TripTimeline::seekRequested);
        QTest::mouseClick(mTimeline.data(), Qt::LeftButton, {}, QPoint(300, 20));
        QCOMPARE(requests.count(), duration > 0 ? 1 : 0);
        QCOMPARE(mTimeline->hoverText(300).isEmpty(), duration <= 0);
    }
};

QTEST_MAIN(TripTimelineTest)
#include "tst_triptimeline.moc"
