#include "BoxWriter.h"
#include "Mp4Parser.h"
#include "Mp4Sample.h"
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

// A record as a camera stores it: two plain bytes, then text XOR-ed with 0x6B ('2' is 'Y', '0' '[', NUL 'k').
static QByteArray storedRecord(const QVector<QPair<int, QByteArray>> &fields)
{
    QByteArray record = QByteArray("\x01\x02") + QByteArray(310, 'k');
    for (const auto &field : fields)
        record.replace(field.first, field.second.size(), field.second);
    return record;
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
    // The numeric fields as stored and decoded; a record cut by the file's end is served only while all its
    // fields are there (the last ends at byte 185): a half record would decode as a sample of zeros.
    void fields_data()
    {
        QTest::addColumn<QByteArrayList>("texts");
        QTest::addColumn<int>("keptBytes");
        QTest::addColumn<QVector<double>>("values"); // empty: not served
        const QByteArrayList digits{"22323456", "114035000", "087", "12345", "+012-098+100"};
        const QVector<double> decoded{22 + 32.3456 / 60, 114 + 3.5 / 60, 87, 12345, 0.12f, -0.98f, 1};
        QTest::newRow("digits") << digits << gpsRecordSize - 1 << decoded;
        QTest::newRow("fields whole at the end of the file") << digits << 185 << decoded;
        QTest::newRow("last G-sensor digit missing") << digits << 184 << QVector<double>();
        QTest::newRow("blanks and signs") << QByteArrayList{"  323456", "   035000", "-12", "-0001", " 012-098+100"} << gpsRecordSize - 1
            << QVector<double>{32 + 0.3456 / 60, 35, -12, -1, 0, -0.98f, 1};
        QTest::newRow("letters stop the digits") << QByteArrayList{"2a323456", "11403500x", "abc", "12a45", "-999+9x9*100"}
            << gpsRecordSize - 1 << QVector<double>{2, 114 + 0.35 / 60, 0, 12, -9.99f, 9, 0};
    }

    void fields()
    {
        QFETCH(QByteArrayList, texts);
        QFETCH(int, keptBytes);
        QFETCH(QVector<double>, values);
        SampleRecord record;
        record.text23 = "ABCDEFGHIJKLMN";  // full width: the copy must end it
        record.latHemisphere = 'S';
        record.lonHemisphere = '?';
        std::tie(record.latitude, record.longitude, record.speed, record.number57, record.gSensor)
            = std::tie(texts[0], texts[1], texts[2], texts[3], texts[4]);
        GpsData data;
        QCOMPARE(decode(record, data, keptBytes), !values.isEmpty());
        QVERIFY(!values.isEmpty() || data.gZ == 0.0f);
        if (values.isEmpty())
            return;
        QCOMPARE(QByteArray(data.dateTime), record.dateTime);
        QCOMPARE(QByteArray(data.text23), record.text23);
        // Hemisphere bytes are carried as they are; the degrees stay unsigned.
        QCOMPARE(data.latHemisphere, 'S');
        QCOMPARE(data.lonHemisphere, '?');
        QCOMPARE((QVector<double>{data.latitude, data.longitude, double(data.speed), double(data.number57), data.gX, data.gY, data.gZ}), values);
    }

    // Stored bytes typed in (the sample writer shares the mask with the decoder): from a gps0 box and by the scan.
    void storedBytes_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("dateTime");
        QTest::addColumn<QByteArray>("hemispheres");
        QTest::addColumn<QVector<double>>("values");  // latitude, longitude, speed, number57, gX, gY, gZ

        // 2024-02-29 23:59:60, S 33 51.2345', W 070 38.5', 120 km/h, -1.23 +0.45 +1.00 g
        QTest::newRow("south-west, leap second") << storedRecord({{8, "Y[Y_[YYRYX^R]["}, {38, "8"},
            {39, "XX^ZYX_^"}, {47, "<"}, {48, "[\\[XS^[[["}, {57, "[[ZYX"}, {62, "ZY["},
            {173, "FZYX@[_^@Z[["}}) << QByteArray("20240229235960") << QByteArray("SW")
            << QVector<double>{33 + 51.2345 / 60, 70 + 38.5 / 60, 120, 123, -1.23f, 0.45f, 1};
    }

    void storedBytes()
    {
        QFETCH(QByteArray, stored);
        // Second 0 shows entry 1: the same record stands before and after it.
        const QByteArray packed = stored.left(311).repeated(3);
        const QByteArray cut = BoxWriter::box("mdat", stored.repeated(3) + QByteArray(4000, 'k'));
        const QString files[] = {mDir.write("clip.mp4", BoxWriter::box("gps0", packed)),
                                 mDir.write("cut.mp4", cut.left(cut.size() - 3000))};
        for (const QString &file : files) {
            GpsData data;
            Mp4Parser parser(file);
            QVERIFY2(parser.getGpsData(0, data), qPrintable(file));
            QTEST(QByteArray(data.dateTime), "dateTime");
            QTEST(QByteArray(1, data.latHemisphere) + data.lonHemisphere, "hemispheres");
            QTEST((QVector<double>{data.latitude, data.longitude, double(data.speed),
                      double(data.number57), data.gX, data.gY, data.gZ}), "values");
        }
    }

    void courseOfSamples_data()
    {
        QTest::addColumn<QVector<QPointF>>("fixes");   // entry 1 onwards, x longitude
        QTest::addColumn<QVector<int>>("seconds");     // requested in this order
        QTest::addColumn<QVector<double>>("courses");  // expected for each request

        const QPointF start(114.0, 22.5), northEast(114.1, 22.6);
        const double ne = referenceCourse(start, northEast);
        // Roads along a parallel or a meridian: one coordinate never changes.
        QTest::newRow("due east") << QVector<QPointF>{start, northEast, {114.1001, 22.6}, {114.1002, 22.6}}
                                  << QVector<int>{0, 1, 2, 3} << QVector<double>{0, ne, 90, 90};
        QTest::newRow("due west, south of the equator")
            << QVector<QPointF>{{-70.6, -33.9}, {-70.5, -33.8}, {-70.5001, -33.8}, {-70.5002, -33.8}}
            << QVector<int>{0, 1, 2, 3}
            << QVector<double>{0, referenceCourse({-70.6, -33.9}, {-70.5, -33.8}), 270, 270};
        // North-east, then back south-west, each by too little in both coordinates.
        QTest::newRow("tiny moves keep it") << QVector<QPointF>{start, northEast, {114.100005, 22.600005}, {114.1, 22.6}}
                                            << QVector<int>{0, 1, 2, 3} << QVector<double>{0, ne, ne, ne};
        QTest::newRow("going back keeps it") << QVector<QPointF>{start, northEast, {114.1001, 22.6}} << QVector<int>{0, 1, 2, 1}
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
        QTest::newRow("beyond the pole keeps it") << QVector<QPointF>{start, northEast, {114.2, 95.0}} << QVector<int>{0, 1, 2}
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
};

QTEST_GUILESS_MAIN(tst_RecordDecoding)
#include "tst_recorddecoding.moc"
