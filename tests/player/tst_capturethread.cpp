#include "CaptureThread.h"
#include "PlayerTestSupport.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace PlayerTestSupport;

// The screenshot worker on its own: names, the ffmpeg call, the queue, and
// what happens when ffmpeg hangs or the worker is destroyed mid-run.
class TestCaptureThread : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startTime_data();
    void startTime();
    void outputName_data();
    void outputName();
    void capturesOneFramePerTaskInOrder();
    void awkwardPathsWork_data();
    void awkwardPathsWork();
    void otherFileDropsWaitingTasks();
    void unusableFolderStartsNoFfmpeg();
    void lateTaskIsKeptForTheNextRun();
    void hangingFfmpegIsStopped();
    void destroyingStopsRunningCapture();

private:
    QString frontClip();
    // Starts `worker` and waits for its run to end.
    static bool runToEnd(CaptureThread &worker);

    QScopedPointer<QTemporaryDir> mShots;
};

void TestCaptureThread::init()
{
    mShots.reset(new QTemporaryDir);
    useScreenshotFolder(mShots->path());
    CaptureThread::setCaptureTimeoutMs(CaptureThread::defaultCaptureTimeoutMs);
}

void TestCaptureThread::cleanup()
{
    CaptureThread::setCaptureTimeoutMs(CaptureThread::defaultCaptureTimeoutMs);
}

QString TestCaptureThread::frontClip()
{
    return demoFile(QStringLiteral("20261206_101500F.MP4"));
}

bool TestCaptureThread::runToEnd(CaptureThread &worker)
{
    worker.start();
    return worker.wait(120000);
}

void TestCaptureThread::startTime_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("start") << qint64(0) << "00:00:00.000";
    QTest::newRow("minutes and milliseconds") << qint64(83456) << "00:01:23.456";
    QTest::newRow("hours") << qint64(3725000) << "01:02:05.000";
}

void TestCaptureThread::startTime()
{
    QFETCH(qint64, position);
    QFETCH(QString, text);
    QCOMPARE(CaptureThread::startTimeText(position), text);
}

void TestCaptureThread::outputName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/home/user/Pictures/shots" << "/media/card/DCIM/FILE0001.MOV"
                           << "/home/user/Pictures/shots/ScreenShot_FILE0001__200221-142530_123.jpeg";
    QTest::newRow("name cut at first dot") << "/tmp" << "/v/clip.part2.mp4"
                                           << "/tmp/ScreenShot_clip__200221-142530_123.jpeg";
    QTest::newRow("spaces kept") << "/tmp/my shots" << "/v/my clip.mp4"
                                 << "/tmp/my shots/ScreenShot_my clip__200221-142530_123.jpeg";
}

void TestCaptureThread::outputName()
{
    QFETCH(QString, folder);
    QFETCH(QString, video);
    QFETCH(QString, expected);
    QCOMPARE(CaptureThread::outputFilePath(folder, video, QStringLiteral("200221-142530_123")), expected);
    QCOMPARE(CaptureThread::localInputPath(video), video);
}

void TestCaptureThread::capturesOneFramePerTaskInOrder()
{
    const QString clip = frontClip();
    if (clip.isEmpty())
        QSKIP("demo recordings not built");
    CaptureThread worker;
    worker.addTask(clip, 1000);
    worker.addTask(clip, 40000);
    QVERIFY(runToEnd(worker));

    const QStringList shots = screenshotsIn(mShots->path());
    QCOMPARE(shots.size(), 2);
    const QRegularExpression pattern(QStringLiteral("^ScreenShot_20261206_101500F__\\d{6}-\\d{6}_\\d{3}\\.jpeg$"));
    for (const QString &shot : shots) {
        QVERIFY2(pattern.match(shot).hasMatch(), qPrintable(shot));
        QCOMPARE(jpegSize(mShots->filePath(shot)), QSize(1280, 720));
    }
    // The names sort by capture moment, so the first is the 1 s frame.
    const QImage early(mShots->filePath(shots.at(0)));
    const QImage late(mShots->filePath(shots.at(1)));
    QVERIFY(early != late);
}

void TestCaptureThread::awkwardPathsWork_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("clipName");
    QTest::newRow("spaces") << "my shots" << "front clip.MP4";
    QTest::newRow("quotes") << "it's \"here\"" << "o'clock \"cam\".MP4";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Bilder ü 写真") << QString::fromUtf8("fahrt_ä.MP4");
    QTest::newRow("shell characters") << "a;b $(x) `y`" << "c&d|e.MP4";
}

