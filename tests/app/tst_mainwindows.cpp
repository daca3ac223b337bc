#include "ApplicationIdentity.h"
#include "CommandLineFiles.h"
#include "Configuration.h"
#include "ControlPanel.h"
#include "ImageResources.h"
#include "LanguageList.h"
#include "MainWindows.h"
#include "Mp4Sample.h"
#include "PlayAreaManager.h"
#include "PlayerWidget.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"
#include "SampleRecord.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString front1 = QStringLiteral("20261206_101500F.MP4");
const QString rear1 = QStringLiteral("20261206_101500R.MP4");
const QString front2 = QStringLiteral("20261206_101600F.MP4");
const QString rear2 = QStringLiteral("20261206_101600R.MP4");
const QString mov = QStringLiteral("drive-mov-layout.MOV");

QUrl demoUrl(const QString &name) { return QUrl::fromLocalFile(QStringLiteral(VANTREL_DEMO_DIR "/") + name); }
} // namespace

// The real main window on an X server, driven like a user would, with the
// demo recordings.
class TestMainWindows : public QObject
{
    Q_OBJECT

    template<class T = QLabel> T *child(const char *name) const { return mWindow->findChild<T *>(name); }
    QString text(const char *label) const { return child(label)->text(); }
    PlayAreaManager *area() const { return child<PlayAreaManager>("wgt_PlayArea"); }
    ControlPanel *panel() const { return child<ControlPanel>("wgt_PlayCtrl"); }
    QUrl playedUrl() const { return area()->media().request().url(); }
    QTableView *table() const { return child<QTableView>("tbl_PlayListView"); }
    PlaylistModel *model() const { return qobject_cast<PlaylistModel *>(table()->model()); }
    int selectedRow() const { return table()->selectionModel()->selectedRows().value(0).row(); }
    void open(const QStringList &names)
    {
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << demoUrl(name);
        mWindow->openFiles(urls);
    }
    bool waitUntilPlaying() const
    {
        return QTest::qWaitFor([this] { return panel()->state() == QMediaPlayer::PlayingState; }, 15000);
    }

