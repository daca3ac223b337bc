#include "AviSample.h"
#include "BoxWriter.h"
#include "Mp4Sample.h"
#include "ParserFactory.h"
#include "SampleDir.h"
#include "SampleRecord.h"

#include <QLoggingCategory>
#include <QtTest>

#include <climits>
#include <cmath>
#include <ctime>

using namespace BoxWriter;
using Placement = Mp4Sample::Placement;

namespace {

QByteArray track(const QByteArray &handlerType, const QByteArray &name, quint32 chunks,
    const QByteArray &chunkOffsets = QByteArray())
{
    const QByteArray handler
        = box("hdlr", QByteArray(8, '\0') + handlerType + QByteArray(12, '\0') + name);
    const QByteArray table = box("stco", bigEndian32(0) + bigEndian32(chunks) + chunkOffsets);
    return box("trak", box("mdia", handler + box("minf", box("stbl", table))));
}

QByteArray patched(QByteArray file, int offset, const QByteArray &bytes)
{
    return file.replace(offset, bytes.size(), bytes);
}

// A row of walk(): `served` -2 stands for every record but the last.
void walkRow(const char *name, const char *fileName, const QByteArray &file, const char *kind,
    uint records, int served = -2, int firstShown = 1)
{
    QTest::newRow(name) << QString(fileName) << file << QString(kind) << records
                        << (served == -2 ? qMax(0, int(records) - 1) : served) << firstShown;
}

// Opens `path`, walks it and asks for a few seconds; describes the first
// outcome that is not sane, or gives an empty text.
QString checkParse(const QString &path)
{
    const qint64 size = QFileInfo(path).size();
    const std::unique_ptr<ParserObject> parser = createParser(path);
    // The walk reads headers, not media: far more means it went round.
    if (parser->bytesRead() > 2 * size + 65536)
        return QString("walk read %1 bytes of %2").arg(parser->bytesRead()).arg(size);
    for (const int second : {0, 1, 2, 3, INT_MAX - 1}) {
        GpsData data;
        if (!parser->getGpsData(second, data))
            continue;
        const bool sane = data.second == second && !data.dateTime[14] && !data.text23[14]
            && std::isfinite(data.latitude) && std::isfinite(data.longitude)
            && data.bearing >= 0.0 && data.bearing <= 360.0;
        if (!sane)
            return QString("sample for second %1 is not sane").arg(second);
    }
    return QString();
}

}  // namespace

// The MP4 and AVI walks, through the parser the file name picks, on whole
// files and on files cut short.
class tst_Containers : public QObject
{
    Q_OBJECT

private:
    SampleDir mDir;

private slots:
    void initTestCase()
    {
        // Creation times are local; pin the zone so the expected dates hold.
        qputenv("TZ", "UTC");
        tzset();
        // Thousands of walks: keep their debug lines out of the log.
        QLoggingCategory::setFilterRules("default.debug=false");
    }

    void walk_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint>("records");
        QTest::addColumn<int>("served");      // seconds with a sample; -1: not checked
        QTest::addColumn<int>("firstShown");  // second s shows stored record s + firstShown

