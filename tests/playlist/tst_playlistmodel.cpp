#include "AviSample.h"
#include "HumanReadableSize.h"
#include "Mp4Sample.h"
#include "PlaylistModel.h"
#include "SampleRecord.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Translates one header text and one unit, to show which context is asked.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        if (qstrcmp(context, "PlaylistModel") == 0 && qstrcmp(text, "Size") == 0)
            return QStringLiteral("Taille");
        if (qstrcmp(context, "QInstaller") == 0 && qstrcmp(text, "PB") == 0)
            return QStringLiteral("Po");
        return {};
    }
    bool isEmpty() const override { return false; }
};

constexpr int workerTimeoutMs = 30000;
using Tester = QAbstractItemModelTester;

QString cell(const PlaylistModel &model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}

} // namespace

class PlaylistModelTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sizeText_data();
    void sizeText();
    void tableShape();
    void videoInfo_data();
    void videoInfo();
    void telemetryCarriesRowId();
    void duplicates_data();
    void duplicates();
    void companion_data();
    void companion();
    void navigation();
    void teardownDeliversNothing_data();
    void teardownDeliversNothing();

private:
    QString writeMp4(const QString &name, quint32 seconds, int records = 0) const;
    QUrl urlOf(const QString &name) const { return QUrl::fromLocalFile(mDir.filePath(name)); }

    QTemporaryDir mDir;
    MarkingTranslator mTranslator;
};

QString PlaylistModelTest::writeMp4(const QString &name, quint32 seconds, int records) const
{
    const QString path = mDir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    Mp4Sample sample;
    sample.movie(1, seconds).videoTrack(1920, 1080);
    if (records > 0)
        sample.gps0(straightDrive(records));
    return sample.write(path) ? path : QString();
}

void PlaylistModelTest::initTestCase()
{
    QVERIFY(mDir.isValid());
    // Before the first size text: the units are translated once per process.
    QCoreApplication::installTranslator(&mTranslator);
}

void PlaylistModelTest::sizeText_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << qint64(0) << 0 << "0 bytes";
    QTest::newRow("below a KB") << qint64(1023) << 0 << "1023 bytes";
    QTest::newRow("one KB") << qint64(1024) << 0 << "1 KB";
    QTest::newRow("just below a MB") << qint64(1048575) << 0 << "1024 KB";
    QTest::newRow("three MB") << qint64(3000000) << 0 << "3 MB";
    QTest::newRow("two decimals") << qint64(1536) << 2 << "1.50 KB";
    QTest::newRow("largest file") << std::numeric_limits<qint64>::max() << 0 << "8 EB";
    QTest::newRow("translated unit") << (qint64(3) << 50) << 0 << "3 Po";
}

void PlaylistModelTest::sizeText()
{
    QFETCH(qint64, size);
    QFETCH(int, precision);
    QFETCH(QString, text);
    QCOMPARE(humanReadableSize(size, precision), text);
}

