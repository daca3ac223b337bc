#include "PlayerWidget.h"

#include "CaptureThread.h"
#include "VideoFile.h"

#include <QDebug>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

PlayerWidget::PlayerWidget(QWidget *parent)
    : QVideoWidget(parent)
    , mPlayer(nullptr)
{
    QPalette blackWindow = palette();
    blackWindow.setColor(QPalette::Window, Qt::black);
    setPalette(blackWindow);
    // The layout, not the video, decides the size.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setAttribute(Qt::WA_OpaquePaintEvent);

    mPlayer.setAudioRole(QAudio::VideoRole);
    mPlayer.setVideoOutput(this);
    connect(&mPlayer, &QMediaPlayer::stateChanged, this, &PlayerWidget::onStateChanged);
    connect(&mPlayer, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error),
            this, &PlayerWidget::onError);
    connect(&mPlayer, &QMediaPlayer::mediaChanged, this, &PlayerWidget::onMediaChanged);
    connect(&mPlayer, &QMediaPlayer::seekableChanged, this, &PlayerWidget::makePendingSeek);
    connect(&mPlayer, &QMediaPlayer::mediaStatusChanged, this, &PlayerWidget::makePendingSeek);

    // Covers the picture while the file cannot be played. The video is drawn
    // into a window of its own, and only a window of its own lies above it.
    mFailure = new QLabel(this);
    mFailure->setAttribute(Qt::WA_NativeWindow);
    mFailure->setTextFormat(Qt::PlainText);
    mFailure->setWordWrap(true);
    mFailure->setAlignment(Qt::AlignCenter);
    mFailure->setStyleSheet(QStringLiteral("QLabel{background-color: black; color: rgb(226, 150, 140); padding: 12px;}"));
    mFailure->hide();
    setUpdatesEnabled(true);
}

PlayerWidget::~PlayerWidget()
{
    if (mCaptureThread) {
        // The worker's destructor kills a running ffmpeg and waits for the
        // thread; its queued finished() must not come back to this widget.
        disconnect(mCaptureThread, nullptr, this, nullptr);
        delete mCaptureThread;
    }
}

QMediaPlayer *PlayerWidget::player()
{
    return &mPlayer;
}

const QMediaPlayer *PlayerWidget::player() const
{
    return &mPlayer;
}

CaptureThread *PlayerWidget::captureThread() const
{
    return mCaptureThread;
}

void PlayerWidget::setScreenshotFolders(const QString &folder, const QString &fallback)
{
    mScreenshotFolder = folder;
    mFallbackFolder = fallback;
}

void PlayerWidget::setStillGpsTags(bool on)
{
    mStillGpsTags = on;
}

QString PlayerWidget::failureText() const
{
    return mFailure->isVisible() ? mFailure->text() : QString();
}

void PlayerWidget::screenshot(qint64 position, const TrackPoint &point)
{
    const QMediaPlayer::State state = mPlayer.state();
    if (state != QMediaPlayer::PlayingState && state != QMediaPlayer::PausedState)
        return;
    const bool newWorker = !mCaptureThread;
    if (newWorker) {
        mCaptureThread = new CaptureThread;
        connect(mCaptureThread, &CaptureThread::captured, this, &PlayerWidget::stillSaved);
        connect(mCaptureThread, &CaptureThread::captureFailed, this, &PlayerWidget::stillFailed);
        connect(mCaptureThread, &CaptureThread::folderReplaced, this, &PlayerWidget::stillFolderReplaced);
        connect(mCaptureThread, &QThread::finished, this, &PlayerWidget::onCaptureThreadFinished);
    }
    mCaptureThread->setFolders(mScreenshotFolder, mFallbackFolder);
    mCaptureThread->setGpsTags(mStillGpsTags);
    const QUrl url = mPlayer.currentMedia().request().url();
    // The URL carries names that are no UTF-8 byte for byte; its decoded
    // path would not.
    mCaptureThread->addTask(VideoFile::localPath(url), position, point);
    // A running worker takes the task from its queue; one that has already
    // found its queue empty is started again when its finished() arrives.
    if (newWorker)
        mCaptureThread->start();
}

