#include "Configuration.h"
#include "ControlPanel.h"
#include "ImageResources.h"
#include "MarkingTranslator.h"
#include "SkinImages.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

template<typename Child = QWidget>
Child *part(const ControlPanel &panel, const char *name)
{
    return panel.findChild<Child *>(QLatin1String(name));
}

QString text(const ControlPanel &panel, const char *label)
{
    return part<QLabel>(panel, label)->text();
}

QList<QVariant> firstArguments(const QSignalSpy &spy)
{
    QList<QVariant> values;
    for (const QList<QVariant> &arguments : spy)
        values.append(arguments.at(0));
    return values;
}

QPoint handleCentre(QSlider *slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider).center();
}

} // namespace

class ControlPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ImageResources::initialise(); }
    void init();
    void cleanup() { mPanel.reset(); }
    void playTime_data();
    void playTime();
    void speedText_data();
    void speedText();
    void buttons_data();
    void buttons();
    void playSkinFollowsState();
    void muteFollowsReportedMuting();
    void volumeIsNotEchoed();
    void seekBy_data();
    void seekBy();
    void seekHandle();
    void rate_data();
    void rate();
    void idleTexts();
    void languageChange();
    void skinImagesExist() { QCOMPARE(missingSkinImages(mPanel.get()), QStringList()); }

private:
    std::unique_ptr<ControlPanel> mPanel;
};

void ControlPanelTest::init()
{
    Configuration::instance()->setSpeedUnit(0);
    mPanel = std::make_unique<ControlPanel>();
    mPanel->show();
    QVERIFY(QTest::qWaitForWindowExposed(mPanel.get()));
}

void ControlPanelTest::playTime_data()
{
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("handleHeld");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("nextCount");

    QTest::newRow("nothing loaded") << 0 << 0 << false << "00:00/00:00" << 0;
    QTest::newRow("start") << 180 << 0 << false << "00:00/03:00" << 0;
    QTest::newRow("middle") << 180 << 65 << false << "01:05/03:00" << 0;
    QTest::newRow("end") << 180 << 180 << false << "03:00/03:00" << 1;
    QTest::newRow("handle held") << 180 << 65 << true << "01:05/03:00" << 0;
    QTest::newRow("duration unknown") << 0 << 5 << false << "00:05/00:00" << 0;
    QTest::newRow("one hour is short") << 3600 << 3600 << false << "00:00/00:00" << 1;
    QTest::newRow("over an hour") << 3601 << 0 << false << "00:00:00/01:00:01" << 0;
    QTest::newRow("end of a long clip") << 3601 << 3601 << false << "01:00:01/01:00:01" << 1;
    QTest::newRow("over a day") << 100000 << 90061 << false << "25:01:01/27:46:40" << 0;
}

void ControlPanelTest::playTime()
{
    QFETCH(int, duration);
    QFETCH(int, position);
    QFETCH(bool, handleHeld);
    auto *slider = part<QSlider>(*mPanel, "hSlider_Seek");
    QSignalSpy next(mPanel.get(), &ControlPanel::next);
    mPanel->setDuration(duration);
    slider->setSliderDown(handleHeld);

    mPanel->setPosition(position);

    QTEST(text(*mPanel, "lbl_PlayTime"), "text");
    QTEST(next.count(), "nextCount");
    // Position reports never move the handle the user holds.
    QCOMPARE(slider->value(), handleHeld ? 0 : qMin(position, duration));
}

void ControlPanelTest::speedText_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("text");

    QTest::newRow("km/h") << 0 << 100 << "100 km/h";
    QTest::newRow("km/h padded") << 0 << 5 << "005 km/h";
    QTest::newRow("km/h wider than three") << 0 << 1234 << "1234 km/h";
    QTest::newRow("mph truncated") << 1 << 100 << "062 MPH";
    QTest::newRow("mph below one") << 1 << 1 << "000 MPH";
    QTest::newRow("any other unit is mph") << 7 << 161 << "100 MPH";
}

