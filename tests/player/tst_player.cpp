#include "CaptureThread.h"
#include "Configuration.h"
#include "PlayAreaManager.h"
#include "PlayerWidget.h"
#include "PlaylistModel.h"

#include <QImageReader>
#include <QLayout>
#include <QtTest>

Q_DECLARE_METATYPE(Qt::Key)

namespace {

QString demoFile(const QString &name)
{
    const QString path = QStringLiteral(VANTREL_DEMO_DIR "/") + name;
    return QFileInfo::exists(path) ? path : QString();
}

// The JPEG names in `folder`, sorted (by capture moment for one video).
QStringList screenshotsIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.jpeg")}, QDir::Files, QDir::Name);
}

QSize jpegSize(const QString &path)
{
    QImageReader reader(path);
    return reader.format() == "jpeg" ? reader.size() : QSize();
}

// Records the key presses that reach the watched widget.
class KeyRecorder : public QObject
{
public:
    QList<int> keys;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent *>(event)->key();
        return false;
    }
};

// A stand-in `ffmpeg`, first in PATH while it lives. Each run logs a line
// "<process id> <start time> <input file>", then sleeps without writing an
// image; exec keeps the logged id, so killing it ends the sleep.
class FakeFfmpeg
{
public:
    explicit FakeFfmpeg(int sleepSeconds)
        : mOldPath(qgetenv("PATH"))
    {
        QFile script(mDir.filePath(QStringLiteral("ffmpeg")));
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\necho $$ $2 $4 >> '%1'\nexec sleep %2\n")
                         .arg(logPath()).arg(sleepSeconds).toUtf8());
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", QFile::encodeName(mDir.path()) + ':' + mOldPath);
    }
    ~FakeFfmpeg() { qputenv("PATH", mOldPath); }
    QStringList runs() const
    {
        QFile log(logPath());
        log.open(QIODevice::ReadOnly);
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    static bool isRunning(const QString &run) { return QFileInfo::exists("/proc/" + run.section(' ', 0, 0)); }

private:
    QString logPath() const { return mDir.filePath(QStringLiteral("runs.log")); }
    QTemporaryDir mDir;
    QByteArray mOldPath;
};

} // namespace

// The play area with the demo recording's front and rear files under X: its
// player widgets, their keys and screenshots, and the screenshot worker with
// the real ffmpeg or a stand-in.
class TestPlayer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void captureNames_data();
    void captureNames();
    void ffmpegRuns_data();
    void ffmpegRuns();
    void screenshots_data();
    void screenshots();
    void twoPlayersPlayTogether();
    void leavingTwoPlayerModeDuringCaptureIsClean();
    void keys_data();
    void keys();
    void drops_data();
    void drops();

private:
    // Adds rear then front, so the front row's id is not 0; false without the demo.
    bool loadRecording();
    QMediaPlayer *mainPlayer() const { return mArea->mainPlayer()->player(); }
    int playerCount() const { return mArea->findChild<QWidget *>("wgtbackWidget")->layout()->count(); }

    QScopedPointer<QTemporaryDir> mShots;
    QScopedPointer<PlaylistModel> mModel;
    QScopedPointer<PlayAreaManager> mArea;
    PlaylistRow *mFront = nullptr;
    PlaylistRow *mRear = nullptr;
};

void TestPlayer::init()
{
    mShots.reset(new QTemporaryDir);
    Configuration::instance()->setScreenshotSavePath(mShots->path());
    mModel.reset(new PlaylistModel);
    mArea.reset(new PlayAreaManager);
    mArea->resize(640, 180);
    mArea->show();
    QVERIFY(QTest::qWaitForWindowExposed(mArea.data()));
}

void TestPlayer::cleanup()
{
    mArea.reset();
    mModel.reset();
    CaptureThread::setCaptureTimeoutMs(CaptureThread::defaultCaptureTimeoutMs);
}

