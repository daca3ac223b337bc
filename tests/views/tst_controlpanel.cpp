#include "ControlPanel.h"
#include "ImageResources.h"

#include <QtTest>
#include <QtWidgets>

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

class ControlPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ImageResources::initialise(); }
    void init()
    {
        mPanel.reset(new ControlPanel);
        mPanel->show();
        QVERIFY(QTest::qWaitForWindowExposed(mPanel.data()));
    }

    void playTime_data()
    {
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("handleHeld");
        QTest::addColumn<QString>("text");
        QTest::newRow("middle, handle held") << 180 << 65 << true << "01:05/03:00";
        QTest::newRow("end") << 180 << 180 << false << "03:00/03:00";
        QTest::newRow("one hour is short") << 3600 << 3600 << false << "00:00/00:00";
        QTest::newRow("over an hour, past a day") << 100000 << 90061 << false << "25:01:01/27:46:40";
    }
    void playTime()
    {
        QFETCH(int, duration);
        QFETCH(int, position);
        QFETCH(bool, handleHeld);
        auto *slider = part<QSlider>(*mPanel, "hSlider_Seek");
        QSignalSpy next(mPanel.data(), &ControlPanel::next);
        mPanel->setDuration(duration);
        slider->setSliderDown(handleHeld);
        mPanel->setPosition(position);
        QTEST(text(*mPanel, "lbl_PlayTime"), "text");
        QCOMPARE(next.count(), 0); // the end of a file is not the bar's to act on
        QCOMPARE(slider->value(), handleHeld ? 0 : qMin(position, duration)); // the held handle stays
    }

    // Clicks toggle checkable buttons by themselves; the play/pause and mute
    // looks follow what the player reports, also when a click changed nothing.
    void buttonsFollowReportedState()
    {
        auto *play = part<QAbstractButton>(*mPanel, "btn_PlayOrPause");
        auto *stop = part(*mPanel, "btn_Stop");
        auto *mute = part<QAbstractButton>(*mPanel, "tBtn_Mute");
        QSignalSpy plays(mPanel.data(), &ControlPanel::play);
        QSignalSpy pauses(mPanel.data(), &ControlPanel::pause);
        QSignalSpy muting(mPanel.data(), &ControlPanel::changeMuting);
        QTest::mouseClick(play, Qt::LeftButton); // nothing to play
        QTest::mouseClick(mute, Qt::LeftButton); // no player answers
        QVERIFY(!play->isChecked() && !mute->isChecked() && plays.count() == 1);
        // A player that starts at once turns the button to pause.
        connect(mPanel.data(), &ControlPanel::play, mPanel.data(), [this] { mPanel->setState(QMediaPlayer::PlayingState); });
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

    // The slider is perceptual, the player linear, and the conversions are
    // lossy: a reported volume sent back would move the slider and the volume.
    void volumeIsNotEchoed()
    {
        auto *slider = part<QSlider>(*mPanel, "hSlider_Volume");
        QSignalSpy volume(mPanel.data(), &ControlPanel::changeVolume);
        connect(mPanel.data(), &ControlPanel::changeVolume, mPanel.data(), &ControlPanel::setVolume);
        for (int position = 0; position <= 100; ++position) {
            slider->setValue(position);
            QCOMPARE(slider->value(), position);
        }
        QCOMPARE(volume.count(), 101); // once per position
    }

    void rate_data()
    {
        QTest::addColumn<QStringList>("actions"); // from 1.0x: buttons clicked or rates set from code
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<bool>>("enabled"); // up, down
        QTest::addColumn<Calls>("emitted");
        using On = QList<bool>;
        // Rates 0.25x, 0.5x, 1x, 2x, 4x, 8x and 16x, starting at 1x.
        QTest::newRow("down is slower, to the slowest") << QStringList{"pBtn_Down", "pBtn_Down", "pBtn_Down"}
            << "0.25x" << On{true, false} << Calls{{0.5}, {0.25}};
        QTest::newRow("up is faster, to the fastest") << QStringList{"pBtn_Up", "pBtn_Up", "pBtn_Up", "pBtn_Up", "pBtn_Up"} << "16x" << On{false, true}
            << Calls{{2.0}, {4.0}, {8.0}, {16.0}};
        QTest::newRow("rates from code, those not offered ignored")
            << QStringList{"0.5", "1.5", "0", "2", "pBtn_Up"} << "4x" << On{true, true} << Calls{{0.5}, {2.0}, {4.0}};
        QTest::newRow("same rate reported again") << QStringList{"1"} << "1x" << On{true, true} << Calls{{1.0}};
    }
    void rate()
    {
        QFETCH(QStringList, actions);
        QSignalSpy changed(mPanel.data(), &ControlPanel::changeRate);
        for (const QString &action : actions)
            if (action.startsWith(QLatin1String("pBtn")))
                QTest::mouseClick(part(*mPanel, qPrintable(action)), Qt::LeftButton);
            else
                mPanel->setPlaybackRate(action.toFloat());
        QTEST(text(*mPanel, "lbl_Text"), "shown");
        QTEST((QList<bool>{part(*mPanel, "pBtn_Up")->isEnabled(), part(*mPanel, "pBtn_Down")->isEnabled()}), "enabled");
        QTEST(Calls(changed), "emitted");
    }

    void grooveClickSeeks_data()
    {
        QTest::addColumn<int>("position"); // of the handle, of 100 seconds
        QTest::addColumn<double>("at");    // where the click lands, 0 left end, 1 right end
        QTest::addColumn<Calls>("moved");
        QTest::addColumn<int>("handlePresses");
        QTest::newRow("left end") << 100 << 0.0 << Calls{{0}} << 0;
        QTest::newRow("right end") << 0 << 1.0 << Calls{{100}} << 0;
        QTest::newRow("the handle is grabbed as before") << 50 << 0.5 << Calls{} << 1;
    }
    // A click on the groove asks at once for the point under the pointer;
    // the slider moves only when playback says it is there.
    void grooveClickSeeks()
    {
        QFETCH(int, position);
        QFETCH(double, at);
        QFETCH(Calls, moved);
        auto *slider = part<QSlider>(*mPanel, "hSlider_Seek");
        mPanel->setDuration(100);
        mPanel->setPosition(position);
        QSignalSpy seeks(mPanel.data(), &ControlPanel::sliderMoved);
        QSignalSpy grabs(mPanel.data(), &ControlPanel::sliderStatusChanged);
        const int x = qBound(1, int(at * slider->width()), slider->width() - 2);
        QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, slider->height() / 2));
        QCOMPARE(Calls(seeks), moved);
        QTEST(int(grabs.count()) / 2, "handlePresses"); // a press and a release each
        QCOMPARE(slider->value(), position);
    }

    // Translated form texts come back; the values shown by the display calls stay; the speed, padded, is
    // rewritten in the translated text of the unit set after it. A file without telemetry says so, in the
    // interface language, and shows nothing of the file before; a sample of the next file replaces it.
    void languageChange()
    {
        mPanel->setSpeedUnit(0);
        mPanel->setSpeed(5);
        QCOMPARE(text(*mPanel, "pBtn_SP"), QStringLiteral("005 km/h"));
        mPanel->setSpeedUnit(7); // any other unit is mph, truncated
        mPanel->setSpeed(100);
        mPanel->setDuration(180);
        mPanel->setPosition(65);
        QSignalSpy rate(mPanel.data(), &ControlPanel::changeRate);
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        mPanel->retranslate();
        QCOMPARE(part(*mPanel, "btn_PlayOrPause")->toolTip(), QStringLiteral("[Play]"));
        QCOMPARE(text(*mPanel, "lbl_LongitudeAndLatitude"), QStringLiteral("[N00.000000,E000.000000]"));
        QCOMPARE(text(*mPanel, "lbl_PlayTime"), QStringLiteral("01:05/03:00"));
        QCOMPARE(text(*mPanel, "pBtn_SP"), QStringLiteral("[062 MPH]"));
        QCOMPARE(Calls(rate), Calls{{1.0}});

        mPanel->setSpeedUnit(0);
        mPanel->setLongitudeAndLatitude(QStringLiteral("N22.543210"), QStringLiteral("E113.912345"));
        mPanel->setGpsDateTime(QDateTime(QDate(2019, 5, 1), QTime(8, 30, 12)));
        mPanel->showNoTelemetry();
        mPanel->retranslate();
        QCOMPARE(text(*mPanel, "lbl_LongitudeAndLatitude"), QStringLiteral("[No GPS]"));
        QVERIFY(!text(*mPanel, "lbl_GpsDateTime").startsWith(QLatin1String("2019")));
        QCOMPARE(text(*mPanel, "pBtn_SP"), QStringLiteral("[000 km/h]"));
        QCoreApplication::removeTranslator(&translator);
        mPanel->setLongitudeAndLatitude(QStringLiteral("S1.000000"), QStringLiteral("W2.000000"));
        mPanel->retranslate();
        QCOMPARE(text(*mPanel, "lbl_LongitudeAndLatitude"), QStringLiteral("S1.000000,W2.000000"));
    }

private:
    QScopedPointer<ControlPanel> mPanel;
};

QTEST_MAIN(ControlPanelTest)
#include "tst_controlpanel.moc"