void ControlPanelTest::speedText()
{
    QFETCH(int, unit);
    QFETCH(int, speed);
    Configuration::instance()->setSpeedUnit(unit);
    mPanel->setSpeed(speed);
    QTEST(text(*mPanel, "pBtn_SP"), "text");
}

void ControlPanelTest::buttons_data()
{
    QTest::addColumn<QMediaPlayer::State>("state");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("signal");

    const auto playing = QMediaPlayer::PlayingState;
    QTest::newRow("open") << playing << "btn_OpenFile" << "openFile";
    QTest::newRow("capture") << playing << "btn_ScreenShot" << "screenshot";
    QTest::newRow("previous") << playing << "btn_Previous" << "previous";
    QTest::newRow("next") << playing << "btn_Next" << "next";
    QTest::newRow("stop") << playing << "btn_Stop" << "stop";
    QTest::newRow("play while stopped") << QMediaPlayer::StoppedState << "btn_PlayOrPause" << "play";
    QTest::newRow("pause while playing") << playing << "btn_PlayOrPause" << "pause";
    QTest::newRow("play while paused") << QMediaPlayer::PausedState << "btn_PlayOrPause" << "play";
}

void ControlPanelTest::buttons()
{
    QFETCH(QMediaPlayer::State, state);
    QFETCH(QString, button);
    QFETCH(QString, signal);
    mPanel->setState(state);
    const QStringList names{"openFile", "screenshot", "previous", "next", "stop", "play", "pause"};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const QString &name : names)
        spies.push_back(std::make_unique<QSignalSpy>(mPanel.get(), ("2" + name.toLatin1() + "()").constData()));

    QTest::mouseClick(part<QAbstractButton>(*mPanel, button.toLatin1().constData()), Qt::LeftButton);

    QStringList emitted; // one name per emission
    for (int i = 0; i < names.size(); ++i)
        for (int count = spies[size_t(i)]->count(); count > 0; --count)
            emitted += names[i];
    QCOMPARE(emitted, QStringList(signal));
}

void ControlPanelTest::playSkinFollowsState()
{
    auto *play = part<QPushButton>(*mPanel, "btn_PlayOrPause");
    auto *stop = part<QPushButton>(*mPanel, "btn_Stop");

    // Nothing to play: the click leaves the player stopped and the play image.
    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(!play->isChecked());

    // A player that starts at once turns the button to pause.
    connect(mPanel.get(), &ControlPanel::play, mPanel.get(),
            [this] { mPanel->setState(QMediaPlayer::PlayingState); });
    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(play->isChecked());
    QVERIFY(stop->isEnabled());

    mPanel->setState(QMediaPlayer::PausedState);
    QVERIFY(!play->isChecked());
    QVERIFY(stop->isEnabled());
    mPanel->setState(QMediaPlayer::StoppedState);
    QVERIFY(!stop->isEnabled());
}

void ControlPanelTest::muteFollowsReportedMuting()
{
    auto *mute = part<QToolButton>(*mPanel, "tBtn_Mute");
    QSignalSpy muting(mPanel.get(), &ControlPanel::changeMuting);

    QTest::mouseClick(mute, Qt::LeftButton); // no player answers
    QVERIFY(!mute->isChecked());
    mPanel->setMuted(true);
    QVERIFY(mPanel->isMuted());
    QVERIFY(mute->isChecked());
    QTest::mouseClick(mute, Qt::LeftButton);

    QCOMPARE(firstArguments(muting), (QList<QVariant>{true, false}));
    QVERIFY(mute->isChecked()); // muted until the player says otherwise
}

