#include "PlaybackController.h"

#include "PlaybackOutput.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"

#include <QTimer>

PlaybackController::PlaybackController(PlaylistModel *model, PlaybackOutput *output, QObject *parent)
    : QObject(parent)
    , mModel(model)
    , mOutput(output)
{
    connect(model, &PlaylistModel::tripsChanged, this, &PlaybackController::onTripsChanged);
}

QMediaPlayer::State PlaybackController::state() const
{
    return mState;
}

int PlaybackController::currentRow() const
{
    return mRow;
}

int PlaybackController::companionRow() const
{
    return mCompanion;
}

int PlaybackController::position() const
{
    return mPosition;
}

int PlaybackController::duration() const
{
    return mDuration;
}

// The players report synchronously while they obey; those reports describe
// the command itself, not something that happened to the file.
template<class Command> void PlaybackController::command(Command &&run)
{
    const bool outer = !mCommanding;
    mCommanding = true;
    run();
    if (outer)
        mCommanding = false;
}

int PlaybackController::currentTrip() const
{
    return mModel->tripOfRow(mRow);
}

int PlaybackController::currentTripSecond() const
{
    const int trip = currentTrip();
    const int clip = currentClip(trip);
    if (clip < 0)
        return -1;
    return mModel->trips().at(trip).clips.at(clip).offsetSeconds + mPosition;
}

// The row itself, or its recording's other file when that one is the
// trip's clip (a rear file picked in the list).
int PlaybackController::currentClip(int trip) const
{
    if (trip < 0 || trip >= mModel->trips().size())
        return -1;
    const int companion = mModel->companionOf(mRow);
    for (int clip = 0; clip < mModel->trips().at(trip).clips.size(); ++clip) {
        const int row = mModel->rowOfClip(trip, clip);
        if (row == mRow || (row >= 0 && row == companion))
            return clip;
    }
    return -1;
}

void PlaybackController::playRow(int rowId)
{
    startRow(rowId, false);
}

void PlaybackController::startRow(int rowId, bool continuesTrip)
{
    const PlaylistRow *row = mModel->rowAt(rowId);
    if (!row || !row->url.isValid())
        return;
    const int companion = mModel->companionOf(rowId);
    const QUrl companionUrl = companion >= 0 ? mModel->rowAt(companion)->url : QUrl();
    ++mLoad;
    mEnded = false;
    mPlayed = false;
    mStoppedByUser = false;
    mTelemetryKnown = false;
    mSeekSecond = -1;
    mRow = rowId;
    mCompanion = companion;
    command([&] {
        mOutput->load(rowId, row->url, companion, companionUrl);
        mOutput->play();
    });
    mPosition = 0;
    mDuration = row->duration;
    setState(QMediaPlayer::PlayingState);
    emit rowStarted(rowId, companion, continuesTrip);
    emit durationChanged(mDuration);
    emit positionChanged(0);
    checkTelemetry();
    announceTripPosition();
}

void PlaybackController::playOrResume(int cuedRow)
{
    if (mState == QMediaPlayer::PausedState) {
        command([this] { mOutput->play(); });
        setState(QMediaPlayer::PlayingState);
        return;
    }
    playRow(cuedRow);
}

void PlaybackController::togglePlay(int cuedRow)
{
    if (mState == QMediaPlayer::PlayingState)
        pause();
    else
        playOrResume(cuedRow);
}

void PlaybackController::pause()
{
    if (mState != QMediaPlayer::PlayingState)
        return;
    command([this] { mOutput->pause(); });
    setState(QMediaPlayer::PausedState);
}

void PlaybackController::stop()
{
    ++mLoad;
    mEnded = false;
    mStoppedByUser = true;
    stopOutput();
}

void PlaybackController::next()
{
    const int row = mModel->nextRecording(mRow);
    if (row >= 0)
        playRow(row);
    else
        stop();
}

void PlaybackController::previous()
{
    const int row = mModel->previousRecording(mRow);
    if (row >= 0)
        playRow(row);
}

void PlaybackController::seek(int second)
{
    if (mState == QMediaPlayer::StoppedState || second < 0 || second > mDuration)
        return;
    command([this, second] { mOutput->seek(second); });
    mSeekSecond = second;
    mSeekClock.start();
    setPosition(second);
}

