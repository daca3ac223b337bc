#include "ParseWorkerPool.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

namespace {

// Long enough to stay open while a file plays, even slowed down to a new
// second every four seconds; short enough that stepping through a card
// leaves only the last few files open.
constexpr std::chrono::milliseconds sharedIdleRelease{5000};

// Walks are mostly waiting for the disk: one more than the cores, and one
// thread more for the seconds asked for.
int sharedThreadCount()
{
    return std::clamp(QThread::idealThreadCount(), 1, 8) + 2;
}

} // namespace

// The threads end with the application object, while everything they may
// still touch (Qt's own globals among it) exists; a worker left over after
// that asks a stopped pool, which does nothing.
ParseWorkerPool &ParseWorkerPool::shared()
{
    static ParseWorkerPool pool(sharedThreadCount(), sharedIdleRelease);
    static const bool stopsWithApplication = [] {
        if (QCoreApplication::instance())
            qAddPostRoutine([] { shared().stop(); });
        return true;
    }();
    Q_UNUSED(stopsWithApplication);
    return pool;
}

ParseWorkerPool::ParseWorkerPool(int threads, std::chrono::milliseconds idleRelease)
    : mWalkLimit(std::max(1, threads - 1)), mIdleRelease(idleRelease)
{
    for (int i = 0; i < std::max(2, threads); ++i)
        mThreads.emplace_back([this] { run(); });
}

ParseWorkerPool::~ParseWorkerPool()
{
    stop();
}

void ParseWorkerPool::stop()
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStopping = true;
    }
    mWake.notify_all();
    for (std::thread &thread : mThreads) {
        if (thread.joinable())
            thread.join();
    }
}

void ParseWorkerPool::add(const SlotPtr &slot)
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        slot->queued = true;
        mWalks.push_back(slot);
    }
    mWake.notify_one();
}

void ParseWorkerPool::request(const SlotPtr &slot, int second)
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        slot->requested = second;
        // A slot being served or already waiting settles on the latest
        // second when its turn comes.
        if (second < 0 || second == slot->served || slot->busy || slot->urgent)
            return;
        if (slot->queued) {
            // The file about to play must not wait for a card's walks, nor
            // for its own pass.
            std::deque<SlotPtr> &background = slot->walked ? mPasses : mWalks;
            const auto waiting = std::find(background.begin(), background.end(), slot);
            if (waiting == background.end())
                return;  // already with the requests
            background.erase(waiting);
        }
        slot->urgent = !slot->walked;
        slot->queued = true;
        mRequests.push_back(slot);
    }
    mWake.notify_one();
}

void ParseWorkerPool::remove(const SlotPtr &slot)
{
    slot->cancelled.store(true, std::memory_order_relaxed);
    // Taking the lock once orders the flag before any thread's next look:
    // one about to sleep either sees it or is already waiting for the wake.
    { std::lock_guard<std::mutex> lock(mMutex); }
    mWake.notify_all();  // an idle thread lets go of its file at once
}

bool ParseWorkerPool::wantsSecond(const Slot &slot)
{
    return !slot.walked || (slot.requested >= 0 && slot.requested != slot.served);
}

ParseWorkerPool::Job ParseWorkerPool::nextJob(const Slot &slot)
{
    if (!slot.walked)
        return Job::Walk;
    if (wantsSecond(slot))
        return Job::Serve;
    return slot.passDone ? Job::None : Job::Pass;
}

// Work that may not take the thread kept for requests.
bool ParseWorkerPool::isBackground(const Slot &slot, Job job)
{
    return job == Job::Pass || (job == Job::Walk && !slot.urgent);
}

void ParseWorkerPool::run()
{
    std::unique_lock<std::mutex> lock(mMutex);
    while (!mStopping) {
        const SlotPtr slot = takeNext();
        if (!slot) {
            releaseIdleFiles();
            waitForWork(lock);
            continue;
        }
        const Job job = nextJob(*slot);
        if (job == Job::None) {
            // Asked for another second and back to the one served meanwhile.
            slot->queued = false;
            settle(slot);
            continue;
        }
        const bool counted = isBackground(*slot, job);
        const int second = slot->requested;
        slot->busy = true;
        slot->queued = slot->urgent = false;
        mWalking += counted;
        if (job == Job::Serve)
            slot->served = second;
        lock.unlock();
        const bool passGoesOn = doJob(*slot, job, second);
        lock.lock();
        mWalking -= counted;
        slot->walked = true;
        if (job == Job::Pass)
            slot->passDone = !passGoesOn;
        slot->busy = false;
        settle(slot);
    }
}