        const QVector<GpsRecord> drive = straightDrive(5), longDrive = straightDrive(7);
        const auto video = [] { return Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080); };
        const auto mp4 = [](const char *name, const Mp4Sample &sample, const char *kind,
                             uint records, int served = -2) {
            walkRow(name, "clip.mp4", sample.bytes(), kind, records, served);
        };
        // Only an .avi extension, in any case, picks the AVI walker.
        walkRow("gps0 after moov", "clip.avi.mp4", video().gps0(drive).bytes(), "Gps0Records", 5);
        mp4("gps0 after a size-0 box",
            video().topLevelBox(boxHeader(0, "free"), Placement::BeforeMoov)
                .gps0(drive, Placement::BeforeMoov),
            "Gps0Records", 5);
        mp4("gps box, largesize mdat", video().largeMdat().gpsBox(drive), "GpsBoxTable", 5);
        // The handler name is read up to 255 bytes.
        const QByteArray ext = "Ambarella EXT";
        mp4("name ends at 253", video().extTrack(drive, QByteArray(240, 'x') + ext), "ExtTrack", 5);
        mp4("name cut at 255", video().extTrack(drive, QByteArray(250, 'x') + ext), "NoGps", 0);
        mp4("gps meta track", video().metaTrack(drive), "GpsMetaTrack", 5);
        mp4("meta track without stco", video().metaTrack(drive, "gps", false), "GpsMetaTrack", 0);
        mp4("freeGPS at 0x40004", video().freeGpsTrack(drive, 0x40004), "AudioFreeGps", 5);
        mp4("freeGPS elsewhere", video().freeGpsTrack(drive, 0x30004), "NoGps", 0);
        // Several layouts in one file: the last one in file order decides.
        mp4("gps0 after moov wins", video().extTrack(longDrive).gps0(drive), "Gps0Records", 5);
        mp4("moov after gps0 wins", video().gps0(drive, Placement::BeforeMoov).extTrack(longDrive),
            "ExtTrack", 7);
        mp4("gps box after the tracks wins",
            video().extTrack(longDrive).freeGpsTrack(drive).gpsBox(drive), "GpsBoxTable", 5);

        // A box smaller than its header ends the walk of its level only.
        const QByteArray largeSize15 = bigEndian32(1) + "junk" + bigEndian64(15);
        for (const auto &[name, header] : {std::pair("size 7", boxHeader(7, "junk")),
                 std::pair("largesize 15", largeSize15)})
            mp4(name, video().topLevelBox(header, Placement::BeforeMoov).gps0(drive), "NoGps", 0);
        mp4("size 4 in moov", video().moovBox(boxHeader(4, "junk")).gps0(drive), "Gps0Records", 5);
        // Sizes beyond the file end the walk there, after the gps0 box.
        mp4("largesize beyond the file", video().gps0(drive, Placement::BeforeMoov).topLevelBox(
                bigEndian32(1) + "free" + bigEndian64(~0ull), Placement::BeforeMoov),
            "Gps0Records", 5);
        // Counts far beyond the file: requests fail instead of reading far away.
        QByteArray packed;
        for (int entry = 0; entry < 3; ++entry)
            packed += recordBytes(drive[entry]).left(311);
        mp4("gps0 claiming 4 GiB", video().topLevelBox(boxHeader(~0u, "gps0") + packed),
            "Gps0Records", (~0u - 8) / 311, 2);
        const QByteArray lyingGpsBox = box("gps ", bigEndian32(0) + bigEndian32(~0u));
        mp4("gps box counting 2^32-1", video().moovBox(lyingGpsBox), "GpsBoxTable", ~0u, 0);
        mp4("stco counting 2^32-1", video().moovBox(track("meta", "gps", ~0u)), "GpsMetaTrack", ~0u,
            0);
        mp4("freeGPS probe beyond the file",
            video().moovBox(track("soun", "", ~0u, bigEndian32(0xFFFFFFF0))), "NoGps", 0);
        mp4("hdlr shorter than its fixed fields",
            video().moovBox(box("trak", box("mdia", box("hdlr", QByteArray(10, '\0'))))
                + track("meta", "gps", 2)), "GpsMetaTrack", 2, -1);

        const auto avi = [](const char *name, const AviSample &sample, const char *kind,
                             uint records, int firstShown = 0) {
            walkRow(name, "clip.avi", sample.bytes(), kind, records, -2, firstShown);
        };
        const auto camera = [] { return AviSample().mainHeader(33333, 1800, 1280, 720); };
        walkRow("GPSL before audio chunks", "CLIP.AVI",
            camera().audioRecords(drive).gpslBlock(longDrive).bytes(), "GpslBlock", 7);
        avi("empty GPSL", camera().audioRecords(drive).gpslBlock({}), "GpslBlock", 0);
        avi("audio chunks, odd video chunks padded", camera().audioRecords(drive, 2),
            "AviAudioChunks", 5);
        AviSample oddAudio = camera();
        for (const GpsRecord &record : drive)
            oddAudio.audioRecord(record, 1).videoChunk(101);
        avi("odd audio chunks unpadded", oddAudio, "AviAudioChunks", 5);
        const QByteArray withIndex = camera().audioRecords(drive).bytes();
        walkRow("audio chunk after the movi list", "clip.avi",
            patched(withIndex, withIndex.lastIndexOf("idx1"), "01wb"), "AviAudioChunks", 5, -2, 0);
        avi("no audio chunk", camera().videoChunk(100).videoChunk(101), "NoGps", 0);
    }

    void walk()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, file);
        QFETCH(int, served);
        QFETCH(int, firstShown);
        const QString path = mDir.write(fileName, file);
        std::unique_ptr<ParserObject> parser = createParser(path);
        QTEST(gpsKindName(parser->layout()), "kind");
        QTEST(parser->records(), "records");
        // The walk reads headers, not media nor whatever a size claims.
        QVERIFY2(parser->bytesRead() <= file.size() + 1024,
            qPrintable(QString::number(parser->bytesRead())));

        // Entry 0 is never shown: second s is record s + 1, the last is unused.
        GpsData data;
        for (int second = 0; second < served; ++second) {
            QVERIFY2(parser->getGpsData(second, data), qPrintable(QString::number(second)));
            QCOMPARE(data.second, second);
            QCOMPARE(QByteArray(data.dateTime), straightDriveTime(second + firstShown));
        }
        if (served >= 0) {
            QVERIFY(!parser->getGpsData(served, data));
            QCOMPARE(data.second, 0);
            QVERIFY(!parser->getGpsData(INT_MAX - 1, data));
        }
        parser.reset();

        // Cut at each offset near both ends, where the headers are, and at
        // about a thousand in between, it still parses sanely.
        QFile handle(path);
        const qint64 stride = qMax<qint64>(1, file.size() / 1000);
        for (qint64 cut = file.size() - 1; cut >= 0; --cut) {
            if (cut >= 1024 && cut < file.size() - 2048 && cut % stride != 0)
                continue;
            QVERIFY(handle.resize(cut));
            const QString problem = checkParse(path);
            QVERIFY2(problem.isEmpty(), qPrintable(QString("cut at %1: %2").arg(cut).arg(problem)));
        }
    }

    void videoInfo_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<uint>("duration");
        QTest::addColumn<QDateTime>("creationTime");

        const auto mp4 = [](const char *name, const Mp4Sample &sample, QSize frame, uint duration,
                             const QDateTime &created) {
            QTest::newRow(name) << "clip.mp4" << sample.bytes() << frame << duration << created;
        };
        const QDateTime mp4Epoch(QDate(1904, 1, 1), QTime(0, 0));
        mp4("movie header", Mp4Sample().movie(1000, 59999).videoTrack(1920, 1080), {1920, 1080}, 59,
            mp4Epoch);
        mp4("creation time, widest last", Mp4Sample().videoTrack(1280, 720, 200)
                .videoTrack(1920, 1080, 3000000000u), {1920, 1080}, 0,
            QDateTime(QDate(1999, 1, 24), QTime(5, 20)));
        mp4("width 0", Mp4Sample().videoTrack(0, 1080, 100), {0, 0}, 0, QDateTime());

        const auto avi = [](const char *name, const QByteArray &file, QSize frame, uint duration) {
            QTest::newRow(name) << "clip.avi" << file << frame << duration << QDateTime();
        };
        const QByteArray camera = AviSample().mainHeader(33333, 1800, 1280, 720).bytes();
        avi("AVI header", camera, {1280, 720}, 59);
        avi("64-bit product", AviSample().mainHeader(4000000000u, 4000, 1, 1).bytes(), {1, 1},
            16000000);
        // An avih of 36 bytes ends before the height.
        const QByteArray shortHeader = littleEndian32(40000) + QByteArray(12, '\0')
            + littleEndian32(250) + QByteArray(12, '\0') + littleEndian32(640);
        avi("short main header", list("AVI ", list("hdrl", chunk("avih", shortHeader)), "RIFF"),
            {640, 0}, 10);
        avi("not RIFF", patched(camera, 0, "RIFX"), {0, 0}, 0);
    }

    void videoInfo()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, file);
        const VideoInfo info = createParser(mDir.write(fileName, file))->videoInfo();
        QTEST(QSize(info.width, info.height), "frame");
        QTEST(info.duration, "duration");
        QTEST(info.creationTime, "creationTime");
    }
};

QTEST_GUILESS_MAIN(tst_Containers)
#include "tst_containers.moc"
