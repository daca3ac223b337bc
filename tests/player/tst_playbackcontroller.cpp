#include "Mp4Sample.h"
#include "PlaybackController.h"
#include "PlaybackOutput.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"
#include "SampleRecord.h"

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

// A minute recorded from `start` (camera time, UTC), with a G-sensor jolt at
// second `jolt` (none when negative): sideways or, when `vertical`, upwards.
bool writeMinute(const QString &path, const QDateTime &start, int jolt = -1, bool vertical = false)
{
    QVector<SampleRecord> records;
    // The record before the first second's is not played.
    for (int i = 0; i <= 60; ++i) {
        const bool jolted = i == jolt + 1;
        records << SampleRecord::fix(48.1 + i * 0.0001, 11.5, 40, start.addSecs(i - 1).toString("yyyyMMddhhmmss").toLatin1(),
                                     jolted && !vertical ? 0.8 : 0.0, 0.0, jolted && vertical ? 1.9 : 1.0);
    }
    return Mp4Sample().movie(1, 60).videoTrack(1920, 1080).gps0(storedRecords(records)).write(path);
}

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

    // One step of a case: a command ("play 2", "seekBy -1", "nextClip") or a
    // main player's report ("state stopped", "end", "position 60", "duration 60";
    // "turn" runs the event loop once in between).
    void act(const QString &what)
    {
        PlaybackController *p = mPlayback.data();
        const QString verb = what.section(' ', 0, 0);
        const int n = what.section(' ', 1, 1).toInt();
        const QHash<QString, std::function<void()>> commands{
            {"play", [=] { p->playRow(n); }}, {"toggle", [=] { p->togglePlay(n); }},
            {"resume", [=] { p->playOrResume(n); }}, {"arrange", [=] { p->arrangeFor(n); }},
            {"pause", [=] { p->pause(); }}, {"stop", [=] { p->stop(); }}, {"next", [=] { p->next(); }},
            {"previous", [=] { p->previous(); }}, {"seekBy", [=] { p->seekBy(n); }},
            {"nextClip", [=] { p->nextClip(); }}, {"previousClip", [=] { p->previousClip(); }},
            {"nextEvent", [=] { p->nextEvent(); }}, {"previousEvent", [=] { p->previousEvent(); }},
        };
        if (commands.contains(verb))
            return commands[verb]();
        mOutput.reporting = true;
        if (what == QLatin1String("state stopped"))
            p->onPlayerStateChanged(QMediaPlayer::StoppedState);
        else if (what == QLatin1String("state playing"))
            p->onPlayerStateChanged(QMediaPlayer::PlayingState);
        else if (what == QLatin1String("end"))
            p->onMediaStatusChanged(QMediaPlayer::EndOfMedia);
        else if (verb == QLatin1String("position"))
            p->onPositionChanged(n, p->currentRow());
        else if (verb == QLatin1String("duration"))
            p->onDurationChanged(n * 1000);
        mOutput.reporting = false;
        if (what == QLatin1String("turn"))
            QCoreApplication::processEvents();
    }
    void reports(const QStringList &list)
    {
        for (const QString &what : list)
            act(what);
        QCoreApplication::processEvents();
    }

    // Two trips: 10:15 (front and rear), 10:16 with a swerve at its second
    // 20, and 10:17:30 with a pothole at its second 5, half a minute after
    // the one before; then 11:15 alone. Listed out of order.
    QHash<QString, int> mTripRows;
    bool setUpTrips()
    {
        mPlayback.reset();
        mModel.reset(new PlaylistModel);
        const QDateTime at1015(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC);
        const QList<QPair<QString, QDateTime>> clips{
            {"D", at1015.addSecs(3600)}, {"C", at1015.addSecs(150)}, {"A", at1015}, {"Ar", at1015}, {"B", at1015.addSecs(60)}};
        for (const auto &clip : clips) {
            const QString path = mDir.filePath(clip.second.toString("'trips/'yyyyMMdd_hhmmss") + (clip.first == "Ar" ? "R.MP4" : "F.MP4"));
            QDir().mkpath(mDir.filePath("trips"));
            if (!writeMinute(path, clip.second, clip.first == "B" ? 20 : clip.first == "C" ? 5 : -1, clip.first == "C"))
                return false;
            mTripRows.insert(clip.first, mModel->addFile(QUrl::fromLocalFile(path)));
        }
        mPlayback.reset(new PlaybackController(mModel.data(), &mOutput));
        // Every row in its trip: the trips were built with every track.
        for (int row = 0; row < clips.size(); ++row) {
            if (!QTest::qWaitFor([&] { return mModel->tripOfRow(row) >= 0; }, 30000))
                return false;
        }
        return mModel->trips().size() == 2;
    }
    QString nameOf(int row) const { return mTripRows.key(row); }

