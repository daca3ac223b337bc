#pragma once

#include <QMediaPlayer>
#include <QVideoWidget>

class CaptureThread;
class QKeyEvent;
class QMouseEvent;

// The video surface of one player: owns its media player, switches between
// its place in the play area and full screen, hands Left, Right and Space to
// the play area while full screen, and queues screenshots of the playing file
// on a worker of its own.
class PlayerWidget : public QVideoWidget
{
    Q_OBJECT
public:
    explicit PlayerWidget(QWidget *parent = nullptr);
    ~PlayerWidget() override;

    // The play area drives the media player directly.
    QMediaPlayer *player();
    const QMediaPlayer *player() const;
    // The screenshot worker while captures are queued, otherwise none.
    CaptureThread *captureThread() const;

signals:
    // Valid only during the emission.
    void keyPressSignals(QKeyEvent *event);

public slots:
    void screenshot(qint64 position);

private slots:
    void onStateChanged(QMediaPlayer::State newState);
    void onError(QMediaPlayer::Error error);
    void onCaptureThreadFinished();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keyPressInFullScreen(QKeyEvent *event);
    void keyPressInPlace(QKeyEvent *event);

    QMediaPlayer mPlayer;
    CaptureThread *mCaptureThread = nullptr;
};
