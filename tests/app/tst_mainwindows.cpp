#include "CommandLineFiles.h"
#include "Configuration.h"
#include "ControlPanel.h"
#include "DirectionTray.h"
#include "GyroChartView.h"
#include "ImageResources.h"
#include "LanguageList.h"
#include "NoticeBar.h"
#include "PlayerWidget.h"
#include "PlaylistModel.h"
#include "SampleRecord.h"
#include "Setting.h"
#include "SpeedTray.h"
#include "WindowSuite.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QSlider>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>

#include <sys/stat.h>

static const QString front1("20261206_101500F.MP4"), rear1("20261206_101500R.MP4"), front2("20261206_101600F.MP4"),
    mov("drive-mov-layout.MOV");

// The real main window on an X server, driven like a user would, with the demo recordings.
class TestMainWindows : public WindowSuite
{
    Q_OBJECT
    ControlPanel *panel() const { return child<ControlPanel>("wgt_PlayCtrl"); }
    QTableView *table() const { return child<QTableView>("tbl_PlayListView"); }
    PlaylistModel *model() const { return qobject_cast<PlaylistModel *>(table()->model()); }
    // The points drawn up to the position, asked of the page itself: the
    // file's track, or the trip's route as far as it is driven.
    int mapPoints() const
    {
        const QVariant points = evaluate(map(), QStringLiteral("mapPointCount() + mapRouteState().driven.length"));
        return points.isValid() ? points.toInt() : -1;
    }
    QList<int> chartPoints() const
    {
        QList<int> counts;
        for (QtCharts::QAbstractSeries *series : child<GyroChartView>("gView_GyroChart")->chart()->series())
            counts << static_cast<QtCharts::QLineSeries *>(series)->count();
        return counts;
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(demoUrl(front1).toLocalFile()))
            QSKIP("demo recordings not built");
        ImageResources::initialise();
        // Each start of the suite begins with the playlist's first height.
        Configuration::instance()->setPlaylistSplitterState(QByteArray());
    }

    void init()
    {
        Configuration::instance()->setLanguage(LanguageList::english);
        QVERIFY(showWindow());
    }

    void cleanup() { mWindow.reset(); }

    // The map page follows the language and the chosen service (the control bar's texts: tst_controlpanel).
    void languageChangeReloadsTheMap()
    {
        Configuration::instance()->setLanguage(9); // German
        Configuration::instance()->setMaps(GoogleMap);
        QTRY_COMPARE(map()->url().fileName(), QStringLiteral("WG_GoogleMapIndex_de.html"));
        Configuration::instance()->setMaps(BaiduMap);
        QTRY_COMPARE(map()->url().fileName(), QStringLiteral("BaiduMapIndex.html"));
        Configuration::instance()->setMaps(GoogleMap);
    }

    // Escape neither closes nor rejects the window. Closing takes it off the
    // screen at once and stops playback, before the teardown that follows:
    // the X server has it unmapped by the time close() returns.
    void closingHidesAtOnce()
    {
        openDemo({front1, rear1});
        QVERIFY(waitUntilPlaying());
        QTest::keyClick(mWindow.data(), Qt::Key_Escape);
        QVERIFY(mWindow->isVisible() && mWindow->result() == 0);
        const QString window = QString::number(mWindow->winId());
        QVERIFY(mWindow->close());
        QCOMPARE(area()->state(), QMediaPlayer::StoppedState);
        QVERIFY2(runX("xwininfo", {"-id", window}).contains("Map State: IsUnMapped"), "xwininfo (x11-utils) is needed");
    }

    // Every second of the playing file reaches the control bar, the gauges,
    // the chart and the map; stop and the next file reset what they must.
    void telemetryReachesEveryView()
    {
        openDemo({front1, rear1, front2});
        QVERIFY(waitUntilPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(mapPoints() > 0, 15000); // the map page has loaded
        // Past the first red light the car moves north-east.
        area()->seek(20);
        auto *speed = child<SpeedTray>("wgt_Speed");
        auto *compass = child<DirectionTray>("wgt_Direction");
        QTRY_VERIFY_WITH_TIMEOUT(speed->value() > 0 && compass->angle() != 0, 10000);
        QVERIFY(text("lbl_GpsDateTime").contains(QLatin1String("2026")));
        QVERIFY(text("lbl_LongitudeAndLatitude").contains(QRegularExpression("^N40\\.\\d{6},W73\\.\\d{6}$")));
        QCOMPARE(text("pBtn_SP"), QStringLiteral("%1 km/h").arg(speed->value(), 3, 10, QLatin1Char('0')));
        const QList<int> charted = chartPoints();
        QCOMPARE(charted.size(), 3);
        QVERIFY(charted[0] > 0 && charted.count(charted[0]) == 3);
        const int tracked = mapPoints();
        QTRY_VERIFY_WITH_TIMEOUT(mapPoints() > tracked, 10000);
        // Miles per hour: the next sample's texts are in the other unit.
        Configuration::instance()->setSpeedUnit(1);
        QTRY_VERIFY_WITH_TIMEOUT(text("pBtn_SP").endsWith(QLatin1String("MPH")) && speed->speedText().endsWith(QLatin1String("MPH")), 10000);
        Configuration::instance()->setSpeedUnit(0);
        // The next file starts with an empty chart and track; the compass keeps its heading.
        const int heading = compass->angle(), before = mapPoints();
        emit panel()->next();
        QCOMPARE(chartPoints(), QList<int>({0, 0, 0}));
        QCOMPARE(speed->value(), 0);
        QCOMPARE(compass->angle(), heading);
        QVERIFY(mapPoints() != before); // the trip's route is driven to the next clip's start
        emit panel()->stop();
        QCOMPARE(speed->angle(), -135);
    }

    // Saving the settings with only another speed unit leaves the map page and
    // its track alone.
    void mapKeepsItsTrack()
    {
        const auto restore = qScopeGuard([] { Configuration::instance()->setSpeedUnit(0); });
        Configuration::instance()->setMaps(GoogleMap);
        openDemo({front1});
        QVERIFY(waitUntilPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(mapPoints() >= 3, 20000);
        emit panel()->pause();
        QTRY_COMPARE(panel()->state(), QMediaPlayer::PausedState);
        QTest::qWait(1000); // samples still on their way
        const int tracked = mapPoints();
        QSignalSpy loads(map(), &QWebEngineView::loadStarted);
        Setting settings(mWindow.data());
        settings.findChild<QComboBox *>("cBox_SpeedUnit")->setCurrentIndex(1);
        QTest::mouseClick(settings.findChild<QPushButton *>("pBtn_OK"), Qt::LeftButton);
        QCOMPARE(Configuration::instance()->speedUnit(), 1);
        QTest::qWait(1500); // time for a reload to start and finish
        QCOMPARE(loads.count(), 0);
        QCOMPARE(mapPoints(), tracked);
    }

    // A file that cannot be played: marked in the table with its reason, the reason where the video would be,
    // and none of the previous file's play time left on screen.
    void unplayableFileIsMarked()
    {
        QTemporaryDir dir;
        QFile notes(dir.filePath("notes.MP4"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write(QByteArray("a shopping list\n").repeated(200)) > 0);
        notes.close();
        openDemo({front1});
        QVERIFY(waitUntilPlaying());
        area()->seek(30);
        QTRY_VERIFY_WITH_TIMEOUT(text("lbl_PlayTime").startsWith(QLatin1String("00:3")), 15000);
        mWindow->openFiles({QUrl::fromLocalFile(notes.fileName())});
        QTRY_COMPARE_WITH_TIMEOUT(area()->mainRowId(), 1, 15000);
        const QModelIndex resolution = model()->index(1, PlaylistModel::ResolutionColumn);
        QTRY_COMPARE_WITH_TIMEOUT(model()->data(resolution).toString(), QStringLiteral("Cannot play"), 15000);
        QVERIFY(!model()->data(resolution, Qt::ToolTipRole).toString().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(area()->mainPlayer()->failureText().startsWith(QLatin1String("notes.MP4 cannot be played:")), 15000);
        QTRY_COMPARE(text("lbl_PlayTime"), QStringLiteral("00:00/00:00"));
        // A named pipe is not listed, and the user hears why.
        const QString pipe = dir.filePath("pipe.MP4");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        mWindow->openFiles({QUrl::fromLocalFile(pipe)});
        QTRY_VERIFY(child<NoticeBar>("wgt_Notices")->texts().contains("Cannot open " + pipe + ": not a regular file (a named pipe, device or socket)"));
        QCOMPARE(model()->rowCount(), 2);
    }

    // One press with a pair playing: two stills, each announced by its name; a failed one names folder and reason.
    void stillsAreAnnounced()
    {
        QTemporaryDir shots, fakeDir;
        Configuration::instance()->setScreenshotSavePath(shots.path());
        openDemo({front1, rear1});
        QVERIFY(waitUntilPlaying());
        auto *notices = child<NoticeBar>("wgt_Notices");
        emit panel()->screenshot();
        QTRY_COMPARE_WITH_TIMEOUT(notices->texts().size(), 2, 60000);
        QStringList said = notices->texts();
        said.sort();
        QVERIFY2(said[0].startsWith("Saved ScreenShot_20261206_101500F__") && said[1].startsWith("Saved ScreenShot_20261206_101500R__"), qPrintable(said.join('\n')));
        QCOMPARE(QDir(shots.path()).entryList(QDir::Files).size(), 2);
        // An ffmpeg that fails as on a full disk.
        QFile fake(fakeDir.filePath("ffmpeg"));
        QVERIFY(fake.open(QIODevice::WriteOnly) && fake.write("#!/bin/sh\necho 'No space left on device' >&2\nexit 1\n") > 0);
        fake.close();
        fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(fakeDir.path()) + ':' + path);
        emit panel()->screenshot();
        const QString failure = QStringLiteral("Could not save the still image into %1: No space left on device").arg(shots.path());
        QTRY_VERIFY_WITH_TIMEOUT(notices->texts().contains(failure), 60000);
        // Both cameras' runs are over before the real ffmpeg comes back.
        QTRY_VERIFY_WITH_TIMEOUT(!area()->mainPlayer()->captureThread() && !area()->secondPlayer()->captureThread(), 60000);
        qputenv("PATH", path);
        QCOMPARE(QDir(shots.path()).entryList(QDir::Files).size(), 2);
    }

    // Files handed over on the command line are opened as if dropped; the first plays beside its companion,
    // the missing ones are named together in one notice over the video, no dialog. Files a later start
    // hands over play and bring the window back from the task bar (the later start itself: tst_startup).
    void launchAndHandedOverFilesPlay()
    {
        const QStringList arguments{demoUrl(rear1).toString(), "missing.MP4", front1, "gone/b.mov"};
        mWindow->openLaunchFiles(CommandLineFiles::videoUrls(arguments, QStringLiteral(VANTREL_DEMO_DIR)));
        mWindow->reportMissingFiles(CommandLineFiles::missingFiles(arguments, QStringLiteral(VANTREL_DEMO_DIR)));
        auto *notices = child<NoticeBar>("wgt_Notices");
        QCOMPARE(notices->texts(), QStringList{"Not found: missing.MP4, gone/b.mov"});
        QVERIFY(notices->isVisible() && !QApplication::activeModalWidget());
        QVERIFY(QRect(area()->mapTo(mWindow.data(), QPoint(0, 0)), area()->size()).contains(notices->geometry()));
        QVERIFY(waitUntilPlaying());
        QCOMPARE(model()->rowCount(), 2);
        QCOMPARE(playedUrl(), demoUrl(rear1));
        QVERIFY(area()->secondPlayer());
        mWindow->showMinimized();
        QTRY_VERIFY(mWindow->isMinimized());
        mWindow->openHandedOverFiles(CommandLineFiles::videoUrls({front2}, QStringLiteral(VANTREL_DEMO_DIR)));
        QTRY_COMPARE_WITH_TIMEOUT(playedUrl(), demoUrl(front2), 5000);
        QVERIFY(waitUntilPlaying());
        QCOMPARE(model()->rowCount(), 3);
        QVERIFY(!mWindow->isMinimized());
    }

    // Place and size or the maximised state, the playlist's room (the
    // splitter above it, dragged), a column's width, volume and mute come
    // back at the next start.
    void keptAcrossStarts_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("placed and sized") << false;
        QTest::newRow("maximised") << true;
    }
    void keptAcrossStarts()
    {
        QFETCH(bool, maximized);
        const auto forget = qScopeGuard([] {
            Configuration *configuration = Configuration::instance();
            configuration->setWindowGeometry(QByteArray());
            configuration->setPlaylistColumns(QByteArray());
            configuration->setVolume(100);
            configuration->setMuted(false);
            configuration->setPlaylistSplitterState(QByteArray());
        });
        const QRect placed(130, 90, 1180, 760);
        mWindow->setGeometry(placed);
        if (maximized)
            QTest::mouseClick(child<QPushButton>("pBtn_Maximize"), Qt::LeftButton);
        QTRY_COMPARE(mWindow->isMaximized(), maximized);
        QSplitterHandle *handle = child<QSplitter>("splitter_Playlist")->handle(1);
        const QPoint grab = handle->rect().center(), target = grab - QPoint(0, 120);
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grab);
        QMouseEvent move(QEvent::MouseMove, target, handle->mapToGlobal(target), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, target);
        const int tableHeight = table()->height();
        QVERIFY(tableHeight > 150);
        table()->horizontalHeader()->resizeSection(PlaylistModel::SizeColumn, 211); // as the user's drag does
        child<QSlider>("hSlider_Volume")->setValue(30);
        const int volume = area()->volume();
        QVERIFY(volume > 0 && volume < 30); // the slider is perceptual, the player linear
        QTest::mouseClick(child<QAbstractButton>("tBtn_Mute"), Qt::LeftButton);
        QTRY_VERIFY(area()->mainPlayer()->player()->isMuted());
        QVERIFY(mWindow->close());
        QVERIFY(showWindow());
        QCOMPARE(mWindow->isMaximized(), maximized);
        if (!maximized)
            QCOMPARE(mWindow->geometry(), placed);
        QCOMPARE(table()->horizontalHeader()->sectionSize(PlaylistModel::SizeColumn), 211);
        QCOMPARE(table()->height(), tableHeight);
        QCOMPARE(area()->volume(), volume);
        QVERIFY(qAbs(child<QSlider>("hSlider_Volume")->value() - 30) <= 1); // back from the linear volume
        QVERIFY(area()->mainPlayer()->player()->isMuted() && child<QAbstractButton>("tBtn_Mute")->isChecked());
    }

    // A card's folder: every recording below it, front and rear in turn by
    // recording time, the first playing beside its rear; the folder is at
    // hand in the next open dialog. A folder without recordings is named.
    void openFolderPlaysByRecordingTime()
    {
        QTemporaryDir card;
        QDir root(card.path());
        const QStringList clips{"DCIM/Movie/F/20261206_101600F.MP4", "DCIM/Movie/R/20261206_101500R.MP4",
                                "DCIM/Movie/F/20261206_101500F.MP4", "DCIM/Movie/R/20261206_101600R.MP4"};
        for (const QString &clip : clips)
            QVERIFY(root.mkpath(QFileInfo(clip).path()) && QFile::copy(demoUrl(clip.endsWith("F.MP4") ? front1 : rear1).toLocalFile(), root.filePath(clip)));
        QVERIFY(root.mkpath("DCIM/Photo"));
        mWindow->openFolder(card.path()); // the order itself: tst_startuphelpers
        QTRY_COMPARE(model()->rowCount(), 4);
        QVERIFY(waitUntilPlaying());
        QCOMPARE(playedUrl().fileName(), QStringLiteral("20261206_101500F.MP4"));
        QCOMPARE(area()->secondPlayer()->player()->media().request().url().fileName(), QStringLiteral("20261206_101500R.MP4"));
        QCOMPARE(Configuration::instance()->videoFilePath(), card.path());

        QStringList history;
        QList<QUrl> places;
        QTimer dialogWatch;
        connect(&dialogWatch, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                history = dialog->history();
                places = dialog->sidebarUrls();
                dialog->reject();
            }
        });
        dialogWatch.start(50);
        emit panel()->openFolder();
        QCOMPARE(history.value(0), card.path());
        QVERIFY(places.contains(QUrl::fromLocalFile(card.path())));

        mWindow->openFolder(root.filePath("DCIM/Photo"));
        QCOMPARE(child<NoticeBar>("wgt_Notices")->texts().last(), "No recordings in " + root.filePath("DCIM/Photo"));
        QCOMPARE(model()->rowCount(), 4);
    }
};

VANTREL_WINDOW_TEST_MAIN(TestMainWindows)
#include "tst_mainwindows.moc"
