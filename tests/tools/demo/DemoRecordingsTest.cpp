#include "ParserFactory.h"
#include "TrackDecoder.h"

#include <QDir>
#include <QProcess>
#include <QtTest>


namespace {

// The front clips of each drive, whose records the other recordings of the drive repeat.
const QStringList firstDrive = {"20261206_101500F.MP4", "20261206_101600F.MP4"};
const QStringList secondDrive = {"20261206_111500F.MP4", "20261206_111600F.MP4"};

// The samples of the first `seconds` seconds.
QVector<GpsData> samplesOf(const QString &name, int seconds)
{
    QVector<GpsData> samples;
    const std::unique_ptr<ParserObject> parser = createParser(QDir(DEMO_DIR).filePath(name));
    TrackDecoder decoder(*parser, seconds);
    for (GpsData data; decoder.nextSample(data);)
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
    void recording_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QSize>("frameSize");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("startSecond");
        QTest::addColumn<QStringList>("drive");
        QTest::addColumn<int>("hour");
        const QSize front(1280, 720), rear(640, 360);
        QTest::newRow("front 10:16") << firstDrive[1] << "Gps0Records" << front << 60 << 60 << firstDrive << 10;
        QTest::newRow("rear 10:15") << "20261206_101500R.MP4" << "GpsBoxTable" << rear << 60 << 0 << firstDrive << 10;
        QTest::newRow("mov") << "drive-mov-layout.MOV" << "GpsBoxTable" << front << 120 << 0 << firstDrive << 10;
        QTest::newRow("avi") << "drive-avi-layout.AVI" << "GpslBlock" << front << 120 << 0 << firstDrive << 10;
        QTest::newRow("rear 11:16") << "20261206_111600R.MP4" << "GpsBoxTable" << rear << 60 << 60 << secondDrive << 11;
    }

    // Each recording holds a sample for every second, stamped with the clock time its
    // name gives, the same drive as the front camera's, and still decodes in ffmpeg.
    void recording()
    {
        QFETCH(QString, name);
        QFETCH(int, duration);
        QFETCH(int, startSecond);
        QFETCH(QStringList, drive);
        QFETCH(int, hour);
        const QString path = QDir(DEMO_DIR).filePath(name);
        const std::unique_ptr<ParserObject> parser = createParser(path);
        const VideoInfo info = parser->videoInfo();
        QTEST(gpsKindName(parser->layout()), "layout");
        QTEST(QSize(info.width, info.height), "frameSize");
        QCOMPARE(int(info.duration), duration);
        const QDateTime start = QDateTime(QDate(2026, 12, 6), QTime(hour, 15)).addSecs(startSecond);
        QCOMPARE(info.creationTime.toString("hh:mm:ss"), isAviPath(name) ? QString() : start.toString("hh:mm:ss"));

        const QVector<GpsData> samples = samplesOf(name, duration);
        const QVector<GpsData> driven = samplesOf(drive[0], 60) + samplesOf(drive[1], 60);
        QVERIFY(samples.size() == duration && driven.size() == 120);
        for (int second = 0; second < duration; ++second) {
            const QString time = start.addSecs(second).toString("yyyyMMddhhmmss");
            QCOMPARE(QString(samples[second].dateTime), time);
            QCOMPARE(fixOf(samples[second]), fixOf(driven[startSecond + second]));
        }
        QProcess decode;
        decode.start(FFMPEG_PROGRAM, {"-nostdin", "-v", "error", "-i", path, "-f", "null", "-"});
        QVERIFY(decode.waitForFinished(120000));
        QCOMPARE(QString(decode.readAllStandardError()), QString());
        QCOMPARE(decode.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(DemoRecordingsTest)
#include "DemoRecordingsTest.moc"
