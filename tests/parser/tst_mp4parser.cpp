#include "BoxWriter.h"
#include "Mp4Parser.h"
#include "Mp4Sample.h"
#include "SampleDir.h"
#include "SampleRecord.h"

#include <QtTest>

#include <climits>
#include <ctime>

using namespace BoxWriter;
using Placement = Mp4Sample::Placement;

namespace {

QByteArray handlerBox(const QByteArray &type, const QByteArray &name)
{
    return box("hdlr", QByteArray(8, '\0') + type + QByteArray(12, '\0') + name);
}

QByteArray chunkTable(quint32 count, const QByteArray &entries = QByteArray())
{
    return box("minf", box("stbl", box("stco", bigEndian32(0) + bigEndian32(count) + entries)));
}

QByteArray track(const QByteArray &mdiaChildren)
{
    return box("trak", box("mdia", mdiaChildren));
}

QDateTime fromMp4Epoch(qint64 seconds)
{
    return QDateTime(QDate(1904, 1, 1), QTime(0, 0), Qt::LocalTime).addSecs(seconds);
}

}  // namespace

class tst_Mp4Parser : public QObject
{
    Q_OBJECT

private:
    QString write(const QByteArray &bytes) { return mDir.write("clip.mp4", bytes); }

    SampleDir mDir;

private slots:
    void initTestCase()
    {
        // Creation times are local; pin the zone so the expected dates hold.
        qputenv("TZ", "UTC");
        tzset();
        QVERIFY(mDir.isValid());
    }

    void layouts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint>("records");
        QTest::addColumn<uint>("probeOffset");

