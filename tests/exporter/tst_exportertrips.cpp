#include "ExporterRun.h"
#include "Mp4Sample.h"
#include "SampleRecord.h"

#include <QtTest>

#include <cmath>
#include <functional>

namespace {

// Metres per degree of a meridian on the earth's mean sphere (radius 6371.0088 km).
const double metresPerDegree = 6371008.8 * M_PI / 180.0;

QDateTime at(int hour, int minute) { return QDateTime(QDate(2026, 12, 6), QTime(hour, minute), Qt::UTC); }

// A minute north along 7 degrees east at 10 m/s, `startMetres` into the drive, showing `start` + s at second s.
QByteArray clip(const QDateTime &start, double startMetres,
                const std::function<void(int, SampleRecord &)> &edit = {})
{
    QVector<SampleRecord> records;
    for (int second = 0; second < 60; ++second) {
        const double metres = startMetres + 10.0 * second;
        SampleRecord record = SampleRecord::fix(45.0 + metres / metresPerDegree, 7.0, 36,
            start.addSecs(second).toString("yyyyMMddhhmmss").toLatin1());
        if (edit)
            edit(second, record);
        records << record;
    }
    records.prepend(records.first());
    return Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080).gps0(storedRecords(records)).bytes();
}

QVector<QJsonObject> jsonLines(const QByteArray &out)
{
    QVector<QJsonObject> lines;
    for (const QByteArray &line : out.trimmed().split('\n'))
        if (!line.isEmpty())
            lines << QJsonDocument::fromJson(line).object();
    return lines;
}

}  // namespace

class tst_ExporterTrips : public QObject
{
    Q_OBJECT

private:
    QString path(const QString &name) const { return mDir.filePath(name); }
    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    // Trip lines with the folder taken off file names.
    QVector<QJsonObject> tripsOf(const QStringList &names)
    {
        QStringList files;
        for (const QString &name : names)
            files << path(name);
        return jsonLines(runExporter(QStringList{"--trips"} + files).out.replace(QFile::encodeName(mDir.path() + '/'), ""));
    }