bool TestPlayer::loadRecording()
{
    const QString front = demoFile(QStringLiteral("20261206_101500F.MP4"));
    const QString rear = demoFile(QStringLiteral("20261206_101500R.MP4"));
    if (front.isEmpty() || rear.isEmpty())
        return false;
    mRear = mModel->rowAt(mModel->addFile(QUrl::fromLocalFile(rear)));
    mFront = mModel->rowAt(mModel->addFile(QUrl::fromLocalFile(front)));
    return mFront && mRear;
}

void TestPlayer::captureNames_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("startTime");
    QTest::addColumn<QString>("output");
    QTest::newRow("minutes and milliseconds") << qint64(83456) << "/media/card/DCIM/FILE0001.MOV"
                                              << "00:01:23.456" << "/shots/ScreenShot_FILE0001__T.jpeg";
    QTest::newRow("hours, name cut at the first dot") << qint64(3725000) << "/v/my clip.part2.mp4"
                                                      << "01:02:05.000" << "/shots/ScreenShot_my clip__T.jpeg";
}

void TestPlayer::captureNames()
{
    QFETCH(qint64, position);
    QFETCH(QString, video);
    QTEST(CaptureThread::startTimeText(position), "startTime");
    QTEST(CaptureThread::outputFilePath(QStringLiteral("/shots"), video, QStringLiteral("T")), "output");
}

// The worker alone, with a stand-in ffmpeg: one run per request at its
// position; a request for another file drops the waiting ones; a folder that
// cannot be made runs nothing; hanging runs are stopped. Either way nothing
// is left queued to start a run again, and no run outlives the worker.
void TestPlayer::ffmpegRuns_data()
{
    QTest::addColumn<int>("sleepSeconds");
    QTest::addColumn<bool>("folderUsable");
    QTest::addColumn<QStringList>("files"); // one request each, at 1 s, 2 s, ...
    QTest::addColumn<QStringList>("runs");  // start time and input of each run
    const QStringList twice{"/v/a.mp4", "/v/a.mp4"};
    const QStringList bothRuns{"00:00:01.000 /v/a.mp4", "00:00:02.000 /v/a.mp4"};
    QTest::newRow("one run per request, in order") << 0 << true << twice << bothRuns;
    QTest::newRow("another file drops the waiting ones")
        << 0 << true << QStringList{"/v/a.mp4", "/v/a.mp4", "/v/b.mp4"} << QStringList{"00:00:03.000 /v/b.mp4"};
    QTest::newRow("unusable folder runs nothing") << 0 << false << twice << QStringList();
    QTest::newRow("hanging runs are stopped") << 600 << true << twice << bothRuns;
}

