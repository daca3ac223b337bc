#include "AVIParser.h"
#include "AviSample.h"
#include "BoxWriter.h"
#include "ParserFactory.h"
#include "SampleDir.h"
#include "SampleRecord.h"

#include <QtTest>

using namespace BoxWriter;

namespace {

AviSample camera()
{
    return AviSample().mainHeader(33333, 1800, 1280, 720);
}

QByteArray patched(QByteArray file, int offset, const QByteArray &bytes)
{
    return file.replace(offset, bytes.size(), bytes);
}

}  // namespace

class tst_AviParser : public QObject
{
    Q_OBJECT

private:
    SampleDir mDir;

private slots:
    void layouts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint>("records");
        // Second s shows record s + firstShown of the stored list.
        QTest::addColumn<int>("firstShown");

        const QVector<GpsRecord> drive = straightDrive(5);
        AviSample oddAudio = camera();
        for (const GpsRecord &record : drive)
            oddAudio.audioRecord(record, 1).videoChunk(101);

        QTest::newRow("GPSL before audio chunks")
            << camera().audioRecords(drive).gpslBlock(straightDrive(60)).bytes() << "GpslBlock"
            << 60u << 1;
        QTest::newRow("empty GPSL")
            << camera().audioRecords(drive).gpslBlock({}).bytes() << "GpslBlock" << 0u << 1;
        QTest::newRow("audio chunks")
            << camera().audioRecords(straightDrive(120)).bytes() << "AviAudioChunks" << 120u << 0;
        QTest::newRow("offset beyond the file")
            << camera().audioRecords(drive).trailingOffset(0xFFFFFF00u).bytes() << "AviAudioChunks"
            << 5u << 0;
        QTest::newRow("offset not at GPSL")
            << camera().audioRecords(drive).trailingOffset(12).bytes() << "AviAudioChunks" << 5u
            << 0;
        QTest::newRow("odd video chunks padded")
            << camera().audioRecords(drive, 2).bytes() << "AviAudioChunks" << 5u << 0;
        QTest::newRow("odd audio chunks unpadded")
            << oddAudio.bytes() << "AviAudioChunks" << 5u << 0;
        const QByteArray moviThenIndex = camera().audioRecords(drive).bytes();
        QTest::newRow("audio chunk after the movi list")
            << patched(moviThenIndex, moviThenIndex.lastIndexOf("idx1"), "01wb") << "AviAudioChunks"
            << 5u << 0;
        QTest::newRow("no audio chunk")
            << camera().videoChunk(100).videoChunk(101).bytes() << "NoGps" << 0u << 0;
    }

    void layouts()
    {
        QFETCH(QByteArray, file);
        QFETCH(uint, records);
        QFETCH(int, firstShown);
        const QString path = mDir.write("clip.avi", file);
        QVERIFY(!path.isEmpty());

        AVIParser parser(path);
        QTEST(gpsKindName(parser.layout()), "kind");
        QCOMPARE(parser.records(), records);

        const int served = qMax(0, int(records) - 1);
        for (int second = 0; second < served; ++second) {
            GpsData data;
            QVERIFY2(parser.getGpsData(second, data), qPrintable(QString::number(second)));
            QCOMPARE(QByteArray(data.dateTime), straightDriveTime(second + firstShown));
        }
        GpsData data;
        QVERIFY(!parser.getGpsData(served, data));
    }

    void videoInfo_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<uint>("duration");
        QTest::addColumn<QString>("kind");

        const QByteArray withGpsl = camera().gpslBlock(straightDrive(3)).bytes();
        // An avih of 36 bytes ends before the height.
        const QByteArray shortHeader = littleEndian32(40000) + QByteArray(12, '\0')
            + littleEndian32(250) + QByteArray(12, '\0') + littleEndian32(640);
        const QByteArray shortAvih = list("AVI ", list("hdrl", chunk("avih", shortHeader)), "RIFF");

        QTest::newRow("camera header") << withGpsl << 1280 << 720 << 59u << "GpslBlock";
        QTest::newRow("64-bit product") << AviSample().mainHeader(4000000000u, 4000, 1, 1).bytes()
                                        << 1 << 1 << 16000000u << "NoGps";
        QTest::newRow("short main header") << shortAvih << 640 << 0 << 10u << "NoGps";
        QTest::newRow("not RIFF") << patched(withGpsl, 0, "RIFX") << 0 << 0 << 0u << "NoGps";
        QTest::newRow("not AVI") << patched(withGpsl, 8, "WAVE") << 0 << 0 << 0u << "NoGps";
        QTest::newRow("RIFF size 0")
            << patched(withGpsl, 4, littleEndian32(0)) << 0 << 0 << 0u << "NoGps";
        QTest::newRow("empty file") << QByteArray() << 0 << 0 << 0u << "NoGps";
    }

    void videoInfo()
    {
        QFETCH(QByteArray, file);
        const QString path = mDir.write("clip.avi", file);
        QVERIFY(!path.isEmpty());

        AVIParser parser(path);
        const VideoInfo info = parser.videoInfo();
        QTEST(info.width, "width");
        QTEST(info.height, "height");
        QTEST(info.duration, "duration");
        QVERIFY(info.creationTime.isNull());
        QTEST(gpsKindName(parser.layout()), "kind");
    }

    void parserFollowsFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isAvi");

        QTest::newRow("upper-case name") << "CLIP.avi" << true;
        QTest::newRow("upper-case extension") << "clip.AVI" << true;
        QTest::newRow("mixed-case extension") << "CLIP.Avi" << true;
        QTest::newRow("avi inside the name") << "clip.avi.mp4" << false;
        QTest::newRow("mov") << "TRIP.MOV" << false;
        QTest::newRow("mp4") << "TRIP.mp4" << false;
        QTest::newRow("no extension") << "clip" << false;
        QTest::newRow("bare avi word") << "avi" << false;
    }

    void parserFollowsFileName()
    {
        QFETCH(QString, name);
        QFETCH(bool, isAvi);
        const QString path = mDir.write(name, camera().gpslBlock(straightDrive(3)).bytes());
        QVERIFY(!path.isEmpty());

        QCOMPARE(isAviPath(path), isAvi);
        // The same AVI bytes mean nothing to the MP4 walker.
        const std::unique_ptr<ParserObject> parser = createParser(path);
        QCOMPARE(parser->videoInfo().width, isAvi ? 1280 : 0);
        QCOMPARE(parser->layout(), isAvi ? GpsKind::GpslBlock : GpsKind::NoGps);
    }
};

QTEST_GUILESS_MAIN(tst_AviParser)
#include "tst_aviparser.moc"
