#include "ParserFactory.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

#include <cmath>

namespace {

const QDateTime driveStart(QDate(2026, 12, 6), QTime(10, 15, 0));
const QStringList frontClips = {"20261206_101500F.MP4", "20261206_101600F.MP4"};
const QStringList rearClips = {"20261206_101500R.MP4", "20261206_101600R.MP4"};
const QStringList demoFiles = frontClips + rearClips
                              + QStringList{"drive-mov-layout.MOV", "drive-avi-layout.AVI"};

QString demoPath(const QString &name)
{
    return QDir(DEMO_DIR).filePath(name);
}

double signedLatitude(const GpsData &data)
{
    return data.latHemisphere == 'S' ? -data.latitude : data.latitude;
}

double signedLongitude(const GpsData &data)
{
    return data.lonHemisphere == 'W' ? -data.longitude : data.longitude;
}

// The samples of seconds 0 to seconds - 1, in order; stops at the first
// second without one.
QVector<GpsData> samplesOf(const QString &name, int seconds)
{
    QVector<GpsData> samples;
    const std::unique_ptr<ParserObject> parser = createParser(demoPath(name));
    GpsData data;
    for (int second = 0; second < seconds && parser->getGpsData(second, data); ++second)
        samples.append(data);
    return samples;
}

// The whole drive, second by second, as the front camera logged it.
QVector<GpsData> frontDrive()
{
    return samplesOf(frontClips[0], 60) + samplesOf(frontClips[1], 60);
}

double turnBetween(double fromBearing, double toBearing)
{
    return std::fabs(std::remainder(toBearing - fromBearing, 360.0));
}

// A second-camera file pairs with the first other file whose name starts
// with its own name less the last 7 characters ("F.MP4" and two digits).
QString companionOf(const QString &name, const QStringList &names)
{
    const QString prefix = name.left(name.size() - 7);
    for (const QString &other : names) {
        if (other != name && other.startsWith(prefix, Qt::CaseInsensitive))
            return other;
    }
    return {};
}

} // namespace

class DemoRecordingsTest : public QObject
{
    Q_OBJECT
private slots:
    void containerAndTelemetry_data();
    void containerAndTelemetry();
    void driveHasStopsTurnsAndBumps();
    void companionsPairCamerasOfTheSameMinute();
    void ffmpegDecodes_data();
    void ffmpegDecodes();
};

void DemoRecordingsTest::containerAndTelemetry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("startSecond");

    const QSize front(1280, 720), rear(640, 360);
    const int gps0 = int(GpsKind::Gps0Records), table = int(GpsKind::GpsBoxTable);
    QTest::newRow("front 10:15") << frontClips[0] << gps0 << front << 60 << 0;
    QTest::newRow("front 10:16") << frontClips[1] << gps0 << front << 60 << 60;
    QTest::newRow("rear 10:15") << rearClips[0] << table << rear << 60 << 0;
    QTest::newRow("rear 10:16") << rearClips[1] << table << rear << 60 << 60;
    QTest::newRow("mov") << "drive-mov-layout.MOV" << table << front << 120 << 0;
    QTest::newRow("avi") << "drive-avi-layout.AVI" << int(GpsKind::GpslBlock) << front << 120 << 0;
}

// Each recording holds a sample for every second, stamped with the clock
// time its name gives, and the same drive as the front camera's clips.
void DemoRecordingsTest::containerAndTelemetry()
{
    QFETCH(QString, name);
    QFETCH(int, layout);
    QFETCH(QSize, frameSize);
    QFETCH(int, duration);
    QFETCH(int, startSecond);

    QVERIFY2(QFileInfo::exists(demoPath(name)), qPrintable(demoPath(name)));
    const std::unique_ptr<ParserObject> parser = createParser(demoPath(name));
    const VideoInfo info = parser->videoInfo();
    QCOMPARE(int(parser->layout()), layout);
    QCOMPARE(QSize(info.width, info.height), frameSize);
    QCOMPARE(int(info.duration), duration);
    if (isAviPath(name))
        QVERIFY(info.creationTime.isNull());
    else
        QCOMPARE(info.creationTime.toString("hh:mm:ss"),
                 driveStart.addSecs(startSecond).toString("hh:mm:ss"));

    const QVector<GpsData> samples = samplesOf(name, duration);
    const QVector<GpsData> drive = frontDrive();
    QCOMPARE(samples.size(), duration);
    QCOMPARE(drive.size(), 120);
    for (int second = 0; second < duration; ++second) {
        const GpsData &sample = samples[second];
        const GpsData &expected = drive[startSecond + second];
        const QString time = driveStart.addSecs(startSecond + second).toString("yyyyMMddhhmmss");
        QCOMPARE(QString(sample.dateTime), time);
        QCOMPARE(signedLatitude(sample), signedLatitude(expected));
        QCOMPARE(signedLongitude(sample), signedLongitude(expected));
        QCOMPARE(sample.speed, expected.speed);
        QCOMPARE(sample.gZ, expected.gZ);
    }
}

