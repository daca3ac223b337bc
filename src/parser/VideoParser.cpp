#include "VideoParser.h"

#include "CancelScope.h"
#include "ParseWorkerPool.h"
#include "ParserFactory.h"
#include "VideoFile.h"

#include <mutex>

// What the pool's threads do for one worker. The parser and its walk
// results live here; the worker object only reports, as long as it exists.
class VideoParser::Slot : public ParseWorkerPool::Slot
{
public:
    Slot(VideoParser *owner, const QString &path, int id)
        : mOwner(owner), mPath(path), mId(id)
    {
    }

    void walk() override
    {
        const CancelScope cancel(cancelled);
        mParser = createParser(mPath);
        // A walk cut short by the worker's end knows nothing worth reporting.
        if (!CancelScope::requested())
            report(&VideoParser::videoInfoChanged, mParser->videoInfo());
    }

    void serve(int second) override
    {
        const CancelScope cancel(cancelled);
        if (!mParser || (!mParser->isOpen() && !mParser->reopenFile(mPath)))
            return;
        GpsData data;
        if (mParser->getGpsData(second, data))
            report(&VideoParser::gpsDataChanged, data);
    }

    void releaseFile() override
    {
        if (mParser)
            mParser->closeFile();
    }

    // The worker is going: from now on nothing is reported.
    void detach()
    {
        std::lock_guard<std::mutex> lock(mReportMutex);
        mOwner = nullptr;
        cancelled.store(true, std::memory_order_relaxed);
    }

private:
    template<typename Report, typename Value>
    void report(Report signal, const Value &value)
    {
        std::lock_guard<std::mutex> lock(mReportMutex);
        if (mOwner)
            emit (mOwner->*signal)(mId, value);
    }

    std::mutex mReportMutex;
    VideoParser *mOwner;
    const QString mPath;
    const int mId;
    std::unique_ptr<ParserObject> mParser;
};

VideoParser::VideoParser(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<VideoInfo>("VideoInfo");
    qRegisterMetaType<GpsData>("GpsData");
}

VideoParser::~VideoParser()
{
    if (!mSlot)
        return;
    mSlot->detach();
    ParseWorkerPool::shared().remove(mSlot);
}

void VideoParser::startParsing(const QUrl &fileUrl, int id)
{
    mSlot = std::make_shared<Slot>(this, VideoFile::localPath(fileUrl), id);
    ParseWorkerPool &pool = ParseWorkerPool::shared();
    pool.add(mSlot);
    if (mEarlySecond >= 0)
        pool.request(mSlot, mEarlySecond);
}

void VideoParser::setSecond(int second)
{
    if (mSlot)
        ParseWorkerPool::shared().request(mSlot, second);
    else
        mEarlySecond = second;
}
