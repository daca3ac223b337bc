#include "ControlPanel.h"
#include "ui_ControlPanel.h"

#include "SpeedUnit.h"

#include <QAudio>
#include <QFont>
#include <QMenu>
#include <QSignalBlocker>

namespace {

const QString dateTimeFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");
const QString labelFontFamily = QStringLiteral("Calibri");
constexpr int longClipSeconds = 3600;

// The volume slider is perceptual (logarithmic), the player linear; both 0..100.
int playerVolume(int sliderValue)
{
    return qRound(QAudio::convertVolume(sliderValue / 100.0, QAudio::LogarithmicVolumeScale,
                                        QAudio::LinearVolumeScale) * 100.0);
}

int sliderVolume(int playerValue)
{
    return qRound(QAudio::convertVolume(playerValue / 100.0, QAudio::LinearVolumeScale,
                                        QAudio::LogarithmicVolumeScale) * 100.0);
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// "mm:ss", or "hh:mm:ss" for clips longer than an hour.
QString clockText(int seconds, bool withHours)
{
    seconds = qMax(0, seconds);
    const QString minutesAndSeconds = twoDigits(seconds / 60 % 60) + QLatin1Char(':') + twoDigits(seconds % 60);
    if (!withHours)
        return minutesAndSeconds;
    return twoDigits(seconds / 3600) + QLatin1Char(':') + minutesAndSeconds;
}

} // namespace

ControlPanel::ControlPanel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ControlPanel)
{
    qRegisterMetaType<QMediaPlayer::State>("QMediaPlayer::State");
    ui->setupUi(this);
    applyFonts();
    setSpeed(0);
    connectControls();
}

ControlPanel::~ControlPanel()
{
    delete ui;
}

void ControlPanel::applyFonts()
{
    const QFont labelFont(labelFontFamily, 11);
    ui->lbl_GpsDateTime->setFont(labelFont);
    ui->lbl_LongitudeAndLatitude->setFont(labelFont);
    ui->pBtn_SP->setFont(labelFont);
    ui->lbl_PlayTime->setFont(QFont(labelFontFamily, 12));
}

void ControlPanel::connectControls()
{
    // Files, or a whole folder such as a card: the button offers both.
    auto *openMenu = new QMenu(ui->btn_OpenFile);
    openMenu->setStyleSheet(QStringLiteral("QMenu{background: rgb(44, 44, 52); color: rgb(170, 170, 170);}"
                                           "QMenu::item:selected{background: rgb(70, 70, 80);}"));
    mOpenFilesAction = openMenu->addAction(QString(), this, &ControlPanel::openFile);
    mOpenFolderAction = openMenu->addAction(QString(), this, &ControlPanel::openFolder);
    ui->btn_OpenFile->setMenu(openMenu);
    showOpenTexts();
    connect(ui->btn_ScreenShot, &QPushButton::clicked, this, &ControlPanel::screenshot);
    connect(ui->btn_PlayOrPause, &QPushButton::clicked, this, &ControlPanel::playClicked);
    connect(ui->btn_Stop, &QPushButton::clicked, this, &ControlPanel::stop);
    connect(ui->btn_Next, &QPushButton::clicked, this, &ControlPanel::next);
    connect(ui->btn_Previous, &QPushButton::clicked, this, &ControlPanel::previous);
    connect(ui->tBtn_Mute, &QToolButton::clicked, this, &ControlPanel::muteClicked);
    connect(ui->hSlider_Volume, &QSlider::valueChanged, this, &ControlPanel::onVolumeSliderValueChanged);
    connect(ui->hSlider_Seek, &QSlider::sliderMoved, this, &ControlPanel::sliderMoved);
    connect(ui->hSlider_Seek, &QSlider::sliderPressed, this, &ControlPanel::onSliderStatusProcess);
    connect(ui->hSlider_Seek, &QSlider::sliderReleased, this, &ControlPanel::onSliderStatusProcess);
    // A seek like any other: playback decides and the slider shows the outcome.
    connect(ui->hSlider_Seek, &SeekSlider::grooveClicked, this, &ControlPanel::sliderMoved);
    fillRates();
    connect(ui->fcbox_Rate, &FComboBox::activated, this, &ControlPanel::updateRate);
}

// Selected before activated() is connected, so start-up reports no rate.
void ControlPanel::fillRates()
{
    // Slow enough to read a number plate, fast enough to scan a long drive.
    const double rates[] = {0.25, 0.5, 1.0, 2.0, 4.0, 8.0, 16.0};
    for (double rate : rates)
        ui->fcbox_Rate->addItem(QString::number(rate) + QLatin1Char('x'), rate);
    ui->fcbox_Rate->setCurrentIndex(2);
}

void ControlPanel::setDuration(int seconds)
{
    mDuration = seconds;
    ui->hSlider_Seek->setMaximum(seconds);
}

void ControlPanel::setPosition(int seconds)
{
    // Position reports must not fight the user's drag.
    if (!ui->hSlider_Seek->isSliderDown())
        ui->hSlider_Seek->setValue(seconds);

    QString text = QStringLiteral("00:00/00:00");
    if (seconds > 0 || mDuration != 0) {
        const bool withHours = mDuration > longClipSeconds;
        text = clockText(seconds, withHours) + QLatin1Char('/') + clockText(mDuration, withHours);
    }
    showLiveText(ui->lbl_PlayTime, text);
}

