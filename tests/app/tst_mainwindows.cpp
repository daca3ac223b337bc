#include "ApplicationIdentity.h"
#include "CommandLineFiles.h"
#include "Configuration.h"
#include "ControlPanel.h"
#include "ImageResources.h"
#include "LanguageList.h"
#include "MainWindows.h"
#include "MoveFilter.h"
#include "PlayAreaManager.h"
#include "PlayerWidget.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"
#include "Mp4Sample.h"
#include "SampleRecord.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTableView>
#include <QtTest>

// The real main window on an X server, driven like a user would: opening the
// demo recordings, playing, pausing, seeking and stepping through them,
// changing the language, dragging the frameless window.
class TestMainWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsOpenedFilesAndPlaysTheFirstWithItsCompanion();
    void batchPlaysItsOwnFirstFile_data();
    void batchPlaysItsOwnFirstFile();
    void playbackKeys_data();
    void playbackKeys();
    void nextAndPreviousStepThroughTheList();
    void telemetryReachesTheControlBar();
    void samplesAreFiltered_data();
    void samplesAreFiltered();
    void languageChangeReappliesTexts();
    void escapeKeepsTheWindow();
    void frameIsDraggableAndMaximises();
    void launchFilesPlayWithoutTouchingTheOpenFolder();
    void largeBatchIsListedInOrder();

private:
    static QString demo(const QString &name);
    static QUrl demoUrl(const QString &name);
    // Opens the given demo files; false when the demo is missing.
    bool open(const QStringList &names);
    bool waitUntilPlaying();
    PlaylistModel *model() const;
    int selectedRow() const;
    template<class T> T *child(const char *name) const
    {
        return mWindow->findChild<T *>(QLatin1String(name));
    }

    QScopedPointer<MainWindows> mWindow;
};

namespace {
const QString front1 = QStringLiteral("20261206_101500F.MP4");
const QString rear1 = QStringLiteral("20261206_101500R.MP4");
const QString front2 = QStringLiteral("20261206_101600F.MP4");
const QString rear2 = QStringLiteral("20261206_101600R.MP4");
const QString mov = QStringLiteral("drive-mov-layout.MOV");
}

QString TestMainWindows::demo(const QString &name)
{
    const QString path = QStringLiteral(VANTREL_DEMO_DIR "/") + name;
    return QFileInfo::exists(path) ? path : QString();
}

QUrl TestMainWindows::demoUrl(const QString &name)
{
    return QUrl::fromLocalFile(demo(name));
}

bool TestMainWindows::open(const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names) {
        if (demo(name).isEmpty())
            return false;
        urls << demoUrl(name);
    }
    mWindow->openFiles(urls);
    return true;
}

bool TestMainWindows::waitUntilPlaying()
{
    auto *panel = child<ControlPanel>("wgt_PlayCtrl");
    return QTest::qWaitFor([panel] { return panel->state() == QMediaPlayer::PlayingState; }, 15000);
}

PlaylistModel *TestMainWindows::model() const
{
    return qobject_cast<PlaylistModel *>(child<QTableView>("tbl_PlayListView")->model());
}

int TestMainWindows::selectedRow() const
{
    const QModelIndexList rows =
        child<QTableView>("tbl_PlayListView")->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : -1;
}

void TestMainWindows::initTestCase()
{
    ImageResources::initialise();
    ApplicationIdentity::apply(QStringLiteral("Fenmora"));
    Configuration::instance()->setLanguage(LanguageList::english);
}

void TestMainWindows::init()
{
    Configuration::instance()->setVideoFilePath(QDir::homePath());
    mWindow.reset(new MainWindows);
    mWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mWindow.data()));
}

void TestMainWindows::cleanup()
{
    mWindow.reset();
    Configuration::instance()->setLanguage(LanguageList::english);
}

