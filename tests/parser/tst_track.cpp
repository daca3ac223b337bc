#include "AviSample.h"
#include "BoxWriter.h"
#include "CameraFileName.h"
#include "CameraTime.h"
#include "CancelScope.h"
#include "Mp4Sample.h"
#include "ParserFactory.h"
#include "SampleDir.h"
#include "RecordingFiles.h"
#include "SampleRecord.h"
#include "TrackDecoder.h"

#include <QtTest>

#include <ctime>

namespace {

using Placement = Mp4Sample::Placement;

// Milliseconds since the epoch of a UTC moment, worked out by hand.
qint64 utc(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toMSecsSinceEpoch();
}

Mp4Sample movie() { return Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080); }

// The drive of the layout tests: south-west of both zero lines, a record
// without a fix (entry 3) and one whose time is no date (entry 5).
QVector<GpsRecord> testDrive()
{
    QVector<SampleRecord> records;
    for (int i = 0; i < 9; ++i) {
        const QByteArray time = QByteArray("202612061015") + QByteArray::number(10 + i);
        records << SampleRecord::fix(-33.9 - i * 0.0002, -70.6 - i * 0.0001, 40 + i, time, 0.01 * i, -0.02, 0.98);
    }
    records[3] = SampleRecord::fix(0.0, 0.0, 0, "20261206101513");
    records[5].dateTime = "20261399999999";
    return storedRecords(records);
}

TelemetryTrack trackOf(const QString &path) { return decodeTrack(*createParser(path)); }

}  // namespace