    QTemporaryDir mDir;

private slots:
    void initTestCase()
    {
        // A drive 09:00-09:04 in four clips (a rear file, one without telemetry, one whose clock jumps an
        // hour); an errand at 10:30 braking hard at second 12, a pothole at second 40.
        QVERIFY(write("20261206_090000F.MP4", clip(at(9, 0), 0)));
        QVERIFY(write("20261206_090000R.MP4", clip(at(9, 0), 0)));
        QVERIFY(write("20261206_090100F.MP4", clip(at(9, 1), 600)));
        QVERIFY(write("20261206_090200F.MP4", Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080).bytes()));
        QVERIFY(write("20261206_090300F.MP4", clip(at(9, 3), 1800, [](int second, SampleRecord &record) {
            if (second > 30)
                record.dateTime = at(10, 3).addSecs(second).toString("yyyyMMddhhmmss").toLatin1();
        })));
        QVERIFY(write("20261206_103000F.MP4", clip(at(10, 30), 0, [](int second, SampleRecord &record) {
            if (second == 12)
                record.gSensor = "-060+000+100";
            if (second == 40)
                record.gSensor = "+000+000+170";
        })));
        // Not a recording at all, named like one.
        QVERIFY(write("20261206_120000F.MP4", QByteArray(100000, 'k')));
    }

    void trips_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");  // JSON lines but for the distance
        QTest::addColumn<QVector<double>>("metres");

        const QString morning = R"({"files":["20261206_090000F.MP4","20261206_090100F.MP4","20261206_090200F.MP4",)"
            R"("20261206_090300F.MP4"],"start":"2026-12-06T09:00:00Z","end":"2026-12-06T09:04:00Z","duration":240,)"
            R"("maxSpeedKmh":36,"averageMovingSpeedKmh":36,"events":[]})";
        const QString errand = R"({"files":["20261206_103000F.MP4"],"start":"2026-12-06T10:30:00Z",)"
            R"("end":"2026-12-06T10:31:00Z","duration":60,"maxSpeedKmh":36,"averageMovingSpeedKmh":36,)"
            R"("events":[{"file":"20261206_103000F.MP4","second":12,"kind":"horizontal","g":0.6},)"
            R"({"file":"20261206_103000F.MP4","second":40,"kind":"vertical","g":0.7}]})";
        // 10 m/s from 09:00:00 to 09:03:59, the clip without telemetry covered by the step around it.
        QTest::newRow("out of order, companion, no telemetry, clock jump")
            << QStringList{"20261206_103000F.MP4", "20261206_090300F.MP4", "20261206_090200F.MP4",
                           "20261206_090000R.MP4", "20261206_090100F.MP4", "20261206_090000F.MP4"}
            << morning + "\n" + errand << QVector<double>{2390, 590};
        // A rear file on its own is the only file of its recording: a clip.
        QTest::newRow("rear file alone") << QStringList{"20261206_090000R.MP4"}
            << R"({"files":["20261206_090000R.MP4"],"start":"2026-12-06T09:00:00Z","end":"2026-12-06T09:01:00Z",)"
               R"("duration":60,"maxSpeedKmh":36,"averageMovingSpeedKmh":36,"events":[]})"
            << QVector<double>{590};
        // No records and no video: placed by its name, nothing driven.
        QTest::newRow("garbage") << QStringList{"20261206_120000F.MP4"}
            << R"({"files":["20261206_120000F.MP4"],"start":"2026-12-06T12:00:00Z","end":"2026-12-06T12:00:00Z",)"
               R"("duration":0,"maxSpeedKmh":0,"averageMovingSpeedKmh":0,"events":[]})"
            << QVector<double>{0};
    }

    void trips()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        QFETCH(QVector<double>, metres);
        QVector<QJsonObject> lines = tripsOf(files);
        QCOMPARE(lines.size(), metres.size());
        for (int i = 0; i < lines.size(); ++i) {
            const double distance = lines[i].take("distanceMetres").toDouble();
            QVERIFY2(qAbs(distance - metres[i]) < 1.0, qPrintable(QString::number(distance)));
        }
        QCOMPARE(lines, jsonLines(expected.toUtf8()));
    }

    void mergedTracks_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("tracks");     // as gpsbabel reads them back
        QTest::addColumn<int>("segments");
        QTest::addColumn<int>("names");      // distinct track names
        QTest::newRow("gpx") << "gpx" << 2 << 4 << 2;
        // gpsbabel makes each KML or GeoJSON segment a track, named after its trip in KML only.
        QTest::newRow("kml") << "kml" << 4 << 4 << 2;
        QTest::newRow("geojson") << "geojson" << 4 << 4 << 0;
    }

    // Trips of three clips and of one: one track per trip, one segment per clip.
    void mergedTracks()
    {
        QFETCH(QString, format);
        const QStringList files{path("20261206_103000F.MP4"), path("20261206_090300F.MP4"),
                                path("20261206_090000R.MP4"), path("20261206_090100F.MP4"),
                                path("20261206_090000F.MP4")};
        const Run run = runExporter(QStringList{"--format", format, "--merge-trips"} + files);
        QCOMPARE(run.exitCode, 0);
        if (format == "geojson") {
            const QJsonArray features = QJsonDocument::fromJson(run.out).object()["features"].toArray();
            QCOMPARE(features.size(), 2);
            QCOMPARE(features[0].toObject()["geometry"].toObject()["coordinates"].toArray().size(), 3);
            QCOMPARE(features[1].toObject()["properties"].toObject()["files"].toArray().size(), 1);
        }
        const QString gpx = QString::fromUtf8(gpsbabel(run.out, format, "gpx"));
        if (gpx.isNull())
            QSKIP("gpsbabel is not installed");
        QVERIFY(!gpx.isEmpty());
        QTEST(int(gpx.count("<trk>")), "tracks");
        QTEST(int(gpx.count("<trkseg>")), "segments");
        QSet<QString> names;
        for (auto it = QRegularExpression(R"(<trk>\s*<name>([^<]*)</name>)").globalMatch(gpx); it.hasNext();)
            names << it.next().captured(1);
        QTEST(int(names.size()), "names");
        // 180 positions of the morning and 60 of the errand, all of them.
        QCOMPARE(int(gpx.count("<trkpt ")), 240);
    }
};

QTEST_GUILESS_MAIN(tst_ExporterTrips)
#include "tst_exportertrips.moc"
