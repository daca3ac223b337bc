#include "CaptureThread.h"
#include "PlayAreaManager.h"
#include "PlayerWidget.h"
#include "PlaylistModel.h"

#include <QImageReader>
#include <QLayout>
#include <QtTest>

Q_DECLARE_METATYPE(Qt::Key)

namespace {
QStringList screenshotsIn(const QString &folder) { return QDir(folder).entryList({QStringLiteral("*.jpeg")}, QDir::Files, QDir::Name); }

QSize jpegSize(const QString &path) { QImageReader reader(path); return reader.format() == "jpeg" ? reader.size() : QSize(); }

TrackPoint fixAt(double latitude, double longitude, const char *utc, float speedKmh, double course)
{
    return {0, QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate).toMSecsSinceEpoch(), true, true, latitude, longitude, speedKmh, course};
}

struct KeyRecorder : QObject {
    QList<int> keys;
    bool eventFilter(QObject *, QEvent *e) override { return e->type() == QEvent::KeyPress && (keys << static_cast<QKeyEvent *>(e)->key(), false); }
};

// A stand-in `ffmpeg`, first in PATH while it lives: each run logs "<pid> <start time> <input>", then runs
// `body` with $out set to the output file. Sleeping: exec keeps the logged pid, so killing it ends the sleep.
// A null body leaves no ffmpeg on the PATH at all.
struct FakeFfmpeg {
    explicit FakeFfmpeg(int sleepSeconds) : FakeFfmpeg(QStringLiteral("exec sleep %1").arg(sleepSeconds)) {}
    explicit FakeFfmpeg(const QString &body)
    {
        qputenv("PATH", QFile::encodeName(mDir.path()) + (body.isNull() ? QByteArray() : ':' + mOldPath));
        if (body.isNull())
            return;
        QFile script(mDir.filePath(QStringLiteral("ffmpeg")));
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\necho $$ $2 $4 >> '%1'\nfor out; do :; done\n%2\n").arg(mLog, body).toUtf8());
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    ~FakeFfmpeg() { qputenv("PATH", mOldPath); }
    QStringList runs() const { QFile log(mLog); return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts) : QStringList(); }
    static bool isRunning(const QString &run) { return QFileInfo::exists("/proc/" + run.section(' ', 0, 0)); }

    QTemporaryDir mDir;
    const QString mLog = mDir.filePath(QStringLiteral("runs.log"));
    const QByteArray mOldPath = qgetenv("PATH");
};
} // namespace

class TestPlayer : public QObject
{
    Q_OBJECT
    QMediaPlayer *mainPlayer() const { return mArea->mainPlayer()->player(); }
    int playerCount() const { return mArea->findChild<QWidget *>("wgtbackWidget")->layout()->count(); }

    QScopedPointer<QTemporaryDir> mShots;
    QScopedPointer<PlaylistModel> mModel;
    QScopedPointer<PlayAreaManager> mArea;
    PlaylistRow *mFront = nullptr;
    PlaylistRow *mRear = nullptr;

private slots:
    void init()
    {
        mShots.reset(new QTemporaryDir);
        mModel.reset(new PlaylistModel);
        mArea.reset(new PlayAreaManager);
        mArea->setScreenshotFolders(mShots->path(), QString());
        mArea->resize(640, 180);
        mArea->show();
        QVERIFY(QTest::qWaitForWindowExposed(mArea.data()));
        // Rear first, so the front row's id is not 0.
        const QString demo = QStringLiteral(VANTREL_DEMO_DIR "/20261206_101500");
        if (!QFileInfo::exists(demo + "F.MP4") || !QFileInfo::exists(demo + "R.MP4"))
            QSKIP("demo recordings not built");
        mRear = mModel->rowAt(mModel->addFile(QUrl::fromLocalFile(demo + "R.MP4")));
        mFront = mModel->rowAt(mModel->addFile(QUrl::fromLocalFile(demo + "F.MP4")));
    }

    void cleanup()
    {
        mArea.reset();
        mModel.reset();
        CaptureThread::setCaptureTimeoutMs(CaptureThread::defaultCaptureTimeoutMs);
    }

