#include "CaptureThread.h"
#include "PlayerTestSupport.h"
#include "PlayerWidget.h"

#include <QImage>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace PlayerTestSupport;

Q_DECLARE_METATYPE(Qt::Key)

namespace {

// Stands for the play area: records the key presses that reach it.
class KeyRecorder : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys << event->key(); }
};

} // namespace

// One player widget on a real clip under X: updates, keys, full screen, and
// screenshots through its own worker.
class TestPlayerWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void updatesFollowPlayerState();
    void keys_data();
    void keys();
    void doubleClickTogglesFullScreen();
    void screenshotNeedsPlayingOrPausedMedia();
    void screenshotsHaveFrameSize_data();
    void screenshotsHaveFrameSize();
    void lateRequestAfterQueueEmptiedIsCaptured();
    void destroyingDuringCaptureIsClean();

private:
    // Loads the front demo clip into the player, as a copy named `copyAs`
    // when one is given; false when the demo was not built.
    bool load(PlayerWidget &widget, const QString &copyAs = QString());

    QScopedPointer<QTemporaryDir> mShots;
    QTemporaryDir mVideos;
    QScopedPointer<KeyRecorder> mArea;
    PlayerWidget *mWidget = nullptr;
};

void TestPlayerWidget::init()
{
    mShots.reset(new QTemporaryDir);
    useScreenshotFolder(mShots->path());
    mArea.reset(new KeyRecorder);
    mArea->resize(320, 180);
    mWidget = new PlayerWidget(mArea.data());
    mWidget->resize(320, 180);
    mArea->show();
    QVERIFY(QTest::qWaitForWindowExposed(mArea.data()));
}

void TestPlayerWidget::cleanup()
{
    mArea.reset();
    mWidget = nullptr;
}

bool TestPlayerWidget::load(PlayerWidget &widget, const QString &copyAs)
{
    QString clip = demoFile(QStringLiteral("20261206_101500F.MP4"));
    if (clip.isEmpty())
        return false;
    if (!copyAs.isEmpty()) {
        const QString copy = mVideos.filePath(copyAs);
        if (!QFile::exists(copy) && !QFile::copy(clip, copy))
            return false;
        clip = copy;
    }
    widget.player()->setMedia(QUrl::fromLocalFile(clip));
    return true;
}

void TestPlayerWidget::updatesFollowPlayerState()
{
    if (!load(*mWidget))
        QSKIP("demo recordings not built");
    QMediaPlayer *player = mWidget->player();
    QVERIFY(mWidget->updatesEnabled());
    player->play();
    QTRY_COMPARE_WITH_TIMEOUT(player->state(), QMediaPlayer::PlayingState, 30000);
    QVERIFY(!mWidget->updatesEnabled());
    player->pause();
    QTRY_COMPARE_WITH_TIMEOUT(player->state(), QMediaPlayer::PausedState, 30000);
    QVERIFY(!mWidget->updatesEnabled());

    // An error repaints the widget even though the player still says paused.
    QVERIFY(QMetaObject::invokeMethod(mWidget, "onError",
                                      Q_ARG(QMediaPlayer::Error, QMediaPlayer::ResourceError)));
    QVERIFY(mWidget->updatesEnabled());

    player->play();
    QTRY_VERIFY_WITH_TIMEOUT(!mWidget->updatesEnabled(), 30000);
    player->stop();
    QTRY_VERIFY_WITH_TIMEOUT(mWidget->updatesEnabled(), 30000);
}

void TestPlayerWidget::keys_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("handedOver");
    QTest::addColumn<bool>("reachesArea");
    QTest::addColumn<bool>("fullScreenAfter");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Escape in place goes on") << false << Qt::Key_Escape << none << false << true << false;
    QTest::newRow("Left in place goes on") << false << Qt::Key_Left << none << false << true << false;
    QTest::newRow("Alt+Return stays in place") << false << Qt::Key_Return << Qt::KeyboardModifiers(Qt::AltModifier)
                                               << false << true << false;
    QTest::newRow("keypad Enter without Alt") << false << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                              << false << true << false;
    QTest::newRow("Alt+keypad Enter") << false << Qt::Key_Enter
                                      << Qt::KeyboardModifiers(Qt::AltModifier | Qt::KeypadModifier)
                                      << false << false << true;
    QTest::newRow("Escape leaves full screen") << true << Qt::Key_Escape << none << false << false << false;
    QTest::newRow("Left handed over") << true << Qt::Key_Left << none << true << false << true;
    QTest::newRow("Right handed over") << true << Qt::Key_Right << none << true << false << true;
    QTest::newRow("Space handed over") << true << Qt::Key_Space << none << true << false << true;
    QTest::newRow("other keys swallowed") << true << Qt::Key_A << none << false << false << true;
}

void TestPlayerWidget::keys()
{
    QFETCH(bool, fullScreen);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, handedOver);
    QFETCH(bool, reachesArea);
    QFETCH(bool, fullScreenAfter);

    mWidget->setFullScreen(fullScreen);
    QList<int> handedKeys;
    connect(mWidget, &PlayerWidget::keyPressSignals, this,
            [&](QKeyEvent *event) { handedKeys << event->key(); });

    QTest::keyClick(mWidget, key, modifiers);

    QCOMPARE(handedKeys.size(), handedOver ? 1 : 0);
    if (handedOver)
        QCOMPARE(handedKeys.first(), int(key));
    QCOMPARE(mArea->keys.contains(key), reachesArea);
    QCOMPARE(mWidget->isFullScreen(), fullScreenAfter);
}

