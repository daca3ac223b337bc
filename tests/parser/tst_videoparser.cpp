#include "BoxWriter.h"
#include "Mp4Sample.h"
#include "SampleDir.h"
#include "SampleRecord.h"
#include "VideoParser.h"

#include <QtTest>

#include <atomic>
#include <memory>

namespace {

// What a worker reports, as received on the test's thread (queued).
struct Reports : QObject
{
    explicit Reports(VideoParser &worker)
    {
        connect(&worker, &VideoParser::videoInfoChanged, this, [this](int id, VideoInfo info) {
            events << QString("info %1: %2x%3, %4 s").arg(id).arg(info.width).arg(info.height).arg(info.duration);
        });
        connect(&worker, &VideoParser::gpsDataChanged, this, [this](int id, const GpsData &data) {
            events << QString("%1: %2 at %3").arg(id).arg(data.second).arg(data.dateTime);
        });
    }

    QStringList events;
};

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

        // The first request most likely arrives during the walk; -1 is no new
        // second, nor is the same one again or one beyond the records.
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

    // Thousands of requests, each made just as the worker goes back to sleep
    // after answering the one before (the test watches for the answer without
    // sleeping, then waits a varying few hundred nanoseconds, to meet every
    // point between the worker's check for a request and its wait): the last
    // request of each round must be served, and at once.
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

    void destroy_data()
    {
        QTest::addColumn<QString>("file");  // empty: never started
        QTest::addColumn<bool>("waitForInfo");
        QTest::addColumn<int>("second");    // asked for just before destruction
        QTest::addColumn<int>("infoReports");

        QTest::newRow("never started") << QString() << false << 3 << 0;
        QTest::newRow("just asked") << mDrive << true << 3 << 1;
        // The walk is stopped where it is, and what it found so far is not
        // worth a report.
        QTest::newRow("during the walk") << mSlowWalk << false << -1 << 0;
        QTest::newRow("asked during the walk") << mSlowWalk << false << 0 << 0;
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
    }
};

QTEST_GUILESS_MAIN(tst_VideoParser)
#include "tst_videoparser.moc"