    // Real ffmpeg: one frame-sized JPEG per request, named after the video, in the configured folder,
    // whatever characters the names hold (URL escapes, shell and quote characters, non-ASCII).
    void screenshots()
    {
        const QList<qint64> positions{2000, 30000}; // the second request after the first run
        const QString copy = mShots->filePath(QString::fromUtf8("it's 100%20 100%dx #1 ü&|.x.MP4")); // beside the folder
        QVERIFY(QFile::copy(mFront->url.toLocalFile(), copy));
        PlaylistRow *row = mModel->rowAt(mModel->addFile(QUrl::fromLocalFile(copy)));
        const QString folder = mShots->filePath(QString::fromUtf8("it's \"my\" shots; $(x) `y` ü 写真"));
        mArea->setScreenshotFolders(folder, QString());
        mArea->load(row->id, row->url, -1, QUrl());
        mainPlayer()->play();
        QTRY_COMPARE_WITH_TIMEOUT(mainPlayer()->state(), QMediaPlayer::PlayingState, 30000);
        // Each run ends before the widget has seen its finished(): a request was once lost there.
        for (qint64 position : positions) {
            QVERIFY(!mArea->mainPlayer()->captureThread() || mArea->mainPlayer()->captureThread()->wait(120000));
            mArea->mainPlayer()->screenshot(position);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!mArea->mainPlayer()->captureThread(), 120000);
        const QStringList shots = screenshotsIn(folder);
        QCOMPARE(shots.size(), positions.size());
        // The name keeps all but the extension; '%' is no frame number pattern.
        const QRegularExpression pattern(QStringLiteral("^ScreenShot_%1__\\d{6}-\\d{6}_\\d{3}\\.jpeg$")
                                             .arg(QRegularExpression::escape(QString::fromUtf8("it's 100%20 100%dx #1 ü&|.x"))));
        for (const QString &shot : shots) {
            QVERIFY2(pattern.match(shot).hasMatch(), qPrintable(shot));
            QCOMPARE(jpegSize(folder + '/' + shot), QSize(1280, 720));
        }
        QVERIFY(QImage(folder + '/' + shots.at(0)) != QImage(folder + '/' + shots.at(1)));
    }

    // A name taken gets the next free number, held by an empty file at once (the name itself: screenshots).
    void stillNames()
    {
        QString reason;
        for (const char *taken : {"ScreenShot_A__200221-142530_123.jpeg", "ScreenShot_A__200221-142530_123_2.jpeg"})
            QVERIFY(QFile(mShots->filePath(taken)).open(QIODevice::WriteOnly));
        const QString path = CaptureThread::reserveOutputFile(mShots->path(), "/v/A.MP4", "200221-142530_123", &reason);
        QCOMPARE(path, mShots->filePath("ScreenShot_A__200221-142530_123_3.jpeg"));
        QVERIFY(QFileInfo(path).isFile() && QFileInfo(path).size() == 0 && reason.isEmpty());
    }

