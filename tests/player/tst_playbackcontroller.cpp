#include "PlaybackController.h"
#include "PlaybackOutput.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"

#include <QtTest>

#include <functional>

namespace {

// Players that only write down what they are told. `reporting` is set while
// the test delivers a player's report: a real player is still inside its own
// handling then, and a file loaded from there is lost.
struct FakeOutput : PlaybackOutput
{
    void setPlayMode(int mode) override { calls << QStringLiteral("mode %1").arg(mode); }
    void load(int rowId, const QUrl &mainUrl, int, const QUrl &secondUrl) override
    {
        calls << QStringLiteral("load %1 %2 %3").arg(rowId).arg(mainUrl.fileName(), secondUrl.fileName()).trimmed();
        loadedWhileReporting |= reporting;
    }
    void play() override { calls << QStringLiteral("play"); }
    void pause() override { calls << QStringLiteral("pause"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void seek(int seconds) override { calls << QStringLiteral("seek %1").arg(seconds); }

    QStringList calls;
    bool reporting = false;
    bool loadedWhileReporting = false;
};

const QStringList recordings{"20261206_101500F.MP4", "20261206_101500R.MP4", "20261206_101600F.MP4",
                             "20261206_101600R.MP4", "20261206_101700F.MP4"};

} // namespace

class TestPlaybackController : public QObject
{
    Q_OBJECT
    QTemporaryDir mDir;
    QScopedPointer<PlaylistModel> mModel;
    FakeOutput mOutput;
    QScopedPointer<PlaybackController> mPlayback;

    // The main player's reports, written as "state stopped", "end", "position 60",
    // "duration 60", or "turn" for the event loop to run once in between.
    void report(const QString &what)
    {
        const QStringList words = what.split(' ');
        mOutput.reporting = true;
        if (what == QLatin1String("state stopped"))
            mPlayback->onPlayerStateChanged(QMediaPlayer::StoppedState);
        else if (what == QLatin1String("state playing"))
            mPlayback->onPlayerStateChanged(QMediaPlayer::PlayingState);
        else if (what == QLatin1String("end"))
            mPlayback->onMediaStatusChanged(QMediaPlayer::EndOfMedia);
        else if (words[0] == QLatin1String("position"))
            mPlayback->onPositionChanged(words[1].toInt(), mPlayback->currentRow());
        else if (words[0] == QLatin1String("duration"))
            mPlayback->onDurationChanged(words[1].toInt() * 1000);
        mOutput.reporting = false;
        if (what == QLatin1String("turn"))
            QCoreApplication::processEvents();
    }
    void reports(const QStringList &list)
    {
        for (const QString &what : list)
            report(what);
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        mModel.reset(new PlaylistModel);
        for (const QString &name : recordings) // the files need not exist
            mModel->addFile(QUrl::fromLocalFile(mDir.filePath(name)));
        mPlayback.reset(new PlaybackController(mModel.data(), &mOutput));
        mOutput = FakeOutput();
    }

