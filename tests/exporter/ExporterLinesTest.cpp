#include "ExporterTestSupport.h"

#include "AviSample.h"
#include "BoxWriter.h"
#include "Mp4Sample.h"
#include "SampleRecord.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace ExporterTestSupport;

namespace {

const QStringList sampleKeys = {"second", "dateTime", "char22", "text23", "char37",
                                "latHemisphere", "latitude", "lonHemisphere", "longitude",
                                "number57", "speed", "gX", "gY", "gZ", "bearing"};

// A south-west drive whose fourth record carries the awkward characters:
// Latin-1 letters, a quote, a backslash and a comma.
QVector<GpsRecord> awkwardDrive()
{
    QVector<GpsRecord> records = straightDrive(12, -33.9, -70.6, -0.0002);
    SampleRecord odd = SampleRecord::fix(-33.9008, -70.6008, 55, "20261206101503", 0.12, -0.98);
    odd.text23 = "caf\xE9,\"q\"\\zz\xFF!!";
    odd.char22 = '"';
    odd.char37 = '\\';
    odd.number57 = "04711";
    records[4] = odd.stored();
    return records;
}

QString awkwardText()
{
    return QString::fromLatin1("caf\xE9,\"q\"\\zz\xFF!!");
}

QString fieldText(const char *field, int size)
{
    return QString::fromLatin1(field, static_cast<int>(strnlen(field, size)));
}

// Each key of the line holds exactly what the parser decoded.
void compareSample(const QJsonObject &line, const GpsData &data)
{
    QCOMPARE(line.value("second").toInt(), data.second);
    QCOMPARE(line.value("dateTime").toString(), fieldText(data.dateTime, 15));
    QCOMPARE(line.value("char22").toString(), fieldText(&data.char22, 1));
    QCOMPARE(line.value("text23").toString(), fieldText(data.text23, 15));
    QCOMPARE(line.value("char37").toString(), fieldText(&data.char37, 1));
    QCOMPARE(line.value("latHemisphere").toString(), fieldText(&data.latHemisphere, 1));
    QCOMPARE(line.value("lonHemisphere").toString(), fieldText(&data.lonHemisphere, 1));
    QCOMPARE(line.value("number57").toInt(), data.number57);
    QCOMPARE(line.value("speed").toInt(), data.speed);
    // Exact, not fuzzy: the numbers must read back bit for bit.
    QVERIFY(line.value("latitude").toDouble() == data.latitude);
    QVERIFY(line.value("longitude").toDouble() == data.longitude);
    QVERIFY(line.value("bearing").toDouble() == data.bearing);
    QVERIFY(static_cast<float>(line.value("gX").toDouble()) == data.gX);
    QVERIFY(static_cast<float>(line.value("gY").toDouble()) == data.gY);
    QVERIFY(static_cast<float>(line.value("gZ").toDouble()) == data.gZ);
}

QJsonObject jsonLine(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning() << "not a JSON object:" << line;
    return document.object();
}

QStringList sortedKeys(const QJsonObject &object)
{
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

// RFC 4180 fields of one line (no line breaks inside fields here).
QStringList csvFields(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"')
            field += line[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.append(std::exchange(field, QString()));
        else
            field += c;
    }
    fields.append(field);
    return fields;
}

QString localCreationTime(quint32 secondsSince1904)
{
    return QDateTime(QDate(1904, 1, 1), QTime(0, 0))
        .addSecs(secondsSince1904)
        .toString("yyyy-MM-ddTHH:mm:ss");
}

} // namespace

class ExporterLinesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void info_data();
    void info();
    void samplesMatchParser_data();
    void samplesMatchParser();
    void awkwardCharacters();
    void secondRange_data();
    void secondRange();
    void csvRows();
    void severalFilesNameTheirFile_data();
    void severalFilesNameTheirFile();
    void exitStatus_data();
    void exitStatus();

private:
    QString path(const QString &name) const { return mDir.filePath(name); }

    QTemporaryDir mDir;
};