    // The worker with a stand-in ffmpeg: what it runs, reports (paths relative to the test's root, where "a file"
    // is a file) and leaves behind. Nothing stays queued, and no run outlives the worker.
    void stillOutcomes_data()
    {
        QTest::addColumn<QString>("ffmpeg"); // the stand-in's body; null: no ffmpeg at all
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QStringList>("files");   // one request each, at 1:00:01.001, 1:00:02.002, ...
        QTest::addColumn<QStringList>("runs");    // start time and input of each run
        QTest::addColumn<QStringList>("reports"); // each report starts with its line here
        QTest::addColumn<QStringList>("stills");  // the folder of each .jpeg; none elsewhere
        const QString writes = QStringLiteral("printf 'image' > \"$out\"");
        const QString diskFull = QStringLiteral("printf 'half an im' > \"$out\"; echo 'frame written' >&2; "
                                                "echo 'av_interleaved_write_frame(): No space left on device' >&2; exit 1");
        const QStringList a{"/v/a.mp4"}, twice{"/v/a.mp4", "/v/a.mp4"}, one{"01:00:01.001 /v/a.mp4"},
            both{"01:00:01.001 /v/a.mp4", "01:00:02.002 /v/a.mp4"}, saved{"saved shots/ScreenShot_a__"};
        QTest::newRow("one run per request, in order") << writes << "shots" << "default" << twice << both << saved + saved
                                                       << QStringList{"shots", "shots"};
        QTest::newRow("another file drops the waiting ones") << writes << "shots" << "default" << QStringList{"/v/a.mp4", "/v/a.mp4", "/v/b.mp4"}
            << QStringList{"01:00:03.003 /v/b.mp4"} << QStringList{"saved shots/ScreenShot_b__"} << QStringList{"shots"};
        QTest::newRow("hanging runs are stopped") << "exec sleep 600" << "shots" << "default" << twice << both
                                                  << QStringList{"failed shots: ffmpeg took too long", "failed shots: ffmpeg took too long"} << QStringList();
        QTest::newRow("disk full: half an image removed") << diskFull << "shots" << "default" << a << one
            << QStringList{"failed shots: av_interleaved_write_frame(): No space left on device"} << QStringList();
        QTest::newRow("success without an image") << "exit 0" << "shots" << "default" << a << one
                                                  << QStringList{"failed shots: ffmpeg wrote no image"} << QStringList();
        QTest::newRow("no ffmpeg") << QString() << "shots" << "default" << a << QStringList()
                                   << QStringList{"failed shots: ffmpeg cannot be started: "} << QStringList();
        QTest::newRow("folder through a file: the default instead") << writes << "a file/shots" << "default" << a << one
            << QStringList{"replaced a file/shots (Not a directory) by default", "saved default/ScreenShot_a__"} << QStringList{"default"};
        QTest::newRow("neither usable: nothing runs") << writes << "a file/shots" << "a file/default" << a << QStringList()
                                                      << QStringList{"failed a file/shots: Not a directory"} << QStringList();
    }
    void stillOutcomes()
    {
        QFETCH(QString, ffmpeg);
        QFETCH(QString, folder);
        QFETCH(QString, fallback);
        QFETCH(QStringList, files);
        QFETCH(QStringList, reports);
        FakeFfmpeg fake(ffmpeg);
        CaptureThread::setCaptureTimeoutMs(2000);
        QDir root(mShots->path());
        QVERIFY(QFile(root.filePath("a file")).open(QIODevice::WriteOnly));
        CaptureThread worker;
        worker.setFolders(folder.trimmed().isEmpty() ? folder : root.filePath(folder), root.filePath(fallback));
        QStringList heard;
        connect(&worker, &CaptureThread::captured, this, [&](const QString &path) { heard << "saved " + root.relativeFilePath(path); });
        connect(&worker, &CaptureThread::captureFailed, this, [&](const QString &at, const QString &reason) { heard << QStringLiteral("failed %1: %2").arg(root.relativeFilePath(at), reason); });
        connect(&worker, &CaptureThread::folderReplaced, this, [&](const QString &at, const QString &reason, const QString &by) {
            heard << QStringLiteral("replaced %1 (%2) by %3").arg(root.relativeFilePath(at), reason, root.relativeFilePath(by));
        });
        for (int i = 0; i < files.size(); ++i)
            worker.addTask(files.at(i), 3600000 + 1001 * (i + 1));
        worker.start();
        QVERIFY(worker.wait(120000));
        QVERIFY(!worker.hasTasks());
        QStringList runs;
        for (const QString &run : fake.runs()) {
            QVERIFY(!FakeFfmpeg::isRunning(run));
            runs << run.section(QLatin1Char(' '), 1);
        }
        QTEST(runs, "runs");
        QTRY_COMPARE(heard.size(), reports.size());
        for (int i = 0; i < reports.size(); ++i)
            QVERIFY2(heard.at(i).startsWith(reports.at(i)), qPrintable(heard.join('\n')));
        QStringList holding;
        for (QDirIterator it(root.path(), {"*.jpeg"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            holding << root.relativeFilePath(QFileInfo(it.next()).path());
        QTEST(holding, "stills");
    }

    // A still's second as EXIF GPS tags, read back by exiftool (signed position, UTC time, km/h, true
    // direction); none without a fix or with the setting off. Nothing but the still is left in its folder.
    void stillGpsTags_data()
    {
        QTest::addColumn<TrackPoint>("point");
        QTest::addColumn<bool>("tagsOn");
        QTest::addColumn<QByteArray>("frame"); // what ffmpeg writes; "jpeg": a 64x48 JPEG
        QTest::addColumn<QVariantMap>("tags"); // as exiftool reads them; empty: no GPS tag at all
        const TrackPoint northEast = fixAt(48.137154, 11.576124, "2026-12-06T10:15:07Z", 53.5f, 271.25);
        TrackPoint noFix = fixAt(0, 0, "2026-12-06T10:15:07Z", 0, 0);
        noFix.hasFix = false;
        QTest::newRow("north and east") << northEast << true << QByteArray("jpeg")
            << QVariantMap{{"Composite:GPSLatitude", 48.137154}, {"Composite:GPSLongitude", 11.576124},
                           {"Composite:GPSDateTime", "2026:12:06 10:15:07Z"}, {"GPS:GPSSpeed", 53.5}, {"GPS:GPSSpeedRef", "K"},
                           {"GPS:GPSImgDirection", 271.25}, {"GPS:GPSImgDirectionRef", "T"}};
        QTest::newRow("south and west") << fixAt(-33.86882, -151.20929, "2027-01-01T23:59:59Z", 120.25f, 0.5) << true << QByteArray("jpeg")
            << QVariantMap{{"Composite:GPSLatitude", -33.86882}, {"Composite:GPSLongitude", -151.20929},
                           {"Composite:GPSDateTime", "2027:01:01 23:59:59Z"}, {"GPS:GPSSpeed", 120.25}, {"GPS:GPSImgDirection", 0.5}};
        QTest::newRow("no fix") << noFix << true << QByteArray("jpeg") << QVariantMap();
        QTest::newRow("setting off") << northEast << false << QByteArray("jpeg") << QVariantMap();
        QTest::newRow("ffmpeg wrote no JPEG") << northEast << true << QByteArray("image") << QVariantMap{{"failed", "the image is no JPEG"}};
    }
    void stillGpsTags()
    {
        QFETCH(TrackPoint, point);
        QFETCH(bool, tagsOn);
        QFETCH(QByteArray, frame);
        QFETCH(QVariantMap, tags);
        QFile image(mShots->filePath("frame"));
        QVERIFY(frame == "jpeg" ? QImage(64, 48, QImage::Format_RGB32).save(image.fileName(), "JPEG") : image.open(QIODevice::WriteOnly) && image.write(frame));
        image.close();
        FakeFfmpeg fake(QStringLiteral("cp '%1' \"$out\"").arg(image.fileName()));
        const QDir folder(mShots->filePath("shots"));
        CaptureThread worker;
        worker.setFolders(folder.path(), QString());
        worker.setGpsTags(tagsOn);
        QStringList heard;
        connect(&worker, &CaptureThread::captured, this, [&](const QString &path) { heard << path; });
        connect(&worker, &CaptureThread::captureFailed, this, [&](const QString &, const QString &reason) { heard << "failed " + reason; });
        worker.addTask(QStringLiteral("/v/a.mp4"), 1000, point);
        worker.start();
        QVERIFY(worker.wait(60000));
        QTRY_COMPARE(heard.size(), 1);
        const QStringList left = folder.entryList(QDir::Files | QDir::Hidden);
        if (tags.contains("failed")) {
            QVERIFY2(heard.first().endsWith(tags.value("failed").toString()), qPrintable(heard.first()));
            QCOMPARE(left, QStringList());
            return;
        }
        QCOMPARE(left, QStringList{QFileInfo(heard.first()).fileName()});
        QCOMPARE(jpegSize(heard.first()), QSize(64, 48));
        QProcess exiftool;
        exiftool.start(QStringLiteral("exiftool"), {"-n", "-json", "-G1", heard.first()});
        QVERIFY(exiftool.waitForFinished(60000) && exiftool.exitCode() == 0);
        const QVariantMap read = QJsonDocument::fromJson(exiftool.readAllStandardOutput()).array().at(0).toObject().toVariantMap();
        QVERIFY(!read.isEmpty());
        for (auto it = read.cbegin(); it != read.cend(); ++it)
            QVERIFY2(!tags.isEmpty() || !it.key().contains("GPS"), qPrintable(it.key()));
        for (auto it = tags.cbegin(); it != tags.cend(); ++it) {
            const QVariant value = read.value(it.key());
            const bool same = it->type() == QVariant::Double ? qAbs(value.toDouble() - it->toDouble()) < 1e-6 : value == *it;
            QVERIFY2(same, qPrintable(it.key() + ": " + value.toString()));
        }
    }

    // A second camera's file the media player cannot play: its reason where its picture would be, the failure
    // reported for its own row; the next file clears it. (The main player's: tst_mainwindows.)
    void unplayableFile()
    {
        QFile text(mShots->filePath("notes.mp4"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write(QByteArray("shopping list\n").repeated(100)) > 0);
        text.close();
        PlaylistRow *row = mModel->rowAt(mModel->addFile(QUrl::fromLocalFile(text.fileName())));
        QSignalSpy failed(mArea.data(), &PlayAreaManager::mediaFailed);
        mArea->setPlayMode(2);
        mArea->load(mFront->id, mFront->url, row->id, row->url); // the second camera's file is the broken one
        mArea->play();
        QTRY_VERIFY_WITH_TIMEOUT(!failed.isEmpty(), 30000);
        QCOMPARE(failed.first().at(0).toInt(), row->id);
        QVERIFY(!failed.first().at(1).toString().isEmpty());
        const QString shown = mArea->secondPlayer()->failureText();
        QVERIFY2(shown.startsWith(QLatin1String("notes.mp4 cannot be played:\n")) && shown.endsWith(failed.first().at(1).toString()), qPrintable(shown));
        QVERIFY(mArea->mainPlayer()->failureText().isEmpty());
        mArea->load(mFront->id, mFront->url, mRear->id, mRear->url);
        QVERIFY(mArea->mainPlayer()->failureText().isEmpty() && mArea->secondPlayer()->failureText().isEmpty());
    }

    // The rear player follows the main one muted; the play area reports the main
    // player only, in whole seconds tagged with the main row's id.
    void twoPlayers()
    {
        mArea->setPlayMode(2);
        QPointer<PlayerWidget> second = mArea->secondPlayer();
        mArea->setPlayMode(2); // already there: still one second player
        mArea->load(mFront->id, mFront->url, mRear->id, mRear->url);
        QVERIFY(mArea->secondPlayer() == second.data() && playerCount() == 2);
        QMediaPlayer *rear = mArea->secondPlayer()->player();
        QSignalSpy durations(mArea.data(), &PlayAreaManager::durationChanged);
        QSignalSpy positions(mArea.data(), &PlayAreaManager::positionChanged);
        QSignalSpy muted(mArea.data(), &PlayAreaManager::mutedChanged); // the main player's only
        mArea->play();
        QTRY_COMPARE_WITH_TIMEOUT(rear->state(), QMediaPlayer::PlayingState, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PlayingState, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!durations.isEmpty() && qAbs(durations.last().first().toLongLong() - 60000) < 1000, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(positions.size() >= 2, 30000);
        for (const QList<QVariant> &report : qAsConst(positions))
            QVERIFY(report.at(0).toLongLong() <= 60 && report.at(1).toInt() == mFront->id);
        mArea->setMuted(true);
        mArea->setMuted(false);
        mArea->setPlaybackRate(2.0);
        mArea->setVolume(20);
        QVERIFY(rear->isMuted() && !mainPlayer()->isMuted() && muted.size() == 2 && rear->playbackRate() == 2.0 && rear->volume() == 20);
        // A released seek slider resumes both players at its position, even if paused before; a press pauses them.
        mArea->pause();
        QTRY_COMPARE_WITH_TIMEOUT(rear->state(), QMediaPlayer::PausedState, 30000);
        mArea->onSliderStatusChanged(true, 0);
        mArea->onSliderStatusChanged(false, 25);
        for (QMediaPlayer *player : {mainPlayer(), rear}) {
            QTRY_COMPARE_WITH_TIMEOUT(player->state(), QMediaPlayer::PlayingState, 30000);
            QTRY_VERIFY_WITH_TIMEOUT(player->position() >= 25000, 30000);
        }
        mArea->onSliderStatusChanged(true, 25);
        QTRY_COMPARE_WITH_TIMEOUT(mArea->state(), QMediaPlayer::PausedState, 30000);
        mArea->seek(42);
        QTRY_COMPARE_WITH_TIMEOUT(positions.last().at(0).toLongLong(), qint64(42), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(rear->position() / 1000, qint64(42), 30000);
        // The rear player goes mid-capture: the running ffmpeg is stopped, the waiting request dropped.
        FakeFfmpeg fake(600);
        second->screenshot(1000);
        second->screenshot(2000);
        QPointer<CaptureThread> worker = second->captureThread();
        QTRY_COMPARE_WITH_TIMEOUT(fake.runs().size(), 1, 30000);
        mArea->setPlayMode(1);
        QCOMPARE(playerCount(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(second.isNull(), 30000);
        QVERIFY(worker.isNull());
        QCOMPARE(fake.runs().size(), 1);
        QVERIFY(!FakeFfmpeg::isRunning(fake.runs().first()));
    }

    void keys_data()
    {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("handedOver");
        QTest::addColumn<bool>("reachesArea");
        QTest::addColumn<bool>("fullScreenAfter");
        QTest::newRow("Escape in place goes on") << false << Qt::Key_Escape << false << true << false;
        QTest::newRow("Escape leaves full screen") << true << Qt::Key_Escape << false << false << false;
        QTest::newRow("Left handed over") << true << Qt::Key_Left << true << false << true;
        QTest::newRow("other keys swallowed") << true << Qt::Key_A << false << false << true;
    }
    // Either player, in place or in full screen (a double click switches); keys
    // handed over leave through the play area's signal. Enter into and out of
    // full screen through the window: tst_playback.
    void keys()
    {
        QFETCH(bool, fullScreen);
        QFETCH(Qt::Key, key);
        QFETCH(bool, handedOver);
        mArea->setPlayMode(2);
        KeyRecorder reaching;
        mArea->installEventFilter(&reaching);
        QList<int> handed;
        connect(mArea.data(), &PlayAreaManager::keyPressSignals, this, [&](QKeyEvent *event) { handed << event->key(); });
        for (PlayerWidget *widget : {mArea->mainPlayer(), mArea->secondPlayer()}) {
            if (fullScreen)
                QTest::mouseDClick(widget, Qt::LeftButton);
            QCOMPARE(widget->isFullScreen(), fullScreen);
            handed.clear();
            reaching.keys.clear();
            QTest::keyClick(widget, key);
            QCOMPARE(handed, handedOver ? QList<int>{key} : QList<int>());
            QTEST(reaching.keys.contains(key), "reachesArea");
            QTEST(widget->isFullScreen(), "fullScreenAfter");
            widget->setFullScreen(false);
        }
    }

    // Videos are kept in order, one batch; other types and folders are refused.
    void drops()
    {
        QList<QUrl> urls;
        for (const char *name : {"a.MP4", "c.mkv", "folder.mp4/", "b.avi"}) {
            const QString path = mShots->filePath(name);
            QVERIFY(path.endsWith('/') ? QDir().mkdir(path) : QFile(path).open(QIODevice::WriteOnly));
            urls << QUrl::fromLocalFile(path);
        }
        QMimeData data;
        data.setUrls(urls);
        QSignalSpy dropped(mArea.data(), &PlayAreaManager::filesDropped);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QVERIFY(QCoreApplication::sendEvent(mArea.data(), &enter) && enter.isAccepted());
        QCoreApplication::sendEvent(mArea.data(), &drop);
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(dropped.at(0).at(0).value<QList<QUrl>>(), (QList<QUrl>{urls.at(0), urls.at(3)}));
    }
};

QTEST_MAIN(TestPlayer)
#include "tst_player.moc"
