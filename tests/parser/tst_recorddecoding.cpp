#include "Mp4Parser.h"
#include "Mp4Sample.h"
#include "RhumbBearing.h"
#include "SampleDir.h"
#include "SampleRecord.h"

#include <QPointF>
#include <QtTest>

#include <cmath>
#include <tuple>

// The loxodrome course from the textbook formula, an independent reference.
static double referenceCourse(QPointF from, QPointF to)  // x longitude, y latitude
{
    const auto mercator = [](double lat) { return std::log(std::tan((90 + lat) * M_PI / 360)); };
    const double course = std::atan2((to.x() - from.x()) * M_PI / 180,
                              mercator(to.y()) - mercator(from.y())) * 180 / M_PI;
    return course < 0 ? course + 360 : course;
}

// Records go through a real gps0 file, whose entry 1 is the one second 0 shows.
class tst_RecordDecoding : public QObject
{
    Q_OBJECT

private:
    // A gps0 file of an unshown entry 0 and then `records`, less its last `cut` bytes.
    QString write(const QVector<SampleRecord> &records, int cut = 0)
    {
        const QVector<GpsRecord> stored = storedRecords(QVector<SampleRecord>{{}} + records);
        return mDir.write("clip.mp4", Mp4Sample().gps0(stored).bytes().chopped(cut));
    }

    // The record ends the file, of which only its first `keptBytes` are kept.
    bool decode(const SampleRecord &record, GpsData &data, int keptBytes = gpsRecordSize - 1)
    {
        return Mp4Parser(write({record}, gpsRecordSize - 1 - keptBytes)).getGpsData(0, data);
    }

    SampleDir mDir;

private slots:
    void fields_data()
    {
        // Latitude, longitude, speed, number57 and G-sensor, as stored and decoded.
        QTest::addColumn<QByteArrayList>("texts");
        QTest::addColumn<QVector<double>>("values");

        QTest::newRow("digits") << QByteArrayList{"22323456", "114035000", "087", "12345", "+012-098+100"}
            << QVector<double>{22 + 32.3456 / 60, 114 + 3.5 / 60, 87, 12345, 0.12f, -0.98f, 1};
        QTest::newRow("blanks and signs") << QByteArrayList{"  323456", "   035000", "-12", "-0001", " 012-098+100"}
            << QVector<double>{32 + 0.3456 / 60, 35, -12, -1, 0, -0.98f, 1};
        QTest::newRow("letters stop the digits")
            << QByteArrayList{"2a323456", "11403500x", "abc", "12a45", "-999+9x9*100"}
            << QVector<double>{2, 114 + 0.35 / 60, 0, 12, -9.99f, 9, 0};
    }

    void fields()
    {
        QFETCH(QByteArrayList, texts);
        SampleRecord record;
        record.text23 = "ABCDEFGHIJKLMN";  // full width: the copy must end it
        record.latHemisphere = 'S';
        record.lonHemisphere = '?';
        std::tie(record.latitude, record.longitude, record.speed, record.number57, record.gSensor)
            = std::tie(texts[0], texts[1], texts[2], texts[3], texts[4]);

        GpsData data;
        QVERIFY(decode(record, data));
        QCOMPARE(QByteArray(data.dateTime), record.dateTime);
        QCOMPARE(QByteArray(data.text23), record.text23);
        // Hemisphere bytes are carried as they are; the degrees stay unsigned.
        QCOMPARE(data.latHemisphere, 'S');
        QCOMPARE(data.lonHemisphere, '?');
        QTEST((QVector<double>{data.latitude, data.longitude, double(data.speed),
                  double(data.number57), data.gX, data.gY, data.gZ}), "values");
    }

    // Bytes the file doesn't hold read as zeros, not as descrambled garbage;
    // a record of which no byte is left gives no sample.
    void recordCutByEndOfFile()
    {
        GpsData data;
        QVERIFY(!decode(SampleRecord(), data, 0));
        QVERIFY(decode(SampleRecord(), data, 13));
        QCOMPARE(QByteArray(data.dateTime), QByteArray("20261"));
        QCOMPARE(data.gZ, 0.0f);  // "+100" when stored
    }