// The conversions between the slider's perceptual and the player's linear
// volume are lossy, so a reported volume sent back would move the slider and
// the volume, or never settle with a player that stores another value.
void ControlPanelTest::volumeIsNotEchoed()
{
    auto *slider = part<QSlider>(*mPanel, "hSlider_Volume");
    QSignalSpy volume(mPanel.get(), &ControlPanel::changeVolume);
    const auto exact = connect(mPanel.get(), &ControlPanel::changeVolume, mPanel.get(), &ControlPanel::setVolume);
    for (int position = 0; position <= 100; ++position) {
        slider->setValue(position);
        QCOMPARE(slider->value(), position);
    }
    QCOMPARE(volume.count(), 101); // once per position, the first from 30 to 0
    QCOMPARE(volume.first().at(0).toInt(), 0);
    QCOMPARE(volume.last().at(0).toInt(), 100);
    QCOMPARE(volume.at(30).at(0).toInt(), 8);
    for (int i = 1; i < volume.count(); ++i)
        QVERIFY(volume.at(i).at(0).toInt() >= volume.at(i - 1).at(0).toInt());
    disconnect(exact);

    connect(mPanel.get(), &ControlPanel::changeVolume, mPanel.get(),
            [this](int given) { mPanel->setVolume(qMax(0, given - 1)); });
    for (int position = 100; position >= 0; --position) {
        volume.clear();
        slider->setValue(position);
        QVERIFY(volume.count() <= 1);
    }

    volume.clear();
    for (int reported = 0; reported <= 100; ++reported) {
        mPanel->setVolume(reported);
        const int position = slider->value();
        mPanel->setVolume(reported);
        QCOMPARE(slider->value(), position);
    }
    QCOMPARE(volume.count(), 0);
}

void ControlPanelTest::seekBy_data()
{
    QTest::addColumn<QMediaPlayer::State>("state");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QList<QVariant>>("emitted");

    const auto playing = QMediaPlayer::PlayingState;
    QTest::newRow("forward") << playing << 10 << 1 << QList<QVariant>{11};
    QTest::newRow("back while paused") << QMediaPlayer::PausedState << 10 << -1 << QList<QVariant>{9};
    QTest::newRow("back from the start") << playing << 0 << -1 << QList<QVariant>{};
    QTest::newRow("onto the end") << playing << 59 << 1 << QList<QVariant>{60};
    QTest::newRow("past the end") << playing << 60 << 1 << QList<QVariant>{};
    QTest::newRow("stopped") << QMediaPlayer::StoppedState << 10 << 1 << QList<QVariant>{};
}

void ControlPanelTest::seekBy()
{
    QFETCH(QMediaPlayer::State, state);
    QFETCH(int, position);
    QFETCH(int, delta);
    mPanel->setState(state);
    mPanel->setDuration(60);
    mPanel->setPosition(position);
    QSignalSpy moved(mPanel.get(), &ControlPanel::sliderMoved);

    mPanel->seekBy(delta);

    QTEST(firstArguments(moved), "emitted");
}

void ControlPanelTest::seekHandle()
{
    auto *slider = part<QSlider>(*mPanel, "hSlider_Seek");
    mPanel->setDuration(100);
    mPanel->setPosition(50);
    QSignalSpy status(mPanel.get(), &ControlPanel::sliderStatusChanged);
    QSignalSpy moved(mPanel.get(), &ControlPanel::sliderMoved);

    const QPoint grab = handleCentre(slider);
    const QPoint end(slider->width() - 1, grab.y());
    QTest::mousePress(slider, Qt::LeftButton, {}, grab);
    QMouseEvent drag(QEvent::MouseMove, end, slider->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(slider, &drag);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, end);

    QCOMPARE(status.count(), 2);
    QCOMPARE(status.at(0), (QList<QVariant>{true, 50}));
    QCOMPARE(status.at(1), (QList<QVariant>{false, 100}));
    QCOMPARE(firstArguments(moved), QList<QVariant>{100});
}

