#include "Mp4Sample.h"
#include "PlaylistModel.h"
#include "SampleRecord.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The table of opened files, each row with its own parse worker.
class PlaylistModelTest : public QObject
{
    Q_OBJECT
private slots:
    void rowTexts_data();
    void rowTexts();
    void rows_data();
    void rows();
    void teardownDeliversNothing_data();
    void teardownDeliversNothing();

private:
    QString writeMp4(const QString &name, quint32 seconds, int records = 0) const
    {
        const QString path = mDir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        return Mp4Sample().movie(1, seconds).videoTrack(1920, 1080).gps0(straightDrive(records)).write(path) ? path : QString();
    }
    QUrl urlOf(const QString &name) const { return QUrl::fromLocalFile(mDir.filePath(name)); }

    QTemporaryDir mDir;
};

// The file's row (the second, so that row numbers cannot be mixed up) shows
// what its worker reports; the first row is an empty file of a given size.
void PlaylistModelTest::rowTexts_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("texts"); // duration, resolution
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("sizeText");
    QTest::newRow("mov with telemetry, past a day wraps")
        << "long.MOV" << 90061 << QStringList{"01:01:01", "1920 x 1080"} << qint64(3000000) << "3 MB";
    QTest::newRow("missing file") << "missing.MP4" << -1 << QStringList{"00:00:00", "0 x 0"}
                                  << qint64(1048575) << "1024 KB";
}

void PlaylistModelTest::rowTexts()
{
    QFETCH(QString, fileName);
    QFETCH(int, seconds);
    QFETCH(qint64, size);
    if (seconds >= 0)
        QVERIFY(!writeMp4(fileName, seconds, 61).isEmpty());
    QFile sized(mDir.filePath(QStringLiteral("sized%1.MP4").arg(size)));
    QVERIFY(sized.open(QIODevice::WriteOnly) && sized.resize(size));
    PlaylistModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy samples(&model, &PlaylistModel::gpsDataChanged);
    model.addFile(QUrl::fromLocalFile(sized.fileName()));
    const int row = model.addFile(urlOf(fileName));
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 2, 30000);
    const auto cell = [&](int at, int column) { return model.data(model.index(at, column)).toString(); };
    QTEST(cell(0, PlaylistModel::SizeColumn), "sizeText");
    QCOMPARE(cell(row, PlaylistModel::FileNameColumn), fileName);
    QTEST(QStringList({cell(row, PlaylistModel::DurationColumn), cell(row, PlaylistModel::ResolutionColumn)}), "texts");
    // Reports and requests for rows the model does not have are dropped.
    for (int id : {-1, 2}) {
        QMetaObject::invokeMethod(&model, "onVideoInfoChanged", Q_ARG(int, id), Q_ARG(VideoInfo, VideoInfo()));
        model.setCurrentSecond(id, 3);
    }
    QCOMPARE(changed.count(), 2);
    if (seconds >= 0) {
        model.setCurrentSecond(row, 5);
        QTRY_COMPARE_WITH_TIMEOUT(samples.count(), 1, 30000);
        QCOMPARE(samples.first().at(0).toInt(), row);
        QCOMPARE(samples.first().at(1).value<GpsData>().second, 5);
    }
}

