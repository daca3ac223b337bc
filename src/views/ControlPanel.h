#pragma once

#include <QDateTime>
#include <QHash>
#include <QMediaPlayer>
#include <QWidget>

class QAction;
class QLabel;

namespace Ui {
class ControlPanel;
}

// The bar under the video: GPS date and time, speed, position and play time
// texts, the seek slider, the file, capture and transport buttons, the rate
// selector, mute and volume. It never touches a media player: user actions
// leave as its signals, and the player's state comes back through its slots.
class ControlPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ControlPanel(QWidget *parent = nullptr);
    ~ControlPanel() override;

    // Length of the current file; the seek slider runs from 0 to it.
    void setDuration(int seconds);
    // Moves the seek slider (unless the user holds it) and writes the play time.
    void setPosition(int seconds);
    void setGpsDateTime(const QDateTime &time);
    // `speed` in km/h, shown in the unit last set.
    void setSpeed(int speed);
    void setLongitudeAndLatitude(const QString &latitude, const QString &longitude);
    bool isMuted() const;
    QMediaPlayer::State state() const;
    // The texts shown while nothing plays.
    void resetInfo();
    // The telemetry texts of a file whose first sample has not arrived.
    void clearTelemetry();
    // A file that holds no telemetry at all says so.
    void showNoTelemetry();

signals:
    void openFile();
    void openFolder();
    void screenshot();
    void play();
    void pause();
    void stop();
    void next();
    void previous();
    void changeVolume(int volume);
    void changeMuting(bool muting);
    void changeRate(double rate);
    void sliderMoved(int position);
    void sliderStatusChanged(bool isSliderDown, int seconds);

public slots:
    void setState(QMediaPlayer::State state);
    void setVolume(int volume);
    void setMuted(bool muted);
    void setPlaybackRate(float rate);
    void playClicked();
    // 0: kilometres per hour; any other value: miles per hour.
    void setSpeedUnit(int unit);
    // Re-applies the texts in the interface language now installed; the
    // values shown stay.
    void retranslate();

private slots:
    void muteClicked();
    void updateRate();
    void onVolumeSliderValueChanged();
    void onSliderStatusProcess();

private:
    void applyFonts();
    void connectControls();
    void fillRates();
    void showPlayingLook();
    void showLiveText(QLabel *label, const QString &text);
    void showNoTelemetryText();
    void showOpenTexts();

    Ui::ControlPanel *ui;
    QAction *mOpenFilesAction = nullptr;
    QAction *mOpenFolderAction = nullptr;
    QMediaPlayer::State mState = QMediaPlayer::StoppedState;
    bool mMuted = false;
    int mDuration = 0;
    // What the display calls last wrote, re-applied after a language change
    // so that the form's placeholders do not replace live values.
    int mSpeed = 0;
    int mSpeedUnit = 0;
    QHash<QLabel *, QString> mLiveTexts;
    bool mNoTelemetry = false;
};
