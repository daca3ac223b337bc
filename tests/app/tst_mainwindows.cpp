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

#include <QAbstractButton>
#include <QLabel>
#include <QTableView>
#include <QtTest>

static QUrl demoUrl(const QString &name) { return QUrl::fromLocalFile(QStringLiteral(VANTREL_DEMO_DIR "/") + name); }
static const QString front1("20261206_101500F.MP4"), rear1("20261206_101500R.MP4"), front2("20261206_101600F.MP4"),
    mov("drive-mov-layout.MOV");

// The real main window on an X server, driven like a user would, with the demo recordings.
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
    bool waitUntilPlaying() const { return QTest::qWaitFor([this] { return panel()->state() == QMediaPlayer::PlayingState; }, 15000); }
    QScopedPointer<MainWindows> mWindow;

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(demoUrl(front1).toLocalFile()))
            QSKIP("demo recordings not built");
        ImageResources::initialise();
    }

    void init()
    {
        Configuration::instance()->setLanguage(LanguageList::english);
        mWindow.reset(new MainWindows);
        mWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mWindow.data()));
    }

    void cleanup() { mWindow.reset(); }
    // Plays the first file with its companion and shows its samples, answers the
    // keys; previous on the first file does nothing, a file without companion
    // plays alone, next on the last one stops.
    void listsPlaysAndStepsThroughTheFiles()
    {
        open({front1, rear1, front2});
        QCOMPARE(model()->rowCount(), 3);
        QVERIFY(waitUntilPlaying());
        QCOMPARE(area()->secondPlayer()->player()->media().request().url(), demoUrl(rear1));
        QCOMPARE(Configuration::instance()->videoFilePath(), QFileInfo(demoUrl(front1).toLocalFile()).path());
        QTRY_VERIFY_WITH_TIMEOUT(text("lbl_LongitudeAndLatitude").contains(QRegularExpression("^N40\\..*,W73\\.")), 15000);
        // The rear file's samples are not shown.
        GpsData sample{};
        sample.latHemisphere = 'S';
        QMetaObject::invokeMethod(mWindow.data(), "onGpsDataChanged", Q_ARG(int, 1), Q_ARG(GpsData, sample));
        QVERIFY(text("lbl_LongitudeAndLatitude").startsWith(QLatin1String("N40.")));
        // Space pauses; keys from a full-screen player come through the play area.
        QTest::keyClick(mWindow.data(), Qt::Key_Space);
        QTRY_COMPARE(panel()->state(), QMediaPlayer::PausedState);
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        emit area()->keyPressSignals(&space);
        QVERIFY(space.isAccepted());
        QTRY_COMPARE(panel()->state(), QMediaPlayer::PlayingState);
        // Escape neither closes nor rejects the window.
        QTest::keyClick(mWindow.data(), Qt::Key_Escape);
        QVERIFY(mWindow->isVisible() && mWindow->result() == 0);
        emit panel()->previous();
        QCOMPARE(area()->mainRowId(), 0);
        emit panel()->next();
        emit panel()->next();
        QCOMPARE(area()->mainRowId(), 2);
        QCOMPARE(selectedRow(), 2);
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
        QTest::newRow("first listed, last new") << QStringList{front1, rear1, front2} << QStringList{rear1, mov} << 1;
        QTest::newRow("first new, last listed") << QStringList{front1, rear1} << QStringList{mov, front1} << 2;
    }
    void batchPlaysItsOwnFirstFile()
    {
        QFETCH(QStringList, listed);
        QFETCH(QStringList, batch);
        QFETCH(int, playedRow);
        open(listed);
        open(batch);
        QTRY_COMPARE(selectedRow(), playedRow);
        QCOMPARE(area()->mainRowId(), playedRow);
        QCOMPARE(playedUrl(), demoUrl(batch.first()));
    }

    // A language change retranslates the header's tool tips and the control bar.
    void languageChangeRetranslates()
    {
        Configuration::instance()->setLanguage(9); // German
        for (const char *button : {"pBtn_Close", "btn_Stop"}) {
            const QString tip = child<QAbstractButton>(button)->toolTip();
            QVERIFY2(!tip.isEmpty() && tip != QLatin1String("Close") && tip != QLatin1String("Stop"), button);
        }
    }

    // A memory card's worth is listed over several event-loop turns; a batch
    // opened meanwhile still comes after it and is the one played.
    void largeBatchIsListedInOrder()
    {
        QTemporaryDir card;
        QList<QUrl> urls;
        for (int i = 0; i < 301; ++i) {
            const QString path = card.filePath(QStringLiteral("CLIP%1F.MP4").arg(i, 4, 10, QLatin1Char('0')));
            QVERIFY(Mp4Sample().movie(1000, 5000).videoTrack(640, 360).gps0(straightDrive(5)).write(path));
            urls << QUrl::fromLocalFile(path);
        }
        const QUrl last = urls.takeLast();
        mWindow->openFiles(urls);
        QTRY_COMPARE(playedUrl(), urls.first());
        mWindow->openFiles({last});
        QCOMPARE(model()->rowCount(), 301);
        for (int row = 0; row < 300; ++row)
            QCOMPARE(model()->rowAt(row)->url, urls[row]);
        QTRY_COMPARE(playedUrl(), last);
        QCOMPARE(selectedRow(), 300);
    }

    // The window has no system frame; dragging its header moves it.
    void frameIsDraggable()
    {
        QVERIFY(mWindow->windowFlags().testFlag(Qt::FramelessWindowHint));
        const QPoint grab = child<QWidget>("wgt_Header")->mapTo(mWindow.data(), QPoint(300, 20)), target = grab + QPoint(40, 25), start = mWindow->pos();
        QTest::mousePress(mWindow.data(), Qt::LeftButton, Qt::NoModifier, grab);
        // QTest moves the real cursor without a button: send the held-button move.
        QMouseEvent move(QEvent::MouseMove, target, mWindow->mapToGlobal(target), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mWindow.data(), &move);
        QTest::mouseRelease(mWindow.data(), Qt::LeftButton, Qt::NoModifier, target);
        QTRY_COMPARE(mWindow->pos(), start + QPoint(40, 25));
    }

    // Files handed over on the command line are opened as if dropped; the first plays beside its companion.
    void launchFilesPlay()
    {
        const QStringList arguments{"vantrel", demoUrl(rear1).toString(), front1, "missing.MP4"};
        mWindow->openLaunchFiles(CommandLineFiles::videoUrls(arguments, QStringLiteral(VANTREL_DEMO_DIR)));
        QVERIFY(waitUntilPlaying());
        QCOMPARE(model()->rowCount(), 2);
        QCOMPARE(playedUrl(), demoUrl(rear1));
        QVERIFY(area()->secondPlayer());
    }
};

QTEST_MAIN(TestMainWindows)
#include "tst_mainwindows.moc"
