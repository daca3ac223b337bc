#include "AviSample.h"
#include "BoxWriter.h"
#include "ExporterRun.h"
#include "Mp4Sample.h"
#include "ParserFactory.h"
#include "SampleRecord.h"

#include <QtTest>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// With closedPipe, writes to a pipe whose reader is gone, SIGPIPE ignored (as many services run): EPIPE.
class OutputProcess : public QProcess
{
public:
    bool closedPipe = false;

protected:
    void setupChildProcess() override
    {
        if (!closedPipe)
            return;
        int ends[2];
        if (::pipe(ends) == 0 && ::close(ends[0]) == 0)
            ::dup2(ends[1], STDOUT_FILENO);
        ::signal(SIGPIPE, SIG_IGN);
    }
};

// Every sample the parser serves for the file, as a straight play-through asks.
QVector<GpsData> decodedSamples(const QString &path)
{
    const auto parser = createParser(path);
    QVector<GpsData> samples;
    for (GpsData data; parser->getGpsData(samples.size(), data);)
        samples.append(data);
    return samples;
}

const QStringList sampleKeys = {"second", "dateTime", "char22", "text23", "char37",
    "latHemisphere", "latitude", "lonHemisphere", "longitude", "number57", "speed", "gX", "gY",
    "gZ", "bearing"};
const QString awkwardText = QString::fromLatin1("caf\xE9,\"q\"\\zz\xFF!!");

// The line of a sample: each key holds exactly what the parser decoded, text up to its first NUL.
QJsonObject sampleLine(const GpsData &data)
{
    const auto text = [](const char *field, int size) { return QString::fromLatin1(field, int(strnlen(field, size))); };
    return {{"second", data.second}, {"dateTime", text(data.dateTime, 15)},
        {"char22", text(&data.char22, 1)}, {"text23", text(data.text23, 15)},
        {"char37", text(&data.char37, 1)}, {"latHemisphere", text(&data.latHemisphere, 1)},
        {"latitude", data.latitude}, {"lonHemisphere", text(&data.lonHemisphere, 1)},
        {"longitude", data.longitude}, {"number57", data.number57}, {"speed", data.speed},
        {"gX", double(data.gX)}, {"gY", double(data.gY)}, {"gZ", double(data.gZ)},
        {"bearing", data.bearing}};
}

