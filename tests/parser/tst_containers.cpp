#include "AviSample.h"
#include "BoxWriter.h"
#include "FragmentBoxes.h"
#include "Mp4Sample.h"
#include "ParserFactory.h"
#include "SampleDir.h"
#include "SampleRecord.h"

#include <QLoggingCategory>
#include <QtTest>

#include <climits>
#include <cmath>

using namespace BoxWriter;
using Placement = Mp4Sample::Placement;

namespace {

// A row of walk(): `served` -2 stands for every record but the last.
void walkRow(const char *name, const char *fileName, const QByteArray &file, const char *kind,
    uint records, int served = -2)
{
    QTest::newRow(name) << QString(fileName) << file << QString(kind) << records
                        << (served == -2 ? qMax(0, int(records) - 1) : served);
}

// Whether the walk of `path` stayed bounded (headers, not media) and a few seconds' samples are sane.
bool parsesSanely(const QString &path)
{
    const std::unique_ptr<ParserObject> parser = createParser(path);
    bool sane = parser->bytesRead() <= 2 * QFileInfo(path).size() + 65536;
    for (const int second : {0, 1, 2, 3, INT_MAX - 1}) {
        GpsData data;
        if (parser->getGpsData(second, data))
            sane = sane && data.second == second && !data.dateTime[14] && !data.text23[14]
                && std::isfinite(data.latitude) && std::isfinite(data.longitude)
                && data.bearing >= 0.0 && data.bearing <= 360.0;
    }
    return sane;
}

}  // namespace

