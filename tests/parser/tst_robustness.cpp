#include "AviSample.h"
#include "BoxWriter.h"
#include "Mp4Sample.h"
#include "ParserFactory.h"
#include "SampleDir.h"
#include "SampleRecord.h"

#include <QDir>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QtTest>

#include <climits>
#include <cmath>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int requestedSeconds[] = {0, 1, 2, 3, INT_MAX - 1};

// Every offset near both ends, where the headers are, and about a thousand
// spread over the media data in between.
QVector<qint64> truncationPoints(qint64 size)
{
    const qint64 stride = qMax<qint64>(1, size / 1000);
    QVector<qint64> points;
    for (qint64 n = 0; n < size; ++n) {
        if (n < 1024 || n >= size - 2048 || n % stride == 0)
            points.append(n);
    }
    return points;
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
    const VideoInfo info = parser->videoInfo();
    if (info.width < 0 || info.height < 0)
        return "negative frame size";
    for (const int second : requestedSeconds) {
        GpsData data;
        if (!parser->getGpsData(second, data))
            continue;
        if (data.second != second)
            return QString("sample for second %1 claims %2").arg(second).arg(data.second);
        if (data.dateTime[14] != '\0' || data.text23[14] != '\0')
            return "text field not terminated";
        if (!std::isfinite(data.latitude) || !std::isfinite(data.longitude))
            return "position not finite";
        if (!(data.bearing >= 0.0 && data.bearing <= 360.0))
            return QString("bearing %1").arg(data.bearing);
    }
    return QString();
}

// One small recording of each layout.
void addLayoutRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("file");

    const QVector<GpsRecord> drive = straightDrive(3);
    const auto video = [] { return Mp4Sample().movie(1000, 3000).videoTrack(1280, 720); };
    QTest::newRow("gps0") << "clip.mp4" << video().gps0(drive).bytes();
    QTest::newRow("gps box") << "clip.mp4" << video().largeMdat().gpsBox(drive).bytes();
    QTest::newRow("Ambarella track") << "clip.mov" << video().extTrack(drive).bytes();
    QTest::newRow("gps meta track") << "clip.mp4" << video().metaTrack(drive).bytes();
    QTest::newRow("freeGPS") << "clip.mp4" << video().freeGpsTrack(drive).bytes();
    QTest::newRow("GPSL") << "clip.avi"
                          << AviSample().mainHeader(33333, 90, 1280, 720).gpslBlock(drive).bytes();
    QTest::newRow("audio chunks")
        << "clip.avi"
        << AviSample().mainHeader(33333, 90, 1280, 720).audioRecords(drive, 2).bytes();
}

}  // namespace

class tst_Robustness : public QObject
{
    Q_OBJECT

private:
    SampleDir mDir;

private slots:
    void initTestCase()
    {
        // Thousands of walks: keep their debug lines out of the log.
        QLoggingCategory::setFilterRules("default.debug=false");
        QVERIFY(mDir.isValid());
    }

    void truncated_data() { addLayoutRows(); }

    void truncated()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        const QString path = mDir.write(name, file);
        QVERIFY(!path.isEmpty());
        QVERIFY(checkParse(path).isEmpty());

        QFile handle(path);
        const QVector<qint64> points = truncationPoints(file.size());
        for (auto it = points.crbegin(); it != points.crend(); ++it) {
            QVERIFY(handle.resize(*it));
            const QString problem = checkParse(path);
            QVERIFY2(problem.isEmpty(), qPrintable(QString("cut at %1: %2").arg(*it).arg(problem)));
        }
    }

    void corrupted_data() { addLayoutRows(); }

    // Bytes replaced at random (fixed seed), mostly where the headers are.
    void corrupted()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QRandomGenerator random(20261206);
        const quint8 telling[] = {0x00, 0x01, 0x07, 0x7F, 0x80, 0xFF};
        for (int mutant = 0; mutant < 150; ++mutant) {
            QByteArray bytes = file;
            const int changes = random.bounded(1, 9);
            for (int i = 0; i < changes; ++i) {
                const int near = random.bounded(2)
                    ? random.bounded(qMin(512, bytes.size()))
                    : bytes.size() - 1 - random.bounded(qMin(2048, bytes.size()));
                const int at = random.bounded(4) == 0 ? random.bounded(bytes.size()) : near;
                bytes[at] = static_cast<char>(
                    random.bounded(2) ? telling[random.bounded(6)] : random.bounded(256));
            }
            const QString path = mDir.write(name, bytes);
            QVERIFY(!path.isEmpty());
            const QString problem = checkParse(path);
            QVERIFY2(
                problem.isEmpty(), qPrintable(QString("mutant %1: %2").arg(mutant).arg(problem)));
        }
    }

    void randomBytes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("prefix");

        QTest::newRow("mp4") << "noise.mp4" << QByteArray();
        QTest::newRow("mp4 after ftyp") << "noise.mp4" << BoxWriter::box("ftyp", "isom");
        QTest::newRow("avi") << "noise.avi" << QByteArray();
        QTest::newRow("avi after RIFF header")
            << "noise.avi" << QByteArray("RIFF") + BoxWriter::littleEndian32(0x7FFFFFFF) + "AVI ";
    }

    void randomBytes()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, prefix);
        QRandomGenerator random(42);
        for (int i = 0; i < 200; ++i) {
            QByteArray bytes(random.bounded(4096), '\0');
            random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
            const QString path = mDir.write(name, prefix + bytes);
            QVERIFY(!path.isEmpty());
            const QString problem = checkParse(path);
            QVERIFY2(problem.isEmpty(), qPrintable(QString("file %1: %2").arg(i).arg(problem)));
        }
    }

    void unusablePaths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("what");

        for (const char *extension : {"mp4", "avi"}) {
            for (const char *what : {"directory", "missing", "unreadable", "empty"})
                QTest::addRow("%s %s", what, extension)
                    << QString("clip.%1").arg(extension) << what;
        }
    }

    void unusablePaths()
    {
        QFETCH(QString, name);
        QFETCH(QString, what);
        SampleDir dir;
        const QString path = dir.path(name);
        if (what == "directory") {
            QVERIFY(QDir().mkpath(path));
        } else if (what == "unreadable") {
            if (geteuid() == 0)
                QSKIP("root reads files whatever their mode");
            QVERIFY(
                !dir.write(name, Mp4Sample().videoTrack(1280, 720).gps0(straightDrive(3)).bytes())
                     .isEmpty());
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        } else if (what == "empty") {
            QVERIFY(!dir.write(name, QByteArray()).isEmpty());
        }

        const std::unique_ptr<ParserObject> parser = createParser(path);
        const VideoInfo info = parser->videoInfo();
        QCOMPARE(info.width, 0);
        QCOMPARE(info.height, 0);
        QCOMPARE(info.duration, 0u);
        QVERIFY(info.creationTime.isNull());
        QCOMPARE(parser->layout(), GpsKind::NoGps);
        GpsData data;
        QVERIFY(!parser->getGpsData(0, data));
    }
};

QTEST_GUILESS_MAIN(tst_Robustness)
#include "tst_robustness.moc"