void TestCaptureThread::awkwardPathsWork()
{
    QFETCH(QString, folderName);
    QFETCH(QString, clipName);
    const QString source = frontClip();
    if (source.isEmpty())
        QSKIP("demo recordings not built");
    QTemporaryDir videos;
    const QString clip = videos.filePath(clipName);
    QVERIFY(QFile::copy(source, clip));
    const QString folder = mShots->filePath(folderName);
    useScreenshotFolder(folder);

    CaptureThread worker;
    worker.addTask(clip, 2000);
    QVERIFY(runToEnd(worker));

    const QStringList shots = screenshotsIn(folder);
    QCOMPARE(shots.size(), 1);
    QVERIFY(shots.first().startsWith(QStringLiteral("ScreenShot_") + QFileInfo(clip).baseName() + "__"));
    QCOMPARE(jpegSize(folder + QLatin1Char('/') + shots.first()), QSize(1280, 720));
}

void TestCaptureThread::otherFileDropsWaitingTasks()
{
    const QString front = frontClip();
    const QString rear = demoFile(QStringLiteral("20261206_101500R.MP4"));
    if (front.isEmpty() || rear.isEmpty())
        QSKIP("demo recordings not built");
    CaptureThread worker;
    worker.addTask(front, 1000);
    worker.addTask(front, 2000);
    worker.addTask(rear, 3000);
    QVERIFY(runToEnd(worker));

    const QStringList shots = screenshotsIn(mShots->path());
    QCOMPARE(shots.size(), 1);
    QVERIFY(shots.first().startsWith(QStringLiteral("ScreenShot_20261206_101500R__")));
    QCOMPARE(jpegSize(mShots->filePath(shots.first())), QSize(640, 360));
}

void TestCaptureThread::unusableFolderStartsNoFfmpeg()
{
    FakeFfmpeg fake(0);
    QFile blocker(mShots->filePath(QStringLiteral("a file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    useScreenshotFolder(blocker.fileName() + QStringLiteral("/shots"));

    CaptureThread worker;
    worker.addTask(QStringLiteral("/videos/clip.mp4"), 1000);
    QVERIFY(runToEnd(worker));
    QVERIFY(fake.runs().isEmpty());
    // The requests cannot be captured, so none is left to start a run again.
    QVERIFY(!worker.hasTasks());
}

void TestCaptureThread::lateTaskIsKeptForTheNextRun()
{
    FakeFfmpeg fake(0);
    CaptureThread worker;
    worker.addTask(QStringLiteral("/videos/clip.mp4"), 1000);
    QVERIFY(runToEnd(worker));
    QCOMPARE(fake.runs().size(), 1);

    // Queued after the run found its queue empty: kept, and a new run takes it.
    worker.addTask(QStringLiteral("/videos/clip.mp4"), 2000);
    QVERIFY(worker.hasTasks());
    QVERIFY(runToEnd(worker));
    QCOMPARE(fake.runs().size(), 2);
    QVERIFY(!worker.hasTasks());
}

void TestCaptureThread::hangingFfmpegIsStopped()
{
    FakeFfmpeg fake(600);
    CaptureThread::setCaptureTimeoutMs(300);
    CaptureThread worker;
    worker.addTask(QStringLiteral("/videos/clip.mp4"), 1000);
    worker.addTask(QStringLiteral("/videos/clip.mp4"), 2000);
    QVERIFY(runToEnd(worker));

    // Both requests got their run: the first hang did not stall the queue.
    const QStringList runs = fake.runs();
    QCOMPARE(runs.size(), 2);
    for (const QString &pid : runs)
        QVERIFY(!processExists(pid));
    QVERIFY(screenshotsIn(mShots->path()).isEmpty());
}

void TestCaptureThread::destroyingStopsRunningCapture()
{
    FakeFfmpeg fake(600);
    auto *worker = new CaptureThread;
    worker->addTask(QStringLiteral("/videos/clip.mp4"), 1000);
    worker->addTask(QStringLiteral("/videos/clip.mp4"), 2000);
    worker->start();
    QTRY_COMPARE_WITH_TIMEOUT(fake.runs().size(), 1, 30000);

    delete worker; // must stop ffmpeg and the thread before it returns
    const QStringList runs = fake.runs();
    QCOMPARE(runs.size(), 1); // the waiting request was dropped, not run
    QVERIFY(!processExists(runs.first()));
}

QTEST_GUILESS_MAIN(TestCaptureThread)
#include "tst_capturethread.moc"