// One file, one row, whatever the spelling; cameras restart their numbering
// on every card, so the same name in another folder is another file. A file
// and its other camera's file are companions.
void PlaylistModelTest::rows_data()
{
    QTest::addColumn<QStringList>("files"); // under a/ and b/ and link.MP4 exist
    QTest::addColumn<QList<int>>("ids");    // the row each addFile() gives
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<int>>("expected"); // its companion, next, previous; -1: none
    const QString clip = "a/CLIP0001.MP4";
    QTest::newRow("other spelling") << QStringList{clip, "b/../a/./CLIP0001.MP4", clip} << QList<int>{0, 0, 0} << 0
                                    << QList<int>{-1, -1, -1};
    QTest::newRow("symlink") << QStringList{clip, "link.MP4"} << QList<int>{0, 0} << 0 << QList<int>{-1, -1, -1};
    QTest::newRow("same name, other card") << QStringList{clip, "b/CLIP0001.MP4", clip} << QList<int>{0, 1, 0} << 1
                                           << QList<int>{-1, -1, 0};
    QTest::newRow("missing file twice") << QStringList{"gone/X.MP4", "gone/../gone/X.MP4"} << QList<int>{0, 0} << 0
                                        << QList<int>{-1, -1, -1};
    QTest::newRow("front finds rear") << QStringList{"CAM0101F.MOV", "CAM0101R.MOV"} << QList<int>{0, 1} << 0
                                      << QList<int>{1, 1, -1};
    QTest::newRow("rear finds front, case ignored") << QStringList{"CAM0101F.MOV", "cam0101r.mov"} << QList<int>{0, 1}
                                                    << 1 << QList<int>{0, -1, 0};
    QTest::newRow("earliest match") << QStringList{"CAM0102F.MOV", "CAM0101F.MOV", "CAM0101R.MOV"}
                                    << QList<int>{0, 1, 2} << 2 << QList<int>{0, -1, 1};
    QTest::newRow("seven characters") << QStringList{"ABC.MP4", "ABC1.MP4"} << QList<int>{0, 1} << 0
                                      << QList<int>{-1, 1, -1};
    QTest::newRow("same name, other card skipped") << QStringList{"a/CAM0101F.MOV", "b/cam0101f.mov", "a/CAM0101R.MOV"}
                                                   << QList<int>{0, 1, 2} << 0 << QList<int>{2, 1, -1};
}

void PlaylistModelTest::rows()
{
    QFETCH(QStringList, files);
    QFETCH(int, row);
    QFETCH(QList<int>, expected);
    QVERIFY(!writeMp4("a/CLIP0001.MP4", 10).isEmpty() && !writeMp4("b/CLIP0001.MP4", 10).isEmpty());
    const QString link = mDir.filePath("link.MP4");
    QVERIFY(QFile::exists(link) || QFile::link(mDir.filePath("a/CLIP0001.MP4"), link));
    PlaylistModel model;
    QList<int> ids;
    for (const QString &file : files)
        ids << model.addFile(urlOf(file));
    QTEST(ids, "ids");
    QCOMPARE(model.rowAt(0)->url, urlOf(files.first()));
    const QUrl url = model.rowAt(row)->url;
    QCOMPARE(model.companionRow(model.rowAt(row)), model.rowAt(expected.at(0)));
    QCOMPARE(model.nextRow(url), model.rowAt(expected.at(1)));
    QCOMPARE(model.previousRow(url), model.rowAt(expected.at(2)));
    QVERIFY(!model.nextRow(urlOf("elsewhere.MP4")) && !model.companionRow(nullptr));
}

void PlaylistModelTest::teardownDeliversNothing_data()
{
    QTest::addColumn<bool>("serving");
    QTest::newRow("workers walking") << false;
    QTest::newRow("second requests flowing") << true;
}
// Each row's worker wait processes events. The last row is a named pipe whose
// worker blocks in open() until it gets a writer, which happens only inside
// that event processing: reports of the rows destroyed before are still queued.
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
    QTimer requests, gateOpener;
    int second = 0;
    connect(&requests, &QTimer::timeout, [&] {
        for (int row = 0; row < rowCount; ++row)
            model->setCurrentSecond(row, ++second % 60);
    });
    connect(model, &QObject::destroyed, &requests, &QTimer::stop);
    if (serving) {
        QTRY_COMPARE_WITH_TIMEOUT(reports, rowCount, 30000);
        requests.start(0);
        QTRY_VERIFY_WITH_TIMEOUT(reports > rowCount, 30000);
    }
    connect(&gateOpener, &QTimer::timeout, [&] {
        const int fd = ::open(gate.constData(), O_WRONLY | O_NONBLOCK); // fails until the worker waits in open()
        if (fd >= 0 && ::close(fd) == 0)
            gateOpener.stop();
    });
    model->addFile(QUrl::fromLocalFile(QFile::decodeName(gate)));
    gateOpener.start(0);
    delete model;
    QCoreApplication::processEvents();
    QCOMPARE(lateReports, 0);
}

QTEST_GUILESS_MAIN(PlaylistModelTest)
#include "tst_playlistmodel.moc"