void TestMainWindows::listsOpenedFilesAndPlaysTheFirstWithItsCompanion()
{
    if (!open({front1, rear1, front2}))
        QSKIP("demo recordings not built");
    PlaylistModel *rows = model();
    QCOMPARE(rows->rowCount(), 3); // a small batch is listed at once
    QCOMPARE(selectedRow(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(rows->index(2, PlaylistModel::ResolutionColumn).data().toString(),
                              QStringLiteral("1280 x 720"), 10000);
    QTRY_COMPARE(rows->index(1, PlaylistModel::ResolutionColumn).data().toString(),
                 QStringLiteral("640 x 360"));
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(rows->index(row, PlaylistModel::FileNameColumn).data().toString(),
                 QStringList({front1, rear1, front2})[row]);
        QTRY_COMPARE(rows->rowAt(row)->duration, 60);
        QVERIFY(!rows->index(row, PlaylistModel::DurationColumn).data().toString().isEmpty());
        QVERIFY(!rows->index(row, PlaylistModel::CreateDateColumn).data().toString().isEmpty());
        QVERIFY(!rows->index(row, PlaylistModel::SizeColumn).data().toString().isEmpty());
    }

    QVERIFY(waitUntilPlaying());
    auto *area = child<PlayAreaManager>("wgt_PlayArea");
    QCOMPARE(area->mainRowId(), 0);
    QVERIFY(area->secondPlayer());
    QCOMPARE(area->secondPlayer()->player()->media().request().url(), demoUrl(rear1));
    QCOMPARE(child<QLabel>("lbl_FileName")->text(), front1);
    QCOMPARE(Configuration::instance()->videoFilePath(), QFileInfo(demo(front1)).absolutePath());
}

void TestMainWindows::batchPlaysItsOwnFirstFile_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("batch");
    QTest::addColumn<int>("playedRow");
    QTest::newRow("all new") << QStringList{front1, rear1} << QStringList{front2, rear2, mov} << 2;
    QTest::newRow("first listed, last new") << QStringList{front1, rear1, front2}
                                            << QStringList{rear1, mov} << 1;
    QTest::newRow("first new, last listed") << QStringList{front1, rear1}
                                            << QStringList{mov, front1} << 2;
    QTest::newRow("single listed") << QStringList{front1, rear1} << QStringList{rear1} << 1;
}

void TestMainWindows::batchPlaysItsOwnFirstFile()
{
    QFETCH(QStringList, listed);
    QFETCH(QStringList, batch);
    QFETCH(int, playedRow);
    if (!open(listed) || !open(batch))
        QSKIP("demo recordings not built");
    QCOMPARE(selectedRow(), playedRow);
    QCOMPARE(child<PlayAreaManager>("wgt_PlayArea")->mainRowId(), playedRow);
    QCOMPARE(child<PlayAreaManager>("wgt_PlayArea")->media().request().url(), demoUrl(batch.first()));
}

void TestMainWindows::playbackKeys_data()
{
    QTest::addColumn<bool>("fromFullScreenPlayer");
    QTest::newRow("window") << false;
    QTest::newRow("full-screen player") << true;
}

void TestMainWindows::playbackKeys()
{
    QFETCH(bool, fromFullScreenPlayer);
    if (!open({front1}))
        QSKIP("demo recordings not built");
    QVERIFY(waitUntilPlaying());
    auto *panel = child<ControlPanel>("wgt_PlayCtrl");
    auto *area = child<PlayAreaManager>("wgt_PlayArea");
    const auto press = [&](Qt::Key key) {
        if (fromFullScreenPlayer) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            emit area->keyPressSignals(&event);
            QVERIFY(event.isAccepted());
        } else {
            QTest::keyClick(mWindow.data(), key);
        }
    };

    QMediaPlayer *player = area->mainPlayer()->player();
    QTRY_VERIFY_WITH_TIMEOUT(player->position() >= 1000, 10000);
    press(Qt::Key_Space);
    QTRY_COMPARE(panel->state(), QMediaPlayer::PausedState);
    const qint64 second = player->position() / 1000;
    panel->setPosition(int(second));
    press(Qt::Key_Right);
    QTRY_COMPARE(player->position() / 1000, second + 1);
    press(Qt::Key_Space);
    QTRY_COMPARE(panel->state(), QMediaPlayer::PlayingState);
    QVERIFY(player->position() / 1000 >= second + 1);
}