// While it makes a seek the player may still report the second from before
// it; taken, that report would undo the seek on screen, and a second arrow
// key would step from the old second.
bool PlaybackController::reportPredatesSeek(int second)
{
    if (mSeekSecond < 0)
        return false;
    if (second != mSeekSecond && mSeekClock.elapsed() < seekSettleMs)
        return true;
    mSeekSecond = -1;
    return false;
}

void PlaybackController::seekBy(int delta)
{
    seek(mPosition + delta);
}

void PlaybackController::arrangeFor(int rowId)
{
    if (mModel->rowAt(rowId))
        mOutput->setPlayMode(mModel->companionOf(rowId) >= 0 ? 2 : 1);
}

void PlaybackController::onPlayerStateChanged(QMediaPlayer::State state)
{
    mPlayerState = state;
    mPlayed |= state == QMediaPlayer::PlayingState;
    if (mCommanding)
        return;
    if (state != QMediaPlayer::StoppedState) {
        // The seek slider pauses and resumes the players itself.
        setState(state);
        return;
    }
    if (mState == QMediaPlayer::StoppedState)
        return;
    // The main player stopped by itself: its file ended or failed. Whether
    // the end was reported too is known once this turn's reports are in.
    const int load = mLoad;
    QTimer::singleShot(0, this, [this, load] { settle(load); });
}

void PlaybackController::onMediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    // An end reported before the file ever played is the previous file's.
    if (mCommanding || status != QMediaPlayer::EndOfMedia || !mPlayed || mEnded || mStoppedByUser)
        return;
    mEnded = true;
    // Never load the next file from inside the player's own report: the
    // player finishes its end-of-file handling after this returns, and would
    // apply it to the new file.
    const int load = mLoad;
    QTimer::singleShot(0, this, [this, load] { settle(load); });
}

void PlaybackController::settle(int load)
{
    if (load != mLoad)
        return;
    if (mEnded) {
        advance();
        return;
    }
    if (mPlayerState != QMediaPlayer::StoppedState || mState == QMediaPlayer::StoppedState)
        return;
    // Stopped without reaching the end: nothing may go on playing beside it.
    // A report of the end that still comes moves on as usual.
    stopOutput();
}

// Stops the output and says so; the play time and the slider both go back
// to the start.
void PlaybackController::stopOutput()
{
    command([this] { mOutput->stop(); });
    setState(QMediaPlayer::StoppedState);
    mPosition = 0;
    mSeekSecond = -1;
    emit positionChanged(0);
    announceTripPosition();
    emit stopped();
}

void PlaybackController::onPositionChanged(qint64 second, int rowId)
{
    if (mCommanding || rowId != mRow || mEnded || mState == QMediaPlayer::StoppedState
        || reportPredatesSeek(int(second)))
        return;
    setPosition(int(second));
}

void PlaybackController::onDurationChanged(qint64 milliseconds)
{
    // Loading a file reports no length until the new one is known.
    if (milliseconds <= 0 && mCommanding)
        return;
    mDuration = int(milliseconds / 1000);
    emit durationChanged(mDuration);
}

void PlaybackController::onMediaFailed(int rowId, const QString &reason)
{
    mModel->setPlaybackFailure(rowId, reason);
    // Nothing plays: no play time, least of all the previous file's.
    if (rowId != mRow)
        return;
    mDuration = 0;
    emit durationChanged(0);
    mPosition = 0;
    emit positionChanged(0);
}

void PlaybackController::onSample(int rowId, const GpsData &data)
{
    // Samples on their way after a stop or a change of file are stale.
    if (mState == QMediaPlayer::StoppedState || rowId != mRow)
        return;
    emit sampleShown(data);
}

void PlaybackController::onRowsChanged()
{
    checkTelemetry();
}

void PlaybackController::onTripsChanged()
{
    announceTripPosition();
}

void PlaybackController::advance()
{
    if (currentClip(currentTrip()) < 0) {
        next();
        return;
    }
    int trip = 0, clip = 0;
    if (neighbourClip(1, trip, clip))
        playClip(trip, clip, 0);
    else
        stop();
}