// RFC 4180 fields of one line (no line breaks inside fields here).
QStringList csvFields(const QByteArray &line)
{
    static const QRegularExpression field(R"re((?:^|,)(?:"((?:[^"]|"")*)"|([^,]*)))re");
    QStringList fields;
    for (auto it = field.globalMatch(QString::fromUtf8(line)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        fields << (match.captured(1).isNull() ? match.captured(2) : match.captured(1).replace("\"\"", "\""));
    }
    return fields;
}

// "latitude, longitude" of every sample with a position, as gpsbabel's CSV gives it.
QStringList expectedPoints(const QStringList &files)
{
    QStringList points;
    for (const QString &file : files) {
        for (const GpsData &data : decodedSamples(file)) {
            const double latitude = data.latHemisphere == 'S' ? -data.latitude : data.latitude;
            const double longitude = data.lonHemisphere == 'W' ? -data.longitude : data.longitude;
            if (latitude != 0.0 || longitude != 0.0)
                points << QString("%1, %2").arg(latitude, 0, 'f', 5).arg(longitude, 0, 'f', 5);
        }
    }
    return points;
}

}  // namespace

class tst_Exporter : public QObject
{
    Q_OBJECT

private:
    QString path(const QString &name) const { return mDir.filePath(name); }

    QTemporaryDir mDir;

private slots:
    void initTestCase()
    {
        // South-west, awkward characters, two samples without a fix and one whose time is no date.
        QVector<GpsRecord> drive = straightDrive(12, -33.9, -70.6, -0.0002);
        SampleRecord odd = SampleRecord::fix(-33.9008, -70.6008, 55, "20261206101503", 0.12, -0.98);
        odd.text23 = awkwardText.toLatin1();
        odd.char22 = '"';
        odd.char37 = '\\';
        odd.number57 = "04711";
        drive[4] = odd.stored();
        drive[6] = SampleRecord().stored();
        drive[7] = SampleRecord::fix(0.0, 0.0).stored();
        drive[9] = SampleRecord::fix(-33.9018, -70.6018, 50, "20261399999999").stored();
        QVERIFY(Mp4Sample().movie(1000, 11000).videoTrack(1920, 1080, 3900000000u).gps0(drive)
                    .write(path("drive.mp4")));
        // Cut 200 bytes into the sixth record from the end: record 6 keeps 111 of 311 bytes.
        QFile cut(path("cut.mp4"));
        const QByteArray whole = Mp4Sample().movie(1000, 11000).videoTrack(1920, 1080).gps0(drive).bytes();
        QVERIFY(cut.open(QIODevice::WriteOnly) && cut.write(whole.chopped(5 * 311 + 200)) > 0);
        // One point only, and a name that XML must escape.
        QVERIFY(AviSample().mainHeader(40000, 150, 1280, 720).videoChunk(100)
                    .gpslBlock(straightDrive(2, 51.5, -0.1)).write(path("errand <&>.avi")));
        QFile noMoov(path("nomoov.mp4"));
        QVERIFY(noMoov.open(QIODevice::WriteOnly) && noMoov.write(BoxWriter::box("ftyp", "isom")));
        // A "gps " table that claims 2^32 - 1 entries and holds none.
        const QByteArray lyingTable = BoxWriter::bigEndian32(0) + BoxWriter::bigEndian32(~0u);
        QVERIFY(Mp4Sample().movie(1000, 5000).videoTrack(640, 480)
                    .moovBox(BoxWriter::box("gps ", lyingTable)).write(path("lying.mp4")));
        QVERIFY(::mkfifo(QFile::encodeName(path("pipe.MP4")), 0600) == 0);
        // The drive again under a Latin-1 name, as older cameras write them: not UTF-8.
        QVERIFY(QFile::copy(path("drive.mp4"), path("xy.MP4")));
        QVERIFY(::link(QFile::encodeName(path("xy.MP4")), QFile::encodeName(mDir.path()) + "/\xff\xfe.MP4") == 0);
        // A card: a clip at the top, one a folder below, and a folder of photos only.
        QVERIFY(QDir(mDir.path()).mkpath("card/DCIM/Photo") && QDir(mDir.path()).mkpath("card/DCIM/Movie"));
        QVERIFY(QFile::copy(path("drive.mp4"), path("card/b.MP4")) && QFile::copy(path("errand <&>.avi"), path("card/DCIM/Movie/a.avi")));
        QVERIFY(QFile(path("card/DCIM/Photo/a.jpg")).open(QIODevice::WriteOnly));
    }

    // Each line holds exactly the parser's keys and values, and its file (ranges: exitStatus's rows).
    void samples()
    {
        const QStringList files = {path("drive.mp4"), path("errand <&>.avi")};
        QVector<QJsonObject> expected;
        for (const QString &file : files) {
            for (const GpsData &data : decodedSamples(file)) {
                QJsonObject line = sampleLine(data);
                line["file"] = file;
                expected << line;
            }
        }
        const Run run = runExporter(files);
        QCOMPARE(run.exitCode, 0);
        QVector<QJsonObject> written;
        for (const QByteArray &line : run.lines) {
            written << QJsonDocument::fromJson(line).object();
            for (const char *key : {"gX", "gY", "gZ"})  // read back as the floats they are
                written.last()[key] = double(float(written.last()[key].toDouble()));
        }
        QCOMPARE(written, expected);
    }

    // Each row holds the values of the sample's JSON line, as text.
    void csvRows()
    {
        const QStringList files = {path("drive.mp4"), path("errand <&>.avi")};
        const Run json = runExporter(files);
        const Run csv = runExporter(QStringList{"--format", "csv"} + files);
        QCOMPARE(csv.lines.value(0), "file," + sampleKeys.join(',').toUtf8());
        QCOMPARE(csv.lines.size(), json.lines.size() + 1);
        for (int i = 0; i < json.lines.size(); ++i) {
            const QJsonObject line = QJsonDocument::fromJson(json.lines[i]).object();
            QStringList values;
            for (const QString &key : QStringList("file") + sampleKeys)
                values << line[key].toVariant().toString();
            QCOMPARE(csvFields(csv.lines[i + 1]), values);
        }
        QCOMPARE(csvFields(csv.lines[4])[4], awkwardText);
        QVERIFY(csv.lines[4].contains(",\"\"\"\","));  // char22 is a lone quote, quoted
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("stdoutHolds");
        QTest::addColumn<QString>("stderrHolds");  // empty: stderr stays empty

        const auto row = [](const char *name, QStringList arguments, int status, int lines,
                             const QString &out, const QString &err) {
            QTest::newRow(name) << arguments << status << lines << out << err;
        };
        const QString drive = path("drive.mp4"), clip = path("errand <&>.avi");
        const QString noMoov = path("nomoov.mp4"), missing = path("missing.mp4");
        // The info line in full: its keys in order, local creation time, no debug lines.
        const QString created = QDateTime(QDate(1904, 1, 1), QTime(0, 0), Qt::UTC).addSecs(3900000000u)
                                    .toLocalTime().toString("yyyy-MM-ddTHH:mm:ss");
        const QString info = R"({"creationTime":%1,"duration":%2,"file":"%3","height":%4,)"
                             R"("layout":"%5","readableRecords":%6,"records":%7,"recovered":false,)"
                             R"("truncated":%8,"width":%9})";
        row("info", {"--info", drive}, 0, 1,
            info.arg('"' + created + '"', "11", drive, "1080", "Gps0Records", "12", "12", "false", "1920"), "");
        row("info, no moov", {"--info", noMoov}, 0, 1, info.arg("null", "0", noMoov, "0", "NoGps", "0", "0", "false", "0"), "");
        const QString cut = path("cut.mp4");
        const QString cutWarning = cut + ": warning: the file is truncated; 6 of 12 records are readable\n";
        row("info, cut", {"--info", cut}, 0, 1, R"("readableRecords":6,"records":12,"recovered":false,"truncated":true)", cutWarning);
        // Seconds 0 to 4 show records 1 to 5; record 6 is not half decoded.
        row("samples, cut", {cut}, 0, 5, R"("second":4,)", cutWarning);
        row("missing file among others", {drive, missing, clip}, 1, 12, "", missing);
        // Nothing but regular files is opened, and a named pipe never blocks.
        row("named pipe first", {path("pipe.MP4"), drive}, 1, 11, "", path("pipe.MP4") + ": cannot open: not a regular file");
        row("record count beyond belief", {"--format", "csv", path("lying.mp4"), clip}, 0, 2, "", "claims");
        row("unknown format", {"--format", "xml", drive}, 2, 0, "", "Usage:");
        // Subtitles: six lines a cue; the styled ones after thirteen lines of header.
        row("srt, inner range", {"--format", "srt", "--from", "3", "--to", "5", drive}, 0, 18,
            "1\n00:00:03,000 --> 00:00:04,000\n2026-12-06 10:15:03 UTC\n", "");
        row("ass in mph", {"--format", "ass", "--unit", "mph", "--from", "3", "--to", "3", drive}, 0, 14,
            "Dialogue: 0,0:00:03.00,0:00:04.00,Telemetry,,0,0,0,,2026-12-06 10:15:03 UTC\\N34 mph\\N", "");
        row("srt of several recordings", {"--format", "srt", drive, clip}, 2, 0, "", "--beside");
        row("beside, not subtitles", {"--beside", drive}, 2, 0, "", "--beside and --unit take");
        row("trips with a format", {"--trips", "--format", "gpx", drive}, 2, 0, "", "--trips takes no");
        row("merged trips into json lines", {"--merge-trips", drive}, 2, 0, "", "--merge-trips takes");
        // Folders: their own recordings, or with -r every one below them, by path.
        row("folder", {"--info", path("card")}, 0, 1, "card/b.MP4", "");
        row("folder, recursive", {"-r", "--info", path("card")}, 0, 2, "card/DCIM/Movie/a.avi", "");
        row("folder without recordings", {"--info", path("card/DCIM/Photo"), drive}, 1, 1, "Gps0Records", "no recordings");
        // 0.12, not the float widened to a double (0.11999999731779099).
        row("floats in shortest form", {"--from", "3", "--to", "3", drive}, 0, 1, R"("gX":0.12,"gY":-0.98,)", "");
    }

    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, stdoutHolds);
        QFETCH(QString, stderrHolds);
        const Run run = runExporter(arguments);
        QTEST(run.exitCode, "status");
        QTEST(int(run.lines.size()), "lines");
        QVERIFY2(run.out.contains(stdoutHolds.toUtf8()), run.out);
        QVERIFY2(stderrHolds.isEmpty() ? run.err.isEmpty() : run.err.contains(stderrHolds.toUtf8()), run.err);
    }

    void lostOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("pipe");  // else a full disk
        for (const char *format : {"json", "csv", "gpx", "kml", "geojson", "srt", "ass"}) {
            const QStringList arguments = {"--format", format, path("drive.mp4")};
            QTest::newRow(qPrintable(QString("%1, full disk").arg(format))) << arguments << false;
            QTest::newRow(qPrintable(QString("%1, closed pipe").arg(format))) << arguments << true;
        }
        QTest::newRow("info, full disk") << QStringList{"--info", path("drive.mp4")} << false;
        QTest::newRow("help, closed pipe") << QStringList{"--help"} << true;
    }

    // Output that never arrived is never reported as written: status 3 and the system's reason.
    void lostOutput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, pipe);
        OutputProcess process;
        process.closedPipe = pipe;
        if (!pipe)
            process.setStandardOutputFile("/dev/full");
        process.start(VANTREL_TELEMETRY_PATH, arguments);
        const Run run = finished(process);
        QCOMPARE(run.exitCode, 3);
        const int error = pipe ? EPIPE : ENOSPC;
        QVERIFY2(run.err.contains("cannot write the output: " + QByteArray(std::strerror(error))), run.err);
    }

    void tracks_data()
    {
        QTest::addColumn<QString>("format");
        for (const char *format : {"gpx", "kml", "geojson"})
            QTest::newRow(format) << QString(format);
    }

    // Every sample with a position, in order: gpsbabel reads them all back.
    void tracks()
    {
        QFETCH(QString, format);
        const QStringList files = {path("drive.mp4"), path("nomoov.mp4"), path("errand <&>.avi")};
        const Run run = runExporter(QStringList{"--format", format} + files);
        QCOMPARE(run.exitCode, 0);
        const QByteArray csv = gpsbabel(run.out, format, "csv");
        if (csv.isNull())
            QSKIP("gpsbabel is not installed");
        QVERIFY(!csv.isEmpty());
        QStringList read;  // "latitude, longitude, name"
        for (const QByteArray &line : csv.trimmed().split('\n'))
            read << line.left(line.lastIndexOf(','));
        if (format == "geojson")
            read.move(0, read.size() - 1);  // its lone point, a waypoint, comes first
        const QStringList written = expectedPoints(files);
        QCOMPARE(written.size(), 9 + 1);  // two samples of the drive have no fix
        QCOMPARE(read, written);
    }
};

QTEST_GUILESS_MAIN(tst_Exporter)
#include "tst_exporter.moc"
