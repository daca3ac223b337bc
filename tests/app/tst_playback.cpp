#include "Configuration.h"
#include "ImageResources.h"
#include "LanguageList.h"
#include "MapWebView.h"
#include "PlayerWidget.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"
#include "WindowSuite.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>

namespace {

// Keys and clicks through the X server, as a user's: Qt routes them to
// whatever has the focus.
bool pressKey(const QString &key) { return QProcess::execute(QStringLiteral("xdotool"), {"key", key}) == 0; }
bool clickAt(const QPoint &at)
{
    return QProcess::execute(QStringLiteral("xdotool"), {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"}) == 0;
}

} // namespace

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
                                 "20261206_101700F.MP4", "clip_001_A.MP4", "clip_002_A.MP4", "clip_003_A.MP4"})
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
    void endOfClipPlaysTheNextRecording_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("played"); // main row:companion row, in order
        QTest::newRow("one camera's clips") << QStringList{"clip_001_A.MP4", "clip_002_A.MP4", "clip_003_A.MP4"}
                                            << QStringList{"0:-1", "1:-1", "2:-1"};
        QTest::newRow("front and rear, a front alone last")
            << QStringList{"20261206_101500F.MP4", "20261206_101500R.MP4", "20261206_101600F.MP4", "20261206_101600R.MP4", "20261206_101700F.MP4"}
            << QStringList{"0:1", "2:3", "4:-1"};
    }
    void endOfClipPlaysTheNextRecording()
    {
        QFETCH(QStringList, files);
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
        QFETCH(QStringList, played);
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

    // The demo's two drives are two trips of two clips each. A trip plays
    // through its clips without the views starting afresh, then the next
    // trip starts; Page Up goes back a clip, ] to the next G-sensor event.
    void tripPlaysThroughItsClips()
    {
        const QStringList names{"20261206_111600F.MP4", "20261206_101500R.MP4", "20261206_111500F.MP4", "20261206_101600F.MP4",
                                "20261206_101500F.MP4", "20261206_111600R.MP4", "20261206_101600R.MP4", "20261206_111500R.MP4"};
        auto *model = qobject_cast<PlaylistModel *>(child<QTableView>("tbl_PlayListView")->model());
        QVERIFY(model);
        QStringList started;
        connect(playback(), &PlaybackController::rowStarted, this, [&](int row, int, bool continuesTrip) {
            const bool cleared = text("lbl_LongitudeAndLatitude") == QLatin1String("00.000000,000.000000");
            started << model->rowAt(row)->fileName + (continuesTrip ? " goes on" : " afresh")
                           + (cleared ? ", position cleared" : ", position kept");
        });
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << demoUrl(name);
        mWindow->openFiles(urls);
        QTRY_VERIFY_WITH_TIMEOUT(model->trips().size() == 2 && model->trips().at(0).clips.size() == 2, 30000);
        const Trip first = model->trips().at(0);
        QCOMPARE(model->rowAt(model->rowOfClip(0, 0))->fileName, QStringLiteral("20261206_101500F.MP4"));
        playback()->seekInTrip(0, 30);
        QVERIFY(waitUntilPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(text("lbl_LongitudeAndLatitude").startsWith(QLatin1String("N40.")), 15000);
        QCOMPARE(playedUrl().fileName(), QStringLiteral("20261206_101500F.MP4"));
        started.clear();
        // Near the end of each clip, and on through the trip's end.
        for (int clip = 0; clip < 2; ++clip) {
            playback()->seekInTrip(0, first.clips[clip].offsetSeconds + first.clips[clip].durationSeconds - 2);
            QTRY_COMPARE_WITH_TIMEOUT(started.size(), clip + 1, 20000);
            QVERIFY(waitUntilPlaying());
        }
        QCOMPARE(started, (QStringList{"20261206_101600F.MP4 goes on, position kept", "20261206_111500F.MP4 afresh, position cleared"}));
        QCOMPARE(playback()->currentTrip(), 1);
        QCOMPARE(area()->secondPlayer()->player()->media().request().url().fileName(), QStringLiteral("20261206_111500R.MP4"));
        // The keys of the window, wherever the focus is.
        QVERIFY(pressKey("Prior"));
        QTRY_COMPARE(playedUrl().fileName(), QStringLiteral("20261206_101600F.MP4"));
        QCOMPARE(playback()->currentTrip(), 0);
        // The drive brakes hard: the first event of the trip, from its start.
        QVERIFY(!first.events.isEmpty());
        int firstEvent = INT_MAX;
        for (const TelemetryEvent &event : first.events)
            firstEvent = qMin(firstEvent, first.clips[event.clip].offsetSeconds + event.second);
        playback()->seekInTrip(0, 0);
        QTRY_COMPARE(playedUrl().fileName(), QStringLiteral("20261206_101500F.MP4"));
        QVERIFY(waitUntilPlaying());
        QVERIFY(pressKey("bracketright"));
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(playback()->currentTripSecond() - firstEvent) <= 1, 10000);
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
        QTest::newRow("rate box") << "fcbox_Rate" << false << true;
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
        QTRY_VERIFY_WITH_TIMEOUT(child<MapWebView>("wgt_MapView")->page()->url().isValid(), 10000);
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

    // A new file's telemetry texts show nothing of the file before: idle at its start, then "No GPS" for a
    // file without samples, even as late samples of the file before arrive.
    void telemetryTextsStartAfresh()
    {
        const char *labels[] = {"lbl_GpsDateTime", "pBtn_SP", "lbl_LongitudeAndLatitude"};
        mWindow->openFiles({demoUrl("20261206_101500F.MP4")});
        QVERIFY(waitUntilPlaying());
        playback()->seek(20); // where the car moves
        QTRY_VERIFY_WITH_TIMEOUT(text("pBtn_SP") != QLatin1String("000 km/h"), 15000);
        QStringList before, atStart;
        for (const char *label : labels)
            before << text(label);
        connect(playback(), &PlaybackController::rowStarted, this, [&] {
            for (const char *label : labels)
                atStart << text(label);
        });
        mWindow->openFiles({clip("clip_001_A.MP4")});
        QTRY_COMPARE(atStart.size(), 3);
        for (int label = 0; label < 3; ++label)
            QVERIFY2(atStart[label] != before[label], labels[label]);
        QTRY_COMPARE(text("lbl_LongitudeAndLatitude"), QStringLiteral("No GPS"));
        QTest::qWait(1500);
        QCOMPARE(text("lbl_LongitudeAndLatitude"), QStringLiteral("No GPS"));
        QCOMPARE(text("pBtn_SP"), QStringLiteral("000 km/h"));
    }
};

VANTREL_WINDOW_TEST_MAIN(TestPlayback)
#include "tst_playback.moc"