void PlaylistModelTest::tableShape()
{
    PlaylistModel model;
    Tester tester(&model, Tester::FailureReportingMode::QtTest);
    QFile sized(mDir.filePath("sized.MP4"));
    QVERIFY(sized.open(QIODevice::WriteOnly) && sized.resize(3000000));
    for (const char *name : {"sized.MP4", "t1.MP4", "t2.MP4"})
        model.addFile(urlOf(name));

    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    QCOMPARE(model.columnCount(model.index(0, 0)), 0);
    QVERIFY(model.index(2, 4).isValid());
    for (auto [row, column] : {std::pair(3, 0), {-1, 0}, {0, 5}, {0, -1}})
        QVERIFY(!model.index(row, column).isValid());
    QVERIFY(!model.index(0, 0, model.index(0, 0)).isValid());
    QVERIFY(!model.parent(model.index(1, 1)).isValid());

    QCOMPARE(cell(model, 0, PlaylistModel::SizeColumn), QStringLiteral("3 MB"));
    QCOMPARE(cell(model, 1, PlaylistModel::SizeColumn), QStringLiteral("0 bytes"));
    QCOMPARE(cell(model, 1, PlaylistModel::CreateDateColumn), QString());
    QCOMPARE(model.data(model.index(1, 4), Qt::TextAlignmentRole), QVariant(132));
    QCOMPARE(model.data(model.index(1, 4), Qt::ToolTipRole), QVariant());
    QCOMPARE(model.data(QModelIndex()), QVariant());

    const QStringList headers{"File Name", "Duration", "Create Date", "Taille", "Resolution"};
    for (int section = 0; section < 6; ++section) {
        const QVariant header = section < 5 ? QVariant(headers.at(section)) : QVariant();
        QCOMPARE(model.headerData(section, Qt::Horizontal), header);
        QCOMPARE(model.headerData(section, Qt::Vertical), section < 3 ? QVariant(section) : QVariant());
    }
    QCOMPARE(model.headerData(-1, Qt::Vertical), QVariant());
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::ToolTipRole), QVariant());

    // Headers follow the language; the units keep their first translation.
    QCoreApplication::removeTranslator(&mTranslator);
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Size"));
    QCOMPARE(humanReadableSize(qint64(1) << 50, 0), QStringLiteral("1 Po"));
    QCoreApplication::installTranslator(&mTranslator);
}

void PlaylistModelTest::videoInfo_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("resolution");

    QTest::newRow("mp4") << "front.MP4" << 61 << "00:01:01" << "1920 x 1080";
    QTest::newRow("hours") << "long.MOV" << 3725 << "01:02:05" << "1920 x 1080";
    QTest::newRow("past a day wraps") << "day.MP4" << 90000 << "01:00:00" << "1920 x 1080";
    QTest::newRow("avi") << "rear.AVI" << 60 << "00:01:00" << "640 x 360";
    QTest::newRow("missing file") << "missing.MP4" << -1 << "00:00:00" << "0 x 0";
}

void PlaylistModelTest::videoInfo()
{
    QFETCH(QString, fileName);
    QFETCH(int, seconds);
    QFETCH(QString, duration);
    QFETCH(QString, resolution);

    const QString path = mDir.filePath(fileName);
    if (fileName.endsWith(".AVI"))
        QVERIFY(AviSample().mainHeader(40000, seconds * 25, 640, 360).videoChunk(16).write(path));
    else if (seconds >= 0)
        QVERIFY(!writeMp4(fileName, seconds).isEmpty());

    PlaylistModel model;
    Tester tester(&model, Tester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.addFile(urlOf("other.MP4"));
    const int row = model.addFile(QUrl::fromLocalFile(path));
    // Nothing is delivered before the event loop runs.
    QCOMPARE(cell(model, row, PlaylistModel::FileNameColumn), fileName);
    QCOMPARE(cell(model, row, PlaylistModel::DurationColumn), QStringLiteral("00:00:00"));
    QCOMPARE(cell(model, row, PlaylistModel::ResolutionColumn), QStringLiteral("0 x 0"));

    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 2, workerTimeoutMs);
    const bool rowAnnounced = std::any_of(changed.cbegin(), changed.cend(), [&](const auto &args) {
        return args.at(0).toModelIndex().row() == row && args.at(1).toModelIndex().row() == row;
    });
    QVERIFY(rowAnnounced);
    QCOMPARE(cell(model, row, PlaylistModel::DurationColumn), duration);
    QCOMPARE(cell(model, row, PlaylistModel::ResolutionColumn), resolution);

    VideoInfo late;
    late.width = 1;
    for (int id : {-1, 2})
        QMetaObject::invokeMethod(&model, "onVideoInfoChanged", Q_ARG(int, id), Q_ARG(VideoInfo, late));
    QCOMPARE(changed.count(), 2);
}

