#include "AviSample.h"
#include "Mp4Sample.h"
#include "PlaylistModel.h"
#include "SampleRecord.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static constexpr int workerTimeoutMs = 30000;

// The table of opened files, each row with its own parse worker.
class PlaylistModelTest : public QObject
{
    Q_OBJECT
private slots:
    void rowTexts_data();
    void rowTexts();
    void duplicates_data();
    void duplicates();
    void neighbours_data();
    void neighbours();
    void teardownDeliversNothing_data();
    void teardownDeliversNothing();

private:
    QString writeMp4(const QString &name, quint32 seconds, int records = 0) const;
    QUrl urlOf(const QString &name) const { return QUrl::fromLocalFile(mDir.filePath(name)); }

    QTemporaryDir mDir;
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

// The file's row (the second, so that row numbers cannot be mixed up) shows
// what its worker reports; the first row is a sparse file of a given size.
void PlaylistModelTest::rowTexts_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("texts"); // duration, resolution
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("sizeText");
    QTest::newRow("mov with telemetry") << "long.MOV" << 3725 << QStringList{"01:02:05", "1920 x 1080"}
                                        << qint64(3000000) << "3 MB";
    QTest::newRow("past a day wraps") << "day.MP4" << 90000 << QStringList{"01:00:00", "1920 x 1080"}
                                      << qint64(1023) << "1023 bytes";
    QTest::newRow("avi") << "rear.AVI" << 60 << QStringList{"00:01:00", "640 x 360"} << qint64(1024) << "1 KB";
    QTest::newRow("missing file") << "missing.MP4" << -1 << QStringList{"00:00:00", "0 x 0"}
                                  << qint64(1048575) << "1024 KB";
}

void PlaylistModelTest::rowTexts()
{
    QFETCH(QString, fileName);
    QFETCH(int, seconds);
    QFETCH(QStringList, texts);
    QFETCH(qint64, size);
    const bool telemetry = seconds == 3725;
    const QString path = mDir.filePath(fileName);
    if (fileName.endsWith(".AVI"))
        QVERIFY(AviSample().mainHeader(40000, seconds * 25, 640, 360).videoChunk(16).write(path));
    else if (seconds >= 0)
        QVERIFY(!writeMp4(fileName, seconds, telemetry ? 61 : 0).isEmpty());
    QFile sized(mDir.filePath(QStringLiteral("sized%1.MP4").arg(size)));
    QVERIFY(sized.open(QIODevice::WriteOnly) && sized.resize(size));
    PlaylistModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy samples(&model, &PlaylistModel::gpsDataChanged);
    model.addFile(QUrl::fromLocalFile(sized.fileName()));
    const int row = model.addFile(QUrl::fromLocalFile(path));
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 2, workerTimeoutMs);
    const auto cell = [&](int at, int column) { return model.data(model.index(at, column)).toString(); };
    QTEST(cell(0, PlaylistModel::SizeColumn), "sizeText");
    QCOMPARE(cell(row, PlaylistModel::FileNameColumn), fileName);
    QCOMPARE(QStringList({cell(row, PlaylistModel::DurationColumn), cell(row, PlaylistModel::ResolutionColumn)}), texts);
    QCOMPARE(model.headerData(row, Qt::Vertical), QVariant(row));
    // Reports and requests for rows the model does not have are dropped.
    for (int id : {-1, 2}) {
        QMetaObject::invokeMethod(&model, "onVideoInfoChanged", Q_ARG(int, id), Q_ARG(VideoInfo, VideoInfo()));
        model.setCurrentSecond(id, 3);
    }
    QCOMPARE(changed.count(), 2);
    if (telemetry) {
        model.setCurrentSecond(row, 5);
        QTRY_COMPARE_WITH_TIMEOUT(samples.count(), 1, workerTimeoutMs);
        QCOMPARE(samples.first().at(0).toInt(), row);
        QCOMPARE(samples.first().at(1).value<GpsData>().second, 5);
    }
}

