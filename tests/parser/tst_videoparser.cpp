#include "BoxWriter.h"
#include "Mp4Sample.h"
#include "SampleDir.h"
#include "SampleRecord.h"
#include "VideoParser.h"

#include <QtTest>

#include <atomic>
#include <memory>
#include <vector>

namespace {

// What workers report, as received on the test's thread (queued).
struct Reports : QObject
{
    Reports() = default;
    explicit Reports(VideoParser &worker) { watch(worker); }
    void watch(VideoParser &worker)
    {
        connect(&worker, &VideoParser::videoInfoChanged, this, [this](int id, VideoInfo info) {
            events << QString("info %1: %2x%3, %4 s").arg(id).arg(info.width).arg(info.height).arg(info.duration);
        });
        connect(&worker, &VideoParser::gpsDataChanged, this, [this](int id, const GpsData &data) {
            events << QString("%1: %2 at %3").arg(id).arg(data.second).arg(data.dateTime);
        });
        connect(&worker, &VideoParser::trackReady, this, [this](int id, const TelemetryTrack &track) {
            tracks << track;
            trackIds << id;
        });
    }
    QStringList events;
    QVector<TelemetryTrack> tracks;
    QVector<int> trackIds;
};

// This process's threads and open descriptors, as the kernel counts them.
int threadCount() { return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); }
int openDescriptors() { return QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(); }

using Workers = std::vector<std::unique_ptr<VideoParser>>;

// Starts `count` workers on `file`; their reports land in `reports`.
Workers startWorkers(const QString &file, int count, Reports &reports)
{
    Workers workers;
    for (int id = 0; id < count; ++id) {
        workers.push_back(std::make_unique<VideoParser>());
        reports.watch(*workers.back());
        workers.back()->startParsing(QUrl::fromLocalFile(file), id);
    }
    return workers;
}

}  // namespace

class tst_VideoParser : public QObject
{
    Q_OBJECT

private:
    SampleDir mDir;
    QString mDrive;     // ten records, 1920 wide
    QString mSlowWalk;  // as many empty boxes as a walk may visit: it takes seconds

private slots:
    void initTestCase()
    {
        mDrive = mDir.write("drive.mp4",
            Mp4Sample().movie(1000, 10000).videoTrack(1920, 1080).gps0(straightDrive(10)).bytes());
        mSlowWalk = mDir.write("slow.mp4", BoxWriter::boxHeader(8, "free").repeated(1 << 20));
    }

    void requests_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QVector<int>>("requests");  // each picked up before the next
        QTest::addColumn<QVector<int>>("served");
        QTest::addColumn<QString>("info");