void DemoRecordingsTest::driveHasStopsTurnsAndBumps()
{
    // One file, so that every course comes from the sample before.
    const QVector<GpsData> drive = samplesOf("drive-mov-layout.MOV", 120);
    QCOMPARE(drive.size(), 120);

    int stops = 0, stillSeconds = 0, turns = 0;
    for (int second = 0; second < drive.size(); ++second) {
        stillSeconds = drive[second].speed == 0 ? stillSeconds + 1 : 0;
        if (stillSeconds == 5)
            ++stops;
    }
    const int cornerSeconds = 8;
    for (int second = cornerSeconds; second < drive.size(); ++second) {
        if (turnBetween(drive[second - cornerSeconds].bearing, drive[second].bearing) > 60.0) {
            ++turns;
            second += cornerSeconds;
        }
    }
    const auto largest = [&drive](auto axis) {
        double value = 0.0;
        for (const GpsData &sample : drive)
            value = std::max(value, std::fabs(double(axis(sample))));
        return value;
    };
    QVERIFY2(stops >= 2, "red lights: at least two stops of 5 s or more");
    QVERIFY2(turns >= 2, "corners: course changes of more than 60 degrees");
    QVERIFY(largest([](const GpsData &s) { return s.gX; }) > 0.15);  // cornering
    QVERIFY(largest([](const GpsData &s) { return s.gY; }) > 0.15);  // braking, moving off
    QVERIFY(largest([](const GpsData &s) { return s.gZ - 1.0; }) > 0.4);  // potholes
    QVERIFY(std::any_of(drive.cbegin(), drive.cend(),
                        [](const GpsData &s) { return s.speed >= 35; }));
}

// Whatever order the files are opened in, front and rear of one minute find
// each other and the MOV and AVI find nothing.
void DemoRecordingsTest::companionsPairCamerasOfTheSameMinute()
{
    const QHash<QString, QString> partners = {
        {frontClips[0], rearClips[0]}, {rearClips[0], frontClips[0]},
        {frontClips[1], rearClips[1]}, {rearClips[1], frontClips[1]},
    };
    QStringList playlist = demoFiles;
    for (int order = 0; order < 2; ++order) {
        for (const QString &name : playlist)
            QCOMPARE(companionOf(name, playlist), partners.value(name));
        std::reverse(playlist.begin(), playlist.end());
    }
}

void DemoRecordingsTest::ffmpegDecodes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("videoStream");
    for (const QString &name : demoFiles) {
        const bool rear = rearClips.contains(name);
        QTest::newRow(qPrintable(name)) << name << (rear ? "h264,640,360" : "h264,1280,720");
    }
}

// The added telemetry must leave the containers intact for real players.
void DemoRecordingsTest::ffmpegDecodes()
{
    QFETCH(QString, name);
    QFETCH(QString, videoStream);
    if (QString(FFPROBE_PROGRAM).isEmpty())
        QSKIP("ffprobe is not installed");

    QProcess probe;
    probe.start(FFPROBE_PROGRAM, {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                  "stream=codec_name,width,height", "-of", "csv=p=0",
                                  demoPath(name)});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString(probe.readAllStandardOutput()).trimmed(), videoStream);

    QProcess decode;
    decode.start(FFMPEG_PROGRAM,
                 {"-nostdin", "-v", "error", "-i", demoPath(name), "-f", "null", "-"});
    QVERIFY(decode.waitForFinished(120000));
    QCOMPARE(decode.exitCode(), 0);
    QCOMPARE(QString(decode.readAllStandardError()), QString());
}

QTEST_GUILESS_MAIN(DemoRecordingsTest)
#include "DemoRecordingsTest.moc"
