#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// The threads that do the file reading of every parse worker. A worker is a
// slot here: first its file's walk, then the latest playback second asked
// for, and in the background a pass over its whole file in short steps.
// Slots with something to do wait in a queue and are served in the
// order they asked, each by one thread at a time, so a file's requests are
// answered in order and a request made while its slot waits replaces the
// one before. Walks and pass steps may take every thread but one: a second
// asked for is answered at once even while a whole card is being walked,
// asking for a second of a file not walked yet moves its walk ahead of the
// others, and a slot's request is served before its pass takes its next
// step. Passes go before walks, so a card's files are taken one at a time
// and only the few under way hold their files open.
// A slot's file is open only while it is served and for a short idle time
// after a second was served, so a card's worth of slots holds no files and
// no threads of its own.
class ParseWorkerPool
{
public:
    class Slot
    {
    public:
        virtual ~Slot() = default;

        // Called by one pool thread at a time: the walk once, first, then
        // each second served; releaseFile when the slot falls idle.
        virtual void walk() = 0;
        virtual void serve(int second) = 0;
        virtual void releaseFile() = 0;
        // One short step of the background pass, after the walk; false
        // once nothing is left of it. The file stays open between steps.
        virtual bool passStep() { return false; }

        // Set by the owner when it goes: the slot's work in progress ends
        // at its next read and no other is started.
        std::atomic<bool> cancelled{false};

    private:
        friend class ParseWorkerPool;
        // Guarded by the pool's mutex.
        int requested = -1;
        int served = -1;
        bool walked = false;
        bool passDone = false;
        bool queued = false;
        bool urgent = false;  // queued with the requests, walk still to do
        bool busy = false;
        std::chrono::steady_clock::time_point releaseAt;
    };
    using SlotPtr = std::shared_ptr<Slot>;

    // The pool the workers of this process share; its threads are joined
    // when the application object goes (or else when the process ends).
    static ParseWorkerPool &shared();

    ParseWorkerPool(int threads, std::chrono::milliseconds idleRelease);
    ~ParseWorkerPool();
    ParseWorkerPool(const ParseWorkerPool &) = delete;
    ParseWorkerPool &operator=(const ParseWorkerPool &) = delete;

    // Queues the slot's walk behind the walks already waiting.
    void add(const SlotPtr &slot);
    // The slot's latest playback second; a negative one asks for nothing.
    void request(const SlotPtr &slot, int second);
    // Cancels the slot without waiting; the pool drops it at its next turn.
    void remove(const SlotPtr &slot);
    // Ends the threads once their current work is done; nothing is served
    // after.
    void stop();

    int threadCount() const { return int(mThreads.size()); }

private:
    void run();
    SlotPtr takeNext();
    void settle(const SlotPtr &slot);
    void releaseIdleFiles();
    void waitForWork(std::unique_lock<std::mutex> &lock);
    static bool wantsSecond(const Slot &slot);
    enum class Job { None, Walk, Serve, Pass };
    static Job nextJob(const Slot &slot);
    static bool isBackground(const Slot &slot, Job job);
    static bool doJob(Slot &slot, Job job, int second);

    std::mutex mMutex;
    std::condition_variable mWake;
    std::deque<SlotPtr> mRequests;  // seconds asked for, and walks made urgent
    std::deque<SlotPtr> mWalks;
    std::deque<SlotPtr> mPasses;    // walked slots whose pass goes on
    std::vector<SlotPtr> mHoldingFiles;  // idle slots whose file is still open
    int mWalking = 0;               // walks and pass steps under way
    const int mWalkLimit;
    const std::chrono::milliseconds mIdleRelease;
    bool mStopping = false;
    std::vector<std::thread> mThreads;
};
