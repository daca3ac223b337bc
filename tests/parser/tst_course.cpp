#include "Mp4Parser.h"
#include "Mp4Sample.h"
#include "RhumbBearing.h"
#include "SampleDir.h"
#include "SampleRecord.h"

#include <QPointF>
#include <QtTest>

#include <cmath>

namespace {

// The loxodrome course from the textbook formula (spherical Earth, radians),
// as an independent reference for the camera-style formula.
double referenceCourse(double lon1, double lat1, double lon2, double lat2)
{
    const auto mercator
        = [](double lat) { return std::log(std::tan(M_PI / 4 + lat * M_PI / 360)); };
    const double course
        = std::atan2((lon2 - lon1) * M_PI / 180, mercator(lat2) - mercator(lat1)) * 180 / M_PI;
    return course < 0 ? course + 360 : course;
}

// True when `bearing` lies in the range a test names: "0" or a quadrant.
bool inRange(double bearing, const QString &range)
{
    if (range == "0")
        return bearing == 0.0;
    const QStringList quadrants = {"NE", "SE", "SW", "NW"};
    const int quadrant = quadrants.indexOf(range);
    return quadrant >= 0 && bearing > 90.0 * quadrant && bearing < 90.0 * (quadrant + 1);
}

}  // namespace

class tst_Course : public QObject
{
    Q_OBJECT

private slots:
    void rhumbBearingDirections_data()
    {
        QTest::addColumn<QPointF>("from");  // x longitude, y latitude
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");

        QTest::newRow("north east at the equator") << QPointF(0, 0) << QPointF(1, 1) << 0.0 << 90.0;
        QTest::newRow("south east") << QPointF(114, 22) << QPointF(114.1, 21.9) << 90.0 << 180.0;
        QTest::newRow("south west")
            << QPointF(-70.6, -33.4) << QPointF(-70.7, -33.5) << 180.0 << 270.0;
        QTest::newRow("north west") << QPointF(10, 50) << QPointF(9.9, 50.1) << 270.0 << 360.0;
        QTest::newRow("due north") << QPointF(10, 50) << QPointF(10, 51) << 0.0 << 0.0;
        QTest::newRow("due east") << QPointF(10, 50) << QPointF(11, 50) << 90.0 << 90.0;
        QTest::newRow("due south") << QPointF(10, 50) << QPointF(10, 49) << 180.0 << 180.0;
        QTest::newRow("due west") << QPointF(10, 50) << QPointF(9, 50) << 270.0 << 270.0;
        QTest::newRow("eastwards over 180")
            << QPointF(179.9, 10) << QPointF(-179.9, 10) << 90.0 << 90.0;
        QTest::newRow("north east over 180")
            << QPointF(179.9, 10) << QPointF(-179.9, 10.1) << 0.0 << 90.0;
        QTest::newRow("westwards over 180")
            << QPointF(-179.9, -5) << QPointF(179.9, -5) << 270.0 << 270.0;
        QTest::newRow("identical points") << QPointF(114, 22.5) << QPointF(114, 22.5) << 0.0 << 0.0;
    }

    void rhumbBearingDirections()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(double, minimum);
        QFETCH(double, maximum);

        const double bearing = rhumbBearing(from.x(), from.y(), to.x(), to.y());
        if (minimum == maximum)
            QVERIFY2(qAbs(bearing - minimum) < 1e-9, qPrintable(QString::number(bearing)));
        else
            QVERIFY2(bearing > minimum && bearing < maximum, qPrintable(QString::number(bearing)));
    }

    void rhumbBearingMatchesReference_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");

        QTest::newRow("city block") << QPointF(114.0, 22.5) << QPointF(114.001, 22.5004);
        QTest::newRow("long haul") << QPointF(-74.0, 40.7) << QPointF(2.35, 48.86);
        QTest::newRow("southern") << QPointF(151.2, -33.9) << QPointF(174.8, -41.3);
        QTest::newRow("almost half round") << QPointF(-90, 10) << QPointF(89.5, -20);
    }

    void rhumbBearingMatchesReference()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        const double bearing = rhumbBearing(from.x(), from.y(), to.x(), to.y());
        const double expected = referenceCourse(from.x(), from.y(), to.x(), to.y());
        QVERIFY2(qAbs(bearing - expected) < 1e-6,
            qPrintable(QString("%1 vs %2").arg(bearing).arg(expected)));
    }

    // The course of each sample, through a gps0 file whose entry 0 is never shown.
    void courseOfSamples_data()
    {
        QTest::addColumn<QVector<QPointF>>("fixes");  // entry 1 onwards, x longitude
        QTest::addColumn<QVector<int>>("seconds");    // requested in this order
        QTest::addColumn<QString>("courses");         // range of each bearing

        const QPointF start(114.0, 22.5);
        const QPointF northEast(114.1, 22.6);
        const QPointF southEastOfStart(114.05, 22.4);  // south-west of northEast
        QTest::newRow("first sample has none")
            << QVector<QPointF>{start, northEast} << QVector<int>{1} << "0";
        QTest::newRow("second sample gets one")
            << QVector<QPointF>{start, northEast} << QVector<int>{0, 1} << "0 NE";
        QTest::newRow("tiny latitude move keeps it")
            << QVector<QPointF>{start, northEast, {114.0, 22.600005}} << QVector<int>{0, 1, 2}
            << "0 NE NE";
        QTest::newRow("tiny longitude move keeps it")
            << QVector<QPointF>{start, northEast, {114.100005, 22.5}} << QVector<int>{0, 1, 2}
            << "0 NE NE";
        QTest::newRow("going back keeps it")
            << QVector<QPointF>{start, northEast} << QVector<int>{0, 1, 0} << "0 NE NE";
        QTest::newRow("after going back, from the revisited fix") << QVector<QPointF>{start,
            northEast, southEastOfStart} << QVector<int>{1, 0, 2} << "0 0 SE";
        QTest::newRow("south west standing still")
            << QVector<QPointF>{{-70.6, -33.4}, {-70.7, -33.5}, {-70.7, -33.5}}
            << QVector<int>{0, 1, 2} << "0 SW SW";
        QTest::newRow("over the 180th meridian")
            << QVector<QPointF>{{179.95, 10.0}, {-179.95, 10.1}} << QVector<int>{0, 1} << "0 NE";
        QTest::newRow("beyond the pole keeps it")
            << QVector<QPointF>{start, northEast, {114.2, 95.0}} << QVector<int>{0, 1, 2}
            << "0 NE NE";
    }

    void courseOfSamples()
    {
        QFETCH(QVector<QPointF>, fixes);
        QFETCH(QVector<int>, seconds);
        QFETCH(QString, courses);

        QVector<SampleRecord> records = {SampleRecord()};
        for (const QPointF &fix : fixes)
            records.append(SampleRecord::fix(fix.y(), fix.x()));
        records.append(SampleRecord());  // the last entry is never shown
        SampleDir dir;
        const QString path
            = dir.write("drive.mp4", Mp4Sample().gps0(storedRecords(records)).bytes());
        QVERIFY(!path.isEmpty());

        Mp4Parser parser(path);
        const QStringList ranges = courses.split(' ');
        QCOMPARE(ranges.size(), seconds.size());
        for (int i = 0; i < seconds.size(); ++i) {
            GpsData data;
            QVERIFY(parser.getGpsData(seconds[i], data));
            QVERIFY2(inRange(data.bearing, ranges[i]),
                qPrintable(QString("request %1: bearing %2, expected %3")
                               .arg(i)
                               .arg(data.bearing)
                               .arg(ranges[i])));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Course)
#include "tst_course.moc"