void ControlPanel::setGpsDateTime(const QDateTime &time)
{
    showLiveText(ui->lbl_GpsDateTime, time.toString(dateTimeFormat));
}

void ControlPanel::setSpeed(int speed)
{
    mSpeed = speed;
    if (mSpeedUnit == 0) {
        ui->pBtn_SP->setText(tr("%1 km/h").arg(speed, 3, 10, QLatin1Char('0')));
    } else {
        const int mph = SpeedUnit::wholeMilesPerHour(speed);
        ui->pBtn_SP->setText(tr("%1 MPH").arg(mph, 3, 10, QLatin1Char('0')));
    }
    update();
}

void ControlPanel::setLongitudeAndLatitude(const QString &latitude, const QString &longitude)
{
    mNoTelemetry = false;
    showLiveText(ui->lbl_LongitudeAndLatitude, QStringLiteral("%1,%2").arg(latitude, longitude));
}

bool ControlPanel::isMuted() const
{
    return mMuted;
}

QMediaPlayer::State ControlPanel::state() const
{
    return mState;
}

void ControlPanel::resetInfo()
{
    clearTelemetry();
    setPosition(0);
}

void ControlPanel::clearTelemetry()
{
    setLongitudeAndLatitude(QStringLiteral("00.000000"), QStringLiteral("000.000000"));
    setGpsDateTime(QDateTime::currentDateTime());
    setSpeed(0);
}

void ControlPanel::showNoTelemetry()
{
    clearTelemetry();
    // Kept through a language change as the source text, translated on show.
    mNoTelemetry = true;
    showNoTelemetryText();
}

void ControlPanel::showNoTelemetryText()
{
    ui->lbl_LongitudeAndLatitude->setText(tr("No GPS"));
    mLiveTexts.remove(ui->lbl_LongitudeAndLatitude);
}

void ControlPanel::setState(QMediaPlayer::State state)
{
    if (state == mState)
        return;
    mState = state;
    switch (state) {
    case QMediaPlayer::StoppedState:
        ui->btn_Stop->setEnabled(false);
        break;
    case QMediaPlayer::PlayingState:
    case QMediaPlayer::PausedState:
        ui->btn_Stop->setEnabled(true);
        break;
    }
    showPlayingLook();
}

// The play button shows the pause image exactly while the player plays.
void ControlPanel::showPlayingLook()
{
    ui->btn_PlayOrPause->setChecked(mState == QMediaPlayer::PlayingState);
    ui->btn_PlayOrPause->repaint();
}

void ControlPanel::setVolume(int volume)
{
    // The player reports back every volume it is given. When the slider
    // already stands for that volume it stays where the user put it, and a
    // reported volume is never sent back to the player: the conversions are
    // lossy, so an echo would move the slider and change the volume.
    if (playerVolume(ui->hSlider_Volume->value()) == volume)
        return;
    const QSignalBlocker blocker(ui->hSlider_Volume);
    ui->hSlider_Volume->setValue(sliderVolume(volume));
}

void ControlPanel::setMuted(bool muted)
{
    mMuted = muted;
    ui->tBtn_Mute->setChecked(muted);
}

void ControlPanel::setPlaybackRate(float rate)
{
    for (int index = 0; index < ui->fcbox_Rate->count(); ++index) {
        const float entryRate = static_cast<float>(ui->fcbox_Rate->itemData(index).toDouble());
        if (qFuzzyCompare(rate, entryRate)) {
            ui->fcbox_Rate->setCurrentIndex(index);
            return;
        }
    }
}

void ControlPanel::playClicked()
{
    switch (mState) {
    case QMediaPlayer::StoppedState:
    case QMediaPlayer::PausedState:
        emit play();
        break;
    case QMediaPlayer::PlayingState:
        emit pause();
        break;
    }
    // A click toggles the button by itself; its look follows the player's
    // state instead, also when the click changed nothing (no file to play).
    showPlayingLook();
}

void ControlPanel::muteClicked()
{
    emit changeMuting(!mMuted);
    // As with the play button, the look follows the reported muting.
    ui->tBtn_Mute->setChecked(mMuted);
}

void ControlPanel::updateRate()
{
    const int current = ui->fcbox_Rate->currentIndex();
    emit changeRate(ui->fcbox_Rate->itemData(current).toDouble());
}

void ControlPanel::onVolumeSliderValueChanged()
{
    emit changeVolume(playerVolume(ui->hSlider_Volume->value()));
}

void ControlPanel::showOpenTexts()
{
    mOpenFilesAction->setText(tr("Open Files"));
    mOpenFolderAction->setText(tr("Open Folder"));
}

void ControlPanel::setSpeedUnit(int unit)
{
    mSpeedUnit = unit;
    setSpeed(mSpeed);
}

void ControlPanel::retranslate()
{
    // The rate selector first: it reports its entry again, as before.
    ui->fcbox_Rate->retranslate();
    ui->retranslateUi(this);
    showOpenTexts();
    for (auto text = mLiveTexts.cbegin(); text != mLiveTexts.cend(); ++text)
        text.key()->setText(text.value());
    if (mNoTelemetry)
        showNoTelemetryText();
    setSpeed(mSpeed);
}

void ControlPanel::showLiveText(QLabel *label, const QString &text)
{
    label->setText(text);
    mLiveTexts.insert(label, text);
}

void ControlPanel::onSliderStatusProcess()
{
    emit sliderStatusChanged(ui->hSlider_Seek->isSliderDown(), ui->hSlider_Seek->sliderPosition());
}