        const QVector<GpsRecord> drive = straightDrive(5);
        const QVector<GpsRecord> longDrive = straightDrive(7);
        const auto video = [] { return Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080); };

        QTest::newRow("gps0 after moov")
            << video().gps0(drive).bytes() << "Gps0Records" << 5u << 0u;
        QTest::newRow("gps0 before moov")
            << video().gps0(drive, Placement::BeforeMoov).bytes() << "Gps0Records" << 5u << 0u;
        QTest::newRow("gps0 after a size-0 box")
            << video()
                   .topLevelBox(boxHeader(0, "free"), Placement::BeforeMoov)
                   .gps0(drive, Placement::BeforeMoov)
                   .bytes()
            << "Gps0Records" << 5u << 0u;
        QTest::newRow("gps box") << video().gpsBox(drive).bytes() << "GpsBoxTable" << 5u << 0u;
        QTest::newRow("gps box, largesize mdat")
            << video().largeMdat().gpsBox(drive).bytes() << "GpsBoxTable" << 5u << 0u;
        QTest::newRow("Ambarella track")
            << video().extTrack(drive).bytes() << "ExtTrack" << 5u << 0u;
        const QByteArray lengthByte(1, 13);
        QTest::newRow("QuickTime length byte")
            << video().extTrack(drive, lengthByte + "Ambarella EXT").bytes() << "ExtTrack" << 5u
            << 0u;
        QTest::newRow("lower-case name")
            << video().extTrack(drive, "ambarella ext").bytes() << "ExtTrack" << 5u << 0u;
        QTest::newRow("name ends at byte 253")
            << video().extTrack(drive, QByteArray(240, 'x') + "Ambarella EXT").bytes() << "ExtTrack"
            << 5u << 0u;
        QTest::newRow("name cut at 255 bytes")
            << video().extTrack(drive, QByteArray(250, 'x') + "Ambarella EXT").bytes() << "NoGps"
            << 0u << 0u;
        QTest::newRow("gps meta track")
            << video().metaTrack(drive).bytes() << "GpsMetaTrack" << 5u << 0u;
        QTest::newRow("meta track without stco")
            << video().metaTrack(drive, "gps", false).bytes() << "GpsMetaTrack" << 0u << 0u;
        QTest::newRow("freeGPS at 0x10004")
            << video().freeGpsTrack(drive, 0x10004).bytes() << "AudioFreeGps" << 5u << 0x10004u;
        QTest::newRow("freeGPS at 0x20004")
            << video().freeGpsTrack(drive, 0x20004).bytes() << "AudioFreeGps" << 5u << 0x20004u;
        QTest::newRow("freeGPS at 0x40004")
            << video().freeGpsTrack(drive, 0x40004).bytes() << "AudioFreeGps" << 5u << 0x40004u;
        QTest::newRow("freeGPS elsewhere")
            << video().freeGpsTrack(drive, 0x30004).bytes() << "NoGps" << 0u << 0u;
        QTest::newRow("plain sound") << video().soundTrack().bytes() << "NoGps" << 0u << 0u;
        // Several layouts in one file: the last one in file order decides.
        QTest::newRow("gps0 after moov wins")
            << video().extTrack(longDrive).gps0(drive).bytes() << "Gps0Records" << 5u << 0u;
        QTest::newRow("moov after gps0 wins")
            << video().gps0(drive, Placement::BeforeMoov).extTrack(longDrive).bytes() << "ExtTrack"
            << 7u << 0u;
        QTest::newRow("later track wins")
            << video().metaTrack(drive).extTrack(longDrive).bytes() << "ExtTrack" << 7u << 0u;
        QTest::newRow("gps box after the tracks wins")
            << video().extTrack(longDrive).freeGpsTrack(drive).gpsBox(drive).bytes()
            << "GpsBoxTable" << 5u << 0x10004u;  // carried, unused
    }

    void layouts()
    {
        QFETCH(QByteArray, file);
        QFETCH(uint, records);
        const QString path = write(file);
        QVERIFY(!path.isEmpty());

        Mp4Parser parser(path);
        QTEST(gpsKindName(parser.layout()), "kind");
        QCOMPARE(parser.records(), records);
        QTEST(parser.freeGpsProbeOffset(), "probeOffset");
        QCOMPARE(parser.videoInfo().width, 1920);

        // Entry 0 is never shown: second s is record s + 1, the last is unused.
        const int served = qMax(0, int(records) - 1);
        for (int second = 0; second < served; ++second) {
            GpsData data;
            QVERIFY2(parser.getGpsData(second, data), qPrintable(QString::number(second)));
            QCOMPARE(data.second, second);
            QCOMPARE(QByteArray(data.dateTime), straightDriveTime(second + 1));
        }
        GpsData data;
        QVERIFY(!parser.getGpsData(served, data));
        QCOMPARE(data.second, 0);
    }

    void videoInfo_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<uint>("duration");
        QTest::addColumn<QDateTime>("creationTime");

        const QVector<GpsRecord> drive = straightDrive(3);
        QTest::newRow("movie header")
            << Mp4Sample().movie(1000, 59999).videoTrack(1920, 1080).bytes() << 1920 << 1080 << 59u
            << fromMp4Epoch(0);
        QTest::newRow("time scale 0") << Mp4Sample().movie(0, 59999).videoTrack(1920, 1080).bytes()
                                      << 1920 << 1080 << 0u << fromMp4Epoch(0);
        QTest::newRow("creation time")
            << Mp4Sample().movie(1000, 1000).videoTrack(1920, 1080, 3000000000u).bytes() << 1920
            << 1080 << 1u << QDateTime(QDate(1999, 1, 24), QTime(5, 20), Qt::LocalTime);
        QTest::newRow("widest first")
            << Mp4Sample().videoTrack(1920, 1080, 100).videoTrack(1280, 720, 200).bytes() << 1920
            << 1080 << 0u << fromMp4Epoch(100);
        QTest::newRow("widest last")
            << Mp4Sample().videoTrack(1280, 720, 200).videoTrack(1920, 1080, 100).bytes() << 1920
            << 1080 << 0u << fromMp4Epoch(100);
        QTest::newRow("equal widths, first wins")
            << Mp4Sample().videoTrack(1920, 1080, 100).videoTrack(1920, 800, 200).bytes() << 1920
            << 1080 << 0u << fromMp4Epoch(100);
        QTest::newRow("width 0") << Mp4Sample().videoTrack(0, 1080, 100).bytes() << 0 << 0 << 0u
                                 << QDateTime();
        QTest::newRow("gps0 before moov") << Mp4Sample()
                                                 .movie(1000, 60000)
                                                 .videoTrack(1280, 720)
                                                 .gps0(drive, Placement::BeforeMoov)
                                                 .bytes()
                                          << 1280 << 720 << 60u << fromMp4Epoch(0);
        QTest::newRow("largesize mdat")
            << Mp4Sample().movie(1000, 60000).videoTrack(1280, 720).largeMdat().bytes() << 1280
            << 720 << 60u << fromMp4Epoch(0);
        QTest::newRow("size-0 box first")
            << Mp4Sample()
                   .movie(1, 3)
                   .videoTrack(1280, 720)
                   .topLevelBox(boxHeader(0, "free"), Placement::BeforeMoov)
                   .bytes()
            << 1280 << 720 << 3u << fromMp4Epoch(0);
        QTest::newRow("no moov") << box("free", QByteArray(100, '\0')) << 0 << 0 << 0u
                                 << QDateTime();
    }

    void videoInfo()
    {
        QFETCH(QByteArray, file);
        const QString path = write(file);
        QVERIFY(!path.isEmpty());

        const VideoInfo info = Mp4Parser(path).videoInfo();
        QTEST(info.width, "width");
        QTEST(info.height, "height");
        QTEST(info.duration, "duration");
        QTEST(info.creationTime, "creationTime");
    }

    // Lying sizes and counts: each walk ends, reads no more than the file's
    // headers, and requests fail instead of reading far away.
    void malformed_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint>("records");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("servedSeconds");

        const QVector<GpsRecord> drive = straightDrive(3);
        const auto video = [] { return Mp4Sample().videoTrack(1920, 1080); };
        const QByteArray tinyLargeSize = bigEndian32(1) + "junk" + bigEndian64(15);

        QTest::newRow("size 2 ends the top level")
            << video().topLevelBox(boxHeader(2, "junk"), Placement::BeforeMoov).gps0(drive).bytes()
            << "NoGps" << 0u << 0 << 0;
        QTest::newRow("size 7 ends the top level")
            << video().topLevelBox(boxHeader(7, "junk"), Placement::BeforeMoov).gps0(drive).bytes()
            << "NoGps" << 0u << 0 << 0;
        QTest::newRow("largesize 15 ends the top level")
            << video().topLevelBox(tinyLargeSize, Placement::BeforeMoov).gps0(drive).bytes()
            << "NoGps" << 0u << 0 << 0;
        QTest::newRow("size 4 ends moov only")
            << video().moovBox(boxHeader(4, "junk")).gps0(drive).bytes() << "Gps0Records" << 3u
            << 1920 << 2;
        QTest::newRow("largesize beyond the file")
            << video()
                   .gps0(drive, Placement::BeforeMoov)
                   .topLevelBox(bigEndian32(1) + "free" + bigEndian64(~0ull), Placement::BeforeMoov)
                   .bytes()
            << "Gps0Records" << 3u << 0 << 2;
        QTest::newRow("size beyond the file")
            << video()
                   .gps0(drive, Placement::BeforeMoov)
                   .topLevelBox(boxHeader(~0u, "free"), Placement::BeforeMoov)
                   .bytes()
            << "Gps0Records" << 3u << 0 << 2;
        QTest::newRow("gps0 claiming 4 GiB")
            << video()
                   .topLevelBox(
                       boxHeader(~0u, "gps0") + recordBytes(drive[0]) + recordBytes(drive[1]))
                   .bytes()
            << "Gps0Records" << (~0u - 8) / 311 << 1920 << 2;
        QTest::newRow("gps box counting 2^32-1")
            << video().moovBox(box("gps ", bigEndian32(0) + bigEndian32(~0u))).bytes()
            << "GpsBoxTable" << ~0u << 1920 << 0;
        QTest::newRow("stco counting 2^32-1")
            << video().moovBox(track(handlerBox("meta", "gps") + chunkTable(~0u))).bytes()
            << "GpsMetaTrack" << ~0u << 1920 << 0;
        QTest::newRow("freeGPS probe beyond the file")
            << video()
                   .moovBox(
                       track(handlerBox("soun", "") + chunkTable(~0u, bigEndian32(0xFFFFFFF0))))
                   .bytes()
            << "NoGps" << 0u << 1920 << 0;
        QTest::newRow("hdlr shorter than its fixed fields")
            << video()
                   .moovBox(track(box("hdlr", QByteArray(10, '\0')) + handlerBox("meta", "gps")
                       + chunkTable(2)))
                   .bytes()
            << "GpsMetaTrack" << 2u << 1920 << -1;
        QTest::newRow("hdlr without name")
            << video().moovBox(track(handlerBox("meta", "") + chunkTable(2))).bytes() << "NoGps"
            << 0u << 1920 << 0;
    }

    void malformed()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, servedSeconds);
        const QString path = write(file);
        QVERIFY(!path.isEmpty());

        Mp4Parser parser(path);
        QTEST(gpsKindName(parser.layout()), "kind");
        QTEST(parser.records(), "records");
        QTEST(parser.videoInfo().width, "width");
        QVERIFY2(parser.bytesRead() <= file.size() + 1024,
            qPrintable(QString::number(parser.bytesRead())));

        // -1: whatever the table points at may decode; only no crash matters.
        GpsData data;
        for (int second = 0; second < servedSeconds; ++second)
            QVERIFY(parser.getGpsData(second, data));
        if (servedSeconds >= 0) {
            QVERIFY(!parser.getGpsData(servedSeconds, data));
            QVERIFY(!parser.getGpsData(INT_MAX - 1, data));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Mp4Parser)
#include "tst_mp4parser.moc"