// One file, one row, whatever the spelling; cameras restart their numbering
// on every card, so the same name in another folder is another file.
void PlaylistModelTest::duplicates_data()
{
    QTest::addColumn<QUrl>("first");
    QTest::addColumn<QUrl>("second");
    QTest::addColumn<int>("rows");
    const QUrl clip = urlOf("a/CLIP0001.MP4");
    QTest::newRow("other spelling") << clip << urlOf("b/../a/./CLIP0001.MP4") << 1;
    QTest::newRow("symlink") << clip << urlOf("link.MP4") << 1;
    QTest::newRow("same name, other card") << clip << urlOf("b/CLIP0001.MP4") << 2;
    QTest::newRow("missing file twice") << urlOf("gone/X.MP4") << urlOf("gone/../gone/X.MP4") << 1;
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
    QCOMPARE(model.addFile(first), 0);
    QCOMPARE(model.addFile(second), rows - 1);
    QCOMPARE(model.addFile(first), 0);
    QCOMPARE(model.rowCount(), rows);
    QCOMPARE(model.rowAt(0)->url, first);
}

void PlaylistModelTest::neighbours_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("expected"); // companion (other camera's file), next, previous; -1: none
    const QStringList pair{"CAM0101F.MOV", "CAM0101R.MOV"};
    QTest::newRow("front finds rear, first row") << pair << 0 << QList<int>{1, 1, -1};
    QTest::newRow("rear finds front, last row") << pair << 1 << QList<int>{0, -1, 0};
    const QStringList earlier{"CAM0102F.MOV", "CAM0101F.MOV", "CAM0101R.MOV"};
    QTest::newRow("earliest match") << earlier << 2 << QList<int>{0, -1, 1};
    QTest::newRow("case ignored") << QStringList{"CAM0101F.MOV", "cam0101r.mov"} << 1 << QList<int>{0, -1, 0};
    QTest::newRow("seven characters") << QStringList{"ABC.MP4", "ABC1.MP4"} << 0 << QList<int>{-1, 1, -1};
    QTest::newRow("same name, other card skipped")
        << QStringList{"a/CAM0101F.MOV", "b/cam0101f.mov", "a/CAM0101R.MOV"} << 0 << QList<int>{2, 1, -1};
}

void PlaylistModelTest::neighbours()
{
    QFETCH(QStringList, files);
    QFETCH(int, row);
    QFETCH(QList<int>, expected);
    PlaylistModel model;
    for (const QString &file : files)
        model.addFile(urlOf("neighbours/" + file));
    const QUrl url = model.rowAt(row)->url;
    QCOMPARE(model.companionRow(model.rowAt(row)), model.rowAt(expected.at(0)));
    QCOMPARE(model.nextRow(url), model.rowAt(expected.at(1)));
    QCOMPARE(model.previousRow(url), model.rowAt(expected.at(2)));
    QCOMPARE(model.companionRow(nullptr), nullptr);
    QCOMPARE(model.nextRow(urlOf("elsewhere.MP4")), nullptr);
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
    int reports = 0, lateReports = 0;
    const auto count = [&] { tearingDown ? ++lateReports : ++reports; };
    connect(model, &QAbstractItemModel::modelAboutToBeReset, [&] { tearingDown = true; });
    connect(model, &QAbstractItemModel::dataChanged, count);
    connect(model, &PlaylistModel::gpsDataChanged, count);
    for (int i = 0; i < rowCount; ++i)
        model->addFile(QUrl::fromLocalFile(writeMp4(QStringLiteral("teardown/T%1.MP4").arg(i), 60, 61)));
    QTimer requests;
    int second = 0;
    connect(&requests, &QTimer::timeout, [&] {
        for (int row = 0; row < rowCount; ++row)
            model->setCurrentSecond(row, ++second % 60);
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