    // However the player reports the end of a file, the next recording plays
    // from its start, once, and never from inside the player's own report.
    void endOfFile_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("playing"); // -1: stopped
        QTest::addColumn<int>("stops");   // times the window is told playback stopped
        const QStringList next{"load 2 20261206_101600F.MP4 20261206_101600R.MP4", "play"};
        QTest::newRow("position, state, end") << 0 << QStringList{"position 60", "state stopped", "end"} << next << 2 << 0;
        QTest::newRow("end, state, position") << 0 << QStringList{"end", "state stopped", "position 0"} << next << 2 << 0;
        QTest::newRow("state, end") << 0 << QStringList{"state stopped", "end"} << next << 2 << 0;
        QTest::newRow("end without a state") << 0 << QStringList{"end"} << next << 2 << 0;
        QTest::newRow("end a turn after the state") << 0 << QStringList{"state stopped", "turn", "end"} << (QStringList{"stop"} + next) << 2 << 1;
        // The last one comes after the next file was loaded and before it played.
        QTest::newRow("end twice, and late") << 0 << QStringList{"end", "state stopped", "end", "turn", "end"} << next << 2 << 0;
        QTest::newRow("rear played, front beside") << 1 << QStringList{"position 60", "end", "state stopped"} << next << 2 << 0;
        QTest::newRow("last file") << 4 << QStringList{"position 60", "state stopped", "end"} << QStringList{"stop"} << -1 << 1;
    }
    void endOfFile()
    {
        QFETCH(int, row);
        QFETCH(int, playing);
        report("duration 60");
        mPlayback->playRow(row);
        report("state playing");
        mOutput.calls.clear();
        QSignalSpy started(mPlayback.data(), &PlaybackController::rowStarted);
        QSignalSpy stopped(mPlayback.data(), &PlaybackController::stopped);
        QSignalSpy positions(mPlayback.data(), &PlaybackController::positionChanged);
        QFETCH(QStringList, reports);
        this->reports(reports);
        QTEST(mOutput.calls, "calls");
        QVERIFY(!mOutput.loadedWhileReporting);
        QCOMPARE(started.count(), playing >= 0 ? 1 : 0);
        QTEST(int(stopped.count()), "stops");
        QCOMPARE(mPlayback->state(), playing >= 0 ? QMediaPlayer::PlayingState : QMediaPlayer::StoppedState);
        if (playing >= 0)
            QCOMPARE(mPlayback->currentRow(), playing);
        // The play time and the slider end at the start, also after the last file.
        QVERIFY(!positions.isEmpty());
        QCOMPARE(positions.last().at(0).toInt(), 0);
    }

    // A player that stops without reaching the end stops the one beside it
    // too, and the window says so.
    void playerFailureStopsBoth()
    {
        mPlayback->playRow(0);
        mOutput.calls.clear();
        QSignalSpy stopped(mPlayback.data(), &PlaybackController::stopped);
        reports({"position 12", "state stopped"});
        QCOMPARE(mOutput.calls, QStringList{"stop"});
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(mPlayback->state(), QMediaPlayer::StoppedState);
    }

    // After the user's stop, nothing the player still sends moves on or shows.
    void stopIgnoresLateReports()
    {
        report("duration 60");
        mPlayback->playRow(0);
        report("position 30");
        mPlayback->stop();
        mOutput.calls.clear();
        QSignalSpy positions(mPlayback.data(), &PlaybackController::positionChanged);
        reports({"position 31", "end", "state stopped", "turn"});
        QCOMPARE(mOutput.calls, QStringList());
        QCOMPARE(positions.count(), 0);
        QCOMPARE(mPlayback->position(), 0);
    }

    // The buttons, the space bar and the step to another recording.
    void commands_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("state"); // QMediaPlayer::State at the end
        QTest::newRow("next passes the rear") << QStringList{"play 0", "next"}
                                             << QStringList{"load 0 20261206_101500F.MP4 20261206_101500R.MP4", "play", "load 2 20261206_101600F.MP4 20261206_101600R.MP4", "play"} << 1;
        QTest::newRow("previous passes the rear") << QStringList{"play 2", "previous"}
                                                 << QStringList{"load 2 20261206_101600F.MP4 20261206_101600R.MP4", "play", "load 0 20261206_101500F.MP4 20261206_101500R.MP4", "play"} << 1;
        QTest::newRow("previous on the first") << QStringList{"play 0", "previous"} << QStringList{"load 0 20261206_101500F.MP4 20261206_101500R.MP4", "play"} << 1;
        QTest::newRow("next on the last stops") << QStringList{"play 4", "next"} << QStringList{"load 4 20261206_101700F.MP4", "play", "stop"} << 0;
        QTest::newRow("next after a stop") << QStringList{"play 2", "stop", "next"} << QStringList{"load 2 20261206_101600F.MP4 20261206_101600R.MP4", "play", "stop", "load 4 20261206_101700F.MP4", "play"} << 1;
        QTest::newRow("space pauses and resumes") << QStringList{"toggle 4", "toggle 0", "toggle 0"} << QStringList{"load 4 20261206_101700F.MP4", "play", "pause", "play"} << 1;
        QTest::newRow("play while paused resumes") << QStringList{"play 4", "pause", "resume 0"} << QStringList{"load 4 20261206_101700F.MP4", "play", "pause", "play"} << 1;
        QTest::newRow("play while stopped starts the cued row") << QStringList{"play 4", "stop", "resume 2"} << QStringList{"load 4 20261206_101700F.MP4", "play", "stop", "load 2 20261206_101600F.MP4 20261206_101600R.MP4", "play"} << 1;
        QTest::newRow("nothing cued") << QStringList{"toggle -1", "resume 7"} << QStringList{} << 0;
        QTest::newRow("players arranged") << QStringList{"arrange 1", "arrange 4", "arrange 9"} << QStringList{"mode 2", "mode 1"} << 0;
    }
    void commands()
    {
        QFETCH(QStringList, actions);
        PlaybackController *playback = mPlayback.data();
        const QHash<QString, std::function<void(int)>> verbs{
            {"play", [=](int row) { playback->playRow(row); }},
            {"toggle", [=](int row) { playback->togglePlay(row); }},
            {"resume", [=](int row) { playback->playOrResume(row); }},
            {"arrange", [=](int row) { playback->arrangeFor(row); }},
            {"pause", [=](int) { playback->pause(); }},
            {"stop", [=](int) { playback->stop(); }},
            {"next", [=](int) { playback->next(); }},
            {"previous", [=](int) { playback->previous(); }},
        };
        for (const QString &action : actions)
            verbs.value(action.section(' ', 0, 0))(action.section(' ', 1, 1).toInt());
        QTEST(mOutput.calls, "calls");
        QTEST(int(mPlayback->state()), "state");
    }