private slots:
    void init()
    {
        mModel.reset(new PlaylistModel);
        for (const QString &name : recordings) // the files need not exist
            mModel->addFile(QUrl::fromLocalFile(mDir.filePath(name)));
        mPlayback.reset(new PlaybackController(mModel.data(), &mOutput));
        mOutput = FakeOutput();
    }

    // A second of a trip plays the clip that holds it at that second.
    void seekInTrip_data()
    {
        QTest::addColumn<bool>("stopped");   // A was played, then stopped
        QTest::addColumn<int>("trip");
        QTest::addColumn<int>("second");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("playing");  // the clip, and whether it went on with the trip
        const QString c = "load %1 20261206_101730F.MP4";
        QTest::newRow("a pause goes to the next clip's start") << false << 0 << 130 << QStringList{c, "play"} << "C goes on";
        QTest::newRow("past the end: the last second") << false << 0 << 9999 << QStringList{c, "play", "seek 59"} << "C goes on";
        QTest::newRow("another trip") << false << 1 << 10 << QStringList{"load %1 20261206_111500F.MP4", "play", "seek 10"} << "D afresh";
        QTest::newRow("while stopped") << true << 0 << 30
                                       << QStringList{"load %1 20261206_101500F.MP4 20261206_101500R.MP4", "play", "seek 30"} << "A afresh";
        QTest::newRow("no such trip") << false << 2 << 0 << QStringList{} << "A";
        QTest::newRow("no trip") << false << -1 << 0 << QStringList{} << "A";
        QTest::newRow("before the trip") << false << 0 << -5 << QStringList{} << "A";
    }
    void seekInTrip()
    {
        QFETCH(bool, stopped);
        QFETCH(int, trip);
        QFETCH(int, second);
        QFETCH(QStringList, calls);
        QFETCH(QString, playing);
        QVERIFY(setUpTrips());
        reports({QString("play %1").arg(mTripRows["A"]), "state playing", "position 3", stopped ? "stop" : "turn"});
        mOutput.calls.clear();
        QSignalSpy started(mPlayback.data(), &PlaybackController::rowStarted);
        mPlayback->seekInTrip(trip, second);
        const QString clip = playing.section(' ', 0, 0);
        for (QString &call : calls)
            call = call.arg(mTripRows[clip]);
        QCOMPARE(mOutput.calls, calls);
        QCOMPARE(nameOf(mPlayback->currentRow()), clip);
        if (!started.isEmpty())
            QCOMPARE(started.last()[2].toBool() ? clip + " goes on" : clip + " afresh", playing);
    }

    // Page Up and Page Down step between the clips of the trips; [ and ]
    // between the G-sensor events of the playing trip, across its clips. The
    // trip's second counts the gap before a clip.
    void stepsInTrips_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("positions"); // clip, second and (trip second) after each step
        QTest::newRow("next clips, into the next trip")
            << "A" << QStringList{"nextClip", "nextClip", "nextClip", "nextClip"} << QStringList{"B 0 (60)", "C 0 (150)", "D 0 (0)", "D 0 (0)"};
        QTest::newRow("previous clips") << "C" << QStringList{"previousClip", "previousClip", "previousClip"}
                                        << QStringList{"B 0 (60)", "A 0 (0)", "A 0 (0)"};
        QTest::newRow("events forward and back")
            << "A" << QStringList{"nextEvent", "nextEvent", "nextEvent", "previousEvent", "previousEvent"}
            << QStringList{"B 20 (80)", "C 5 (155)", "C 5 (155)", "B 20 (80)", "B 20 (80)"};
        QTest::newRow("a trip without events") << "D" << QStringList{"nextEvent", "previousEvent"} << QStringList{"D 0 (0)", "D 0 (0)"};
    }
    void stepsInTrips()
    {
        QFETCH(QString, first);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, positions);
        QVERIFY(setUpTrips());
        mPlayback->playRow(mTripRows[first]);
        for (int i = 0; i < steps.size(); ++i) {
            reports({steps[i], "state playing"});
            QCOMPARE(QString("%1 %2 (%3)").arg(nameOf(mPlayback->currentRow())).arg(mPlayback->position()).arg(mPlayback->currentTripSecond()),
                     positions[i]);
        }
    }

    // A file the player cannot play shows no play time, least of all the
    // previous file's; another row's failure changes nothing shown.
    void failedFileShowsNoPlayTime()
    {
        reports({"duration 60", "play 0", "position 30"});
        QSignalSpy durations(mPlayback.data(), &PlaybackController::durationChanged);
        QSignalSpy positions(mPlayback.data(), &PlaybackController::positionChanged);
        mPlayback->onMediaFailed(1, QStringLiteral("no decoder"));
        QVERIFY(durations.isEmpty() && positions.isEmpty());
        mPlayback->onMediaFailed(0, QStringLiteral("no decoder"));
        QCOMPARE(durations.last().first().toInt(), 0);
        QCOMPARE(positions.last().first().toInt(), 0);
        for (int row : {0, 1})
            QCOMPARE(mModel->rowAt(row)->failureDetail, QStringLiteral("no decoder"));
    }

    // The buttons, the space bar, the step to another recording, arrow-key
    // seeking (inside the file, with one loaded); a player that stops short
    // of the end stops the one beside it too, and after the user's stop
    // nothing the player still sends moves on or shows. However the player
    // reports the end of a file, the next recording plays from its start,
    // once, and never from inside the player's own report.
    void commands_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("state"); // QMediaPlayer::State at the end
        QTest::addColumn<int>("stops"); // times the window is told playback stopped
        const QString a = "load 0 20261206_101500F.MP4 20261206_101500R.MP4", c = "load 2 20261206_101600F.MP4 20261206_101600R.MP4",
                      e = "load 4 20261206_101700F.MP4";
        const QStringList playing{"duration 60", "play 0", "state playing"}, next{a, "play", c, "play"};
        QTest::newRow("end: position, state, end") << playing + QStringList{"position 60", "state stopped", "end"} << next << 1 << 0;
        QTest::newRow("end without a state") << playing + QStringList{"end"} << next << 1 << 0;
        QTest::newRow("end a turn after the state") << playing + QStringList{"state stopped", "turn", "end"} << QStringList{a, "play", "stop", c, "play"} << 1 << 1;
        // The last one comes after the next file was loaded and before it played.
        QTest::newRow("end twice, and late") << playing + QStringList{"end", "state stopped", "end", "turn", "end"} << next << 1 << 0;
        QTest::newRow("end of the rear, front beside") << QStringList{"duration 60", "play 1", "state playing", "position 60", "end", "state stopped"}
                                                       << QStringList{"load 1 20261206_101500R.MP4 20261206_101500F.MP4", "play", c, "play"} << 1 << 0;
        QTest::newRow("end of the last file") << QStringList{"duration 60", "play 4", "state playing", "position 60", "state stopped", "end"}
                                              << QStringList{e, "play", "stop"} << 0 << 1;
        QTest::newRow("previous on the first") << QStringList{"play 0", "previous"} << QStringList{a, "play"} << 1 << 0;
        QTest::newRow("next on the last stops") << QStringList{"play 4", "next"} << QStringList{e, "play", "stop"} << 0 << 1;
        QTest::newRow("next after a stop") << QStringList{"play 2", "stop", "next"} << QStringList{c, "play", "stop", e, "play"} << 1 << 1;
        QTest::newRow("space pauses and resumes") << QStringList{"toggle 4", "toggle 0", "toggle 0"} << QStringList{e, "play", "pause", "play"} << 1 << 0;
        QTest::newRow("play while paused resumes") << QStringList{"play 4", "pause", "resume 0"} << QStringList{e, "play", "pause", "play"} << 1 << 0;
        QTest::newRow("play while stopped starts the cued row") << QStringList{"play 4", "stop", "resume 2"} << QStringList{e, "play", "stop", c, "play"} << 1 << 1;
        QTest::newRow("nothing cued") << QStringList{"toggle -1", "resume 7"} << QStringList{} << 0 << 0;
        QTest::newRow("players arranged") << QStringList{"arrange 1", "arrange 4", "arrange 9"} << QStringList{"mode 2", "mode 1"} << 0 << 0;
        const QStringList at10{"play 4", "duration 60", "position 10"};
        QTest::newRow("seek back") << at10 + QStringList{"seekBy -1"} << QStringList{e, "play", "seek 9"} << 1 << 0;
        QTest::newRow("seek forward to the end") << QStringList{"play 4", "duration 60", "position 59", "seekBy 1"} << QStringList{e, "play", "seek 60"} << 1 << 0;
        QTest::newRow("seek back from the start") << QStringList{"play 4", "duration 60", "position 0", "seekBy -1"} << QStringList{e, "play"} << 1 << 0;
        QTest::newRow("seek while stopped") << at10 + QStringList{"stop", "seekBy 1"} << QStringList{e, "play", "stop"} << 0 << 1;
        QTest::newRow("player stops short: both stop") << QStringList{"play 0", "position 12", "state stopped"} << QStringList{a, "play", "stop"} << 0 << 1;
        QTest::newRow("late reports after a stop") << at10 + QStringList{"stop", "position 31", "end", "state stopped", "turn"}
                                                   << QStringList{e, "play", "stop"} << 0 << 1;
    }
    void commands()
    {
        QFETCH(QStringList, actions);
        QSignalSpy stopped(mPlayback.data(), &PlaybackController::stopped);
        reports(actions);
        QTEST(mOutput.calls, "calls");
        QTEST(int(mPlayback->state()), "state");
        QTEST(int(stopped.count()), "stops");
        QVERIFY(!mOutput.loadedWhileReporting);
        // The play time and the slider end at the start, also after the last file.
        if (actions.contains("stop") || actions.contains("end"))
            QCOMPARE(mPlayback->position(), 0);
    }

    // A report of the second before a seek, made while the player seeks,
    // neither undoes the seek nor makes the next step start from it.
    void stepsSurviveStaleReports()
    {
        reports({"play 4", "duration 60", "position 10"});
        mOutput.calls.clear();
        reports({"seekBy 1", "position 10"});
        QCOMPARE(mPlayback->position(), 11);
        reports({"seekBy 1", "position 12", "position 13"});
        QCOMPARE(mOutput.calls, QStringList({"seek 11", "seek 12"}));
        QCOMPARE(mPlayback->position(), 13);
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
