#include "ParserFactory.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

#include <cmath>

namespace {

const QDateTime driveStart(QDate(2026, 12, 6), QTime(10, 15, 0));
const QStringList demoFiles = {"20261206_101500F.MP4", "20261206_101600F.MP4",
    "20261206_101500R.MP4", "20261206_101600R.MP4", "drive-mov-layout.MOV", "drive-avi-layout.AVI"};

QString demoPath(const QString &name)
{
    return QDir(DEMO_DIR).filePath(name);
}

// The samples of the first `seconds` seconds, up to the first one missing.
QVector<GpsData> samplesOf(const QString &name, int seconds)
{
    QVector<GpsData> samples;
    const std::unique_ptr<ParserObject> parser = createParser(demoPath(name));
    for (GpsData data; samples.size() < seconds && parser->getGpsData(samples.size(), data);)
        samples.append(data);
    return samples;
}

// What must agree between cameras and layouts: time, position, speed, bump.
QString fixOf(const GpsData &data)
{
    return QString("%1 %2%3 %4%5 %6 km/h %7 g").arg(data.dateTime).arg(data.latitude, 0, 'g', 17)
        .arg(data.latHemisphere).arg(data.longitude, 0, 'g', 17).arg(data.lonHemisphere)
        .arg(data.speed).arg(data.gZ);
}

}  // namespace

class DemoRecordingsTest : public QObject
{
    Q_OBJECT
private slots:
    void containerAndTelemetry_data();
    void containerAndTelemetry();
    void driveHasStopsTurnsAndBumps();
    void ffmpegDecodes_data();
    void ffmpegDecodes();
};

void DemoRecordingsTest::containerAndTelemetry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("startSecond");

    const QSize front(1280, 720), rear(640, 360);
    QTest::newRow("front 10:15") << demoFiles[0] << "Gps0Records" << front << 60 << 0;
    QTest::newRow("front 10:16") << demoFiles[1] << "Gps0Records" << front << 60 << 60;
    QTest::newRow("rear 10:15") << demoFiles[2] << "GpsBoxTable" << rear << 60 << 0;
    QTest::newRow("rear 10:16") << demoFiles[3] << "GpsBoxTable" << rear << 60 << 60;
    QTest::newRow("mov") << demoFiles[4] << "GpsBoxTable" << front << 120 << 0;
    QTest::newRow("avi") << demoFiles[5] << "GpslBlock" << front << 120 << 0;
}

// Each recording holds a sample for every second, stamped with the clock
// time its name gives, and the same drive as the front camera's clips.
void DemoRecordingsTest::containerAndTelemetry()
{
    QFETCH(QString, name);
    QFETCH(int, duration);
    QFETCH(int, startSecond);
    QVERIFY2(QFileInfo::exists(demoPath(name)), qPrintable(demoPath(name)));
    const std::unique_ptr<ParserObject> parser = createParser(demoPath(name));
    const VideoInfo info = parser->videoInfo();
    QTEST(gpsKindName(parser->layout()), "layout");
    QTEST(QSize(info.width, info.height), "frameSize");
    QCOMPARE(int(info.duration), duration);
    const QDateTime start = driveStart.addSecs(startSecond);
    QCOMPARE(info.creationTime.toString("hh:mm:ss"),
        isAviPath(name) ? QString() : start.toString("hh:mm:ss"));

    const QVector<GpsData> samples = samplesOf(name, duration);
    const QVector<GpsData> drive = samplesOf(demoFiles[0], 60) + samplesOf(demoFiles[1], 60);
    QCOMPARE(samples.size(), duration);
    QCOMPARE(drive.size(), 120);
    for (int second = 0; second < duration; ++second) {
        const QString time = start.addSecs(second).toString("yyyyMMddhhmmss");
        QCOMPARE(QString(samples[second].dateTime), time);
        QCOMPARE(fixOf(samples[second]), fixOf(drive[startSecond + second]));
    }
}

void DemoRecordingsTest::driveHasStopsTurnsAndBumps()
{
    // One file, so that every course comes from the sample before.
    const QVector<GpsData> drive = samplesOf("drive-mov-layout.MOV", 120);
    QCOMPARE(drive.size(), 120);

    int stops = 0, stillSeconds = 0, turns = 0;
    for (const GpsData &sample : drive) {
        stillSeconds = sample.speed == 0 ? stillSeconds + 1 : 0;
        stops += stillSeconds == 5;
    }
    const int cornerSeconds = 8;
    for (int second = cornerSeconds; second < drive.size(); ++second) {
        const double from = drive[second - cornerSeconds].bearing;
        if (std::fabs(std::remainder(drive[second].bearing - from, 360.0)) > 60.0) {
            ++turns;
            second += cornerSeconds;  // one corner counts once
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
    QVERIFY(largest([](const GpsData &s) { return s.gX; }) > 0.15);       // cornering
    QVERIFY(largest([](const GpsData &s) { return s.gY; }) > 0.15);       // braking, moving off
    QVERIFY(largest([](const GpsData &s) { return s.gZ - 1.0; }) > 0.4);  // potholes
    QVERIFY(largest([](const GpsData &s) { return s.speed; }) >= 35);     // km/h
}

void DemoRecordingsTest::ffmpegDecodes_data()
{
    containerAndTelemetry_data();
}

// The added telemetry must leave the containers intact for real players.
void DemoRecordingsTest::ffmpegDecodes()
{
    QFETCH(QString, name);
    QFETCH(QSize, frameSize);
    if (QString(FFPROBE_PROGRAM).isEmpty())
        QSKIP("ffprobe is not installed");

    QProcess probe;
    probe.start(FFPROBE_PROGRAM, {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                  "stream=codec_name,width,height", "-of", "csv=p=0",
                                  demoPath(name)});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString(probe.readAllStandardOutput()).trimmed(),
        QString("h264,%1,%2").arg(frameSize.width()).arg(frameSize.height()));

    QProcess decode;
    decode.start(FFMPEG_PROGRAM,
        {"-nostdin", "-v", "error", "-i", demoPath(name), "-f", "null", "-"});
    QVERIFY(decode.waitForFinished(120000));
    QCOMPARE(decode.exitCode(), 0);
    QCOMPARE(QString(decode.readAllStandardError()), QString());
}

QTEST_GUILESS_MAIN(DemoRecordingsTest)
#include "DemoRecordingsTest.moc"
