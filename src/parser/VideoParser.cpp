#include "VideoParser.h"

#include "CancelScope.h"
#include "ParseWorkerPool.h"
#include "ParserFactory.h"
#include "TrackDecoder.h"
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

    // A step of the pass is short enough that a playback request waits
    // for it no longer than for its own read.
    bool passStep() override
    {
        const CancelScope cancel(cancelled);
        if (!mParser || (!mParser->isOpen() && !mParser->reopenFile(mPath))) {
            finishTrack();
            return false;
        }
        if (!mDecoder)
            mDecoder = std::make_unique<TrackDecoder>(*mParser);
        if (!mDecoder->decodeUntil(mDecoder->nextSecond() + passStepSeconds, mTrack, &cancel))
            return false;  // the worker is going
        if (!mDecoder->atEnd())
            return true;
        finishTrack();
        return false;
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
    static constexpr int passStepSeconds = 30;

    void finishTrack()
    {
        mDecoder.reset();
        report(&VideoParser::trackReady, mTrack);
        mTrack = TelemetryTrack();  // the receiver holds it now
    }

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
    std::unique_ptr<TrackDecoder> mDecoder;  // declared after the parser it reads
    TelemetryTrack mTrack;                   // decoded so far
};

VideoParser::VideoParser(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<VideoInfo>("VideoInfo");
    qRegisterMetaType<GpsData>("GpsData");
    qRegisterMetaType<TelemetryTrack>("TelemetryTrack");
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