void ExporterLinesTest::initTestCase()
{
    QVERIFY(mDir.isValid());
    QVERIFY(Mp4Sample().movie(1000, 11000).videoTrack(1920, 1080).gps0(awkwardDrive())
                .write(path("drive.mp4")));
    QVERIFY(AviSample().mainHeader(40000, 150, 1280, 720).audioRecords(straightDrive(6))
                .write(path("clip.avi")));
    QVERIFY(AviSample().mainHeader(40000, 150, 1280, 720).videoChunk(100)
                .gpslBlock(straightDrive(7, 51.5, -0.1)).write(path("gpsl.avi")));
    QVERIFY(Mp4Sample().movie(1000, 5000).videoTrack(640, 480).write(path("nogps.mp4")));
    QVERIFY(QDir(mDir.path()).mkdir("folder"));
    // A "gps " table that claims 2^32 - 1 entries and holds none.
    const QByteArray lyingTable = BoxWriter::bigEndian32(0) + BoxWriter::bigEndian32(0xFFFFFFFFu);
    QVERIFY(Mp4Sample().movie(1000, 5000).videoTrack(640, 480)
                .moovBox(BoxWriter::box("gps ", lyingTable)).write(path("lying.mp4")));
}

void ExporterLinesTest::info_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("duration");
    QTest::addColumn<QString>("creationTime"); // empty: null
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("records");

    const quint32 created = 3900000000u;
    const QString createdText = localCreationTime(created);
    const auto movie = [created] {
        return Mp4Sample().movie(1000, 60500).videoTrack(1920, 1080, created);
    };
    QTest::newRow("ext track") << movie().extTrack(straightDrive(61)).bytes() << "a.mp4"
                               << 1920 << 1080 << 60 << createdText << "ExtTrack" << 61;
    QTest::newRow("gps box") << movie().gpsBox(straightDrive(31)).bytes() << "b.mov" << 1920
                             << 1080 << 60 << createdText << "GpsBoxTable" << 31;
    QTest::newRow("free gps") << movie().freeGpsTrack(straightDrive(4)).bytes() << "c.mp4"
                              << 1920 << 1080 << 60 << createdText << "AudioFreeGps" << 4;
    QTest::newRow("gps0") << movie().gps0(straightDrive(21)).bytes() << "d.mp4" << 1920 << 1080
                          << 60 << createdText << "Gps0Records" << 21;
    QTest::newRow("meta track") << movie().metaTrack(straightDrive(11)).bytes() << "e.mp4"
                                << 1920 << 1080 << 60 << createdText << "GpsMetaTrack" << 11;
    QTest::newRow("no telemetry") << movie().soundTrack().bytes() << "f.mp4" << 1920 << 1080
                                  << 60 << createdText << "NoGps" << 0;
    QTest::newRow("no moov")
        << BoxWriter::box("ftyp", "isom") + BoxWriter::box("mdat", QByteArray(500, '\x20'))
        << "g.mp4" << 0 << 0 << 0 << QString() << "NoGps" << 0;
    QTest::newRow("not a video") << QByteArray("hello\n") << "h.mp4" << 0 << 0 << 0 << QString()
                                 << "NoGps" << 0;
    const auto avi = [] { return AviSample().mainHeader(40000, 1500, 1280, 720); };
    QTest::newRow("gpsl") << avi().videoChunk(100).gpslBlock(straightDrive(9)).bytes()
                          << "i.avi" << 1280 << 720 << 60 << QString() << "GpslBlock" << 9;
    QTest::newRow("avi audio") << avi().audioRecords(straightDrive(3)).bytes() << "j.AVI"
                               << 1280 << 720 << 60 << QString() << "AviAudioChunks" << 3;
}

void ExporterLinesTest::info()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fileName);
    QVERIFY(writeBytes(path(fileName), bytes));

    const Run run = runExporter({"--info", path(fileName)});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray()); // the parser's debug lines are dropped
    QCOMPARE(run.lines().size(), 1);
    const QJsonObject info = jsonLine(run.lines().first());
    QCOMPARE(sortedKeys(info), QStringList({"creationTime", "duration", "file", "height",
                                            "layout", "records", "width"}));
    QCOMPARE(info.value("file").toString(), path(fileName));
    QTEST(info.value("width").toInt(), "width");
    QTEST(info.value("height").toInt(), "height");
    QTEST(info.value("duration").toInt(), "duration");
    QTEST(info.value("layout").toString(), "layout");
    QTEST(info.value("records").toInt(), "records");
    QFETCH(QString, creationTime);
    if (creationTime.isEmpty())
        QVERIFY(info.value("creationTime").isNull());
    else
        QCOMPARE(info.value("creationTime").toString(), creationTime);
}