void TestMainWindows::nextAndPreviousStepThroughTheList()
{
    if (!open({front1, rear1, front2}))
        QSKIP("demo recordings not built");
    QVERIFY(waitUntilPlaying());
    auto *panel = child<ControlPanel>("wgt_PlayCtrl");
    auto *area = child<PlayAreaManager>("wgt_PlayArea");

    emit panel->previous();
    QCOMPARE(area->mainRowId(), 0);
    emit panel->next();
    QCOMPARE(area->mainRowId(), 1);
    QCOMPARE(selectedRow(), 1);
    emit panel->next();
    QCOMPARE(area->mainRowId(), 2);
    QVERIFY(!area->secondPlayer());
    QVERIFY(waitUntilPlaying());

    emit panel->next();
    QTRY_COMPARE(panel->state(), QMediaPlayer::StoppedState);
    QCOMPARE(area->state(), QMediaPlayer::StoppedState);
    QVERIFY(child<QLabel>("lbl_FileName")->text().isEmpty());
    QVERIFY(child<QLabel>("lbl_PlayTime")->text().startsWith(QLatin1String("00:00/")));
}

void TestMainWindows::telemetryReachesTheControlBar()
{
    if (!open({front1}))
        QSKIP("demo recordings not built");
    QVERIFY(waitUntilPlaying());
    // The demo drive crosses Midtown Manhattan.
    auto *position = child<QLabel>("lbl_LongitudeAndLatitude");
    QTRY_VERIFY_WITH_TIMEOUT(position->text().startsWith(QLatin1String("N40.")), 15000);
    QVERIFY(position->text().contains(QLatin1String(",W73.")));
    QVERIFY(child<QLabel>("lbl_GpsDateTime")->text().startsWith(QLatin1String("2026/12/06")));
}

void TestMainWindows::samplesAreFiltered_data()
{
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<int>("rowOffset");
    QTest::addColumn<QString>("shown");
    QTest::newRow("main row") << false << 0 << QStringLiteral("S33.856700,W151.215300");
    QTest::newRow("other row") << false << 1 << QString();
    QTest::newRow("stopped") << true << 0 << QString();
}

void TestMainWindows::samplesAreFiltered()
{
    QFETCH(bool, stopped);
    QFETCH(int, rowOffset);
    QFETCH(QString, shown);
    // The rear file plays muted: its own samples are not the ones shown.
    if (!open({front1, rear1}))
        QSKIP("demo recordings not built");
    QVERIFY(waitUntilPlaying());
    auto *panel = child<ControlPanel>("wgt_PlayCtrl");
    if (stopped) {
        emit panel->stop();
        QTRY_COMPARE(panel->state(), QMediaPlayer::StoppedState);
    }
    auto *position = child<QLabel>("lbl_LongitudeAndLatitude");
    position->setText(QString());

    GpsData sample{};
    qstrcpy(sample.dateTime, "20261206101530");
    sample.latHemisphere = 'S';
    sample.latitude = 33.8567;
    sample.lonHemisphere = 'W';
    sample.longitude = 151.2153;
    const int rowId = child<PlayAreaManager>("wgt_PlayArea")->mainRowId() + rowOffset;
    QVERIFY(QMetaObject::invokeMethod(mWindow.data(), "onGpsDataChanged", Q_ARG(int, rowId),
                                      Q_ARG(GpsData, sample)));
    QCOMPARE(position->text(), shown);
}

void TestMainWindows::languageChangeReappliesTexts()
{
    if (!open({front1}))
        QSKIP("demo recordings not built");
    QVERIFY(waitUntilPlaying());
    const char *const buttons[] = {"pBtn_Minimize", "pBtn_Step", "pBtn_Maximize", "pBtn_Close"};
    for (const char *name : buttons)
        child<QPushButton>(name)->setToolTip(QStringLiteral("stale"));
    auto *openButton = child<QPushButton>("btn_OpenFile");
    QVERIFY(openButton);
    openButton->setToolTip(QStringLiteral("stale"));

    Configuration::instance()->setLanguage(9); // German
    QCOMPARE(child<QPushButton>("pBtn_Minimize")->toolTip(),
             QCoreApplication::translate("MainWindows", "Minimize"));
    QCOMPARE(child<QPushButton>("pBtn_Step")->toolTip(), QCoreApplication::translate("MainWindows", "Setup"));
    QCOMPARE(child<QPushButton>("pBtn_Maximize")->toolTip(),
             QCoreApplication::translate("MainWindows", "Maximize"));
    QCOMPARE(child<QPushButton>("pBtn_Close")->toolTip(), QCoreApplication::translate("MainWindows", "Close"));
    QVERIFY(openButton->toolTip() != QLatin1String("stale"));
    // The playing file's name stays in the header.
    QCOMPARE(child<QLabel>("lbl_FileName")->text(), front1);
    QCOMPARE(mWindow->windowTitle(), ApplicationIdentity::title());
    QCOMPARE(child<QLabel>("lbl_Title")->text(), ApplicationIdentity::title());
}