        // The first request most likely arrives during the walk; -1, a repeat or one beyond the records is no new second.
        QTest::newRow("drive") << mDrive << QVector<int>{-1, 4, 4, -1, 4, 6, 9, 20, 4}
                               << QVector<int>{4, 6, 4} << "info -7: 1920x1080, 10 s";
        QTest::newRow("unopenable file") << mDir.path("missing.mp4") << QVector<int>{0, 1, 2}
                                         << QVector<int>() << "info -7: 0x0, 0 s";
    }

    void requests()
    {
        QFETCH(QString, file);
        QFETCH(QVector<int>, requests);
        QFETCH(QVector<int>, served);
        QFETCH(QString, info);
        auto worker = std::make_unique<VideoParser>();
        Reports reports(*worker);
        worker->startParsing(QUrl::fromLocalFile(file), -7);

        QStringList expected = {info};
        for (const int second : requests) {
            worker->setSecond(second);
            if (expected.size() <= served.size() && served[expected.size() - 1] == second) {
                const QString time = straightDriveTime(second + 1);
                expected << QString("-7: %1 at %2").arg(second).arg(time);
                QTRY_COMPARE_WITH_TIMEOUT(reports.events.size(), expected.size(), 10000);
            }
        }
        QTest::qWait(100);  // a chance to answer the rest, which it must not take
        worker.reset();
        QCoreApplication::sendPostedEvents();  // what it sent before it ended
        QCOMPARE(reports.events, expected);
    }

    // Requests at every moment around the worker's going back to sleep: the last of each round is never lost.
    void lastRequestServed_data()
    {
        QTest::addColumn<int>("burst");  // requests per round
        QTest::newRow("one at a time") << 1;
        QTest::newRow("bursts of three") << 3;
    }

    void lastRequestServed()
    {
        QFETCH(int, burst);
        VideoParser worker;
        std::atomic<int> lastServed{-1};
        connect(&worker, &VideoParser::gpsDataChanged, &worker,
            [&lastServed](int, const GpsData &data) { lastServed = data.second; },
            Qt::DirectConnection);
        worker.startParsing(QUrl::fromLocalFile(mDrive), 1);
        for (int round = 0; round < 10000; ++round) {
            int wanted = -1;
            for (int i = 0; i < burst; ++i) {
                wanted = (round * burst + i) % 9;  // seconds 0 to 8 have samples
                worker.setSecond(wanted);
            }
            QElapsedTimer waited;
            waited.start();
            while (lastServed != wanted) {
                if (waited.elapsed() > 5000)
                    QFAIL(qPrintable(QString("round %1: second %2 not served").arg(round).arg(wanted)));
            }
            for (volatile int spin = 0; spin < round % 1999; ++spin) {
            }
        }
    }

    // A card's worth of walked workers holds no thread nor open file of its own; a file asked for seconds
    // is closed again once idle, and reopened for the next request.
    void idleWorkersHoldNothing()
    {
        constexpr int cardSize = 300;
        const int threadsBefore = threadCount();
        const int descriptorsBefore = openDescriptors();
        Reports reports;
        Workers workers = startWorkers(mDrive, cardSize, reports);
        QTRY_COMPARE_WITH_TIMEOUT(reports.events.size(), cardSize, 30000);
        QVERIFY2(threadCount() - threadsBefore <= 16, qPrintable(QString::number(threadCount())));
        QTRY_COMPARE(openDescriptors(), descriptorsBefore);

        for (const int second : {6, 2}) {
            workers[7]->setSecond(second);
            QTRY_VERIFY_WITH_TIMEOUT(reports.events.last().startsWith(QString("7: %1 at").arg(second)), 10000);
            QTRY_COMPARE_WITH_TIMEOUT(openDescriptors(), descriptorsBefore, 20000);
        }
    }

    // A request for a file not walked yet is answered before the walks waiting ahead of it.
    void requestOvertakesWalks()
    {
        constexpr int slowWalks = 12;
        Reports reports;
        Workers slow = startWorkers(mSlowWalk, slowWalks, reports);
        Workers playing = startWorkers(mDrive, 1, reports);
        playing.front()->setSecond(4);
        QTRY_VERIFY_WITH_TIMEOUT(!reports.events.filter(QRegularExpression("^0: 4 at")).isEmpty(), 30000);
        QVERIFY2(reports.events.filter("info").size() < slowWalks + 1, qPrintable(reports.events.join(", ")));
    }

    // After its information, a worker reports its file's track once: empty without telemetry, the readable part of a cut file.
    void track_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("fewestPoints");
        QTest::addColumn<int>("mostPoints");

        QFile whole(mDrive);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        // The records lie after the movie box: a cut takes the last few.
        const QString cut = mDir.write("cut.mp4", bytes.left(bytes.size() - 4 * 312 - 100));
        // The records of the first nine seconds; the tenth starts no second.
        QTest::newRow("drive") << mDrive << 9 << 9;
        QTest::newRow("cut short") << cut << 1 << 8;
        QTest::newRow("video without telemetry")
            << mDir.write("video.mp4", Mp4Sample().movie(1000, 10000).videoTrack(640, 480).bytes()) << 0 << 0;
    }

    void track()
    {
        QFETCH(QString, file);
        QFETCH(int, fewestPoints);
        QFETCH(int, mostPoints);
        auto worker = std::make_unique<VideoParser>();
        Reports reports(*worker);
        worker->startParsing(QUrl::fromLocalFile(file), 5);
        QTRY_COMPARE_WITH_TIMEOUT(reports.tracks.size(), 1, 10000);
        QCOMPARE(reports.events.size(), 1);  // the information came first
        QCOMPARE(reports.trackIds, QVector<int>{5});
        const TelemetryTrack track = reports.tracks.first();
        QVERIFY2(track.size() >= fewestPoints && track.size() <= mostPoints, qPrintable(QString::number(track.size())));
        // The points' values are tst_track's; here each second in its place.
        for (int i = 0; i < track.size(); ++i)
            QCOMPARE(QDateTime::fromMSecsSinceEpoch(track[i].utcMsecs, Qt::UTC).toString("yyyyMMddhhmmss").toLatin1(), straightDriveTime(i + 1));
        // Asked for seconds after the pass, the worker serves them and decodes nothing again.
        worker->setSecond(2);
        QTRY_COMPARE_WITH_TIMEOUT(reports.events.size(), 1 + qMin(track.size(), 1), 10000);
        QTest::qWait(100);
        QCOMPARE(reports.tracks.size(), 1);
    }

    void destroy_data()
    {
        QTest::addColumn<QString>("file");  // empty: never started
        QTest::addColumn<bool>("waitForInfo");
        QTest::addColumn<int>("second");    // asked for just before destruction
        QTest::addColumn<int>("infoReports");
        QTest::addColumn<int>("trackReports");  // -1: either

        QTest::newRow("never started") << QString() << false << 3 << 0 << 0;
        QTest::newRow("just asked") << mDrive << true << 3 << 1 << -1;
        // The walk is stopped where it is; what it found so far is not reported.
        QTest::newRow("during the walk") << mSlowWalk << false << -1 << 0 << 0;
        QTest::newRow("asked during the walk") << mSlowWalk << false << 0 << 0 << 0;
    }

    void destroy()
    {
        QFETCH(QString, file);
        QFETCH(bool, waitForInfo);
        QFETCH(int, second);
        auto worker = std::make_unique<VideoParser>();
        Reports reports(*worker);
        if (!file.isEmpty())
            worker->startParsing(QUrl::fromLocalFile(file), -7);
        if (waitForInfo)
            QTRY_COMPARE_WITH_TIMEOUT(reports.events.size(), 1, 10000);
        worker->setSecond(second);
        worker.reset();
        QCoreApplication::sendPostedEvents();
        QTEST(int(reports.events.filter("info -7:").size()), "infoReports");
        QFETCH(int, trackReports);
        if (trackReports >= 0)
            QCOMPARE(int(reports.tracks.size()), trackReports);
    }
};

QTEST_GUILESS_MAIN(tst_VideoParser)
#include "tst_videoparser.moc"
