#pragma once

#include "TrackPoint.h"

#include <QMediaPlayer>
#include <QVideoWidget>

class CaptureThread;
class QKeyEvent;
class QLabel;
class QMouseEvent;

// The video surface of one player: owns its media player, switches between
// its place in the play area and full screen, hands Left, Right, Space and
// Enter to the play area while full screen, and queues screenshots of the
// playing file on a worker of its own. A file the media player cannot play
// shows why in place of the picture.
class PlayerWidget : public QVideoWidget
{
    Q_OBJECT
public:
    explicit PlayerWidget(QWidget *parent = nullptr);
    ~PlayerWidget() override;

    // The play area drives the media player directly.
    QMediaPlayer *player();
    const QMediaPlayer *player() const;
    // Moves to `milliseconds`, also while the file is still being prepared:
    // the media framework drops a seek it gets before the file is ready, so
    // such a seek waits and is made as soon as it can be.
    void seekTo(qint64 milliseconds);
    // The screenshot worker while captures are queued, otherwise none.
    CaptureThread *captureThread() const;
    // Where stills go: `folder`, or `fallback` when it is empty or unusable.
    void setScreenshotFolders(const QString &folder, const QString &fallback);
    // Whether stills carry their second's telemetry as EXIF GPS tags.
    void setStillGpsTags(bool on);
    // What is shown in place of the picture, empty while nothing failed.
    QString failureText() const;

signals:
    // Valid only during the emission.
    void keyPressSignals(QKeyEvent *event);
    void stillSaved(const QString &filePath);
    void stillFailed(const QString &folder, const QString &reason);
    void stillFolderReplaced(const QString &folder, const QString &reason, const QString &fallback);
    // The loaded file cannot be played, for `reason`.
    void mediaFailed(const QString &reason);

public slots:
    // A still of the playing file at `position` ms; `point` is that second's
    // telemetry, for the GPS tags.
    void screenshot(qint64 position, const TrackPoint &point = TrackPoint());

private slots:
    void onStateChanged(QMediaPlayer::State newState);
    void onError(QMediaPlayer::Error error);
    void onCaptureThreadFinished();
    void onMediaChanged();
    void makePendingSeek();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void keyPressInFullScreen(QKeyEvent *event);
    void keyPressInPlace(QKeyEvent *event);
    bool canSeek() const;

    QMediaPlayer mPlayer;
    CaptureThread *mCaptureThread = nullptr;
    QString mScreenshotFolder;
    QString mFallbackFolder;
    bool mStillGpsTags = false;
    QLabel *mFailure = nullptr;
    qint64 mPendingSeek = -1;
};