    // Arrow-key seeking stays inside the file and needs one loaded.
    void seekBy_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("delta");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("back") << 10 << -1 << false << QStringList{"seek 9"};
        QTest::newRow("forward to the end") << 59 << 1 << false << QStringList{"seek 60"};
        QTest::newRow("back from the start") << 0 << -1 << false << QStringList{};
        QTest::newRow("past the end") << 60 << 1 << false << QStringList{};
        QTest::newRow("stopped") << 10 << 1 << true << QStringList{};
    }
    void seekBy()
    {
        QFETCH(int, position);
        QFETCH(int, delta);
        mPlayback->playRow(4);
        reports({"duration 60", QStringLiteral("position %1").arg(position)});
        if (QTest::currentDataTag() == QLatin1String("stopped"))
            mPlayback->stop();
        mOutput.calls.clear();
        mPlayback->seekBy(delta);
        QTEST(mOutput.calls, "calls");
    }

    // Only the main row's samples reach the views, and only while it plays.
    void samplesOfThePlayingRow()
    {
        QSignalSpy shown(mPlayback.data(), &PlaybackController::sampleShown);
        GpsData sample{};
        mPlayback->onSample(0, sample); // nothing plays yet
        mPlayback->playRow(0);
        mPlayback->onSample(1, sample); // its companion
        mPlayback->onSample(0, sample);
        mPlayback->pause();
        mPlayback->onSample(0, sample); // a seek while paused shows its second
        mPlayback->playRow(2);
        mPlayback->onSample(0, sample); // late, of the previous file
        mPlayback->stop();
        mPlayback->onSample(2, sample);
        QCOMPARE(shown.count(), 2);
    }

    // A file without telemetry says so once its information is in.
    void missingTelemetry_data()
    {
        QTest::addColumn<int>("before"); // the row's telemetry seconds when it starts
        QTest::addColumn<int>("after");  // once its information arrives
        QTest::addColumn<int>("reported");
        QTest::newRow("known before") << 0 << 0 << 1;
        QTest::newRow("arrives later") << -1 << 0 << 1;
        QTest::newRow("has telemetry") << -1 << 60 << 0;
    }
    void missingTelemetry()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QSignalSpy missing(mPlayback.data(), &PlaybackController::telemetryMissing);
        PlaylistRow *row = mModel->rowAt(4);
        QTRY_VERIFY(row->telemetrySeconds == 0); // its worker found no file
        row->telemetrySeconds = before;
        mPlayback->playRow(4);
        row->telemetrySeconds = after;
        mPlayback->onRowsChanged();
        mPlayback->onRowsChanged();
        QTEST(missing.count(), "reported");
    }
};

QTEST_GUILESS_MAIN(TestPlaybackController)
#include "tst_playbackcontroller.moc"