    void courseOfSamples_data()
    {
        QTest::addColumn<QVector<QPointF>>("fixes");   // entry 1 onwards, x longitude
        QTest::addColumn<QVector<int>>("seconds");     // requested in this order
        QTest::addColumn<QVector<double>>("courses");  // expected for each request

        const QPointF start(114.0, 22.5), northEast(114.1, 22.6);
        const double ne = referenceCourse(start, northEast);
        QTest::newRow("first sample has none")
            << QVector<QPointF>{start, northEast} << QVector<int>{1} << QVector<double>{0};
        // Roads along a parallel or a meridian: one coordinate never changes.
        QTest::newRow("due east")
            << QVector<QPointF>{start, northEast, {114.1001, 22.6}, {114.1002, 22.6}}
            << QVector<int>{0, 1, 2, 3} << QVector<double>{0, ne, 90, 90};
        QTest::newRow("due north")
            << QVector<QPointF>{start, northEast, {114.1, 22.6001}, {114.1, 22.6002}}
            << QVector<int>{0, 1, 2, 3} << QVector<double>{0, ne, 0, 0};
        QTest::newRow("due west, south of the equator")
            << QVector<QPointF>{{-70.6, -33.9}, {-70.5, -33.8}, {-70.5001, -33.8}, {-70.5002, -33.8}}
            << QVector<int>{0, 1, 2, 3}
            << QVector<double>{0, referenceCourse({-70.6, -33.9}, {-70.5, -33.8}), 270, 270};
        // North-east, then back south-west, each by too little in both coordinates.
        QTest::newRow("tiny moves keep it")
            << QVector<QPointF>{start, northEast, {114.100005, 22.600005}, {114.1, 22.6}}
            << QVector<int>{0, 1, 2, 3} << QVector<double>{0, ne, ne, ne};
        QTest::newRow("going back keeps it")
            << QVector<QPointF>{start, northEast, {114.1001, 22.6}} << QVector<int>{0, 1, 2, 1}
            << QVector<double>{0, ne, 90, 90};
        // The short way, as if the longitude went on past 180.
        QTest::newRow("over the 180th meridian and back")
            << QVector<QPointF>{{179.95, 10.0}, {-179.95, 10.1}, {179.95, 10.2}}
            << QVector<int>{0, 1, 2}
            << QVector<double>{0, referenceCourse({179.95, 10.0}, {180.05, 10.1}),
                   referenceCourse({-179.95, 10.1}, {-180.05, 10.2})};
        // A car standing on the 180th meridian, its fix wavering across it.
        QTest::newRow("standing on the 180th meridian keeps it")
            << QVector<QPointF>{{179.9, 10.0}, {179.999998, 10.1}, {-179.999998, 10.1}}
            << QVector<int>{0, 1, 2}
            << QVector<double>{0, referenceCourse({179.9, 10.0}, {179.999998, 10.1}),
                   referenceCourse({179.9, 10.0}, {179.999998, 10.1})};
        QTest::newRow("beyond the pole keeps it")
            << QVector<QPointF>{start, northEast, {114.2, 95.0}} << QVector<int>{0, 1, 2}
            << QVector<double>{0, ne, ne};
    }

    void courseOfSamples()
    {
        QFETCH(QVector<QPointF>, fixes);
        QFETCH(QVector<int>, seconds);
        QFETCH(QVector<double>, courses);
        QVector<SampleRecord> records;
        for (const QPointF &fix : fixes)
            records.append(SampleRecord::fix(fix.y(), fix.x()));
        // The last entry is never shown; positions are stored to 1e-4 minutes.
        Mp4Parser parser(write(records + QVector<SampleRecord>{{}}));
        for (int i = 0; i < seconds.size(); ++i) {
            GpsData data;
            QVERIFY(parser.getGpsData(seconds[i], data));
            QVERIFY2(qAbs(data.bearing - courses[i]) < 0.01, QByteArray::number(i).data());
        }
    }

    void identicalPositionsHaveNoCourse() { QCOMPARE(rhumbBearing(114, 22.5, 114, 22.5), 0.0); }
};

QTEST_GUILESS_MAIN(tst_RecordDecoding)
#include "tst_recorddecoding.moc"
