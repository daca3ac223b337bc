#pragma once

#include "PlaybackOutput.h"
#include "TrackPoint.h"

#include <QMediaContent>
#include <QMediaPlayer>
#include <QWidget>

#include <functional>

class PlayerWidget;
class QDragEnterEvent;
class QDropEvent;
class QHBoxLayout;
class QKeyEvent;
class QMimeData;

// The video area: one player, or two side by side when a recording's
// second-camera file plays muted beside the main one. It drives both players
// together, reports the main player's state, volume, mute, duration and
// position (in whole seconds, tagged with the playing row), passes on the key
// presses that full-screen players hand over, and accepts dropped video files.
class PlayAreaManager : public QWidget, public PlaybackOutput
{
    Q_OBJECT
public:
    explicit PlayAreaManager(QWidget *parent = nullptr);

    // 1: one player; 2: the main player and a second one to its right.
    void setPlayMode(int mode) override;
    // One player, or two when `secondUrl` is valid; loading does not play.
    void load(int rowId, const QUrl &mainUrl, int secondRowId, const QUrl &secondUrl) override;

    QMediaPlayer::State state() const;
    int volume() const;
    QMediaContent media() const;
    // The main row's id, or -1 before the first load.
    int mainRowId() const;
    // Whether a dragged URL is taken as a video file: not a folder, and its
    // text ends in mp4, mov or avi (any case, no dot needed).
    static bool passesDropTest(const QUrl &url);

    // Where stills go: `folder`, or `fallback` when it is empty or unusable.
    void setScreenshotFolders(const QString &folder, const QString &fallback);
    // Whether stills carry their second's telemetry as EXIF GPS tags, and
    // where that telemetry comes from: the point of a row's second (a point
    // without a fix when there is none).
    using StillPointSource = std::function<TrackPoint(int rowId, int second)>;
    void setStillGpsTags(bool on);
    void setStillPointSource(const StillPointSource &source);

    PlayerWidget *mainPlayer() const;
    // Present only in two-player mode.
    PlayerWidget *secondPlayer() const;

signals:
    void stateChanged(QMediaPlayer::State newState);
    void volumeChanged(int volume);
    void mutedChanged(bool muted);
    void durationChanged(qint64 duration);
    void mediaStatusChanged(QMediaPlayer::MediaStatus status);
    void positionChanged(qint64 second, int rowId);
    // Valid only during the emission.
    void keyPressSignals(QKeyEvent *event);
    void filesDropped(const QList<QUrl> &files);
    // Each still of either player: saved, not saved, or saved elsewhere.
    void stillSaved(const QString &filePath);
    void stillFailed(const QString &folder, const QString &reason);
    void stillFolderReplaced(const QString &folder, const QString &reason, const QString &fallback);
    // The row's file, loaded in either player, cannot be played.
    void mediaFailed(int rowId, const QString &reason);

public slots:
    void play() override;
    void pause() override;
    void stop() override;
    void seek(int seconds) override;
    void setVolume(int volume);
    void setMuted(bool muted);
    void setPlaybackRate(double rate);
    void screenshot();
    void update();
    // The main video to full screen, or back into its place.
    void toggleFullScreen();
    void onSliderStatusChanged(bool isSliderDown, int seconds);

private slots:
    void onPositionChanged(qint64 position);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void connectPlayerWidget(PlayerWidget *widget);
    void createSecondPlayer();
    void removeSecondPlayer();
    QList<PlayerWidget *> players() const;
    static void resumeAt(PlayerWidget *widget, int seconds);
    static QList<QUrl> acceptedFiles(const QMimeData *data);
    TrackPoint stillPoint(int rowId, qint64 position) const;

    QHBoxLayout *mPlayerLayout = nullptr;
    PlayerWidget *mMainPlayer = nullptr;
    PlayerWidget *mSecondPlayer = nullptr;
    int mMainRowId = -1;
    int mSecondRowId = -1;
    bool mSecondLoaded = false;
    QString mScreenshotFolder;
    QString mFallbackFolder;
    bool mStillGpsTags = false;
    StillPointSource mStillPoints;
};