void PlaylistModelTest::telemetryCarriesRowId()
{
    PlaylistModel model;
    QSignalSpy infos(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy samples(&model, &PlaylistModel::gpsDataChanged);
    for (const char *name : {"gps0.MP4", "gps1.MP4"})
        model.addFile(QUrl::fromLocalFile(writeMp4(name, 60, 61)));
    QTRY_COMPARE_WITH_TIMEOUT(infos.count(), 2, workerTimeoutMs);

    model.setCurrentSecond(-1, 3);
    model.setCurrentSecond(2, 3);
    model.setCurrentSecond(1, 5);
    QTRY_COMPARE_WITH_TIMEOUT(samples.count(), 1, workerTimeoutMs);
    model.setCurrentSecond(0, 7);
    QTRY_COMPARE_WITH_TIMEOUT(samples.count(), 2, workerTimeoutMs);
    QCOMPARE(samples.at(0).at(0).toInt(), 1);
    QCOMPARE(samples.at(0).at(1).value<GpsData>().second, 5);
    QCOMPARE(samples.at(1).at(0).toInt(), 0);
    QCOMPARE(samples.at(1).at(1).value<GpsData>().second, 7);
}

void PlaylistModelTest::duplicates_data()
{
    QTest::addColumn<QUrl>("first");
    QTest::addColumn<QUrl>("second");
    QTest::addColumn<int>("rows");

    const QUrl clip = urlOf("a/CLIP0001.MP4");
    QTest::newRow("same file") << clip << clip << 1;
    QTest::newRow("other spelling") << clip << urlOf("b/../a/./CLIP0001.MP4") << 1;
    QTest::newRow("symlink") << clip << urlOf("link.MP4") << 1;
    QTest::newRow("same name, other card") << clip << urlOf("b/CLIP0001.MP4") << 2;
    QTest::newRow("missing file twice") << urlOf("gone/X.MP4") << urlOf("gone/../gone/X.MP4") << 1;
    QTest::newRow("missing, other folders") << urlOf("gone/X.MP4") << urlOf("gone2/X.MP4") << 2;
    QTest::newRow("not local files") << QUrl("http://host/a.MP4") << QUrl("http://host/b.MP4") << 1;
}

void PlaylistModelTest::duplicates()
{
    QFETCH(QUrl, first);
    QFETCH(QUrl, second);
    QFETCH(int, rows);

    QVERIFY(!writeMp4("a/CLIP0001.MP4", 10).isEmpty() && !writeMp4("b/CLIP0001.MP4", 10).isEmpty());
    const QString link = mDir.filePath("link.MP4");
    QVERIFY(QFile::exists(link) || QFile::link(mDir.filePath("a/CLIP0001.MP4"), link));

    PlaylistModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QCOMPARE(model.addFile(first), 0);
    PlaylistRow *firstRow = model.rowAt(0);
    QCOMPARE(model.addFile(second), rows - 1);
    QCOMPARE(model.addFile(first), 0);
    QCOMPARE(inserted.count(), rows);
    QCOMPARE(model.rowAt(rows), nullptr);
    QCOMPARE(model.rowAt(-1), nullptr);
    QCOMPARE(model.rowAt(0), firstRow);
    QCOMPARE(firstRow->url, first);
}

void PlaylistModelTest::companion_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("companion");

    const QStringList pair{"CAM0101F.MOV", "CAM0101R.MOV"};
    QTest::newRow("front finds rear") << pair << 0 << 1;
    QTest::newRow("rear finds front") << pair << 1 << 0;
    const QStringList earlier{"CAM0102F.MOV", "CAM0101F.MOV", "CAM0101R.MOV"};
    QTest::newRow("earliest match, front") << earlier << 1 << 0;
    QTest::newRow("earliest match, rear") << earlier << 2 << 0;
    const QStringList mixedCase{"CAM0101F.MOV", "cam0101r.mov"};
    QTest::newRow("case ignored") << mixedCase << 0 << 1;
    QTest::newRow("case ignored, back") << mixedCase << 1 << 0;
    QTest::newRow("seven characters") << QStringList{"ABC.MP4", "ABC1.MP4"} << 0 << -1;
    QTest::newRow("eight characters") << QStringList{"ABCD.MP4", "A123.MOV"} << 0 << 1;
    QTest::newRow("no partner") << QStringList{"CAM0101F.MOV", "DSC0101F.MOV"} << 0 << -1;
    QTest::newRow("same name, other card") << QStringList{"a/CAM1F.MOV", "b/CAM1F.MOV"} << 0 << -1;
    QTest::newRow("other card skipped")
        << QStringList{"a/CAM0101F.MOV", "b/cam0101f.mov", "a/CAM0101R.MOV"} << 0 << 2;
}

