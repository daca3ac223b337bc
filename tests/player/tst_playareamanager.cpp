#include "CaptureThread.h"
#include "PlayAreaManager.h"
#include "PlayerTestSupport.h"
#include "PlayerWidget.h"
#include "PlaylistModel.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace PlayerTestSupport;

// The play area with the demo recording's front and rear files: one and two
// players, what it reports, seeking, screenshots and drops.
class TestPlayAreaManager : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nothingHappensBeforeALoad();
    void reportsTheMainPlayer();
    void twoPlayersPlayTogetherWithTheRearMuted();
    void leavingTwoPlayerModeLeavesOnePlayer();
    void seekSliderPausesAndResumes();
    void screenshotCapturesBothPlayers();
    void secondPlayerWithoutRowStaysEmpty();
    void keyPressesOfBothPlayersAreHandedOn();
    void drops_data();
    void drops();

private:
    // Adds rear then front, so the front row's id is not 0.
    bool loadRecording();
    int playerCount() const;

    QScopedPointer<QTemporaryDir> mShots;
    QScopedPointer<PlaylistModel> mModel;
    QScopedPointer<PlayAreaManager> mArea;
    PlaylistRow *mFront = nullptr;
    PlaylistRow *mRear = nullptr;
};

void TestPlayAreaManager::init()
{
    mShots.reset(new QTemporaryDir);
    useScreenshotFolder(mShots->path());
    mModel.reset(new PlaylistModel);
    mArea.reset(new PlayAreaManager);
    mArea->resize(640, 180);
    mArea->show();
    QVERIFY(QTest::qWaitForWindowExposed(mArea.data()));
}

void TestPlayAreaManager::cleanup()
{
    mArea.reset();
    mModel.reset();
    mFront = mRear = nullptr;
}

bool TestPlayAreaManager::loadRecording()
{
    const QString front = demoFile(QStringLiteral("20261206_101500F.MP4"));
    const QString rear = demoFile(QStringLiteral("20261206_101500R.MP4"));
    if (front.isEmpty() || rear.isEmpty())
        return false;
    mRear = mModel->rowAt(mModel->addFile(QUrl::fromLocalFile(rear)));
    mFront = mModel->rowAt(mModel->addFile(QUrl::fromLocalFile(front)));
    return mFront && mRear;
}

int TestPlayAreaManager::playerCount() const
{
    return mArea->findChild<QWidget *>(QStringLiteral("wgtbackWidget"))->layout()->count();
}

void TestPlayAreaManager::nothingHappensBeforeALoad()
{
    QCOMPARE(mArea->mainRowId(), -1);
    mArea->screenshot();
    QVERIFY(!mArea->mainPlayer()->captureThread());
    QCOMPARE(playerCount(), 1);
}

void TestPlayAreaManager::reportsTheMainPlayer()
{
    if (!loadRecording())
        QSKIP("demo recordings not built");
    QSignalSpy states(mArea.data(), &PlayAreaManager::stateChanged);
    QSignalSpy durations(mArea.data(), &PlayAreaManager::durationChanged);
    QSignalSpy positions(mArea.data(), &PlayAreaManager::positionChanged);
    QSignalSpy volumes(mArea.data(), &PlayAreaManager::volumeChanged);

    mArea->setPlayMode(1);
    mArea->setMedia(mFront, nullptr);
    QCOMPARE(mArea->mainRowId(), mFront->id);
    QCOMPARE(mArea->media().request().url(), mFront->url);
    mArea->play();
    QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PlayingState, 30000);
    QCOMPARE(states.first().first().value<QMediaPlayer::State>(), QMediaPlayer::PlayingState);
    QTRY_VERIFY_WITH_TIMEOUT(!durations.isEmpty() && durations.last().first().toLongLong() > 59000, 30000);
    QVERIFY(durations.last().first().toLongLong() < 61000);

    QTRY_VERIFY_WITH_TIMEOUT(positions.size() >= 2, 30000);
    qint64 previous = 0;
    for (const QList<QVariant> &report : qAsConst(positions)) {
        QCOMPARE(report.at(1).toInt(), mFront->id);
        const qint64 second = report.at(0).toLongLong();
        QVERIFY(second >= previous && second <= 60);
        previous = second;
    }

    mArea->pause();
    QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PausedState, 30000);
    mArea->seek(42);
    QTRY_COMPARE_WITH_TIMEOUT(positions.last().at(0).toLongLong(), qint64(42), 30000);
    mArea->play();
    QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PlayingState, 30000);

    mArea->setVolume(35);
    QCOMPARE(mArea->volume(), 35);
    QCOMPARE(volumes.last().first().toInt(), 35);
}

