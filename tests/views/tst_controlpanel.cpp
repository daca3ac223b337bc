#include "Configuration.h"
#include "ControlPanel.h"
#include "ImageResources.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

// Brackets every text, to show which texts the widgets take through the translator.
struct MarkingTranslator : QTranslator {
    QString translate(const char *, const char *text, const char *, int) const override
    {
        return *text ? QLatin1Char('[') + QString::fromUtf8(text) + QLatin1Char(']') : QString();
    }
    bool isEmpty() const override { return false; }
};

using Calls = QList<QList<QVariant>>; // one argument list per emission

template<typename Child = QWidget>
Child *part(const QWidget &parent, const char *name) { return parent.findChild<Child *>(QLatin1String(name)); }
QString text(const QWidget &parent, const char *label) { return part<QLabel>(parent, label)->text(); }

} // namespace

// The control bar with its rate selector, offscreen.
class ControlPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ImageResources::initialise(); }
    void init();
    void playTime_data();
    void playTime();
    void buttonsFollowReportedState();
    void volumeIsNotEchoed();
    void seekBy_data();
    void seekBy();
    void rate_data();
    void rate();
    void languageChange_data();
    void languageChange();

private:
    std::unique_ptr<ControlPanel> mPanel;
};

void ControlPanelTest::init()
{
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
    QTest::newRow("middle, handle held") << 180 << 65 << true << "01:05/03:00" << 0;
    QTest::newRow("end asks for the next file") << 180 << 180 << false << "03:00/03:00" << 1;
    QTest::newRow("one hour is short") << 3600 << 3600 << false << "00:00/00:00" << 1;
    QTest::newRow("over an hour, past a day") << 100000 << 90061 << false << "25:01:01/27:46:40" << 0;
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

// The one button plays or pauses by the reported state. Clicks toggle
// checkable buttons by themselves; the play/pause and mute looks follow what
// the player reports, also when a click changed nothing.
void ControlPanelTest::buttonsFollowReportedState()
{
    auto *play = part<QAbstractButton>(*mPanel, "btn_PlayOrPause");
    auto *stop = part(*mPanel, "btn_Stop");
    auto *mute = part<QAbstractButton>(*mPanel, "tBtn_Mute");
    QSignalSpy plays(mPanel.get(), &ControlPanel::play);
    QSignalSpy pauses(mPanel.get(), &ControlPanel::pause);
    QSignalSpy muting(mPanel.get(), &ControlPanel::changeMuting);
    QTest::mouseClick(play, Qt::LeftButton); // nothing to play
    QTest::mouseClick(mute, Qt::LeftButton); // no player answers
    QVERIFY(!play->isChecked() && !mute->isChecked() && plays.count() == 1);

    // A player that starts at once turns the button to pause.
    connect(mPanel.get(), &ControlPanel::play, mPanel.get(), [this] { mPanel->setState(QMediaPlayer::PlayingState); });
    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(play->isChecked() && stop->isEnabled() && plays.count() == 2);
    QTest::mouseClick(play, Qt::LeftButton); // no player answers
    QVERIFY(play->isChecked() && pauses.count() == 1 && plays.count() == 2);
    mPanel->setState(QMediaPlayer::PausedState);
    QVERIFY(!play->isChecked() && stop->isEnabled());
    mPanel->setState(QMediaPlayer::StoppedState);
    QVERIFY(!stop->isEnabled());
    mPanel->setMuted(true);
    QTest::mouseClick(mute, Qt::LeftButton);
    QCOMPARE(Calls(muting), (Calls{{true}, {false}}));
    QVERIFY(mute->isChecked()); // muted until the player says otherwise
}

// The slider is perceptual, the player linear, and the conversions are lossy:
// a reported volume sent back would move the slider and the volume, or never
// settle with a player that stores another value.
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
    QTest::addColumn<Calls>("emitted");
    const auto playing = QMediaPlayer::PlayingState;
    QTest::newRow("back while paused") << QMediaPlayer::PausedState << 10 << -1 << Calls{{9}};
    QTest::newRow("back from the start") << playing << 0 << -1 << Calls{};
    QTest::newRow("past the end") << playing << 60 << 1 << Calls{};
    QTest::newRow("stopped") << QMediaPlayer::StoppedState << 10 << 1 << Calls{};
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
    QTEST(Calls(moved), "emitted");
}

void ControlPanelTest::rate_data()
{
    QTest::addColumn<QStringList>("actions"); // from 1.0x: buttons clicked or rates set from code
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("upEnabled");
    QTest::addColumn<bool>("downEnabled");
    QTest::addColumn<Calls>("emitted");
    QTest::newRow("slower stops at the first") << QStringList{"pBtn_Up", "pBtn_Up"} << "0.5x" << false << true << Calls{{0.5}};
    QTest::newRow("quicker stops at the last") << QStringList{"pBtn_Down", "pBtn_Down"} << "2.0x" << true << false << Calls{{2.0}};
    QTest::newRow("rates from code, those not offered ignored")
        << QStringList{"0.5", "1.5", "0", "2"} << "2.0x" << true << false << Calls{{0.5}, {2.0}};
    QTest::newRow("same rate reported again") << QStringList{"1"} << "1.0x" << true << true << Calls{{1.0}};
}

void ControlPanelTest::rate()
{
    QFETCH(QStringList, actions);
    QSignalSpy changed(mPanel.get(), &ControlPanel::changeRate);
    for (const QString &action : actions) {
        if (action.startsWith(QLatin1String("pBtn")))
            QTest::mouseClick(part(*mPanel, qPrintable(action)), Qt::LeftButton);
        else
            mPanel->setPlaybackRate(action.toFloat());
    }
    QTEST(text(*mPanel, "lbl_Text"), "shown");
    QTEST(part(*mPanel, "pBtn_Up")->isEnabled(), "upEnabled");
    QTEST(part(*mPanel, "pBtn_Down")->isEnabled(), "downEnabled");
    QTEST(Calls(changed), "emitted");
}

void ControlPanelTest::languageChange_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("speedText");
    QTest::newRow("km/h padded") << 0 << 5 << "[005 km/h]";
    QTest::newRow("any other unit is mph, truncated") << 7 << 100 << "[062 MPH]";
}

// Translated form texts come back; the values shown by the display calls
// stay; the speed is rewritten in the translated text of the configured unit.
void ControlPanelTest::languageChange()
{
    QFETCH(int, unit);
    QFETCH(int, speed);
    Configuration::instance()->setSpeedUnit(unit);
    mPanel->setDuration(180);
    mPanel->setPosition(65);
    mPanel->setSpeed(speed);
    QSignalSpy rate(mPanel.get(), &ControlPanel::changeRate);
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    emit Configuration::instance()->updateLanguage();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(part(*mPanel, "btn_PlayOrPause")->toolTip(), QStringLiteral("[Play]"));
    QCOMPARE(text(*mPanel, "lbl_LongitudeAndLatitude"), QStringLiteral("[N00.000000,E000.000000]"));
    QCOMPARE(text(*mPanel, "lbl_PlayTime"), QStringLiteral("01:05/03:00"));
    QTEST(text(*mPanel, "pBtn_SP"), "speedText");
    QCOMPARE(Calls(rate), Calls{{1.0}});
}

QTEST_MAIN(ControlPanelTest)
#include "tst_controlpanel.moc"