// Runs without the pool's lock; true while the slot's pass goes on.
bool ParseWorkerPool::doJob(Slot &slot, Job job, int second)
{
    switch (job) {
    case Job::Walk:
        slot.walk();
        return false;
    case Job::Serve:
        slot.serve(second);
        return false;
    case Job::Pass:
        return slot.passStep();
    case Job::None:
        break;
    }
    return false;
}

// Requests first; a pass step or a walk only while a thread stays free for
// them, passes first so that a walked file is done with before the next is
// opened. Slots cancelled while they waited are dropped here.
ParseWorkerPool::SlotPtr ParseWorkerPool::takeNext()
{
    const auto takeFrom = [](std::deque<SlotPtr> &queue) {
        while (!queue.empty()) {
            SlotPtr slot = std::move(queue.front());
            queue.pop_front();
            if (!slot->cancelled.load(std::memory_order_relaxed))
                return slot;
        }
        return SlotPtr();
    };
    if (SlotPtr slot = takeFrom(mRequests))
        return slot;
    if (mWalking >= mWalkLimit)
        return SlotPtr();
    if (SlotPtr slot = takeFrom(mPasses))
        return slot;
    return takeFrom(mWalks);
}

// After its turn a slot asks again if a newer second came meanwhile, else
// its pass goes on, with the file open; otherwise its file closes, at once
// when no second was served, after the idle time after a second served
// (the next one most likely follows).
void ParseWorkerPool::settle(const SlotPtr &slot)
{
    if (slot->cancelled.load(std::memory_order_relaxed)) {
        slot->releaseFile();
        return;
    }
    if (wantsSecond(*slot)) {
        slot->queued = true;
        mRequests.push_back(slot);
        mWake.notify_one();
        return;
    }
    if (!slot->passDone) {
        slot->queued = true;
        mPasses.push_front(slot);
        mWake.notify_one();
        return;
    }
    if (slot->served < 0) {
        slot->releaseFile();
        return;
    }
    slot->releaseAt = std::chrono::steady_clock::now() + mIdleRelease;
    if (std::find(mHoldingFiles.begin(), mHoldingFiles.end(), slot) == mHoldingFiles.end())
        mHoldingFiles.push_back(slot);
}

void ParseWorkerPool::releaseIdleFiles()
{
    const auto now = std::chrono::steady_clock::now();
    const auto released = [now](const SlotPtr &slot) {
        if (slot->busy || slot->queued)
            return slot->cancelled.load(std::memory_order_relaxed);
        if (!slot->cancelled.load(std::memory_order_relaxed) && slot->releaseAt > now)
            return false;
        slot->releaseFile();
        return true;
    };
    mHoldingFiles.erase(std::remove_if(mHoldingFiles.begin(), mHoldingFiles.end(), released),
                        mHoldingFiles.end());
}

// An idle pool sleeps until work arrives, or until the next file is due
// to close: with no file open it does not wake at all.
void ParseWorkerPool::waitForWork(std::unique_lock<std::mutex> &lock)
{
    if (mStopping || !mRequests.empty() || ((!mWalks.empty() || !mPasses.empty()) && mWalking < mWalkLimit))
        return;
    // Slots being served or waiting for a thread are not due: their thread
    // settles them again, and a deadline passed meanwhile must not make the
    // idle threads spin.
    bool anyDue = false;
    std::chrono::steady_clock::time_point due;  // a copy: the slot may go while we wait
    for (const SlotPtr &slot : mHoldingFiles) {
        if (slot->busy || slot->queued)
            continue;
        if (!anyDue || slot->releaseAt < due)
            due = slot->releaseAt;
        anyDue = true;
    }
    if (anyDue)
        mWake.wait_until(lock, due);
    else
        mWake.wait(lock);
}
