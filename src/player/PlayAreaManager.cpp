#include "PlayAreaManager.h"

#include "PlayerWidget.h"
#include "VideoFile.h"

#include <QDebug>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMimeData>

PlayAreaManager::PlayAreaManager(QWidget *parent)
    : QWidget(parent)
{
    setAcceptDrops(true);
    auto *outerLayout = new QHBoxLayout(this);
    outerLayout->setContentsMargins(0, 0, 0, 0);
    auto *backWidget = new QWidget(this);
    backWidget->setObjectName(QStringLiteral("wgtbackWidget"));
    backWidget->setStyleSheet(QStringLiteral("QWidget#wgtbackWidget{background-color: rgb(10, 10, 10);}"));
    outerLayout->addWidget(backWidget);
    mPlayerLayout = new QHBoxLayout(backWidget);
    mPlayerLayout->setSpacing(1);
    mPlayerLayout->setContentsMargins(0, 0, 0, 0);

    mMainPlayer = new PlayerWidget(this);
    mPlayerLayout->addWidget(mMainPlayer);
    QMediaPlayer *player = mMainPlayer->player();
    connect(player, &QMediaPlayer::stateChanged, this, &PlayAreaManager::stateChanged);
    connect(player, &QMediaPlayer::volumeChanged, this, &PlayAreaManager::volumeChanged);
    connect(player, &QMediaPlayer::mutedChanged, this, &PlayAreaManager::mutedChanged);
    connect(player, &QMediaPlayer::durationChanged, this, &PlayAreaManager::durationChanged);
    connect(player, &QMediaPlayer::mediaStatusChanged, this, &PlayAreaManager::mediaStatusChanged);
    connect(player, &QMediaPlayer::positionChanged, this, &PlayAreaManager::onPositionChanged);
    connectPlayerWidget(mMainPlayer);
}

// What both player widgets report, whichever is main.
void PlayAreaManager::connectPlayerWidget(PlayerWidget *widget)
{
    connect(widget, &PlayerWidget::keyPressSignals, this, &PlayAreaManager::keyPressSignals);
    connect(widget, &PlayerWidget::stillSaved, this, &PlayAreaManager::stillSaved);
    connect(widget, &PlayerWidget::stillFailed, this, &PlayAreaManager::stillFailed);
    connect(widget, &PlayerWidget::stillFolderReplaced, this, &PlayAreaManager::stillFolderReplaced);
    connect(widget, &PlayerWidget::mediaFailed, this, [this, widget](const QString &reason) {
        const int rowId = widget == mMainPlayer ? mMainRowId : mSecondRowId;
        if (rowId >= 0)
            emit mediaFailed(rowId, reason);
    });
    widget->setScreenshotFolders(mScreenshotFolder, mFallbackFolder);
    widget->setStillGpsTags(mStillGpsTags);
}

void PlayAreaManager::setScreenshotFolders(const QString &folder, const QString &fallback)
{
    mScreenshotFolder = folder;
    mFallbackFolder = fallback;
    for (PlayerWidget *widget : players())
        widget->setScreenshotFolders(folder, fallback);
}

void PlayAreaManager::setStillGpsTags(bool on)
{
    mStillGpsTags = on;
    for (PlayerWidget *widget : players())
        widget->setStillGpsTags(on);
}

void PlayAreaManager::setStillPointSource(const StillPointSource &source)
{
    mStillPoints = source;
}

TrackPoint PlayAreaManager::stillPoint(int rowId, qint64 position) const
{
    if (!mStillGpsTags || !mStillPoints)
        return {};
    return mStillPoints(rowId, int(position / 1000));
}

void PlayAreaManager::setPlayMode(int mode)
{
    if (mPlayerLayout->indexOf(mMainPlayer) < 0)
        mPlayerLayout->insertWidget(0, mMainPlayer);
    if (mode == 1)
        removeSecondPlayer();
    else if (mode == 2)
        createSecondPlayer();
}

void PlayAreaManager::createSecondPlayer()
{
    if (!mSecondPlayer) {
        // Of the second player only stills and failures are reported.
        mSecondPlayer = new PlayerWidget(this);
        connectPlayerWidget(mSecondPlayer);
    }
    if (mPlayerLayout->indexOf(mSecondPlayer) < 0)
        mPlayerLayout->insertWidget(mPlayerLayout->indexOf(mMainPlayer) + 1, mSecondPlayer);
}

void PlayAreaManager::removeSecondPlayer()
{
    if (!mSecondPlayer)
        return;
    mPlayerLayout->removeWidget(mSecondPlayer);
    mSecondPlayer->player()->stop();
    mSecondPlayer->hide();
    disconnect(mSecondPlayer, nullptr, this, nullptr);
    // Deferred: the mode may change from a key press that this very widget
    // is still handling (Left/Right in full screen step to another file).
    mSecondPlayer->deleteLater();
    mSecondPlayer = nullptr;
}