void PlayerWidget::onStateChanged(QMediaPlayer::State newState)
{
    if (newState == QMediaPlayer::StoppedState) {
        // Paint the black background over the last frame.
        setUpdatesEnabled(true);
        update();
    } else {
        // The video output draws the frames; painting would cover them.
        setUpdatesEnabled(false);
    }
}

void PlayerWidget::onError(QMediaPlayer::Error error)
{
    qDebug() << "onError" << error << mPlayer.errorString();
    if (error == QMediaPlayer::NoError)
        return;
    setUpdatesEnabled(true);
    const QString reason = mPlayer.errorString().isEmpty() ? tr("unknown media error") : mPlayer.errorString();
    const QString name = mPlayer.currentMedia().request().url().fileName(QUrl::FullyDecoded);
    mFailure->setText(tr("%1 cannot be played:\n%2").arg(name, reason));
    mFailure->setGeometry(rect());
    mFailure->show();
    mFailure->raise();
    emit mediaFailed(reason);
}

// Another file (or none) is loaded: the old failure is no longer this one's.
void PlayerWidget::onMediaChanged()
{
    mFailure->hide();
    mFailure->clear();
    mPendingSeek = -1;
}

void PlayerWidget::seekTo(qint64 milliseconds)
{
    // A stopped player keeps the position for its next start by itself.
    const bool takesSeek = canSeek() || mPlayer.state() == QMediaPlayer::StoppedState;
    mPendingSeek = takesSeek ? -1 : milliseconds;
    if (takesSeek)
        mPlayer.setPosition(milliseconds);
}

// The media framework says a file is seekable while it still loads it, and
// drops a seek made then: seeks wait until it has loaded the file as well.
bool PlayerWidget::canSeek() const
{
    return mPlayer.isSeekable() && mPlayer.mediaStatus() != QMediaPlayer::LoadingMedia;
}

void PlayerWidget::makePendingSeek()
{
    if (mPendingSeek < 0 || !canSeek())
        return;
    const qint64 position = mPendingSeek;
    mPendingSeek = -1;
    mPlayer.setPosition(position);
}

void PlayerWidget::resizeEvent(QResizeEvent *event)
{
    mFailure->setGeometry(rect());
    QVideoWidget::resizeEvent(event);
}

void PlayerWidget::onCaptureThreadFinished()
{
    if (!mCaptureThread)
        return;
    // finished() is emitted just before the thread ends; wait for the end so
    // that the worker can be started again or destroyed.
    mCaptureThread->wait();
    if (mCaptureThread->hasTasks()) {
        qDebug() << "onCaptureThreadFinished, late capture request, restart mCaptureThread";
        mCaptureThread->start();
        return;
    }
    qDebug() << "onCaptureThreadFinished, delete mCaptureThread";
    delete mCaptureThread;
    mCaptureThread = nullptr;
}

void PlayerWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    const bool fullScreen = !isFullScreen();
    qDebug() << "mouseDoubleClickEvent, setValue=" << fullScreen;
    setFullScreen(fullScreen);
    event->accept();
}

void PlayerWidget::keyPressEvent(QKeyEvent *event)
{
    qDebug() << "PlayerWidget::keyPressEvent" << event->key() << event->modifiers();
    if (isFullScreen())
        keyPressInFullScreen(event);
    else
        keyPressInPlace(event);
}

void PlayerWidget::keyPressInFullScreen(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        qDebug() << "Key_Escape, setValue=false";
        setFullScreen(false);
        event->accept();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Space:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        emit keyPressSignals(event);
        break;
    default:
        break;
    }
    // Swallowed either way: nothing behind a full-screen video should react.
    event->accept();
}

void PlayerWidget::keyPressInPlace(QKeyEvent *event)
{
    // Only the keypad Enter (not Return) with Alt enters full screen.
    if (event->key() == Qt::Key_Enter && (event->modifiers() & Qt::AltModifier)) {
        const bool fullScreen = !isFullScreen();
        qDebug() << "Key_Enter, setValue=" << fullScreen;
        setFullScreen(fullScreen);
        event->accept();
        return;
    }
    QVideoWidget::keyPressEvent(event);
}