void TestPlayerWidget::doubleClickTogglesFullScreen()
{
    QTest::mouseDClick(mWidget, Qt::LeftButton);
    QVERIFY(mWidget->isFullScreen());
    QTest::mouseDClick(mWidget, Qt::LeftButton);
    QVERIFY(!mWidget->isFullScreen());
}

void TestPlayerWidget::screenshotNeedsPlayingOrPausedMedia()
{
    mWidget->screenshot(1000); // no media at all
    QVERIFY(!mWidget->captureThread());
    if (!load(*mWidget))
        QSKIP("demo recordings not built");
    mWidget->screenshot(1000); // loaded but stopped
    QVERIFY(!mWidget->captureThread());
    QVERIFY(screenshotsIn(mShots->path()).isEmpty());
}

void TestPlayerWidget::screenshotsHaveFrameSize_data()
{
    QTest::addColumn<bool>("paused");
    QTest::addColumn<QList<qint64>>("positions");
    QTest::addColumn<QString>("copyAs");
    QTest::addColumn<QString>("baseName");
    const QString demoName = QStringLiteral("20261206_101500F");
    QTest::newRow("two quick requests while playing") << false << QList<qint64>{2000, 30000} << QString() << demoName;
    QTest::newRow("paused at the start") << true << QList<qint64>{0} << QString() << demoName;
    // Characters that URLs escape must come back as the file's own name.
    QTest::newRow("name with URL characters") << true << QList<qint64>{1000}
                                              << QString::fromUtf8("it's 100%20 #1 ü.x.MP4")
                                              << QString::fromUtf8("it's 100%20 #1 ü");
}

void TestPlayerWidget::screenshotsHaveFrameSize()
{
    QFETCH(bool, paused);
    QFETCH(QList<qint64>, positions);
    QFETCH(QString, copyAs);
    QFETCH(QString, baseName);
    if (!load(*mWidget, copyAs))
        QSKIP("demo recordings not built");
    QMediaPlayer *player = mWidget->player();
    if (paused)
        player->pause();
    else
        player->play();
    QTRY_COMPARE_WITH_TIMEOUT(player->state(),
                              paused ? QMediaPlayer::PausedState : QMediaPlayer::PlayingState, 30000);

    for (qint64 position : positions)
        mWidget->screenshot(position);
    // The worker is gone once every queued capture has been taken.
    QTRY_VERIFY_WITH_TIMEOUT(!mWidget->captureThread(), 120000);
    const QStringList shots = screenshotsIn(mShots->path());
    QCOMPARE(shots.size(), positions.size());
    const QRegularExpression pattern(QStringLiteral("^ScreenShot_%1__\\d{6}-\\d{6}_\\d{3}\\.jpeg$")
                                         .arg(QRegularExpression::escape(baseName)));
    for (const QString &shot : shots) {
        QVERIFY2(pattern.match(shot).hasMatch(), qPrintable(shot));
        QCOMPARE(jpegSize(mShots->filePath(shot)), QSize(1280, 720));
    }
    if (shots.size() == 2)
        QVERIFY(QImage(mShots->filePath(shots.at(0))) != QImage(mShots->filePath(shots.at(1))));
}

void TestPlayerWidget::lateRequestAfterQueueEmptiedIsCaptured()
{
    if (!load(*mWidget))
        QSKIP("demo recordings not built");
    mWidget->player()->pause();
    QTRY_COMPARE_WITH_TIMEOUT(mWidget->player()->state(), QMediaPlayer::PausedState, 30000);
    mWidget->screenshot(1000);
    CaptureThread *worker = mWidget->captureThread();
    QVERIFY(worker);
    // The run ends while the widget has not yet seen its finished(): exactly
    // the moment in which a request used to be lost.
    QVERIFY(worker->wait(120000));
    mWidget->screenshot(20000);
    QTRY_VERIFY_WITH_TIMEOUT(!mWidget->captureThread(), 120000);
    QCOMPARE(screenshotsIn(mShots->path()).size(), 2);
}

void TestPlayerWidget::destroyingDuringCaptureIsClean()
{
    if (!load(*mWidget))
        QSKIP("demo recordings not built");
    FakeFfmpeg fake(600);
    mWidget->player()->play();
    QTRY_COMPARE_WITH_TIMEOUT(mWidget->player()->state(), QMediaPlayer::PlayingState, 30000);
    mWidget->screenshot(1000);
    mWidget->screenshot(2000);
    QPointer<CaptureThread> worker = mWidget->captureThread();
    QTRY_COMPARE_WITH_TIMEOUT(fake.runs().size(), 1, 30000);

    delete mWidget;
    mWidget = nullptr;
    QVERIFY(worker.isNull());
    const QStringList runs = fake.runs();
    QCOMPARE(runs.size(), 1);
    QVERIFY(!processExists(runs.first()));
    QCoreApplication::processEvents(); // nothing queued may reach the widget
}

QTEST_MAIN(TestPlayerWidget)
#include "tst_playerwidget.moc"