// From code, or "U"/"D" for the selector's Up and Down buttons.
void ControlPanelTest::rate_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<QVariant>>("emitted");

    QTest::newRow("double") << "2" << "2.0x" << QList<QVariant>{2.0};
    QTest::newRow("half") << "0.5" << "0.5x" << QList<QVariant>{0.5};
    QTest::newRow("normal again") << "1" << "1.0x" << QList<QVariant>{1.0};
    QTest::newRow("not offered") << "1.5" << "1.0x" << QList<QVariant>{};
    QTest::newRow("zero") << "0" << "1.0x" << QList<QVariant>{};
    QTest::newRow("slower") << "U" << "0.5x" << QList<QVariant>{0.5};
    QTest::newRow("quicker") << "D" << "2.0x" << QList<QVariant>{2.0};
}

void ControlPanelTest::rate()
{
    QFETCH(QString, action);
    QSignalSpy changed(mPanel.get(), &ControlPanel::changeRate);

    if (action == QLatin1String("U") || action == QLatin1String("D"))
        QTest::mouseClick(part(*mPanel, action == QLatin1String("U") ? "pBtn_Up" : "pBtn_Down"), Qt::LeftButton);
    else
        mPanel->setPlaybackRate(action.toFloat());

    QTEST(text(*mPanel, "lbl_Text"), "shown");
    QTEST(firstArguments(changed), "emitted");
}

void ControlPanelTest::idleTexts()
{
    mPanel->setDuration(60);
    mPanel->setPosition(30);
    mPanel->setLongitudeAndLatitude(QStringLiteral("N22.543210"), QStringLiteral("E113.912345"));
    QCOMPARE(text(*mPanel, "lbl_LongitudeAndLatitude"), QStringLiteral("N22.543210,E113.912345"));
    mPanel->setSpeed(56);
    mPanel->setGpsDateTime(QDateTime());
    QVERIFY(text(*mPanel, "lbl_GpsDateTime").isEmpty());
    int positionAtStop = -1;
    connect(mPanel.get(), &ControlPanel::stop, mPanel.get(),
            [&] { positionAtStop = part<QSlider>(*mPanel, "hSlider_Seek")->value(); });

    mPanel->stopAndRewind();
    QCOMPARE(positionAtStop, 30);
    QCOMPARE(text(*mPanel, "lbl_PlayTime"), QStringLiteral("00:00/01:00"));
    mPanel->setDuration(0);
    mPanel->resetInfo();

    QCOMPARE(text(*mPanel, "lbl_LongitudeAndLatitude"), QStringLiteral("00.000000,000.000000"));
    QCOMPARE(text(*mPanel, "pBtn_SP"), QStringLiteral("000 km/h"));
    QCOMPARE(text(*mPanel, "lbl_PlayTime"), QStringLiteral("00:00/00:00"));
    QVERIFY(QDateTime::fromString(text(*mPanel, "lbl_GpsDateTime"), QStringLiteral("yyyy/MM/dd hh:mm:ss")).isValid());
}

// Translated form texts come back; the values shown by the display calls
// stay; the speed is rewritten in the translated text of the configured unit.
void ControlPanelTest::languageChange()
{
    Configuration::instance()->setSpeedUnit(1);
    mPanel->setDuration(180);
    mPanel->setPosition(65);
    mPanel->setSpeed(100);
    QSignalSpy rate(mPanel.get(), &ControlPanel::changeRate);
    MarkingTranslator translator({"ControlPanel", "FComboBox"});
    QCoreApplication::installTranslator(&translator);

    emit Configuration::instance()->updateLanguage();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(part(*mPanel, "btn_PlayOrPause")->toolTip(), QStringLiteral("[Play]"));
    QCOMPARE(part(*mPanel, "tBtn_Mute")->toolTip(), QStringLiteral("[Volume]"));
    QCOMPARE(text(*mPanel, "lbl_LongitudeAndLatitude"), QStringLiteral("[N00.000000,E000.000000]"));
    QCOMPARE(text(*mPanel, "lbl_PlayTime"), QStringLiteral("01:05/03:00"));
    QCOMPARE(text(*mPanel, "pBtn_SP"), QStringLiteral("[062 MPH]"));
    QCOMPARE(firstArguments(rate), QList<QVariant>{1.0});
}

QTEST_MAIN(ControlPanelTest)
#include "tst_controlpanel.moc"