    QScopedPointer<MainWindows> mWindow;

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(demoUrl(front1).toLocalFile()))
            QSKIP("demo recordings not built");
        ImageResources::initialise();
        ApplicationIdentity::apply(QStringLiteral("Fenmora"));
    }

    void init()
    {
        Configuration::instance()->setLanguage(LanguageList::english);
        mWindow.reset(new MainWindows);
        mWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mWindow.data()));
    }

    void cleanup() { mWindow.reset(); }

    // Plays the first file with its companion and shows its samples; previous
    // on the first file does nothing, next on the last one stops.
    void listsPlaysAndStepsThroughTheFiles()
    {
        open({front1, rear1, front2});
        QCOMPARE(model()->rowCount(), 3); // a small batch is listed at once
        QCOMPARE(selectedRow(), 0);
        QVERIFY(waitUntilPlaying());
        QVERIFY(area()->secondPlayer());
        QCOMPARE(area()->secondPlayer()->player()->media().request().url(), demoUrl(rear1));
        QCOMPARE(text("lbl_FileName"), front1);
        QCOMPARE(Configuration::instance()->videoFilePath(), QFileInfo(demoUrl(front1).toLocalFile()).path());
        // The samples reach the control bar: the demo drive crosses Midtown Manhattan.
        QTRY_VERIFY_WITH_TIMEOUT(text("lbl_LongitudeAndLatitude").startsWith(QLatin1String("N40.")), 15000);
        QVERIFY(text("lbl_LongitudeAndLatitude").contains(QLatin1String(",W73.")));
        QVERIFY(text("lbl_GpsDateTime").startsWith(QLatin1String("2026/12/06")));
        emit panel()->previous();
        QCOMPARE(area()->mainRowId(), 0);
        emit panel()->next();
        QCOMPARE(area()->mainRowId(), 1);
        QCOMPARE(selectedRow(), 1);
        emit panel()->next();
        QCOMPARE(area()->mainRowId(), 2);
        QVERIFY(!area()->secondPlayer());
        QVERIFY(waitUntilPlaying());
        emit panel()->next();
        QTRY_COMPARE(panel()->state(), QMediaPlayer::StoppedState);
        QVERIFY(text("lbl_FileName").isEmpty());
    }

    void batchPlaysItsOwnFirstFile_data()
    {
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("batch");
        QTest::addColumn<int>("playedRow");
        QTest::newRow("all new") << QStringList{front1, rear1} << QStringList{front2, rear2, mov} << 2;
        QTest::newRow("first listed, last new") << QStringList{front1, rear1, front2} << QStringList{rear1, mov} << 1;
        QTest::newRow("first new, last listed") << QStringList{front1, rear1} << QStringList{mov, front1} << 2;
        QTest::newRow("single listed") << QStringList{front1, rear1} << QStringList{rear1} << 1;
    }

    void batchPlaysItsOwnFirstFile()
    {
        QFETCH(QStringList, listed);
        QFETCH(QStringList, batch);
        QFETCH(int, playedRow);
        open(listed);
        open(batch);
        QCOMPARE(selectedRow(), playedRow);
        QCOMPARE(area()->mainRowId(), playedRow);
        QCOMPARE(playedUrl(), demoUrl(batch.first()));
    }

    // Keys reach the window, or come from a full-screen player through the play area.
    void playbackKeys()
    {
        open({front1});
        QVERIFY(waitUntilPlaying());
        const auto forward = [this](Qt::Key key) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            emit area()->keyPressSignals(&event);
            return event.isAccepted();
        };
        QMediaPlayer *player = area()->mainPlayer()->player();
        QTRY_VERIFY_WITH_TIMEOUT(player->position() >= 1000, 10000);
        QTest::keyClick(mWindow.data(), Qt::Key_Space);
        QTRY_COMPARE(panel()->state(), QMediaPlayer::PausedState);
        const qint64 second = player->position() / 1000;
        panel()->setPosition(int(second));
        QVERIFY(forward(Qt::Key_Right));
        QTRY_COMPARE(player->position() / 1000, second + 1);
        QVERIFY(forward(Qt::Key_Space));
        QTRY_COMPARE(panel()->state(), QMediaPlayer::PlayingState);
        QVERIFY(player->position() / 1000 >= second + 1);
        // Escape neither closes nor rejects the window.
        QTest::keyClick(mWindow.data(), Qt::Key_Escape);
        QVERIFY(mWindow->isVisible());
        QCOMPARE(mWindow->result(), 0);
    }

    // Only the main player's row, while it plays, shows its samples: the rear
    // file plays muted beside it.
    void samplesAreFiltered()
    {
        open({front1, rear1});
        QVERIFY(waitUntilPlaying());
        GpsData sample{};
        qstrcpy(sample.dateTime, "20261206101530");
        sample.latHemisphere = 'S';
        sample.latitude = 33.8567;
        sample.lonHemisphere = 'W';
        sample.longitude = 151.2153;
        const auto shown = [&](int rowId) {
            child("lbl_LongitudeAndLatitude")->clear();
            QMetaObject::invokeMethod(mWindow.data(), "onGpsDataChanged", Q_ARG(int, rowId), Q_ARG(GpsData, sample));
            return text("lbl_LongitudeAndLatitude");
        };
        QCOMPARE(shown(1), QString());
        QCOMPARE(shown(0), QStringLiteral("S33.856700,W151.215300"));
        emit panel()->stop();
        QTRY_COMPARE(panel()->state(), QMediaPlayer::StoppedState);
        QCOMPARE(shown(0), QString());
    }

    // A double click on the window maximises it; the language change that follows
    // keeps the tool tip that fits that state, and the playing file's name.
    void languageChangeKeepsTheWindowState()
    {
        // The title is laid out in full once the window has its size.
        QCOMPARE(text("lbl_Title"), ApplicationIdentity::title());
        open({front1});
        QVERIFY(waitUntilPlaying());
        QTest::mouseDClick(mWindow.data(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 20));
        QTRY_VERIFY(mWindow->isMaximized());
        Configuration::instance()->setLanguage(9); // German
        const QString restoreDown = QCoreApplication::translate("MainWindows", "Restore Down");
        QVERIFY(restoreDown != QLatin1String("Restore Down"));
        QCOMPARE(child<QPushButton>("pBtn_Maximize")->toolTip(), restoreDown);
        QCOMPARE(text("lbl_FileName"), front1);
    }

    // The window has no system frame; dragging its header moves it.
    void frameIsDraggable()
    {
        QVERIFY(mWindow->windowFlags().testFlag(Qt::FramelessWindowHint));
        const QPoint grab = child<QWidget>("wgt_Header")->mapTo(mWindow.data(), QPoint(300, 20));
        const QPoint start = mWindow->pos();
        QTest::mousePress(mWindow.data(), Qt::LeftButton, Qt::NoModifier, grab);
        // QTest moves the real cursor without a button: send the held-button move.
        const QPoint target = grab + QPoint(40, 25);
        QMouseEvent move(QEvent::MouseMove, target, mWindow->mapToGlobal(target), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mWindow.data(), &move);
        QTest::mouseRelease(mWindow.data(), Qt::LeftButton, Qt::NoModifier, target);
        QTRY_COMPARE(mWindow->pos(), start + QPoint(40, 25));
    }

    // Files handed over on the command line ("Open with") are opened as if
    // dropped, and the first one plays beside its companion.
    void launchFilesPlay()
    {
        const QString folder = QFileInfo(demoUrl(rear1).toLocalFile()).absolutePath();
        const QStringList arguments{QStringLiteral("vantrel"), demoUrl(rear1).toString(), front1,
                                    QStringLiteral("missing.MP4")};
        mWindow->openLaunchFiles(CommandLineFiles::videoUrls(arguments, folder));
        QVERIFY(waitUntilPlaying());
        QCOMPARE(model()->rowCount(), 2);
        QCOMPARE(playedUrl(), demoUrl(rear1));
        QVERIFY(area()->secondPlayer());
    }

    // A memory card's worth is listed over several event-loop turns; a batch
    // opened meanwhile still comes after it and is the one played.
    void largeBatchIsListedInOrder()
    {
        QTemporaryDir card;
        QList<QUrl> urls;
        const QVector<GpsRecord> records = straightDrive(5);
        for (int i = 0; i < 301; ++i) {
            const QString path = card.filePath(QStringLiteral("CLIP%1F.MP4").arg(i, 4, 10, QLatin1Char('0')));
            QVERIFY(Mp4Sample().movie(1000, 5000).videoTrack(640, 360).gps0(records).write(path));
            urls << QUrl::fromLocalFile(path);
        }
        const QUrl last = urls.takeLast();
        mWindow->openFiles(urls);
        QCOMPARE(playedUrl(), urls.first());
        mWindow->openFiles({last});
        QCOMPARE(model()->rowCount(), 301);
        for (int row = 0; row < 300; ++row)
            QCOMPARE(model()->rowAt(row)->url, urls[row]);
        QCOMPARE(selectedRow(), 300);
        QCOMPARE(playedUrl(), last);
    }
};

QTEST_MAIN(TestMainWindows)
#include "tst_mainwindows.moc"
