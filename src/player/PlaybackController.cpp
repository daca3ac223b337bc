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

void PlaybackController::playRow(int rowId)
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
    mRow = rowId;
    mCompanion = companion;
    command([&] {
        mOutput->load(rowId, row->url, companion, companionUrl);
        mOutput->play();
    });
    mPosition = 0;
    mDuration = row->duration;
    setState(QMediaPlayer::PlayingState);
    emit rowStarted(rowId, companion);
    emit durationChanged(mDuration);
    emit positionChanged(0);
    checkTelemetry();
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
    command([this] { mOutput->stop(); });
    setState(QMediaPlayer::StoppedState);
    // The play time and the slider both go back to the start.
    mPosition = 0;
    emit positionChanged(0);
    emit stopped();
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
    setPosition(second);
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
        next();
        return;
    }
    if (mPlayerState != QMediaPlayer::StoppedState || mState == QMediaPlayer::StoppedState)
        return;
    // Stopped without reaching the end: nothing may go on playing beside it.
    // A report of the end that still comes moves on as usual.
    command([this] { mOutput->stop(); });
    setState(QMediaPlayer::StoppedState);
    mPosition = 0;
    emit positionChanged(0);
    emit stopped();
}

void PlaybackController::onPositionChanged(qint64 second, int rowId)
{
    if (mCommanding || rowId != mRow || mEnded || mState == QMediaPlayer::StoppedState)
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
