#include "BoxWriter.h"
#include "Mp4Sample.h"
#include "SampleDir.h"
#include "SampleRecord.h"
#include "VideoParser.h"

#include <QtTest>

#include <climits>
#include <memory>

namespace {

constexpr int generousMs = 10000;

// What a worker reports, as received on the test's thread (queued).
class Reports : public QObject
{
public:
    explicit Reports(VideoParser &worker)
    {
        connect(
            &worker, &VideoParser::videoInfoChanged, this, [this](int id, const VideoInfo &info) {
                ids.append(id);
                infos.append(info);
                events.append("info");
            });
        connect(&worker, &VideoParser::gpsDataChanged, this, [this](int id, const GpsData &data) {
            ids.append(id);
            samples.append(data);
            events.append(QString::number(data.second));
        });
    }

    QVector<int> ids;
    QVector<VideoInfo> infos;
    QVector<GpsData> samples;
    QStringList events;
};

// Stops the worker and delivers whatever it sent before it ended.
void finish(std::unique_ptr<VideoParser> &worker)
{
    worker.reset();
    QCoreApplication::sendPostedEvents();
}

}  // namespace

class tst_VideoParser : public QObject
{
    Q_OBJECT

private:
    SampleDir mDir;
    QString mDrive;     // ten records, 1920 wide
    QString mSlowWalk;  // many empty boxes: the walk takes a while

private slots:
    void initTestCase()
    {
        mDrive = mDir.write("drive.mp4",
            Mp4Sample().movie(1000, 10000).videoTrack(1920, 1080).gps0(straightDrive(10)).bytes());
        mSlowWalk = mDir.write("slow.mp4", BoxWriter::boxHeader(0, "free").repeated(1 << 16));
        QVERIFY(!mDrive.isEmpty());
        QVERIFY(!mSlowWalk.isEmpty());
    }

    void infoFirstAndIdCarried_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("3") << 3;
        QTest::newRow("0") << 0;
        QTest::newRow("negative") << -7;
        QTest::newRow("largest") << INT_MAX;
    }

    void infoFirstAndIdCarried()
    {
        QFETCH(int, id);
        auto worker = std::make_unique<VideoParser>();
        Reports reports(*worker);
        worker->startParsing(QUrl::fromLocalFile(mDrive), id);
        worker->setSecond(2);  // most likely still walking
        QTRY_COMPARE_WITH_TIMEOUT(reports.samples.size(), 1, generousMs);
        finish(worker);

        QCOMPARE(reports.events, QStringList({"info", "2"}));
        QCOMPARE(reports.ids, QVector<int>({id, id}));
        QCOMPARE(reports.infos[0].width, 1920);
        QCOMPARE(reports.infos[0].duration, 10u);
        QCOMPARE(QByteArray(reports.samples[0].dateTime), straightDriveTime(3));
    }

    void requests_data()
    {
        QTest::addColumn<QVector<int>>("requests");  // each picked up before the next
        QTest::addColumn<QVector<int>>("served");

        QTest::newRow("same second twice") << QVector<int>{4, 4, 6} << QVector<int>{4, 6};
        QTest::newRow("back to an earlier second")
            << QVector<int>{5, 6, 5} << QVector<int>{5, 6, 5};
        QTest::newRow("-1 asks for nothing") << QVector<int>{-1, 3} << QVector<int>{3};
        QTest::newRow("-1 in between is no new second")
            << QVector<int>{3, -1, 3, 4} << QVector<int>{3, 4};
        QTest::newRow("beyond the records") << QVector<int>{9, 20, 2} << QVector<int>{2};
        QTest::newRow("one after another")
            << QVector<int>{0, 1, 2, 3, 4, 5, 6, 7} << QVector<int>{0, 1, 2, 3, 4, 5, 6, 7};
    }

    void requests()
    {
        QFETCH(QVector<int>, requests);
        QFETCH(QVector<int>, served);
        auto worker = std::make_unique<VideoParser>();
        Reports reports(*worker);
        worker->startParsing(QUrl::fromLocalFile(mDrive), 1);
        QTRY_COMPARE_WITH_TIMEOUT(reports.infos.size(), 1, generousMs);

        int answered = 0;
        for (const int second : requests) {
            worker->setSecond(second);
            if (answered < served.size() && served[answered] == second) {
                ++answered;
                QTRY_COMPARE_WITH_TIMEOUT(reports.samples.size(), answered, generousMs);
            }
        }
        finish(worker);

        QVector<int> seconds;
        for (const GpsData &data : qAsConst(reports.samples))
            seconds.append(data.second);
        QCOMPARE(seconds, served);
        QCOMPARE(reports.infos.size(), 1);
    }

    void unopenableFile()
    {
        auto worker = std::make_unique<VideoParser>();
        Reports reports(*worker);
        worker->startParsing(QUrl::fromLocalFile(mDir.path("missing.mp4")), 4);
        QTRY_COMPARE_WITH_TIMEOUT(reports.infos.size(), 1, generousMs);
        for (const int second : {0, 1, 2}) {
            worker->setSecond(second);
            QTest::qWait(100);  // a chance to answer, which it must not take
        }
        finish(worker);

        QCOMPARE(reports.infos.size(), 1);
        QCOMPARE(reports.ids, QVector<int>{4});
        QCOMPARE(reports.infos[0].width, 0);
        QCOMPARE(reports.infos[0].height, 0);
        QCOMPARE(reports.infos[0].duration, 0u);
        QVERIFY(reports.infos[0].creationTime.isNull());
        QVERIFY(reports.samples.isEmpty());
    }

    void destroy_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("waitForInfo");
        QTest::addColumn<int>("second");  // asked for just before destruction

        QTest::newRow("idle") << mDrive << true << -1;
        QTest::newRow("just asked") << mDrive << true << 3;
        QTest::newRow("during the walk") << mSlowWalk << false << -1;
        QTest::newRow("asked during the walk") << mSlowWalk << false << 0;
    }

    void destroy()
    {
        QFETCH(QString, file);
        QFETCH(bool, waitForInfo);
        QFETCH(int, second);
        auto worker = std::make_unique<VideoParser>();
        // Direct: records the emission itself, in the worker's thread.
        QSignalSpy infoSpy(worker.get(), &VideoParser::videoInfoChanged);
        worker->startParsing(QUrl::fromLocalFile(file), 8);
        if (waitForInfo)
            QTRY_COMPARE_WITH_TIMEOUT(infoSpy.count(), 1, generousMs);
        worker->setSecond(second);
        worker.reset();

        // The walk is always finished and reported before the worker ends.
        QCOMPARE(infoSpy.count(), 1);
        QCOMPARE(infoSpy.at(0).at(0).toInt(), 8);
    }

    void destroyNeverStarted()
    {
        auto worker = std::make_unique<VideoParser>();
        worker->setSecond(3);
        worker.reset();
        QVERIFY(!worker);
    }
};

QTEST_GUILESS_MAIN(tst_VideoParser)
#include "tst_videoparser.moc"