void ExporterLinesTest::samplesMatchParser_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("count");
    QTest::newRow("mp4 gps0") << "drive.mp4" << 11;
    QTest::newRow("avi audio chunks") << "clip.avi" << 5;
    QTest::newRow("avi gpsl") << "gpsl.avi" << 6;
    QTest::newRow("no telemetry") << "nogps.mp4" << 0;
}

void ExporterLinesTest::samplesMatchParser()
{
    QFETCH(QString, fileName);
    QFETCH(int, count);
    const QVector<GpsData> expected = decodedSamples(path(fileName));
    QCOMPARE(expected.size(), count);

    const Run run = runExporter({path(fileName)});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.lines();
    QCOMPARE(lines.size(), count);
    for (int i = 0; i < count; ++i) {
        const QJsonObject line = jsonLine(lines[i]);
        QCOMPARE(sortedKeys(line), [] { QStringList k = sampleKeys; k.sort(); return k; }());
        compareSample(line, expected[i]);
    }
}

void ExporterLinesTest::awkwardCharacters()
{
    const Run run = runExporter({"--from", "3", "--to", "3", path("drive.mp4")});
    QCOMPARE(run.lines().size(), 1);
    const QByteArray raw = run.lines().first();
    // Floats in their shortest form, not the float widened to a double.
    QVERIFY2(raw.contains("\"gX\":0.12,") && raw.contains("\"gY\":-0.98,"), raw);
    const QJsonObject line = jsonLine(raw);
    QCOMPARE(line.value("text23").toString(), awkwardText());
    QCOMPARE(line.value("char22").toString(), QString("\""));
    QCOMPARE(line.value("char37").toString(), QString("\\"));
    QCOMPARE(line.value("latHemisphere").toString(), QString("S"));
    QCOMPARE(line.value("lonHemisphere").toString(), QString("W"));
    QCOMPARE(line.value("number57").toInt(), 4711);
    QCOMPARE(line.value("speed").toInt(), 55);
}

void ExporterLinesTest::secondRange_data()
{
    QTest::addColumn<QStringList>("range");
    QTest::addColumn<QList<int>>("seconds");
    QTest::newRow("inner") << QStringList{"--from", "3", "--to", "5"} << QList<int>{3, 4, 5};
    QTest::newRow("only to") << QStringList{"--to", "1"} << QList<int>{0, 1};
    QTest::newRow("only from") << QStringList{"--from", "9"} << QList<int>{9, 10};
    QTest::newRow("one second") << QStringList{"--from", "0", "--to", "0"} << QList<int>{0};
    QTest::newRow("beyond the records") << QStringList{"--from", "11"} << QList<int>{};
}

void ExporterLinesTest::secondRange()
{
    QFETCH(QStringList, range);
    QFETCH(QList<int>, seconds);
    const QVector<GpsData> whole = decodedSamples(path("drive.mp4"));

    const Run run = runExporter(range << path("drive.mp4"));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines().size(), seconds.size());
    for (int i = 0; i < seconds.size(); ++i) {
        // The course of a part is the course the whole drive gave it.
        compareSample(jsonLine(run.lines()[i]), whole[seconds[i]]);
    }
}

void ExporterLinesTest::csvRows()
{
    const QVector<GpsData> expected = decodedSamples(path("drive.mp4"));
    const Run run = runExporter({"--format", "csv", path("drive.mp4")});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.lines();
    QCOMPARE(lines.size(), expected.size() + 1);
    QCOMPARE(lines.first(), sampleKeys.join(',').toUtf8());
    for (int i = 0; i < expected.size(); ++i) {
        const QStringList fields = csvFields(QString::fromUtf8(lines[i + 1]));
        QCOMPARE(fields.size(), sampleKeys.size());
        QCOMPARE(fields[0].toInt(), expected[i].second);
        QCOMPARE(fields[1], fieldText(expected[i].dateTime, 15));
        QCOMPARE(fields[3], fieldText(expected[i].text23, 15));
        QVERIFY(fields[6].toDouble() == expected[i].latitude);
        QVERIFY(fields[8].toDouble() == expected[i].longitude);
        QVERIFY(fields[11].toFloat() == expected[i].gX);
        QVERIFY(fields[14].toDouble() == expected[i].bearing);
    }
    QCOMPARE(csvFields(QString::fromUtf8(lines[4]))[3], awkwardText());
    QVERIFY(lines[4].contains(",\"\"\"\",")); // char22 is a lone quote, quoted
}

void ExporterLinesTest::severalFilesNameTheirFile_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("json") << "json";
    QTest::newRow("csv") << "csv";
}

