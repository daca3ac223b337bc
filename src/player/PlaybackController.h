#pragma once

#include "GpsData.h"

#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QObject>

class PlaybackOutput;
class PlaylistModel;

// Owns what plays: which playlist row (with its other camera's file beside
// it), whether it plays, is paused or stopped, stepping to the next or
// previous recording, the next recording at the end of a file, seeking, and
// which telemetry samples belong on screen. A row of a trip plays on into
// the trip's next clip and then into the next trip; seeking and stepping
// between clips and G-sensor events go across the trip's clips. It drives the players through a
// PlaybackOutput and learns from the main player's reports; the views only
// show what it announces.
class PlaybackController : public QObject
{
    Q_OBJECT
public:
    PlaybackController(PlaylistModel *model, PlaybackOutput *output, QObject *parent = nullptr);

    QMediaPlayer::State state() const;
    // The row in the main player, kept after a stop so that next and
    // previous still step from it; -1 before the first file.
    int currentRow() const;
    // The other camera's row playing beside it, or -1.
    int companionRow() const;
    int position() const;
    int duration() const;
    // The trip of the playing row, or -1; and the second within it: the
    // clip's place in the trip plus the position in the clip.
    int currentTrip() const;
    int currentTripSecond() const;

public slots:
    // Plays the row from its start, with its companion beside it.
    void playRow(int rowId);
    // The play button: resumes a paused file, otherwise plays `cuedRow`
    // (the row the user picked) from its start.
    void playOrResume(int cuedRow);
    // The space bar: pauses a playing file, otherwise as playOrResume.
    void togglePlay(int cuedRow);
    void pause();
    void stop();
    // Next stops after the last recording; previous on the first does nothing.
    void next();
    void previous();
    // Only while a file is loaded and within it.
    void seek(int second);
    void seekBy(int delta);
    // Lays out one or two players for the row before it is played.
    void arrangeFor(int rowId);
    // Plays the trip's clip that holds `tripSecond`, at that second; a
    // second in a pause between two clips plays the later clip from its
    // start, one past the trip's end the last clip's last second.
    void seekInTrip(int trip, int tripSecond);
    // The clip before or after the playing one: in the trip, then in the
    // trip before or after; outside trips, the recording before or after.
    void previousClip();
    void nextClip();
    // The G-sensor event of the playing trip before or after this second.
    void previousEvent();
    void nextEvent();

    // Reports of the main player, in whatever order the media framework
    // sends them.
    void onPlayerStateChanged(QMediaPlayer::State state);
    void onMediaStatusChanged(QMediaPlayer::MediaStatus status);
    void onPositionChanged(qint64 second, int rowId);
    void onDurationChanged(qint64 milliseconds);
    // A player cannot play the file of `rowId`, for `reason`.
    void onMediaFailed(int rowId, const QString &reason);
    // Every decoded sample of every row; only the playing row's pass.
    void onSample(int rowId, const GpsData &data);
    // The playlist's rows changed (their video information arrived).
    void onRowsChanged();
    // The playlist's trips were built again.
    void onTripsChanged();

signals:
    void stateChanged(QMediaPlayer::State state);
    // A row started from its beginning: what showed the previous file's
    // telemetry starts afresh, unless the row goes on with the trip of the
    // one before.
    void rowStarted(int rowId, int companionRowId, bool continuesTrip);
    // Playback stopped by the user or after the last file.
    void stopped();
    void positionChanged(int second);
    void durationChanged(int seconds);
    // A sample of the playing file, in playback order.
    void sampleShown(const GpsData &data);
    // The playing file has no telemetry at all.
    void telemetryMissing();
    // currentTrip() or currentTripSecond() changed.
    void tripPositionChanged(int trip, int tripSecond);

private:
    void startRow(int rowId, bool continuesTrip);
    // At the end of a clip: the trip's next clip, the next trip, or the next
    // recording for a row in no trip.
    void advance();
    // The playing row's clip in `trip`, or -1.
    int currentClip(int trip) const;
    // The clip `step` clips from the playing one, across trips; false at
    // either end.
    bool neighbourClip(int step, int &trip, int &clip) const;
    void playClip(int trip, int clip, int second);
    void seekToEvent(int direction);
    void announceTripPosition();
    void stopOutput();
    void setState(QMediaPlayer::State state);
    void setPosition(int second);
    // On the turn after the main player stopped or reached the end.
    void settle(int load);
    void checkTelemetry();
    bool reportPredatesSeek(int second);
    template<class Command> void command(Command &&run);

    PlaylistModel *mModel;
    PlaybackOutput *mOutput;
    QMediaPlayer::State mState = QMediaPlayer::StoppedState; // what the window shows
    QMediaPlayer::State mPlayerState = QMediaPlayer::StoppedState; // last reported
    int mRow = -1;
    int mCompanion = -1;
    int mPosition = 0;
    int mDuration = 0;
    // The last seek's second, until the player reports it or has had time to.
    static constexpr int seekSettleMs = 1000;
    int mSeekSecond = -1;
    QElapsedTimer mSeekClock;
    // Counts loads and stops; a report handled on a later turn acts only if
    // nothing was loaded or stopped in between.
    int mLoad = 0;
    bool mEnded = false;          // the main player reported the end of this load's file
    bool mPlayed = false;         // this load's file was seen playing: only then can it end
    bool mStoppedByUser = false;
    bool mTelemetryKnown = false; // telemetryMissing was decided for this load
    bool mCommanding = false;     // reports sent while the players obey a command are not news
    int mAnnouncedTrip = -1;
    int mAnnouncedTripSecond = -1;
};