bool PlaybackController::neighbourClip(int step, int &trip, int &clip) const
{
    trip = currentTrip();
    clip = currentClip(trip);
    if (clip < 0)
        return false;
    const QVector<Trip> &trips = mModel->trips();
    clip += step;
    while (clip < 0 || clip >= trips[trip].clips.size()) {
        trip += step;
        if (trip < 0 || trip >= trips.size())
            return false;
        clip = step > 0 ? 0 : trips[trip].clips.size() - 1;
    }
    return true;
}

// A clip of the playing trip goes on from where the one before left the
// views; a clip of another trip starts them afresh.
void PlaybackController::playClip(int trip, int clip, int second)
{
    const int row = mModel->rowOfClip(trip, clip);
    if (row < 0)
        return;
    const bool playing = mState != QMediaPlayer::StoppedState;
    if (row == mRow && playing) {
        seek(second);
        return;
    }
    startRow(row, playing && trip == currentTrip());
    if (second > 0)
        seek(second);
}

void PlaybackController::seekInTrip(int trip, int tripSecond)
{
    const QVector<Trip> &trips = mModel->trips();
    if (trip < 0 || trip >= trips.size() || tripSecond < 0 || trips[trip].clips.isEmpty())
        return;
    const QVector<TripClip> &clips = trips[trip].clips;
    for (int clip = 0; clip < clips.size(); ++clip) {
        const int second = tripSecond - clips[clip].offsetSeconds;
        if (second < clips[clip].durationSeconds) {
            playClip(trip, clip, qMax(0, second));
            return;
        }
    }
    playClip(trip, clips.size() - 1, qMax(0, clips.last().durationSeconds - 1));
}

void PlaybackController::previousClip()
{
    int trip = 0, clip = 0;
    if (neighbourClip(-1, trip, clip))
        playClip(trip, clip, 0);
    else if (currentTrip() < 0)
        previous();
}

void PlaybackController::nextClip()
{
    int trip = 0, clip = 0;
    if (neighbourClip(1, trip, clip))
        playClip(trip, clip, 0);
    else if (currentTrip() < 0)
        next();
}

void PlaybackController::previousEvent()
{
    seekToEvent(-1);
}

void PlaybackController::nextEvent()
{
    seekToEvent(1);
}

// Back means before the second that plays now and the one before it, so
// that a second press while the event plays goes on to the earlier one.
void PlaybackController::seekToEvent(int direction)
{
    const int trip = currentTrip();
    const int now = currentTripSecond();
    if (trip < 0 || now < 0)
        return;
    const Trip &playing = mModel->trips().at(trip);
    int target = -1;
    for (const TelemetryEvent &event : playing.events) {
        if (event.clip < 0 || event.clip >= playing.clips.size())
            continue;
        const int second = playing.clips[event.clip].offsetSeconds + event.second;
        if (direction > 0 && second > now && (target < 0 || second < target))
            target = second;
        if (direction < 0 && second < now - 1 && second > target)
            target = second;
    }
    if (target >= 0)
        seekInTrip(trip, target);
}

void PlaybackController::announceTripPosition()
{
    const int trip = currentTrip();
    const int second = trip >= 0 ? currentTripSecond() : -1;
    if (trip == mAnnouncedTrip && second == mAnnouncedTripSecond)
        return;
    mAnnouncedTrip = trip;
    mAnnouncedTripSecond = second;
    emit tripPositionChanged(trip, second);
}

void PlaybackController::setState(QMediaPlayer::State state)
{
    if (state == mState)
        return;
    mState = state;
    emit stateChanged(state);
}

void PlaybackController::setPosition(int second)
{
    mPosition = second;
    emit positionChanged(second);
    mModel->setCurrentSecond(mRow, second);
    announceTripPosition();
}

// Decided once per file, as soon as its video information is in.
void PlaybackController::checkTelemetry()
{
    const PlaylistRow *row = mModel->rowAt(mRow);
    if (mTelemetryKnown || !row || row->telemetrySeconds < 0)
        return;
    mTelemetryKnown = true;
    if (row->telemetrySeconds == 0)
        emit telemetryMissing();
}