void ExporterLinesTest::severalFilesNameTheirFile()
{
    QFETCH(QString, format);
    const QStringList files = {path("drive.mp4"), path("nogps.mp4"), path("clip.avi")};
    const Run run = runExporter(QStringList{"--format", format} + files);
    QCOMPARE(run.exitCode, 0);

    QList<QByteArray> lines = run.lines();
    if (format == "csv")
        QCOMPARE(csvFields(QString::fromUtf8(lines.takeFirst())).first(), QString("file"));
    QStringList namedFiles;
    for (const QByteArray &line : lines) {
        namedFiles.append(format == "csv" ? csvFields(QString::fromUtf8(line)).first()
                                          : jsonLine(line).value("file").toString());
    }
    QStringList expected;
    for (const QString &file : files)
        expected += QVector<QString>(decodedSamples(file).size(), file).toList();
    QCOMPARE(namedFiles, expected);
}

void ExporterLinesTest::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("lines"); // -1: not counted
    QTest::addColumn<QString>("stdoutHolds");
    QTest::addColumn<QString>("stderrHolds"); // empty: stderr stays empty

    QTest::newRow("every file read") << QStringList{"DRIVE", "NOGPS"} << 0 << 11 << "" << "";
    QTest::newRow("missing file among others")
        << QStringList{"DRIVE", "MISSING", "CLIP"} << 1 << 16 << "" << "MISSING";
    QTest::newRow("directory") << QStringList{"DIR", "CLIP"} << 1 << 5 << "" << "DIR";
    QTest::newRow("info with a missing file")
        << QStringList{"--info", "MISSING", "DRIVE"} << 1 << 1 << "Gps0Records" << "MISSING";
    QTest::newRow("record count beyond belief")
        << QStringList{"--format", "csv", "LYING", "CLIP"} << 0 << 6 << "" << "claims";
    QTest::newRow("unknown format") << QStringList{"--format", "xml", "DRIVE"} << 2 << 0 << ""
                                    << "Usage:";
    QTest::newRow("no file") << QStringList{"--format", "gpx"} << 2 << 0 << "" << "Usage:";
    QTest::newRow("from after to") << QStringList{"--from", "5", "--to", "2", "DRIVE"} << 2 << 0
                                   << "" << "Usage:";
    QTest::newRow("non-numeric second") << QStringList{"--from", "3s", "DRIVE"} << 2 << 0 << ""
                                        << "Usage:";
    QTest::newRow("negative second") << QStringList{"--to", "-1", "DRIVE"} << 2 << 0 << ""
                                     << "Usage:";
    QTest::newRow("unknown option") << QStringList{"--colour", "DRIVE"} << 2 << 0 << ""
                                    << "Usage:";
    QTest::newRow("info with a range") << QStringList{"--info", "--to", "3", "DRIVE"} << 2 << 0
                                       << "" << "Usage:";
    QTest::newRow("help") << QStringList{"--help"} << 0 << -1 << "--format" << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << 1 << VANTREL_VERSION << "";
    QTest::newRow("verbose") << QStringList{"--verbose", "--info", "DRIVE"} << 0 << 1
                             << "Gps0Records" << "videoInfo:";
}

void ExporterLinesTest::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, stderrHolds);
    const QMap<QString, QString> files = {{"DRIVE", path("drive.mp4")},
                                          {"CLIP", path("clip.avi")},
                                          {"NOGPS", path("nogps.mp4")},
                                          {"MISSING", path("missing.mp4")},
                                          {"DIR", path("folder")},
                                          {"LYING", path("lying.mp4")}};
    for (QString &argument : arguments)
        argument = files.value(argument, argument);
    stderrHolds = files.value(stderrHolds, stderrHolds);

    const Run run = runExporter(arguments);
    QTEST(run.exitCode, "status");
    QFETCH(int, lines);
    if (lines >= 0)
        QCOMPARE(run.lines().size(), lines);
    QFETCH(QString, stdoutHolds);
    QVERIFY2(run.out.contains(stdoutHolds.toUtf8()), run.out);
    if (stderrHolds.isEmpty())
        QCOMPARE(run.err, QByteArray());
    else
        QVERIFY2(run.err.contains(stderrHolds.toUtf8()), run.err);
}

QTEST_GUILESS_MAIN(ExporterLinesTest)
#include "ExporterLinesTest.moc"