void PlaylistModelTest::companion()
{
    QFETCH(QStringList, files);
    QFETCH(int, row);
    QFETCH(int, companion);

    PlaylistModel model;
    for (const QString &file : files)
        model.addFile(urlOf("companion/" + file));
    QCOMPARE(model.companionRow(model.rowAt(row)), model.rowAt(companion));
    QCOMPARE(model.companionRow(nullptr), nullptr);
}

void PlaylistModelTest::navigation()
{
    PlaylistModel model;
    for (const char *name : {"n0.MP4", "n1.MP4", "n2.MP4"})
        model.addFile(urlOf(name));
    QCOMPARE(model.nextRow(urlOf("n0.MP4")), model.rowAt(1));
    QCOMPARE(model.nextRow(urlOf("n1.MP4")), model.rowAt(2));
    QCOMPARE(model.nextRow(urlOf("n2.MP4")), nullptr);
    QCOMPARE(model.previousRow(urlOf("n2.MP4")), model.rowAt(1));
    QCOMPARE(model.previousRow(urlOf("n0.MP4")), nullptr);
    QCOMPARE(model.nextRow(urlOf("elsewhere.MP4")), nullptr);
    QCOMPARE(model.previousRow(urlOf("elsewhere.MP4")), nullptr);
}

void PlaylistModelTest::teardownDeliversNothing_data()
{
    QTest::addColumn<bool>("serving");
    QTest::newRow("workers walking") << false;
    QTest::newRow("second requests flowing") << true;
}

// Rows are destroyed one by one and each worker's wait processes events. The
// last row is a named pipe: its worker blocks opening it until the pipe gets
// a writer, which it gets only from inside that event processing. So reports
// of the rows destroyed before it are surely still queued at that moment.
void PlaylistModelTest::teardownDeliversNothing()
{
    QFETCH(bool, serving);
    constexpr int rowCount = 100;
    const QByteArray gate = QFile::encodeName(mDir.filePath(QStringLiteral("GATE%1.MP4").arg(serving)));
    QCOMPARE(::mkfifo(gate.constData(), 0600), 0);

    auto *model = new PlaylistModel;
    bool tearingDown = false;
    int reports = 0;
    int lateReports = 0;
    const auto count = [&] { tearingDown ? ++lateReports : ++reports; };
    connect(model, &QAbstractItemModel::modelAboutToBeReset, [&] { tearingDown = true; });
    connect(model, &QAbstractItemModel::dataChanged, count);
    connect(model, &PlaylistModel::gpsDataChanged, count);
    for (int i = 0; i < rowCount; ++i)
        model->addFile(QUrl::fromLocalFile(writeMp4(QStringLiteral("teardown/T%1.MP4").arg(i), 60, 61)));

    QTimer requests;
    int second = 0;
    connect(&requests, &QTimer::timeout, [&] {
        ++second;
        for (int row = 0; row < rowCount; ++row)
            model->setCurrentSecond(row, second % 60);
    });
    connect(model, &QObject::destroyed, &requests, &QTimer::stop);
    if (serving) {
        QTRY_COMPARE_WITH_TIMEOUT(reports, rowCount, workerTimeoutMs);
        requests.start(0);
        QTRY_VERIFY_WITH_TIMEOUT(reports > rowCount, workerTimeoutMs);
    }

    QTimer gateOpener;
    connect(&gateOpener, &QTimer::timeout, [&] {
        // Fails until the worker waits in open() for a writer.
        const int fd = ::open(gate.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
            gateOpener.stop();
        }
    });
    model->addFile(QUrl::fromLocalFile(QFile::decodeName(gate)));
    gateOpener.start(0);
    delete model;
    QCoreApplication::processEvents();
    QCOMPARE(lateReports, 0);
}

QTEST_GUILESS_MAIN(PlaylistModelTest)

#include "tst_playlistmodel.moc"