class tst_Track : public QObject
{
    Q_OBJECT

private:
    SampleDir mDir;

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("default.debug=false"); }

    // A time in a camera's digits or in a file's name; -1: none (a day or hour that does not exist, a digit missing).
    void times_data()
    {
        QTest::addColumn<QString>("text"); // camera digits, or a file name (with a dot)
        QTest::addColumn<qint64>("msecs");
        QTest::newRow("plain") << "20261206101500" << utc(2026, 12, 6, 10, 15, 0);
        QTest::newRow("leap day") << "20240229235959" << utc(2024, 2, 29, 23, 59, 59);
        QTest::newRow("no leap day") << "20250229120000" << qint64(-1);
        QTest::newRow("hour 24") << "20261206241500" << qint64(-1);
        QTest::newRow("minus year") << "-0011206101500" << qint64(-1);
        QTest::newRow("front camera's name") << "20261206_101500F.MP4" << utc(2026, 12, 6, 10, 15, 0);
        QTest::newRow("name with prefix and dashes") << "REC-2026-1206-111213_R.mov" << utc(2026, 12, 6, 11, 12, 13);
        QTest::newRow("numbered clip") << "CLIP_0042_F.MP4" << qint64(-1);
        QTest::newRow("name cut short by a letter") << "2026120610F1500.MP4" << qint64(-1);
    }
    void times()
    {
        QFETCH(QString, text);
        qint64 msecs = -1;
        if (text.contains('.')) {
            QVERIFY(CameraFileName::nameTime(text, msecs) == (msecs != -1));
        } else {
            const QDateTime parsed = CameraTime::parse(text.toLatin1().constData());
            QCOMPARE(CameraTime::toUtcMsecs(text.toLatin1().constData(), msecs), parsed.isValid());
            QVERIFY(parsed.isValid() ? parsed.toMSecsSinceEpoch() == msecs && parsed.timeSpec() == Qt::UTC : msecs == -1);
        }
        QTEST(msecs, "msecs");
    }

    // Camera digits, file names and MP4 creation times hold UTC, even in a zone whose clocks skip 02:00 that day.
    void timesInUtcWhateverTheZone()
    {
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
        const QDateTime gap(QDate(2026, 3, 29), QTime(2, 30), Qt::UTC);
        const QDateTime named = RecordingFiles::recordingTime(QFileInfo("20260329_023000F.MP4"));
        const QDateTime recorded = CameraTime::parse("20260329023000");
        const quint32 since1904 = quint32(QDateTime(QDate(1904, 1, 1), QTime(0, 0), Qt::UTC).secsTo(gap));
        const QDateTime created = createParser(mDir.write("created.mp4",
            Mp4Sample().movie(1000, 60000).videoTrack(640, 480, since1904).bytes()))->videoInfo().creationTime;
        zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
        tzset();
        QCOMPARE(named, gap);
        QCOMPARE(created, gap);
        QCOMPARE(recorded, gap);
    }

    void mainCameraFiles_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QVector<int>>("mains");
        // Front and rear as in the exporter's trips; here the rarer names.
        QTest::newRow("letters A and B, any case") << QStringList{"clip_0042_b.mp4", "CLIP_0042_A.MP4", "CLIP_0043_B.MP4"}
                                                   << QVector<int>{1, 2};
        QTest::newRow("no camera letter") << QStringList{"drive1.mp4", "drive2.mp4"} << QVector<int>{0, 1};
        QTest::newRow("same letter twice") << QStringList{"a/20261206_101500F.MP4", "20261206_101500F.MP4"} << QVector<int>{0, 1};
    }

    void mainCameraFiles()
    {
        QFETCH(QStringList, names);
        QTEST(CameraFileName::mainCameraFiles(names), "mains");
    }

    void layouts_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("firstEntry");  // record of second 0
        QTest::addColumn<int>("walkReads"); // at most: a chunk header among the media costs a read of its own
        const QVector<GpsRecord> drive = testDrive();
        QTest::newRow("gps0") << "clip.mp4" << movie().gps0(drive).bytes() << 1 << 3;
        QTest::newRow("gps box") << "clip.mp4" << movie().gpsBox(drive).bytes() << 1 << 3;
        QTest::newRow("ext track") << "clip.mp4" << movie().extTrack(drive).bytes() << 1 << 3;
        QTest::newRow("meta track") << "clip.mp4" << movie().metaTrack(drive).bytes() << 1 << 3;
        QTest::newRow("freeGPS") << "clip.mp4" << movie().freeGpsTrack(drive).bytes() << 1 << 4;
        QTest::newRow("GPSL block") << "clip.avi" << AviSample().mainHeader(40000, 250, 1280, 720)
                                       .videoChunk(100).gpslBlock(drive).bytes() << 1 << 3;
        QTest::newRow("audio chunks") << "clip.avi" << AviSample().mainHeader(40000, 250, 1280, 720)
                                         .audioRecords(drive).bytes() << 0 << 3 + drive.size();
    }

    // Every layout gives one point per served second: signed position, UTC time, speed and G values.
    void layouts()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, file);
        QFETCH(int, firstEntry);
        QFETCH(int, walkReads);
        const auto parser = createParser(mDir.write(fileName, file));
        QVERIFY2(parser->fileReads() <= walkReads, qPrintable(QString::number(parser->fileReads())));
        const int readsBefore = parser->fileReads();
        const TelemetryTrack track = decodeTrack(*parser);
        QCOMPARE(track.size(), 8);  // the last stored record is never served
        // One read per record at most: its table stays read.
        QVERIFY(parser->fileReads() - readsBefore <= track.size());
        for (int second = 0; second < track.size(); ++second) {
            const TrackPoint &point = track[second];
            const int entry = second + firstEntry;
            QCOMPARE(point.second, second);
            QCOMPARE(point.hasFix, entry != 3);
            if (entry != 3) {
                QVERIFY(qAbs(point.latitude - (-33.9 - entry * 0.0002)) < 1e-6);
                QVERIFY(qAbs(point.longitude - (-70.6 - entry * 0.0001)) < 1e-6);
                QCOMPARE(point.speedKmh, float(40 + entry));
                QVERIFY(point.gX == float(0.01 * entry) && point.gY == -0.02f && point.gZ == 0.98f);
            }
            QCOMPARE(point.hasTime, entry != 5);
            if (entry != 5)
                QCOMPARE(point.utcMsecs, utc(2026, 12, 6, 10, 15, 10 + entry));
            QVERIFY(point.course >= 0.0 && point.course < 360.0);
        }
        // South-west at twice the pace southwards: a course between 180 and 270.
        QVERIFY(track[7].course > 180.0 && track[7].course < 270.0);
    }

    // Slices decoded between playback requests give the very track of one pass, courses included.
    void slicesBetweenRequests()
    {
        const QString path = mDir.write("slices.mp4", movie().gps0(straightDrive(40)).bytes());
        const TelemetryTrack whole = trackOf(path);
        QCOMPARE(whole.size(), 39);
        const auto parser = createParser(path);
        TrackDecoder decoder(*parser);
        TelemetryTrack sliced;
        GpsData served;
        for (int request = 30; !decoder.atEnd(); request -= 7) {
            QVERIFY(decoder.decodeUntil(decoder.nextSecond() + 5, sliced));
            QVERIFY(parser->getGpsData(qAbs(request), served));
        }
        QCOMPARE(sliced.size(), whole.size());
        for (int i = 0; i < whole.size(); ++i)
            QVERIFY(sliced[i].second == whole[i].second && sliced[i].course == whole[i].course && sliced[i].latitude == whole[i].latitude);
    }

    void cancelled()
    {
        const QString path = mDir.write("cancel.mp4", movie().gps0(straightDrive(40)).bytes());
        const auto parser = createParser(path);
        std::atomic<bool> flag{true};
        CancelScope scope(flag);
        QVERIFY(decodeTrack(*parser, &scope).isEmpty());
        TrackDecoder decoder(*parser);
        TelemetryTrack track;
        QVERIFY(!decoder.decodeUntil(10, track, &scope));
        QVERIFY(track.isEmpty());
    }

    void truncated_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("file");
        const QVector<GpsRecord> drive = straightDrive(12);
        QTest::newRow("gps0") << "cut.mp4" << movie().gps0(drive).bytes();
        QTest::newRow("meta track, moov first") << "cut.mp4" << movie().metaTrack(drive).bytes();
        QTest::newRow("audio chunks") << "cut.avi" << AviSample().mainHeader(40000, 250, 1280, 720)
                                         .audioRecords(drive).bytes();
    }

    // A file cut anywhere keeps only points equal to the whole file's point of that second.
    void truncated()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, file);
        const TelemetryTrack whole = trackOf(mDir.write(fileName, file));
        QVERIFY(!whole.isEmpty());
        for (int length = 0; length < file.size(); length += qMax(1, file.size() / 97)) {
            const TelemetryTrack part = trackOf(mDir.write(fileName, file.left(length)));
            QVERIFY2(part.size() <= whole.size(), qPrintable(QString::number(length)));
            for (const TrackPoint &point : part) {
                const TrackPoint &full = whole.value(point.second);
                QVERIFY2(point.second < whole.size() && point.latitude == full.latitude
                             && point.utcMsecs == full.utcMsecs && point.gZ == full.gZ,
                         qPrintable(QString("cut at %1, second %2").arg(length).arg(point.second)));
            }
        }
    }

    void lyingFiles_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("file");
        const QByteArray one = recordBytes(straightDrive(1).first());
        // 200,000 table entries, every one pointing at the one record there is.
        QByteArray sameEntry;
        for (int i = 0; i < 200000; ++i)
            sameEntry += BoxWriter::bigEndian32(40) + BoxWriter::bigEndian32(0);
        QTest::newRow("every entry at one record") << "lie.mp4"
            << BoxWriter::box("ftyp", "isom") + BoxWriter::box("mdat", QByteArray(18, '\0') + one)
                   + BoxWriter::box("moov", BoxWriter::box("gps ", BoxWriter::bigEndian32(0)
                                     + BoxWriter::bigEndian32(200000) + sameEntry));
        QTest::newRow("gps0 claims 4 GB") << "lie.mp4"
            << BoxWriter::box("ftyp", "isom") + BoxWriter::boxHeader(0xFFFFFFF0u, "gps0") + one + one;
        QByteArray gpsl = AviSample().mainHeader(40000, 250, 1280, 720).gpslBlock(straightDrive(3)).bytes();
        gpsl.replace(gpsl.lastIndexOf("GPSL") + 4, 4, BoxWriter::bigEndian32(~0u));
        QTest::newRow("GPSL claims 2^32 records") << "lie.avi" << gpsl;
    }

    // However many records a file claims, the pass asks for no more seconds than its size could hold.
    void lyingFiles()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, file);
        const auto parser = createParser(mDir.write(fileName, file));
        TrackDecoder decoder(*parser);
        QVERIFY2(decoder.endSecond() <= file.size() / 311, qPrintable(QString::number(decoder.endSecond())));
        QVERIFY(decodeTrack(*parser).size() <= file.size() / 311);
    }
};

QTEST_GUILESS_MAIN(tst_Track)
#include "tst_track.moc"
