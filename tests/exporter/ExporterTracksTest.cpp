#include "ExporterTestSupport.h"

#include "AviSample.h"
#include "Mp4Sample.h"
#include "SampleRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using namespace ExporterTestSupport;

namespace {

struct Point
{
    double latitude = 0.0;
    double longitude = 0.0;
    QString time;
    double speed = 0.0;  // m/s
    double course = 0.0;
};

struct Track
{
    QString name;
    QVector<Point> points;
};

// What a track of the file must hold: every served sample with a position.
Track expectedTrack(const QString &path)
{
    Track track{QFileInfo(path).fileName(), {}};
    for (const GpsData &data : decodedSamples(path)) {
        if (data.latitude == 0.0 && data.longitude == 0.0)
            continue;
        Point point;
        point.latitude = data.latHemisphere == 'S' ? -data.latitude : data.latitude;
        point.longitude = data.lonHemisphere == 'W' ? -data.longitude : data.longitude;
        QDateTime time = QDateTime::fromString(data.dateTime, "yyyyMMddhhmmss");
        time.setTimeSpec(Qt::UTC);
        point.time = time.toString(Qt::ISODate);
        point.speed = data.speed / 3.6;
        point.course = data.bearing;
        track.points.append(point);
    }
    return track;
}

QVector<Track> gpxTracks(const QByteArray &document)
{
    QVector<Track> tracks;
    QXmlStreamReader xml(document);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == "trk") {
            tracks.append(Track());
        } else if (name == "name" && !tracks.isEmpty()) {
            tracks.last().name = xml.readElementText();
        } else if (name == "trkpt") {
            Point point;
            point.latitude = xml.attributes().value("lat").toDouble();
            point.longitude = xml.attributes().value("lon").toDouble();
            tracks.last().points.append(point);
        } else if (name == "time") {
            tracks.last().points.last().time = xml.readElementText();
        } else if (name == "speed") {
            tracks.last().points.last().speed = xml.readElementText().toDouble();
        } else if (name == "course") {
            tracks.last().points.last().course = xml.readElementText().toDouble();
        }
    }
    if (xml.hasError())
        qWarning() << "GPX:" << xml.errorString();
    return tracks;
}

QVector<Track> kmlTracks(const QByteArray &document)
{
    QVector<Track> tracks;
    QXmlStreamReader xml(document);
    QStringList times;
    QList<QStringList> coordinates;
    QMap<QString, QStringList> arrays;
    QString arrayName;
    const auto finishTrack = [&] {
        for (int i = 0; i < coordinates.size(); ++i) {
            Point point{coordinates[i].value(1).toDouble(), coordinates[i].value(0).toDouble(),
                        times.value(i), arrays["speed"].value(i).toDouble(),
                        arrays["course"].value(i).toDouble()};
            tracks.last().points.append(point);
        }
        times.clear();
        coordinates.clear();
        arrays.clear();
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == "Placemark")
            finishTrack();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == "Placemark")
            tracks.append(Track());
        else if (xml.name() == "name" && !tracks.isEmpty())
            tracks.last().name = xml.readElementText();
        else if (xml.name() == "when")
            times.append(xml.readElementText());
        else if (xml.name() == "coord")
            coordinates.append(xml.readElementText().split(' '));
        else if (xml.name() == "SimpleArrayData")
            arrayName = xml.attributes().value("name").toString();
        else if (xml.name() == "value")
            arrays[arrayName].append(xml.readElementText());
    }
    if (xml.hasError())
        qWarning() << "KML:" << xml.errorString();
    return tracks;
}

QVector<Track> geoJsonTracks(const QByteArray &document)
{
    QVector<Track> tracks;
    const QJsonObject collection = QJsonDocument::fromJson(document).object();
    if (collection.value("type") != "FeatureCollection")
        return tracks;
    for (const QJsonValue &feature : collection.value("features").toArray()) {
        const QJsonObject properties = feature["properties"].toObject();
        const QJsonObject geometry = feature["geometry"].toObject();
        QJsonArray coordinates = geometry["coordinates"].toArray();
        if (geometry["type"] == "Point")
            coordinates = QJsonArray{geometry["coordinates"]};
        Track track{properties["name"].toString(), {}};
        for (int i = 0; i < coordinates.size(); ++i) {
            const QJsonArray position = coordinates[i].toArray();
            track.points.append({position[1].toDouble(), position[0].toDouble(),
                                 properties["coordTimes"].toArray()[i].toString(),
                                 properties["speeds"].toArray()[i].toDouble(),
                                 properties["courses"].toArray()[i].toDouble()});
        }
        tracks.append(track);
    }
    return tracks;
}

QVector<Track> tracksIn(const QString &format, const QByteArray &document)
{
    if (format == "gpx")
        return gpxTracks(document);
    if (format == "kml")
        return kmlTracks(document);
    return geoJsonTracks(document);
}

} // namespace

class ExporterTracksTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tracksHoldEveryPosition_data();
    void tracksHoldEveryPosition();
    void gpsbabelReadsEveryPoint_data();
    void gpsbabelReadsEveryPoint();

