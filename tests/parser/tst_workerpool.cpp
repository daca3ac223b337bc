#include "ParseWorkerPool.h"

#include <QtTest>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

// What the pool's threads did, in order, as seen from any thread.
struct Log {
    void add(const QString &entry) { std::lock_guard<std::mutex> lock(mutex); entries << entry; }
    QStringList all() const { std::lock_guard<std::mutex> lock(mutex); return entries; }
    // Without the file releases, whose moment is the pool's own business.
    QStringList work() const { return all().filter(QRegularExpression(QStringLiteral("^(?!.*release)"))); }
    mutable std::mutex mutex;
    QStringList entries;
};

// A slot whose background pass takes `steps` steps, each of which the test may hold at its start.
class FakeSlot : public ParseWorkerPool::Slot
{
public:
    FakeSlot(Log &log, const QString &name, int steps) : mLog(log), mName(name), mSteps(steps) {}

    void walk() override { mLog.add(mName + QStringLiteral(" walk")); }
    void serve(int second) override { mLog.add(QStringLiteral("%1 serve %2").arg(mName).arg(second)); }
    void releaseFile() override { mLog.add(mName + QStringLiteral(" release")); }
    bool passStep() override
    {
        ++mDone;
        mLog.add(QStringLiteral("%1 step %2").arg(mName).arg(mDone));
        std::unique_lock<std::mutex> lock(mGateMutex);
        mGateOpened.wait(lock, [this] { return !mHeld || mAllowed > 0; });
        if (mHeld)
            --mAllowed;
        return mDone < mSteps;
    }

    // Steps held at their start, `allowed` more let go; or none held.
    void gate(bool held, int allowed = 0)
    {
        std::lock_guard<std::mutex> lock(mGateMutex);
        mHeld = held;
        mAllowed += allowed;
        mGateOpened.notify_all();
    }
    void hold() { gate(true); }
    void letOneGo() { gate(true, 1); }
    void open() { gate(false); }

private:
    Log &mLog;
    const QString mName;
    const int mSteps;
    int mDone = 0;
    std::mutex mGateMutex;
    std::condition_variable mGateOpened;
    bool mHeld = false;
    int mAllowed = 0;
};

} // namespace

// The pool's background pass: never keeps a request waiting, ends with its file closed, stops with its worker.
class tst_WorkerPool : public QObject
{
    Q_OBJECT

private slots:
    // Two threads: one for walks and passes, one kept for requests.
    void init() { mPool = std::make_unique<ParseWorkerPool>(2, std::chrono::milliseconds(50)); }
    void cleanup() { mPool.reset(); }

    // A walked file's pass runs to its end before the next file is walked; then its file is closed, nothing more done.
    void passesRunOneFileAtATime()
    {
        Log log;
        auto a = std::make_shared<FakeSlot>(log, "a", 3);
        auto b = std::make_shared<FakeSlot>(log, "b", 2);
        mPool->add(a);
        mPool->add(b);
        const QStringList expected{"a walk", "a step 1", "a step 2", "a step 3", "b walk", "b step 1", "b step 2"};
        QTRY_COMPARE_WITH_TIMEOUT(log.work(), expected, 10000);
        QTRY_COMPARE(log.all().filter("release"), (QStringList{"a release", "b release"}));
        QTest::qWait(200);
        QCOMPARE(log.work(), expected);
    }

    // A slot's own request goes before its pass's next step; another file's is served during a step.
    void requestsGoBeforeThePass_data()
    {
        QTest::addColumn<bool>("sameSlot");
        QTest::newRow("own file") << true;
        QTest::newRow("other file") << false;
    }

    void requestsGoBeforeThePass()
    {
        QFETCH(bool, sameSlot);
        Log log;
        auto other = std::make_shared<FakeSlot>(log, "other", 1);
        mPool->add(other);
        QTRY_VERIFY(log.work().contains("other step 1"));
        auto passing = std::make_shared<FakeSlot>(log, "pass", 4);
        passing->hold();
        mPool->add(passing);
        QTRY_VERIFY(log.work().contains("pass step 1"));

        mPool->request(sameSlot ? passing : other, 7);
        if (!sameSlot) // served by the free thread while the step is held
            QTRY_COMPARE(log.work().last(), QStringLiteral("other serve 7"));
        passing->letOneGo();
        if (sameSlot)
            QTRY_COMPARE(log.work().mid(log.work().indexOf("pass step 1")),
                         (QStringList{"pass step 1", "pass serve 7", "pass step 2"}));
        passing->open();
        QTRY_VERIFY(log.work().contains("pass step 4"));
        QCOMPARE(log.work().filter("serve").size(), 1);
    }

    // A worker removed while its pass is under way takes no further step.
    void removedSlotStopsItsPass()
    {
        Log log;
        auto passing = std::make_shared<FakeSlot>(log, "pass", 10);
        passing->hold();
        mPool->add(passing);
        passing->letOneGo();
        QTRY_VERIFY(log.work().contains("pass step 2"));
        mPool->remove(passing);
        passing->open();
        QTRY_VERIFY(log.all().contains("pass release"));
        QTest::qWait(100);
        QCOMPARE(log.work(), (QStringList{"pass walk", "pass step 1", "pass step 2"}));
    }

private:
    std::unique_ptr<ParseWorkerPool> mPool;
};

QTEST_GUILESS_MAIN(tst_WorkerPool)
#include "tst_workerpool.moc"