void TestPlayer::ffmpegRuns()
{
    QFETCH(int, sleepSeconds);
    QFETCH(bool, folderUsable);
    QFETCH(QStringList, files);
    FakeFfmpeg fake(sleepSeconds);
    CaptureThread::setCaptureTimeoutMs(2000);
    if (!folderUsable) { // a file stands where the folder should be made
        QFile blocker(mShots->filePath(QStringLiteral("a file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        Configuration::instance()->setScreenshotSavePath(blocker.fileName() + QStringLiteral("/shots"));
    }
    CaptureThread worker;
    for (int i = 0; i < files.size(); ++i)
        worker.addTask(files.at(i), 1000 * (i + 1));
    worker.start();
    QVERIFY(worker.wait(120000));
    QStringList runs;
    for (const QString &run : fake.runs()) {
        QVERIFY(!FakeFfmpeg::isRunning(run));
        runs << run.section(QLatin1Char(' '), 1);
    }
    QTEST(runs, "runs");
    QVERIFY(!worker.hasTasks());
}

// Real ffmpeg runs through the main player: one JPEG of the video's frame
// size per request, named after the video, in the configured folder, whatever
// characters the names hold.
void TestPlayer::screenshots_data()
{
    QTest::addColumn<QMediaPlayer::State>("state");
    QTest::addColumn<QList<qint64>>("positions");
    QTest::addColumn<QString>("copyAs");
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<bool>("late"); // the second request comes after the worker's run ended
    const auto paused = QMediaPlayer::PausedState;
    QTest::newRow("none while stopped") << QMediaPlayer::StoppedState << QList<qint64>{1000} << "" << "" << false;
    QTest::newRow("two quick requests while playing") << QMediaPlayer::PlayingState << QList<qint64>{2000, 30000}
                                                      << "" << "" << false;
    QTest::newRow("folder with quotes and shell characters") << paused << QList<qint64>{0} << ""
                                                             << "it's \"my\" shots; $(x) `y`" << false;
    // The run ends before the widget has seen its finished(): exactly the
    // moment in which a request used to be lost.
    QTest::newRow("late request after the queue emptied") << paused << QList<qint64>{1000, 20000} << "" << ""
                                                          << true;
    // Characters that URLs escape must come back as the file's own name.
    QTest::newRow("file name with URL characters, non-ASCII folder")
        << paused << QList<qint64>{1000} << QString::fromUtf8("it's 100%20 #1 ü&|.x.MP4")
        << QString::fromUtf8("Bilder ü 写真") << false;
}

void TestPlayer::screenshots()
{
    QFETCH(QMediaPlayer::State, state);
    QFETCH(QList<qint64>, positions);
    QFETCH(QString, copyAs);
    QFETCH(QString, folderName);
    QFETCH(bool, late);
    if (!loadRecording())
        QSKIP("demo recordings not built");
    PlaylistRow *row = mFront;
    if (!copyAs.isEmpty()) {
        const QString copy = mShots->filePath(copyAs); // beside, not in, the screenshot folder
        QVERIFY(QFile::copy(mFront->url.toLocalFile(), copy));
        row = mModel->rowAt(mModel->addFile(QUrl::fromLocalFile(copy)));
    }
    const QString folder = mShots->filePath(folderName);
    Configuration::instance()->setScreenshotSavePath(folder);
    mArea->setMedia(row, nullptr);
    if (state == QMediaPlayer::PlayingState)
        mainPlayer()->play();
    else if (state == QMediaPlayer::PausedState)
        mainPlayer()->pause();
    QTRY_COMPARE_WITH_TIMEOUT(mainPlayer()->state(), state, 30000);
    for (qint64 position : positions) {
        if (late)
            QVERIFY(!mArea->mainPlayer()->captureThread() || mArea->mainPlayer()->captureThread()->wait(120000));
        mArea->mainPlayer()->screenshot(position);
    }
    // The worker is gone once every queued capture has been taken.
    QTRY_VERIFY_WITH_TIMEOUT(!mArea->mainPlayer()->captureThread(), 120000);
    const QStringList shots = screenshotsIn(folder);
    QCOMPARE(shots.size(), state == QMediaPlayer::StoppedState ? 0 : positions.size());
    const QRegularExpression pattern(QStringLiteral("^ScreenShot_%1__\\d{6}-\\d{6}_\\d{3}\\.jpeg$")
                                         .arg(QRegularExpression::escape(QFileInfo(row->fileName).baseName())));
    for (const QString &shot : shots) {
        QVERIFY2(pattern.match(shot).hasMatch(), qPrintable(shot));
        QCOMPARE(jpegSize(folder + QLatin1Char('/') + shot), QSize(1280, 720));
    }
    if (shots.size() == 2)
        QVERIFY(QImage(folder + QLatin1Char('/') + shots.at(0)) != QImage(folder + QLatin1Char('/') + shots.at(1)));
}

// The rear player follows the main one muted; the play area reports the main
// player only, its positions in whole seconds tagged with the main row's id.
void TestPlayer::twoPlayersPlayTogether()
{
    if (!loadRecording())
        QSKIP("demo recordings not built");
    QCOMPARE(mArea->mainRowId(), -1);
    mArea->setPlayMode(2);
    QCOMPARE(playerCount(), 2);
    mArea->setMedia(mFront, nullptr); // a caller's slip must not crash the area
    QVERIFY(mArea->secondPlayer()->player()->media().isNull());
    mArea->setMedia(mFront, mRear);
    QCOMPARE(mArea->mainRowId(), mFront->id);
    QMediaPlayer *rear = mArea->secondPlayer()->player();
    QCOMPARE(rear->media().request().url(), mRear->url);
    QSignalSpy durations(mArea.data(), &PlayAreaManager::durationChanged);
    QSignalSpy positions(mArea.data(), &PlayAreaManager::positionChanged);
    QSignalSpy muted(mArea.data(), &PlayAreaManager::mutedChanged);
    mArea->play();
    QTRY_COMPARE_WITH_TIMEOUT(rear->state(), QMediaPlayer::PlayingState, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PlayingState, 30000);
    QVERIFY(rear->isMuted() && !mainPlayer()->isMuted() && muted.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!durations.isEmpty() && qAbs(durations.last().first().toLongLong() - 60000) < 1000, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(positions.size() >= 2, 30000);
    for (const QList<QVariant> &report : qAsConst(positions))
        QVERIFY(report.at(0).toLongLong() <= 60 && report.at(1).toInt() == mFront->id);
    mArea->setMuted(true);
    mArea->setMuted(false);
    QVERIFY(rear->isMuted() && !mainPlayer()->isMuted());
    mArea->setPlaybackRate(2.0);
    mArea->setVolume(20);
    QVERIFY(rear->playbackRate() == 2.0 && rear->volume() == 20);

    // A released seek slider resumes both players at its position, also when
    // they were paused before the press; a press pauses them.
    mArea->pause();
    QTRY_COMPARE_WITH_TIMEOUT(rear->state(), QMediaPlayer::PausedState, 30000);
    mArea->onSliderStatusChanged(true, 0);
    mArea->onSliderStatusChanged(false, 25);
    for (QMediaPlayer *player : {mainPlayer(), rear}) {
        QTRY_COMPARE_WITH_TIMEOUT(player->state(), QMediaPlayer::PlayingState, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(player->position() >= 25000, 30000);
    }
    mArea->onSliderStatusChanged(true, 25);
    QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PausedState, 30000);
    mArea->seek(42);
    QTRY_COMPARE_WITH_TIMEOUT(positions.last().at(0).toLongLong(), qint64(42), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(rear->position() / 1000, qint64(42), 30000);

    mArea->screenshot();
    QTRY_VERIFY_WITH_TIMEOUT(!mArea->mainPlayer()->captureThread() && !mArea->secondPlayer()->captureThread(), 120000);
    const QStringList shots = screenshotsIn(mShots->path()); // F sorts before R
    QCOMPARE(shots.size(), 2);
    QCOMPARE(jpegSize(mShots->filePath(shots.at(0))), QSize(1280, 720));
    QCOMPARE(jpegSize(mShots->filePath(shots.at(1))), QSize(640, 360));
}

// The rear player goes while its capture runs: the running ffmpeg is
// stopped, the waiting request dropped, and nothing is left behind.
void TestPlayer::leavingTwoPlayerModeDuringCaptureIsClean()
{
    FakeFfmpeg fake(600);
    if (!loadRecording())
        QSKIP("demo recordings not built");
    mArea->setPlayMode(2);
    QPointer<PlayerWidget> second = mArea->secondPlayer();
    mArea->setPlayMode(2); // already there: still one second player
    QCOMPARE(mArea->secondPlayer(), second.data());
    mArea->setMedia(mFront, mRear);
    mArea->play();
    QTRY_COMPARE_WITH_TIMEOUT(second->player()->state(), QMediaPlayer::PlayingState, 30000);
    second->screenshot(1000);
    second->screenshot(2000);
    QPointer<CaptureThread> worker = second->captureThread();
    QTRY_COMPARE_WITH_TIMEOUT(fake.runs().size(), 1, 30000);
    mArea->setPlayMode(1);
    mArea->setPlayMode(3); // unknown modes change nothing
    QVERIFY(!mArea->secondPlayer());
    QCOMPARE(playerCount(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(second.isNull(), 30000);
    QVERIFY(worker.isNull());
    const QStringList runs = fake.runs();
    QCOMPARE(runs.size(), 1);
    QVERIFY(!FakeFfmpeg::isRunning(runs.first()));
}

void TestPlayer::keys_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("handedOver");
    QTest::addColumn<bool>("reachesArea");
    QTest::addColumn<bool>("fullScreenAfter");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("Escape in place goes on") << false << Qt::Key_Escape << none << false << true << false;
    QTest::newRow("Alt+Return stays in place") << false << Qt::Key_Return << alt << false << true << false;
    QTest::newRow("keypad Enter without Alt") << false << Qt::Key_Enter << keypad << false << true << false;
    QTest::newRow("Alt+keypad Enter") << false << Qt::Key_Enter << (alt | keypad) << false << false << true;
    QTest::newRow("Escape leaves full screen") << true << Qt::Key_Escape << none << false << false << false;
    QTest::newRow("Left handed over") << true << Qt::Key_Left << none << true << false << true;
    QTest::newRow("Right handed over") << true << Qt::Key_Right << none << true << false << true;
    QTest::newRow("Space handed over") << true << Qt::Key_Space << none << true << false << true;
    QTest::newRow("other keys swallowed") << true << Qt::Key_A << none << false << false << true;
}

// Either player of the area, in place or in full screen (a double click
// switches); keys handed over leave through the play area's signal.
void TestPlayer::keys()
{
    QFETCH(bool, fullScreen);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, handedOver);
    mArea->setPlayMode(2);
    KeyRecorder reaching;
    mArea->installEventFilter(&reaching);
    QList<int> handed;
    connect(mArea.data(), &PlayAreaManager::keyPressSignals, this, [&](QKeyEvent *event) { handed << event->key(); });
    for (PlayerWidget *widget : {mArea->mainPlayer(), mArea->secondPlayer()}) {
        if (fullScreen)
            QTest::mouseDClick(widget, Qt::LeftButton);
        QCOMPARE(widget->isFullScreen(), fullScreen);
        handed.clear();
        reaching.keys.clear();
        QTest::keyClick(widget, key, modifiers);
        QCOMPARE(handed, handedOver ? QList<int>{key} : QList<int>());
        QTEST(reaching.keys.contains(key), "reachesArea");
        QTEST(widget->isFullScreen(), "fullScreenAfter");
        widget->setFullScreen(false);
    }
}

void TestPlayer::drops_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("accepted");
    QTest::newRow("videos in order, any case") << QStringList{"a.MP4", "b.avi", "c.MoV"}
                                               << QStringList{"a.MP4", "b.avi", "c.MoV"};
    QTest::newRow("other type refused") << QStringList{"c.mkv"} << QStringList{};
    QTest::newRow("folder refused") << QStringList{"folder.mp4/"} << QStringList{};
    QTest::newRow("mixed keeps videos") << QStringList{"c.mkv", "d.mp4"} << QStringList{"d.mp4"};
}

void TestPlayer::drops()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, accepted);
    QTemporaryDir dir;
    QList<QUrl> urls;
    for (const QString &name : names) {
        QFile file(dir.filePath(name));
        QVERIFY(name.endsWith(QLatin1Char('/')) ? QDir(dir.path()).mkdir(name) : file.open(QIODevice::WriteOnly));
        urls << QUrl::fromLocalFile(dir.filePath(name));
    }
    QMimeData data;
    data.setUrls(urls);
    QSignalSpy dropped(mArea.data(), &PlayAreaManager::dropFile);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(mArea.data(), &enter);
    QCOMPARE(enter.isAccepted(), !accepted.isEmpty());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(mArea.data(), &drop);
    QStringList emitted, expected;
    for (const QList<QVariant> &signal : qAsConst(dropped))
        emitted << signal.first().toString();
    for (const QString &name : accepted)
        expected << QUrl::fromLocalFile(dir.filePath(name)).toString();
    QCOMPARE(emitted, expected);
}

QTEST_MAIN(TestPlayer)
#include "tst_player.moc"
