#include "Configuration.h"
#include "ImageResources.h"
#include "LanguageList.h"
#include "PlayerWidget.h"
#include "WindowSuite.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>

// The real window on an X server: the end of a clip, stepping between
// recordings, the playback keys wherever the focus is, and the telemetry
// texts of each new file.
class TestPlayback : public WindowSuite
{
    Q_OBJECT
    QUrl clip(const QString &name) const { return QUrl::fromLocalFile(mClips.filePath(name)); }
    QTemporaryDir mClips;

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(demoUrl("20261206_101500F.MP4").toLocalFile()))
            QSKIP("demo recordings not built");
        ImageResources::initialise();
        // Three-second clips without telemetry, named as cards name them.
        const QString first = mClips.filePath("first.MP4");
        QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=3:size=320x180:rate=25",
                                              "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", first}), 0);
        for (const char *name : {"20261206_101500F.MP4", "20261206_101500R.MP4", "20261206_101600F.MP4", "20261206_101600R.MP4",
                                 "20261206_101700F.MP4", "clip_001_A.MP4"})
            QVERIFY(QFile::copy(first, mClips.filePath(name)));
    }

    void init()
    {
        Configuration::instance()->setLanguage(LanguageList::english);
        QVERIFY(showWindow());
    }

    void cleanup() { mWindow.reset(); }

    // At the end of each clip the next recording plays from its start with
    // its other camera's file beside it; after the last one nothing plays on
    // and the play time and the slider both stand at the start.
    void endOfClipPlaysTheNextRecording()
    {
        QStringList files{"20261206_101500F.MP4", "20261206_101500R.MP4", "20261206_101600F.MP4", "20261206_101600R.MP4", "20261206_101700F.MP4"};
        const QStringList played{"0:1", "2:3", "4:-1"}; // main row:companion row, in order
        QStringList started, seenPlaying;
        connect(playback(), &PlaybackController::rowStarted, this,
                [&](int row, int companion) { started << QStringLiteral("%1:%2").arg(row).arg(companion); });
        // A file counts as played once its player has run past its first second.
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            QList<PlayerWidget *> players{area()->mainPlayer(), area()->secondPlayer()};
            for (PlayerWidget *widget : players) {
                const QMediaPlayer *player = widget ? widget->player() : nullptr;
                const QString name = player ? player->media().request().url().fileName() : QString();
                if (player && player->state() == QMediaPlayer::PlayingState && player->position() > 1200 && !seenPlaying.contains(name))
                    seenPlaying << name;
            }
        });
        watch.start(50);
        QList<QUrl> urls;
        for (const QString &name : files)
            urls << clip(name);
        mWindow->openFiles(urls);
        QTRY_VERIFY_WITH_TIMEOUT(started.size() == played.size() && playback()->state() == QMediaPlayer::StoppedState, 60000);
        QCOMPARE(started, played);
        seenPlaying.sort();
        files.sort();
        QCOMPARE(seenPlaying, files);
        // Nothing goes on playing while the window says stopped.
        QTest::qWait(500);
        PlayerWidget *second = area()->secondPlayer();
        QCOMPARE(area()->mainPlayer()->player()->state(), QMediaPlayer::StoppedState);
        QVERIFY(!second || second->player()->state() == QMediaPlayer::StoppedState);
        QCOMPARE(text("lbl_PlayTime"), QStringLiteral("00:00/00:03"));
        QCOMPARE(child<QSlider>("hSlider_Seek")->value(), 0);
    }

    // Space, Left, Right and Alt+Enter reach playback wherever the focus is in
    // the window, but not while the user types in a text field or a dialog is
    // open. Keys and clicks go through the X server, as a user's do.
    void keysWhereverTheFocusIs_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("windowManager");
        QTest::addColumn<bool>("playbackKeys"); // whether the keys reach playback
        QTest::newRow("table") << "tbl_PlayListView" << false << true;
        QTest::newRow("video") << "wgt_PlayArea" << false << true;
        QTest::newRow("map, under openbox") << "wgt_MapView" << true << true;
        QTest::newRow("text field") << "text field" << false << false;
        QTest::newRow("dialog") << "dialog" << false << false;
    }
    void keysWhereverTheFocusIs()
    {
        QFETCH(QString, target);
        QFETCH(bool, windowManager);
        QFETCH(bool, playbackKeys);
        QScopedPointer<WindowManager> manager;
        if (windowManager) {
            manager.reset(new WindowManager);
            QVERIFY2(manager->running, "openbox did not start");
            QVERIFY(showWindow());
        }
        mWindow->openFiles({demoUrl("20261206_101600F.MP4")});
        QVERIFY(waitUntilPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(map()->page()->url().isValid(), 10000);
        QScopedPointer<QWidget> extra; // a text field in the window, or a modal dialog over it
        if (target == QLatin1String("text field"))
            extra.reset(new QLineEdit(mWindow.data()));
        else if (target == QLatin1String("dialog"))
            extra.reset(new QDialog(mWindow.data(), Qt::Dialog));
        QWidget *clicked = extra ? extra.data() : mWindow->findChild<QWidget *>(target);
        QVERIFY(clicked);
        if (extra) {
            extra->setWindowModality(Qt::ApplicationModal);
            extra->setGeometry(60, 50, 300, 100);
            extra->show();
            extra->activateWindow();
            QVERIFY(QTest::qWaitForWindowExposed(extra.data()) && QTest::qWaitForWindowActive(extra.data()));
        }
        QVERIFY(clickAt(clicked->mapToGlobal(clicked->rect().center())));
        QTRY_VERIFY(QApplication::focusWidget() || QApplication::activeWindow());
        QTRY_COMPARE(playback()->state(), QMediaPlayer::PlayingState); // a click on the video changes nothing

        const QMediaPlayer::State paused = playbackKeys ? QMediaPlayer::PausedState : QMediaPlayer::PlayingState;
        QVERIFY(pressKey("space"));
        QTest::qWait(300);
        QTRY_COMPARE(playback()->state(), paused);
        QTest::qWait(300);
        const int second = playback()->position();
        QVERIFY(pressKey("Right") && pressKey("Right"));
        QTRY_COMPARE(playback()->position() - second, playbackKeys ? 2 : 0);
        QVERIFY(pressKey("Left"));
        QTRY_COMPARE(playback()->position() - second, playbackKeys ? 1 : 0);
        QVERIFY(pressKey("space"));
        QTRY_COMPARE(playback()->state(), QMediaPlayer::PlayingState);
        PlayerWidget *video = area()->mainPlayer();
        QVERIFY(pressKey("alt+Return"));
        QTRY_COMPARE(video->isFullScreen(), playbackKeys);
        QTest::qWait(300);
        QVERIFY(pressKey("KP_Enter")); // from the full-screen video, or from the window
        QTRY_VERIFY(!video->isFullScreen());
        if (!playbackKeys)
            return;
        // Stopped: the play time and the slider agree.
        QTest::mouseClick(child<QPushButton>("btn_Stop"), Qt::LeftButton);
        QTest::qWait(500);
        QCOMPARE(text("lbl_PlayTime"), QStringLiteral("00:00/01:00"));
        QCOMPARE(child<QSlider>("hSlider_Seek")->value(), 0);
    }

    // A file without samples says "No GPS" and shows no speed of the file
    // before, also once late samples of that file have had time to arrive.
    // (Texts cleared at a new file's start: tst_tripviews.)
    void fileWithoutTelemetrySaysSo()
    {
        mWindow->openFiles({demoUrl("20261206_101500F.MP4")});
        QVERIFY(waitUntilPlaying());
        playback()->seek(20); // where the car moves
        QTRY_VERIFY_WITH_TIMEOUT(text("pBtn_SP") != QLatin1String("000 km/h"), 15000);
        mWindow->openFiles({clip("clip_001_A.MP4")});
        QTRY_COMPARE(text("lbl_LongitudeAndLatitude"), QStringLiteral("No GPS"));
        QTest::qWait(1500);
        QCOMPARE(text("lbl_LongitudeAndLatitude"), QStringLiteral("No GPS"));
        QCOMPARE(text("pBtn_SP"), QStringLiteral("000 km/h"));
    }
};

VANTREL_WINDOW_TEST_MAIN(TestPlayback)
#include "tst_playback.moc"