private:
    QStringList dayOfClips() const;

    QTemporaryDir mDir;
};

void ExporterTracksTest::initTestCase()
{
    QLoggingCategory::setFilterRules("default.debug=false");
    QVERIFY(mDir.isValid());
    // South-west of both zero lines, with two samples without a fix and one
    // whose time is no date.
    QVector<GpsRecord> southWest = straightDrive(20, -33.9, -70.6, -0.0003);
    southWest[5] = SampleRecord().stored();
    southWest[6] = SampleRecord::fix(0.0, 0.0).stored();
    southWest[9] = SampleRecord::fix(-33.9027, -70.6027, 50, "20261399999999").stored();
    QVERIFY(Mp4Sample().movie(1000, 19000).videoTrack(1920, 1080).gps0(southWest)
                .write(mDir.filePath("morning.mp4")));
    QVERIFY(Mp4Sample().movie(1000, 5000).videoTrack(1920, 1080).write(mDir.filePath("parked.mp4")));
    // One point only, and across the 180th meridian in the next file.
    QVERIFY(AviSample().mainHeader(40000, 75, 1280, 720).videoChunk(10)
                .gpslBlock(straightDrive(2, 51.5, -0.1)).write(mDir.filePath("errand.avi")));
    QVector<GpsRecord> eastward;
    for (int i = 0; i < 10; ++i) {
        const double longitude = 179.9991 + 0.0002 * i;
        eastward.append(SampleRecord::fix(-17.0 + 0.0002 * i,
                                          longitude > 180.0 ? longitude - 360.0 : longitude, 70)
                            .stored());
    }
    QVERIFY(Mp4Sample().movie(1000, 9000).videoTrack(1280, 720).extTrack(eastward)
                .write(mDir.filePath("evening <&> night.mov")));
}

QStringList ExporterTracksTest::dayOfClips() const
{
    return {mDir.filePath("morning.mp4"), mDir.filePath("parked.mp4"),
            mDir.filePath("errand.avi"), mDir.filePath("evening <&> night.mov")};
}

void ExporterTracksTest::tracksHoldEveryPosition_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("gpx") << "gpx";
    QTest::newRow("kml") << "kml";
    QTest::newRow("geojson") << "geojson";
}

void ExporterTracksTest::tracksHoldEveryPosition()
{
    QFETCH(QString, format);
    const Run run = runExporter(QStringList{"--format", format} + dayOfClips());
    QCOMPARE(run.exitCode, 0);
    const QVector<Track> tracks = tracksIn(format, run.out);

    QCOMPARE(tracks.size(), dayOfClips().size());
    const QVector<int> pointCounts = {17, 0, 1, 9};
    for (int t = 0; t < tracks.size(); ++t) {
        const Track expected = expectedTrack(dayOfClips()[t]);
        QCOMPARE(expected.points.size(), pointCounts[t]);
        QCOMPARE(tracks[t].name, expected.name);
        QCOMPARE(tracks[t].points.size(), expected.points.size());
        for (int p = 0; p < expected.points.size(); ++p) {
            const Point &point = tracks[t].points[p];
            const Point &want = expected.points[p];
            QVERIFY(point.latitude == want.latitude);
            QVERIFY(point.longitude == want.longitude);
            QCOMPARE(point.time, want.time);
            QCOMPARE(point.speed, want.speed);
            QVERIFY(point.course == want.course);
        }
    }
}

void ExporterTracksTest::gpsbabelReadsEveryPoint_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("gpx") << "gpx";
    QTest::newRow("kml") << "kml";
}

void ExporterTracksTest::gpsbabelReadsEveryPoint()
{
    QFETCH(QString, format);
    const QString gpsbabel = QStandardPaths::findExecutable("gpsbabel");
    if (gpsbabel.isEmpty())
        QSKIP("gpsbabel is not installed");
    const Run run = runExporter(QStringList{"--format", format} + dayOfClips());
    QCOMPARE(run.exitCode, 0);
    const QString trackFile = mDir.filePath("day." + format);
    QVERIFY(writeBytes(trackFile, run.out));

    QProcess reader;
    reader.start(gpsbabel, {"-i", format, "-f", trackFile, "-o", "csv", "-F", "-"});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitCode(), 0);
    const QStringList lines =
        QString::fromUtf8(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);

    QVector<Point> expected;
    for (const QString &file : dayOfClips())
        expected += expectedTrack(file).points;
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i) {
        // gpsbabel writes "latitude, longitude, name" with five decimals.
        const QStringList fields = lines[i].split(',');
        QVERIFY2(qAbs(fields.value(0).toDouble() - expected[i].latitude) < 1e-5, qPrintable(lines[i]));
        QVERIFY2(qAbs(fields.value(1).toDouble() - expected[i].longitude) < 1e-5, qPrintable(lines[i]));
    }
}

QTEST_GUILESS_MAIN(ExporterTracksTest)
#include "ExporterTracksTest.moc"