void PlayAreaManager::load(int rowId, const QUrl &mainUrl, int secondRowId, const QUrl &secondUrl)
{
    stop();
    mSecondLoaded = secondUrl.isValid();
    setPlayMode(mSecondLoaded ? 2 : 1);
    // Known first: a media player may fail on the file while it loads it.
    mMainRowId = rowId;
    mSecondRowId = mSecondLoaded ? secondRowId : -1;
    mMainPlayer->player()->setMedia(QMediaContent(mainUrl));
    if (mSecondPlayer)
        mSecondPlayer->player()->setMedia(QMediaContent(secondUrl));
}

QMediaPlayer::State PlayAreaManager::state() const
{
    return mMainPlayer->player()->state();
}

int PlayAreaManager::volume() const
{
    return mMainPlayer->player()->volume();
}

QMediaContent PlayAreaManager::media() const
{
    return mMainPlayer->player()->media();
}

int PlayAreaManager::mainRowId() const
{
    return mMainRowId;
}

PlayerWidget *PlayAreaManager::mainPlayer() const
{
    return mMainPlayer;
}

PlayerWidget *PlayAreaManager::secondPlayer() const
{
    return mSecondPlayer;
}

QList<PlayerWidget *> PlayAreaManager::players() const
{
    QList<PlayerWidget *> list{mMainPlayer};
    if (mSecondPlayer)
        list << mSecondPlayer;
    return list;
}

void PlayAreaManager::play()
{
    QMediaPlayer *mainPlayer = mMainPlayer->player();
    mainPlayer->play();
    if (mSecondPlayer) {
        QMediaPlayer *secondPlayer = mSecondPlayer->player();
        secondPlayer->play();
        secondPlayer->setMuted(true);
        secondPlayer->setPlaybackRate(mainPlayer->playbackRate());
    }
}

void PlayAreaManager::pause()
{
    for (PlayerWidget *widget : players())
        widget->player()->pause();
}

void PlayAreaManager::stop()
{
    for (PlayerWidget *widget : players())
        widget->player()->stop();
}

void PlayAreaManager::seek(int seconds)
{
    for (PlayerWidget *widget : players())
        widget->seekTo(qint64(seconds) * 1000);
}

void PlayAreaManager::setVolume(int volume)
{
    for (PlayerWidget *widget : players())
        widget->player()->setVolume(volume);
}

void PlayAreaManager::setMuted(bool muted)
{
    // The second player always stays silent.
    mMainPlayer->player()->setMuted(muted);
}

void PlayAreaManager::setPlaybackRate(double rate)
{
    for (PlayerWidget *widget : players())
        widget->player()->setPlaybackRate(rate);
    // The player reports its position by the wall clock, once a second by
    // default: at 16x the telemetry would skip 15 seconds of the drive.
    if (rate > 0)
        mMainPlayer->player()->setNotifyInterval(qBound(40, int(1000 / rate), 1000));
}

void PlayAreaManager::screenshot()
{
    if (mMainRowId < 0)
        return;
    const qint64 mainPosition = mMainPlayer->player()->position();
    const qint64 secondPosition = mSecondPlayer ? mSecondPlayer->player()->position() : 0;
    mMainPlayer->screenshot(mainPosition, stillPoint(mMainRowId, mainPosition));
    if (mSecondPlayer && mSecondLoaded)
        mSecondPlayer->screenshot(secondPosition, stillPoint(mSecondRowId, secondPosition));
}

void PlayAreaManager::update()
{
    for (PlayerWidget *widget : players())
        widget->update();
}

void PlayAreaManager::toggleFullScreen()
{
    mMainPlayer->setFullScreen(!mMainPlayer->isFullScreen());
}

void PlayAreaManager::onSliderStatusChanged(bool isSliderDown, int seconds)
{
    qDebug() << "onSliderStatusChanged" << isSliderDown << seconds;
    for (PlayerWidget *widget : players()) {
        if (isSliderDown)
            widget->player()->pause();
        else
            resumeAt(widget, seconds);
    }
}

void PlayAreaManager::resumeAt(PlayerWidget *widget, int seconds)
{
    // Staying on the second already shown avoids a visible jump.
    if (widget->player()->position() / 1000 != seconds)
        widget->seekTo(qint64(seconds) * 1000);
    widget->player()->play();
}

void PlayAreaManager::onPositionChanged(qint64 position)
{
    if (mMainRowId >= 0)
        emit positionChanged(position / 1000, mMainRowId);
}

bool PlayAreaManager::passesDropTest(const QUrl &url)
{
    const QString path = VideoFile::localPath(url);
    return !QFileInfo(path).isDir() && VideoFile::isVideoFileName(path);
}

QList<QUrl> PlayAreaManager::acceptedFiles(const QMimeData *data)
{
    QList<QUrl> files;
    for (const QUrl &url : data->urls()) {
        if (passesDropTest(url))
            files << url;
    }
    return files;
}

void PlayAreaManager::dragEnterEvent(QDragEnterEvent *event)
{
    if (!acceptedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void PlayAreaManager::dropEvent(QDropEvent *event)
{
    // One batch: the first file plays, as with the open dialog.
    const QList<QUrl> files = acceptedFiles(event->mimeData());
    if (!files.isEmpty())
        emit filesDropped(files);
}