void TestMainWindows::escapeKeepsTheWindow()
{
    QTest::keyClick(mWindow.data(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(mWindow->isVisible());
    QCOMPARE(mWindow->result(), 0);
}

void TestMainWindows::frameIsDraggableAndMaximises()
{
    QVERIFY(mWindow->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(mWindow->windowFlags(), Qt::WindowFlags(MoveFilter::framelessFlags));
    // The title is laid out in full once the window has its size.
    QCOMPARE(child<QLabel>("lbl_Title")->text(), ApplicationIdentity::title());

    QWidget *header = child<QWidget>("wgt_Header");
    const QPoint grab = header->mapTo(mWindow.data(), QPoint(300, 20));
    const QPoint start = mWindow->pos();
    QTest::mousePress(mWindow.data(), Qt::LeftButton, Qt::NoModifier, grab);
    // QTest moves the real cursor, which carries no button; the drag is
    // the move event a window gets while its left button is held.
    const QPoint target = grab + QPoint(40, 25);
    QMouseEvent move(QEvent::MouseMove, target, mWindow->mapToGlobal(target), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mWindow.data(), &move);
    QTest::mouseRelease(mWindow.data(), Qt::LeftButton, Qt::NoModifier, grab + QPoint(40, 25));
    QTRY_COMPARE(mWindow->pos(), start + QPoint(40, 25));

    auto *maximize = child<QPushButton>("pBtn_Maximize");
    QTest::mouseDClick(mWindow.data(), Qt::LeftButton, Qt::NoModifier, grab);
    QTRY_VERIFY(mWindow->isMaximized());
    QVERIFY(maximize->isChecked());
    QCOMPARE(maximize->toolTip(), QCoreApplication::translate("MainWindows", "Restore Down"));
    // The language change keeps the tool tip that fits the window's state.
    Configuration::instance()->setLanguage(LanguageList::english);
    QCOMPARE(maximize->toolTip(), QCoreApplication::translate("MainWindows", "Restore Down"));
    maximize->click();
    QTRY_VERIFY(!mWindow->isMaximized());
    QVERIFY(!maximize->isChecked());
    QCOMPARE(maximize->toolTip(), QCoreApplication::translate("MainWindows", "Maximize"));
}

void TestMainWindows::launchFilesPlayWithoutTouchingTheOpenFolder()
{
    if (demo(front1).isEmpty())
        QSKIP("demo recordings not built");
    const QString demoDir = QFileInfo(demo(front1)).absolutePath();
    const QStringList arguments{QStringLiteral("vantrel"), demoUrl(rear1).toString(), front1,
                                QStringLiteral("missing.MP4")};
    const QList<QUrl> urls = CommandLineFiles::videoUrls(arguments, demoDir);
    QCOMPARE(urls.size(), 2);
    mWindow->openLaunchFiles(urls);
    QVERIFY(waitUntilPlaying());
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(child<PlayAreaManager>("wgt_PlayArea")->media().request().url(), demoUrl(rear1));
    QVERIFY(child<PlayAreaManager>("wgt_PlayArea")->secondPlayer());
    QCOMPARE(Configuration::instance()->videoFilePath(), QDir::homePath());
}

void TestMainWindows::largeBatchIsListedInOrder()
{
    // A memory card's worth is listed over several event-loop turns; a batch
    // opened meanwhile still comes after it and is the one played.
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
    QCOMPARE(child<PlayAreaManager>("wgt_PlayArea")->media().request().url(), urls.first());
    mWindow->openFiles({last});
    QCOMPARE(model()->rowCount(), 301);
    for (int row = 0; row < 300; ++row)
        QCOMPARE(model()->rowAt(row)->url, urls[row]);
    QCOMPARE(selectedRow(), 300);
    QCOMPARE(child<PlayAreaManager>("wgt_PlayArea")->mainRowId(), 300);
}

QTEST_MAIN(TestMainWindows)
#include "tst_mainwindows.moc"