void TestPlayAreaManager::twoPlayersPlayTogetherWithTheRearMuted()
{
    if (!loadRecording())
        QSKIP("demo recordings not built");
    QCOMPARE(mModel->companionRow(mFront), mRear);
    mArea->setPlayMode(2);
    QVERIFY(mArea->secondPlayer());
    QCOMPARE(playerCount(), 2);
    mArea->setMedia(mFront, mRear);
    QMediaPlayer *front = mArea->mainPlayer()->player();
    QMediaPlayer *rear = mArea->secondPlayer()->player();
    QCOMPARE(rear->media().request().url(), mRear->url);

    QSignalSpy muted(mArea.data(), &PlayAreaManager::mutedChanged);
    mArea->play();
    QTRY_COMPARE_WITH_TIMEOUT(rear->state(), QMediaPlayer::PlayingState, 30000);
    QVERIFY(rear->isMuted());
    QVERIFY(!front->isMuted());
    QVERIFY(muted.isEmpty()); // the rear player's mute is not the play area's

    mArea->setMuted(true);
    QVERIFY(front->isMuted());
    mArea->setMuted(false);
    QVERIFY(!front->isMuted());
    QVERIFY(rear->isMuted());

    mArea->setPlaybackRate(2.0);
    QCOMPARE(rear->playbackRate(), 2.0);
    mArea->setVolume(20);
    QCOMPARE(rear->volume(), 20);

    mArea->pause();
    QTRY_COMPARE_WITH_TIMEOUT(rear->state(), QMediaPlayer::PausedState, 30000);
    mArea->seek(10);
    QTRY_COMPARE_WITH_TIMEOUT(front->position() / 1000, qint64(10), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(rear->position() / 1000, qint64(10), 30000);
}

void TestPlayAreaManager::leavingTwoPlayerModeLeavesOnePlayer()
{
    mArea->setPlayMode(2);
    QPointer<PlayerWidget> second = mArea->secondPlayer();
    QVERIFY(second);
    mArea->setPlayMode(2); // already there: still one second player
    QCOMPARE(mArea->secondPlayer(), second.data());
    QCOMPARE(playerCount(), 2);

    mArea->setPlayMode(1);
    QVERIFY(!mArea->secondPlayer());
    QCOMPARE(playerCount(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(second.isNull(), 30000);
    QCOMPARE(mArea->findChildren<PlayerWidget *>().size(), 1);

    mArea->setPlayMode(3); // unknown modes change nothing
    QCOMPARE(playerCount(), 1);
}

void TestPlayAreaManager::seekSliderPausesAndResumes()
{
    if (!loadRecording())
        QSKIP("demo recordings not built");
    mArea->setPlayMode(2);
    mArea->setMedia(mFront, mRear);
    mArea->pause(); // released sliders resume even when paused before the press
    QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PausedState, 30000);

    mArea->onSliderStatusChanged(true, 0);
    QCOMPARE(mArea->state(), QMediaPlayer::PausedState);
    mArea->onSliderStatusChanged(false, 25);
    for (PlayerWidget *widget : {mArea->mainPlayer(), mArea->secondPlayer()}) {
        QMediaPlayer *player = widget->player();
        QTRY_COMPARE_WITH_TIMEOUT(player->state(), QMediaPlayer::PlayingState, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(player->position() >= 25000, 30000);
    }

    mArea->onSliderStatusChanged(true, 25);
    QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PausedState, 30000);
}

void TestPlayAreaManager::screenshotCapturesBothPlayers()
{
    if (!loadRecording())
        QSKIP("demo recordings not built");
    mArea->setPlayMode(2);
    mArea->setMedia(mFront, mRear);
    mArea->play();
    QTRY_COMPARE_WITH_TIMEOUT(mArea->secondPlayer()->player()->state(), QMediaPlayer::PlayingState, 30000);

    mArea->screenshot();
    QTRY_VERIFY_WITH_TIMEOUT(!mArea->mainPlayer()->captureThread(), 120000);
    QTRY_VERIFY_WITH_TIMEOUT(!mArea->secondPlayer()->captureThread(), 120000);
    const QStringList shots = screenshotsIn(mShots->path());
    QCOMPARE(shots.size(), 2);
    // Sorted by name: F before R.
    QVERIFY(shots.at(0).startsWith(QStringLiteral("ScreenShot_20261206_101500F__")));
    QVERIFY(shots.at(1).startsWith(QStringLiteral("ScreenShot_20261206_101500R__")));
    QCOMPARE(jpegSize(mShots->filePath(shots.at(0))), QSize(1280, 720));
    QCOMPARE(jpegSize(mShots->filePath(shots.at(1))), QSize(640, 360));
}

void TestPlayAreaManager::secondPlayerWithoutRowStaysEmpty()
{
    if (!loadRecording())
        QSKIP("demo recordings not built");
    mArea->setPlayMode(2);
    mArea->setMedia(mRear, mFront);
    mArea->setMedia(mFront, nullptr); // a caller's slip must not crash the area
    QVERIFY(mArea->secondPlayer()->player()->media().isNull());
    mArea->play();
    QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PlayingState, 30000);
    mArea->screenshot();
    QVERIFY(!mArea->secondPlayer()->captureThread());
    QTRY_VERIFY_WITH_TIMEOUT(!mArea->mainPlayer()->captureThread(), 120000);
    QCOMPARE(screenshotsIn(mShots->path()).size(), 1);
}

void TestPlayAreaManager::keyPressesOfBothPlayersAreHandedOn()
{
    mArea->setPlayMode(2);
    QList<int> handed;
    connect(mArea.data(), &PlayAreaManager::keyPressSignals, this,
            [&](QKeyEvent *event) { handed << event->key(); });
    for (PlayerWidget *widget : {mArea->mainPlayer(), mArea->secondPlayer()}) {
        widget->setFullScreen(true);
        QTest::keyClick(widget, Qt::Key_Space);
        widget->setFullScreen(false);
    }
    QCOMPARE(handed, (QList<int>{Qt::Key_Space, Qt::Key_Space}));
}

void TestPlayAreaManager::drops_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("accepted");
    QTest::newRow("two videos in order") << QStringList{"a.MP4", "b.avi"} << QStringList{"a.MP4", "b.avi"};
    QTest::newRow("mov, any case") << QStringList{"c.MoV"} << QStringList{"c.MoV"};
    QTest::newRow("other type refused") << QStringList{"c.mkv"} << QStringList{};
    QTest::newRow("folder refused") << QStringList{"folder.mp4/"} << QStringList{};
    QTest::newRow("mixed keeps videos") << QStringList{"c.mkv", "d.mp4"} << QStringList{"d.mp4"};
    QTest::newRow("no dot needed") << QStringList{"clipmp4"} << QStringList{"clipmp4"};
}

void TestPlayAreaManager::drops()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, accepted);
    QTemporaryDir dir;
    QList<QUrl> urls;
    for (const QString &name : names) {
        if (name.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir(dir.path()).mkdir(name));
        } else {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        urls << QUrl::fromLocalFile(dir.filePath(name));
    }
    QMimeData data;
    data.setUrls(urls);
    QSignalSpy dropped(mArea.data(), &PlayAreaManager::dropFile);

    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(mArea.data(), &enter);
    QCOMPARE(enter.isAccepted(), !accepted.isEmpty());

    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(mArea.data(), &drop);
    QStringList expected;
    for (const QString &name : accepted)
        expected << QUrl::fromLocalFile(dir.filePath(name)).toString();
    QStringList emitted;
    for (const QList<QVariant> &signal : qAsConst(dropped))
        emitted << signal.first().toString();
    QCOMPARE(emitted, expected);
}

QTEST_MAIN(TestPlayAreaManager)
#include "tst_playareamanager.moc"