// The MP4 and AVI walks, picked by the file name, on whole files and cut short.
class tst_Containers : public QObject
{
    Q_OBJECT

private:
    SampleDir mDir;

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("default.debug=false"); }  // thousands of walks

    void walk_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint>("records");
        QTest::addColumn<int>("served");  // seconds with a sample; -1: not checked

        const QVector<GpsRecord> drive = straightDrive(5), longDrive = straightDrive(7);
        const auto video = [] { return Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080); };
        const auto mp4 = [](const char *name, const Mp4Sample &sample, const char *kind,
                             uint records, int served = -2) {
            walkRow(name, "clip.mp4", sample.bytes(), kind, records, served);
        };
        // Only an .avi extension, in any case, picks the AVI walker.
        walkRow("gps0 after moov", "clip.avi.mp4", video().gps0(drive).bytes(), "Gps0Records", 5);
        mp4("gps box, largesize mdat", video().largeMdat().gpsBox(drive), "GpsBoxTable", 5);
        // The handler name is read up to 255 bytes.
        const QByteArray ext = "Ambarella EXT";
        mp4("name ends at 253", video().extTrack(drive, QByteArray(240, 'x') + ext), "ExtTrack", 5);
        mp4("name cut at 255", video().extTrack(drive, QByteArray(250, 'x') + ext), "NoGps", 0);
        // A name that runs to its box's end stops there, never reading the bytes after it.
        const QByteArray shortHdlr = box("hdlr", QByteArray(8, '\0') + "text" + QByteArray(12, '\0') + "x");
        mp4("name ends with its box", video().gps0(drive, Placement::BeforeMoov).moovBox(box(
                "trak", box("mdia", shortHdlr + ext))), "Gps0Records", 5);
        mp4("gps meta track", video().metaTrack(drive), "GpsMetaTrack", 5);
        mp4("freeGPS at 0x40004", video().freeGpsTrack(drive, 0x40004), "AudioFreeGps", 5);
        // Several layouts in one file: the last one in file order decides.
        mp4("gps0 after moov wins", video().extTrack(longDrive).gps0(drive), "Gps0Records", 5);

        // A box smaller than its header ends the walk of its level only.
        mp4("size 7", video().topLevelBox(boxHeader(7, "junk"), Placement::BeforeMoov).gps0(drive), "NoGps", 0);
        mp4("size 4 in moov", video().moovBox(boxHeader(4, "junk")).gps0(drive), "Gps0Records", 5);
        // Were a largesize box smaller than its header skipped by its size, the walk would find the gps0 box hidden in it.
        mp4("largesize 12 hides a box", video().topLevelBox(bigEndian32(1) + "junk" + bigEndian64(12) + "free"
                + bigEndian32(0) + box("gps0", recordBytes(drive[0]).left(311)), Placement::BeforeMoov), "NoGps", 0);
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

        const auto camera = [] { return AviSample().mainHeader(33333, 1800, 1280, 720); };
        walkRow("GPSL before audio chunks", "CLIP.AVI",
            camera().audioRecords(drive).gpslBlock(longDrive).bytes(), "GpslBlock", 7);
        walkRow("audio chunks, odd video chunks padded", "clip.avi",
            camera().audioRecords(drive, 2).bytes(), "AviAudioChunks", 5);
        QByteArray indexed = camera().audioRecords(drive).bytes();
        walkRow("audio chunk after the movi list", "clip.avi",
            indexed.replace(indexed.lastIndexOf("idx1"), 4, "01wb"), "AviAudioChunks", 5);
    }

    void walk()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, file);
        QFETCH(int, served);
        const QString path = mDir.write(fileName, file);
        std::unique_ptr<ParserObject> parser = createParser(path);
        QTEST(gpsKindName(parser->layout()), "kind");
        QTEST(parser->records(), "records");
        QVERIFY(parser->bytesRead() <= file.size() + 1024);  // headers, not what sizes claim

        // Entry 0 is never shown but in AVI audio chunks: second s is then record s + 1.
        const int firstShown = parser->layout() == GpsKind::AviAudioChunks ? 0 : 1;
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

        // Cut at each offset near both ends (the headers) and at about a thousand in between, it parses sanely.
        QFile handle(path);
        const qint64 stride = qMax<qint64>(1, file.size() / 1000);
        for (qint64 cut = file.size() - 1; cut >= 0; --cut)
            if (cut < 1024 || cut >= file.size() - 2048 || cut % stride == 0)
                QVERIFY2(handle.resize(cut) && parsesSanely(path), QByteArray::number(cut).data());
    }

    // A walk visits about a million headers at most, in each of its loops (MP4's top level is walked as moov is).
    void stepBudget_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("megabytesRead");  // at most

        const int boxes = 1500000;
        const QByteArray emptyBoxes = boxHeader(0, "free").repeated(boxes);  // 12 MB
        QTest::newRow("inside moov") << "clip.mp4" << box("moov", emptyBoxes) << 9;
        // No hdrl: the main header search reads the movi list (18 MB) 12 bytes at a time, never walking it.
        const QByteArray junk = chunk("JUNK", "abcd").repeated(boxes);
        QTest::newRow("AVI header search") << "clip.avi"
            << list("AVI ", list("movi", junk), "RIFF") << 13;
        const QByteArray hdrl = list("hdrl", chunk("avih", QByteArray(56, '\0')));
        QTest::newRow("AVI movi chunks") << "clip.avi"
            << list("AVI ", hdrl + list("movi", chunk("00dc", {}).repeated(boxes)), "RIFF") << 9;
    }

    void stepBudget()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, file);
        const std::unique_ptr<ParserObject> parser = createParser(mDir.write(fileName, file));
        QVERIFY(!parser->videoInfo().truncated);
        QFETCH(int, megabytesRead);
        QVERIFY2(parser->bytesRead() <= megabytesRead * 1000000ll,
                 qPrintable(QString::number(parser->bytesRead())));
    }

    // Files cut short as by a card pulled while recording; records whose index is lost are found by a scan.
    void cutShort_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint>("records");
        QTest::addColumn<uint>("readable");
        QTest::addColumn<bool>("truncated");
        QTest::addColumn<bool>("recovered");

        const QVector<GpsRecord> drive = straightDrive(5);
        const auto video = [] { return Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080); };
        // Records are 311 bytes in gps0, 312 elsewhere, their fields the first 185.
        const auto row = [](const char *name, const char *fileName, const QByteArray &file,
                             qint64 kept, const char *kind, uint records, uint readable,
                             bool truncated, bool recovered) {
            QTest::newRow(name) << QString(fileName) << file.left(kept) << QString(kind) << records
                                << readable << truncated << recovered;
        };
        const auto inMoov = [](const QByteArray &file) { return file.indexOf("moov") + 40; };

        const QByteArray gps0 = video().gps0(drive).bytes();
        row("gps0, cut in record 3", "clip.mp4", gps0, gps0.size() - 311 - 200, "Gps0Records", 5, 3,
            true, false);
        const QByteArray table = video().gpsBox(drive).bytes();
        row("gps box lost with moov", "clip.mp4", table, inMoov(table), "ScannedRecords", 5, 5, true, true);
        // 4 bytes skipped, the count, then two whole entries of 8 bytes.
        row("gps box cut after two entries", "clip.mp4", table, table.lastIndexOf("gps ") + 4 + 8 + 19,
            "ScannedRecords", 5, 5, true, true);
        const QByteArray plainVideo = video().bytes();
        row("no records, mdat cut", "clip.mp4", plainVideo, 45, "NoGps", 0, 0, true, false);
        // The same form but for a hemisphere letter: the scan must not take it.
        QVector<SampleRecord> noHemisphere(5, SampleRecord::fix(22.5, 114.0));
        for (SampleRecord &record : noHemisphere)
            record.latHemisphere = 'X';
        const QByteArray unlike = video().gpsBox(storedRecords(noHemisphere)).bytes();
        row("unlike records are not taken", "clip.mp4", unlike, inMoov(unlike), "NoGps", 0, 0, true,
            false);

        const auto camera = [] { return AviSample().mainHeader(33333, 1800, 1280, 720); };
        const QByteArray gpsl = camera().gpslBlock(drive).bytes();
        // The offset in the last four bytes is gone and record 4 keeps 208 bytes.
        row("GPSL, its offset cut off", "clip.avi", gpsl, gpsl.size() - 4 - 104, "ScannedRecords", 5,
            5, true, true);
        const QByteArray chunks = camera().audioRecords(drive).bytes();
        // idx1's header and 200 bytes of the last record go: chunk 5 keeps 112.
        row("audio chunks, last record cut", "clip.avi", chunks, chunks.size() - 8 - 200,
            "AviAudioChunks", 5, 4, true, false);
    }

    void cutShort()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, file);
        QFETCH(uint, readable);
        const std::unique_ptr<ParserObject> parser = createParser(mDir.write(fileName, file));
        const VideoInfo info = parser->videoInfo();
        QTEST(gpsKindName(parser->layout()), "kind");
        QTEST(parser->records(), "records");
        QCOMPARE(info.readableRecords, readable);
        QTEST(info.truncated, "truncated");
        QTEST(info.recovered, "recovered");
        QVERIFY(parser->bytesRead() <= 2 * file.size() + 4096);  // one scan at most

        // Second s shows record s + 1, but in audio chunks; records past the cut give nothing.
        const int firstShown = parser->layout() == GpsKind::AviAudioChunks ? 0 : 1;
        const int served = int(readable) - firstShown;
        GpsData data;
        for (int second = 0; second < served; ++second) {
            QVERIFY2(parser->getGpsData(second, data), qPrintable(QString::number(second)));
            QCOMPARE(QByteArray(data.dateTime), straightDriveTime(second + firstShown));
        }
        QVERIFY(!parser->getGpsData(qMax(served, 0), data));
    }
    // A cut file without an index is scanned only while records go on (sparse files: the gaps are holes).
    void scanStopsAfterRecords_data()
    {
        QTest::addColumn<QVector<int>>("recordsAtMegabyte");
        QTest::addColumn<int>("found");
        QTest::addColumn<int>("megabytesRead");  // at most
        QTest::newRow("none in 100 MB") << QVector<int>{99} << 0 << 40;
        QTest::newRow("none after 10 MB") << QVector<int>{1, 10, 99} << 2 << 50;
    }

    void scanStopsAfterRecords()
    {
        QFETCH(QVector<int>, recordsAtMegabyte);
        const QString path = mDir.path("sparse.mp4");
        QFile::remove(path);
        QFile file(path);
        // ftyp, then an mdat that claims far more than the file holds.
        QVERIFY(file.open(QIODevice::WriteOnly)
                && file.write(box("ftyp", QByteArray("isom") + bigEndian32(0)) + boxHeader(~0u, "mdat")) > 0);
        const QVector<GpsRecord> drive = straightDrive(recordsAtMegabyte.size());
        for (int i = 0; i < drive.size(); ++i)
            QVERIFY(file.seek(recordsAtMegabyte[i] * 1000000ll) && file.write(recordBytes(drive[i])) > 0);
        QVERIFY(file.resize(100000000));
        file.close();
        const std::unique_ptr<ParserObject> parser = createParser(path);
        QTEST(int(parser->records()), "found");
        QFETCH(int, megabytesRead);
        QVERIFY2(parser->bytesRead() <= megabytesRead * 1000000ll, qPrintable(QString::number(parser->bytesRead())));
    }

    void fragmented_data()
    {
        using FragmentBoxes::Fragment;
        using Durations = Fragment::Durations;
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<uint>("duration");

        // A camera's fragments: a second of 30 frames each at 90 kHz.
        const auto camera = [](quint32 movieDuration = 0) {
            return Mp4Sample().movie(1000, movieDuration).videoTrack(1920, 1080).mediaTimeScale(90000)
                .soundTrack().gps0(straightDrive(3), Placement::BeforeMoov);
        };
        const auto fragments = [](Mp4Sample sample, int count, Fragment each) {
            for (int i = 0; i < count; ++i) {
                if (each.decodeTime >= 0)
                    each.decodeTime = qint64(i) * each.samples * each.sampleDuration;
                sample.topLevelBox(FragmentBoxes::fragment(quint32(i + 1), each));
            }
            return sample;
        };
        const QByteArray trex = FragmentBoxes::movieExtends(1, 3000);
        const auto mehd = [&](int version, quint64 duration) { return camera().moovBox(FragmentBoxes::movieExtends(1, 3000, version, duration)); };
        QTest::newRow("mehd, version 0") << mehd(0, 61500).bytes() << 61u;
        QTest::newRow("mehd, version 1") << mehd(1, 7261000).bytes() << 7261u;
        // 60 frames a second, their duration the track fragment's default; the movie's default.
        QTest::newRow("track fragment default") << fragments(camera().moovBox(trex), 45, {1, 60, 1500, Durations::TrackDefault}).bytes() << 45u;
        QTest::newRow("movie default") << fragments(camera().moovBox(trex), 20, {1, 30, 3000, Durations::MovieDefault}).bytes() << 20u;
        // Decode times leave a lost fragment's gap in: 3 fragments, the last at 9 s.
        const Fragment late{1, 30, 3000, Durations::PerSample, 9 * 90000};
        QTest::newRow("decode time after a gap")
            << fragments(camera().moovBox(trex), 2, {}).topLevelBox(FragmentBoxes::fragment(3, late)).bytes() << 10u;
        QTest::newRow("decode times, version 0") << fragments(camera().moovBox(trex), 30, {1, 30, 3000, Durations::PerSample, 0, 0}).bytes() << 30u;
        // The sound track's fragments do not lengthen the video.
        QTest::newRow("other track's fragments")
            << fragments(camera().moovBox(trex), 5, {}).topLevelBox(FragmentBoxes::fragment(6, {2, 300})).bytes() << 5u;
        QTest::newRow("mehd of 0: the fragments") << fragments(mehd(0, 0), 12, {}).bytes() << 12u;
        QTest::newRow("movie duration kept") << fragments(camera(59000).moovBox(trex), 62, {}).bytes() << 59u;
        // Fragments without an mvex are no fragments of this movie.
        QTest::newRow("no mvex") << fragments(camera(), 62, {}).bytes() << 0u;
        // A run that claims 2^32 - 1 samples of its own durations holds only what its box holds.
        QByteArray lying = FragmentBoxes::fragment(1, {});
        lying.replace(lying.indexOf("trun") + 8, 4, bigEndian32(~0u));
        QTest::newRow("run claims 2^32 samples") << camera().moovBox(trex).topLevelBox(lying).bytes() << 1u;
    }

    // A fragmented file's length comes from its mehd, else from the video fragments' own durations; its
    // records are found as in any file. Cut anywhere, it never claims more than the whole file.
    void fragmented()
    {
        QFETCH(QByteArray, file);
        QFETCH(uint, duration);
        const std::unique_ptr<ParserObject> parser = createParser(mDir.write("fragmented.mp4", file));
        QCOMPARE(parser->videoInfo().duration, duration);
        QCOMPARE(parser->layout(), GpsKind::Gps0Records);
        QCOMPARE(parser->videoInfo().width, 1920);
        QVERIFY(parser->bytesRead() <= file.size() + 1024);
        for (int length = 0; length < file.size(); length += qMax(97, file.size() / 50))
            QVERIFY2(createParser(mDir.write("cut.mp4", file.left(length)))->videoInfo().duration <= qMax(duration, 1u),
                     qPrintable(QString::number(length)));
    }

    void creationTime_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QDateTime>("created");
        const QDateTime epoch(QDate(1904, 1, 1), QTime(0, 0), Qt::UTC);
        const auto video = [](quint32 created) { return Mp4Sample().movie(1000, 60000).videoTrack(640, 480, created); };
        QTest::newRow("none written") << video(0).bytes() << QDateTime();
        // Version 1: 64-bit times move the track id and frame size 12 bytes on.
        QByteArray wide = box("tkhd", bigEndian32(0x01000007) + bigEndian64(4000000000ull) + bigEndian64(0)
                                          + bigEndian32(1) + bigEndian32(0) + bigEndian64(0) + QByteArray(8, '\0')
                                          + QByteArray(8, '\0') + QByteArray(36, '\0') + bigEndian32(1280u << 16)
                                          + bigEndian32(720u << 16));
        const QByteArray hdlr = box("hdlr", bigEndian32(0) + bigEndian32(0) + "vide" + QByteArray(12, '\0') + "v");
        QTest::newRow("version 1 header") << Mp4Sample().movie(1000, 60000).moovBox(box("trak", wide + box("mdia", hdlr))).bytes()
                                          << epoch.addSecs(4000000000ll);
    }

    void creationTime()
    {
        QFETCH(QByteArray, file);
        const VideoInfo info = createParser(mDir.write("created.mp4", file))->videoInfo();
        QTEST(info.creationTime, "created");
        QVERIFY(info.width == 640 || info.width == 1280);
    }
};

QTEST_GUILESS_MAIN(tst_Containers)
#include "tst_containers.moc"
